#include "platform/system/ColourBox.h"

#include <QMouseEvent>

ColourBox::ColourBox(QWidget* parent, std::function<void()> clicked)
    : QFrame(parent), clicked_(std::move(clicked))
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setFixedSize(SampleSize, SampleSize);
    setAutoFillBackground(true);
}

void ColourBox::setColour(uint32_t windowsColour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window,
                     QColor(int(windowsColour & 0xFF), int(windowsColour >> 8 & 0xFF), int(windowsColour >> 16 & 0xFF)));
    setPalette(colours);
}

void ColourBox::mousePressEvent(QMouseEvent* event)
{
    if (clicked_ && event->button() == Qt::LeftButton)
        clicked_();
    QFrame::mousePressEvent(event);
}
