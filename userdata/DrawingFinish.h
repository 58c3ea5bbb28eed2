#pragma once
// What finishing a drawing tool writes back into the stored object: the id record's edit mark
// and the route points' danger flags. Main thread only. A record that cannot be read is left as
// it is; failures other than a missing record are reported (DatabaseReports.h).

#include <cstdint>
#include <optional>

// The id record of object `id` (found by its id alone) gets 0 in its word at byte 30 and, with
// `colour`, that colour when its own is a user colour (below 7); then it is rewritten. False
// when there is no such record or the rewrite failed.
bool ClearObjectEditMark(int32_t id, std::optional<uint16_t> colour = std::nullopt);

// Brings the danger-flag word (low byte) of the stored points of route `routeId` into line with
// the route table: the point of sequence s takes the flags of entry s - 1. Only sequences 1 to
// WaypointCount have an entry; other points are left alone. Returns the points rewritten.
int32_t StoreRoutePointFlags(int32_t routeId);
