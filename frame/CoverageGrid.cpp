#include "frame/CoverageGrid.h"

#include <algorithm>

std::array<uint8_t, kCoverageColumns * kCoverageRows> ExportCoverageGrid{};

void MarkCoverageCell(int32_t x, int32_t y)
{
    const int column = std::clamp(x / 10, 0, kCoverageColumns - 2);
    const int row = std::clamp(y / 10, 0, kCoverageRows - 2);
    const auto cell = [](int c, int r) -> uint8_t& {
        return ExportCoverageGrid[c * kCoverageRows + r];
    };
    cell(column, row) = 2;
    cell(column + 1, row) = 1;
    cell(column, row + 1) = 1;
    cell(column + 1, row + 1) = 1;
    if (row > 0) {
        cell(column, row - 1) = 1;
        cell(column + 1, row - 1) = 1;
    }
    if (column > 0) {
        cell(column - 1, row) = 1;
        cell(column - 1, row + 1) = 1;
    }
}
