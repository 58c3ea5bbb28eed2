#pragma once
// What the information dialog shows of a stored object or of a sample of the own track: its
// caption and its summary, Windows-1252 texts with CR LF line ends. Main thread only.

#include "userdata/RouteTable.h"
#include "userdata/UserRecords.h"

#include <cstdint>
#include <string>

inline constexpr const char* CurrentTrackCaption = "Current TRACK";

// The part of the object the dialog shows besides the object itself.
struct ShownPart {
    int32_t waypoint = -1;     // ROUTE: the route table entry, -1 none
    int32_t trackPoint = -1;   // TRACK: the number (sequence) of the picked point, -1 none
    bool secondRoute = false;  // a second route is being added to the one in the table
};

// The summary of sample `slot` of the track ring: the ring's length and samples, the sample's
// number, time, position, course and speed, and its depth and water temperature when it has them.
std::string CurrentTrackSummary(int32_t slot);

// The type word, for a ROUTE with points " (extended)" while a second route is being added or
// " (retour)" when the waypoint shown was loaded reversed, then "  (id: <id>)" and the object's
// local date and time.
std::string ObjectCaption(const IdRecord& object, const ShownPart& part);

// The summary of the object by its type: the length and points of a track, route or line; the
// picked point of a track; the position and depth of a symbol; the radius and area of a zone;
// the sides and area of a field; the waypoint shown of a route with its leg.
std::string ObjectSummary(const IdRecord& object, const ShownPart& part);

// The entry `waypoint` of the route table when it is one of the route `object` shown, else null.
const WP_typ* ShownWaypoint(const IdRecord& object, int32_t waypoint);

// The radius of a ZONE in nautical miles: the distance from its centre (first reference
// position) to its edge (second); 0 when it cannot be computed.
float ZoneRadius(const IdRecord& zone);
