// The own-ship handlers: the fix chain and its checks, source rules, the clock, heading, depth,
// wind, datum, AIS notices and received routes.

#include "frame/PortSettings.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/SystemClock.h"
#include "sensors/OwnShipState.h"
#include "sensors/ReceivedRoute.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorSettings.h"
#include "sensors/SensorTestSupport.h"
#include "sensors/SentenceHandlers.h"
#include "sensors/SentenceParser.h"

#include <ctime>
#include <functional>
#include <string>

namespace {

class HandlerTest : public SensorTest {
protected:
    // Two RMCs: the first is only remembered, the second commits.
    int32_t TwoRmc(const std::string& position, const std::string& status = "A")
    {
        Feed(0, Nmea("$GPRMC,120001," + status + "," + position + ",012.0,024.9,,,"));
        return Feed(0, Nmea("$GPRMC,120002," + status + "," + position + ",012.0,024.9,,,"));
    }

    // Sets the program's clock (refused as for an ordinary user, so kept as a correction).
    void SetPcClock(int year, int month, int day, int hour, int minute, int second)
    {
        std::tm t{};
        t.tm_year = year - 1900;
        t.tm_mon = month - 1;
        t.tm_mday = day;
        t.tm_hour = hour;
        t.tm_min = minute;
        t.tm_sec = second;
        platform::SetClock(std::chrono::system_clock::from_time_t(timegm(&t)));
        clockSettings.clear();
    }

    static std::tm ClockFields(platform::ClockTime time)
    {
        const std::time_t t = std::chrono::system_clock::to_time_t(time);
        std::tm fields{};
        gmtime_r(&t, &fields);
        return fields;
    }
};

TEST_F(HandlerTest, FirstFixIsRememberedTheSecondCommitted)
{
    EXPECT_EQ(Feed(0, Nmea("$GPRMC,120001,A,5422.2720,N,01010.4040,E,012.0,024.9,,,")), 0);
    EXPECT_DOUBLE_EQ(OwnShip.gpsLatitude, 0.0);
    EXPECT_EQ(Feed(0, Nmea("$GPRMC,120002,A,5422.2720,S,01010.4040,W,012.0,024.9,,,")),
              ParseFix);
    EXPECT_DOUBLE_EQ(OwnShip.gpsLatitude, -(54.0 + 22.2720f / 60.0));
    EXPECT_DOUBLE_EQ(OwnShip.gpsLongitude, -(10.0 + 10.4040f / 60.0));
    EXPECT_FLOAT_EQ(OwnShip.speedOverGround, 12.0f);
    EXPECT_EQ(OwnShip.latitudeHemisphere, 'S');
    EXPECT_EQ(OwnShip.gpsWholeSeconds, 2);
}

TEST_F(HandlerTest, PositionsOutOfRangeOrFlaggedInvalidAreNotCommitted)
{
    const struct {
        const char* name;
        const char* position;
        const char* status;
    } refused[] = {
        {"latitude 86", "8600.000,N,01010.4040,E", "A"},
        {"zero position", "0000.000,N,00000.000,E", "A"},
        {"latitude minutes 75", "4875.000,N,01010.4040,E", "A"},
        {"longitude minutes 60", "4810.000,N,01060.0000,E", "A"},
        {"longitude beyond 180", "4810.000,N,18030.0000,E", "A"},
        {"status V", "5422.2720,N,01010.4040,E", "V"},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.name);
        ResetSensorSide();
        EXPECT_EQ(TwoRmc(r.position, r.status), 0);
        EXPECT_DOUBLE_EQ(OwnShip.gpsLatitude, 0.0);
        EXPECT_FALSE(OwnShip.positionKnown);
    }
}

