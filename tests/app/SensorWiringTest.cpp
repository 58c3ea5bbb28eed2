// The sensor side with the hooks the start-up installs, driven through the real 100 ms tick from
// a pseudo-terminal COM port and the TCP text.

#include "SetupTestSupport.h"
#include "sensors/SensorTestSupport.h"

#include "app/EditingState.h"
#include "app/SensorWiring.h"
#include "app/TForm1.h"
#include "app/TickClock.h"
#include "app/TickState.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/SharedLibrary.h"
#include "sensors/ComPortControl.h"
#include "sensors/ReceivedRoute.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorInput.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteTable.h"

#include <QFrame>
#include <QPushButton>
#include <QSpinBox>

#include <cerrno>
#include <functional>
#include <memory>

namespace {

// Five waypoints from a chart plotter, the last one south and west, and the route through them
// in two parts: 3, 1, 2, then 5, 4.
const std::string Waypoints = "$GPWPL,5400.000,N,01000.000,E,1*7A\r\n"
                              "$GPWPL,5430.000,N,01030.000,E,2*79\r\n"
                              "$GPWPL,5500.000,N,01100.000,E,3*78\r\n"
                              "$GPWPL,5530.000,N,01130.000,E,4*7F\r\n"
                              "$GPWPL,3330.000,S,07030.000,W,5*76\r\n";
const std::string Route = "$GPRTE,2,1,c,R1,3,1,2*4B\r\n"
                          "$GPRTE,2,2,c,R1,5,4*55\r\n";

cmgbase::GeoPoint At(double latitude, double longitude)
{
    return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
}

// By waypoint number.
const cmgbase::GeoPoint Sent[] = {{},           At(54.0, 10.0), At(54.5, 10.5),
                                  At(55.0, 11.0), At(55.5, 11.5), At(-33.5, -70.5)};

cmgbase::GeoPoint EntryPosition(int index)
{
    return RouteTable[size_t(index)].position;
}

class SensorWiringTest : public SetupTest {
protected:
    void SetUp() override
    {
        SetupTest::SetUp();
        ResetSensorSide();
        ResetTickState();
        ResetEditingState();
        ResetRouteState();
        platform::InstallMachineClockSetter([](platform::ClockTime) { return EPERM; });
        platform::InstallClockReporter([](const std::string&) {});
        SetTickClock([] { return platform::ClockTime(std::chrono::seconds(1796860800)); });
        form = std::make_unique<TForm1>();
        Form1 = form.get();
        AppRunning = true;
        StartupDone = true;
        SetupParameters.AlarmPort = NoAlarmPort;
        WireSensors(*form);
        WireRouteHooks();
        // A GPS date must never reach the machine clock of the test machine.
        platform::AllowMachineClockSetting(false);
    }
    void TearDown() override
    {
        Form1 = nullptr;
        form.reset();
        CloseComPorts();
        for (int port = 0; port < SerialPortCount; ++port)
            platform::SetSerialDevicePath(port, "");
        UnbindExternalLibraries();
        ResetSensorSide();
        RouteHook = RouteHooks{};
        ResetRouteState();
        ResetEditingState();
        ResetTickState();
        SetTickClock({});
        platform::ResetClockCorrection();
        platform::InstallClockReporter({});
        platform::InstallMachineClockSetter(nullptr);
        SetupTest::TearDown();
    }

    static void ResetRouteState()
    {
        ClearRouteTable();
        RouteId = 0;
        RouteEditMode = 0;
        OwnPositionInserted = 0;
        ReceivedRoutes = ReceivedRouteState{};
    }

    static void AcceptRoutes(bool on)
    {
        SetupParameters.AutomaticRte = on ? 1 : 0;
        RefreshSensorSettings();
    }

    // Opens COM port `port` on a new pseudo-terminal.
    std::unique_ptr<PseudoTerminal> openPort(int port)
    {
        auto terminal = std::make_unique<PseudoTerminal>();
        platform::SetSerialDevicePath(port, terminal->path());
        EXPECT_TRUE(OpenComPort(port));
        return terminal;
    }

    // Text on COM port `port` through `terminal`, or on the TCP connection without one, then one
    // 100 ms tick, which has to return.
    void receive(PseudoTerminal* terminal, int port, const std::string& text)
    {
        if (terminal) {
            terminal->send(text);
            ASSERT_TRUE(PseudoTerminal::waitFor(ComPorts[size_t(port)], int(text.size())));
        } else {
            AppendTcpInput(text.data(), text.size());
        }
        form->Timer1Timer();
    }

    std::unique_ptr<TForm1> form;
};

}  // namespace

