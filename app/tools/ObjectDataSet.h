#pragma once
// A data set to look at: one of each kind of stored object laid around a centre, for the chart
// to show (the fixture of the stored objects' checks under a real display, and of their tests):
// - two tracks, "Morning run" with its depths and an unnamed one;
// - the route "Harbour approach" with named waypoints, and the route "Ocean passage" whose
//   first leg is a great circle of about 1,200 nm (divided into steps when it is loaded);
// - the line "Cable", the polygon "Anchorage" and a guard zone (a polygon of colour 7);
// - the symbols "Rock" (with a text of its own), "/Wreck" and "M.O.B.", and the depth mark
//   "@12.3";
// - a zone (circle) and a field (rectangle).

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>

// Writes the objects into the open user database, within about `radius` nautical miles of
// `centre` (the ocean passage runs far beyond), timed `time` (seconds since 1970). False when
// a record could not be stored (reported).
bool WriteObjectDataSet(const cmgbase::GeoPoint& centre, double radius, uint32_t time);
