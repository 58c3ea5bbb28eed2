#pragma once
// The points of a route or line being drawn, stored one by one as they are placed (by the
// chart's clicks, a position typed into the route grid, or a search pattern): the first point
// makes the object. Main thread only; the route table changes under ComOutStateLock.

#include "platform/geodesy/GeoTypes.h"
#include "userdata/UserRecords.h"

#include <cstdint>
#include <optional>
#include <string_view>

// Kinds of AddSarObject: a route or a line; a kind SarKindOffset higher makes a search pattern's
// object, named SarObjectName.
inline constexpr int32_t DrawnRouteKind = 2;
inline constexpr int32_t DrawnLineKind = 3;
inline constexpr int32_t SarKindOffset = 10;
inline constexpr const char* SarObjectName = "S.A.R.";
// The colour of a route made by drawing.
inline constexpr uint16_t DrawnRouteColour = 2;

// A new ROUTE (colour DrawnRouteColour) or LINE (the settings' line colour) starting at the
// position (stored units) at `time`, with the name, stored under a new id of its range (a taken
// position moves it east unit by unit); none when it could not be stored (reported).
std::optional<IdRecord> AddDrawnObject(ObjectType type, int32_t latitude, int32_t longitude, uint32_t time,
                                       std::string_view name = {});
// The route defaults of the settings (turn radius, lane, speed, safety depth) into a route's
// first point.
void PutRouteDefaults(PointRecord& point);

// Stores the point at `position` as point `pointNumber` (1 for the first) of the route (RouteId)
// or of the line (ObjectDialogHook's line id) being drawn, at the clock's time.
// - Point 1 makes the object first: a new id of its range, the position and time, colour
//   DrawnRouteColour for a route or the settings' line colour for a line, and the name
//   SarObjectName for a pattern's kind; a taken position moves it east unit by unit
//   (AddIdRecord). The id becomes RouteId (a route) or the line id (a line), and with the option
//   to describe new objects on the object is offered for naming. A later point hides a shown
//   information dialog.
// - A route point carries the danger flags of its table entry, the first one the route defaults
//   of the settings (turn radius, lane, speed, safety depth); its table entry takes the position
//   and the stored point, and WaypointCount becomes pointNumber. A route point beyond
//   MaxRouteWaypoints is refused.
// - A drawn line's points carry the polygon mark while the line kind of the settings is the
//   polyline (a pattern's line never does). A line point beyond MaxPointSequence is refused.
// False when the point was refused or not stored (failures reported, DatabaseReports.h).
bool AddSarObject(int32_t kind, int32_t pointNumber, const cmgbase::GeoPoint& position);
