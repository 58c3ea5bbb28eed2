#pragma once
// Which parts of the main chart's screen an export has filled: one byte per 10 x 10 pixels,
// 160 columns by 120 rows, stored column by column.

#include <array>
#include <cstdint>

inline constexpr int kCoverageColumns = 160;
inline constexpr int kCoverageRows = 120;

// Byte column x kCoverageRows + row: 0 not covered, 1 next to a covered cell, 2 covered. The
// 3D export clears it before it starts.
extern std::array<uint8_t, kCoverageColumns * kCoverageRows> ExportCoverageGrid;

// Marks the cell of the screen point (x, y) covered and its neighbours to the right, below,
// below-right, above, above-right, left and below-left as next to it (not the one above-left).
// Points off the grid count as on its edge, one cell in from the right and bottom edges so
// that those neighbours stay on the grid.
void MarkCoverageCell(int32_t x, int32_t y);
