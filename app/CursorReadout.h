#pragma once
// The cursor readouts of the side panel (and of SlavePanel while the side panel is hidden): the
// position under the pointer with its LORAN-C or Decca readings, and the range and bearing
// between two chart positions with the time the own ship would take to run it. The chart's mouse
// input, the dynamic overlay's bearing line and the 100 ms tick (the 3D view's cursor) call them.
// Main thread only; nothing before the start-up is done.

#include "platform/geodesy/GeoTypes.h"

class TForm1;

// Latitude and longitude of position ("%3d° %02d.%03d' %c"), "3D" when it is the 3D view's
// cursor, and the navigation-aid readings of the position (NavigationAidReadout.h).
void UpdateCursorReadout(TForm1& form, bool is3D, const cmgbase::GeoPoint& position);

// Rhumb-line bearing ("%.1f°", due north 360.0) and range from `from` to `to`: nautical miles
// with two decimals up to 10, one up to 100, none beyond; in metres up to 10000 m, else whole
// kilometres with a trailing point. Above 1 knot over the ground also the local clock time of
// arrival at the present speed ("%02d:%02d") into txEtaEta; at 1 knot or less that stays as it
// was.
void UpdateRangeBearingReadout(TForm1& form, const cmgbase::GeoPoint& from, const cmgbase::GeoPoint& to);
