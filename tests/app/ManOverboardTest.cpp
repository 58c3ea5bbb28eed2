// The man-overboard mark dropped through the event mark as its key does (the current symbol 123)
// on the started program over the bay: stored at once whatever the speed, drawn at the next
// tick; and no mark at all while a replay is shown.

#include "BayWindowTest.h"

#include "app/DataSets.h"
#include "app/EventMarks.h"
#include "frame/SetupParameters.h"
#include "userdata/StoredPosition.h"
#include "userdata/UserDatabase.h"

#include <QPushButton>
#include <QToolButton>

namespace {

using platform::isam::Status;
using platform::isam::bytesOf;

// The symbol stored at the position, if any.
std::optional<IdRecord> SymbolAt(const cmgbase::GeoPoint& at)
{
    IdRecord probe;
    probe.objectType = ObjectType::SYMBOL;
    probe.latitude = StoredFromChart(at.y);
    probe.longitude = StoredFromChart(at.x);
    if (UserIsam.readEqual(IdPositionKey, UserKeyValue(IdPositionKey, bytesOf(probe)), bytesOf(probe)) != Status::Ok)
        return std::nullopt;
    return probe;
}

class ManOverboardTest : public BayWindowTest {
protected:
    void SetUp() override
    {
        BayWindowTest::SetUp();
        ASSERT_TRUE(SelectUserDatabase(1));
        boxes.shown.clear();  // the start-up's
    }

    void dropManOverboard()
    {
        SetupParameters.CurrentSymbol = uint8_t(ManOverboardCode);
        form->SymbolBtn->setChecked(false);
        form->OverlayRedrawRequest = 0;
        form->EventMarkExecute(form->EventMarkBtn);
    }
};

TEST_F(ManOverboardTest, TheMarkIsStoredRedAtTheShipAtAnySpeed)
{
    const cmgbase::GeoPoint places[] = {InTheBay, Degrees(-76.40, 38.90)};
    const float speeds[] = {0.5f, 8.0f};
    for (int n = 0; n < 2; ++n) {
        SCOPED_TRACE(testing::Message() << speeds[n] << " kn");
        PlaceShip(places[n], 90.0f, speeds[n]);
        OwnShip.depth = 14.2f;
        dropManOverboard();
        const std::optional<IdRecord> mark = SymbolAt(places[n]);
        ASSERT_TRUE(mark) << "on disk when the handler returns";
        EXPECT_EQ(FixedText(mark->name), "M.O.B.");
        EXPECT_EQ(int32_t{mark->colour}, 1);
        EXPECT_EQ(int32_t{mark->pointCount}, 10);
        EXPECT_EQ(int32_t{mark->value}, 142);
        EXPECT_TRUE(form->SymbolBtn->isChecked()) << "the symbols are shown";
        EXPECT_EQ(form->OverlayRedrawRequest, 1) << "drawn at the next tick";
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ManOverboardTest, WhileAReplayIsShownNoMarkIsDroppedAndTheUserIsTold)
{
    PlaceShip(InTheBay, 0.0f, 3.0f);
    form->btnReplay->setChecked(true);
    dropManOverboard();
    EXPECT_FALSE(SymbolAt(InTheBay));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, ReplayMarkRefusal);

    EXPECT_FALSE(DropDepthMark(*form)) << "an automatic sounding";
    EXPECT_EQ(boxes.shown.size(), 1u) << "is dropped silently";
    EXPECT_FALSE(SymbolAt(InTheBay));

    form->btnReplay->setChecked(false);
    dropManOverboard();
    EXPECT_TRUE(SymbolAt(InTheBay));
}

}  // namespace
