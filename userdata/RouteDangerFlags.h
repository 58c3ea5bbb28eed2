#pragma once
// The bits of a route entry's dangerFlags that the chart check of its leg's lane and of the
// turn area at its waypoint sets. Each turn bit is the lane bit moved up by one.

#include <cstdint>

inline constexpr uint8_t LaneDepthDanger = 1;    // a danger for the safety depth in the lane
inline constexpr uint8_t TurnDepthDanger = 2;
inline constexpr uint8_t LaneCheckFailed = 4;
inline constexpr uint8_t TurnCheckFailed = 8;
inline constexpr uint8_t LaneHeightDanger = 16;  // something lower than the vessel over the lane
inline constexpr uint8_t TurnHeightDanger = 32;

inline constexpr uint8_t LaneCheckBits = LaneDepthDanger | LaneCheckFailed | LaneHeightDanger;
inline constexpr uint8_t TurnCheckBits = TurnDepthDanger | TurnCheckFailed | TurnHeightDanger;
