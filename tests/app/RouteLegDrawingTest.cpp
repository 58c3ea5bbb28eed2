// Legs of the route table drawn over the bay's chart: the leg and its turn in the route colour,
// nothing for ends that share a pixel, the wheel-over point left for route following, and legs
// sailed as great circles.

#include "BayWindowTest.h"

#include "app/GreatCircleLegDrawing.h"
#include "app/RouteLegDrawing.h"
#include "app/RubberBand.h"
#include "chart/OverlayColours.h"
#include "frame/PortSettings.h"
#include "frame/RhumbLine.h"
#include "frame/SetupParameters.h"
#include "userdata/RouteLegs.h"
#include "userdata/WheelOverPoint.h"

#include <QImage>
#include <QPainter>

#include <mutex>
#include <optional>

#include <gtest/gtest.h>

namespace {

class RouteLegDrawingTest : public BayWindowTest {
protected:
    void SetUp() override
    {
        BayWindowTest::SetUp();
        ShowChart(10, InTheBay);
        SetupParameters.DefaultLane = 10;
        SetupParameters.DefaultTurnRadius = 20;
        SetupParameters.ShowLane = 1;
        SetupParameters.WheelOverDistance = 20;
        image.fill(Qt::white);
        LeaveWheelOverPoint(false, {});
    }

    void TearDown() override
    {
        RouteEditMode = 0;
        LeaveWheelOverPoint(false, {});
        BayWindowTest::TearDown();
    }

    // A route north, then east: three waypoints a few miles apart in the bay.
    void LoadRoute()
    {
        ClearRouteTable();
        for (const cmgbase::GeoPoint& p :
             {Degrees(-76.45, 38.90), Degrees(-76.45, 38.97), Degrees(-76.37, 38.97)}) {
            WP_typ entry;
            entry.position = p;
            ASSERT_TRUE(AppendRouteEntry(entry));
        }
        RouteEditMode = RouteShown;
        ComputeRouteLegs();
        PlaceRouteEntries();
    }

    int RoutePixels() const
    {
        int count = 0;
        const QRgb route = UserColour(2).rgb();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == route;
        return count;
    }

    void Draw(int32_t leg)
    {
        QPainter canvas(&image);
        DrawRouteLeg(*form, canvas, leg, true, false);
    }

    QImage image{800, 600, QImage::Format_RGB32};
};

}  // namespace

TEST_F(RouteLegDrawingTest, ALegIsDrawnInTheRouteColourAndEndsOnOnePixelDrawNothing)
{
    LoadRoute();
    Draw(1);
    EXPECT_GT(RoutePixels(), 20);

    image.fill(Qt::white);
    RouteTable[2].screenPoint = ScreenPoint{RouteTable[1].screenPoint.x, RouteTable[1].screenPoint.y};
    Draw(1);
    EXPECT_EQ(RoutePixels(), 0);

    image.fill(Qt::white);
    RouteTable[2].screenPoint = {0, 0};
    Draw(1);
    EXPECT_EQ(RoutePixels(), 0);
}

TEST_F(RouteLegDrawingTest, TheWheelOverPointGoesToRouteFollowingWithTheFlagByTheCourseChange)
{
    struct Case {
        int16_t setting;
        uint8_t flag;
    };
    const Case cases[] = {{20, 0}, {-1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        LoadRoute();
        CurrentWaypoint = 1;  // steering to the corner: the turn of leg 1 is ahead
        SetupParameters.WheelOverDistance = c.setting;
        LeaveWheelOverPoint(!c.flag, {});
        Draw(1);
        EXPECT_EQ(WheelOverFlag, c.flag);
    }
    // Arriving at the last waypoint: the point lies on the last leg, the flag set.
    SetupParameters.WheelOverDistance = 20;
    CurrentWaypoint = 2;
    LeaveWheelOverPoint(false, {});
    Draw(1);
    EXPECT_EQ(WheelOverFlag, 1);
    const int32_t corner = RouteTable[1].position.x;
    const int32_t last = RouteTable[2].position.x;
    EXPECT_GT(WheelOverPoint.x, corner);
    EXPECT_LT(WheelOverPoint.x, last);
}

TEST_F(RouteLegDrawingTest, GreatCircleLegsAreCutIntoEqualStepsOfAtMost300Miles)
{
    struct Case {
        double distance;
        double step;  // 0: none
    };
    const Case cases[] = {{600, 200}, {299, 299}, {301, 150.5}, {0, 0}, {0.0001, 0}};
    for (const Case& c : cases) {
        const std::optional<double> step = GreatCircleStep(c.distance);
        EXPECT_EQ(step.has_value(), c.step > 0) << c.distance;
        if (step) {
            EXPECT_DOUBLE_EQ(*step, c.step) << c.distance;
        }
    }
}

TEST_F(RouteLegDrawingTest, AGreatCircleLegIsDrawnWithThreePointsOrMore)
{
    LoadRoute();
    // Under 300 miles a leg is one step, two points: the caller draws it as a rhumb line.
    {
        QPainter canvas(&image);
        EXPECT_FALSE(DrawGreatCircleLeg(*form, canvas, 0, 2));
    }
    EXPECT_EQ(RoutePixels(), 0);

    // Out of the bay across the Atlantic, the ship at the start.
    RouteTable[1].position = AtSea;
    PlaceShip(InTheBay);
    NearestGreatCirclePoint = AtSea;
    {
        QPainter canvas(&image);
        EXPECT_TRUE(DrawGreatCircleLeg(*form, canvas, 0, 2));
    }
    EXPECT_GT(RoutePixels(), 20);
    double miles = 0;
    double bearing = 0;
    RhumbLineInverse(miles, bearing, NearestGreatCirclePoint, RouteTable[0].position);
    EXPECT_LT(miles, 1.0);

    RouteTable[1].position = RouteTable[0].position;
    QPainter canvas(&image);
    EXPECT_FALSE(DrawGreatCircleLeg(*form, canvas, 0, 2));
}

TEST_F(RouteLegDrawingTest, WhileARouteIsDrawnTheLegAfterTheCursorRunsOnInTheSameBearing)
{
    LoadRoute();
    {
        const std::lock_guard lock(ComOutStateLock);
        WaypointCount = 2;  // the third entry is the cursor's
    }
    RouteEditMode = RouteDrawing;
    RouteTable[2].legBearing = 123.0f;
    Draw(1);
    EXPECT_FLOAT_EQ(RouteTable[2].legBearing, RouteTable[1].legBearing);
    // Shown, the entry after the last leg keeps its own.
    RouteEditMode = RouteShown;
    RouteTable[2].legBearing = 123.0f;
    Draw(1);
    EXPECT_FLOAT_EQ(RouteTable[2].legBearing, 123.0f);
}

TEST_F(RouteLegDrawingTest, WhileAWaypointIsDraggedAGreatCircleLegEndsInADottedStretch)
{
    LoadRoute();
    RouteTable[1].position = Degrees(-66.0, 36.0);
    ShowChart(15, Degrees(-71.0, 37.5));
    const auto drawn = [&](int32_t mode, int32_t picked) {
        RouteEditMode = mode;
        PickedPoint = picked;
        image.fill(Qt::white);
        QPainter canvas(&image);
        EXPECT_TRUE(DrawGreatCircleLeg(*form, canvas, 0, 2));
        canvas.end();
        return RoutePixels();
    };
    const int solid = drawn(RouteShown, -1);
    const int dragged = drawn(RouteEditing, 2);
    PickedPoint = -1;
    EXPECT_GT(solid, 20);
    EXPECT_LT(dragged, solid);
    EXPECT_GT(dragged, solid / 3);
}
