// The one-second and 100 ms ticks of the main window, driven by a test clock and fed through
// real pseudo-terminals and the TCP input.

#include "SetupTestSupport.h"
#include "platform/chartengine/ChartTestSupport.h"

#include "app/EditingState.h"
#include "app/RouteBar.h"
#include "app/SensorWiring.h"
#include "app/TForm1.h"
#include "app/TfrmSplash.h"
#include "app/TickClock.h"
#include "app/TickState.h"
#include "app/TideButton.h"
#include "chart/MapManager.h"
#include "chart/TTideWin.h"
#include "frame/DepthExportFile.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "frame/ShipGeometry.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "platform/system/SoundPlayer.h"
#include "sensors/ComPortControl.h"
#include "sensors/GpsFix.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorInput.h"
#include "sensors/SentenceParser.h"
#include "sensors/TSetupSensor.h"
#include "sensors/TargetTable.h"
#include "sensors/SensorSettings.h"
#include "userdata/AnchorGuard.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// "$GPGGA,..." with its checksum and line end.
std::string Nmea(const std::string& body)
{
    uint8_t sum = 0;
    for (char c : body.substr(1))
        sum ^= uint8_t(c);
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X\r\n", sum);
    return body + tail;
}

std::string Gga(int quality, const char* latitude = "5400.000", const char* longitude = "01000.000")
{
    return Nmea(std::string("$GPGGA,120015,") + latitude + ",N," + longitude + ",E," + std::to_string(quality) +
                ",08,1.0,10.0,M,40.0,M,,");
}

std::string Vtg(double knots, double course)
{
    char body[64];
    std::snprintf(body, sizeof body, "$GPVTG,%.1f,T,,M,%.1f,N,%.1f,K", course, knots, knots * 1.852);
    return Nmea(body);
}

// A fix as a receiver sends it every second: course and speed, then the position. The sensor side
// commits the third of a new source (the first two set the source up).
std::string Fix(int quality, const char* latitude = "5400.000")
{
    return Vtg(0.0, 90.0) + Gga(quality, latitude);
}

std::string Rmc(double knots, double course, const char* longitude = "01000.000")
{
    char body[96];
    std::snprintf(body, sizeof body, "$GPRMC,120015,A,5400.000,N,%s,E,%.1f,%.1f,101226,,", longitude, knots,
                  course);
    return Nmea(body);
}

