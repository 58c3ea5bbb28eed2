// AIS input with the hooks and settings the start-up installs, through the real 100 ms tick:
// received safety texts land in the info file of the open data set with their header, and the
// AIS range comes from the settings record.

#include "SetupTestSupport.h"
#include "platform/system/TempFolder.h"
#include "sensors/SensorTestSupport.h"

#include "app/LanguageLoader.h"
#include "app/SensorWiring.h"
#include "app/TForm1.h"
#include "app/TickClock.h"
#include "app/TickState.h"
#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/isam/IsamLibrary.h"
#include "platform/system/SystemClock.h"
#include "sensors/AisMessageHeader.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorSettings.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TargetTable.h"
#include "userdata/InfoTexts.h"
#include "userdata/UserDatabase.h"
#include "userdata/UserFileSets.h"
#include "userdata/UserRecords.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

class AisWiringTest : public SetupTest {
protected:
    void SetUp() override
    {
        SetupTest::SetUp();
        ResetSensorSide();
        ResetTickState();
        platform::InstallMachineClockSetter([](platform::ClockTime) { return EPERM; });
        platform::InstallClockReporter([](const std::string&) {});
        for (const auto& made : {location.objectFolder, location.seabedFolder, location.aisFolder})
            std::filesystem::create_directories(made);
        ASSERT_TRUE(OpenUserDatabase(location));
        form = std::make_unique<TForm1>();
        Form1 = form.get();
        AppRunning = true;
        StartupDone = true;
        SetupParameters.AlarmPort = NoAlarmPort;
        SetupParameters.Mmsi = 211000001;
        SetupParameters.AisMessages = 1;
        WireSensors(*form);
        platform::AllowMachineClockSetting(false);
    }
    void TearDown() override
    {
        Form1 = nullptr;
        form.reset();
        CloseUserDatabase();
        ResetSensorSide();
        ResetTickState();
        platform::ResetClockCorrection();
        platform::InstallClockReporter({});
        platform::InstallMachineClockSetter(nullptr);
        SetupTest::TearDown();
    }

    // Text on the TCP connection, then one 100 ms tick.
    void receive(const std::string& text)
    {
        AppendTcpInput(text.data(), text.size());
        form->Timer1Timer();
    }

    static std::vector<std::string> StoredTexts()
    {
        std::vector<std::string> texts;
        for (auto status = UserIsam.readFirst(InfoKey, platform::isam::bytesOf(InfoBuffer));
             status == platform::isam::Status::Ok;
             status = UserIsam.readNext(InfoKey, platform::isam::bytesOf(InfoBuffer)))
            texts.push_back(InfoText(InfoBuffer, UserIsam.currentRecordLength(InfoFile)));
        return texts;
    }

    TempFolder folder;
    UserDatabaseLocation location{folder / "DataA", folder / "Data_A", folder / "Replay"};
    std::unique_ptr<TForm1> form;
};

TEST_F(AisWiringTest, ReceivedSafetyTextsReachTheInfoFile)
{
    // "RCVD YR TEST MSG" broadcast, "PLS KEEP CLEAR" to the own MMSI, and a text to another
    // vessel.
    receive("!AIVDM,1,1,,A,>5?Per18=HB1U:1@E=B0m<L,2*51\r\n"
            "!AIVDM,1,1,,A,<3`dU0@jCVd4@<CP;55@P3<51B,0*2A\r\n"
            "!AIVDM,1,1,,A,<3`dU0@r;C0t>?DP6?BPEC,0*4E\r\n");
    const std::vector<std::string> texts = StoredTexts();
    ASSERT_EQ(texts.size(), 2u);
    AisMessageHeader header;
    ASSERT_TRUE(ParseAisMessageHeader(texts[0], header));
    EXPECT_EQ(header.mmsi, 351809000u);
    EXPECT_EQ(header.kind, "Bd.Safe");
    EXPECT_EQ(texts[0].substr(texts[0].find('\n') + 1), "RCVD YR TEST MSG");
    ASSERT_TRUE(ParseAisMessageHeader(texts[1], header));
    EXPECT_EQ(header.mmsi, 244000001u);
    EXPECT_EQ(header.kind, "Ad.Safe");
    EXPECT_EQ(texts[1].substr(texts[1].find('\n') + 1), "PLS KEEP CLEAR");
}

TEST_F(AisWiringTest, TheAisRangeIsTheStoredOneOrTheChosenItemsWhenNoneIsStored)
{
    const struct {
        int16_t stored, index;
        int32_t taken;
    } cases[] = {{40, 0, 40}, {9999, 2, 9999}, {0, 2, 15}, {0, 7, 9999}, {-3, 0, 5}};
    for (const auto& c : cases) {
        SetupParameters.AisRange = c.stored;
        SetupParameters.AisRangeIndex = c.index;
        RefreshSensorSettings();
        EXPECT_EQ(SensorSetup.aisRange, c.taken) << c.stored << " " << c.index;
    }
}

