// The dynamic overlay and the composition of the chart picture, on the main window as the
// start-up wires it, over real redraws of the chart US4MD81M: pixels of ChartWorkBitmap against
// the static picture in ChartBackBitmap, and the paint events CM93 receives.

#include "BayWindowTest.h"

#include "app/BearingLine.h"
#include "app/ChartCursor.h"
#include "app/DynamicOverlay.h"
#include "app/EditingState.h"
#include "app/MiniChartMarkers.h"
#include "app/OverlayArea.h"
#include "app/RubberBand.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TickClock.h"
#include "app/TickState.h"
#include "chart/ChartHooks.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "frame/PaintBounds.h"
#include "frame/SharedTables.h"
#include "frame/ShipGeometry.h"
#include "platform/chartengine/ChartTestSupport.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "platform/system/RegistryStore.h"
#include "radarweather/RadarManager.h"
#include "radarweather/WeatherManager.h"
#include "sensors/SensorHooks.h"
#include "sensors/TargetTable.h"
#include "userdata/RouteHooks.h"
#include "userdata/TrackState.h"
#include "userdata/UserDatabase.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QRegion>
#include <QTimer>
#include <QToolButton>

#include <cmath>
#include <memory>
#include <numbers>

namespace {


const cmgbase::GeoPoint Bay = InTheBay;

cmgbase::GeoPoint Along(const cmgbase::GeoPoint& start, double degrees, double nauticalMiles)
{
    cmgbase::GeoPoint end{};
    EXPECT_EQ(cmgbase::DirPosComputation(start, &end, degrees * std::numbers::pi / 180.0, nauticalMiles, 0),
              cmgbase::kGeoOk);
    return end;
}

// The paint events a widget receives.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    int events = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++events;
        }
        return false;
    }
};

class DynamicOverlayTest : public BayChartTest {
protected:
    void SetUp() override
    {
        BayChartTest::SetUp();
        ResetTickState();
        ResetChartCursor();
        ResetEditingState();
        ResetRubberBand();
        TrackLastSample = {};
        OverlayDirtyRect = {};
        LayOutProgramFolder(folder, engine(), "[C-Map]\n13=Chart engine restarted\n");
        form = StartProgram();
        ASSERT_TRUE(StartupDone);
        ASSERT_NE(MainMapView, nullptr);
        form->resize(ScreenWidth, ScreenHeight);  // the overlay's areas are held to the screen
        form->show();
        QApplication::processEvents();
        form->CM93->installEventFilter(&paints);
    }

    void TearDown() override
    {
        StopProgram(form);
        ResetChartCursor();
        ResetRubberBand();
        TrackLastSample = {};
        OverlayDirtyRect = {};
        BayChartTest::TearDown();
    }

    // The chart at a level around the bay, redrawn and composed as a level change does it.
    void ShowChart(int32_t level)
    {
        MainMapView->SetCentre(Bay);
        form->chartLevel = level;
        SetChartLevel(*form);
        ASSERT_FALSE(form->ChartWorkBitmap.isNull());
        QApplication::processEvents();
        paints.painted = {};
        paints.events = 0;
    }

    ScreenPoint Pixel(const cmgbase::GeoPoint& position) const
    {
        ScreenPoint pixel{};
        EXPECT_TRUE(MainMapView->GeoToScreen(form->chartRect, position, pixel));
        return pixel;
    }

    QColor Work(int x, int y) const { return form->ChartWorkBitmap.pixelColor(x, y); }
    // Whether the colour lies at (x, y) or a pixel next to it: lines at an angle are rounded.
    bool WorkNear(int x, int y, const QColor& colour) const
    {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (Work(x + dx, y + dy) == colour)
                    return true;
        return false;
    }
    QColor Back(int x, int y) const { return form->ChartBackBitmap.pixelColor(x, y); }

    // The points where the dynamic overlay left ChartWorkBitmap different from ChartBackBitmap.
    QRegion Drawn() const
    {
        QRegion drawn;
        const QImage& work = form->ChartWorkBitmap;
        const QImage& back = form->ChartBackBitmap;
        for (int y = 0; y < work.height(); ++y)
            for (int x = 0; x < work.width(); ++x)
                if (work.pixel(x, y) != back.pixel(x, y))
                    drawn += QRect(x, y, 1, 1);
        return drawn;
    }