// A pseudo-terminal: the program opens its slave as a COM port, the test writes to the master as
// the instrument would.
class PseudoTerminal {
public:
    PseudoTerminal()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
            throw std::runtime_error("no pseudo-terminal");
        path_ = ptsname(master_);
    }
    ~PseudoTerminal() { close(master_); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& path() const { return path_; }

    // Writes text and waits until the port has it waiting.
    void send(int port, const std::string& text) const
    {
        ASSERT_EQ(write(master_, text.data(), text.size()), ssize_t(text.size()));
        const auto deadline = std::chrono::steady_clock::now() + 2s;
        while (ComPorts[size_t(port)].clearErrors().waiting < int(text.size()) &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(200us);
    }

private:
    int master_ = -1;
    std::string path_;
};

class TickTest : public SetupTest {
protected:
    void SetUp() override
    {
        SetupTest::SetUp();
        previousTz_ = std::getenv("TZ") ? std::getenv("TZ") : "";
        setenv("TZ", "UTC", 1);
        tzset();
        ResetTickState();
        ResetEditingState();
        SensorSetup = SensorSettings{};
        SetupParameters.DepthFactor = 1.0f;
        SetupParameters.Length = 100;
        SetupParameters.Beam = 10;
        SetupParameters.GpsBow = 20;
        SetupParameters.GpsStbd = 5;
        SetupParameters.ConningBow = 10;
        SetupParameters.DepthBow = 50;
        SetupParameters.RadarBow = 20;
        SetupParameters.RadarStbd = 5;
        ComputeShipGeometry();
        // A GPS date must never reach the machine clock of the test machine.
        platform::AllowMachineClockSetting(false);
        platform::InstallMachineClockSetter([](platform::ClockTime) { return EPERM; });
        platform::InstallClockReporter([](const std::string&) {});
        SetTickClock([this] { return now; });
        platform::SetSoundFileSink([this](const QString& file) { sounds.push_back(file); });
        form = std::make_unique<TForm1>();
        AppRunning = true;
        StartupDone = true;
    }
    void TearDown() override
    {
        form.reset();
        ClearRouteTable();
        RouteId = 0;
        RouteEditMode = 0;
        CurrentWaypoint = 0;
        OwnPositionInserted = 0;
        RouteStartRequest = 0;
        CloseComPorts();
        for (int port = 0; port < SerialPortCount; ++port)
            platform::SetSerialDevicePath(port, "");
        while (ReadTcpInput()) {
        }
        ComPortError = false;
        PortInputBuffers = {};
        ResetGpsDate();
        platform::ResetClockCorrection();
        platform::InstallClockReporter({});
        platform::InstallMachineClockSetter(nullptr);
        SensorHook = SensorHooks{};
        SetTickClock({});
        platform::SetSoundFileSink({});
        ResetTickState();
        if (previousTz_.empty())
            unsetenv("TZ");
        else
            setenv("TZ", previousTz_.c_str(), 1);
        tzset();
        SetupTest::TearDown();
    }

    // Opens COM port `port` on a new pseudo-terminal.
    std::unique_ptr<PseudoTerminal> openPort(int port)
    {
        auto terminal = std::make_unique<PseudoTerminal>();
        platform::SetSerialDevicePath(port, terminal->path());
        EXPECT_TRUE(OpenComPort(port));
        return terminal;
    }

    // The GPS on COM1, whose three fixes make the position known, and the alarm relay on COM2.
    std::unique_ptr<PseudoTerminal> gpsWithAlarmRelay()
    {
        auto gps = openPort(0);
        alarmRelay_ = openPort(1);
        SensorSetup.alarmPort = 1;
        for (int i = 0; i < 3; ++i) {
            gps->send(0, Fix(1));
            second();
        }
        return gps;
    }

    // One second: the one-second tick, then ten 100 ms ticks.
    void second()
    {
        form->Timer2Timer();
        for (int i = 0; i < 10; ++i) {
            now += 100ms;
            form->Timer1Timer();
        }
    }

    static platform::ClockTime At(int hour, int minute, int second)
    {
        // 10 December 2026, UTC.
        return platform::ClockTime(std::chrono::seconds(1796860800 + hour * 3600 + minute * 60 + second));
    }

    platform::ClockTime now = At(12, 0, 0);
    std::unique_ptr<TForm1> form;
    QStringList sounds;  // the sound files played

private:
    std::string previousTz_;
    std::unique_ptr<PseudoTerminal> alarmRelay_;
};

double MetresBetween(const cmgbase::GeoPoint& from, const cmgbase::GeoPoint& to, double& bearingDegrees)
{
    double distance = 0.0;
    double bearing = 0.0;
    EXPECT_EQ(cmgbase::InvPosComputation(from, to, &distance, &bearing, 0), cmgbase::kGeoOk);
    bearingDegrees = std::fmod(bearing * 180.0 / M_PI + 360.0, 360.0);
    return distance * 1852.0;
}

}  // namespace

TEST_F(TickTest, AFixFromAPortMovesTheShipAndPlacesItsConningTransducerAndRadar)
{
    const auto gps = openPort(0);
    gps->send(0, Gga(1) + Rmc(0.0, 90.0) + Gga(1) + Rmc(0.0, 90.0));
    form->Timer1Timer();

    EXPECT_TRUE(OwnShip.positionKnown);
    EXPECT_DOUBLE_EQ(OwnShip.gpsLatitude, 54.0);
    EXPECT_DOUBLE_EQ(OwnShip.gpsLongitude, 10.0);
    EXPECT_EQ(form->txLat->text(), QString::fromUtf8(" 54\u00B0 00.000' N"));
    EXPECT_EQ(form->txLon->text(), QString::fromUtf8(" 10\u00B0 00.000' E"));
    EXPECT_EQ(form->txSOG->text(), "0.0");
    // Not under way: the antenna is on the GPS position.
    EXPECT_EQ(OwnShip.antennaPosition.x, cmgbase::deg2nrm(10.0));
    EXPECT_EQ(OwnShip.antennaPosition.y, cmgbase::deg2nrm(54.0));
    // Heading east, the conning position 10 m ahead of the antenna, the transducer 30 m astern,
    // the radar antenna on it.
    double bearing = 0.0;
    EXPECT_NEAR(MetresBetween(OwnShip.antennaPosition, OwnShip.referencePosition, bearing), 10.0, 0.1);
    EXPECT_NEAR(bearing, 90.0, 0.5);
    EXPECT_NEAR(MetresBetween(OwnShip.antennaPosition, OwnShip.transducerPosition, bearing), 30.0, 0.1);
    EXPECT_NEAR(bearing, 270.0, 0.5);
    EXPECT_EQ(OwnShip.radarAntennaPosition.x, OwnShip.antennaPosition.x);

    // Under way the antenna is placed half a second of travel ahead of the fix.
    gps->send(0, Rmc(10.0, 90.0, "01000.100"));
    form->Timer1Timer();
    const cmgbase::GeoPoint fix{cmgbase::deg2nrm(OwnShip.gpsLongitude), cmgbase::deg2nrm(OwnShip.gpsLatitude)};
    EXPECT_NEAR(MetresBetween(fix, OwnShip.antennaPosition, bearing), 10.0 * 1852.0 * 0.5 / 3600.0, 0.1);
    EXPECT_NEAR(bearing, 90.0, 0.5);
}

