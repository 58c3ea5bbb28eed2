#include "chart/PaintBox.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

PaintBox::PaintBox(QWidget* box, std::function<void(QPainter&, const QRect&)> paint, std::function<void()> resized)
    : QObject(box), paint_(std::move(paint)), resized_(std::move(resized))
{
    box->installEventFilter(this);
}

void PaintBox::Install(QWidget* box, std::function<void(QPainter&, const QRect&)> paint,
                       std::function<void()> resized)
{
    new PaintBox(box, std::move(paint), std::move(resized));
}

bool PaintBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && paint_) {
        // The widget is inside its paint event here, so a painter may work on it.
        QPainter painter(static_cast<QWidget*>(watched));
        paint_(painter, static_cast<QPaintEvent*>(event)->rect());
        return true;
    }
    if (event->type() == QEvent::Resize && resized_)
        resized_();
    return false;
}