    std::unique_ptr<TForm1> form;
    PaintRecorder paints;
};

}  // namespace

TEST_F(DynamicOverlayTest, TheRedrawShowsTheChartWithTheShipSymbolAtTheOwnShipPixel)
{
    PlaceShip(Bay, 0.0f, 0.0f);
    ShowChart(8);

    // The level change's redraw composed the picture: no overlay call of the test drew it.
    const ScreenPoint ship = Pixel(Bay);
    EXPECT_EQ(Work(ship.x + 14, ship.y), UserColour(1)) << "the red ring";
    EXPECT_EQ(Work(ship.x - 14, ship.y), UserColour(1));
    EXPECT_EQ(Work(ship.x, ship.y + 12), UserColour(6)) << "the black inner circle";
    EXPECT_EQ(Work(ship.x + 7, ship.y), UserColour(6)) << "the cross";
    EXPECT_EQ(Work(ship.x, ship.y - 7), UserColour(6));
    EXPECT_EQ(Work(ship.x, ship.y), Back(ship.x, ship.y)) << "the cross leaves the centre free";
    EXPECT_TRUE(QRect(ship.x - 17, ship.y - 17, 35, 35).contains(Drawn().boundingRect()));
}

TEST_F(DynamicOverlayTest, TheHullOutlineReplacesTheSymbolBelowLevelTenWhenTheShipIsLongEnoughOnScreen)
{
    PlaceShip(Bay, 30.0f, 0.0f);
    ShowChart(9);
    const float pixelsPerMile = PixelsPerMile;
    ASSERT_GT(pixelsPerMile, 0.0f);
    // Lengths just above and just below 50000 / pixels per nautical mile.
    const int16_t longShip = int16_t(std::ceil(50001.0 / pixelsPerMile));
    const int16_t shortShip = int16_t(std::floor(49999.0 / pixelsPerMile));
    ASSERT_GT(longShip, 20);
    const struct {
        int32_t level;
        int16_t length;
        bool hull;
    } cases[] = {{9, longShip, true}, {9, shortShip, false}, {10, longShip, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << ", " << c.length << " m");
        // The antenna on the centre line a third of the length aft of the bow.
        SetupParameters.Length = c.length;
        SetupParameters.Beam = int16_t(c.length / 5);
        SetupParameters.GpsStbd = int16_t(SetupParameters.Beam / 2);
        SetupParameters.GpsBow = int16_t(c.length / 3);
        ComputeShipGeometry();
        ShowChart(c.level);
        PaintDynamicOverlay(*form, true);

        const ScreenPoint ship = Pixel(Bay);
        const ScreenPoint bow = Pixel(Along(Bay, 30.0, SetupParameters.GpsBow * 0.00054));
        EXPECT_EQ(Work(bow.x, bow.y) == UserColour(1), c.hull) << "the outline through the bow";
        EXPECT_EQ(Work(ship.x + 12, ship.y) == UserColour(6), !c.hull) << "the symbol's inner circle";
        EXPECT_EQ(Work(ship.x + 7, ship.y), UserColour(6)) << "the cross stays";
    }
}

