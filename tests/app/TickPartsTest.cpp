// The pieces the ticks are made of: target ageing, the area warning names, the COM ports and the
// alarm relay, and the automatic import of data set A.

#include "AppTestSupport.h"

#include "app/AutomaticImport.h"
#include "app/DataSets.h"
#include "app/Startup.h"
#include "app/TargetAgeing.h"
#include "app/WarningClassNames.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "sensors/ComPortControl.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorSettings.h"
#include "userdata/UserDatabase.h"

#include <fcntl.h>
#include <fstream>
#include <termios.h>
#include <unistd.h>

namespace {

TargetRecord Target(uint8_t kind, int32_t age, uint8_t navigationStatus = 0, float speed = 10.0f,
                    uint8_t storedMarker = 0)
{
    TargetRecord target{};
    target.kind = kind;
    target.lostCount = age;
    target.status = 'T';
    target.speed = speed;
    target.dynamic.navigationStatus = navigationStatus;
    target.staticData.storedMarker = storedMarker;
    return target;
}

}  // namespace

TEST(TargetAgeing, EachKindIsLostAndThenRemovedAfterItsOwnSilence)
{
    struct Case {
        const char* what;
        TargetRecord target;
        char status;
    };
    const Case cases[]{
        {"ARPA at 60 s", Target(0, 60), 'T'},
        {"ARPA at 61 s", Target(0, 61), 'L'},
        {"sonar at 91 s", Target(2, 91), 'X'},
        {"AIS under way at 121 s", Target(4, 121), 'L'},
        {"AIS under way at 181 s", Target(4, 181), 'X'},
        {"AIS at anchor at 181 s", Target(4, 181, 1, 0.2f), 'T'},
        {"AIS moored at 421 s", Target(4, 421, 5, 0.0f), 'L'},
        {"AIS aground at 601 s", Target(4, 601, 9, 0.0f), 'X'},
        {"AIS with stored static data, slow", Target(4, 300, 0, 3.0f, 99), 'T'},
        {"AIS at anchor but drifting fast", Target(4, 181, 1, 3.5f), 'X'},
        {"dead-reckoned never lost", Target(3, 100000), 'T'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AgedTargetStatus(c.target), c.status) << c.what;
}

TEST(TargetAgeing, ASimulatedTargetRunsFromItsStartNeverBackwardsWhenTheClockIsSetBack)
{
    TargetRecord simulated = Target(TargetSimulated, 5);
    simulated.reportTime = 1'000'000'000;
    EXPECT_EQ(SecondsSinceReport(simulated, 1'000'003'600), 3600);
    EXPECT_EQ(SecondsSinceReport(simulated, 1'000'000'000), 0);
    EXPECT_EQ(SecondsSinceReport(simulated, 999'996'400), 0);
    simulated.reportTime = 4'000'000'000u;
    EXPECT_EQ(SecondsSinceReport(simulated, 0), 0);
    // Reported targets run for their age, whatever the clock says.
    TargetRecord arpa = Target(TargetArpa, 61);
    arpa.reportTime = 1'000'000'000;
    EXPECT_EQ(SecondsSinceReport(arpa, 1'000'003'600), 61);
    EXPECT_EQ(SecondsSinceReport(Target(TargetAisPosition, -5), 0), 0);
}

TEST(WarningClassNames, KnownClassesHaveNamesEveryOtherCodeAsksForChartInfo)
{
    EXPECT_STREQ(WarningClassName(4), "Anchorage area");
    EXPECT_STREQ(WarningClassName(51), "Fairway ");
    EXPECT_STREQ(WarningClassName(152), "Two-way route");
    for (const int32_t code : {0, 5, 151, 153, 100000, -1, -2147483647 - 1})
        EXPECT_STREQ(WarningClassName(code), "Query chart info") << code;
}

class ComPortControlTest : public testing::Test {
protected:
    void SetUp() override
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master, 0);
        ASSERT_EQ(grantpt(master), 0);
        ASSERT_EQ(unlockpt(master), 0);
        path = ptsname(master);
        ComPortError = false;
    }
    void TearDown() override
    {
        CloseComPorts();
        SensorSetup = SensorSettings{};
        WritePortSettings(PortSettings{});
        for (int port = 0; port < SerialPortCount; ++port)
            platform::SetSerialDevicePath(port, "");
        ComPortError = false;
        ComPortOpenedAtStart = {};
        ComPortLostCheckPending = false;
        close(master);
    }

    // The line settings of the port's device, as the master of the pseudo-terminal reports them.
    termios lineSettings() const
    {
        termios settings{};
        tcgetattr(master, &settings);
        return settings;
    }

    int master = -1;
    std::string path;
};

TEST_F(ComPortControlTest, APortOpensAtTheRateOfItsBaudIndexEightBitsNoParityOneStopBitRaw)
{
    const std::pair<uint8_t, speed_t> cases[]{{0, B4800}, {1, B9600}, {2, B38400}, {3, B9600}, {4, B19200}, {9, B4800}};
    for (const auto& [index, speed] : cases) {
        PortSettings settings;
        settings.baud[5] = index;
        WritePortSettings(settings);
        platform::SetSerialDevicePath(5, path);
        ASSERT_TRUE(OpenComPort(5)) << int(index);
        const termios line = lineSettings();
        EXPECT_EQ(cfgetospeed(&line), speed) << int(index);
        EXPECT_EQ(cfgetispeed(&line), speed) << int(index);
        EXPECT_EQ(line.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), tcflag_t(CS8)) << int(index);
        EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u) << int(index);
        EXPECT_EQ(line.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP | IXON | IXOFF), 0u) << int(index);
        EXPECT_EQ(line.c_oflag & OPOST, 0u) << int(index);
    }
    EXPECT_FALSE(ComPortError);
}

// The tests run as root, whom the terminal's exclusive mode lets through; the port stays refused.
TEST_F(ComPortControlTest, APortIsNotSharedASecondOpenerIsRefused)
{
    platform::SetSerialDevicePath(3, path);
    platform::SetSerialDevicePath(7, path);
    ASSERT_TRUE(OpenComPort(3));
    EXPECT_FALSE(OpenComPort(7));
    EXPECT_TRUE(ComPortError);
    platform::SerialPort other;
    EXPECT_FALSE(other.open(path, 4800));

    CloseComPorts();
    EXPECT_TRUE(OpenComPort(7));
}

TEST_F(ComPortControlTest, ThePortsOpenedAtStartAreNotedAnInactivePortCountsAsOpened)
{
    PortSettings settings;
    settings.active[0] = 1;  // opens
    settings.active[1] = 1;  // missing
    WritePortSettings(settings);
    platform::SetSerialDevicePath(0, path);
    platform::SetSerialDevicePath(1, "/nonexistent/ttyS1");
    ComPortLostCheckPending = false;

    OpenComPortsAtStart();

    EXPECT_TRUE(ComPortOpenedAtStart[0]);
    EXPECT_FALSE(ComPortOpenedAtStart[1]);
    EXPECT_TRUE(ComPortOpenedAtStart[2]);
    EXPECT_TRUE(ComPorts[0].isOpen());
    EXPECT_FALSE(ComPorts[2].isOpen());
    EXPECT_TRUE(ComPortError);
    EXPECT_TRUE(ComPortLostCheckPending);
}

TEST_F(ComPortControlTest, APortThatDoesNotOpenSetsThePortError)
{
    platform::SetSerialDevicePath(4, "/nonexistent/ttyS4");
    EXPECT_FALSE(OpenComPort(4));
    EXPECT_TRUE(ComPortError);
    EXPECT_FALSE(OpenComPort(12));
}

TEST_F(ComPortControlTest, TheRelayIsTheAlarmPortsBreakLineAndClosingThePortsReleasesIt)
{
    platform::SetSerialDevicePath(2, path);
    ASSERT_TRUE(OpenComPort(2));
    SetAlarmRelay(true);  // no alarm port yet
    EXPECT_FALSE(AlarmRelayClosed());
    SensorSetup.alarmPort = 2;
    SetAlarmRelay(true);
    EXPECT_TRUE(AlarmRelayClosed());
    SetAlarmRelay(false);
    EXPECT_FALSE(AlarmRelayClosed());
    SetAlarmRelay(true);

    OwnShip.transmitFlags.fill(1);
    CloseComPorts();
    EXPECT_FALSE(ComPorts[2].isOpen());
    EXPECT_FALSE(AlarmRelayClosed());
    EXPECT_EQ(OwnShip.transmitFlags[2], 0);
    SetAlarmRelay(true);  // the port is closed
    EXPECT_FALSE(AlarmRelayClosed());
}

class AutomaticImportTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        StartupInit();
        ASSERT_TRUE(SelectUserDatabase(1));
        ForgetFailedImportList();
        list = AutomaticImportList();
    }
    void TearDown() override
    {
        CloseUserDatabase();
        ForgetFailedImportList();
        AppTest::TearDown();
    }

    void writeList(const std::string& text) const { std::ofstream(list, std::ios::binary) << text; }

    std::filesystem::path list;
    int transfers = 0;
};

