#include "platform/components/IgpGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace {

using namespace Igpfunctions;
using Itypes::TiOrientation;

TEST(GetXYRadPoint, GoesCounterClockwiseOnTheScreen)
{
    struct Case {
        double angle;
        QPoint point;
    };
    // The hour dots of a clock face of radius 6 around (14, 14).
    for (const Case c : {Case{0, {20, 14}}, Case{30, {19, 11}}, Case{90, {14, 8}},
                         Case{180, {8, 14}}, Case{270, {14, 20}}, Case{-60, {17, 19}},
                         Case{390, {19, 11}}})
        EXPECT_EQ(GetXYRadPoint(c.angle, 6, {14, 14}), c.point) << c.angle;

    const Itypes::TPointDouble p = GetXYRadPointDouble(45, std::sqrt(2.0), PointDouble(1, 1));
    EXPECT_NEAR(p.x, 2, 1e-15);
    EXPECT_NEAR(p.y, 0, 1e-15);
}

TEST(PointDoubleToPoint, RoundsAndHoldsToInt)
{
    EXPECT_EQ(PointDoubleToPoint({2.5, -2.5}), QPoint(3, -3));
    EXPECT_EQ(PointDoubleToPoint({2.49, -2.51}), QPoint(2, -3));
    EXPECT_EQ(PointDoubleToPoint({1e12, NAN}), QPoint(INT_MAX, 0));
}

TEST(Orientation, SwapsXAndYWhenVertical)
{
    const QPoint point(3, 8);
    const QRect rect(1, 2, 30, 40);
    EXPECT_EQ(PointOrientation(point, TiOrientation::Horizontal), point);
    EXPECT_EQ(PointOrientation(point, TiOrientation::Vertical), QPoint(8, 3));
    EXPECT_EQ(RectOrientation(rect, TiOrientation::Horizontal), rect);
    EXPECT_EQ(RectOrientation(rect, TiOrientation::Vertical), QRect(2, 1, 40, 30));
}

TEST(Rectangles, FromEdgesCentresAndPointLists)
{
    const QRect edges = iRect(2, 3, 12, 8);
    EXPECT_EQ(edges, QRect(2, 3, 10, 5));
    EXPECT_EQ(GetRectCenterPoint(edges), QPoint(7, 5));

    const std::vector<QPoint> points{{3, 7}, {-2, 4}, {5, -1}};
    const QRect around = GetClickRect(points);
    EXPECT_EQ(around, QRect(QPoint(-2, -1), QPoint(5, 7)));
    for (const QPoint p : points)
        EXPECT_TRUE(around.contains(p));
    EXPECT_TRUE(GetClickRect({}).isNull());
}

}  // namespace
