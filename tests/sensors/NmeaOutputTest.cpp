// The output cycle on real pseudo-terminals: what each COM port receives for a given state,
// byte for byte, and as pynmea2, an independent parser, reads it (fields and checksum).

#include "sensors/OutputTestSupport.h"

#include "frame/RhumbLine.h"
#include "frame/SetupParameters.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/SystemClock.h"
#include "sensors/ComPortControl.h"
#include "sensors/NmeaOutput.h"
#include "sensors/OutputSentences.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorSettings.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteTable.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <numbers>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Following the route of FillRoute(14) on leg 3 (to waypoint 4, at 54°18' N 10°18' E), with RMC,
// RMB and APB on.
void FollowingLeg3()
{
    FillRoute(14);
    CurrentWaypoint = 3;
    CrossTrackError = 0.123;
    DistanceToGo = 1.23f;
    BearingToSteer = 45.6f;
    SetupParameters.OutputSentences = OutputRmc | OutputRmb | OutputApb;
}

std::string Rmc(const std::string& middle = "A,5422.275,N,01010.404,E,12.0,24.9",
                const std::string& end = "230525,0.0,W")
{
    return "$GPRMC,123456," + middle + "," + end;
}

const std::string Rmb3 = "$GPRMB,A,0.123,R,3,4,5418.000,N,01018.000,E,1.23,45.6,12.0,V";
const std::string Apb3 = "$GPAPB,A,A,0.123,R,N,V,V,012.0,M,4,045.6,M,,";

// The cross-track error of an own ship at `latitude`, `longitude` on the leg from entry 2 to entry
// 3 of FillRoute, as route following computes it: sin(B - leg bearing) x D, B and D to entry 3.
double CrossTrackAt(double latitude, double longitude)
{
    const auto at = [](double lat, double lon) { return cmgbase::GeoPoint{cmgbase::deg2nrm(lon), cmgbase::deg2nrm(lat)}; };
    double legDistance = 0, legBearing = 0, distance = 0, bearing = 0;
    RhumbLineInverse(legDistance, legBearing, at(54.3, 10.3), at(54.2, 10.2));
    RhumbLineInverse(distance, bearing, at(54.3, 10.3), at(latitude, longitude));
    return std::sin((bearing - legBearing) * std::numbers::pi / 180.0) * distance;
}

std::string CrossTrackText(double xte)
{
    char text[32];
    std::snprintf(text, sizeof text, "%5.3f,%s", std::fabs(xte), xte < 0 ? "L" : "R");
    return text;
}

int LineCount(const std::string& text)
{
    return int(std::count(text.begin(), text.end(), '\n'));
}

struct OutputCase {
    const char* name;
    std::function<void()> state;
    std::vector<std::string> com1;  // sentence bodies, in order
    std::function<void()> after = [] {};
};