TEST_F(AutomaticImportTest, AListThatNamesNothingLeavesTheDataAndIsSetAside)
{
    for (const char* text : {"", " \r\n\t\r\n"}) {
        writeList(text);
        EXPECT_EQ(RunAutomaticImport(list, {}), AutomaticImportResult::Settling);
        const auto result = RunAutomaticImport(list, [this](const std::filesystem::path&) { return ++transfers, true; });
        EXPECT_EQ(result, AutomaticImportResult::Refused);
        EXPECT_EQ(transfers, 0);
        EXPECT_FALSE(std::filesystem::exists(list));
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(list).replace_extension(".bad")));
        EXPECT_EQ(RunAutomaticImport(list, {}), AutomaticImportResult::NoList);
    }
}

TEST_F(AutomaticImportTest, AnImportRunsOnceAndAFailedOneIsNotRepeated)
{
    writeList("track1.trk\r\n");
    const auto ok = [this](const std::filesystem::path& taken) { return ++transfers, taken == list; };
    EXPECT_EQ(RunAutomaticImport(list, ok), AutomaticImportResult::Settling);
    EXPECT_EQ(RunAutomaticImport(list, ok), AutomaticImportResult::Imported);
    EXPECT_FALSE(std::filesystem::exists(list));
    EXPECT_EQ(RunAutomaticImport(list, ok), AutomaticImportResult::NoList);
    EXPECT_EQ(transfers, 1);

    writeList("track2.trk\r\n");
    const auto failing = [this](const std::filesystem::path&) { return ++transfers, false; };
    EXPECT_EQ(RunAutomaticImport(list, failing), AutomaticImportResult::Settling);
    EXPECT_EQ(RunAutomaticImport(list, failing), AutomaticImportResult::Failed);
    EXPECT_FALSE(std::filesystem::exists(list));
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(list).replace_extension(".bad")));
    EXPECT_EQ(RunAutomaticImport(list, failing), AutomaticImportResult::NoList);
    EXPECT_EQ(transfers, 2);
}

