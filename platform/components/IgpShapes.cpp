#include "platform/components/IgpShapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <qdrawutil.h>

#include <algorithm>

namespace Igpfunctions {

using Itypes::TiDirection;

namespace {

// The arrow of a spin button: as wide as half the narrower of the width and twice the height,
// an odd count of pixels so that its tip has a middle.
void DrawButtonArrow(QPainter& painter, const QRect& rect, TiDirection direction, bool enabled,
                     const QPalette& palette)
{
    const int width = std::max(1, std::min(rect.width(), 2 * rect.height()) / 2) | 1;
    const int height = (width + 1) / 2;
    const QPoint centre = rect.center();
    const QColor color = palette.color(enabled ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText);
    iDrawTriangle(painter, QRect(centre.x() - width / 2, centre.y() - height / 2, width, height),
                  direction, color);
}

}  // namespace

void Line(QPainter& painter, int x1, int y1, int x2, int y2)
{
    painter.drawLine(x1, y1, x2, y2);
}

void LineBevel(QPainter& painter, int x1, int y1, int x2, int y2, Itypes::TiBevelStyle style,
               const QPalette& palette)
{
    if (style == Itypes::TiBevelStyle::None) {
        Line(painter, x1, y1, x2, y2);
        return;
    }
    qDrawShadeLine(&painter, x1, y1, x2, y2, palette, style == Itypes::TiBevelStyle::Lowered, 1,
                   0);
}

void ArcSegment(QPainter& painter, QPointF centre, double innerRadius, double outerRadius,
                double startDegrees, double spanDegrees)
{
    const QRectF outer(centre.x() - outerRadius, centre.y() - outerRadius, 2 * outerRadius,
                       2 * outerRadius);
    const QRectF inner(centre.x() - innerRadius, centre.y() - innerRadius, 2 * innerRadius,
                       2 * innerRadius);
    QPainterPath path;
    path.arcMoveTo(outer, startDegrees);
    path.arcTo(outer, startDegrees, spanDegrees);
    path.arcTo(inner, startDegrees + spanDegrees, -spanDegrees);
    path.closeSubpath();
    painter.drawPath(path);
}

void iRectangle(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void iDrawTriangle(QPainter& painter, const QRect& rect, TiDirection direction,
                   const QColor& color)
{
    const int left = rect.left();
    const int right = rect.right();
    const int top = rect.top();
    const int bottom = rect.bottom();
    const int middleX = left + (rect.width() - 1) / 2;
    const int middleY = top + (rect.height() - 1) / 2;
    QPolygon corners;
    switch (direction) {
    case TiDirection::Up:
        corners << QPoint(middleX, top) << QPoint(right, bottom) << QPoint(left, bottom);
        break;
    case TiDirection::Down:
        corners << QPoint(left, top) << QPoint(right, top) << QPoint(middleX, bottom);
        break;
    case TiDirection::Left:
        corners << QPoint(left, middleY) << QPoint(right, top) << QPoint(right, bottom);
        break;
    case TiDirection::Right:
        corners << QPoint(left, top) << QPoint(right, middleY) << QPoint(left, bottom);
        break;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(color);
    painter.setBrush(color);
    painter.drawPolygon(corners);
    painter.restore();
}

void iDrawButtonArrowUp(QPainter& painter, const QRect& rect, bool enabled,
                        const QPalette& palette)
{
    DrawButtonArrow(painter, rect, TiDirection::Up, enabled, palette);
}

void iDrawButtonArrowDown(QPainter& painter, const QRect& rect, bool enabled,
                          const QPalette& palette)
{
    DrawButtonArrow(painter, rect, TiDirection::Down, enabled, palette);
}

}  // namespace Igpfunctions