TEST_F(SensorWiringTest, AReceivedRouteFillsTheRouteTableFromAComPortAndFromTcp)
{
    constexpr int Com3 = 2;
    for (const bool tcp : {false, true}) {
        SCOPED_TRACE(tcp ? "TCP" : "COM3");
        ResetRouteState();
        const std::unique_ptr<PseudoTerminal> terminal = tcp ? nullptr : openPort(Com3);
        const int port = tcp ? TcpPort : Com3;

        AcceptRoutes(false);
        receive(terminal.get(), port, Waypoints + Route);
        EXPECT_EQ(WaypointCount, 0);
        EXPECT_EQ(EntryPosition(1), cmgbase::GeoPoint{});
        EXPECT_EQ(RouteId, 0);

        AcceptRoutes(true);
        receive(terminal.get(), port, Waypoints);
        for (int n = 1; n <= 5; ++n)
            EXPECT_EQ(EntryPosition(n), Sent[n]) << "waypoint " << n;

        receive(terminal.get(), port, Route);
        ASSERT_EQ(WaypointCount, 5);
        const int order[] = {3, 1, 2, 5, 4};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(EntryPosition(i), Sent[order[i]]) << "entry " << i;
        EXPECT_EQ(EntryPosition(5), cmgbase::GeoPoint{});
        EXPECT_EQ(RouteId, RouteNotStored);
        EXPECT_EQ(RouteFromOutside, 1);
        CloseComPorts();
    }
}

// The hooks not shown by the route above; the dead-reckoning panel, the cursor point setter and
// the redraw request are shown by the tick tests.
TEST_F(SensorWiringTest, EveryOtherHookOfTheStartUpReachesTheWindowOrTheSensorFeedLibrary)
{
    const std::filesystem::path libraries = std::filesystem::path(OUTSIDE_LIBRARIES_DIR) / "complete";
    ASSERT_TRUE(BindExternalLibraries(libraries));
    platform::SharedLibrary feed;
    ASSERT_TRUE(feed.load(libraries, "Brolund.DLL"));
    const auto recordsFed = feed.entry<int32_t (*)()>("test_received");
    ASSERT_NE(recordsFed, nullptr);
    const int32_t fedBefore = recordsFed();

    const struct {
        const char* hook;
        std::function<void()> prepare;
        std::string sentences;
        std::function<void()> check;
    } cases[] = {
        {"putSensorRecord", [] {},
         "$GPRMC,120015,A,5400.000,N,01000.000,E,5.0,90.0,,,*26\r\n"
         "$GPRMC,120016,A,5400.000,N,01000.010,E,5.0,90.0,,,*24\r\n",
         [&] { EXPECT_EQ(recordsFed(), fedBefore + 1) << "the first fix is only remembered"; }},
        {"showDeadReckoningCourse", [] {}, "$IIHDT,123.4,T*26\r\n",
         [this] { EXPECT_EQ(form->csDRcrs->value(), 123); }},
        {"showDeadReckoningSpeed", [] {}, "$VWVBW,5.2,0.1,A,5.3,0.0,A*42\r\n",
         [this] { EXPECT_EQ(form->csDRspd->value(), 5); }},
        {"replayPlaying",
         [this] {
             form->btnReplay->setCheckable(true);
             form->btnReplay->setChecked(true);
         },
         "$IIHDT,200.0,T*20\r\n",
         [this] {
             EXPECT_FLOAT_EQ(OwnShip.heading, 123.4f);
             EXPECT_EQ(form->csDRcrs->value(), 123);
             form->btnReplay->setChecked(false);
         }},
        {"beep",
         [] {
             SetupParameters.AisWarnings = 1;
             RefreshSensorSettings();
         },
         "$AIALR,120000.00,7,A,V,AIS: antenna VSWR exceeds limit*74\r\n",
         [] { EXPECT_EQ(OwnShip.pendingAisAlarm, 7); }},
        {"routeEditing",
         [] {
             AcceptRoutes(true);
             RouteEditMode = RouteDrawing;
         },
         Waypoints + Route,
         [] {
             EXPECT_EQ(WaypointCount, 0);
             EXPECT_EQ(EntryPosition(1), cmgbase::GeoPoint{});
             EXPECT_EQ(RouteFromOutside, 0);
             RouteEditMode = 0;
         }},
    };
    const auto com1 = openPort(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hook);
        c.prepare();
        receive(com1.get(), 0, c.sentences);
        c.check();
    }

    form->cursorChartPoint = At(54.0, 10.0);
    EXPECT_EQ(HookedCursorChartPoint(), At(54.0, 10.0)) << "RouteHook.cursorChartPoint";
}
