#pragma once
// The look-ahead (antigrounding) check of the 100 ms tick: the sector ahead of the own ship,
// checked against the chart at every fix, turned into the antigrounding alarm and the area
// warning.

#include "platform/geodesy/GeoTypes.h"

#include <array>

class TForm1;

// The sector from `reference`: five points at `reach` on the course, its half-angle and half of
// it either side, closed back at the reference position.
std::array<cmgbase::GeoPoint, 7> LookAheadSector(const cmgbase::GeoPoint& reference, double course, double half,
                                                 double reach);

// The check of one fix while LookAheadSectorShown holds and no slow check asked for ticks
// without one (each tick without a check counts one of them down). The sector runs from the
// reference position over five points at the look-ahead distance, the course and the sector's
// half-angle and half of it either side, back to the reference position. Dangers for the safety
// depth and the vessel height raise the antigrounding alarm (relay closed, AutoBtn down and the
// Auto action), unless the waypoint-arrival hold runs; none end it. A watched area newly
// entered shows the area warning, except a recommended route or track. A check that could not
// run ends the area warning and leaves the antigrounding alarm as it is.
void RunLookAheadCheck(TForm1& form);
