// The output thread itself: started and stopped once, at the lowest priority, woken by its
// signal; a GPS on a COM port makes that port transmit; the main thread's writes of everything
// the thread reads, and its closing of the ports, while the thread writes (the test that the
// ThreadSanitizer build runs to find data races).

#include "sensors/OutputTestSupport.h"

#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/ComOutThread.h"
#include "sensors/ComPortControl.h"
#include "sensors/NmeaOutput.h"
#include "sensors/OutputSentences.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorSettings.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteTable.h"

#include <atomic>
#include <cstdio>
#include <functional>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

class ComOutThreadTest : public OutputTest {};

TEST_F(ComOutThreadTest, StartsOnceAtTheLowestPriorityAndStopsOnce)
{
    SignalComOutThread();  // none runs: nothing happens
    EXPECT_FALSE(ComOutThreadAtLowestPriority());
    EXPECT_TRUE(StartComOutThread());
    EXPECT_FALSE(StartComOutThread()) << "a second start finds it running";
    EXPECT_TRUE(ComOutThreadAtLowestPriority());
    EXPECT_TRUE(StopComOutThread());
    EXPECT_FALSE(StopComOutThread()) << "a second stop finds none";
    EXPECT_TRUE(StartComOutThread()) << "and it can be started again";
    EXPECT_TRUE(StopComOutThread());
}

// The far end of COM1 holds a GPS: its fixes choose COM1 as the GPS port, so COM1 transmits,
// and every signal of the tick sends it RMC of the fix.
TEST_F(ComOutThreadTest, AGpsOnCom1MakesCom1TransmitWhateverItsSatelliteSystem)
{
    SetupParameters.OutputSentences = OutputRmc;
    ASSERT_TRUE(StartComOutThread());
    for (const char* talker : {"GP", "GN", "GL", "GA", "BD"}) {
        SCOPED_TRACE(talker);
        {
            const std::lock_guard lock(ComOutStateLock);
            OwnShip = OwnShipState{};
        }
        const std::string rmc = std::string("$") + talker + "RMC,";
        const std::string fixes = Nmea(rmc + "081835,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W") +
                                  Nmea(rmc + "081836,A,4807.040,N,01131.002,E,022.4,084.4,230394,003.1,W");
        com[0].send(fixes);
        ASSERT_TRUE(PseudoTerminal::waitFor(ComPorts[0], int(fixes.size())));
        ReadComPort(0);
        ASSERT_EQ(OwnShip.gpsPort, 0);
        EXPECT_EQ(OwnShip.transmitFlags[0], 1);

        SignalComOutThread();
        const std::string received = ReadLines(com[0], 1);
        const std::vector<Pynmea2Sentence> parsed = ParseWithPynmea2(received);
        ASSERT_EQ(parsed.size(), 1u) << received;
        EXPECT_EQ(parsed[0].error, "");
        EXPECT_EQ(parsed[0].type, "RMC");
        EXPECT_EQ(parsed[0].data, Fields("$GPRMC,081836,A,4807.040,N,01131.002,E,22.4,84.4,230394,0.0,W"));
        ASSERT_TRUE(parsed[0].latitude.has_value());
        EXPECT_NEAR(*parsed[0].latitude, OwnShip.gpsLatitude, 0.0005 / 60);  // half the last digit
        EXPECT_NEAR(*parsed[0].longitude, OwnShip.gpsLongitude, 0.0005 / 60);
        EXPECT_EQ(ReadFor(com[1], 1ms), "") << "COM2 has no GPS and does not transmit";
    }
}

// What the far end of one port received, read on a thread of its own.
class FarEnd {
public:
    explicit FarEnd(const PseudoTerminal& terminal) : master_(terminal.master()) {}

    void start()
    {
        reader_ = std::thread([this] {
            while (!stop_) {
                pollfd ready{master_, POLLIN, 0};
                if (poll(&ready, 1, 5) <= 0)
                    continue;
                char buffer[4096];
                const ssize_t n = (ready.revents & POLLIN) ? read(master_, buffer, sizeof buffer) : -1;
                if (n > 0) {
                    const std::lock_guard lock(textLock_);
                    text_.append(buffer, size_t(n));
                }
                else
                    std::this_thread::sleep_for(1ms);  // the port is closed for now
            }
        });
    }
    // Waits until the far end has read `text`; false when it has not within `limit`.
    bool waitFor(const std::string& text, std::chrono::milliseconds limit)
    {
        for (const auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
            {
                const std::lock_guard lock(textLock_);
                if (text_.find(text) != std::string::npos)
                    return true;
            }
            std::this_thread::sleep_for(5ms);
        }
        return false;
    }
    const std::string& stop()
    {
        stop_ = true;
        reader_.join();
        return text_;
    }

private:
    int master_;
    std::atomic<bool> stop_{false};
    std::mutex textLock_;
    std::string text_;
    std::thread reader_;
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end + 2 - start));
        start = end + 2;
    }
    return lines;
}

bool ChecksumPasses(const std::string& line)
{
    const size_t star = line.find('*');
    if (line.size() < 6 || (line[0] != '$' && line[0] != '!') || star == std::string::npos || star + 5 != line.size())
        return false;
    return Nmea(line.substr(0, star)) == line;
}

