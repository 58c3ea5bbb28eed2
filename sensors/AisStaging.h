#pragma once
// The AIS hand-over to the target table: what the AIS decoding staged before it called
// UpdateTargetTable, kind 4 with the dynamic block, kind 5 with the static block. The staged id
// (the MMSI), status and name are those of the sensor record's staged target.

#include "sensors/TargetRecord.h"

#include <cstdint>

// Which message the staged static block came from.
enum AisStaticPart : uint8_t {
    AisVoyageData = 0,  // message 5: the whole block
    AisPartA = 1,       // message 24 part A: the name
    AisPartB = 2,       // message 24 part B: ship type, vendor id, call sign, dimensions
};

struct AisStagingBlock {
    AisDynamicBlock dynamic{};
    AisStaticBlock staticData{};
    uint8_t part = AisVoyageData;
    uint8_t positionFixDevice = 0;  // message 5's type of position-fixing device
};
