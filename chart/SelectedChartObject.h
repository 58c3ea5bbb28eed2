#pragma once
// The three lights the user picked for highlighting, oldest first. A change of the band in use
// marks them inactive. A slot holds copies of every light that stands at the picked light's
// screen point (their shown flag set; unused copies are cleared).

#include "chart/ChartMarker.h"

#include <array>
#include <cstdint>

inline constexpr int SelectedMarkerCopies = 20;

struct SelectedChartObject {
    uint8_t active = 0;
    uint8_t pickKind = 0;        // 0 left click: white sectors; 1 right click: all its sectors
    uint32_t lightHeight = 0;    // metres
    cmgbase::GeoPoint position;  // the picked light's identity
    int32_t x = 0;
    int32_t y = 0;
    std::array<ChartMarker, SelectedMarkerCopies> markers{};
};

inline std::array<SelectedChartObject, 3> SelectedChartObjects{};