// The same wiring with the target dialog, as the start-up creates it.
class TargetDialogWiringTest : public AisWiringTest {
protected:
    void SetUp() override
    {
        AisWiringTest::SetUp();
        dialog = std::make_unique<TArpaDlg>();
        ArpaDlg = dialog.get();
        OwnShip.positionKnown = true;
    }
    void TearDown() override
    {
        ArpaDlg = nullptr;
        dialog.reset();
        AisWiringTest::TearDown();
    }

    static uint32_t Now() { return uint32_t(std::chrono::system_clock::to_time_t(platform::ClockNow())); }

    std::unique_ptr<TArpaDlg> dialog;
};

TEST_F(TargetDialogWiringTest, AReceivedSafetyTextOpensTheVesselsMessagesFromTheInfoFile)
{
    TargetRecord& vessel = ClaimTarget(0, 244000001, TargetAisPosition);
    vessel.dynamic.mmsi = 244000001;
    vessel.dynamic.channel = 'A';
    const char name[] = "PILOT 7";
    SetTargetLabel(vessel, name, sizeof name);
    // "PLS KEEP CLEAR" from 244000001 to the own MMSI, then "RCVD YR TEST MSG" to all.
    receive("!AIVDM,1,1,,A,<3`dU0@jCVd4@<CP;55@P3<51B,0*2A\r\n");
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(ShownTarget, 0);
    EXPECT_EQ(dialog->edArpaId->text(), "PILOT 7");
    EXPECT_TRUE(dialog->btnMess->isChecked());
    EXPECT_TRUE(dialog->rbSafety->isChecked());
    EXPECT_TRUE(dialog->rbA->isChecked());
    EXPECT_EQ(dialog->height(), dialog->FullHeight());
    ASSERT_EQ(dialog->cmbMess->count(), 1);
    EXPECT_TRUE(dialog->cmbMess->itemText(0).contains("244000001  Ad.Safe"));
    EXPECT_EQ(dialog->memoTxt->toPlainText(), "PLS KEEP CLEAR");

    receive("!AIVDM,1,1,,A,>5?Per18=HB1U:1@E=B0m<L,2*51\r\n");
    EXPECT_EQ(ShownTarget, OwnAisRecord) << "a station not in the table";
    EXPECT_EQ(dialog->cmbMess->count(), 2) << "the own record lists every message";
    EXPECT_EQ(dialog->memoTxt->toPlainText(), "RCVD YR TEST MSG");

    // A reply to the vessel is kept in the info file under its MMSI.
    ShownTarget = 0;
    dialog->UpdateTargetPanel();
    dialog->btnMess->click();
    dialog->btnNew->click();
    QTest::keyClicks(dialog->memoTxt, "will do");
    dialog->btnSend->click();
    const std::vector<std::string> stored = ReadAisTextMessages(Now() + 1);
    ASSERT_EQ(stored.size(), 3u);
    AisMessageHeader header;
    ASSERT_TRUE(ParseAisMessageHeader(stored[0], header));
    EXPECT_EQ(header.kind, "Tx Safe");
    EXPECT_EQ(header.mmsi, 244000001u);
    EXPECT_EQ(header.name, "PILOT 7");
    dialog->btnMess->click();
    dialog->btnMess->click();
    EXPECT_EQ(dialog->cmbMess->count(), 2) << "the received message and the reply";
}

TEST_F(TargetDialogWiringTest, AnAisAlarmOpensTheAlarmMode)
{
    OwnShip.pendingAisAlarm = 7;
    ASSERT_TRUE(SensorHook.showAisAlarm);
    SensorHook.showAisAlarm("AIS: TX MALFUNCTION");
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(ShownTarget, OwnAisRecord);
    EXPECT_FALSE(dialog->btnConfirm->isHidden());
    EXPECT_EQ(dialog->memoTxt->toPlainText(), "AIS: TX MALFUNCTION");
}

TEST_F(TargetDialogWiringTest, TheEnglishLanguageFileReachesEveryTextedControl)
{
    LoadLanguage(std::filesystem::path(VARNIK_SOURCE_DIR) / "data/english.lng");
    EXPECT_EQ(dialog->windowTitle(), "Arpa target");
    EXPECT_EQ(dialog->rbArpaTrack1->toolTip(), "No track");
    EXPECT_EQ(dialog->Save->text(), "Save");
    EXPECT_EQ(dialog->Save->toolTip(), "Save the target's track as a user object");
    EXPECT_EQ(dialog->Delete->text(), "Delete");
    EXPECT_EQ(dialog->btnOK->text(), "Cancel");
    EXPECT_EQ(dialog->ckCpa->text(), "CPA");
    EXPECT_EQ(dialog->ckCpa->toolTip(), "Show the CPA of this target");
    EXPECT_EQ(dialog->edArpaId->toolTip(), "Name of the target");

    for (QWidget* control : dialog->findChildren<QWidget*>())
        EXPECT_FALSE(ShownTexts(control).contains(QStringLiteral("!"))) << control->objectName().toStdString();
}

}  // namespace
