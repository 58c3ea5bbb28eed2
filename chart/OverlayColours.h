#pragma once
// Colours and pens of the chart overlays. The user colours are Windows colours (0x00BBGGRR) of
// UserColourTable by index 1..7; the system colours come from the application palette.

#include <QColor>
#include <QPen>

#include <cstdint>

// A Windows colour 0x00BBGGRR as an opaque colour.
QColor WindowsColour(uint32_t colour);
// UserColourTable[index], the index held to 0..7.
QColor UserColour(int32_t index);
// The window-text colour of the system.
QColor WindowTextColour();
// A pen as the overlays draw with: wide lines get square ends and mitred joins, which cost far
// less to fill than round ones and differ from them by a pixel at most.
QPen OverlayPen(const QColor& colour, int32_t width, Qt::PenStyle style = Qt::SolidLine);
