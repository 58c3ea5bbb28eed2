// The turns of route legs on real pixels, and the wheel-over mark's rules.

#include "PixelCount.h"

#include "chart/RouteLegShape.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>

namespace {

const QRgb kBackground = qRgb(90, 160, 220);
const QRgb kRoute = qRgb(255, 0, 0);
constexpr double Radian = std::numbers::pi / 180.0;

// The screen direction of a bearing on a north-up chart.
QPointF Heading(double bearing)
{
    return {std::sin(bearing * Radian), -std::cos(bearing * Radian)};
}

// A turn of `change` degrees to starboard (negative: to port) at (100, 100) from a leg running
// north, with the arc of `radius` px touching both legs.
TurnPixels TurnOf(double change, double radius)
{
    TurnPixels turn;
    turn.waypoint = {100, 100};
    turn.radius = radius;
    const double tangent = radius * std::tan(std::fabs(change) / 2 * Radian);
    turn.turnStart = turn.waypoint - tangent * Heading(0);
    turn.turnEnd = turn.waypoint + tangent * Heading(change);
    turn.centre = turn.turnStart + radius * Heading(change > 0 ? 90 : -90);
    return turn;
}

QImage Drawn(const TurnPixels& turn, double bearing)
{
    QImage image(220, 220, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter canvas(&image);
    canvas.setPen(QPen(QColor(kRoute), 1));
    canvas.setBrush(Qt::NoBrush);
    DrawTurn(canvas, turn, 0, bearing);
    return image;
}

// The route pixels off the circle of the turn, the handle squares at its ends left out.
int OffTheCircle(const QImage& image, const TurnPixels& turn)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QPointF pixel(x + 0.5, y + 0.5);
            const bool nearEnd = QLineF(pixel, turn.turnStart).length() < 4 || QLineF(pixel, turn.turnEnd).length() < 4;
            if (image.pixel(x, y) == kRoute && !nearEnd &&
                std::fabs(QLineF(pixel, turn.centre).length() - turn.radius) > 1.5)
                ++count;
        }
    return count;
}

}  // namespace

TEST(RouteLegShape, TurnsFrom110DegreesAreArcsOfTheTurnRadiusBelowThickenedCurves)
{
    struct Case {
        double change;  // degrees, negative to port
        bool arc;
    };
    const Case cases[] = {{109.9, false}, {110.0, true}, {-110.0, true}, {130.0, true}, {-60.0, false}};
    const QRect all(0, 0, 220, 220);
    std::map<double, int> drawnPixels;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        const TurnPixels turn = TurnOf(c.change, 40);
        const double bearing = c.change < 0 ? 360 + c.change : c.change;
        const QImage image = Drawn(turn, bearing);
        const int drawn = CountOf(image, all, kRoute);
        const double arcLength = turn.radius * (180 - std::fabs(180 - std::fabs(c.change))) * Radian;
        if (c.arc) {
            EXPECT_EQ(OffTheCircle(image, turn), 0);
            EXPECT_GT(drawn, arcLength * 0.9);
            EXPECT_LT(drawn, arcLength * 1.6 + 32);
        } else {
            EXPECT_GT(OffTheCircle(image, turn) + drawn, arcLength * 1.1 + 32);
        }
        drawnPixels[c.change] = drawn;
        // The handle squares at both ends.
        for (const QPointF& end : {turn.turnStart, turn.turnEnd}) {
            const QPoint corner(int(std::lround(end.x())) - 2, int(std::lround(end.y())) - 2);
            EXPECT_EQ(image.pixel(corner), kRoute);
        }
    }
    // At 109.9 degrees the corner is all but the 110-degree one, but its curve is drawn thickened
    // by the passes aside.
    EXPECT_GT(drawnPixels[109.9], drawnPixels[110.0] * 1.3);
}

TEST(RouteLegShape, TurnAngleAndCourseChangeFoldTheBearings)
{
    EXPECT_DOUBLE_EQ(TurnAngle(10, 350), 20);
    EXPECT_DOUBLE_EQ(TurnAngle(350, 10), 340);
    EXPECT_DOUBLE_EQ(CourseChange(350, 10), 20);
    EXPECT_DOUBLE_EQ(CourseChange(0, 180), 180);
    EXPECT_DOUBLE_EQ(CourseChange(90, 90), 0);
}

TEST(RouteLegShape, WheelOverMarkCrossesThePreviousLegForSmallChangesOrWithoutADistance)
{
    struct Case {
        double change;
        int32_t setting;
        bool across;
    };
    const Case cases[] = {{15, 50, true}, {15.1, 50, false}, {170, -1, true}, {90, -1, true}, {90, 0, false}};
    for (const Case& c : cases)
        EXPECT_EQ(WheelOverAcrossPreviousLeg(c.change, c.setting), c.across) << c.change << " " << c.setting;
}

TEST(RouteLegShape, WheelOverHalfLengthStaysBoundedNearAReversal)
{
    const double atSin15 = 1.5 * 0.2 / std::sin(15 * Radian);
    EXPECT_NEAR(WheelOverHalfLength(0.2, 90, 10), 0.3, 1e-12);
    EXPECT_NEAR(WheelOverHalfLength(0.2, 179.99, 10), atSin15, 1e-12);
    EXPECT_NEAR(WheelOverHalfLength(0.2, 180, 10), atSin15, 1e-12);
    EXPECT_NEAR(WheelOverHalfLength(0.2, 179.99, 0.5), 0.5, 1e-12);  // never beyond the leg
    EXPECT_NEAR(WheelOverHalfLength(0.01, 90, 10), 0.1, 1e-12);      // at least 0.1 nm
}
