// The overlay primitives on real pixels: lines, label boxes, symbols of the real symbol strip,
// depth marks with their labelling rule, and zones and fields of a real main view.

#include "ChartWindowFixture.h"
#include "PixelCount.h"

#include "chart/ChartWindow.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayFont.h"
#include "chart/OverlayPrimitives.h"
#include "frame/PixelGeometry.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <optional>

namespace {

const QRgb kBackground = qRgb(90, 160, 220);  // no user colour, no strip colour

void SetDayColours()
{
    UserColourTable = {0, 0x0000FF, 0xFF0000, 0x00C000, 0x00F0FF, 0xFF00FF, 0x000000, 0x00B0FF};
}

class OverlayPrimitives : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitSharedTables();
        SetDayColours();
        SetupParameters = {};
        SetupParameters.DepthFactor = 1.0f;
        image.fill(kBackground);
    }

    ChartWindow window;
    QImage image{200, 120, QImage::Format_RGB32};
};

TEST_F(OverlayPrimitives, LineSegmentRunsBetweenItsEndsUnlessTheyCoincide)
{
    struct Case {
        int32_t x1, y1, x2, y2, width;
    };
    const Case cases[] = {
        {10, 10, 10, 10, 1}, {10, 10, 10, 10, 3}, {10, 10, 60, 10, 1},
        {20, 90, 20, 30, 2}, {5, 5, 150, 100, 1}, {-100, 60, 120, 60, 1},
    };
    const QRgb blue = qRgb(0, 0, 255);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2);
        image.fill(kBackground);
        {
            QPainter canvas(&image);
            DrawLineSegment(window, canvas, UserColourTable[2], c.x1, c.y1, c.x2, c.y2, c.width);
        }
        if (c.x1 == c.x2 && c.y1 == c.y2) {
            EXPECT_EQ(CountOf(image, image.rect(), kBackground), image.width() * image.height());
            continue;
        }
        if (image.rect().contains(c.x1, c.y1)) {
            EXPECT_EQ(image.pixel(c.x1, c.y1), blue);
        }
        EXPECT_EQ(image.pixel(c.x2, c.y2), blue);
        EXPECT_EQ(image.pixel((c.x1 + c.x2) / 2, (c.y1 + c.y2) / 2), blue);
    }
}

TEST_F(OverlayPrimitives, LabelBoxIsMeasuredInTheLabelFontAndFilled)
{
    const std::string text = "WP 12 Cape Henry";
    for (const int16_t textSize : {int16_t(1), int16_t(8)}) {
        SCOPED_TRACE(textSize);
        SetupParameters.Resolution = textSize;
        image.fill(kBackground);
        const QFont labelFont = ChartOverlayFont(textSize);
        int32_t width = 0;
        {
            QPainter canvas(&image);
            canvas.setFont(QFont(labelFont.family(), 40));  // a font in force far from the label's
            width = DrawLabelBox(window, canvas, 20, text, UserColour(4), 30);
        }
        const QFontMetrics metrics(labelFont, &image);
        EXPECT_EQ(width, metrics.horizontalAdvance(QString::fromStdString(text)));
        ASSERT_LT(20 + width + 10, image.width());

        const int middle = 30 + metrics.height() / 2;
        const QRgb yellow = UserColour(4).rgb();
        EXPECT_EQ(image.pixel(20, middle), WindowTextColour().rgb());  // the outline
        EXPECT_EQ(image.pixel(21, middle), yellow);                     // the margin before the text
        EXPECT_EQ(image.pixel(20 + width + 3, middle), WindowTextColour().rgb());
        EXPECT_EQ(image.pixel(20 + width + 4, middle), kBackground);
        EXPECT_EQ(image.pixel(20, 30 + metrics.height()), kBackground);  // below the box
        const QRect inside(21, 31, width + 2, metrics.height() - 3);
        const int area = inside.width() * inside.height();
        EXPECT_EQ(CountOf(image, inside, kBackground), 0);
        EXPECT_GT(area - CountOf(image, inside, yellow), 10);  // the text
    }
}