// The anchor guard 0.6' north of the ship's fixes with a radius of `miles`.
void GuardAnchorNorthOfTheShip(float miles)
{
    IdRecord zone;
    zone.objectType = ObjectType::ZONE;
    zone.id = 10007;
    zone.latitude = 54 * 600000 + 6000;
    zone.longitude = 10 * 600000;
    SetAnchorGuard(zone, miles);
}

// The anchor watch keeps the own ship inside the zone that the information dialog made the
// anchor guard: beyond its radius the anchor alarm closes the relay; back inside it ends.
TEST_F(TickTest, BeyondTheAnchorGuardsRadiusTheAnchorAlarmIsRaisedAndInsideItEnds)
{
    const auto gps = gpsWithAlarmRelay();
    ASSERT_TRUE(OwnShip.positionKnown);
    GuardAnchorNorthOfTheShip(0.5f);
    gps->send(0, Fix(1));
    second();
    EXPECT_EQ(OwnShip.alarmKind, AlarmNotClearable);
    EXPECT_TRUE(OwnShip.alarmActive);
    EXPECT_TRUE(AlarmRelayClosed());

    GuardAnchorNorthOfTheShip(1.0f);
    gps->send(0, Fix(1));
    second();
    EXPECT_EQ(OwnShip.alarmKind, AlarmNone);
    EXPECT_FALSE(OwnShip.alarmActive);
    ClearAnchorGuard();
}

// A route whose first leg runs due north 0.5 nm east of the ship (the lane 0.1 nm either side),
// started through the request as the route bar leaves it.
void StartRouteBesideTheShip()
{
    auto ahead = [](const cmgbase::GeoPoint& from, double bearing, double miles) {
        cmgbase::GeoPoint to;
        cmgbase::DirPosComputation(from, &to, cmgbase::deg2rad(bearing), miles, 0);
        return to;
    };
    const cmgbase::GeoPoint abeam = ahead(OwnShip.referencePosition, 90, 0.5);
    const cmgbase::GeoPoint first = ahead(abeam, 180, 3);
    const cmgbase::GeoPoint second = ahead(abeam, 0, 3);
    for (const cmgbase::GeoPoint& point : {first, second, ahead(second, 90, 3)}) {
        WP_typ entry;
        entry.position = point;
        ASSERT_TRUE(AppendRouteEntry(entry));
    }
    ComputeRouteLegs();
    RouteId = 41;
    RouteEditMode = RouteShown;
    NextStopWaypoint = -1;
    RouteStartRequest = 1;
}

// A route released before its start's hold has run out leaves no hold behind: the anchor alarm
// that follows closes the relay.
TEST_F(TickTest, ARouteReleasedAtOnceHoldsNoLaterAlarmBack)
{
    const auto gps = gpsWithAlarmRelay();
    ASSERT_TRUE(OwnShip.positionKnown);
    StartRouteBesideTheShip();
    gps->send(0, Fix(1));
    second();
    ASSERT_EQ(RouteStartRequest, 0);
    ASSERT_GT(AlarmHold, 0);
    ReleaseRoute(*form);

    GuardAnchorNorthOfTheShip(0.5f);
    gps->send(0, Fix(1));
    second();
    EXPECT_EQ(OwnShip.alarmKind, AlarmNotClearable);
    EXPECT_TRUE(AlarmRelayClosed());
    ClearAnchorGuard();
}

// Releasing the route ends the route's own alarms only: an anchor alarm sounding meanwhile keeps
// sounding with its relay closed.
TEST_F(TickTest, ReleasingARouteLeavesTheAnchorAlarmSounding)
{
    const auto gps = gpsWithAlarmRelay();
    ASSERT_TRUE(OwnShip.positionKnown);
    GuardAnchorNorthOfTheShip(0.5f);
    gps->send(0, Fix(1));
    second();
    ASSERT_EQ(OwnShip.alarmKind, AlarmNotClearable);
    RouteId = 41;
    RouteEditMode = RouteShown;
    Alarm.routeDeviation = true;

    ReleaseRoute(*form);
    EXPECT_FALSE(Alarm.routeDeviation);
    EXPECT_TRUE(OwnShip.alarmActive);
    EXPECT_EQ(OwnShip.alarmKind, AlarmNotClearable);
    EXPECT_TRUE(AlarmRelayClosed());
    ClearAnchorGuard();
}

