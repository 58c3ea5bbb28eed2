#include "platform/chartengine/SymbolPainter.h"

#include "platform/chartengine/S52Symbols.h"
#include "platform/chartengine/S57Codes.h"

#include <QPainter>

#include <cmath>

namespace chartengine {

namespace {

// Every symbol fits within this distance of its pivot.
constexpr double kSymbolReachMm = 9.0;
// The program runs all watch long over ever new charts: the images kept are bounded.
constexpr qsizetype kMostSymbols = 4096;

// What a symbol takes from its object.
constexpr int32_t kShapingAttributes[] = {s57attribute::COLOUR, s57attribute::COLPAT, s57attribute::BOYSHP,
                                          s57attribute::TOPSHP};

}  // namespace

size_t qHash(const SymbolPainter::Key& key, size_t seed)
{
    return qHashMulti(seed, QByteArrayView(key.name.data(), qsizetype(key.name.size())), key.degrees, key.pixelsPerMm,
                      key.colours, QByteArrayView(key.shaping.data(), qsizetype(key.shaping.size())));
}

void SymbolPainter::Draw(ChartCanvas& canvas, std::string_view name, QPointF at, double angle,
                         const ChartObject& object)
{
    const int degrees = static_cast<int>(std::lround(angle)) % 360;
    Key key{std::string(name), degrees, canvas.pixelsPerMm(), canvas.colourKey(), {}};
    for (const int32_t attribute : kShapingAttributes) {
        AttributeValue value;
        if (object.Attribute(attribute, &value) == kOk)
            key.shaping += value.text;
        key.shaping += '|';
    }
    auto found = cache_.constFind(key);
    if (found == cache_.constEnd()) {
        const int half = static_cast<int>(std::ceil(canvas.mm(kSymbolReachMm)));
        QImage image(2 * half, 2 * half, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        ChartCanvas symbolCanvas(painter, canvas.mapping(), canvas.colours(), canvas.pixelsPerMm(), image.rect());
        DrawS52Symbol(symbolCanvas, name, QPointF(half, half), degrees, object);
        painter.end();
        if (cache_.size() >= kMostSymbols)
            cache_.clear();
        found = cache_.insert(key, std::move(image));
    }
    const double half = found->width() / 2.0;
    canvas.painter().drawImage(QPointF(std::round(at.x() - half), std::round(at.y() - half)), *found);
}

}  // namespace chartengine
