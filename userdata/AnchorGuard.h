#pragma once
// The anchor guard: a ZONE of the user's objects, chosen in the information dialog, inside whose
// circle the anchor watch of the 100 ms tick keeps the own ship. Main thread only; not stored.

#include "platform/geodesy/GeoTypes.h"
#include "userdata/UserRecords.h"

#include <cstdint>

struct AnchorGuardZone {
    int32_t zoneId = 0;          // the ZONE object; 0: no anchor guard
    cmgbase::GeoPoint centre{};  // its first reference position, chart units
    float radius = 0.0f;         // nautical miles
};
extern AnchorGuardZone AnchorGuard;

// The zone becomes the anchor guard with the radius (nautical miles) of its circle.
void SetAnchorGuard(const IdRecord& zone, float radius);
// No anchor guard any more.
void ClearAnchorGuard();