TEST_F(OverlayPrimitives, MaskedIconKeepsTheBackgroundAroundTheSymbolsColours)
{
    const std::filesystem::path strip = std::filesystem::path(VARNIK_SOURCE_DIR) / "data" / "symbols.bmp";
    ASSERT_TRUE(window.SymbolStrip.load(QString::fromStdString(strip.string())));
    const QImage original = window.SymbolStrip.convertToFormat(QImage::Format_RGB32);
    struct Case {
        int32_t icon, row;
    };
    for (const Case c : {Case{0, 1}, Case{1, 3}, Case{7, 2}, Case{29, 6}}) {
        SCOPED_TRACE(testing::Message() << "icon " << c.icon << " row " << c.row);
        image.fill(kBackground);
        QPainter canvas(&image);
        DrawMaskedIcon(window, canvas, c.icon, c.row, 60, 40);
        EXPECT_EQ(canvas.compositionMode(), QPainter::CompositionMode_SourceOver);
        canvas.end();
        int symbolPixels = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool clear = original.pixel(c.icon * 17 + x, y) == qRgb(255, 255, 255);
                symbolPixels += !clear;
                const QRgb expected = clear ? kBackground : original.pixel(c.icon * 17 + x, c.row * 17 + y);
                ASSERT_EQ(image.pixel(52 + x, 32 + y), expected) << x << "," << y;
            }
        EXPECT_GT(symbolPixels, 0);
        // Around the cell the canvas is untouched.
        EXPECT_EQ(CountOf(image, image.rect(), kBackground), image.width() * image.height() - symbolPixels);
    }

    image.fill(kBackground);
    QPainter canvas(&image);
    DrawMaskedIcon(window, canvas, 50, 1, 60, 40);  // past the strip's last cell
    DrawMaskedIcon(window, canvas, 0, 7, 60, 40);   // past its last row
    canvas.end();
    EXPECT_EQ(CountOf(image, image.rect(), kBackground), image.width() * image.height());
}

TEST_F(OverlayPrimitives, DepthMarkIsASquareInThePenInForce)
{
    window.lastDepthLabel = ScreenPoint{50, 50};  // no label
    QPainter canvas(&image);
    canvas.setPen(QPen(UserColour(3), 1));
    DrawDepthMark(window, canvas, 12.0f, 50, 50);
    canvas.end();
    const QRgb green = UserColour(3).rgb();
    EXPECT_EQ(CountOf(image, QRect(48, 48, 4, 4), green), 12);  // the outline of 4 x 4
    EXPECT_EQ(CountOf(image, image.rect(), kBackground), image.width() * image.height() - 12);
}

TEST_F(OverlayPrimitives, DepthMarkWritesItsValueAwayFromTheLastLabelledOne)
{
    struct Case {
        float factor;
        float depth;
        int32_t x, y;
        std::optional<ScreenPoint> last;
        const char* label;  // null: none
    };
    const std::optional<ScreenPoint> none;
    const std::optional<ScreenPoint> near = ScreenPoint{40, 30};
    const Case cases[] = {
        {1.0f, 12.4f, 40, 30, none, " 12"},
        {1.0f, 9.96f, 40, 30, none, " 10.0"},
        {3.2808f, 1.0f, 40, 30, none, " 3.3"},
        {3.2808f, 5.0f, 40, 30, none, " 16"},
        {0.5468f, 0.2f, 40, 30, none, " 0.1"},
        {0.5468f, 0.15f, 40, 30, none, nullptr},
        {1.0f, 0.1f, 40, 30, none, nullptr},
        {1.0f, 0.0f, 40, 30, none, nullptr},
        {1.0f, 12.4f, 90, 30, near, nullptr},
        {1.0f, 12.4f, 91, 30, near, " 12"},
        {1.0f, 12.4f, 40, 80, near, nullptr},
        {1.0f, 12.4f, 40, 81, near, " 12"},
        {1.0f, 12.4f, 90, 80, near, nullptr},
        {1.0f, 12.4f, -11, 30, near, " 12"},
    };
    const QFont font = ChartOverlayFont(5);
    const QPen pen(UserColour(1), 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.depth << " x " << c.factor << " at " << c.x << "," << c.y);
        SetupParameters.DepthFactor = c.factor;
        window.lastDepthLabel = c.last;
        image.fill(kBackground);
        {
            QPainter canvas(&image);
            canvas.setFont(font);
            canvas.setPen(pen);
            DrawDepthMark(window, canvas, c.depth, c.x, c.y);
        }
        QImage expected(image.size(), image.format());
        expected.fill(kBackground);
        {
            QPainter canvas(&expected);
            canvas.setPen(pen);
            canvas.drawRect(QRect(c.x - 2, c.y - 2, 3, 3));
            if (c.label) {
                canvas.setFont(font);
                canvas.setPen(WindowTextColour());
                canvas.drawText(c.x, c.y + QFontMetrics(font, &expected).ascent(), QString::fromLatin1(c.label));
            }
        }
        EXPECT_TRUE(image == expected) << (c.label ? c.label : "no label");
        const std::optional<ScreenPoint> last = c.label ? std::optional<ScreenPoint>(ScreenPoint{c.x, c.y}) : c.last;
        ASSERT_EQ(window.lastDepthLabel.has_value(), last.has_value());
        if (last) {
            EXPECT_EQ(window.lastDepthLabel->x, last->x);
            EXPECT_EQ(window.lastDepthLabel->y, last->y);
        }
    }
}