TEST_F(DynamicOverlayTest, TheVectorEndsOnTheGeodesicPointWithATickForEveryMinute)
{
    SetupParameters.VectorInMinutes = 1;
    SetupParameters.BoatVector = 6;  // minutes
    PlaceShip(Bay, 45.0f, 12.0f);    // 1.2 nm in six minutes, a tick every 0.2 nm
    ShowChart(8);
    PaintDynamicOverlay(*form, true);

    const cmgbase::GeoPoint end = Along(Bay, 45.0, 1.2);
    const ScreenPoint e = Pixel(end);
    const ScreenPoint ship = Pixel(Bay);
    ASSERT_GT(e.x - ship.x, 40) << "a vector long enough to see its ticks";
    EXPECT_EQ(Work(e.x, e.y), UserColour(3));
    EXPECT_EQ(Work(e.x + 3, e.y - 3), Back(e.x + 3, e.y - 3)) << "nothing beyond the end";

    // Ticks across the vector at 1 to 5 minutes, none at 6 (the end) nor between them.
    const auto tickTip = [&](double minutes) {
        const double share = (minutes * 0.2 + 0.0001) / 1.2;
        const double px = ship.x + (e.x - ship.x) * share;
        const double py = ship.y + (e.y - ship.y) * share;
        return QPoint(int(std::lround(px + 4.0 / std::sqrt(2.0))), int(std::lround(py + 4.0 / std::sqrt(2.0))));
    };
    for (int minute = 1; minute <= 5; ++minute) {
        SCOPED_TRACE(minute);
        const QPoint tick = tickTip(minute);
        EXPECT_TRUE(WorkNear(tick.x(), tick.y(), UserColour(3)));
        const QPoint between = tickTip(minute + 0.5);
        EXPECT_FALSE(WorkNear(between.x(), between.y(), UserColour(3)));
    }
    const QPoint last = tickTip(6);
    EXPECT_FALSE(WorkNear(last.x(), last.y(), UserColour(3)));

    OwnShip.heading = 60.0f;
    OwnShip.headingValidity = SensorValidSeconds;
    PaintDynamicOverlay(*form, true);
    form->ChartWorkBitmap.save("/tmp/dynamic.png");
}

TEST_F(DynamicOverlayTest, AHeadingOfNinetyDegreesRunsTheHeadingLineToTheRightEdge)
{
    PlaceShip(Bay, 0.0f, 0.0f);
    OwnShip.heading = 90.0f;
    OwnShip.headingValidity = SensorValidSeconds;
    ShowChart(8);
    const ScreenPoint ship = Pixel(Bay);
    const int width = form->ChartWorkBitmap.width();

    PaintDynamicOverlay(*form, false);
    EXPECT_EQ(Work(width - 1, ship.y), Back(width - 1, ship.y)) << "only the call after a fix draws it";

    PaintDynamicOverlay(*form, true);
    for (const int x : {ship.x + 20, (ship.x + width) / 2, width - 1})
        EXPECT_EQ(Work(x, ship.y), UserColour(3)) << x;
    EXPECT_EQ(PaintedArea().right(), width - 1);
}

TEST_F(DynamicOverlayTest, AfterTheShipMovesNothingOfThePreviousFrameIsLeftAndOnlyBothFramesAreRepainted)
{
    SetupParameters.VectorInMinutes = 1;
    SetupParameters.BoatVector = 3;
    PlaceShip(Bay, 90.0f, 10.0f);
    ShowChart(8);
    PaintDynamicOverlay(*form, true);
    const QRect first = PaintedArea();
    QApplication::processEvents();

    PlaceShip(Along(Bay, 180.0, 0.5), 90.0f, 10.0f);
    paints.painted = {};
    PaintDynamicOverlay(*form, true);
    const QRect second = PaintedArea();
    ASSERT_FALSE(second.contains(first)) << "the ship moved off its first frame";

    // The paint event comes later, from the event loop; the overlay drew nothing on CM93.
    EXPECT_TRUE(paints.painted.isEmpty());
    QApplication::processEvents();
    EXPECT_EQ(paints.painted, QRegion(first.united(second)));
    EXPECT_TRUE(second.contains(Drawn().boundingRect())) << "outside the new frame the picture is the static one";
    EXPECT_EQ(form->CM93->grab(second).toImage().convertToFormat(QImage::Format_RGB32),
              form->ChartWorkBitmap.copy(second).convertToFormat(QImage::Format_RGB32));

    // The frame before last was erased already: the next step repaints the last and the new one.
    PlaceShip(Along(Bay, 180.0, 1.0), 90.0f, 10.0f);
    paints.painted = {};
    PaintDynamicOverlay(*form, true);
    QApplication::processEvents();
    EXPECT_EQ(paints.painted, QRegion(second.united(PaintedArea())));
}

