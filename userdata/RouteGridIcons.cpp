#include "userdata/RouteGridIcons.h"

#include "frame/SharedTables.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int UserRed = 1;
constexpr int UserGreen = 3;
constexpr int UserBlack = 6;
constexpr int UserOrange = 7;

QColor UserColour(int index)
{
    const uint32_t bgr = UserColourTable[size_t(index)];
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QImage Blank()
{
    QImage image(RouteIconSize, RouteIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A great circle seen on the chart: an arc bowing towards the pole between two waypoints.
QPainterPath Arc()
{
    QPainterPath path(QPointF(2.5, 14.5));
    path.quadTo(QPointF(9, 0), QPointF(15.5, 14.5));
    return path;
}

void Waypoints(QPainter& painter, QPointF from, QPointF to)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(from, 1.8, 1.8);
    painter.drawEllipse(to, 1.8, 1.8);
}

QImage Draw(RouteLegIcon icon)
{
    QImage image = Blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::white, 1.5);
    switch (icon) {
    case RhumbLineIcon:
        painter.setPen(pen);
        painter.drawLine(QPointF(3, 14), QPointF(15, 4));
        Waypoints(painter, {3, 14}, {15, 4});
        break;
    case GreatCircleIcon:
        painter.setPen(pen);
        painter.drawPath(Arc());
        Waypoints(painter, {2.5, 14.5}, {15.5, 14.5});
        break;
    case FollowedGreatCircleIcon: {
        pen.setWidthF(2.5);
        painter.setPen(pen);
        painter.drawPath(Arc());
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPolygon(QPolygonF({{15.5, 15.5}, {11.5, 11.5}, {16.5, 10}}));
        break;
    }
    case StepIcon:
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawPath(Arc());
        painter.setPen(QPen(Qt::white, 1.5));
        painter.drawLine(QPointF(6, 7), QPointF(12, 7));
        break;
    }
    return image;
}

}  // namespace

const std::vector<QImage>& RouteLegIcons()
{
    static const std::vector<QImage> icons{Draw(RhumbLineIcon), Draw(GreatCircleIcon),
                                           Draw(FollowedGreatCircleIcon), Draw(StepIcon)};
    return icons;
}

RouteIconParts SplitRouteIconNumber(int number)
{
    if (number >= 48)
        return {DangerBackground::Black, number - 48};
    if (number >= 32)
        return {DangerBackground::Red, number - 32};
    if (number >= 16)
        return {DangerBackground::Orange, number - 16};
    return {DangerBackground::Green, number};
}

QImage RouteIconCell(int number)
{
    const RouteIconParts parts = SplitRouteIconNumber(number);
    int colour = UserGreen;
    switch (parts.background) {
    case DangerBackground::Green:
        colour = UserGreen;
        break;
    case DangerBackground::Orange:
        colour = UserOrange;
        break;
    case DangerBackground::Red:
        colour = UserRed;
        break;
    case DangerBackground::Black:
        colour = UserBlack;
        break;
    }
    QImage cell = Blank();
    QPainter painter(&cell);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(UserColour(colour));
    painter.drawRoundedRect(QRectF(0.5, 0.5, RouteIconSize - 1, RouteIconSize - 1), 3, 3);
    const std::vector<QImage>& icons = RouteLegIcons();
    if (parts.picture >= 0 && parts.picture < int(icons.size()))
        painter.drawImage(0, 0, icons[size_t(parts.picture)]);
    return cell;
}