TEST_F(HandlerTest, GgaQualityZeroAndGllStatusVCommitNothing)
{
    const std::string vtg = Nmea("$GPVTG,024.9,T,027.6,M,12.0,N,22.2,K,A");
    for (const char* quality : {"0", "1"}) {
        SCOPED_TRACE(quality);
        ResetSensorSide();
        for (const char* time : {"120001", "120002"}) {
            Feed(0, Nmea(std::string("$GPGGA,") + time + ",5422.2720,N,01010.4040,E," + quality +
                         ",09,0.9,12.3,M,38.0,M,,"));
            Feed(0, vtg);
        }
        const int32_t result = Feed(0, Nmea(std::string("$GPGGA,120003,5422.2720,N,01010.4040,E,") +
                                            quality + ",09,0.9,12.3,M,38.0,M,,"));
        EXPECT_EQ(result, quality[0] == '1' ? ParseFix : 0);
    }
    ResetSensorSide();
    OwnShip.vtgSeen = true;
    Feed(0, Nmea("$GPGLL,5422.2720,N,01010.4040,E,120001,V"));
    EXPECT_EQ(Feed(0, Nmea("$GPGLL,5422.2720,N,01010.4040,E,120002,V")), 0);
    EXPECT_EQ(OwnShip.gpsQuality, 0);
    EXPECT_EQ(Feed(0, Nmea("$GPGLL,5422.2720,N,01010.4040,E,120003,A")), 0);  // first fix
    EXPECT_EQ(Feed(0, Nmea("$GPGLL,5422.2720,N,01010.4040,E,120004,A")), ParseFix);
}

TEST_F(HandlerTest, OutputPositionComesOnlyFromCommittedFixes)
{
    SensorSetup.acceptRoutes = true;
    TwoRmc("5422.2720,N,01010.4040,E");
    Feed(0, Nmea("$GPWPL,1000.000,S,02000.000,W,12"));  // a received waypoint
    Feed(3, Nmea("$GPGGA,120003,3000.000,N,04000.000,E,2,09,0.9,12.3,M,38.0,M,,"));  // a second receiver
    Feed(0, Nmea("$GPHDT,123.0,T"));
    EXPECT_EQ(OwnShip.latitudeDegrees, 54);
    EXPECT_FLOAT_EQ(OwnShip.latitudeMinutes, 22.2720f);
    EXPECT_EQ(OwnShip.latitudeHemisphere, 'N');
    EXPECT_EQ(OwnShip.longitudeDegrees, 10);
    EXPECT_EQ(OwnShip.longitudeHemisphere, 'E');
    EXPECT_TRUE(ReceivedRoutes.received[12]);
}

TEST_F(HandlerTest, BetterReceiverOnAnyPortRequestsTheSwitch)
{
    for (int port : {3, 10, 11, TcpPort}) {
        SCOPED_TRACE(port);
        ResetSensorSide();
        TwoRmc("5422.2720,N,01010.4040,E");
        Feed(port, Nmea("$GPGGA,120003,5422.2720,N,01010.4040,E,2,09,0.9,12.3,M,38.0,M,,"));
        EXPECT_LT(OwnShip.positionTimeoutCounter, 0);
        EXPECT_EQ(GpsSwitchRequestPort(OwnShip.positionTimeoutCounter), port);
        EXPECT_EQ(OwnShip.gpsQuality, 2);
        // No fix is committed while the switch is pending.
        EXPECT_EQ(Feed(0, Nmea("$GPRMC,120004,A,5422.2720,N,01010.4040,E,012.0,024.9,,,")), 0);
    }
    EXPECT_EQ(GpsSwitchRequestPort(0), -1);
    EXPECT_EQ(GpsSwitchRequestPort(6), -1);
}

TEST_F(HandlerTest, VtgMagneticCourseIsMadeTrueWithTheVariation)
{
    OwnShip.ggaSeen = true;
    SensorSetup.magneticVariation = 30;  // 3 degrees west: magnetic reads 3 more than true
    Feed(0, Nmea("$GPVTG,,T,100.0,M,5.0,N,9.3,K"));
    EXPECT_FLOAT_EQ(OwnShip.courseOverGround, 97.0f);
    SensorSetup.magneticVariation = -50;  // 5 degrees east
    Feed(0, Nmea("$GPVTG,,T,358.0,M,5.0,N,9.3,K"));
    EXPECT_FLOAT_EQ(OwnShip.courseOverGround, 3.0f);
    // The other way, true to magnetic, for the autopilot sentences.
    SensorSetup.magneticVariation = 200;
    EXPECT_FLOAT_EQ(NormaliseBearing(350.0f, false), 10.0f);
    EXPECT_FLOAT_EQ(NormaliseBearing(350.0f, true), 350.0f);
}

