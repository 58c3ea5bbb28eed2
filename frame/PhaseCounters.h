#pragma once
// Nine cyclic counters stepped by the 200 ms tick, from which the chart display times the
// blinking of light markers: counter k runs 0, 1, .. kPhaseCounterLengths[k] - 1 and back to 0.
// Main thread only.

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::array<int8_t, 9> kPhaseCounterLengths{10, 15, 20, 25, 30, 40, 50, 60, 75};

extern std::array<int8_t, 9> PhaseCounters;  // all 0 at program start

// One tick: every counter one step on, the ones at (or, from a stray value, past) their last
// value back to 0.
void AdvancePhaseCounters();