// The main thread writes the own ship (through the parser, as the readers do), the route and
// route following's values, the settings the thread reads and one-off texts, and closes and
// reopens the ports, while the thread sends. Each kind of write runs in a burst of its own, so
// that between the thread's reading and the writes no other lock is taken than the writes' own
// (the signal orders only what the thread does after its wait), and a write made without the
// lock shows as a data race in the ThreadSanitizer build. Every
// sentence that arrives whole comes from one consistent state: the fix's latitude and longitude
// minutes are equal in each RMC, and every RTE lists the waypoints its block sent. Only the
// closes may cut a line.
TEST_F(ComOutThreadTest, TheMainThreadChangesEverythingTheThreadReadsWhileItWrites)
{
    SetupParameters.OutputSentences = OutputRmc | OutputRmb | OutputApb | OutputWaypoints;
    std::array<FarEnd, 3> farEnds{FarEnd(com[0]), FarEnd(com[1]), FarEnd(com[2])};
    for (FarEnd& end : farEnds)
        end.start();
    ASSERT_TRUE(StartComOutThread());

    int step = 0;
    const auto fix = [&step] {
        char minutes[16];
        std::snprintf(minutes, sizeof minutes, "%02d.%03d", step % 60, step % 1000);
        Feed(0, Nmea(std::string("$GPGLL,54") + minutes + ",N,010" + minutes + ",E,1200" +
                     std::to_string(10 + step % 50) + ",A"));
    };
    const auto route = [&step] {
        ClearRouteTable();
        FillRoute(3 + step % 20);
        if (step % 2)
            InsertOwnPosition(cmgbase::GeoPoint{cmgbase::deg2nrm(9.9), cmgbase::deg2nrm(53.9)});
        const std::lock_guard lock(ComOutStateLock);
        CurrentWaypoint = step % 5;
        NewWaypoint = 1;
        RouteStartRequest = 0;
        SetupParameters.OutputSentences |= OutputWaypoints;
    };
    const auto received = [&step] {
        const std::vector<cmgbase::GeoPoint> waypoints(size_t(2 + step % 5), cmgbase::GeoPoint{0, 0});
        TakeReceivedRoute(waypoints);
        RemoveOwnPosition();
    };
    const auto following = [&step] {
        const std::lock_guard lock(ComOutStateLock);
        CrossTrackError = (step % 3) - 1.0;
        BearingToSteer = float(step % 360);
        DistanceToGo = float(step) / 10.0f;
        NearNextLeg = uint8_t(step % 2);
        PastAbeam = uint8_t(step % 3 == 0);
        RouteStopRequest = uint8_t(step % 17 == 0);
        RouteStartRequest = uint8_t(step % 19 == 0);
        RouteId = step % 13 ? 7 : 0;
    };
    const auto settings = [&step] {
        const std::lock_guard lock(ComOutStateLock);
        SensorSetup.magneticVariation = int16_t(step % 100 - 50);
        SensorSetup.autoGyro = step % 4 == 0;
        SetupParameters.OutputSentences = OutputRmc | OutputRmb | OutputApb | (step % 2 ? OutputWaypoints : 0);
        OwnShip.aisReplyPort = step % 3;
        OwnShip.transmitFlags[1] = OwnShip.transmitFlags[2] = 1;
    };
    const auto oneOff = [&step] { SendOneOffText(Nmea("$AIACK," + std::to_string(step))); };
    const auto replay = [&step] { SetOutputMutedByReplay(step % 3 == 0); };
    const std::function<void()> bursts[] = {fix, route, fix, received, following, settings, oneOff, replay};

    constexpr int Passes = 4;
    for (int pass = 0; pass < Passes; ++pass) {
        for (const std::function<void()>& burst : bursts) {
            const auto end = std::chrono::steady_clock::now() + 40ms;
            while (std::chrono::steady_clock::now() < end) {
                ++step;
                burst();
                SignalComOutThread();
            }
        }
        SetOutputMutedByReplay(false);
        CloseComPorts();
        for (int port = 0; port < int(com.size()); ++port)
            ASSERT_TRUE(OpenComPort(port));
        const std::lock_guard lock(ComOutStateLock);
        OwnShip.transmitFlags[0] = 1;
    }
    // However the bursts were scheduled, a fix and a route followed at the end reach the far end
    // in whole, so the checks below always have a position and a route to look at.
    do
        ++step;
    while (step % 13 == 0 || step % 17 == 0 || step % 19 == 0);
    following();
    route();
    fix();
    SignalComOutThread();
    EXPECT_TRUE(farEnds[0].waitFor("$GPRTE,1,1,w,Rt", 30s));
    EXPECT_TRUE(farEnds[0].waitFor("$GPRMC", 30s));
    ASSERT_TRUE(StopComOutThread());

    int rmcs = 0, routes = 0, broken = 0;
    for (FarEnd& end : farEnds) {
        std::vector<std::string> block;  // the WPL since the last RTE
        for (const std::string& line : Lines(end.stop())) {
            if (!ChecksumPasses(line)) {
                ++broken;
                block.clear();
                continue;
            }
            const std::vector<std::string> fields = Fields(line.substr(0, line.find('*')));
            if (line.rfind("$GPRMC", 0) == 0) {
                ++rmcs;
                EXPECT_EQ(fields[2].substr(2), fields[4].substr(3)) << line;
            } else if (line.rfind("$GPWPL", 0) == 0) {
                block.push_back(fields[4]);
            } else if (line.rfind("$GPRTE", 0) == 0 && fields[3] == "Rt") {
                ++routes;
                EXPECT_EQ(std::vector<std::string>(fields.begin() + 4, fields.end()), block) << line;
                block.clear();
            }
        }
    }
    EXPECT_GT(rmcs, 0);
    EXPECT_GT(routes, 0);
    EXPECT_LE(broken, Passes * int(com.size()));
}

}  // namespace
