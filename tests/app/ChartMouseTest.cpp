// The chart's mouse input on the started program over the harbour's chart and an empty data set
// A: real Qt mouse and wheel events sent to CM93, CM93mini and the window, and what they leave
// in the editing state, the route table, the stored records and the chart's level and centre.

#include "ObjectStoreFixture.h"

#include "app/ChartMouse.h"
#include "app/LineBar.h"
#include "app/ObjectCodes.h"
#include "app/ObjectLoad.h"
#include "app/RouteBar.h"
#include "app/RubberBand.h"
#include "app/SymbolBar.h"
#include "chart/ChartLevels.h"
#include "frame/SetupParameters.h"
#include "sensors/OwnShipState.h"
#include "userdata/InfoTexts.h"
#include "userdata/RouteFollowing.h"
#include "userdata/TDbObj.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include <cstring>
#include <string>

namespace {

class ChartMouseTest : public ObjectStoreTest {
protected:
    void SetUp() override
    {
        ObjectStoreTest::SetUp();
        DbObj = new TDbObj;
        form->chartMarkers.clear();  // no light under a click takes it
    }

    void TearDown() override
    {
        delete DbObj;
        DbObj = nullptr;
        RouteAddedTo = 0;
        OwnShip.alarmActive = false;
        OwnShip.alarmKind = AlarmNone;
        Alarm = {};
        RouteStartRequest = 0;
        RouteName[0] = SecondRouteName[0] = '\0';
        ResetRubberBand();
        ObjectStoreTest::TearDown();
    }