TEST_F(TickTest, TheTrackAlarmIsShownOutsideTheLaneAndClearingItLeavesAnotherAlarmAsItWas)
{
    const auto gps = gpsWithAlarmRelay();
    ASSERT_TRUE(OwnShip.positionKnown);
    SetupParameters.AlarmXte = 1;
    SetupParameters.AlarmWp = 1;
    SetupParameters.WaypointRadius = 10;
    SetupParameters.DefaultLane = 10;
    auto tick = [&] {
        gps->send(0, Fix(1));
        second();
    };

    // Alone: raised already acknowledged (shown, the relay open, not sounded), then undone
    // entirely.
    StartRouteBesideTheShip();
    tick();  // started; evaluated with each fix from the next on
    tick();
    EXPECT_EQ(RouteStartRequest, 0);
    EXPECT_EQ(CurrentWaypoint, 1);
    EXPECT_NEAR(CrossTrackError, 0.5, 0.01) << "left of the track: steer right";
    EXPECT_TRUE(Alarm.routeDeviation);
    EXPECT_TRUE(OwnShip.alarmActive);
    EXPECT_TRUE(Alarm.acknowledged);
    EXPECT_FALSE(AlarmRelayClosed());
    EXPECT_FALSE(Alarm.newWaypoint) << "no waypoint alarm in the first evaluations";
    // The route panel shows the evaluation.
    EXPECT_FALSE(form->WpPanel->isHidden());
    EXPECT_EQ(form->txXTE->text(), "0.50");
    EXPECT_EQ(form->boxCTS->title(), "Next WOP: 2 ");
    EXPECT_EQ(form->boxETA->title(), "To wp 3 (end)  Plan.");
    SetupParameters.DefaultLane = 60;
    tick();
    EXPECT_FALSE(Alarm.routeDeviation);
    EXPECT_FALSE(OwnShip.alarmActive);
    EXPECT_FALSE(Alarm.acknowledged);

    // Over another raised and acknowledged alarm: clearing the track alarm leaves it raised,
    // acknowledged and its relay closed.
    OwnShip.alarmActive = true;
    Alarm.acknowledged = true;
    SetAlarmRelay(true);
    SetupParameters.DefaultLane = 10;
    tick();
    EXPECT_TRUE(Alarm.routeDeviation);
    SetupParameters.DefaultLane = 60;
    tick();
    EXPECT_FALSE(Alarm.routeDeviation);
    EXPECT_TRUE(OwnShip.alarmActive);
    EXPECT_TRUE(Alarm.acknowledged);
    EXPECT_TRUE(AlarmRelayClosed());
    EXPECT_TRUE(sounds.isEmpty()) << "an acknowledged alarm is shown, not sounded";
}

// Language files hold Windows-1252 bytes; 0xE9 is an e with an acute accent.
TEST_F(TickTest, ALanguageSwitchShowsThePointerHintAndTheCaptionsOfTheNewLanguage)
{
    writeFile("english.lng", "[Notice]\r\n19=Chart\r\n20=: ready\r\n[Labels]\r\n10=Hints\r\n");
    writeFile("francais.lng",
              "[Notice]\r\n19=Carte\r\n20=: pr\xEAte\r\n[Labels]\r\n10=Bulles d'aide \xE9tendues\r\n");
    form->cmbLanguage->addItems({"english", "francais"});
    form->cmbLanguage->setCurrentIndex(0);
    form->cmbLanguageChange();
    form->Timer1Timer();
    ASSERT_EQ(form->Notice->text(), " Chart: ready");

    form->cmbLanguage->setCurrentIndex(1);
    form->cmbLanguageChange();
    form->Timer1Timer();

    EXPECT_EQ(form->Notice->text(), QString::fromUtf8(" Carte: pr\u00EAte"));
    EXPECT_EQ(form->ckHints->text(), QString::fromUtf8("Bulles d'aide \u00E9tendues"));
}

