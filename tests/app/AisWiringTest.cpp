// AIS input with the hooks and settings the start-up installs, through the real 100 ms tick:
// received safety texts land in the info file of the open data set with their header, and the
// AIS range comes from the settings record.

#include "SetupTestSupport.h"
#include "platform/system/TempFolder.h"
#include "sensors/SensorTestSupport.h"

#include "app/SensorWiring.h"
#include "app/TForm1.h"
#include "app/TickClock.h"
#include "app/TickState.h"
#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/isam/IsamLibrary.h"
#include "sensors/AisMessageHeader.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorSettings.h"
#include "userdata/UserDatabase.h"
#include "userdata/UserFileSets.h"
#include "userdata/UserRecords.h"

#include <cerrno>
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

}  // namespace
