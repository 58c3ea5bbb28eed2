#include "chart/OverlayPrimitives.h"

#include "chart/ChartWindow.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayFont.h"
#include "frame/SetupParameters.h"
#include "platform/system/TextCodec.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <unordered_map>

namespace {

// The symbol strip: 16 x 16 cells 17 px apart, row 0 the masks (black on white), rows 1.. the
// colours (colour on black).
constexpr int32_t StripCellPitch = 17;
constexpr int32_t StripCellSize = 16;

// The label box's rounded corners: an ellipse of 6 x 4 px.
constexpr qreal LabelCornerRadiusX = 3.0;
constexpr qreal LabelCornerRadiusY = 2.0;
constexpr int32_t LabelTextColour = 6;

// A depth mark gets its value when it lies more than this from the last labelled one in x or y.
constexpr int64_t DepthLabelSpacing = 50;
constexpr double ArrowStrokeLength = 12.0;
constexpr double ArrowStrokeSpread = 1.0;  // radians
constexpr float SmallestLabelledDepth = 0.1f;

// Copies a cell of the strip onto target combined with what lies there by the raster operation.
void CopyStripCell(QPainter& canvas, const QImage& strip, const QRect& cell, const QRect& target,
                   QPainter::CompositionMode operation)
{
    canvas.setCompositionMode(operation);
    canvas.drawImage(target, strip, cell);
}

}  // namespace

void DrawLineSegment(ChartWindow&, QPainter& canvas, uint32_t colour, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                     int32_t width)
{
    if (x1 == x2 && y1 == y2)
        return;
    canvas.setPen(OverlayPen(WindowsColour(colour), width));
    canvas.drawLine(x1, y1, x2, y2);
}

