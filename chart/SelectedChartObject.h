#pragma once
// The three lights the user picked for highlighting, oldest first. A change of the band in use
// marks them inactive; the light markers fill in the rest of the record.

#include <array>
#include <cstdint>

struct SelectedChartObject {
    uint8_t active = 0;
};

inline std::array<SelectedChartObject, 3> SelectedChartObjects{};