TEST_F(TickTest, SixSecondsWithoutAFixAreAllowedTheSeventhRaisesNoGpsAndClosesTheRelay)
{
    SetupParameters.AlarmGps = 1;
    const auto gps = gpsWithAlarmRelay();
    ASSERT_TRUE(OwnShip.positionKnown);
    for (int i = 0; i < 6; ++i)
        second();
    EXPECT_EQ(OwnShip.alarmKind, AlarmNone);
    EXPECT_FALSE(AlarmRelayClosed());

    second();
    EXPECT_EQ(OwnShip.alarmKind, AlarmNoGps);
    EXPECT_TRUE(OwnShip.alarmActive);
    EXPECT_TRUE(AlarmRelayClosed());
    EXPECT_EQ(OwnShip.gpsQuality, 0);
    EXPECT_EQ(OwnShip.gpsPort, -1);
    EXPECT_FALSE(form->pnDR->isHidden());
    EXPECT_EQ(form->txLat->text(), "---    ");
    EXPECT_EQ(form->txSats->text(), "missing");
    EXPECT_EQ(form->Notice->text(), " No GPS");
    const QString alarmSound = QString::fromStdString((ProgramFolder / "alarm.wav").string());
    EXPECT_EQ(sounds, QStringList{alarmSound}) << "sounded once as the alarm text is shown";

    // The alarm stays while the ship is dead-reckoned; a fix ends it and opens the relay.
    second();
    EXPECT_EQ(OwnShip.alarmKind, AlarmNoGps);
    form->pnDR->hide();
    for (int i = 0; i < 3; ++i) {
        gps->send(0, Fix(1));
        second();
    }
    EXPECT_EQ(OwnShip.alarmKind, AlarmNone);
    EXPECT_FALSE(AlarmRelayClosed());
}

