#include "app/ImageList2.h"

#include "app/ImageList3.h"
#include "chart/OverlayColours.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr int StripPitch = 17;  // cells of the strip, 16 pixels and a gap
constexpr int StripCell = 16;
const QColor Ink(0, 0, 0);

QImage Blank()
{
    QImage picture(LineBarImageSize, QImage::Format_RGB32);
    picture.fill(White);
    return picture;
}

// Symbol `index` as the strip's mask row has it: black where the symbol is.
QImage Symbol(const QImage& strip, int index)
{
    QImage picture = Blank();
    const QImage cell = strip.copy(index * StripPitch, 0, StripCell, StripCell).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (qGray(cell.pixel(x, y)) < 128)
                picture.setPixel(x + 2, y + 2, Ink.rgb());
    return picture;
}

// The tools: a symbol, and over it what the tool does to it.
QImage SymbolTool(SymbolBarImage tool)
{
    QImage picture = Blank();
    QPainter p(&picture);
    p.setPen(QPen(Ink, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(3, 3, 9, 9);
    switch (tool) {
    case SymbolDeleteImage:
        p.setPen(QPen(QColor(208, 0, 0), 2));
        p.drawLine(10, 10, 17, 17);
        p.drawLine(17, 10, 10, 17);
        break;
    case SymbolMoveImage:
        p.setPen(QPen(QColor(0, 64, 192), 2));
        p.drawLine(11, 11, 18, 18);
        p.drawPolyline(QPolygon({QPoint(13, 18), QPoint(18, 18), QPoint(18, 13)}));
        break;
    case SymbolNewImage:
        p.setPen(QPen(QColor(0, 150, 0), 2));
        p.drawLine(14, 10, 14, 18);
        p.drawLine(10, 14, 18, 14);
        break;
    default:
        p.setPen(QPen(QColor(0, 150, 0), 3));
        p.drawPolyline(QPolygon({QPoint(6, 13), QPoint(10, 17), QPoint(18, 8)}));
        break;
    }
    return picture;
}

// Three small symbols in a row: the choice of another symbol.
QImage Selection()
{
    QImage picture = Blank();
    QPainter p(&picture);
    p.setPen(Ink);
    p.setBrush(Ink);
    for (const int x : {3, 9, 15})
        p.drawRect(x, 9, 2, 2);
    return picture;
}

}  // namespace

ImageList MakeImageList2(const QImage& symbolStrip)
{
    ImageList list(LineBarImageSize);
    for (int index = 0; index < SymbolImageCount; ++index)
        list.Add(Symbol(symbolStrip, index), White);
    for (const SymbolBarImage tool : {SymbolDeleteImage, SymbolMoveImage, SymbolNewImage, SymbolFinishImage})
        list.Add(SymbolTool(tool), White);
    for (int colour = 1; colour <= 6; ++colour)
        list.Add(ColourGlyph(UserColour(colour)), White);
    list.Add(Selection(), White);
    return list;
}
