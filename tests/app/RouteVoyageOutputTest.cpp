// A recorded voyage along a route off Annapolis (tests/fixtures/nmea/route-voyage.*, made by
// make-route-voyage.py there) fed to the started program through the GPS's pseudo-terminal: the
// route is started through the request, every fix runs the 100 ms tick, and the RMB and APB that
// the output thread sends back on that port carry the cross-track error and its side, the
// destination, the bearing and distance and the arrival tests that the script computed with
// GeographicLib, and switch waypoint where route following does.

#include "StartedProgram.h"

#include "app/TForm1.h"
#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/SystemClock.h"
#include "sensors/ComOutThread.h"
#include "sensors/OutputTestSupport.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorSettings.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteTable.h"
#include "userdata/WheelOverPoint.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

const std::string Fixtures = VARNIK_FIXTURES_DIR "/nmea/";
constexpr int FixStep = 4;  // every fourth second of the voyage is fed

struct Expected {
    int waypoint = 0;  // route index steered to
    std::optional<double> crossTrack;
    std::optional<double> bearing;
    double distance = 0;
    bool near = false;
    bool abeam = false;
    bool switched = false;
};

std::vector<Expected> ReadExpected()
{
    std::vector<Expected> rows;
    std::ifstream file(Fixtures + "route-voyage.expected");
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream in(line);
        int second = 0, near = 0, abeam = 0, turning = 0, switched = 0;
        std::string crossTrack, bearing;
        Expected row;
        in >> second >> row.waypoint >> crossTrack >> bearing >> row.distance >> near >> abeam >> turning >> switched;
        if (crossTrack != "-")
            row.crossTrack = std::stod(crossTrack);
        if (bearing != "-")
            row.bearing = std::stod(bearing);
        row.near = near;
        row.abeam = abeam;
        row.switched = switched;
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> ReadFixes()
{
    std::vector<std::string> fixes;
    std::ifstream file(Fixtures + "route-voyage.nmea", std::ios::binary);
    for (std::string line; std::getline(file, line);)
        if (line.rfind("$GPRMC", 0) == 0)
            fixes.push_back(line + "\n");  // the CR is still there
    return fixes;
}

// The route of route-voyage.json in the table, as a route of our own not stored.
void LayRoute()
{
    QFile file(QString::fromStdString(Fixtures + "route-voyage.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonArray waypoints = QJsonDocument::fromJson(file.readAll()).object()["waypoints"].toArray();
    ASSERT_EQ(waypoints.size(), 5);
    for (const auto& value : waypoints) {
        const QJsonObject point = value.toObject();
        WP_typ entry;
        entry.position = cmgbase::GeoPoint{cmgbase::deg2nrm(point["longitude"].toDouble()),
                                           cmgbase::deg2nrm(point["latitude"].toDouble())};
        entry.setName(point["name"].toString().toStdString());
        ASSERT_TRUE(AppendRouteEntry(entry));
    }
    ComputeRouteLegs();
    const std::lock_guard lock(ComOutStateLock);
    RouteId = RouteNotStored;
    RouteEditMode = RouteShown;
    NextStopWaypoint = -1;
    RouteStartRequest = 1;
}

// The last RMB and the APB sent after it in `text` (each empty until both have come).
struct Guidance {
    std::vector<std::string> rmb;
    std::vector<std::string> apb;
};
Guidance LastGuidance(const std::string& text)
{
    Guidance guidance;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const size_t star = line.find('*');
        const std::string body = line.substr(0, star);
        if (body.rfind("$GPRMB,", 0) == 0) {
            guidance.rmb = Fields(body);
            guidance.apb.clear();
        } else if (body.rfind("$GPAPB,", 0) == 0 && !guidance.rmb.empty()) {
            guidance.apb = Fields(body);
        }
    }
    if (guidance.apb.empty())
        guidance.rmb.clear();
    return guidance;
}

// Reads `terminal` until an RMB and APB pair carries this evaluation's distance and bearing
// (a cycle that ran before the evaluation carries the last one); the text read.
std::string ReadGuidanceOf(const PseudoTerminal& terminal, float distanceToGo, float bearingToSteer)
{
    char range[32], bearing[32];
    std::snprintf(range, sizeof range, "%.2f", double(std::max(distanceToGo, 0.0f)));  // RMB gives no negative range
    std::snprintf(bearing, sizeof bearing, "%.1f", double(bearingToSteer));
    std::string text;
    for (int pieces = 0; pieces < 20; ++pieces) {
        text += ReadLines(terminal, 1, 2s);
        const Guidance guidance = LastGuidance(text);
        if (guidance.rmb.size() > 10 && guidance.rmb[9] == range && guidance.rmb[10] == bearing)
            break;
    }
    return text;
}

double BearingApart(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

class RouteVoyageOutputTest : public Com2ProgramTest {
protected:
    void SetUp() override
    {
        Com2ProgramTest::SetUp();
        // The voyage's GPS time must not reach the machine's clock.
        platform::InstallMachineClockSetter([](platform::ClockTime) { return EPERM; });
        platform::InstallClockReporter([](const std::string&) {});
        // COM2 holds the GPS and so transmits; it sends APB and RMB.
        startWithCom2("[PortActive]\n2=1\n[PortXmit]\nXmit=3\n");
    }

    void TearDown() override
    {
        Com2ProgramTest::TearDown();
        platform::InstallMachineClockSetter(nullptr);
        platform::InstallClockReporter(nullptr);
        platform::ResetClockCorrection();
    }
};

TEST_F(RouteVoyageOutputTest, RmbAndApbFollowTheRecordedVoyage)
{
    const std::vector<Expected> expected = ReadExpected();
    const std::vector<std::string> fixes = ReadFixes();
    ASSERT_EQ(expected.size(), fixes.size());
    ASSERT_GT(fixes.size(), 2000u);

    // The script's assumptions: an arrival radius of 0.1 nm, no turn arcs, true bearings.
    SetupParameters.WaypointRadius = 10;
    SetupParameters.RouteLegs = 0;
    SetupParameters.AlarmWp = SetupParameters.AlarmXte = 0;
    LeaveWheelOverPoint(false, {});
    {
        const std::lock_guard lock(ComOutStateLock);
        SensorSetup.autoGyro = true;
    }

    // The route starts once a fix has given the own position.
    std::map<int, int> firstFedWith;  // waypoint index -> fed second where RMB first names it
    for (size_t second = 0; second < fixes.size(); second += FixStep) {
        SCOPED_TRACE(second);
        gps.send(fixes[second]);
        ASSERT_TRUE(PseudoTerminal::waitFor(ComPorts[1], int(fixes[second].size())));
        form->Timer1Timer();
        if (second == 0) {
            LayRoute();
            continue;
        }
        // The tick wakes the output thread before it evaluates the fix; a second signal makes a
        // cycle run after the evaluation, whose pair is awaited.
        SignalComOutThread();
        const std::string text = ReadGuidanceOf(gps, DistanceToGo, BearingToSteer);
        const Guidance out = LastGuidance(text);
        if (second == 900) {  // off the second leg: the form as an independent parser reads it
            for (const Pynmea2Sentence& parsed : ParseWithPynmea2(text))
                EXPECT_EQ(parsed.error, "") << text;
        }
        ASSERT_EQ(out.rmb.size(), 13u);
        ASSERT_EQ(out.apb.size(), 14u);
        const int destination = std::stoi(out.rmb[4]);
        EXPECT_EQ(destination, CurrentWaypoint + 1) << "RMB names the waypoint route following steers to";
        EXPECT_EQ(std::stoi(out.rmb[3]), destination - 1);
        EXPECT_EQ(std::stoi(out.apb[9]), destination);
        if (!firstFedWith.count(destination - 1))
            firstFedWith[destination - 1] = int(second);
        if (second < 3 * FixStep)
            continue;  // the start: the first evaluation comes after the redraw it asks for

        // Away from a switch the values are the script's.
        const Expected& e = expected[second];
        const bool nearSwitch = [&] {
            for (int d = -FixStep; d <= FixStep; ++d) {
                const int s = int(second) + d;
                if (s >= 0 && size_t(s) < expected.size() &&
                    (expected[size_t(s)].switched || (s > 0 && expected[size_t(s)].waypoint != expected[size_t(s) - 1].waypoint)))
                    return true;
            }
            return false;
        }();
        if (nearSwitch || !e.crossTrack)
            continue;
        EXPECT_EQ(destination, e.waypoint + 1);
        const double crossTrack = std::stod(out.rmb[1]);
        EXPECT_NEAR(crossTrack, std::fabs(*e.crossTrack), 0.006);
        EXPECT_EQ(std::stod(out.apb[2]), crossTrack);
        if (std::fabs(*e.crossTrack) > 0.006) {
            const char* side = *e.crossTrack > 0 ? "R" : "L";  // positive: left of the leg, steer right
            EXPECT_EQ(out.rmb[2], side);
            EXPECT_EQ(out.apb[3], side);
        }
        EXPECT_NEAR(std::stod(out.rmb[9]), std::max(e.distance, 0.0), 0.02);  // no negative range inside the arrival radius
        // 0.3 degrees, or near the waypoint what puts its line 0.003 nm aside.
        const double bearingTolerance = std::max(0.3, 0.003 / (e.distance + 0.1) * 180.0 / M_PI);
        EXPECT_LT(BearingApart(std::stod(out.rmb[10]), *e.bearing), bearingTolerance);
        EXPECT_LT(BearingApart(std::stod(out.apb[10]), *e.bearing), bearingTolerance);
        EXPECT_EQ(out.apb[11], "T");
        EXPECT_EQ(out.rmb[12], e.near || e.abeam ? "A" : "V");
        EXPECT_EQ(out.apb[5], e.near ? "A" : "V");
        EXPECT_EQ(out.apb[6], e.abeam ? "A" : "V");
    }

    // Each switch at the first fed fix at or past the second where the script's geometry first
    // holds, give or take one fed fix.
    for (int waypoint = 2; waypoint <= 4; ++waypoint) {
        SCOPED_TRACE(waypoint);
        int expectedSecond = -1;
        for (size_t s = 0; s < expected.size() && expectedSecond < 0; ++s)
            if (expected[s].waypoint == waypoint)
                expectedSecond = int(s);
        ASSERT_GT(expectedSecond, 0);
        const int fed = (expectedSecond + FixStep - 1) / FixStep * FixStep;
        ASSERT_TRUE(firstFedWith.count(waypoint));
        EXPECT_NEAR(firstFedWith[waypoint], fed, FixStep);
    }
    EXPECT_EQ(CurrentWaypoint, 4);
    EXPECT_EQ(RouteEnded, 1) << "the voyage ends past the last waypoint";
}

}  // namespace