std::vector<OutputCase> Cases()
{
    return {
        {"RMC of the committed fix", [] {}, {Rmc()}},
        {"at 2.9 kn RMC carries the display course", [] { OwnShip.speedOverGround = 2.9f; },
         {Rmc("A,5422.275,N,01010.404,E,2.9,25.0")}},
        {"at 3.0 kn RMC carries the course over ground", [] { OwnShip.speedOverGround = 3.0f; },
         {Rmc("A,5422.275,N,01010.404,E,3.0,24.9")}},
        {"a variation setting of -25 is 2.5 E", [] { SensorSetup.magneticVariation = -25; },
         {Rmc("A,5422.275,N,01010.404,E,12.0,24.9", "230525,2.5,E")}},
        {"a variation setting of 31 is 3.1 W", [] { SensorSetup.magneticVariation = 31; },
         {Rmc("A,5422.275,N,01010.404,E,12.0,24.9", "230525,3.1,W")}},
        {"no fix quality: status V", [] { OwnShip.gpsQuality = 0; },
         {Rmc("V,5422.275,N,01010.404,E,12.0,24.9")}},
        {"minutes that round to 60 carry into the degree, south and west too",
         [] {
             OwnShip.latitudeMinutes = 59.99996f;
             OwnShip.latitudeHemisphere = 'S';
             OwnShip.longitudeDegrees = 179;
             OwnShip.longitudeMinutes = 59.9996f;
             OwnShip.longitudeHemisphere = 'W';
         },
         {Rmc("A,5500.000,S,18000.000,W,12.0,24.9")}},
        {"minutes just below the carry stay", [] { OwnShip.latitudeMinutes = 59.9994f; },
         {Rmc("A,5459.999,N,01010.404,E,12.0,24.9")}},
        {"a ZDA date with its four-digit year, December as month 12",
         [] {
             OwnShip.gpsDay = 31;
             OwnShip.gpsMonth = 12;
             OwnShip.gpsYear = 2025;
         },
         {Rmc("A,5422.275,N,01010.404,E,12.0,24.9", "311225,0.0,W")}},
        {"no GPS date: the UTC date of the PC clock, whatever the local date",
         [] {
             OwnShip.gpsDay = OwnShip.gpsMonth = OwnShip.gpsYear = 0;
             // 31 December 2025, 23:00 UTC; a day later already in the local time of UTC+14.
             platform::SetClock(std::chrono::system_clock::from_time_t(1767222000));
             setenv("TZ", "Etc/GMT-14", 1);
             tzset();
         },
         {Rmc("A,5422.275,N,01010.404,E,12.0,24.9", "311225,0.0,W")},
         [] {
             unsetenv("TZ");
             tzset();
             platform::ResetClockCorrection();
         }},

        {"leg 3: RMB then APB with origin 3, destination 4 and the position of entry 3", FollowingLeg3,
         {Rmc(), Rmb3, Apb3}},
        {"right of the leg the autopilot is told to steer left",
         [] {
             FollowingLeg3();
             CrossTrackError = -0.5;
         },
         {Rmc(), "$GPRMB,A,0.500,L,3,4,5418.000,N,01018.000,E,1.23,45.6,12.0,V",
          "$GPAPB,A,A,0.500,L,N,V,V,012.0,M,4,045.6,M,,"}},
        {"an own ship west of a north-east leg (left of it) steers right",
         [] {
             FollowingLeg3();
             CrossTrackError = CrossTrackAt(54.25, 10.2);
         },
         {Rmc(), "$GPRMB,A," + CrossTrackText(CrossTrackAt(54.25, 10.2)) + ",3,4,5418.000,N,01018.000,E,1.23,45.6,12.0,V",
          "$GPAPB,A,A," + CrossTrackText(CrossTrackAt(54.25, 10.2)) + ",N,V,V,012.0,M,4,045.6,M,,"},
         [] { EXPECT_GT(CrossTrackAt(54.25, 10.2), 0.01); }},
        {"arrival circle entered", [] {
             FollowingLeg3();
             NearNextLeg = 1;
         },
         {Rmc(), "$GPRMB,A,0.123,R,3,4,5418.000,N,01018.000,E,1.23,45.6,12.0,A",
          "$GPAPB,A,A,0.123,R,N,A,V,012.0,M,4,045.6,M,,"}},
        {"perpendicular passed", [] {
             FollowingLeg3();
             PastAbeam = 1;
         },
         {Rmc(), "$GPRMB,A,0.123,R,3,4,5418.000,N,01018.000,E,1.23,45.6,12.0,A",
          "$GPAPB,A,A,0.123,R,N,V,A,012.0,M,4,045.6,M,,"}},
        {"magnetic bearings take the variation",
         [] {
             FollowingLeg3();
             SetupParameters.OutputSentences = OutputApb;
             SensorSetup.magneticVariation = 30;
         },
         {"$GPAPB,A,A,0.123,R,N,V,V,015.0,M,4,048.6,M,,"}},
        {"true bearings for an autopilot on the gyro do not",
         [] {
             FollowingLeg3();
             SetupParameters.OutputSentences = OutputApb;
             SensorSetup.magneticVariation = 30;
             SensorSetup.autoGyro = true;
         },
         {"$GPAPB,A,A,0.123,R,N,V,V,012.0,T,4,045.6,T,,"}},
        {"leg 0: no cross-track error, origin 0, the origin bearing is the bearing to the waypoint",
         [] {
             FollowingLeg3();
             CurrentWaypoint = 0;
         },
         {Rmc(), "$GPRMB,A,0.00,R,0,1,5400.000,N,01000.000,E,1.23,45.6,12.0,V",
          "$GPAPB,A,A,0.00,R,N,V,V,045.6,M,1,045.6,M,,"}},
        {"with the own position inserted the waypoints keep their numbers",
         [] {
             FollowingLeg3();
             OwnPositionInserted = 1;
         },
         {Rmc(), "$GPRMB,A,0.123,R,2,3,5418.000,N,01018.000,E,1.23,45.6,12.0,V",
          "$GPAPB,A,A,0.123,R,N,V,V,045.6,M,3,045.6,M,,"}},
        {"a received RTE route produces no RMB or APB", [] {
             FollowingLeg3();
             RouteFromOutside = 1;
         },
         {Rmc()}},
        {"no route sentences while the route's start is pending",
         [] {
             FollowingLeg3();
             NewWaypoint = 1;
             RouteStartRequest = 1;
         },
         {Rmc()}, [] { EXPECT_EQ(NewWaypoint, 1) << "the request waits for the start"; }},
        {"within the arrival radius the range is 0, not negative",
         [] {
             FollowingLeg3();
             DistanceToGo = -0.004f;
         },
         {Rmc(), "$GPRMB,A,0.123,R,3,4,5418.000,N,01018.000,E,0.00,45.6,12.0,V", Apb3}},
        {"a route chosen but not yet started sends no RMB or APB",
         [] {
             FollowingLeg3();
             CurrentWaypoint = 0;
             RouteEditMode = 0;
         },
         {Rmc()}},
        {"a leg beyond the route's last entry sends no RMB or APB",
         [] {
             FollowingLeg3();
             CurrentWaypoint = 14;
         },
         {Rmc()}},

        {"WPL and RTE on request: ten entries from the leg's origin",
         [] {
             FillRoute(14);
             CurrentWaypoint = 3;
             NewWaypoint = 1;
             SetupParameters.OutputSentences = OutputWaypoints;
         },
         {"$GPWPL,5412.000,N,01012.000,E,3", "$GPWPL,5418.000,N,01018.000,E,4",
          "$GPWPL,5424.000,N,01024.000,E,5", "$GPWPL,5430.000,N,01030.000,E,6",
          "$GPWPL,5436.000,N,01036.000,E,7", "$GPWPL,5442.000,N,01042.000,E,8",
          "$GPWPL,5448.000,N,01048.000,E,9", "$GPWPL,5454.000,N,01054.000,E,10",
          "$GPWPL,5500.000,N,01100.000,E,11", "$GPWPL,5506.000,N,01106.000,E,12",
          "$GPRTE,1,1,w,Rt,3,4,5,6,7,8,9,10,11,12"},
         [] { EXPECT_EQ(NewWaypoint, 0); }},
        {"WPL at leg 0: the own position as waypoint 0",
         [] {
             FillRoute(2);
             CurrentWaypoint = 0;
             NewWaypoint = 1;
             SetupParameters.OutputSentences = OutputWaypoints;
         },
         {"$GPWPL,5422.275,N,01010.404,E,0", "$GPWPL,5400.000,N,01000.000,E,1",
          "$GPWPL,5406.000,N,01006.000,E,2", "$GPRTE,1,1,w,Rt,0,1,2"}},
        {"WPL near the route's end: the entries that are left",
         [] {
             FillRoute(14);
             CurrentWaypoint = 13;
             OwnPositionInserted = 1;
             NewWaypoint = 1;
             SetupParameters.OutputSentences = OutputWaypoints;
         },
         {"$GPWPL,5512.000,N,01112.000,E,12", "$GPWPL,5518.000,N,01118.000,E,13",
          "$GPRTE,1,1,w,Rt,12,13"}},
        {"a request with no route sends the route-end RTE",
         [] {
             NewWaypoint = 1;
             SetupParameters.OutputSentences = OutputWaypoints;
         },
         {"$GPRTE,1,1,w,,"}, [] { EXPECT_EQ(NewWaypoint, 0); }},
        {"a request is answered even with WPL and RTE off", [] {
             FillRoute(3);
             NewWaypoint = 1;
         },
         {Rmc()}, [] { EXPECT_EQ(NewWaypoint, 0); }},
        {"the end of route following sends the route-end RTE once",
         [] {
             RouteStopRequest = 1;
             NewWaypoint = 1;
             SetupParameters.OutputSentences = OutputWaypoints;
         },
         {"$GPRTE,1,1,w,,"}, [] { EXPECT_EQ(RouteStopRequest, 0); }},
        {"the end of one route, then the next route",
         [] {
             FillRoute(2);
             CurrentWaypoint = 1;
             RouteStopRequest = 1;
             NewWaypoint = 1;
             SetupParameters.OutputSentences = OutputWaypoints;
         },
         {"$GPRTE,1,1,w,,", "$GPWPL,5400.000,N,01000.000,E,1", "$GPWPL,5406.000,N,01006.000,E,2",
          "$GPRTE,1,1,w,Rt,1,2"}},
        {"the replay button mutes the output and what waits keeps waiting",
         [] {
             FollowingLeg3();
             NewWaypoint = 1;
             OutputMutedByReplay = true;
         },
         {}, [] { EXPECT_EQ(NewWaypoint, 1); }},
    };
}