TEST_F(HandlerTest, GyroHeadingHasTheSayUntilItStops)
{
    Feed(0, Nmea("$HEHDT,100.0,T"));
    Feed(1, Nmea("$INHDT,200.0,T"));
    EXPECT_FLOAT_EQ(OwnShip.heading, 100.0f);
    for (int second = 0; second < 20; ++second)
        CountDownSensorTimeouts();
    EXPECT_FALSE(OwnShip.hdtSeen);
    Feed(1, Nmea("$INHDT,200.0,T"));
    EXPECT_FLOAT_EQ(OwnShip.heading, 200.0f);
    EXPECT_EQ(OwnShip.headingValidity, 20);
}

TEST_F(HandlerTest, ValuesOutOfRangeKeepThePreviousValue)
{
    Feed(0, Nmea("$HEHDT,100.0,T"));
    Feed(0, Nmea("$VWVBW,5.0,0.1,A,5.3,0.0,A"));
    Feed(0, Nmea("$WIMWV,045.0,T,10.0,M,A"));
    Feed(0, Nmea("$SDDPT,12.5,0.5"));
    CountDownSensorTimeouts();
    const struct {
        const char* name;
        std::string sentence;
    } rejected[] = {
        {"heading 400", Nmea("$HEHDT,400.0,T")},
        {"heading -5", Nmea("$HEHDT,-5.0,T")},
        {"water speed -3", Nmea("$VWVBW,-3.0,0.1,A,5.3,0.0,A")},
        {"wind angle 400", Nmea("$WIMWV,400.0,T,10.0,M,A")},
        {"wind speed -1", Nmea("$WIMWV,045.0,T,-1.0,M,A")},
        {"relative wind angle 200", Nmea("$IIVWR,200.0,L,10.0,N,5.1,M,18.5,K")},
        {"negative depth", Nmea("$SDDPT,-4.0,0.5")},
        {"depth beyond any sea", Nmea("$SDDPT,99999.0,0.5")},
    };
    for (const auto& r : rejected) {
        SCOPED_TRACE(r.name);
        Feed(0, r.sentence);
        EXPECT_FLOAT_EQ(OwnShip.heading, 100.0f);
        EXPECT_EQ(OwnShip.headingValidity, 19);
        EXPECT_FLOAT_EQ(OwnShip.speedThroughWater, 5.0f);
        EXPECT_FLOAT_EQ(OwnShip.windSpeed, 10.0f);
        EXPECT_FLOAT_EQ(OwnShip.windDirection, 45.0f);
        EXPECT_FLOAT_EQ(OwnShip.depth, 13.0f);
        EXPECT_EQ(OwnShip.depthValidity, 19);
    }
}

TEST_F(HandlerTest, TrueWindFromRelativeWindUnderWay)
{
    OwnShip.displayCourse = 90.0f;
    OwnShip.speedOverGround = 10.0f / 0.5144f;  // 10 m/s east
    Feed(0, Nmea("$WIMWV,000.0,R,10.0,M,A"));    // head wind of the ship's own speed
    EXPECT_NEAR(OwnShip.windSpeed, 10.0f, 1e-4);  // the speed is kept when the two cancel
    EXPECT_NEAR(OwnShip.windDirection, 270.0f, 1e-3);
    Feed(0, Nmea("$WIMWV,045.0,R,14.142136,M,A"));  // apparent from the south-east: true south
    EXPECT_NEAR(OwnShip.windSpeed, 10.0f, 1e-3);
    EXPECT_NEAR(OwnShip.windDirection, 180.0f, 1e-3);
}

