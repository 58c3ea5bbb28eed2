#pragma once
// Chart texts: placed by S-52 justification and offsets around a pivot point, in the colour and
// body size asked, each distinct text drawn once into an image and reused from then on.

#include "platform/chartengine/S52Instruction.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace chartengine {

struct TextItem {
    QPointF pivot;  // pixels
    QString text;
    S52TextStyle style;
    QColor colour;
    double pixelsPerMm = 3.5;
    bool underline = false;
};

class TextPainter {
public:
    // The pixels the text takes at its place.
    QRectF Bounds(const TextItem& item);
    void Draw(QPainter& painter, const TextItem& item);

    // What tells two rendered texts apart.
    struct Key {
        QString text;
        QRgb colour;
        float pixelsPerMm;
        S52TextStyle style;
        bool underline;
        friend bool operator==(const Key&, const Key&) = default;
    };

private:
    struct Rendered {
        QImage image;
        QPointF origin;  // where the pivot lies in the image
    };
    const Rendered& Render(const TextItem& item);

    QHash<Key, Rendered> cache_;
};

size_t qHash(const TextPainter::Key& key, size_t seed = 0);

}  // namespace chartengine