class NmeaOutputTest : public OutputTest {};

TEST_F(NmeaOutputTest, EachStateGivesItsSentencesWholeAndParseable)
{
    for (const OutputCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        ResetOutputSide();
        FixState();
        c.state();
        NmeaOutputBatch batch;
        SendNmeaOutput(batch);
        c.after();

        std::string expected;
        for (const std::string& body : c.com1)
            expected += Nmea(body);
        const std::string received =
            c.com1.empty() ? ReadFor(com[0], 50ms) : ReadLines(com[0], int(c.com1.size()));
        EXPECT_EQ(received, expected);
        EXPECT_EQ(ReadFor(com[1], 1ms), "") << "COM2 does not transmit";

        const std::vector<Pynmea2Sentence> parsed = ParseWithPynmea2(received);
        ASSERT_EQ(parsed.size(), c.com1.size());
        for (size_t i = 0; i < parsed.size(); ++i) {
            SCOPED_TRACE(c.com1[i]);
            EXPECT_EQ(parsed[i].error, "");
            EXPECT_EQ(parsed[i].talker, "GP");
            EXPECT_EQ(parsed[i].type, c.com1[i].substr(3, 3));
            EXPECT_EQ(parsed[i].data, Fields(c.com1[i]));
        }
    }
}

TEST_F(NmeaOutputTest, OneOffTextsGoToTheAisReplyPortAheadOfItsSentences)
{
    const std::string acknowledgement = Nmea("$AIACK,7");
    const std::string message = Nmea("!AIBBM,1,1,0,2,14,>5?,2");
    std::vector<std::string> tcp;
    const struct {
        const char* name;
        int32_t replyPort;
        std::string com1;
        std::string com3;
        std::vector<std::string> tcp;
    } cases[] = {
        {"a COM port that does not transmit gets the texts alone", 2, Nmea(Rmc()),
         acknowledgement + message, {}},
        {"a transmitting COM port gets them before its sentences", 0,
         acknowledgement + message + Nmea(Rmc()), "", {}},
        {"TCP: they are handed over to the connection's owner", TcpPort, Nmea(Rmc()), "", {acknowledgement + message}},
        {"no AIS reply port: they are dropped", -1, Nmea(Rmc()), "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetOutputSide();
        FixState();
        ComOutHook.tcpTextWaiting = [&tcp] { tcp.push_back(TakeTcpText()); };
        tcp.clear();
        OwnShip.aisReplyPort = c.replyPort;
        ASSERT_TRUE(SendOneOffText(acknowledgement));
        ASSERT_TRUE(SendOneOffText(message));
        NmeaOutputBatch batch;
        SendNmeaOutput(batch);
        EXPECT_FALSE(OneOffPending);
        EXPECT_EQ(OneOffText, "");
        EXPECT_EQ(ReadLines(com[0], LineCount(c.com1)), c.com1);
        EXPECT_EQ(c.com3.empty() ? ReadFor(com[2], 20ms) : ReadLines(com[2], 2), c.com3);
        EXPECT_EQ(tcp, c.tcp);

        // Sent once: the next cycle has the sentences only.
        SendNmeaOutput(batch);
        EXPECT_EQ(ReadLines(com[0], 1), Nmea(Rmc()));
        EXPECT_EQ(ReadFor(com[2], 20ms), "");
    }

    // No one owns a connection: the texts for it are dropped, not kept.
    ComOutHook = {};
    OwnShip.aisReplyPort = TcpPort;
    ASSERT_TRUE(SendOneOffText(acknowledgement));
    NmeaOutputBatch batch;
    SendNmeaOutput(batch);
    EXPECT_EQ(TakeTcpText(), "");
}

// A cycle woken for a one-off text alone sends that text and no stale position; the route
// requests wait for the next fix's cycle.
TEST_F(NmeaOutputTest, AOneOffCycleSendsTheTextAloneAndLeavesTheRouteRequests)
{
    FixState();
    OwnShip.aisReplyPort = 0;
    NewWaypoint = 1;
    const std::string acknowledgement = Nmea("$AIACK,7");
    ASSERT_TRUE(SendOneOffText(acknowledgement));
    NmeaOutputBatch batch;
    SendNmeaOutput(batch, false);
    EXPECT_EQ(ReadLines(com[0], 1), acknowledgement);
    EXPECT_EQ(ReadFor(com[0], 20ms), "");
    EXPECT_EQ(NewWaypoint, 1);

    SendNmeaOutput(batch, true);
    EXPECT_EQ(ReadLines(com[0], 1), Nmea(Rmc()));
}

TEST_F(NmeaOutputTest, OneOffTextBeyondTheLimitIsRefusedNotCut)
{
    EXPECT_TRUE(SendOneOffText(std::string(OneOffLimit - 10, 'x')));
    EXPECT_FALSE(SendOneOffText(std::string(11, 'y')));
    EXPECT_EQ(OneOffText, std::string(OneOffLimit - 10, 'x'));
    EXPECT_TRUE(SendOneOffText(std::string(10, 'y')));
}

// A port that has not taken a text in time is no silent loss: its line errors say so.
TEST_F(NmeaOutputTest, ALineThatTakesNothingIsReportedAsATransmitFailure)
{
    FixState();
    // Filled until the line has taken nothing for 50 ms.
    const std::string filler(1024, 'x');
    for (int idle = 0; idle < 5;) {
        if (ComPorts[0].write(filler.data(), int(filler.size())) > 0) {
            idle = 0;
        } else {
            ++idle;
            std::this_thread::sleep_for(10ms);
        }
    }
    EXPECT_FALSE(WriteComPort(0, Nmea(Rmc()))) << "no one reads the far end";
    EXPECT_NE(ComPorts[0].clearErrors().errors & platform::LineErrorTxFull, 0u);

    ReadFor(com[0], 20ms);
    EXPECT_TRUE(WriteComPort(0, Nmea(Rmc())));
    EXPECT_EQ(ComPorts[0].clearErrors().errors & platform::LineErrorTxFull, 0u);
}

}  // namespace