TEST_F(DynamicOverlayTest, APaintEventOnlyShowsTheComposedPicture)
{
    PlaceShip(Bay, 0.0f, 0.0f);
    ShowChart(8);
    // A mark that no overlay draws: a paint event that rebuilt the picture would lose it.
    const QRect mark(5, 5, 8, 8);
    for (int y = mark.top(); y <= mark.bottom(); ++y)
        for (int x = mark.left(); x <= mark.right(); ++x)
            form->ChartWorkBitmap.setPixelColor(x, y, Qt::magenta);
    const OverlayRect before = OverlayDirtyRect;

    form->CM93->repaint();
    EXPECT_GE(paints.events, 1);
    EXPECT_EQ(form->ChartWorkBitmap.pixelColor(mark.center()), QColor(Qt::magenta));
    EXPECT_EQ(OverlayDirtyRect.left, before.left);
    EXPECT_EQ(OverlayDirtyRect.right, before.right);
    EXPECT_EQ(form->CM93->grab(mark).toImage().pixelColor(2, 2), QColor(Qt::magenta));

    // The program's own request composes it anew from the chart.
    form->CM93Paint();
    EXPECT_EQ(Work(mark.center().x(), mark.center().y()), Back(mark.center().x(), mark.center().y()));
}

TEST(CrossBearing, IsReadFromAtMostThreeDigits)
{
    const struct {
        const char* text;
        int32_t degrees;
        bool cleared;
    } cases[] = {
        {"", 0, false},    {"0", 0, false},    {"45", 45, false},   {"045", 45, false}, {"360", 360, false},
        {"361", 0, true},  {"999", 0, true},   {"4a", 0, false},    {" 45", 0, false},  {"-5", 0, false},
        {"+45", 0, false}, {"1234", 123, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const CrossBearingEntry entry = ReadCrossBearing(c.text);
        EXPECT_EQ(entry.degrees, c.degrees);
        EXPECT_EQ(entry.clearEntry, c.cleared);
    }
}

TEST_F(DynamicOverlayTest, TheCrossBearingTurnsTheLineOntoItsReciprocalAndAnEntryAbove360IsCleared)
{
    PlaceShip(Along(Bay, 0.0, 2.0), 0.0f, 0.0f);  // off the view: only the bearing line is drawn
    ShowChart(8);
    form->BearingBtn->setChecked(true);
    BearingOriginSet = true;
    AnchorGeo = Bay;
    const ScreenPoint origin = Pixel(Bay);
    CursorPixel = {origin.x, origin.y + 100};
    ASSERT_EQ(MainMapView->ScreenToGeo(form->chartRect, CursorPixel, form->cursorChartPoint), 1);

    form->edCross->setText("90");  // the object bears 090 from the ship: the ship is west of it
    PaintDynamicOverlay(*form, false);
    EXPECT_TRUE(WorkNear(origin.x - 50, origin.y, WindowTextColour()));
    EXPECT_EQ(Work(origin.x, origin.y + 50), Back(origin.x, origin.y + 50)) << "not to the cursor";
    EXPECT_TRUE(WorkNear(origin.x + 100, origin.y, WindowTextColour())) << "the range ring through the cursor";

    form->edCross->setText("400");
    PaintDynamicOverlay(*form, false);
    EXPECT_TRUE(form->edCross->text().isEmpty());
    EXPECT_EQ(Work(origin.x, origin.y + 50), WindowTextColour()) << "to the cursor again";
}

TEST_F(DynamicOverlayTest, TheDirectionFinderBearingIsTrueAndTurnsWithTheChart)
{
    PlaceShip(Bay, 0.0f, 0.0f);
    ShowChart(8);
    const ScreenPoint ship = Pixel(Bay);
    OwnShip.finderBearing = 90;
    OwnShip.finderValidity = FinderValidSeconds;

    PaintDynamicOverlay(*form, false);
    EXPECT_EQ(Work(ship.x + 100, ship.y), UserColour(2));

    form->viewRotation = 90.0f;  // head up on an easterly heading: east is screen up
    PaintDynamicOverlay(*form, false);
    EXPECT_EQ(Work(ship.x, ship.y - 100), UserColour(2));
    EXPECT_EQ(Work(ship.x + 100, ship.y), Back(ship.x + 100, ship.y));
}

TEST(RubberBandLegs, OnlyLegsBetweenTwoEntriesOfTheTableAreRedrawn)
{
    const struct {
        int32_t placed;
        int32_t first;
        int32_t last;
    } drawing[] = {{0, 0, -1}, {1, 0, 0}, {2, 0, 1}, {3, 0, 2}, {10, 7, 9}, {500, 497, 499}, {501, 497, 499}};
    for (const auto& c : drawing) {
        SCOPED_TRACE(c.placed);
        const RouteLegRange legs = DrawingRubberBandLegs(c.placed);
        EXPECT_EQ(legs.first, c.first);
        EXPECT_EQ(legs.last, c.last);
    }
    const struct {
        int32_t waypoint;
        int32_t count;
        int32_t first;
        int32_t last;
    } dragging[] = {
        {1, 5, 0, 1}, {2, 5, 0, 2}, {5, 5, 2, 3}, {4, 5, 1, 3}, {3, 10, 0, 3},
        {1, 1, 0, -1}, {0, 5, 0, -1}, {6, 5, 0, -1}, {501, 501, 498, 499},
    };
    for (const auto& c : dragging) {
        SCOPED_TRACE(testing::Message() << c.waypoint << " of " << c.count);
        const RouteLegRange legs = DraggedWaypointLegs(c.waypoint, c.count);
        EXPECT_EQ(legs.first, c.first);
        EXPECT_EQ(legs.last, c.last);
    }
}

TEST_F(DynamicOverlayTest, ASampledTrackSegmentGoesIntoTheStaticPictureAndTheLengthIntoTxTrack)
{
    SetupParameters.TrackMode = 1;
    SetupParameters.TrackColour = 5;
    PlaceShip(Bay, 90.0f, 10.0f);
    ShowChart(8);
    PaintDynamicOverlay(*form, true);  // the first sample of the run
    EXPECT_EQ(form->txTrack->text(), QStringLiteral("0.0"));

    const cmgbase::GeoPoint moved = Along(Bay, 90.0, 1.0);
    const ScreenPoint from = Pixel(Bay);
    const ScreenPoint to = Pixel(moved);
    ASSERT_GT(to.x - from.x, 80) << "far enough on screen for a sample on a straight course";
    PlaceShip(moved, 90.0f, 10.0f);
    PaintDynamicOverlay(*form, true);
    EXPECT_EQ(form->txTrack->text(), QStringLiteral("1.0"));
    const int midX = (from.x + to.x) / 2;
    const int midY = (from.y + to.y) / 2;
    EXPECT_TRUE(form->ChartBackBitmap.pixelColor(midX, midY) == UserColour(5) ||
                form->ChartBackBitmap.pixelColor(midX, midY + 1) == UserColour(5));
    // Restored frames keep it: it lies in the static picture.
    PlaceShip(Along(moved, 90.0, 0.1), 90.0f, 10.0f);
    PaintDynamicOverlay(*form, false);
    EXPECT_EQ(Work(midX, midY), Back(midX, midY));
}

// The painter, the 100 ms tick's dead reckoning and the one-second ageing place a target alike:
// a simulated one where it has run since its start, a reported one where it has run since its
// report, and one without a known speed where it was reported.
TEST_F(DynamicOverlayTest, TheTicksPlaceTargetsWhereThePainterShowsThem)
{
    PlaceShip(Bay, 0.0f, 0.0f);
    ShowChart(12);
    form->AisBtn->setChecked(true);
    TargetRecord& simulated = ClaimTarget(6, SimulatedTargetId(6), TargetSimulated);
    simulated.positionX = Bay.x;
    simulated.positionY = Bay.y;
    simulated.course = 90.0f;
    simulated.speed = 6.0f;
    simulated.reportTime = uint32_t(ClockSeconds - 600);  // ten minutes: a mile
    const cmgbase::GeoPoint arpaAt = Along(Bay, 0.0, 0.5);
    for (int index : {7, 8}) {
        TargetRecord& reported = ClaimTarget(index, index, TargetArpa);
        reported.positionX = arpaAt.x;
        reported.positionY = arpaAt.y;
        reported.course = 90.0f;
        reported.speed = index == 7 ? 12.0f : -1.0f;  // -1: no speed known
        reported.lostCount = 29;                      // 30 s after the one-second tick: 0.1 mile
        reported.status = 'T';
    }
    auto shown = [](int index) {
        return ScreenPoint{TargetTable[size_t(index)].screenX, TargetTable[size_t(index)].screenY};
    };
    const ScreenPoint simulatedPixel = Pixel(Along(Bay, 90.0, 1.0));
    const ScreenPoint runPixel = Pixel(Along(arpaAt, 90.0, 0.1));
    const ScreenPoint stillPixel = Pixel(arpaAt);

    form->Timer2Timer();
    EXPECT_EQ(shown(6).x, simulatedPixel.x);
    EXPECT_EQ(shown(6).y, simulatedPixel.y);
    for (int index : {6, 7, 8})
        TargetTable[size_t(index)].screenX = -1;
    form->Timer1Timer();
    EXPECT_EQ(shown(6).x, simulatedPixel.x);
    EXPECT_EQ(shown(6).y, simulatedPixel.y);
    EXPECT_EQ(shown(7).x, runPixel.x);
    EXPECT_EQ(shown(7).y, runPixel.y);
    EXPECT_EQ(shown(8).x, stillPixel.x);
    EXPECT_EQ(shown(8).y, stillPixel.y);
    for (int index : {6, 7, 8})
        FreeTarget(TargetTable[size_t(index)]);
}

TEST_F(DynamicOverlayTest, TheMiniChartShowsTheOwnShipOverItsPictureInItsPaintEvents)
{
    form->CM93mini->setMinimumHeight(150);  // the side panel of this small window gives it no room
    QApplication::processEvents();
    PlaceShip(Bay, 0.0f, 0.0f);
    MiniMapView->SetCentre(Bay);
    RedrawMiniChart(*form);
    ASSERT_FALSE(form->MiniChartBitmap.isNull());
    ScreenPoint ship{};
    ASSERT_TRUE(MiniMapView->GeoToScreen(form->miniRect, Bay, ship));

    PaintMiniChartMarkers(*form);
    const QImage shown = form->CM93mini->grab().toImage();
    EXPECT_EQ(shown.pixelColor(ship.x + 8, ship.y), UserColour(1));
    EXPECT_EQ(shown.pixelColor(ship.x + 6, ship.y), UserColour(1));
    EXPECT_NE(form->MiniChartBitmap.pixelColor(ship.x + 8, ship.y), UserColour(1)) << "the bitmap stays the chart";
}

TEST_F(DynamicOverlayTest, TheMiniChartShowsTheLookAheadSectorWhileTheCheckRuns)
{
    form->CM93mini->setMinimumHeight(150);
    QApplication::processEvents();
    PlaceShip(Bay, 0.0f, 10.0f);
    MiniMapView->SetCentre(Bay);
    form->miniChartLevel = 9;
    SetMiniChartLevel(*form);
    ASSERT_FALSE(form->MiniChartBitmap.isNull());
    SetupParameters.AlarmSafety = 1;
    form->btnMiniAuto->setEnabled(true);
    form->btnMiniAuto->setChecked(true);
    auto& sector = TickRequest.lookAheadSector;
    sector = {Bay, Along(Bay, -20.0, 1.0), Along(Bay, -10.0, 1.0), Along(Bay, 0.0, 1.0), Along(Bay, 10.0, 1.0),
              Along(Bay, 20.0, 1.0), Bay};
    ScreenPoint ship{};
    ScreenPoint ahead{};
    ASSERT_TRUE(MiniMapView->GeoToScreen(form->miniRect, Bay, ship));
    ASSERT_TRUE(MiniMapView->GeoToScreen(form->miniRect, sector[3], ahead));
    ASSERT_LT(ahead.y, ship.y - 20) << "the sector reaches well ahead at this level";

    // The arc between the points 10 degrees either side of the course, above the vector's end.
    const auto sectorPixels = [&] {
        PaintMiniChartMarkers(*form);
        const QImage shown = form->CM93mini->grab().toImage();
        int count = 0;
        for (int x = ahead.x - 8; x <= ahead.x + 8; ++x)
            for (int y = ahead.y - 2; y <= ahead.y + 2; ++y)
                count += shown.pixelColor(x, y) == UserColour(1);
        return count;
    };
    EXPECT_GT(sectorPixels(), 3);
    SetupParameters.AlarmSafety = 0;
    EXPECT_EQ(sectorPixels(), 0) << "no alarm setting on: no check and no sector";
}
