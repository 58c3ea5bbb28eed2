// The tide ports of the map manager over the xtide harmonics: the nearest port and its height in
// the hour, the engine port by index, the ports inside a view and their diamonds on the chart.
//
// Reference heights of Annapolis (US Naval Academy) in metres were written once by the
// independent predictor of tests/fixtures/tides (dump_constants.c with libtcd's accessors,
// predict_heights.py's harmonic sum with Python's own date arithmetic), at the UTC instants:
//   2026-01-15 15:30 -0.0336   2026-01-15 16:00  0.0033   2026-07-15 14:30  0.3250
//   2026-07-15 15:00  0.2760   2026-01-16 03:00  0.0372   2026-01-16 03:30  0.0451
//   2026-01-16 05:00  0.0858

#include "ChartWindowFixture.h"
#include "PixelCount.h"
#include "../TimeZone.h"

#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/TidePortRedraw.h"
#include "chart/TidePortTime.h"
#include "chart/TTideWin.h"
#include "frame/SharedTables.h"
#include "platform/system/PointerMove.h"

#include <QDateEdit>
#include <QLabel>
#include <QRegularExpression>
#include <QSlider>

#include <QAbstractButton>
#include <QDateTime>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace charttest;

namespace {

const cmgbase::GeoPoint kOffAnnapolis = Degrees(-76.46, 38.97);

int64_t Utc(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC).toSecsSinceEpoch();
}

class TidePortsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { harbour_ = new HarbourEngine; }
    static void TearDownTestSuite() { delete harbour_; }
    void SetUp() override { ASSERT_EQ(manager.Init(1), 1); }

    MapManager manager{harbour_->registry()};
    static HarbourEngine* harbour_;
};

HarbourEngine* TidePortsTest::harbour_ = nullptr;

TEST_F(TidePortsTest, TheNearestPortGivesTheSampleOfItsOwnStandardTimeWhateverTheSystemZone)
{
    // New York 10:45 in January (EST) and in July (EDT, 09:45 of the port's standard time); a
    // time near the port's midnight, when the UTC date is already the next one.
    struct Case {
        int64_t utc;
        double metres;
    } const cases[] = {
        {Utc(2026, 1, 15, 15, 45), -0.0336},  // index 21 of 15 January
        {Utc(2026, 7, 15, 14, 45), 0.3250},   // index 19 of 15 July
        {Utc(2026, 1, 16, 3, 10), 0.0372},    // index 44 of 15 January
    };
    for (const char* zone : {"UTC", "America/New_York"}) {
        const TimeZone system(zone);
        for (const Case& c : cases) {
            int32_t index = -1;
            std::string name;
            double height = 99.0;
            ASSERT_EQ(manager.NearestTidePort(kOffAnnapolis, c.utc, &index, &name, &height), 1);
            EXPECT_TRUE(name.starts_with("Annapolis (US Naval Academy)")) << name;
            EXPECT_NEAR(height, c.metres, 0.0005) << zone << " " << c.utc;
            EXPECT_GE(index, 0);
            std::unique_ptr<chartengine::TidesPort> port;
            ASSERT_EQ(manager.TidePort(index, &port), 1);
            EXPECT_EQ(port->PortName(), name);
        }
    }
}

TEST_F(TidePortsTest, OfTwoPortsAtTheSameDistanceTheLaterOneIsTaken)
{
    const std::vector<TMapTidePort> ports = manager.tidePorts;
    manager.tidePorts = {ports[10], ports[20]};
    manager.tidePorts[0].position = Degrees(10.1, 0.0);
    manager.tidePorts[1].position = Degrees(9.9, 0.0);
    int32_t index = -1;
    std::string name;
    double height = 0.0;
    ASSERT_EQ(manager.NearestTidePort(Degrees(10.0, 0.0), Utc(2026, 1, 15, 12, 0), &index, &name, &height), 1);
    EXPECT_EQ(index, 1);
    std::unique_ptr<chartengine::TidesPort> later;
    manager.tidesDatabase->OpenPort(ports[20].portIndex, &later);
    EXPECT_EQ(name, later->PortName());
}