TEST_F(AutomaticImportTest, AListStillBeingWrittenWaitsUntilItStaysTheSame)
{
    const auto ok = [this](const std::filesystem::path&) { return ++transfers, true; };
    writeList("$PVRKS,1,1,5400.000,N,01000.000,E,one\n");
    EXPECT_EQ(RunAutomaticImport(list, ok), AutomaticImportResult::Settling);
    writeList("$PVRKS,1,1,5400.000,N,01000.000,E,one\n$PVRKS,1,1,5401.000,N,01000.000,E,two\n");
    EXPECT_EQ(RunAutomaticImport(list, ok), AutomaticImportResult::Settling);
    EXPECT_EQ(transfers, 0);
    EXPECT_EQ(RunAutomaticImport(list, ok), AutomaticImportResult::Imported);
    EXPECT_EQ(transfers, 1);
}

TEST_F(AutomaticImportTest, TheListsObjectsReplaceThoseOfDataSetA)
{
    IdRecord old;
    old.objectType = ObjectType::SYMBOL;
    old.id = 20001;
    old.colour = 1;
    ASSERT_EQ(UserIsam.addRecord(IdFile, platform::isam::bytesOf(old)), platform::isam::Status::Ok);
    writeList("$PVRKS,1,1,5400.000,N,01000.000,E,buoy\r\n"
              "$PVRKT,0,2,track\r\n$PVRKP,1,5400.000,N,01000.000,E,12.5\r\n$PVRKP,1,5401.000,N,01000.000,E,13\r\n");
    EXPECT_EQ(RunAutomaticImport(list, ImportAutomaticList), AutomaticImportResult::Settling);
    EXPECT_EQ(RunAutomaticImport(list, ImportAutomaticList), AutomaticImportResult::Imported);
    std::vector<IdRecord> stored;
    IdRecord record;
    for (auto status = UserIsam.readFirst(IdTypeKey, platform::isam::bytesOf(record)); status == platform::isam::Status::Ok;
         status = UserIsam.readNext(IdTypeKey, platform::isam::bytesOf(record)))
        stored.push_back(record);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].objectType, ObjectType::TRACK);
    EXPECT_EQ(stored[1].objectType, ObjectType::SYMBOL);
    EXPECT_EQ(FixedText(stored[1].name), "buoy");
    EXPECT_EQ(stored[1].latitude, 54 * 600000);
}
