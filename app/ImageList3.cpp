#include "app/ImageList3.h"

#include "chart/OverlayColours.h"

#include <QPainter>
#include <QPolygon>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
const QColor Ink(0, 0, 0);
const QColor Marked(208, 0, 0);
const QColor Drawn(0, 64, 192);

QImage Blank()
{
    QImage picture(LineBarImageSize, QImage::Format_RGB32);
    picture.fill(White);
    return picture;
}

QPen Pen(const QColor& colour, int width = 1)
{
    return QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// The line tools' pictures: a line, and over it what the tool does.
QImage LineTool(LineBarImage tool)
{
    QImage picture = Blank();
    QPainter p(&picture);
    p.setPen(Pen(Drawn, 2));
    p.drawLine(3, 16, 17, 4);
    switch (tool) {
    case LineDeleteImage:
        p.setPen(Pen(Marked, 2));
        p.drawLine(5, 5, 15, 15);
        p.drawLine(15, 5, 5, 15);
        break;
    case LineEditImage:
        p.setPen(Pen(Ink));
        p.setBrush(Qt::white);
        p.drawRect(8, 8, 4, 4);
        break;
    case LineDrawImage:
        p.setPen(Pen(Ink));
        p.setBrush(QColor(240, 200, 0));
        p.drawPolygon(QPolygon({QPoint(12, 17), QPoint(19, 10), QPoint(17, 8), QPoint(10, 15)}));
        break;
    case LineFinishImage:
        p.setPen(Pen(QColor(0, 150, 0), 3));
        p.drawPolyline(QPolygon({QPoint(4, 11), QPoint(8, 15), QPoint(17, 5)}));
        break;
    default:
        break;
    }
    return picture;
}

QImage LineKind(int kind)
{
    QImage picture = Blank();
    QPainter p(&picture);
    p.setPen(Pen(Ink, 2));
    switch (kind) {
    case 0: p.drawLine(3, 16, 17, 3); break;
    case 1: p.drawPolyline(QPolygon({QPoint(2, 16), QPoint(7, 5), QPoint(12, 14), QPoint(18, 3)})); break;
    case 2: p.drawEllipse(3, 3, 14, 14); break;
    default: p.drawRoundedRect(3, 4, 15, 12, 3, 3); break;
    }
    return picture;
}

QImage PointList()
{
    QImage picture = Blank();
    QPainter p(&picture);
    p.setPen(Pen(Ink));
    p.setBrush(QColor(232, 232, 232));
    p.drawRect(3, 2, 14, 16);
    for (const int y : {6, 10, 14})
        p.drawLine(6, y, 14, y);
    return picture;
}

}  // namespace

QImage ColourGlyph(const QColor& colour)
{
    QImage picture = Blank();
    QPainter p(&picture);
    p.setPen(Pen(Ink));
    p.setBrush(colour);
    p.drawRect(2, 2, 16, 16);
    return picture;
}

ImageList MakeImageList3()
{
    ImageList list(LineBarImageSize);
    for (const LineBarImage tool : {LineDeleteImage, LineEditImage, LineDrawImage, LineFinishImage})
        list.Add(LineTool(tool), White);
    for (int kind = 0; kind < 4; ++kind)
        list.Add(LineKind(kind), White);
    for (int colour = 1; colour <= 6; ++colour)
        list.Add(ColourGlyph(UserColour(colour)), White);
    list.Add(PointList(), White);
    return list;
}
