#include "sensors/ShipOutline.h"

#include <QPainter>
#include <QPolygon>

namespace {

const QColor Background(255, 255, 255);
const QColor HullFill(216, 216, 216);
const QColor HullLine(96, 96, 96);

// A transparent picture drawn without smoothing, so that every pixel is one of its colours.
template <typename Draw>
QImage Picture(Draw draw)
{
    QImage image(SensorPictureSize, SensorPictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter);
    return image;
}

}  // namespace

SensorPictures MakeSensorPictures()
{
    SensorPictures pictures;
    pictures[GpsPicture] = Picture([](QPainter& p) {
        p.setPen(Qt::black);
        p.drawEllipse(1, 1, 8, 8);
        p.drawLine(5, 0, 5, 9);
        p.drawLine(0, 5, 9, 5);
    });
    pictures[DepthPicture] = Picture([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 224));
        p.drawPolygon(QPolygon({{1, 1}, {9, 1}, {5, 9}}));
    });
    pictures[RadarPicture] = Picture([](QPainter& p) {
        p.fillRect(0, 3, 10, 4, QColor(208, 0, 0));
        p.fillRect(4, 7, 2, 3, QColor(208, 0, 0));
    });
    pictures[ConningPicture] = Picture([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 144, 0));
        p.drawEllipse(2, 2, 7, 7);
    });
    return pictures;
}

QImage PaintShipOutline(const SetupParametersRecord& ship, const SensorPictures& pictures)
{
    QImage image(HullImageBeam + 2 * HullImageMargin, HullImageLength + 2 * HullImageMargin,
                 QImage::Format_RGB32);
    image.fill(Background);
    const int length = ship.Length;
    const int beam = ship.Beam;
    if (length == 0 || beam == 0)
        return image;

    QPainter painter(&image);
    painter.translate(HullImageMargin, HullImageMargin);
    constexpr int right = HullImageBeam - 1;
    constexpr int bottom = HullImageLength - 1;
    constexpr int shoulder = HullImageBeam * 2 / 3;
    painter.setPen(HullLine);
    painter.setBrush(HullFill);
    painter.drawPolygon(QPolygon({{HullImageBeam / 2, 0},
                                  {right, shoulder},
                                  {right, bottom},
                                  {0, bottom},
                                  {0, shoulder}}));

    const auto place = [&](SensorPictureIndex picture, int bow, int x) {
        const int y = bow * HullImageLength / length;
        painter.drawImage(x - SensorPictureSize / 2, y - SensorPictureSize / 2, pictures[picture]);
    };
    const auto fromStarboard = [&](int starboard) {
        return HullImageBeam - starboard * HullImageBeam / beam;
    };
    constexpr int centreLine = HullImageBeam / 2;
    place(DepthPicture, ship.DepthBow, centreLine);
    place(ConningPicture, ship.ConningBow, centreLine);
    place(RadarPicture, ship.RadarBow, fromStarboard(ship.RadarStbd));
    place(GpsPicture, ship.GpsBow, fromStarboard(ship.GpsStbd));
    return image;
}