// Zones and fields through the main view over the approach chart, 600 x 400 pixels.
class UserLineSegment : public charttest::ChartWindowTest {
protected:
    void SetUp() override
    {
        ChartWindowTest::SetUp();
        SetDayColours();
        window.chartRect = {0, 0, 600, 400};
        ASSERT_EQ(MainMapView->SetScale(22000), 1);
        MainMapView->SetCentre(charttest::kInApproachCell);
        image.fill(kBackground);
    }

    cmgbase::GeoPoint At(int32_t x, int32_t y)
    {
        cmgbase::GeoPoint position{};
        EXPECT_EQ(MainMapView->ScreenToGeo(window.chartRect, {x, y}, position), 1);
        return position;
    }
    ScreenPoint PixelOf(const cmgbase::GeoPoint& position)
    {
        ScreenPoint pixel{};
        EXPECT_EQ(MainMapView->GeoToScreen(window.chartRect, position, pixel), 1);
        return pixel;
    }
    void Draw(const cmgbase::GeoPoint& a, int32_t kind, const cmgbase::GeoPoint& b)
    {
        QPainter canvas(&image);
        DrawUserLineSegment(window, canvas, a, 2, kind, b);
        EXPECT_EQ(canvas.brush().style(), Qt::NoBrush);
    }
    int Drawn(const QRect& area) const { return CountOf(image, area, kBlue); }

    const QRgb kBlue = qRgb(0, 0, 255);
    QImage image{600, 400, QImage::Format_RGB32};
};

TEST_F(UserLineSegment, ZoneIsAHatchedCircleThroughTheSecondPoint)
{
    const cmgbase::GeoPoint centre = At(300, 200), edge = At(340, 170);
    const ScreenPoint c = PixelOf(centre);
    const ScreenPoint e = PixelOf(edge);
    const int radius = int(std::hypot(e.x - c.x, e.y - c.y));
    ASSERT_NEAR(radius, 50, 1);

    Draw(centre, 6, edge);
    EXPECT_EQ(image.pixel(c.x + radius, c.y), kBlue);
    EXPECT_EQ(image.pixel(c.x, c.y - radius), kBlue);
    EXPECT_EQ(image.pixel(c.x - radius - 3, c.y), kBackground);
    const QRect inside(c.x + 10, c.y + 10, 20, 20);
    const int single = Drawn(inside);
    EXPECT_GT(single, 0);                                       // hatched,
    EXPECT_GT(CountOf(image, inside, kBackground), single);    // the chart showing through
    EXPECT_EQ(CountOf(image, QRect(0, 0, 600, 100), kBackground), 600 * 100);

    image.fill(kBackground);
    Draw(centre, 9, edge);
    EXPECT_EQ(image.pixel(c.x + radius, c.y), kBlue);
    EXPECT_GT(Drawn(inside), single * 3 / 2);  // hatched both ways

    image.fill(kBackground);
    Draw(centre, 6, At(c.x, c.y));
    EXPECT_EQ(CountOf(image, image.rect(), kBackground), 600 * 400);
}