TEST_F(TidePortsTest, NoPortsOrAnIndexOutsideTheListGiveNothing)
{
    std::unique_ptr<chartengine::TidesPort> port;
    EXPECT_EQ(manager.TidePort(-1, &port), 0);
    EXPECT_EQ(manager.TidePort(static_cast<int32_t>(manager.tidePorts.size()), &port), 0);
    manager.tidePorts.clear();
    int32_t index = -1;
    std::string name;
    double height = 0.0;
    EXPECT_EQ(manager.NearestTidePort(kOffAnnapolis, Utc(2026, 1, 15, 12, 0), &index, &name, &height), 0);
    EXPECT_EQ(index, -1);
    EXPECT_TRUE(manager.VisibleTidePorts(nullptr, {0, 0, 100, 100}).empty());
}

TEST(PortTimeTest, TheSamplesOfAnInstantAtThePort)
{
    // 10:45 at the port: the hourly readout reads 10:30 (21), the window 11:00 (22); a zone value
    // of 2 puts 10:00 UTC at 08:00; after 23:30 the window reads 24:00 of the same day (48).
    const PortTime morning = PortStandardTime(Utc(2026, 1, 15, 15, 45), 5);
    EXPECT_EQ(morning.date, QDate(2026, 1, 15));
    EXPECT_EQ(SampleAtOrBefore(morning), 21);
    EXPECT_EQ(SampleAtOrAfter(morning), 22);
    EXPECT_EQ(PortStandardTime(Utc(2026, 1, 15, 10, 0), 2).hour, 8);
    const PortTime late = PortStandardTime(Utc(2026, 1, 16, 4, 45), 5);
    EXPECT_EQ(late.date, QDate(2026, 1, 15));
    EXPECT_EQ(SampleAtOrAfter(late), 48);
    EXPECT_EQ(SampleAtOrBefore(late), 47);
    const PortTime onTheHour = PortStandardTime(Utc(2026, 1, 15, 15, 0), 5);
    EXPECT_EQ(SampleAtOrAfter(onTheHour), 20);
}

// The tide window of Annapolis at an instant of the tick clock, today taken in zone.
class TideWindowTest : public TidePortsTest {
protected:
    void SetUp() override
    {
        TidePortsTest::SetUp();
        platform::WatchPointerMoves([this](const QPoint& to) { pointerMoves.push_back(to); });
    }
    void TearDown() override
    {
        platform::WatchPointerMoves(nullptr);
        TideLocalZone = QTimeZone::systemTimeZone();
    }
    void Open(int64_t utc, const char* zone)
    {
        ClockSeconds = utc;
        TideLocalZone = QTimeZone(zone);
        int32_t index = -1;
        std::string name;
        double height = 0.0;
        ASSERT_EQ(manager.NearestTidePort(kOffAnnapolis, utc, &index, &name, &height), 1);
        std::unique_ptr<chartengine::TidesPort> port;
        ASSERT_EQ(manager.TidePort(index, &port), 1);
        window.OpenPort(std::move(port));
    }

    TTideWin window;
    std::vector<QPoint> pointerMoves;
};

TEST_F(TideWindowTest, ThePresentTideIsTheSampleAtOrAfterThePortTime)
{
    Open(Utc(2026, 1, 15, 15, 45), "America/New_York");  // 10:45 EST: sample 22, 11:00
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.windowTitle().startsWith(" Annapolis (US Naval Academy)"));
    EXPECT_EQ(window.m_dtpDate->date(), QDate(2026, 1, 15));
    EXPECT_EQ(window.m_pnlCurTime->text(), "10:45");
    EXPECT_EQ(window.m_pnlCurTide->text(), "0.00 m.");
    const QRegularExpression highLow(R"(^\d\d:[03]0 -?\d+\.\d\d m\.$)");
    EXPECT_TRUE(highLow.match(window.m_pnlMaxTide->text()).hasMatch()) << window.m_pnlMaxTide->text().toStdString();
    EXPECT_TRUE(highLow.match(window.m_pnlMinTide->text()).hasMatch()) << window.m_pnlMinTide->text().toStdString();

    // The next and the previous day calculate the picked date.
    const QString high = window.m_pnlMaxTide->text();
    window.m_btnNextDateClick();
    EXPECT_EQ(window.m_dtpDate->date(), QDate(2026, 1, 16));
    EXPECT_NE(window.m_pnlMaxTide->text(), high);
    window.m_btnPrevDateClick();
    EXPECT_EQ(window.m_pnlMaxTide->text(), high);

    window.hide();
    EXPECT_EQ(window.port(), nullptr);
}

