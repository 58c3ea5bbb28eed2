#pragma once
// The own ship's derived positions: from the GPS position, the antenna position a little ahead
// along the display course (the fix is already old when it arrives), and from the antenna, with
// the ship geometry, the conning (reference), transducer and radar antenna positions.

#include "platform/geodesy/GeoTypes.h"

// The point `distance` nautical miles from `start` on `courseDegrees`; `start` itself when the
// geodesy refuses.
cmgbase::GeoPoint MoveAlong(const cmgbase::GeoPoint& start, double courseDegrees, double distance);

// Writes the antenna, reference, transducer and radar antenna positions of OwnShip from its GPS
// position, speed and display course and ShipGeometry. `leadSeconds` is how far the antenna is
// placed ahead (1.5 s for a repeated fix, else 0.5 s); at 1 knot or less it stays on the GPS
// position.
void DeriveOwnShipPositions(double leadSeconds);
