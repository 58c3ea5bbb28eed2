#pragma once
// Text drawn and measured with a painter's font on its device. Texts may hold several lines
// (separated by "\n").

#include "platform/components/Itypes.h"

#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace Igpfunctions {

// `text` placed in `rect` as the flags say, in the painter's pen and font, cut at the rectangle
// unless tfNoClip. Returns the rectangle the text takes.
QRect iDrawText(QPainter& painter, const QString& text, const QRect& rect,
                Itypes::TiTextFlags flags = Itypes::tfLeft);
// `text` turned counter-clockwise by `angle` about `origin`, which is the top left corner of
// the unturned text.
void iDrawRotatedText(QPainter& painter, const QString& text, QPoint origin,
                      Itypes::TiRotationAngle angle);

// The width of the widest line and the height of all lines.
int iTextWidth(const QPainter& painter, const QString& text);
int iTextHeight(const QPainter& painter, const QString& text);
// The height of the text broken into lines at word boundaries no wider than `width`.
int iTextHeightFixedWidth(const QPainter& painter, const QString& text, int width);

}  // namespace Igpfunctions
