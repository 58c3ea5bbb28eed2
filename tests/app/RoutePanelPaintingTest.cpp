// The route panel's pictures in a QImage: the steering arrow as it turns with the deviation, and
// the cross-track bar on the side the own ship is off the track.

#include "app/RouteEtaPanel.h"
#include "chart/OverlayColours.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QPainter>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

namespace {

QImage Painted(int width, int height, const std::function<void(QPainter&)>& paint)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter canvas(&image);
    paint(canvas);
    return image;
}

}  // namespace

TEST(RoutePanelPaintingTest, SteeringArrowTurnsWithTheDeviation)
{
    // The arrow's corners upright: (22, 2) the tip, (29, 11) and (14, 11) the shoulders, (29, 41)
    // and (14, 41) the foot; turned 90 degrees its tip points right, at (42, 22).
    const QColor button = QApplication::palette().color(QPalette::Button);
    struct Probe {
        int x, y;
        bool filled;
    };
    struct Case {
        double deviation;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {0, {{22, 4, true}, {22, 22, true}, {27, 39, true}, {22, 0, false}, {39, 22, false}, {5, 22, false}}},
        {90, {{39, 22, true}, {22, 22, true}, {22, 4, false}, {22, 40, false}, {44, 22, false}}},
        {-90, {{5, 22, true}, {22, 22, true}, {22, 4, false}, {22, 40, false}, {0, 22, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deviation);
        const QImage image =
            Painted(45, 45, [&](QPainter& canvas) { PaintSteeringArrow(canvas, c.deviation, Qt::black); });
        for (const Probe& p : c.probes)
            EXPECT_EQ(image.pixelColor(p.x, p.y), p.filled ? QColor(Qt::black) : button)
                << p.x << "," << p.y;
    }
}

TEST(RoutePanelPaintingTest, CrossTrackBarFromTheMiddleToTheSideOffTrack)
{
    // A box 100 wide: half a lane (0.05 of 0.1 nm) to port fills 25 pixels left of the middle in
    // user colour 1; beyond the lane to starboard the whole right half in user colour 3.
    const QColor button = QApplication::palette().color(QPalette::Button);
    struct Case {
        const char* name;
        double crossTrack;
        int lane;
        int from, to;  // filled columns
        int colour;
    };
    const Case cases[] = {
        {"half a lane to port", 0.05, 10, 25, 49, 1},
        {"beyond the lane to port", 0.4, 10, 0, 49, 1},
        {"beyond the lane to starboard", -0.3, 10, 50, 99, 3},
        {"no lane", -0.01, 0, 50, 99, 3},
        {"on the track", 0.0, 10, 1, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = Painted(
            100, 10, [&](QPainter& canvas) { PaintCrossTrackBar(canvas, QRect(0, 0, 100, 10), c.crossTrack, c.lane); });
        for (int x = 0; x < 100; ++x) {
            const bool filled = x >= c.from && x <= c.to;
            ASSERT_EQ(image.pixelColor(x, 5), filled ? UserColour(c.colour) : button) << x;
        }
    }
}
