#pragma once
// The chart levels of the main chart: level 0..17 shows the chart at 1:ChartLevelTable[level].
// The mini chart uses levels 0..16.

#include <array>
#include <cstdint>

inline constexpr std::array<uint32_t, 18> ChartLevelTable{
    1500,  3000,  5000,   7500,   10000,  15000,   22000,   30000,    50000,
    75000, 100000, 150000, 300000, 500000, 1000000, 3000000, 20000000, 100000000};
