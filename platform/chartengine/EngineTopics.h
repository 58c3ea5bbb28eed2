#pragma once
// The topics the engine knows: the kind of chart database it opens, and the topic of the
// engine's own base symbolizations.

#include "platform/chartengine/Guid.h"

namespace chartengine {

// Chart databases of S-57 ENC cells in the engine's store.
inline constexpr Guid kS57ChartTopic{0x5A3C19E2, 0x7B41, 0x4D0E, {0x9F, 0x26, 0x3E, 0x81, 0xC4, 0x5D, 0x07, 0xA9}};
// The base symbolizations ("S52"), usable with every database.
inline constexpr Guid kBaseSymbolizationTopic{0x4C0D7C80, 0xBE95, 0x11D2, {0x8D, 0x71, 0x00, 0x80, 0x48, 0xC2, 0x19, 0xD3}};

}  // namespace chartengine
