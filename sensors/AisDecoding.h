#pragma once
// What a complete AIS message does: position reports and static data of other stations (VDM)
// are staged in the own-ship state and handed to the target table; the own transponder's
// reports (VDO) fill the own AIS record and, while no better source is there, give the own
// ship's heading, motion and position; safety texts are kept and shown. Messages of the own
// MMSI (VDM), of another (VDO) or of MMSI 0 are dropped. Main thread, under ComOutStateLock.

#include "sensors/AisAssembly.h"
#include "sensors/AisPayload.h"

#include <cstdint>

// Takes the message `payload` received on `port`; `channel` is its channel letter. Returns the
// handler result: 1 a VDO report positioned the own ship, 2 or 3 the target table changed,
// else 0. Types other than 1, 2, 3, 5, 12, 14, 18 and 24 are ignored; 12, 14, 18 and 24 only
// come from other stations (VDM).
int32_t DecodeAisPayload(int port, AisSource source, const AisPayload& payload, char channel);

// Converts the raw position of `report` into its chart position. False when it is not a
// position (longitude beyond 180 degrees, latitude beyond 90: not available) or, for VDM, lies
// farther from the own ship's reference position than the AIS range. For VDO while no GPS port
// is chosen, the own ship takes the position.
bool ConvertAisPosition(AisSource source, AisDynamicBlock& report);