    void mouse(QWidget* to, QEvent::Type type, Qt::MouseButton button, QPoint at)
    {
        QMouseEvent event(type, QPointF(at), QPointF(to->mapToGlobal(at)), button,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
        QApplication::sendEvent(to, &event);
    }
    void press(Qt::MouseButton button, int x, int y) { mouse(form->CM93, QEvent::MouseButtonPress, button, {x, y}); }
    void left(int x, int y) { press(Qt::LeftButton, x, y); }
    void right(int x, int y) { press(Qt::RightButton, x, y); }
    void move(int x, int y) { mouse(form->CM93, QEvent::MouseMove, Qt::NoButton, {x, y}); }
    void wheel(int delta)
    {
        const QPoint at = form->CM93->rect().center();
        QWheelEvent event(QPointF(at), QPointF(form->CM93->mapToGlobal(at)), {}, {0, delta}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form->CM93, &event);
    }

    // A route stored at the pixels (sequence 1 up) and loaded into the table with each entry's
    // pixel, as editing finds it.
    void editRoute(int32_t id, std::initializer_list<QPoint> pixels)
    {
        StoreObject(StoredObject(ObjectType::ROUTE, id, 2, "Way"), pointsAt(id, pixels));
        ClearRouteTable();
        RouteId = id;
        LoadObject(*form, RouteLoadCode, id);
        ASSERT_EQ(RouteEntryCount(), int32_t(pixels.size()));
        RouteEditMode = RouteEditing;
        EditingActive = true;
    }

    static std::vector<PointRecord> pointsOf(int32_t id)
    {
        std::vector<PointRecord> points;
        EXPECT_TRUE(ReadObjectPoints(id, points));
        return points;
    }

    // Whether a stored point lies at the pixel (within the store's rounding).
    bool storedAt(const PointRecord& point, QPoint pixel) const
    {
        const ScreenPoint at = pixelOf(point);
        return std::abs(at.x - pixel.x()) <= 1 && std::abs(at.y - pixel.y()) <= 1;
    }

    cmgbase::GeoPoint centre() const { return MainMapView->centre; }
};

// A click while an alarm sounds silences it; one that stays until its cause is gone is first
// acknowledged, and only the next click goes on to the chart. With a replay running the click
// goes to the chart at once.
TEST_F(ChartMouseTest, AClickAcknowledgesOrClearsTheAlarm)
{
    struct Case {
        const char* name;
        int32_t kind;
        bool latched;
        bool replay;
        bool activeAfterFirst;
        int32_t levelAfterTwo;  // the second click zooms in from 6 once it reaches the chart
    };
    const Case cases[] = {
        {"clearable alarm: cleared, the second click zooms", AlarmNoGps, false, false, false, 5},
        {"latched track alarm: acknowledged, the second click zooms", AlarmNoGps, true, false, true, 5},
        {"alarm that a click cannot clear", AlarmNotClearable, false, false, true, 5},
        {"replay running: both clicks zoom", AlarmNoGps, false, true, true, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->chartLevel = 6;
        SetChartLevel(*form);
        OwnShip.alarmActive = true;
        OwnShip.alarmKind = c.kind;
        Alarm = {};
        Alarm.sound = true;
        Alarm.routeDeviation = c.latched;
        form->btnReplay->setCheckable(true);
        form->btnReplay->setChecked(c.replay);
        left(320, 240);
        EXPECT_EQ(OwnShip.alarmActive, c.activeAfterFirst);
        EXPECT_EQ(Alarm.sound, c.replay);
        left(320, 240);
        EXPECT_EQ(form->chartLevel, c.levelAfterTwo);
    }
    form->btnReplay->setChecked(false);
}

// The own ship counts for the bearing tool within 11 px on both axes, not at 12.
TEST_F(ChartMouseTest, BearingOriginAwayFromTheOwnShipOnly)
{
    ObjectStoreTest::press(form->BearingBtn);
    for (const int offset : {11, 12}) {
        SCOPED_TRACE(offset);
        BearingOriginSet = true;
        TickRequest.ownShipPixel = {200, 200};
        left(200 + offset, 200 - offset);
        EXPECT_EQ(BearingOriginSet, offset == 12);
        if (offset == 12) {
            EXPECT_EQ(AnchorGeo, geoAt(212, 188));
        }
    }
}

// Right click with an origin: the line becomes a route of its two points to follow; at no
// length no route is made.
TEST_F(ChartMouseTest, BearingLineBecomesARouteOfTwoDistinctPoints)
{
    ObjectStoreTest::press(form->BearingBtn);
    TickRequest.ownShipPixel = {50, 50};
    left(200, 200);
    right(200, 200);
    EXPECT_EQ(RouteEntryCount(), 0) << "a line of no length";
    EXPECT_TRUE(form->BearingBtn->isChecked());
    right(300, 260);
    EXPECT_EQ(RouteId, RouteNotStored);
    ASSERT_EQ(RouteEntryCount(), 2);
    EXPECT_EQ(cmgbase::GeoPoint(RouteTable[0].position), geoAt(200, 200));
    EXPECT_EQ(cmgbase::GeoPoint(RouteTable[1].position), geoAt(300, 260));
    EXPECT_EQ(RouteStartRequest, 1);
    EXPECT_EQ(RouteFromOutside, 0) << "the route's sentences go out";
    EXPECT_FALSE(form->BearingBtn->isChecked());
}

// The middle button keeps the bearing line; the three newest stay.
TEST_F(ChartMouseTest, MiddleClickKeepsTheBearingLine)
{
    ObjectStoreTest::press(form->BearingBtn);
    TickRequest.ownShipPixel = {50, 50};
    for (const int x : {100, 150, 200, 250}) {
        left(x, 200);
        press(Qt::MiddleButton, x, 200);
    }
    EXPECT_EQ(StoredBearingLines[0].origin, geoAt(250, 200));
    EXPECT_EQ(StoredBearingLines[2].origin, geoAt(150, 200));
}

// Clicks that zoom: left in (centred on the click), right out (at level 16 onto the equator, at
// 17 not at all), middle pans; a right click sent on as a left one never zooms.
TEST_F(ChartMouseTest, ClicksZoomAndPan)
{
    struct Case {
        const char* name;
        int32_t level;
        Qt::MouseButton button;
        int32_t levelAfter;
    };
    const Case cases[] = {
        {"left zooms in", 6, Qt::LeftButton, 5},
        {"left at 0", 0, Qt::LeftButton, 0},
        {"right zooms out", 6, Qt::RightButton, 7},
        {"right at 17", 17, Qt::RightButton, 17},
        {"middle pans", 6, Qt::MiddleButton, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainMapView->SetCentre(ObjectTestCentre);
        form->chartLevel = c.level;
        SetChartLevel(*form);
        const cmgbase::GeoPoint clicked = geoAt(400, 300);
        press(c.button, 400, 300);
        EXPECT_EQ(form->chartLevel, c.levelAfter);
        if (c.level != c.levelAfter || c.button == Qt::MiddleButton) {
            EXPECT_NEAR(centre().x, clicked.x, 2000);
            EXPECT_NEAR(centre().y, clicked.y, 2000);
        }
    }

    MainMapView->SetCentre(ObjectTestCentre);
    form->chartLevel = 16;
    SetChartLevel(*form);
    const cmgbase::GeoPoint clicked = geoAt(400, 300);
    right(400, 300);
    EXPECT_EQ(form->chartLevel, 17);
    EXPECT_EQ(centre().y, 0) << "on the equator";
    EXPECT_NEAR(centre().x, clicked.x, 2000);

    form->chartLevel = 6;
    SetChartLevel(*form);
    ObjectPickKind = 2;
    right(400, 300);
    EXPECT_EQ(form->chartLevel, 6) << "a route pick sent on as a left click found nothing and did not zoom";
}

// Drawing a route: a point within 4 px of the last is not taken, the second press of a double
// click is, and the last point a route may have ends the drawing through the route's finish.
TEST_F(ChartMouseTest, DrawingTakesPointsAndEndsAtTheLastOne)
{
    RtDrawExecute(*form);
    left(100, 100);
    EXPECT_EQ(DrawnPointCount, 1);
    left(104, 96);
    EXPECT_EQ(DrawnPointCount, 1) << "4 px from the last point";
    mouse(form->CM93, QEvent::MouseButtonDblClick, Qt::LeftButton, {105, 100});
    EXPECT_EQ(DrawnPointCount, 2) << "a fast second click";
    EXPECT_EQ(AnchorPixel.x, 105);

    move(150, 120);
    EXPECT_EQ(cmgbase::GeoPoint(RouteTable[2].position), geoAt(150, 120)) << "the next waypoint floats";

    DrawnPointCount = MaxRouteWaypoints - 1;
    left(300, 300);
    EXPECT_EQ(DrawnPointCount, 0);
    EXPECT_EQ(RouteEditMode, RouteShown) << "the route's finish ran: the two points stored are kept";
    EXPECT_EQ(WaypointCount, 2);
}

// Editing a route: a waypoint within 6 px is dragged and dropped where the next click is; a
// click on a leg inserts a waypoint and drags it; 7 px off both is nothing.
TEST_F(ChartMouseTest, WaypointsAreDraggedAndInserted)
{
    editRoute(41, {{100, 100}, {200, 100}, {300, 200}});
    const ScreenPoint w = RouteTable[1].screenPoint;
    left(w.x + 7, w.y - 7);
    EXPECT_EQ(PickedPoint, -1) << "7 px from the waypoint and from both legs";
    left(w.x + 6, w.y - 6);
    ASSERT_EQ(PickedPoint, 2);
    move(250, 150);
    const ScreenPoint followed = RouteTable[1].screenPoint;
    EXPECT_EQ(followed.x, 250) << "the waypoint follows the pointer";
    left(250, 150);
    EXPECT_EQ(PickedPoint, -1);
    std::vector<PointRecord> points = pointsOf(41);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_TRUE(storedAt(points[1], {250, 150}));
    EXPECT_EQ(cmgbase::GeoPoint(RouteTable[1].position), geoAt(250, 150));

    left(175, 125);  // on the first leg, from (100, 100) to (250, 150)
    ASSERT_EQ(PickedPoint, 2);
    EXPECT_EQ(RouteEntryCount(), 4);
    left(150, 60);
    points = pointsOf(41);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[1].sequence, 2);
    EXPECT_TRUE(storedAt(points[1], {150, 60}));
    EXPECT_TRUE(storedAt(points[2], {250, 150}));
}

// A right click deletes one waypoint, the nearest within 6 px, with its name; the later points
// are renumbered and their names move along.
TEST_F(ChartMouseTest, RightClickDeletesTheNearestWaypoint)
{
    editRoute(42, {{100, 100}, {200, 100}, {204, 104}, {300, 200}});
    StoreText(42, 4, "Pier");
    const ScreenPoint w = RouteTable[2].screenPoint;
    right(w.x + 7, w.y + 7);
    EXPECT_EQ(RouteEntryCount(), 4) << "7 px from the nearest";
    right(w.x - 1, w.y - 1);
    const std::vector<PointRecord> points = pointsOf(42);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_TRUE(storedAt(points[1], {200, 100})) << "only the nearer one went";
    EXPECT_EQ(points[2].sequence, 3);
    EXPECT_EQ(ReadObjectText(42, 3).value_or(""), "Pier");
    EXPECT_EQ(RouteEntryCount(), 3);
}

// A route picked by a right click is loaded reversed and marked; gaps in its waypoint numbers
// are closed first, the names moving along, and the officer is told from where to check it.
TEST_F(ChartMouseTest, RightClickPicksARouteReversedAndRepairsIt)
{
    std::vector<PointRecord> points = pointsAt(43, {{100, 100}, {200, 150}, {300, 100}});
    points[1].sequence = 3;
    points[2].sequence = 4;
    StoreObject(StoredObject(ObjectType::ROUTE, 43, 2, "Buoy 4"), points);
    StoreText(43, 4, "Last");
    RtSelectExecute(*form);
    ASSERT_EQ(ObjectPickKind, 2);
    right(102, 102);
    EXPECT_STREQ(RouteName, "Buoy 4(<--)");
    EXPECT_EQ(RouteForward, 0);
    EXPECT_EQ(RouteStartRequest, 1);
    EXPECT_EQ(ObjectPickKind, 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "WP 2 is repaired. Check route onward from this wp!");
    EXPECT_EQ(boxes.shown[0].caption, "Warning !");
    points = pointsOf(43);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1].sequence, 2);
    EXPECT_EQ(points[2].sequence, 3);
    EXPECT_EQ(ReadObjectText(43, 3).value_or(""), "Last");
    ASSERT_EQ(RouteEntryCount(), 3);
    EXPECT_TRUE(storedAt(points[2], {RouteTable[0].screenPoint.x, RouteTable[0].screenPoint.y}))
        << "reversed: the last point first";
}

// Symbols: one click picks a symbol, the next moves it wherever it lands; a circle area takes
// two clicks and is stored as a zone.
TEST_F(ChartMouseTest, SymbolsMoveAndAreasAreStored)
{
    IdRecord symbol = StoredObject(ObjectType::SYMBOL, 20001, 1, "Mark");
    const cmgbase::GeoPoint at = geoAt(200, 200);
    symbol.latitude = StoredFromChart(at.y);
    symbol.longitude = StoredFromChart(at.x);
    StoreObject(symbol);
    sy_editExecute(*form);
    SetupParameters.SymbolColour = 3;
    left(203, 198);
    EXPECT_EQ(PickedSymbolId, 20001);
    left(400, 300);
    EXPECT_EQ(PickedSymbolId, 0);
    const IdRecord moved = StoredRecord(ObjectType::SYMBOL, 20001);
    EXPECT_EQ(moved.latitude, StoredFromChart(geoAt(400, 300).y));
    EXPECT_EQ(moved.longitude, StoredFromChart(geoAt(400, 300).x));
    EXPECT_EQ(moved.colour, 3);

    SyOkExecute(*form);
    form->LineBar->show();
    SetupParameters.LineKind = 2;
    SetupParameters.LineColour = 4;
    LiDrawExecute(*form);
    left(100, 100);
    left(140, 100);
    EXPECT_EQ(DrawnPointCount, 0);
    IdRecord zone;
    zone.objectType = ObjectType::ZONE;
    ASSERT_EQ(UserIsam.readGreaterOrEqual(IdTypeKey, UserKeyValue(IdTypeKey, platform::isam::bytesOf(zone)),
                                          platform::isam::bytesOf(zone)),
              platform::isam::Status::Ok);
    EXPECT_EQ(zone.objectType, ObjectType::ZONE);
    EXPECT_EQ(zone.latitude, StoredFromChart(geoAt(100, 100).y));
    EXPECT_EQ(zone.endLongitude, StoredFromChart(geoAt(140, 100).x));
    EXPECT_EQ(zone.colour, 4);
}

// Two wheel steps before the one-second tick makes them one zoom; the frame of the coming view
// is drawn while zooming in; a step back to the shown scale cancels it.
TEST_F(ChartMouseTest, WheelStepsMakeOneZoom)
{
    form->chartLevel = 8;
    SetChartLevel(*form);
    const int32_t shown = form->mainScale;
    move(320, 240);
    wheel(120);
    wheel(120);
    EXPECT_EQ(form->chartLevel, 6);
    EXPECT_EQ(form->mainScale, shown) << "not zoomed yet";
    EXPECT_EQ(Countdowns.chartLevelChange, 2);
    EXPECT_EQ(TickRequest.levelChangePoint.x, 320);
    form->Timer2Timer();
    EXPECT_EQ(form->mainScale, shown);
    form->Timer2Timer();
    EXPECT_EQ(form->mainScale, int32_t(ChartLevelTable[6]));

    wheel(-120);
    wheel(120);
    EXPECT_EQ(Countdowns.chartLevelChange, 0) << "back at the shown scale";

    form->chartLevel = 16;
    wheel(-120);
    EXPECT_EQ(form->chartLevel, 16);
}

}  // namespace
