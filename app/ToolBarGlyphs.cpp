#include "app/ToolBarGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <functional>

namespace {

constexpr QRgb White = 0xFFFFFFFF;

// One picture's drawing: a painter on a white 20 x 20 image without smoothing, and the inks.
struct Glyph {
    Glyph(QPainter& painter, const GlyphInks& inks) : p(painter), ink(inks) {}

    void pen(QRgb colour, int width = 1) { p.setPen(QPen(QColor(colour), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)); }
    void fill(QRgb colour) { p.setBrush(QColor(colour)); }
    void hollow() { p.setBrush(Qt::NoBrush); }
    void line(int x1, int y1, int x2, int y2) { p.drawLine(x1, y1, x2, y2); }
    void box(int x, int y, int w, int h) { p.drawRect(x, y, w, h); }
    void ring(int x, int y, int w, int h) { p.drawEllipse(x, y, w, h); }
    void shape(std::initializer_list<QPoint> points) { p.drawPolygon(QPolygon(QList<QPoint>(points))); }
    void path(std::initializer_list<QPoint> points) { p.drawPolyline(QPolygon(QList<QPoint>(points))); }
    void arc(int x, int y, int w, int h, int startDegrees, int spanDegrees)
    {
        p.drawArc(x, y, w, h, startDegrees * 16, spanDegrees * 16);
    }
    void pie(int x, int y, int w, int h, int startDegrees, int spanDegrees)
    {
        p.drawPie(x, y, w, h, startDegrees * 16, spanDegrees * 16);
    }

    // A magnifier with its lens at the top left.
    void magnifier()
    {
        pen(ink.outline, 2);
        fill(ink.light);
        ring(2, 2, 11, 11);
        line(12, 12, 17, 17);
    }

    // A chart frame with a coast whose land grows with the scale step 0..6.
    void chartFrame(int step)
    {
        pen(ink.outline);
        fill(ink.water);
        box(1, 3, 17, 13);
        pen(ink.outline);
        fill(ink.land);
        const int reach = 4 + 2 * step;
        shape({{2, 15}, {2, 15 - reach / 2}, {std::min(2 + reach, 17), 15}});
    }

