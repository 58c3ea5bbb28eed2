#include "platform/components/IgpShapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cstdlib>

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
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(QPalette::Dark);
    const bool raised = style == Itypes::TiBevelStyle::Raised;
    // The second line one pixel below, or to the right of a line steeper than 45 degrees.
    const QPoint beside = std::abs(x2 - x1) >= std::abs(y2 - y1) ? QPoint(0, 1) : QPoint(1, 0);
    painter.save();
    painter.setPen(QPen(raised ? light : dark, 0));
    Line(painter, x1, y1, x2, y2);
    painter.setPen(QPen(raised ? dark : light, 0));
    Line(painter, x1 + beside.x(), y1 + beside.y(), x2 + beside.x(), y2 + beside.y());
    painter.restore();
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
    // Corners on the pixel edges, filled without a pen: a pixel is filled when its centre lies
    // inside, so the base spans the whole side and the tip is the middle pixel.
    const QRectF area(rect);
    const QPointF middle = area.center();
    QPolygonF corners;
    switch (direction) {
    case TiDirection::Up:
        corners << QPointF(middle.x(), area.top()) << area.bottomRight() << area.bottomLeft();
        break;
    case TiDirection::Down:
        corners << area.topLeft() << area.topRight() << QPointF(middle.x(), area.bottom());
        break;
    case TiDirection::Left:
        corners << QPointF(area.left(), middle.y()) << area.topRight() << area.bottomRight();
        break;
    case TiDirection::Right:
        corners << area.topLeft() << QPointF(area.right(), middle.y()) << area.bottomLeft();
        break;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
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