TEST_F(HandlerTest, DepthIsShownEvenWhenTheRecorderRejectsIt)
{
    SensorSetup.depthSurface = 0;
    Feed(0, Nmea("$SDDBT,,f,0.6,M,,F"));  // below 1 m: not recorded, still shown
    EXPECT_FLOAT_EQ(OwnShip.depth, 0.6f);
    for (const char* metres : {"30.0", "30.0", "30.0"})
        Feed(0, Nmea(std::string("$SDDBT,,f,") + metres + ",M,,F"));
    Feed(0, Nmea("$SDDBT,,f,12.0,M,,F"));  // a sudden shoaling: shown at once
    EXPECT_FLOAT_EQ(OwnShip.depth, 12.0f);
    EXPECT_FLOAT_EQ(OwnShip.depthHistory[0], 6.0f);
}

TEST_F(HandlerTest, DptIsUsedAgainOnceTheDbtSourceStops)
{
    Feed(0, Nmea("$SDDBT,,f,20.0,M,,F"));
    Feed(1, Nmea("$SDDPT,12.5,0.5"));
    EXPECT_FLOAT_EQ(OwnShip.depth, 20.0f);
    for (int second = 0; second < 20; ++second)
        CountDownSensorTimeouts();
    Feed(1, Nmea("$SDDPT,12.5,0.5"));
    EXPECT_FLOAT_EQ(OwnShip.depth, 13.0f);
}

TEST_F(HandlerTest, DatumSentenceClearsOnlyTheDatumAlarm)
{
    OwnShip.alarmKind = AlarmHeadingLost;
    OwnShip.alarmActive = true;
    Feed(0, Nmea("$GPDTM,W84,,0.0,N,0.0,E,0.0,W84"));
    EXPECT_EQ(OwnShip.alarmKind, AlarmHeadingLost);
    EXPECT_TRUE(OwnShip.alarmActive);
    Feed(0, Nmea("$GPDTM,999,,0.0,N,0.0,E,0.0,W84"));
    EXPECT_EQ(OwnShip.alarmKind, AlarmDatum);
    Feed(0, Nmea("$GPDTM,W84,,0.0,N,0.0,E,0.0,W84"));
    EXPECT_EQ(OwnShip.alarmKind, AlarmNone);
    EXPECT_FALSE(OwnShip.alarmActive);
}

TEST_F(HandlerTest, OnlyFailedAisAcknowledgementsAreShown)
{
    SensorSetup.aisWarnings = true;
    std::vector<platform::MessageBoxRequest> shown;
    SensorHook.showNotice = [&shown](const platform::MessageBoxRequest& r) { shown.push_back(r); };
    for (int type = 0; type <= 4; ++type) {
        const std::string abk = Nmea("$AIABK,211234560,A,12,1," + std::to_string(type));
        AppendTcpInput(abk.data(), abk.size());
        while (ReadTcpInput()) {
        }
    }
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "to MMSI 211234560 unsuccessful");
    EXPECT_EQ(shown[0].caption, "Send AIS message");
    EXPECT_EQ(shown[0].icon, platform::MsgIcon::Exclamation);
}

TEST_F(HandlerTest, AisAlarmTextIsShownReadable)
{
    SensorSetup.aisWarnings = true;
    std::string text;
    int beeps = 0;
    SensorHook.showAisAlarm = [&text](const std::string& t) { text = t; };
    SensorHook.beep = [&beeps](int32_t hertz, int32_t ms) { beeps += hertz == 880 && ms == 50; };
    Feed(0, Nmea("$AIALR,120000.00,7,A,V,AIS: antenna VSWR exceeds limit"));
    EXPECT_EQ(text, "AIS: antenna VSWR exceeds limit");
    EXPECT_EQ(beeps, 1);
    Feed(0, Nmea("$AIALR,120001.00,8,A,V,second"));  // one alarm pending at a time
    EXPECT_EQ(OwnShip.pendingAisAlarm, 7);
    Feed(10, Nmea("$AIALR,120001.00,9,A,V,other"));  // not from COM11
    EXPECT_EQ(beeps, 1);
}

