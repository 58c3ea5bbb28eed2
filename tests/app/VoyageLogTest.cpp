#include "AppTestSupport.h"

#include "app/AisLogs.h"
#include "app/PositionLog.h"
#include "app/RouteText.h"
#include "app/TickClock.h"
#include "app/TickState.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/OwnShipState.h"
#include "sensors/TargetTable.h"
#include "userdata/RouteTable.h"
#include "../TimeZone.h"

#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>

namespace {

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string LocalText(int64_t moment)
{
    const std::time_t seconds = std::time_t(moment);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S %Z", &local);
    return text;
}

class VoyageLogTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        DataPaths[DataPathLog] = folder / "Log";
        std::filesystem::create_directories(DataPaths[DataPathLog]);
        ResetTickState();
        OwnShip = OwnShipState{};
        ResetTargetTable();
        at(2026, 12, 11, 14, 7, 30);
    }
    void TearDown() override
    {
        SetTickClock({});
        OwnShip = OwnShipState{};
        ResetTargetTable();
        ClearRouteTable();
        AppTest::TearDown();
    }
    void at(int year, int month, int day, int hour, int minute, int second, int isdst = -1)
    {
        const int64_t moment = LocalSeconds(year, month, day, hour, minute, second, isdst);
        SetTickClock([moment] { return std::chrono::system_clock::from_time_t(std::time_t(moment)); });
        UpdateClockRecord();
    }
    std::filesystem::path log(const std::string& name) const { return DataPaths[DataPathLog] / name; }

    TimeZone zone_{"CET-1CEST,M3.5.0,M10.5.0/3"};
};

// Lines fall one second past each boundary of the local clock, also across midnight and the
// changes to and from summer time.
TEST_F(VoyageLogTest, TheNextLineIsDueOneSecondPastTheNextBoundaryOfTheLocalClock)
{
    struct Case {
        int item;
        int month, day, hour, minute, second, isdst;
        const char* due;
    };
    const Case cases[] = {
        {0, 12, 11, 12, 47, 30, -1, "2026-12-11 13:00:01 CET"},
        {0, 12, 11, 12, 20, 0, -1, "2026-12-11 12:40:01 CET"},
        {2, 12, 11, 3, 10, 0, -1, "2026-12-11 04:00:01 CET"},
        {1, 12, 11, 12, 59, 59, -1, "2026-12-11 13:00:01 CET"},
        {3, 12, 11, 23, 59, 30, -1, "2026-12-12 00:00:01 CET"},
        {2, 12, 31, 22, 0, 0, -1, "2027-01-01 00:00:01 CET"},
        {6, 12, 11, 9, 0, 0, -1, "2026-12-11 09:10:01 CET"},
        // Into summer time: 02:00 is 03:00.
        {0, 3, 29, 1, 50, 0, -1, "2026-03-29 03:00:01 CEST"},
        {1, 3, 29, 1, 30, 0, -1, "2026-03-29 03:00:01 CEST"},
        {2, 3, 29, 0, 10, 0, -1, "2026-03-29 04:00:01 CEST"},
        // Out of it: 03:00 summer time is 02:00 again, and the hour runs twice.
        {0, 10, 25, 2, 50, 0, 1, "2026-10-25 02:00:01 CET"},
        {1, 10, 25, 2, 30, 0, 1, "2026-10-25 02:00:01 CET"},
        {1, 10, 25, 2, 30, 0, 0, "2026-10-25 03:00:01 CET"},
        {2, 10, 25, 1, 10, 0, -1, "2026-10-25 04:00:01 CET"},
    };
    for (const Case& c : cases) {
        at(2026, c.month, c.day, c.hour, c.minute, c.second, c.isdst);
        EXPECT_EQ(LocalText(NextLogTime(*ClockTime, LogIntervalOf(c.item))), c.due)
            << c.item << " at " << LocalText(ClockSeconds);
    }
    EXPECT_EQ(LogIntervalOf(7), 0);
    EXPECT_EQ(LogIntervalOf(-1), 0);
}

