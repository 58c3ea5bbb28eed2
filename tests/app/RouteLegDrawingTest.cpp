// Legs of the route table drawn over the bay's chart: the leg and its turn in the route colour,
// nothing for ends that share a pixel, and the wheel-over point left for route following.

#include "BayWindowTest.h"

#include "app/RouteLegDrawing.h"
#include "chart/OverlayColours.h"
#include "frame/SetupParameters.h"
#include "userdata/RouteLegs.h"
#include "userdata/WheelOverPoint.h"

#include <QImage>
#include <QPainter>

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
        for (int32_t i = 0; i < RouteEntryCount(); ++i) {
            ComputeWaypointTurn(i);
            ScreenPoint pixel{};
            ASSERT_TRUE(MainMapView->GeoToScreen(form->chartRect, RouteTable[size_t(i)].position, pixel));
            RouteTable[size_t(i)].screenPoint = pixel;
        }
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