TEST_F(HandlerTest, ReceivedRouteKeepsItsWaypointOrderAndParts)
{
    SensorSetup.acceptRoutes = true;
    std::vector<ReceivedWaypoint> route;
    SensorHook.receivedRoute = [&route](const std::vector<ReceivedWaypoint>& r) { route = r; };
    for (int n = 1; n <= 4; ++n)
        Feed(0, Nmea("$GPWPL,54" + std::to_string(10 + n) + ".000,N,01010.000,E," +
                     std::to_string(n)));
    Feed(0, Nmea("$GPRTE,1,1,c,R1,2,3,1"));
    ASSERT_EQ(route.size(), 3u);
    EXPECT_EQ(route[0].id, 2);
    EXPECT_EQ(route[1].id, 3);
    EXPECT_EQ(route[2].id, 1);
    EXPECT_EQ(route[2].position.y, cmgbase::deg2nrm(54.0 + 11.0 / 60.0));

    Feed(0, Nmea("$GPRTE,2,1,c,R2,4,3"));
    Feed(0, Nmea("$GPRTE,2,2,c,R2,2,1"));
    ASSERT_EQ(route.size(), 4u);
    EXPECT_EQ(route[3].id, 1);
    Feed(0, Nmea("$GPRTE,3,2,c,R3,4"));  // a later part without its start changes nothing
    EXPECT_EQ(route.size(), 4u);

    route.clear();
    SensorHook.routeEditing = [] { return true; };
    Feed(0, Nmea("$GPRTE,1,1,c,R1,2,3,1"));
    EXPECT_TRUE(route.empty());
}

// The route table takes the output lock, so the route work of a chunk waits until the parser has
// released it; the hooks read while a sentence is handled run under it.
TEST_F(HandlerTest, ReceivedRouteWorkRunsAfterTheChunkWithTheLockReleased)
{
    SensorSetup.acceptRoutes = true;
    std::vector<std::string> calls;
    const auto record = [&calls](const std::string& call) {
        EXPECT_FALSE(ComOutStateLock.heldByThisThread()) << call;
        const std::lock_guard lock(ComOutStateLock);  // as the route table does
        calls.push_back(call);
    };
    SensorHook.storeRouteEntry = [&record](int32_t n, cmgbase::GeoPoint) {
        record("waypoint " + std::to_string(n));
    };
    SensorHook.receivedRoute = [&record](const std::vector<ReceivedWaypoint>& route) {
        record("route of " + std::to_string(route.size()));
    };
    int gateReads = 0;
    SensorHook.routeEditing = [&gateReads] {
        EXPECT_TRUE(ComOutStateLock.heldByThisThread());
        ++gateReads;
        return false;
    };

    Feed(0, Nmea("$GPWPL,5411.000,N,01010.000,E,1") + Nmea("$GPWPL,5412.000,N,01010.000,E,2") +
                Nmea("$GPRTE,2,1,c,R1,2") + Nmea("$GPRTE,2,2,c,R1,1") +
                Nmea("$GPWPL,5413.000,N,01010.000,E,3"));
    EXPECT_EQ(gateReads, 5);
    EXPECT_EQ(calls, (std::vector<std::string>{"waypoint 1", "waypoint 2", "route of 1",
                                               "route of 2", "waypoint 3"}));
    EXPECT_FALSE(ComOutStateLock.heldByThisThread());
}