namespace {

// A label box as drawn once: its picture (transparent around the rounded corners) and the width
// of its text.
struct LabelPicture {
    QImage image;
    int32_t width = 0;
};

// The boxes of the labels drawn lately, by text, colour and font: a chart full of targets
// repeats the same labels on every frame, and drawing a picture is far cheaper than shaping the
// text again. Emptied when it is full.
const LabelPicture& CachedLabel(const QString& text, const QColor& colour, const QFont& font)
{
    constexpr qsizetype MostLabels = 4096;
    static QHash<QString, LabelPicture> pictures;
    const QString key = text + QChar(0) + QString::number(colour.rgba()) + QChar(0) + font.key();
    if (const auto found = pictures.constFind(key); found != pictures.cend())
        return *found;
    if (pictures.size() >= MostLabels)
        pictures.clear();

    const QFontMetrics metrics(font);
    const int32_t width = metrics.horizontalAdvance(text);
    // Outline from (0, 0) to (width + 3, height - 1): 2 px of margin on either side.
    LabelPicture picture{QImage(width + 4, metrics.height(), QImage::Format_ARGB32_Premultiplied), width};
    picture.image.fill(Qt::transparent);
    QPainter canvas(&picture.image);
    canvas.setFont(font);
    canvas.setPen(OverlayPen(WindowTextColour(), 1));
    canvas.setBrush(colour);
    canvas.drawRoundedRect(QRect(0, 0, width + 3, metrics.height() - 1), LabelCornerRadiusX, LabelCornerRadiusY);
    canvas.setPen(UserColour(LabelTextColour));
    canvas.drawText(2, metrics.ascent(), text);
    return *pictures.insert(key, std::move(picture));
}

// The pictures of plain texts in one font by text and colour, made anew for another font: the
// seabed draws its depth numbers by the thousand, few of them different, and copying a picture
// is far cheaper than shaping the text again. Emptied when it is full.
const QImage& CachedText(const std::string& text, int32_t colour, const QFont& font)
{
    constexpr size_t MostTexts = 4096;
    static QFont madeFor;
    static std::unordered_map<std::string, QImage> pictures;
    if (!(madeFor == font) || pictures.size() >= MostTexts) {
        pictures.clear();
        madeFor = font;
    }
    std::string key = text;
    key += char(colour);
    if (const auto found = pictures.find(key); found != pictures.end())
        return found->second;

    const QString shown = platform::FromCp1252(text);
    const QFontMetrics metrics(font);
    QImage picture(std::max(metrics.horizontalAdvance(shown), 1), std::max(metrics.height(), 1),
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter canvas(&picture);
    canvas.setFont(font);
    canvas.setPen(UserColour(colour));
    canvas.drawText(0, metrics.ascent(), shown);
    canvas.end();
    return pictures.emplace(std::move(key), std::move(picture)).first->second;
}

}  // namespace

int32_t DrawLabelBox(ChartWindow&, QPainter& canvas, int32_t x, const std::string& text, const QColor& colour,
                     int32_t y)
{
    canvas.setFont(ChartOverlayFont(SetupParameters.Resolution));
    const LabelPicture& picture = CachedLabel(platform::FromCp1252(text), colour, canvas.font());
    canvas.drawImage(x, y, picture.image);
    return picture.width;
}

void DrawMaskedIcon(ChartWindow& window, QPainter& canvas, int32_t icon, int32_t row, int32_t x, int32_t y)
{
    const QRect mask(icon * StripCellPitch, 0, StripCellSize, StripCellSize);
    const QRect colour(icon * StripCellPitch, row * StripCellPitch, StripCellSize, StripCellSize);
    if (icon < 0 || row < 0 || !window.SymbolStrip.rect().contains(colour) || !window.SymbolStrip.rect().contains(mask))
        return;
    // The strip as loaded is a palette image, whose palette the display modes change; each copy
    // is a plain combination of pixels in the canvas's own format, made anew after a change.
    if (window.SymbolStripPixels.isNull() || window.symbolStripPixelsKey != window.SymbolStrip.cacheKey()) {
        window.SymbolStripPixels = window.SymbolStrip.convertToFormat(QImage::Format_RGB32);
        window.symbolStripPixelsKey = window.SymbolStrip.cacheKey();
    }
    const QRect target(x - StripCellSize / 2, y - StripCellSize / 2, StripCellSize, StripCellSize);
    CopyStripCell(canvas, window.SymbolStripPixels, mask, target, QPainter::RasterOp_SourceAndDestination);
    CopyStripCell(canvas, window.SymbolStripPixels, colour, target, QPainter::RasterOp_SourceOrDestination);
    canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void DrawDepthMark(ChartWindow& window, QPainter& canvas, float depth, int32_t x, int32_t y)
{
    const float value = depth * SetupParameters.DepthFactor;
    DrawHandleSquare(canvas, x, y);
    const std::optional<ScreenPoint>& last = window.lastDepthLabel;
    const bool apart = !last || std::abs(int64_t(x) - last->x) > DepthLabelSpacing ||
                       std::abs(int64_t(y) - last->y) > DepthLabelSpacing;
    if (!apart || !(value > SmallestLabelledDepth))
        return;
    char text[48];
    std::snprintf(text, sizeof text, value < 10.0f ? " %.1f" : " %.0f", double(value));
    // The value in the text colour of the overlay bitmaps, the pen of the caller kept.
    const QPen pen = canvas.pen();
    canvas.setPen(WindowTextColour());
    canvas.drawText(x, y + canvas.fontMetrics().ascent(), QString::fromLatin1(text));
    canvas.setPen(pen);
    window.lastDepthLabel = ScreenPoint{x, y};
}

void DrawOverlayText(ChartWindow&, QPainter& canvas, const std::string& text, int32_t colour, int32_t x, int32_t y)
{
    canvas.drawImage(x, y, CachedText(text, colour, canvas.font()));
}

void DrawHandleSquare(QPainter& canvas, int32_t x, int32_t y)
{
    canvas.drawRect(QRect(x - 2, y - 2, 3, 3));
}

void DrawArrowHead(QPainter& canvas, double direction, int32_t x, int32_t y)
{
    const double back = direction + std::numbers::pi;
    for (const double side : {-ArrowStrokeSpread, ArrowStrokeSpread}) {
        const QPointF end(x + ArrowStrokeLength * std::cos(back + side), y + ArrowStrokeLength * std::sin(back + side));
        canvas.drawLine(QPointF(x, y), end);
    }
}
