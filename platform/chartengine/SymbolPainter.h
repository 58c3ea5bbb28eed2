#pragma once
// Point symbols drawn once and reused: each symbol, in the colours and shapes it takes from its
// object, turned by whole degrees, is drawn into an image the first time it is asked for, and
// every later one is a copy of that image.

#include "platform/chartengine/ChartCanvas.h"
#include "platform/chartengine/ChartObject.h"

#include <QHash>
#include <QImage>
#include <QPointF>
#include <QString>

#include <string>
#include <string_view>

namespace chartengine {

class SymbolPainter {
public:
    // Draws the symbol (S52Symbols.h) with its pivot at the pixel point, turned by angle degrees.
    void Draw(ChartCanvas& canvas, std::string_view name, QPointF at, double angle, const ChartObject& object);

    // What tells two drawn symbols apart: the name, the angle, the size and colours of the
    // symbology, and what the symbol takes from its object.
    struct Key {
        std::string name;
        int degrees;
        double pixelsPerMm;
        uint64_t colours;
        std::string shaping;
        friend bool operator==(const Key&, const Key&) = default;
    };

private:
    QHash<Key, QImage> cache_;
};

size_t qHash(const SymbolPainter::Key& key, size_t seed = 0);

}  // namespace chartengine
