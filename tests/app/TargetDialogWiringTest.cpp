// The target dialog with the hooks the start-up installs, through the real 100 ms tick: an AIS
// safety text to the own MMSI opens it on the messages of the info file, an AIS alarm in alarm
// mode, a sent message lands in the info file; the shipped English language file reaches its
// controls by their names.

#include "SetupTestSupport.h"
#include "platform/system/TempFolder.h"
#include "sensors/SensorTestSupport.h"

#include "app/LanguageLoader.h"
#include "app/SensorWiring.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "sensors/AisMessageHeader.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorInput.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TargetTable.h"
#include "userdata/InfoTexts.h"
#include "userdata/UserDatabase.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <memory>

namespace {

const std::filesystem::path ShippedData = std::filesystem::path(VARNIK_SOURCE_DIR) / "data";

class TargetDialogWiringTest : public SetupTest {
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
        dialog = std::make_unique<TArpaDlg>();
        ArpaDlg = dialog.get();
        AppRunning = true;
        StartupDone = true;
        SetupParameters.AlarmPort = NoAlarmPort;
        SetupParameters.Mmsi = 211000001;
        SetupParameters.AisMessages = 1;
        WireSensors(*form);
        platform::AllowMachineClockSetting(false);
        OwnShip.positionKnown = true;
    }
    void TearDown() override
    {
        ArpaDlg = nullptr;
        dialog.reset();
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

    TempFolder folder;
    UserDatabaseLocation location{folder / "DataA", folder / "Data_A", folder / "Replay"};
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TArpaDlg> dialog;
};

uint32_t Now()
{
    return uint32_t(std::chrono::system_clock::to_time_t(platform::ClockNow()));
}

}  // namespace

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
    LoadLanguage(ShippedData / "english.lng");
    EXPECT_EQ(dialog->windowTitle(), "Arpa target");
    EXPECT_EQ(dialog->rbArpaTrack1->toolTip(), "No track");
    EXPECT_EQ(dialog->Save->text(), "Save");
    EXPECT_EQ(dialog->Save->toolTip(), "Save the target's track as a user object");
    EXPECT_EQ(dialog->Delete->text(), "Delete");
    EXPECT_EQ(dialog->btnOK->text(), "Cancel");
    EXPECT_EQ(dialog->ckCpa->text(), "CPA");
    EXPECT_EQ(dialog->ckCpa->toolTip(), "Show the CPA of this target");
    EXPECT_EQ(dialog->edArpaId->toolTip(), "Name of the target");

    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        QStringList texts{control->toolTip()};
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            texts << button->text();
        else if (auto* label = qobject_cast<QLabel*>(control))
            texts << label->text();
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            texts << group->title();
        else if (auto* list = qobject_cast<QComboBox*>(control))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        EXPECT_FALSE(texts.contains(QStringLiteral("!"))) << control->objectName().toStdString();
    }
}