// Only the letter 'H' of the sentence itself makes the marker bearing relative to the heading;
// an empty or missing rotation field is no letter the radar knows, and is a change of rotation.
TEST_F(HandlerTest, RadarMarkerIsHeadUpOnlyWhenTheSentenceSaysH)
{
    const struct {
        const char* name;
        std::string sentence;
        char rotation;
        float bearing;
        bool changed;
    } cases[] = {
        {"head-up", Nmea("$RARSD,0.0,0.0,1.5,45.0,0.0,0.0,0.0,0.0,2.0,120.0,6.0,N,H"), 'H',
         150.0001f, false},
        {"north-up", Nmea("$RARSD,0.0,0.0,1.5,45.0,0.0,0.0,0.0,0.0,2.0,120.0,6.0,N,N"), 'N',
         120.0f, true},
        {"course-up", Nmea("$RARSD,0.0,0.0,1.5,45.0,0.0,0.0,0.0,0.0,2.0,120.0,6.0,N,C"), 'C',
         120.0f, true},
        {"empty before the checksum",
         Nmea("$RARSD,0.0,0.0,1.5,45.0,0.0,0.0,0.0,0.0,2.0,120.0,6.0,N,"), '*', 120.0f, true},
        {"empty, reading 0", Nmea("$RARSD,0.0,0.0,1.5,45.0,0.0,0.0,0.0,0.0,2.0,120.0,6.0,N,,"),
         '0', 120.0f, true},
        {"empty without checksum",
         "$RARSD,0.0,0.0,1.5,45.0,0.0,0.0,0.0,0.0,2.0,120.0,6.0,N,\r\n", '\0', 120.0f, true},
    };
    for (const auto& c : cases) {
        OwnShip = OwnShipState{};
        OwnShip.radarRangeScale = 6.0f;
        OwnShip.displayCourse = 30.0f;
        Feed(3, c.sentence);
        EXPECT_EQ(OwnShip.radarRotation, c.rotation) << c.name;
        EXPECT_FLOAT_EQ(OwnShip.markerBearing, c.bearing) << c.name;
        EXPECT_EQ(OwnShip.markerRange, 200) << c.name;
        EXPECT_EQ(OwnShip.radarDisplayChanged, c.changed) << c.name;
        EXPECT_FLOAT_EQ(OwnShip.courseUpReference, c.rotation == 'C' ? 30.0f : 0.0f) << c.name;
    }

    // The true-radar setting keeps even a head-up bearing as it is.
    OwnShip = OwnShipState{};
    OwnShip.displayCourse = 30.0f;
    SensorSetup.trueRadar = true;
    Feed(3, cases[0].sentence);
    EXPECT_FLOAT_EQ(OwnShip.markerBearing, 120.0f);
}

TEST_F(HandlerTest, ClockIsSetFromGpsTime)
{
    SetPcClock(2026, 3, 11, 14, 0, 10);  // 10 s ahead of the GPS
    Feed(0, Nmea("$GPRMC,140000,A,5422.2720,N,01010.4040,E,012.0,024.9,110326,,"));
    ASSERT_EQ(clockSettings.size(), 1u);
    std::tm set = ClockFields(clockSettings[0]);
    EXPECT_EQ(set.tm_hour, 14);
    EXPECT_EQ(set.tm_sec, 0);

    clockSettings.clear();
    SetPcClock(2026, 3, 11, 1, 0, 10);  // at 01:00 the hourly check does not run
    Feed(0, Nmea("$GPRMC,010000,A,5422.2720,N,01010.4040,E,012.0,024.9,110326,,"));
    EXPECT_TRUE(clockSettings.empty());

    SetPcClock(2026, 3, 10, 9, 30, 2);  // a day behind, time close: the date is set
    Feed(0, Nmea("$GPRMC,093001,A,5422.2720,N,01010.4040,E,012.0,024.9,110326,,"));
    ASSERT_EQ(clockSettings.size(), 1u);
    set = ClockFields(clockSettings[0]);
    EXPECT_EQ(set.tm_mday, 11);
    EXPECT_EQ(set.tm_hour, 9);
    EXPECT_EQ(set.tm_min, 30);

    clockSettings.clear();
    Feed(0, Nmea("$GPZDA,093005.00,01,02,2040,00,00"));  // after 2037 too
    Feed(0, Nmea("$GPRMC,093005,A,5422.2720,N,01010.4040,E,012.0,024.9,,,"));
    ASSERT_EQ(clockSettings.size(), 1u);
    set = ClockFields(clockSettings[0]);
    EXPECT_EQ(set.tm_year, 140);
    EXPECT_EQ(set.tm_mon, 1);
    EXPECT_EQ(ClockFields(platform::ClockNow()).tm_year, 140);  // the program keeps GPS time
}

}  // namespace