TEST_F(TideWindowTest, NearThePortsMidnightItsOwnDayIsRead)
{
    // 23:45 EST of 15 January is 04:45 UTC of the 16th: the window reads 24:00 of the 15th
    // (sample 48), also when today is taken in UTC and the picker shows the 16th.
    for (const char* zone : {"America/New_York", "UTC"}) {
        Open(Utc(2026, 1, 16, 4, 45), zone);
        EXPECT_EQ(window.m_pnlCurTime->text(), "23:45") << zone;
        EXPECT_EQ(window.m_pnlCurTide->text(), "0.09 m.") << zone;
        window.hide();
    }
}

TEST_F(TideWindowTest, TheTrackBarChoosesTheScale)
{
    Open(Utc(2026, 7, 15, 14, 45), "America/New_York");
    EXPECT_EQ(window.m_pnlCurTime->text(), "09:45");  // the port's standard time in summer
    EXPECT_EQ(window.m_pnlCurTide->text(), "0.28 m.");  // sample 20, 10:00 EST
    EXPECT_EQ(window.m_pnlScale->text(), "Auto");
    window.m_trbMaxScale->setValue(7);
    EXPECT_EQ(window.m_pnlScale->text(), "3 m");
    ASSERT_TRUE(window.m_axTide->DrawnRange());
    EXPECT_EQ(window.m_axTide->DrawnRange()->second, 3.0);
    window.m_trbMaxScale->setValue(10);
    EXPECT_EQ(window.m_pnlScale->text(), "Auto");

    // The mouse over the graph reports height and time.
    window.m_axTideMouseAction(1.234, QDateTime(QDate(2026, 7, 15), QTime(6, 30), Qt::UTC));
    EXPECT_EQ(window.m_pnlCurTide->text(), "1.23 m.");
    EXPECT_EQ(window.m_pnlCurTime->text(), "06:30");
    window.m_axTideMouseAction(2.0, QDateTime());
    EXPECT_EQ(window.m_pnlCurTime->text(), "06:30");
}

class TidePortRedrawTest : public ChartWindowTest {
protected:
    void ShowAt(const cmgbase::GeoPoint& at, int32_t level)
    {
        window.controls.CM93->resize(500, 400);
        MainMapView->SetCentre(at);
        window.chartLevel = level;
        SetChartLevel(window);
    }
    // The user-magenta pixels around the first port drawn.
    int MagentaAroundPort() const
    {
        const QImage chart = window.MainChartBitmap.convertToFormat(QImage::Format_RGB32);
        const TVisibleTidePort& port = VisibleTidePortList.front();
        return CountOf(chart, QRect(port.x - 10, port.y - 14, 21, 29) & chart.rect(), UserColour(5).rgb());
    }
};

TEST_F(TidePortRedrawTest, PortsAreDrawnBelowLevel16AndNotInTheBasePresentation)
{
    ShowAt(kOffAnnapolis, 11);
    ASSERT_FALSE(VisibleTidePortList.empty());
    const TVisibleTidePort port = VisibleTidePortList.front();
    EXPECT_GE(port.x, 0);
    EXPECT_LE(port.x, 500);
    const int large = MagentaAroundPort();
    EXPECT_GT(large, 60);

    ShowAt(kOffAnnapolis, 12);
    ASSERT_FALSE(VisibleTidePortList.empty());
    const int small = MagentaAroundPort();
    EXPECT_GT(small, 20);
    EXPECT_LT(small, large);

    ShowAt(kOffAnnapolis, 16);
    EXPECT_TRUE(VisibleTidePortList.empty());

    ShowAt(kOffAnnapolis, 11);
    static_cast<QRadioButton*>(window.controls.rbBase)->setChecked(true);
    RedrawChart(window, true);
    EXPECT_TRUE(VisibleTidePortList.empty());
}

}  // namespace
