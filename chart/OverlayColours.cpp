#include "chart/OverlayColours.h"

#include "frame/SharedTables.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

QColor WindowsColour(uint32_t colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QColor UserColour(int32_t index)
{
    return WindowsColour(UserColourTable[size_t(std::clamp<int32_t>(index, 0, 7))]);
}

QColor WindowTextColour()
{
    return QGuiApplication::palette().color(QPalette::WindowText);
}

QPen OverlayPen(const QColor& colour, int32_t width, Qt::PenStyle style)
{
    return QPen(colour, width, style, Qt::SquareCap, Qt::MiterJoin);
}