    QPainter& p;
    const GlyphInks& ink;
};

using GlyphDrawing = std::function<void(Glyph&)>;

const GlyphDrawing Drawings[ToolBarImageCount] = {
    [](Glyph& g) {  // exit: the switch-off sign
        g.pen(g.ink.warning, 2);
        g.arc(3, 4, 13, 13, 120, 300);
        g.line(9, 2, 9, 9);
    },
    [](Glyph& g) {  // S52: a buoy on the water
        g.pen(g.ink.outline);
        g.fill(g.ink.water);
        g.box(1, 13, 17, 5);
        g.fill(g.ink.warning);
        g.shape({{9, 2}, {14, 12}, {4, 12}});
    },
    [](Glyph& g) {  // 2D: depth contours on a chart
        g.pen(g.ink.outline);
        g.fill(g.ink.water);
        g.box(1, 2, 17, 15);
        g.pen(g.ink.accent);
        g.hollow();
        g.ring(4, 5, 11, 9);
        g.ring(7, 7, 5, 5);
    },
    [](Glyph& g) {  // 3D: a cube
        g.pen(g.ink.outline);
        g.fill(g.ink.light);
        g.box(2, 7, 10, 10);
        g.fill(g.ink.water);
        g.shape({{2, 7}, {7, 2}, {17, 2}, {12, 7}});
        g.fill(g.ink.land);
        g.shape({{12, 7}, {17, 2}, {17, 12}, {12, 17}});
    },
    [](Glyph& g) {  // weather: a cloud with rain
        g.pen(g.ink.outline);
        g.fill(g.ink.light);
        g.ring(2, 5, 8, 7);
        g.ring(7, 2, 9, 9);
        g.box(4, 8, 12, 4);
        g.pen(g.ink.accent);
        for (const int x : {5, 9, 13})
            g.line(x, 14, x - 2, 18);
    },
    [](Glyph& g) {  // radar: the screen with its sweep and an echo
        g.pen(g.ink.outline);
        g.fill(g.ink.water);
        g.ring(1, 1, 17, 17);
        g.pen(g.ink.accent, 2);
        g.line(9, 9, 15, 4);
        g.pen(g.ink.warning);
        g.fill(g.ink.warning);
        g.box(5, 11, 2, 2);
    },
    [](Glyph& g) {  // zoom in
        g.magnifier();
        g.pen(g.ink.outline);
        g.line(5, 7, 10, 7);
        g.line(7, 5, 7, 10);
    },
    [](Glyph& g) {  // zoom out
        g.magnifier();
        g.pen(g.ink.outline);
        g.line(5, 7, 10, 7);
    },
    [](Glyph& g) {  // query: information about a chart object
        g.pen(g.ink.outline);
        g.fill(g.ink.light);
        g.ring(2, 2, 15, 15);
        g.pen(g.ink.accent, 2);
        g.line(9, 8, 9, 14);
        g.line(9, 5, 9, 5);
    },
    [](Glyph& g) {  // bearing line from the own ship
        g.pen(g.ink.accent);
        g.fill(g.ink.accent);
        g.ring(2, 14, 3, 3);
        g.pen(g.ink.outline, 2);
        g.line(4, 15, 17, 2);
        g.pen(g.ink.outline);
        g.hollow();
        g.arc(-6, 6, 20, 20, 0, 45);
    },
    [](Glyph& g) {  // ARPA: a radar target with its vector
        g.pen(g.ink.warning, 2);
        g.hollow();
        g.box(3, 9, 7, 7);
        g.line(9, 9, 16, 2);
    },
    [](Glyph& g) {  // the second ARPA radar
        g.pen(g.ink.warning, 2);
        g.hollow();
        g.box(2, 10, 6, 6);
        g.box(11, 3, 6, 6);
    },
    [](Glyph& g) {  // AIS: the target triangle with its vector
        g.pen(g.ink.warning, 2);
        g.hollow();
        g.shape({{9, 5}, {14, 16}, {4, 16}});
        g.line(9, 5, 9, 1);
    },
    [](Glyph& g) {  // event mark: a flag
        g.pen(g.ink.outline, 2);
        g.line(5, 2, 5, 17);
        g.pen(g.ink.warning);
        g.fill(g.ink.warning);
        g.shape({{6, 2}, {16, 6}, {6, 10}});
    },
    [](Glyph& g) {  // route: legs between waypoints
        g.pen(g.ink.accent, 2);
        g.path({{3, 16}, {8, 6}, {16, 11}});
        g.pen(g.ink.outline);
        g.fill(g.ink.light);
        for (const QPoint& at : {QPoint(3, 16), QPoint(8, 6), QPoint(16, 11)})
            g.ring(at.x() - 2, at.y() - 2, 4, 4);
    },
    [](Glyph& g) {  // look-ahead: the sector ahead of the own ship
        g.pen(g.ink.outline);
        g.fill(g.ink.warning);
        g.pie(-4, 4, 28, 28, 60, 60);
        g.fill(g.ink.accent);
        g.shape({{9, 13}, {12, 18}, {6, 18}});
    },
    [](Glyph& g) {  // track: the way the ship went
        g.p.setPen(QPen(QColor(g.ink.accent), 2, Qt::DotLine));
        g.hollow();
        g.arc(2, 3, 24, 26, 90, 90);
        g.pen(g.ink.outline);
        g.fill(g.ink.accent);
        g.shape({{14, 1}, {18, 4}, {14, 7}});
    },
    [](Glyph& g) {  // symbols: a circle, a square and a triangle
        g.pen(g.ink.outline);
        g.fill(g.ink.warning);
        g.ring(1, 1, 7, 7);
        g.fill(g.ink.accent);
        g.box(11, 2, 6, 6);
        g.fill(g.ink.land);
        g.shape({{9, 10}, {14, 18}, {4, 18}});
    },
    [](Glyph& g) {  // tools: the page of settings
        g.pen(g.ink.outline);
        g.fill(g.ink.light);
        g.box(2, 5, 15, 12);
        g.box(2, 2, 6, 3);
        g.line(5, 9, 14, 9);
        g.line(5, 12, 14, 12);
    },
    [](Glyph& g) {  // Auto: the automatic chart level
        g.pen(g.ink.outline, 2);
        g.path({{3, 17}, {9, 2}, {15, 17}});
        g.line(6, 11, 12, 11);
    },
    [](Glyph& g) {  // band 0: the globe
        g.pen(g.ink.outline);
        g.fill(g.ink.water);
        g.ring(1, 1, 17, 17);
        g.hollow();
        g.ring(6, 1, 7, 17);
        g.line(1, 9, 18, 9);
    },
    [](Glyph& g) { g.chartFrame(0); },
    [](Glyph& g) { g.chartFrame(1); },
    [](Glyph& g) { g.chartFrame(2); },
    [](Glyph& g) { g.chartFrame(3); },
    [](Glyph& g) { g.chartFrame(4); },
    [](Glyph& g) { g.chartFrame(5); },
    [](Glyph& g) { g.chartFrame(6); },
};

}  // namespace

ImageList DrawToolBarImages(const GlyphInks& inks)
{
    ImageList list(ToolBarImageSize);
    for (const GlyphDrawing& drawing : Drawings) {
        QImage picture(ToolBarImageSize, QImage::Format_RGB32);
        picture.fill(White);
        QPainter painter(&picture);
        Glyph glyph(painter, inks);
        drawing(glyph);
        painter.end();
        list.Add(picture, White);
    }
    return list;
}
