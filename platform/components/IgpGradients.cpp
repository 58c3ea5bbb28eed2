#include "platform/components/IgpGradients.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace Igpfunctions {

using Itypes::TiFillDirection;

void DrawGradientDirection(QPainter& painter, const QRect& rect, const QColor& startColor,
                           const QColor& endColor, TiFillDirection direction)
{
    // Between the centres of the first and last pixels, so that both carry their colour whole.
    const QRectF centres = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient gradient;
    switch (direction) {
    case TiFillDirection::LeftToRight:
        gradient = QLinearGradient(centres.left(), 0, centres.right(), 0);
        break;
    case TiFillDirection::RightToLeft:
        gradient = QLinearGradient(centres.right(), 0, centres.left(), 0);
        break;
    case TiFillDirection::TopToBottom:
        gradient = QLinearGradient(0, centres.top(), 0, centres.bottom());
        break;
    case TiFillDirection::BottomToTop:
        gradient = QLinearGradient(0, centres.bottom(), 0, centres.top());
        break;
    }
    gradient.setColorAt(0, startColor);
    gradient.setColorAt(1, endColor);
    painter.fillRect(rect, gradient);
}

void DrawGradient(QPainter& painter, const QRect& rect, const QColor& startColor,
                  const QColor& endColor, Itypes::TiOrientation orientation)
{
    DrawGradientDirection(painter, rect, startColor, endColor,
                          orientation == Itypes::TiOrientation::Horizontal
                              ? TiFillDirection::LeftToRight
                              : TiFillDirection::TopToBottom);
}

void DrawGradientCircle(QPainter& painter, const QRect& rect, const QColor& centreColor,
                        const QColor& edgeColor)
{
    const QRectF area(rect);
    // A circle's gradient, stretched to the ellipse.
    QRadialGradient gradient(QPointF(0.5, 0.5), 0.5);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0, centreColor);
    gradient.setColorAt(1, edgeColor);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(area);
    painter.restore();
}

}  // namespace Igpfunctions
