#pragma once
// One point inserted into or deleted from a stored route or line: the later points renumbered
// so that the sequence numbers keep running without a gap, the waypoint names (info texts keyed
// by the point's sequence) moved with their points, and the route table kept in step when the
// object is the route it holds. Main thread only; the table changes under ComOutStateLock.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <optional>

// Re-keys the text (id, kind) of the info file to newKind, or deletes it when newKind is -1.
// Nothing when there is no such text. A text held at newKind already is replaced. Failures are
// reported (DatabaseReports.h).
void MoveInfoRecord(int32_t id, uint16_t kind, int32_t newKind);

// Inserts a point at `position` after position n, or deletes the point at position n, of the
// stored object `id`; positions count from 1 in the order the object is shown.
// - A line (any object but the route in the table): position n is the point's sequence.
//   Inserting after 0 puts the new point first.
// - The route in the table (id is RouteId): position n is table entry n - 1, so that the route
//   grid's rows and the chart's legs count alike whichever way the table runs. Insert puts the
//   new waypoint between entries n - 1 and n, after the lower of their two stored points (their
//   sequence fields), so it lies between the same stored points in the database; both must be
//   points of the route next to each other. Delete takes entry n - 1's stored point. The table
//   gains or loses that entry (WaypointCount follows: callers do not count it again), later
//   entries' sequences follow the renumbering, CurrentWaypoint and NextStopWaypoint keep
//   pointing at the same waypoints, and every leg is computed again.
// Insert renumbers from the object's last point back; the new point takes the leg values of the
// leg it divides and no stop, radius or route defaults. Delete removes the point with its name
// and renumbers the later points down. Refused (false, nothing changed) for a position outside
// the object or the table, an entry that is no stored point of the route (the inserted own
// position, a step of a divided great-circle leg, another route's waypoint), a table or route
// already holding MaxRouteWaypoints waypoints, and an object whose last sequence number cannot
// grow.
bool UpdateObjectPoints(int32_t id, int32_t n, bool insert, const cmgbase::GeoPoint& position);

// What a dragged point takes: its new position, and for a route point the danger-flag byte of
// the leg leaving it (the route table's check of that leg).
struct PointChange {
    std::optional<cmgbase::GeoPoint> position;
    std::optional<uint8_t> dangerFlags;
};
// Rewrites point `sequence` of object `id` with the change. False, nothing written, when the
// point cannot be read; a failed rewrite is reported and false too.
bool ChangeObjectPoint(int32_t id, int32_t sequence, const PointChange& change);

// Closes the gaps in the sequence numbers of object `id`: its points numbered 1 and above are
// renumbered 1, 2, 3 ... in key order, lowest first (so no number is ever taken twice), each
// waypoint name moving along with its point. Points numbered below 1 are left as they are.
struct SequenceRepair {
    bool complete = true;      // every renumbering was written (a failure is reported)
    int32_t firstRepaired = 0; // the new number of the first point renumbered; 0 none
};
SequenceRepair RepairPointSequence(int32_t id);