TEST_F(VoyageLogTest, PositionLinesKeepTheirColumnsAndCarryRoundedMinutes)
{
    struct Case {
        double latitude, longitude;
        const char* expected;
    };
    const Case cases[] = {
        {54.5, -5.5, "261211 1407  54\xB0" "30.000'N 005\xB0" "30.000'W   5.2 kt  047.5\xB0\r\n"},
        {0.0, 0.0, "261211 1407  00\xB0" "00.000'S 000\xB0" "00.000'W   5.2 kt  047.5\xB0\r\n"},
        {-33.99999999, 151.2, "261211 1407  34\xB0" "00.000'S 151\xB0" "12.000'E   5.2 kt  047.5\xB0\r\n"},
    };
    OwnShip.positionKnown = true;
    OwnShip.speedOverGround = 5.2f;
    OwnShip.displayCourse = 47.5f;
    for (const Case& c : cases) {
        OwnShip.gpsLatitude = c.latitude;
        OwnShip.gpsLongitude = c.longitude;
        const std::string line = PositionLogLine();
        EXPECT_EQ(line, c.expected);
        // The log-to-route reader finds its marks at fixed columns.
        ASSERT_GE(line.size(), 37u);
        EXPECT_EQ(uint8_t(line[15]), 0xB0);
        EXPECT_EQ(line[22], '\'');
        EXPECT_EQ(uint8_t(line[28]), 0xB0);
        EXPECT_EQ(line[35], '\'');
    }
    EXPECT_EQ(PositionLogName(), "261211.txt");
}

// A due time writes a line only when the vessel moved more than 0.5 NM; a line that cannot be
// written leaves the last logged position where it was and is reported once.
TEST_F(VoyageLogTest, TheLogWritesWhenDueAndMovedAndKeepsItsPlaceOnAFailedWrite)
{
    StartupDone = true;
    SetupParameters.PositionLogOn = 1;
    LogIntervalSeconds = 60;
    OwnShip.positionKnown = true;
    OwnShip.gpsLatitude = 54.5;
    OwnShip.gpsLongitude = 10.0;
    OwnShip.referencePosition = {cmgbase::deg2nrm(10.0), cmgbase::deg2nrm(54.5)};
    SecondTick.lastLoggedPosition = OwnShip.referencePosition;
    LogPositionWhenDue();
    EXPECT_FALSE(std::filesystem::exists(log("261211.txt")));
    EXPECT_EQ(SecondTick.nextLogTime, LocalSeconds(2026, 12, 11, 14, 8, 1));

    OwnShip.referencePosition.y = cmgbase::deg2nrm(54.52);  // 1.2 NM on
    LogPositionWhenDue();
    EXPECT_FALSE(std::filesystem::exists(log("261211.txt")));  // not due yet
    at(2026, 12, 11, 14, 8, 1);
    std::filesystem::remove(DataPaths[DataPathLog]);
    LogPositionWhenDue();
    EXPECT_EQ(SecondTick.lastLoggedPosition.y, cmgbase::deg2nrm(54.5));
    EXPECT_EQ(boxes.shown.size(), 1u);
    std::filesystem::create_directories(DataPaths[DataPathLog]);
    at(2026, 12, 11, 14, 9, 1);
    LogPositionWhenDue();
    EXPECT_EQ(SecondTick.lastLoggedPosition.y, cmgbase::deg2nrm(54.52));
    EXPECT_EQ(Contents(log("261211.txt")).size(), 56u);
    StartupDone = false;
}

