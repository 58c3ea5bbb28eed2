#include "platform/components/IgpText.h"

#include <QFontMetrics>
#include <QPainter>

namespace Igpfunctions {

namespace {

int QtFlags(Itypes::TiTextFlags flags)
{
    int qt = flags.testFlag(Itypes::tfCenter)  ? Qt::AlignHCenter
             : flags.testFlag(Itypes::tfRight) ? Qt::AlignRight
                                               : Qt::AlignLeft;
    qt |= flags.testFlag(Itypes::tfVCenter)  ? Qt::AlignVCenter
          : flags.testFlag(Itypes::tfBottom) ? Qt::AlignBottom
                                             : Qt::AlignTop;
    if (flags.testFlag(Itypes::tfWordBreak))
        qt |= Qt::TextWordWrap;
    if (flags.testFlag(Itypes::tfNoClip))
        qt |= Qt::TextDontClip;
    return qt;
}

int Degrees(Itypes::TiRotationAngle angle)
{
    switch (angle) {
    case Itypes::TiRotationAngle::ra90:
        return 90;
    case Itypes::TiRotationAngle::ra180:
        return 180;
    case Itypes::TiRotationAngle::ra270:
        return 270;
    case Itypes::TiRotationAngle::ra0:
        break;
    }
    return 0;
}

}  // namespace

QRect iDrawText(QPainter& painter, const QString& text, const QRect& rect,
                Itypes::TiTextFlags flags)
{
    QRect taken;
    painter.drawText(rect, QtFlags(flags), text, &taken);
    return taken;
}

void iDrawRotatedText(QPainter& painter, const QString& text, QPoint origin,
                      Itypes::TiRotationAngle angle)
{
    painter.save();
    painter.translate(origin);
    // Screen y grows downwards, so a counter-clockwise turn is a negative one for Qt.
    painter.rotate(-Degrees(angle));
    painter.drawText(QRect(0, 0, iTextWidth(painter, text), iTextHeight(painter, text)),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    painter.restore();
}

int iTextWidth(const QPainter& painter, const QString& text)
{
    return painter.fontMetrics().boundingRect(QRect(), 0, text).width();
}

int iTextHeight(const QPainter& painter, const QString& text)
{
    return painter.fontMetrics().boundingRect(QRect(), 0, text).height();
}

int iTextHeightFixedWidth(const QPainter& painter, const QString& text, int width)
{
    return painter.fontMetrics().boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap, text)
        .height();
}

}  // namespace Igpfunctions
