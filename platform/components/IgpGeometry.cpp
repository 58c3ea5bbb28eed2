#include "platform/components/IgpGeometry.h"

#include "platform/components/ClampedInt.h"
#include "platform/components/Imath.h"

#include <algorithm>
#include <cmath>

namespace Igpfunctions {

using Itypes::TiOrientation;
using Itypes::TPointDouble;

TPointDouble GetXYRadPointDouble(double angleDegrees, double radius, TPointDouble centre)
{
    long double sine = 0;
    long double cosine = 0;
    Imath::SinCos(Imath::DegToRad(angleDegrees), sine, cosine);
    return {centre.x + static_cast<double>(radius * cosine),
            centre.y - static_cast<double>(radius * sine)};
}

QPoint GetXYRadPoint(double angleDegrees, double radius, QPoint centre)
{
    return PointDoubleToPoint(GetXYRadPointDouble(angleDegrees, radius, PointDouble(centre.x(),
                                                                                   centre.y())));
}

TPointDouble PointDouble(double x, double y)
{
    return {x, y};
}

QPoint PointDoubleToPoint(TPointDouble point)
{
    return {ClampedInt(std::round(point.x)), ClampedInt(std::round(point.y))};
}

QPoint iXYReversePoint(QPoint point)
{
    return {point.y(), point.x()};
}

QRect iXYReverseRect(QRect rect)
{
    return {rect.top(), rect.left(), rect.height(), rect.width()};
}

QPoint iPointReverse(QPoint point, bool reverse)
{
    return reverse ? iXYReversePoint(point) : point;
}

QPoint PointOrientation(QPoint point, TiOrientation orientation)
{
    return iPointReverse(point, orientation == TiOrientation::Vertical);
}

QRect RectOrientation(QRect rect, TiOrientation orientation)
{
    return orientation == TiOrientation::Vertical ? iXYReverseRect(rect) : rect;
}

QRect iRect(int left, int top, int right, int bottom)
{
    return {left, top, right - left, bottom - top};
}

QPoint GetRectCenterPoint(QRect rect)
{
    return {rect.left() + rect.width() / 2, rect.top() + rect.height() / 2};
}

QRect GetClickRect(std::span<const QPoint> points)
{
    if (points.empty())
        return {};
    const auto [left, right] = std::minmax_element(
        points.begin(), points.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
    const auto [top, bottom] = std::minmax_element(
        points.begin(), points.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
    return QRect(QPoint(left->x(), top->y()), QPoint(right->x(), bottom->y()));
}

}  // namespace Igpfunctions
