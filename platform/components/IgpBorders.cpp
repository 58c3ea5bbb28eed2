#include "platform/components/IgpBorders.h"

#include <QPainter>
#include <QPolygon>
#include <qdrawutil.h>

namespace Igpfunctions {

using Itypes::TiDrawEdgeStyle;

namespace {

// Every other pixel along the outline, clockwise from the top left corner, each pixel once.
QPolygon FocusDots(const QRect& rect)
{
    QPolygon outline;
    for (int x = rect.left(); x <= rect.right(); ++x)
        outline << QPoint(x, rect.top());
    for (int y = rect.top() + 1; y <= rect.bottom(); ++y)
        outline << QPoint(rect.right(), y);
    for (int x = rect.right() - 1; x >= rect.left() && rect.bottom() > rect.top(); --x)
        outline << QPoint(x, rect.bottom());
    for (int y = rect.bottom() - 1; y > rect.top() && rect.right() > rect.left(); --y)
        outline << QPoint(rect.left(), y);
    QPolygon dots;
    for (qsizetype i = 0; i < outline.size(); i += 2)
        dots << outline[i];
    return dots;
}

void DrawDots(QPainter& painter, const QRect& rect, const QColor& color,
              QPainter::CompositionMode mode)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(mode);
    painter.setPen(QPen(color, 0));
    painter.drawPoints(FocusDots(rect));
    painter.restore();
}

}  // namespace

void DrawRaisedBorder(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    qDrawShadePanel(&painter, rect, palette, false, 1);
}

void DrawSunkenBorder(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    qDrawShadePanel(&painter, rect, palette, true, 1);
}

void iDrawEdge(QPainter& painter, const QRect& rect, TiDrawEdgeStyle style,
               const QPalette& palette)
{
    switch (style) {
    case TiDrawEdgeStyle::Raised:
    case TiDrawEdgeStyle::Sunken:
        qDrawWinPanel(&painter, rect, palette, style == TiDrawEdgeStyle::Sunken);
        break;
    case TiDrawEdgeStyle::Etched:
    case TiDrawEdgeStyle::Bump:
        qDrawShadeRect(&painter, rect, palette, style == TiDrawEdgeStyle::Etched, 1, 0);
        break;
    }
}

void iDrawFocusRect(QPainter& painter, const QRect& rect)
{
    DrawDots(painter, rect, Qt::white, QPainter::RasterOp_SourceXorDestination);
}

void iDrawFocusRect2(QPainter& painter, const QRect& rect, const QColor& color)
{
    DrawDots(painter, rect, color, QPainter::CompositionMode_SourceOver);
}

}  // namespace Igpfunctions
