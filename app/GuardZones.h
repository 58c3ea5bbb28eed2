#pragma once
// Guard zones: LINE objects of colour 7 are polygons; AIS targets entering or leaving one are
// logged. Main thread only.

#include <cstdint>
#include <functional>
#include <string>

// The colour index that makes a LINE object a guard zone.
constexpr uint16_t GuardZoneColour = 7;
// A zone is tested with at most this many of its points.
constexpr int32_t GuardZonePoints = 50;
// The AIS events of the zones: the target record's index and 1 entered, 0 left.
constexpr int32_t GuardZoneLeave = 0;
constexpr int32_t GuardZoneEnter = 1;
// The zone's name goes with the event.
using AisEventLog = std::function<void(int32_t index, int32_t event, const std::string& zone)>;

// Tests every AIS target of the table (an id of nine digits) against every guard zone of the open
// data set within the AIS range of the own position (AisRangeMiles; 9999 no limit). Each target
// is followed in at most two zones, its record's two slots: a slot takes a zone the target is
// inside and reports its entry, and is freed with a report when the target leaves. Slots of a
// zone that is no longer a guard zone are freed without a report. The test is made in chart
// units on the zone's first GuardZonePoints points, the ring closed; nothing while no data set
// is open.
void CheckGuardZones(const AisEventLog& log);
