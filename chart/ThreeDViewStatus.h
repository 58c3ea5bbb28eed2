#pragma once
// The 3D view record as this side writes it: the chart's and the exported area's sizes, the own
// ship and the chart centre, and the 3D settings and buttons, through the 3D library.

#include <array>
#include <cstdint>

struct ChartWindow;

// Own ship and the main chart centre in the last export's coordinates (record bytes 16 to 28),
// or four -1: while the 3D view is closed, without a live position, or with the own ship off the
// chart. The record's writers all take them from here, so none undoes what another wrote.
std::array<int32_t, 4> ThreeDShipAndCentre(const ChartWindow& window);

// Writes the record while the 3D side does not hold it (StatC 0x2), under StatC 0x1: with
// clipChanged the sizes, with reset the five reset fields zeroed, always the positions and the
// settings; every other byte as the library gave it. Nothing without the 3D library.
void Sync3DViewStatus(ChartWindow& window, bool clipChanged, bool reset);