TEST_F(TickTest, TheHourlyStepRunsOnceAtMinuteZeroAlsoWhenTheProgramStartsInIt)
{
    struct Case {
        const char* what;
        std::vector<platform::ClockTime> ticks;
        int saves;
    };
    const auto run = [](platform::ClockTime from, int seconds) {
        std::vector<platform::ClockTime> ticks;
        for (int i = 0; i < seconds; ++i)
            ticks.push_back(from + std::chrono::seconds(i));
        return ticks;
    };
    const auto join = [](std::vector<platform::ClockTime> a, const std::vector<platform::ClockTime>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::vector<Case> cases{
        {"through minute 0", run(At(9, 59, 30), 120), 1},
        {"started in minute 0", run(At(10, 0, 20), 60), 1},
        {"two hours", join(run(At(9, 59, 50), 20), run(At(10, 59, 50), 20)), 2},
        {"clock set back into the hour done", join(run(At(10, 0, 0), 30), run(At(9, 59, 50), 30)), 1},
        {"across midnight", run(At(23, 59, 58), 4), 1},
    };
    const QString tideShown = form->txTide->text();
    const QString tidePort = form->btn3DTide->text();
    for (const Case& c : cases) {
        ResetTickState();
        int saves = 0;
        for (platform::ClockTime tick : c.ticks) {
            now = tick;
            form->Timer2Timer();
            if (std::filesystem::remove(folder / "dta.res"))
                ++saves;
        }
        EXPECT_EQ(saves, c.saves) << c.what;
    }
    // No tide port is known: the tide readout keeps what it showed.
    EXPECT_EQ(form->txTide->text(), tideShown);
    EXPECT_EQ(form->btn3DTide->text(), tidePort);
    EXPECT_DOUBLE_EQ(OwnShip.depthCorrection, 0.0);
}

TEST_F(TickTest, TheHourlyStepShowsTheTideOfTheNearestPortAndItsButtonOpensThePort)
{
    // The height of Annapolis at 10:00 UTC of 10 December 2026 (05:00 EST, sample 10), by the
    // independent predictor of tests/fixtures/tides: 0.1904 m.
    charttest::HarbourEngine harbour;
    MapManager engine(harbour.registry());
    ASSERT_EQ(engine.Init(1), 1);
    ChartEngine = &engine;
    TTideWin tideWindow;
    TideWin = &tideWindow;
    OwnShip.referencePosition = {cmgbase::deg2nrm(-76.46), cmgbase::deg2nrm(38.97)};
    SetupParameters.ThreeDTide = 5;
    HourlyTidePortIndex = -1;
    for (now = At(9, 59, 58); now < At(10, 0, 2); now += 1s)
        form->Timer2Timer();
    EXPECT_EQ(form->txTide->text(), "0.2 mtr.");
    EXPECT_TRUE(form->btn3DTide->text().startsWith("Annapolis (US Naval Academy)"));
    EXPECT_NEAR(OwnShip.depthCorrection, 0.1904 + 0.5, 0.0005);
    ASSERT_GE(HourlyTidePortIndex, 0);

    btn3DTideClick(*form);
    EXPECT_TRUE(tideWindow.isVisible());
    ASSERT_NE(tideWindow.port(), nullptr);
    EXPECT_EQ(QString::fromStdString(tideWindow.port()->PortName()), form->btn3DTide->text());
    tideWindow.hide();
    TideWin = nullptr;
    ChartEngine = nullptr;
    SetupParameters.ThreeDTide = 0;
    OwnShip.depthCorrection = 0.0;
}

// A receiver sending RMC alone leaves the satellites byte at the clock mark (255) after a whole
// hour; the hourly step takes it back, unless the sensor set-up dialog shows the sensor values.
TEST_F(TickTest, TheHourlyStepClearsTheClockMarkUnlessTheSensorSetUpIsShown)
{
    SetupSensor = new TSetupSensor;
    for (const bool setUpShown : {false, true}) {
        SetupSensor->setVisible(setUpShown);
        ResetTickState();
        OwnShip.satellites = 255;
        for (now = At(10, 59, 59); now < At(11, 0, 2); now += 1s)
            form->Timer2Timer();
        EXPECT_EQ(OwnShip.satellites, setUpShown ? 255 : 0) << setUpShown;
    }
    delete SetupSensor;
    SetupSensor = nullptr;
    OwnShip.satellites = 0;
}

TEST_F(TickTest, NoHourlyStepWhileAReplayIsShown)
{
    form->btnReplay->setCheckable(true);
    form->btnReplay->setChecked(true);
    now = At(9, 59, 58);
    for (int i = 0; i < 5; ++i, now += 1s)
        form->Timer2Timer();
    EXPECT_FALSE(std::filesystem::exists(folder / "dta.res"));
    EXPECT_TRUE(form->TimeLabel->text().isEmpty());
}

TEST_F(TickTest, TheClockRecordAndTimeLabelFollowTheTickClockThroughADateChange)
{
    now = At(23, 59, 59);
    form->Timer2Timer();
    EXPECT_EQ(form->TimeLabel->text(), "10.12.26  23:59");
    now += 1s;
    form->Timer2Timer();
    EXPECT_EQ(form->TimeLabel->text(), "11.12.26  00:00");
    EXPECT_EQ(ClockSeconds, 1796860800 + 86400);
    EXPECT_EQ(ClockTime->year, 26);
    EXPECT_EQ(ClockTime->month, 11);
    EXPECT_EQ(ClockTime->dayOfMonth, 11);
}

// A better receiver on COM11, COM12 or the TCP connection takes over as GPS source; the no-fix
// count goes on and no "No GPS" alarm is raised for the switch.
TEST_F(TickTest, ASourceSwitchIsTakenUpFromEveryPortWithoutDisturbingTheNoFixCount)
{
    SetupParameters.AlarmGps = 1;
    for (const int port : {10, 11, TcpPort}) {
        ResetTickState();
        OwnShip = OwnShipState{};
        const auto gps = openPort(0);
        std::unique_ptr<PseudoTerminal> better;
        if (port != TcpPort)
            better = openPort(port);
        const auto sendBetter = [&](const std::string& text) {
            if (better)
                better->send(port, text);
            else
                AppendTcpInput(text.data(), text.size());
        };

        for (int i = 0; i < 3; ++i) {
            gps->send(0, Fix(1));
            second();
        }
        ASSERT_EQ(OwnShip.gpsPort, 0) << port;
        const int32_t count = SecondTick.positionTimeoutCounter;

        sendBetter(Gga(2, "5430.000"));
        second();
        EXPECT_EQ(GpsSwitchRequestPort(OwnShip.positionTimeoutCounter), port);
        second();
        EXPECT_EQ(OwnShip.gpsPort, port);
        EXPECT_EQ(OwnShip.positionTimeoutCounter, 0) << port;
        EXPECT_EQ(SecondTick.positionTimeoutCounter, count + 2) << port;
        EXPECT_EQ(OwnShip.alarmKind, AlarmNone) << port;

        for (int i = 0; i < 3; ++i) {
            sendBetter(Fix(2, "5430.000"));
            second();
        }
        EXPECT_DOUBLE_EQ(OwnShip.gpsLatitude, 54.5) << port;
        EXPECT_EQ(form->txGPS->text(), "DGPS") << port;
        CloseComPorts();
    }
}

TEST_F(TickTest, DeadReckoningRunsAtTheShipsSpeedWhateverTheRateOfRefreshes)
{
    OwnShip.positionKnown = true;
    OwnShip.gpsLatitude = 54.0;
    OwnShip.gpsLongitude = 10.0;
    OwnShip.courseOverGround = 0.0f;
    OwnShip.speedOverGround = 6.0f;
    form->pnDR->show();
    const cmgbase::GeoPoint start{cmgbase::deg2nrm(10.0), cmgbase::deg2nrm(54.0)};
    // A refresh on every 100 ms tick for ten seconds.
    for (int i = 0; i <= 100; ++i) {
        TickRequest.positionRefresh = true;
        form->Timer1Timer();
        now += 100ms;
    }
    double bearing = 0.0;
    const cmgbase::GeoPoint end{cmgbase::deg2nrm(OwnShip.gpsLongitude), cmgbase::deg2nrm(OwnShip.gpsLatitude)};
    EXPECT_NEAR(MetresBetween(start, end, bearing), 6.0 * 1852.0 * 10.0 / 3600.0, 0.5);
}

TEST_F(TickTest, AFixWithoutAUsableLatitudeIsDropped)
{
    for (const double latitude : {90.0, -90.0, std::nan(""), 91.0}) {
        OwnShip.referencePosition = {1, 2};
        OwnShip.gpsLatitude = latitude;
        OwnShip.newFix = true;
        form->Timer1Timer();
        EXPECT_EQ(OwnShip.referencePosition.x, 1) << latitude;
        EXPECT_FALSE(OwnShip.newFix) << latitude;
    }
}

TEST_F(TickTest, TheThreeDCursorWaitsForTheScaleOfAnExport)
{
    ASSERT_TRUE(BindExternalLibraries(std::filesystem::path(OUTSIDE_LIBRARIES_DIR) / "complete"));
    form->chartLevel = 10;
    form->Show3DBtn->setCheckable(true);
    form->Show3DBtn->setChecked(true);
    TickRequest.threeDViewerActive = true;
    ThreeDExportArea.clip = {100, 200, 300, 400};
    ThreeDExchange.cursorX = 1000;
    ThreeDExchange.cursorY = 50;
    OwnShip.gpsLatitude = 54.0;
    for (const float scale : {0.0f, std::numeric_limits<float>::infinity(), std::nanf("")}) {
        ThreeDExportArea.longitudeFactor = scale;
        for (int i = 0; i < 3; ++i) {
            TickRequest.positionRefresh = true;
            form->Timer1Timer();
        }
        EXPECT_FALSE(TickRequest.threeDCursorValid) << scale;
    }
    ThreeDExportArea.longitudeFactor = 2.0f;
    TickRequest.positionRefresh = true;
    form->Timer1Timer();
    EXPECT_TRUE(TickRequest.threeDCursorValid);
    EXPECT_EQ(TickRequest.threeDCursor.x, 600);
    EXPECT_EQ(TickRequest.threeDCursor.y, 250);
    EXPECT_EQ(ExternalEntryTable.tGetStatC() & 1, 0);
    ThreeDExportArea = {};
    UnbindExternalLibraries();
}

TEST_F(TickTest, TheStartUpWiresTheSensorSideToTheSettingsAndTheWindow)
{
    SetupParameters.AlarmPort = 3;
    SetupParameters.MagneticVariation = -25;
    SetupParameters.AutomaticRte = 1;
    SetupParameters.Mmsi = 244123456;
    Form1 = form.get();
    WireSensors(*form);
    platform::AllowMachineClockSetting(false);
    EXPECT_EQ(SensorSetup.alarmPort, 3);
    EXPECT_EQ(SensorSetup.magneticVariation, -25);
    EXPECT_TRUE(SensorSetup.acceptRoutes);
    EXPECT_EQ(SensorSetup.ownMmsi, 244123456u);  // its own AIS reports are no target

    // A fix takes the dead-reckoning panel away.
    form->pnDR->show();
    const auto gps = openPort(0);
    gps->send(0, Gga(1) + Rmc(5.0, 90.0) + Gga(1) + Rmc(5.0, 90.0));
    form->Timer1Timer();
    EXPECT_TRUE(form->pnDR->isHidden());

    WireRouteHooks();
    RouteHook.setCursorChartPoint({7, 8});
    EXPECT_EQ(form->cursorChartPoint.x, 7);
    RouteHook.requestRedraw();
    EXPECT_TRUE(form->chartRedrawRequest);
    RouteHook = RouteHooks{};
    Form1 = nullptr;
}

TEST_F(TickTest, AnUnreportedTargetIsLostThenRemovedButNotWhileAReplayIsHeld)
{
    TargetRecord& target = TargetTable[5];
    target.id = 211000001;
    target.kind = 4;
    target.status = 'T';
    target.speed = 12.0f;
    target.lostCount = 119;
    form->Timer2Timer();
    EXPECT_EQ(target.status, 'T');
    form->Timer2Timer();
    EXPECT_EQ(target.status, 'L');

    form->btnReplay->setCheckable(true);
    form->btnReplay->setChecked(true);
    form->Timer2Timer();
    EXPECT_EQ(target.lostCount, 0);
    form->btnReplay->setChecked(false);

    target.lostCount = 180;
    form->Timer2Timer();
    EXPECT_EQ(target.id, -1);
}

TEST_F(TickTest, EveryTargetUpdatedInATickGetsItsTrackSampleAndAFullTrackDropsItsOldest)
{
    ResetTargetTable();
    second();  // the clock record
    OwnShip.positionKnown = true;
    TargetRecord& full = TargetTable[0];
    ClaimTarget(0, 1, TargetArpa);
    full.count = TargetRecord::TrackPoints;
    for (int slot = 0; slot < TargetRecord::TrackPoints; ++slot) {
        full.track[slot][0] = slot;
        full.timeHistory[slot] = uint32_t(ClockSeconds - 3600 + slot);
    }

    // Three radar targets in one read: the one with a full track and two new ones.
    const auto radar = openPort(0);
    radar->send(0, Nmea("$RATTM,01,1.5,45.0,T,10.0,90.0,T,0.5,10.0,N,,T") +
                       Nmea("$RATTM,02,2.5,45.0,T,10.0,90.0,T,0.5,10.0,N,,T") +
                       Nmea("$RATTM,03,3.5,45.0,T,10.0,90.0,T,0.5,10.0,N,,T"));
    form->Timer1Timer();

    EXPECT_EQ(int{full.count}, TargetRecord::TrackPoints);
    EXPECT_EQ(int32_t{full.track[0][0]}, 1);  // the oldest point went
    EXPECT_EQ(int32_t{full.track[TargetRecord::TrackPoints - 1][0]}, int32_t{full.positionX});
    EXPECT_EQ(uint32_t{full.timeHistory[TargetRecord::TrackPoints - 1]}, uint32_t(ClockSeconds));
    for (int index : {1, 2}) {
        EXPECT_EQ(int{TargetTable[size_t(index)].count}, 1) << index;
        EXPECT_EQ(int32_t{TargetTable[size_t(index)].track[0][0]}, int32_t{TargetTable[size_t(index)].positionX});
    }
    EXPECT_TRUE(TakeUpdatedTargets().empty());
    ResetTargetTable();
}

TEST_F(TickTest, TheMainWindowTakesTheSplashSizeAndTheFirstTickAfterTheStartUpMaximisesIt)
{
    form.reset();
    frmSplash = new TfrmSplash;
    frmSplash->show();
    form = std::make_unique<TForm1>();
    form->show();
    EXPECT_EQ(form->size(), frmSplash->size());
    EXPECT_FALSE(form->isMaximized());

    StartupDone = true;  // the start-up branch has run
    form->Timer2Timer();
    EXPECT_TRUE(form->isMaximized());
    // The panels are brought in front of the chart, the tool bar last.
    const QObjectList& stack = form->children();
    EXPECT_LT(stack.indexOf(form->MainPanel), stack.indexOf(form->ToolBar1));
    EXPECT_GT(stack.indexOf(form->MainPanel), stack.indexOf(form->CM93));
    delete frmSplash;
}

TEST_F(TickTest, TheSplashClosedAnyWayIsForgottenByTheStartUpAndTheTicks)
{
    const struct {
        const char* how;
        std::function<void(TfrmSplash&)> close;
        bool autoAtFix;  // the splash was still open when the fix came: it closes and Auto goes on
    } cases[] = {
        {"Escape", [](TfrmSplash& s) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&s, &escape);
         }, false},
        {"window manager", [](TfrmSplash& s) { s.close(); }, false},
        {"OK", [](TfrmSplash& s) { s.btnOK->click(); }, false},
        {"still open", [](TfrmSplash&) {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        form->AutoBtn->setChecked(false);
        OwnShip.positionKnown = false;
        frmSplash = new TfrmSplash;
        frmSplash->show();
        SplashSetStatus(frmSplash, QStringLiteral("StartUp"));
        c.close(*frmSplash);
        // The closed splash is really gone before the start-up and the ticks look at it again.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(frmSplash == nullptr, !c.autoAtFix);
        SplashSetStatus(frmSplash, QStringLiteral("Ready"));

        OwnShip.positionKnown = true;
        for (int i = 0; i < 10; ++i)
            form->Timer2Timer();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(frmSplash, nullptr);
        EXPECT_EQ(form->AutoBtn->isChecked(), c.autoAtFix);
        // What the entry does at the end.
        delete frmSplash;
    }
}