TEST_F(VoyageLogTest, TheAisFilesAsBytes)
{
    if (!ClockTime)
        FAIL();
    // The first event makes the file with its header; "all lost" has no time.
    TargetRecord& t = ClaimTarget(3, 211234567, TargetAisPosition);
    std::strcpy(t.staticData.name, "NORDIC;STAR");
    std::strcpy(t.staticData.callSign, "DABC");
    std::strcpy(t.staticData.destination, "KIEL");
    t.staticData.shipType = 70;
    t.staticData.imoNumber = 1234567;
    t.staticData.dimensionA = 100;
    t.staticData.dimensionB = 20;
    t.staticData.dimensionC = 10;
    t.staticData.dimensionD = 8;
    t.staticData.draughtDecimetres = 65;
    t.staticData.etaMonth = 12;
    t.staticData.etaDay = 24;
    t.staticData.etaHour = 6;
    t.staticData.etaMinute = 30;
    t.dynamic.mmsi = 211234567;
    t.dynamic.sogTenths = 123;
    t.dynamic.cogTenths = 2705;
    t.dynamic.trueHeading = 271;
    t.dynamic.rateOfTurn = -5;
    t.dynamic.navigationStatus = 0;
    t.positionX = cmgbase::deg2nrm(-5.5);
    t.positionY = cmgbase::deg2nrm(54.5);
    WriteAisEventLog(3, AisLogEnter, "Fehmarn Belt");
    WriteAisEventLog(3, AisLogLost);
    WriteAisEventLog(0, AisLogAllLost);
    EXPECT_EQ(Contents(log("ais.log")),
              "Ship                 call  type destination         speed status                guardzone\r\n\r\n"
              "NORDIC;STAR          DABC    70 KIEL                 12.3 ENTER 11/12-26 14:07  Fehmarn Belt\r\n"
              "NORDIC;STAR          DABC    70 KIEL                 12.3 LOST  11/12-26 14:07\r\n"
              "All target info lost !!\r\n");

    const std::string header =
        "Ship;Call.;MMSI;IMO;Type;Status;Length;Beam;Drgt.;Dest.;Eta;time;Lat.;Lon.;Spd.;Crs.;Hdg;Rot\r\n";
    ASSERT_TRUE(ExportAisTargets());
    EXPECT_EQ(Contents(log("ais.sdv")),
              header + "NORDIC,STAR;DABC;211234567;1234567;70;0;120;18;6.5;KIEL;12.24;06:30; 54\xB0" "30.000'N;"
                       "  5\xB0" "30.000'W;12.3;270.5;271;-5\r\n");
    ResetTargetTable();
    ASSERT_TRUE(ExportAisTargets());
    EXPECT_EQ(Contents(log("ais.sdv")), header);
}

TEST_F(VoyageLogTest, TheRoutePrintWithoutNamesEndsItsLastWaypointBare)
{
    SetupParameters.DefaultRouteSpeed = 100;
    SetupParameters.DefaultLane = 25;
    SetupParameters.DefaultTurnRadius = 10;
    ClearRouteTable();
    RouteTable[0].position = cmgbase::GeoPoint{cmgbase::deg2nrm(10.0), cmgbase::deg2nrm(54.5)};
    RouteTable[0].legDistance = 12.0f;
    RouteTable[0].legBearing = 90.0f;
    RouteTable[0].stopMinutes = 30;
    RouteTable[1].position = cmgbase::GeoPoint{cmgbase::deg2nrm(10.345), cmgbase::deg2nrm(54.5)};
    RouteTable[1].setName("Kiel light");
    WaypointCount = 2;
    RouteId = 0;
    RouteEditMode = RouteShown;
    EXPECT_FALSE(WriteRouteText());  // not a stored route
    RouteId = 12;
    ASSERT_TRUE(WriteRouteText());
    const std::string text = Contents(log("route.txt"));
    EXPECT_EQ(text.substr(text.find("\r\n")),
              "\r\n\r\nWP    Lat.          Lon.          Dist.   Brg.    Spd.   Lane   Turn  Delay  Leg time\r\n"
              "001:  54\xB0" "30.000'N   10\xB0" "00.000'E    12.0   090.0\xB0  10.0   0.25   0.10    30   1h.12m.\r\n"
              "Kiel light\r\n"
              "002:  54\xB0" "30.000'N   10\xB0" "20.700'E\r\n\r\n"
              "Total:                             12.0 Nm                                   1h.42m.\r\n");
    RouteId = 0;
    RouteEditMode = 0;
}

}  // namespace