TEST_F(UserLineSegment, FieldOnANorthUpChartIsHeldToJustOutsideThePaintBox)
{
    const ScreenPoint a = PixelOf(At(100, 100)), b = PixelOf(At(250, 180));
    Draw(At(100, 100), 7, At(250, 180));
    for (const QPoint corner : {QPoint(a.x, a.y), QPoint(b.x, a.y), QPoint(b.x, b.y), QPoint(a.x, b.y)})
        EXPECT_EQ(image.pixel(corner), kBlue) << corner.x() << "," << corner.y();
    EXPECT_EQ(image.pixel(b.x + 1, (a.y + b.y) / 2), kBackground);
    EXPECT_EQ(Drawn(QRect(a.x + 2, a.y - 1, b.x - a.x, 1)), 0);  // nothing above the top edge
    EXPECT_EQ(image.pixel(a.x - 2, a.y - 2), kBlue);             // but the handle square
    EXPECT_EQ(window.fieldCorners[0].x, a.x);
    EXPECT_EQ(window.fieldCorners[2].y, b.y);
    EXPECT_EQ(window.fieldCorners[4].x, window.fieldCorners[0].x);

    // Reaching past the top-left corner: the edges there lie at -1, off the picture, while the
    // right and bottom edges are drawn whole.
    image.fill(kBackground);
    Draw(At(-4000, -3000), 7, At(150, 120));
    const ScreenPoint far = PixelOf(At(150, 120));
    EXPECT_EQ(Drawn(QRect(far.x, 0, 1, far.y + 1)), far.y + 1);
    EXPECT_EQ(Drawn(QRect(0, far.y, far.x + 1, 1)), far.x + 1);
    EXPECT_LT(Drawn(QRect(0, 0, far.x - 1, 1)), far.x / 2);
    EXPECT_LT(Drawn(QRect(0, 0, 1, far.y - 1)), far.y / 2);

    // Wholly outside: nothing, the corner list still that field's.
    image.fill(kBackground);
    Draw(At(-300, -200), 7, At(-50, -20));
    EXPECT_EQ(CountOf(image, image.rect(), kBackground), 600 * 400);
    EXPECT_EQ(window.fieldCorners[2].x, PixelOf(At(-50, -20)).x);
}

TEST_F(UserLineSegment, FieldOnATurnedChartIsThePolygonOfItsCorners)
{
    window.controls.DispMode->setCurrentIndex(1);
    ASSERT_EQ(MainMapView->SetRotation(30.0), 1);
    const cmgbase::GeoPoint pointA = At(250, 150), pointB = At(380, 260);
    const ScreenPoint a = PixelOf(pointA), b = PixelOf(pointB);
    Draw(pointA, 7, pointB);

    const std::array<ScreenPoint, 5>& corners = window.fieldCorners;
    EXPECT_EQ(corners[0].x, a.x);
    EXPECT_EQ(corners[0].y, a.y);
    EXPECT_EQ(corners[2].x, b.x);
    EXPECT_EQ(corners[2].y, b.y);
    EXPECT_EQ(corners[4].x, a.x);
    EXPECT_EQ(corners[4].y, a.y);
    // The chart's meridians and parallels are turned by 30 degrees: the sides are too, and stay
    // square to each other.
    const double ux = corners[1].x - a.x, uy = corners[1].y - a.y;
    const double vx = corners[3].x - a.x, vy = corners[3].y - a.y;
    EXPECT_NEAR(std::abs(std::atan2(uy, ux)) * 180.0 / M_PI, 30.0, 1.0);
    EXPECT_NEAR((ux * vx + uy * vy) / (std::hypot(ux, uy) * std::hypot(vx, vy)), 0.0, 0.02);

    // Each side drawn: along it the outline within a pixel, 3 px outwards the chart.
    const double middleX = (a.x + b.x) / 2.0, middleY = (a.y + b.y) / 2.0;
    for (size_t i = 0; i < 4; ++i)
        for (int step = 1; step < 10; ++step) {
            const double t = step / 10.0;
            const double x = corners[i].x + t * (corners[i + 1].x - corners[i].x);
            const double y = corners[i].y + t * (corners[i + 1].y - corners[i].y);
            const double out = std::hypot(x - middleX, y - middleY);
            EXPECT_GT(Drawn(QRect(int(std::lround(x)) - 1, int(std::lround(y)) - 1, 3, 3)), 0) << i << " " << t;
            EXPECT_EQ(image.pixel(int(std::lround(x + 3 * (x - middleX) / out)),
                                  int(std::lround(y + 3 * (y - middleY) / out))),
                      kBackground)
                << i << " " << t;
        }
    // The north-up rectangle's corner lies outside the turned one, and the mouse input's hit test
    // finds the middle inside.
    EXPECT_EQ(PointInPolygon(5, corners.data(), b.x, a.y) % 2, 0);
    EXPECT_EQ(image.pixel(b.x, a.y), kBackground);
    EXPECT_EQ(PointInPolygon(5, corners.data(), (a.x + b.x) / 2, (a.y + b.y) / 2) % 2, 1);
}

}  // namespace
