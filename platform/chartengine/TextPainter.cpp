#include "platform/chartengine/TextPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace chartengine {

namespace {

constexpr double kMillimetresPerPoint = 25.4 / 72.0;

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

const TextPainter::Rendered& TextPainter::Render(const TextItem& item)
{
    const S52TextStyle& s = item.style;
    const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
                            .arg(item.text)
                            .arg(s.bodySize)
                            .arg(int(s.hjust) * 10 + s.vjust)
                            .arg(int(s.xOffset) * 1000 + s.yOffset)
                            .arg(int(s.bold) + 2 * int(s.italic) + 4 * int(item.underline))
                            .arg(item.colour.rgba())
                            .arg(item.pixelsPerMm);
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
