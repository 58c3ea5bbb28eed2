// The AIS history search over a real ais5 file set: typed look-ups and steps from the shown
// record in the order of each key, driven by the keys and clicks a user gives the dialog.

#include "UserDatabaseFixture.h"

#include "frame/DateTimeText.h"
#include "platform/system/TextCodec.h"
#include "userdata/AisStaticStore.h"
#include "userdata/TAisDbDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstring>
#include <optional>
#include <vector>

namespace {

using platform::isam::Status;

struct Station {
    uint32_t mmsi;
    uint32_t imo;
    const char* call;
    const char* name;
    uint32_t stored;
};

// In the order they are added; the two ALPHAs and the two IMO 9000001 keep that order.
constexpr Station Stations[] = {
    {211000001, 1234567, "DABC", "ALPHA", 1796900000},
    {211000005, 9000001, "DAAA", "CHARLIE", 1796910000},
    {230000009, 8000002, "OHXY", "BRAVO", 1796920000},
    {244000002, 9000001, "PDZZ", "ALPHA", 1796930000},
};

class AisHistorySearchTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        open();
        for (const Station& s : Stations) {
            AisStaticRecord record;
            record.mmsi = s.mmsi;
            record.imo = s.imo;
            std::strcpy(record.callSign, s.call);
            std::strcpy(record.name, s.name);
            record.storedTime = s.stored;
            ASSERT_EQ(WriteAisStatic(record), Status::Ok);
        }
        dialog.hooks.shownShip = [this](uint32_t mmsi) { centred.push_back(mmsi); };
        dialog.hooks.replay = [this](const QDateTime& time) { replayed = time; };
        dialog.show();
    }

    QLineEdit* field(UserKey key) const
    {
        return std::array{dialog.edName, dialog.edMmsi, dialog.edImo, dialog.edCall}[size_t(key - AisNameKey)];
    }

    TAisDbDlg dialog;
    std::vector<uint32_t> centred;
    std::optional<QDateTime> replayed;
};

TEST_F(AisHistorySearchTest, TypedValuesAndStepsShowTheRecordOfTheKeysOrder)
{
    struct Case {
        UserKey key;
        const char* shown;  // the MMSI field before
        const char* typed;  // nullptr: a step from the shown record
        int arrow;
        const char* expected;  // the MMSI field after
        bool staysTyped = false;  // a typed value that was not used
    };
    const Case cases[] = {
        // A typed MMSI that exists is passed over upwards.
        {AisMmsiKey, "", "211000005", Qt::Key_Up, "230000009"},
        {AisMmsiKey, "", "211000005", Qt::Key_Down, "211000001"},
        {AisNameKey, "", "b", Qt::Key_Up, "230000009"},
        // Down from a name: the last of the equal ALPHAs.
        {AisNameKey, "", "BRAVO", Qt::Key_Down, "244000002"},
        {AisImoKey, "", "9000001", Qt::Key_Down, "230000009"},
        {AisCallSignKey, "", "oh", Qt::Key_Down, "211000001"},
        // Steps from the shown record, found by MMSI, in the order of the chosen key.
        {AisNameKey, "211000001", nullptr, Qt::Key_Up, "244000002"},
        {AisNameKey, "244000002", nullptr, Qt::Key_Down, "211000001"},
        {AisImoKey, "211000005", nullptr, Qt::Key_Up, "244000002"},
        {AisCallSignKey, "230000009", nullptr, Qt::Key_Up, "244000002"},
        {AisCallSignKey, "211000005", nullptr, Qt::Key_Up, "211000001"},
        // An MMSI no record holds starts at the next greater one, whatever the direction.
        {AisNameKey, "220000000", nullptr, Qt::Key_Down, "230000009"},
        // Nothing shown yet: from the lowest MMSI.
        {AisMmsiKey, "", nullptr, Qt::Key_Up, "211000001"},
        // No record that way: the shown one stays.
        {AisNameKey, "211000005", nullptr, Qt::Key_Up, "211000005"},
        {AisMmsiKey, "", "999999999", Qt::Key_Up, "999999999"},
        // Typed numbers that are not up to nine digits do nothing.
        {AisMmsiKey, "", "21100000x", Qt::Key_Up, "21100000x", true},
        {AisImoKey, "", "1234567890", Qt::Key_Up, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << ' ' << (c.typed ? c.typed : "-") << ' ' << c.arrow);
        dialog.edMmsi->setText(c.shown);
        dialog.edImo->clear();
        QTest::mouseClick(field(c.key), Qt::LeftButton);
        ASSERT_EQ(dialog.searchKey, c.key);
        if (c.typed) {
            field(c.key)->clear();
            QTest::keyClicks(field(c.key), c.typed);
        }
        const size_t shownBefore = centred.size();
        QTest::keyClick(field(c.key), Qt::Key(c.arrow));
        EXPECT_EQ(dialog.edMmsi->text().toStdString(), c.expected);
        if (centred.size() > shownBefore) {
            EXPECT_EQ(QString::number(centred.back()), dialog.edMmsi->text());
        }
        EXPECT_EQ(dialog.typed, c.staysTyped);
        dialog.typed = false;
    }
}

TEST_F(AisHistorySearchTest, TheShownRecordFillsTheFieldsAndShowReplaysItsMinute)
{
    // Before any record "Show" has nothing to replay.
    EXPECT_FALSE(dialog.btnShow->isEnabled());
    QTest::keyClick(dialog.edName, Qt::Key_Return);
    EXPECT_FALSE(replayed);

    QTest::keyClicks(dialog.edMmsi, "211000000");
    QTest::keyClick(dialog.edMmsi, Qt::Key_Up);
    EXPECT_EQ(dialog.edName->text(), "ALPHA");
    EXPECT_EQ(dialog.edImo->text(), "001234567");
    EXPECT_EQ(dialog.edCall->text(), "DABC");
    const QDateTime stored = QDateTime::fromSecsSinceEpoch(Stations[0].stored);
    EXPECT_EQ(dialog.btnShow->text(), platform::FromCp1252(LongDateShortTimeText(stored)));
    EXPECT_TRUE(dialog.btnShow->isEnabled());

    // Right and Left move through the fields, wrapping, and choose their keys.
    QTest::keyClick(dialog.edName, Qt::Key_Right);
    EXPECT_EQ(dialog.searchKey, AisMmsiKey);
    QTest::keyClick(dialog.edMmsi, Qt::Key_Left);
    QTest::keyClick(dialog.edName, Qt::Key_Left);
    EXPECT_EQ(dialog.searchKey, AisCallSignKey);
    EXPECT_FALSE(dialog.typed);

    QTest::keyClick(dialog.edCall, Qt::Key_Return);
    ASSERT_TRUE(replayed);
    EXPECT_EQ(*replayed, stored);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
