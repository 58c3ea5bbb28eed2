#include "platform/components/IgpBorders.h"
#include "platform/components/IgpGradients.h"
#include "platform/components/IgpShapes.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace {

using namespace Igpfunctions;
using namespace Itypes;

const QColor White(255, 255, 255);
const QColor Light(250, 0, 0);
const QColor Midlight(200, 0, 0);
const QColor Dark(0, 0, 200);
const QColor Shadow(0, 0, 50);
const QColor Text(0, 120, 0);
const QColor DisabledText(120, 120, 120);

// A palette whose shading roles are told apart by their colours.
QPalette Shades()
{
    QPalette palette;
    palette.setColor(QPalette::Light, Light);
    palette.setColor(QPalette::Midlight, Midlight);
    palette.setColor(QPalette::Dark, Dark);
    palette.setColor(QPalette::Shadow, Shadow);
    palette.setColor(QPalette::Button, QColor(128, 128, 128));
    palette.setColor(QPalette::Active, QPalette::ButtonText, Text);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, DisabledText);
    return palette;
}

// A white 40 x 40 picture with the drawing done on it.
QImage Drawn(const std::function<void(QPainter&)>& draw)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(White);
    QPainter painter(&image);
    draw(painter);
    return image;
}

QColor At(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

bool Near(const QColor& a, const QColor& b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

TEST(Shapes, RectangleOutlineAndLineEndsOnTheirPixels)
{
    const QImage image = Drawn([](QPainter& p) {
        p.setPen(Qt::black);
        p.setBrush(Qt::red);  // an outline leaves the inside alone
        iRectangle(p, QRect(2, 2, 10, 10));
        Line(p, 20, 5, 30, 5);
    });
    for (const QPoint corner : {QPoint(2, 2), QPoint(11, 2), QPoint(2, 11), QPoint(11, 11)})
        EXPECT_EQ(At(image, corner.x(), corner.y()), QColor(Qt::black)) << corner.x() << corner.y();
    for (const QPoint outside : {QPoint(12, 2), QPoint(2, 12), QPoint(1, 5), QPoint(6, 6)})
        EXPECT_EQ(At(image, outside.x(), outside.y()), White) << outside.x() << outside.y();
    EXPECT_EQ(At(image, 20, 5), QColor(Qt::black));
    EXPECT_EQ(At(image, 30, 5), QColor(Qt::black));
    EXPECT_EQ(At(image, 31, 5), White);
}

TEST(Shapes, BevelledLinesPutLightAndDarkSideBySide)
{
    struct Case {
        TiBevelStyle style;
        QColor first;  // row 10, then row 11
        QColor second;
    };
    for (const Case c : {Case{TiBevelStyle::Raised, Light, Dark},
                         Case{TiBevelStyle::Lowered, Dark, Light}}) {
        const QImage image =
            Drawn([&](QPainter& p) { LineBevel(p, 5, 10, 30, 10, c.style, Shades()); });
        EXPECT_EQ(At(image, 15, 10), c.first);
        EXPECT_EQ(At(image, 15, 11), c.second);
        EXPECT_EQ(At(image, 15, 9), White);
        EXPECT_EQ(At(image, 15, 12), White);
    }
}

TEST(Shapes, ArcSegmentFillsTheRingPartOnly)
{
    const QImage image = Drawn([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::red);
        ArcSegment(p, QPointF(20, 20), 8, 18, 0, 90);  // the upper right quarter
    });
    EXPECT_EQ(At(image, 29, 11), QColor(Qt::red));    // 45 degrees, radius 13
    EXPECT_EQ(At(image, 32, 19), QColor(Qt::red));    // near 0 degrees
    EXPECT_EQ(At(image, 22, 17), White);              // in the hole
    EXPECT_EQ(At(image, 11, 11), White);              // 135 degrees
    EXPECT_EQ(At(image, 29, 29), White);              // -45 degrees
    EXPECT_EQ(At(image, 34, 6), White);               // beyond the outer radius
}

TEST(Shapes, TrianglesPointTheirWay)
{
    struct Case {
        TiDirection direction;
        QPoint tip;
        QPoint baseEnd1;
        QPoint baseEnd2;
        QPoint beside;  // the rectangle's corner next to the tip, left empty
    };
    const QRect rect(10, 10, 9, 9);
    for (const Case c : {Case{TiDirection::Up, {14, 10}, {10, 18}, {18, 18}, {10, 10}},
                         Case{TiDirection::Down, {14, 18}, {10, 10}, {18, 10}, {18, 18}},
                         Case{TiDirection::Left, {10, 14}, {18, 10}, {18, 18}, {10, 18}},
                         Case{TiDirection::Right, {18, 14}, {10, 10}, {10, 18}, {18, 10}}}) {
        const QImage image =
            Drawn([&](QPainter& p) { iDrawTriangle(p, rect, c.direction, Qt::blue); });
        for (const QPoint filled : {c.tip, c.baseEnd1, c.baseEnd2, rect.center()})
            EXPECT_EQ(At(image, filled.x(), filled.y()), QColor(Qt::blue))
                << static_cast<int>(c.direction) << ": " << filled.x() << "," << filled.y();
        EXPECT_EQ(At(image, c.beside.x(), c.beside.y()), White) << static_cast<int>(c.direction);
    }
}

TEST(Shapes, ButtonArrowsSitInTheMiddleInTheButtonTextColour)
{
    // A 16 x 8 button: a 9 x 5 arrow from (3, 1) to (11, 5).
    struct Case {
        void (*draw)(QPainter&, const QRect&, bool, const QPalette&);
        bool enabled;
        QPoint tip;
        QPoint baseEnd;
        QColor colour;
    };
    for (const Case c : {Case{iDrawButtonArrowUp, true, {7, 1}, {3, 5}, Text},
                         Case{iDrawButtonArrowDown, true, {7, 5}, {11, 1}, Text},
                         Case{iDrawButtonArrowUp, false, {7, 1}, {11, 5}, DisabledText}}) {
        const QImage image =
            Drawn([&](QPainter& p) { c.draw(p, QRect(0, 0, 16, 8), c.enabled, Shades()); });
        EXPECT_EQ(At(image, c.tip.x(), c.tip.y()), c.colour);
        EXPECT_EQ(At(image, c.baseEnd.x(), c.baseEnd.y()), c.colour);
        EXPECT_EQ(At(image, 2, c.baseEnd.y()), White);
        EXPECT_EQ(At(image, 12, c.baseEnd.y()), White);
        EXPECT_EQ(At(image, 7, 0), White);
        EXPECT_EQ(At(image, 7, 6), White);
    }
}

TEST(Borders, EdgesTakeTheShadesOfTheirStyle)
{
    // Colours at the middle of the top, left, bottom and right edges, outer ring then inner.
    struct Case {
        const char* name;
        std::function<void(QPainter&, const QRect&)> draw;
        QColor outerTopLeft;
        QColor outerBottomRight;
        QColor innerTopLeft;
        QColor innerBottomRight;
    };
    const QPalette shades = Shades();
    const Case cases[] = {
        {"raised border", [&](QPainter& p, const QRect& r) { DrawRaisedBorder(p, r, shades); },
         Light, Dark, White, White},
        {"sunken border", [&](QPainter& p, const QRect& r) { DrawSunkenBorder(p, r, shades); },
         Dark, Light, White, White},
        {"raised edge",
         [&](QPainter& p, const QRect& r) { iDrawEdge(p, r, TiDrawEdgeStyle::Raised, shades); },
         Light, Shadow, Midlight, Dark},
        {"sunken edge",
         [&](QPainter& p, const QRect& r) { iDrawEdge(p, r, TiDrawEdgeStyle::Sunken, shades); },
         Dark, Light, Shadow, Midlight},
        {"etched edge",
         [&](QPainter& p, const QRect& r) { iDrawEdge(p, r, TiDrawEdgeStyle::Etched, shades); },
         Dark, Light, Light, Dark},
        {"bump",
         [&](QPainter& p, const QRect& r) { iDrawEdge(p, r, TiDrawEdgeStyle::Bump, shades); },
         Light, Dark, Dark, Light},
    };
    const QRect rect(5, 5, 20, 20);
    for (const Case& c : cases) {
        const QImage image = Drawn([&](QPainter& p) { c.draw(p, rect); });
        EXPECT_EQ(At(image, 15, 5), c.outerTopLeft) << c.name << " top";
        EXPECT_EQ(At(image, 5, 15), c.outerTopLeft) << c.name << " left";
        EXPECT_EQ(At(image, 15, 24), c.outerBottomRight) << c.name << " bottom";
        EXPECT_EQ(At(image, 24, 15), c.outerBottomRight) << c.name << " right";
        EXPECT_EQ(At(image, 15, 6), c.innerTopLeft) << c.name << " inner top";
        EXPECT_EQ(At(image, 6, 15), c.innerTopLeft) << c.name << " inner left";
        EXPECT_EQ(At(image, 15, 23), c.innerBottomRight) << c.name << " inner bottom";
        EXPECT_EQ(At(image, 23, 15), c.innerBottomRight) << c.name << " inner right";
        EXPECT_EQ(At(image, 15, 15), White) << c.name << " inside";
        EXPECT_EQ(At(image, 15, 4), White) << c.name << " outside";
    }
}

TEST(Borders, FocusRectanglesDotEveryOtherOutlinePixel)
{
    const QColor ground(0x33, 0x66, 0x99);
    const QColor inverted(0xCC, 0x99, 0x66);
    const QRect rect(4, 4, 7, 5);
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(ground);
    const QImage before = image;
    {
        QPainter painter(&image);
        iDrawFocusRect(painter, rect);
    }
    // Clockwise from the top left corner: dots on the even places of the 20 outline pixels.
    EXPECT_EQ(At(image, 4, 4), inverted);
    EXPECT_EQ(At(image, 5, 4), ground);
    EXPECT_EQ(At(image, 10, 4), inverted);
    EXPECT_EQ(At(image, 10, 5), ground);
    EXPECT_EQ(At(image, 10, 6), inverted);
    EXPECT_EQ(At(image, 4, 5), ground);
    EXPECT_EQ(At(image, 4, 6), inverted);
    EXPECT_EQ(At(image, 7, 6), ground);
    {
        QPainter painter(&image);
        iDrawFocusRect(painter, rect);
    }
    EXPECT_EQ(image, before);

    const QImage coloured = Drawn([&](QPainter& p) { iDrawFocusRect2(p, rect, Qt::red); });
    EXPECT_EQ(At(coloured, 4, 4), QColor(Qt::red));
    EXPECT_EQ(At(coloured, 5, 4), White);
    EXPECT_EQ(At(coloured, 6, 4), QColor(Qt::red));
}

TEST(Gradients, RunFromTheStartSideToTheOther)
{
    struct Case {
        TiFillDirection direction;
        QPoint start;
        QPoint end;
    };
    const QRect rect(5, 5, 21, 11);
    const QColor from(0, 0, 200);
    const QColor to(200, 100, 0);
    for (const Case c : {Case{TiFillDirection::LeftToRight, {5, 10}, {25, 10}},
                         Case{TiFillDirection::RightToLeft, {25, 10}, {5, 10}},
                         Case{TiFillDirection::TopToBottom, {15, 5}, {15, 15}},
                         Case{TiFillDirection::BottomToTop, {15, 15}, {15, 5}}}) {
        const QImage image =
            Drawn([&](QPainter& p) { DrawGradientDirection(p, rect, from, to, c.direction); });
        EXPECT_EQ(At(image, c.start.x(), c.start.y()), from) << static_cast<int>(c.direction);
        EXPECT_EQ(At(image, c.end.x(), c.end.y()), to) << static_cast<int>(c.direction);
        EXPECT_TRUE(Near(At(image, 15, 10), QColor(100, 50, 100), 3))
            << static_cast<int>(c.direction);
        EXPECT_EQ(At(image, 4, 10), White);
    }

    const QImage vertical =
        Drawn([&](QPainter& p) { DrawGradient(p, rect, from, to, TiOrientation::Vertical); });
    EXPECT_EQ(At(vertical, 5, 5), from);
    EXPECT_EQ(At(vertical, 25, 5), from);
    EXPECT_EQ(At(vertical, 5, 15), to);
}

TEST(Gradients, CircleRunsFromItsMiddleToItsEdge)
{
    const QColor centre(255, 255, 0);
    const QColor edge(0, 0, 255);
    const QImage image =
        Drawn([&](QPainter& p) { DrawGradientCircle(p, QRect(0, 0, 40, 40), centre, edge); });
    EXPECT_TRUE(Near(At(image, 20, 20), centre, 20));
    EXPECT_TRUE(Near(At(image, 20, 1), edge, 30));
    EXPECT_TRUE(Near(At(image, 10, 20), QColor(128, 128, 128), 20));
    EXPECT_EQ(At(image, 1, 1), White);  // outside the circle
}

}  // namespace
