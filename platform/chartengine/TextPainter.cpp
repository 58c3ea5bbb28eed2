#include "platform/chartengine/TextPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace chartengine {

namespace {

constexpr double kMillimetresPerPoint = 25.4 / 72.0;
// The program runs all watch long over ever new charts: the images kept are bounded.
constexpr qsizetype kMostTexts = 8192;

QFont FontOf(const TextItem& item)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(6, int(std::lround(item.style.bodySize * kMillimetresPerPoint * item.pixelsPerMm))));
    font.setBold(item.style.bold);
    font.setItalic(item.style.italic);
    font.setUnderline(item.underline);
    return font;
}

}  // namespace

size_t qHash(const TextPainter::Key& key, size_t seed)
{
    const S52TextStyle& s = key.style;
    const uint64_t packed = (uint64_t(uint8_t(s.hjust)) << 56) | (uint64_t(uint8_t(s.vjust)) << 48) |
                            (uint64_t(uint8_t(s.xOffset)) << 40) | (uint64_t(uint8_t(s.yOffset)) << 32) |
                            (uint64_t(s.bodySize) << 24) | (uint64_t(s.bold) << 17) | (uint64_t(s.italic) << 16) |
                            (uint64_t(key.underline) << 8) | s.group;
    return qHashMulti(seed, key.text, key.colour, key.pixelsPerMm, packed);
}

const TextPainter::Rendered& TextPainter::Render(const TextItem& item)
{
    const S52TextStyle& s = item.style;
    const Key key{item.text, item.colour.rgba(), static_cast<float>(item.pixelsPerMm), s, item.underline};
    const auto found = cache_.constFind(key);
    if (found != cache_.constEnd())
        return *found;

    const QFont font = FontOf(item);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(item.text);
    const double height = metrics.ascent() + metrics.descent();
    const double body = font.pixelSize();
    double left = s.hjust == 2 ? -width : s.hjust == 3 ? 0.0 : -width / 2;
    double top = s.vjust == 3 ? 0.0 : s.vjust == 2 ? -height / 2 : -height;
    left += s.xOffset * body;
    top += s.yOffset * body;

    Rendered rendered;
    rendered.image = QImage(int(std::ceil(width)) + 2, int(std::ceil(height)) + 2, QImage::Format_ARGB32_Premultiplied);
    rendered.image.fill(Qt::transparent);
    {
        QPainter painter(&rendered.image);
        painter.setFont(font);
        painter.setPen(item.colour);
        painter.drawText(QPointF(1, 1 + metrics.ascent()), item.text);
    }
    rendered.origin = QPointF(1 - left, 1 - top);
    if (cache_.size() >= kMostTexts)
        cache_.clear();
    return *cache_.insert(key, std::move(rendered));
}

QRectF TextPainter::Bounds(const TextItem& item)
{
    const Rendered& rendered = Render(item);
    return QRectF(QPointF(std::round(item.pivot.x() - rendered.origin.x()), std::round(item.pivot.y() - rendered.origin.y())),
                  QSizeF(rendered.image.size()));
}

void TextPainter::Draw(QPainter& painter, const TextItem& item)
{
    if (item.text.isEmpty())
        return;
    painter.drawImage(Bounds(item).topLeft(), Render(item).image);
}

}  // namespace chartengine
