#pragma once
// A seabed tile in memory: 256 x 256 cells of recorded depths, held in rows (cells[row][column],
// row being the cell's j and column its i). The depth recorder writes the tile it records in;
// the seabed file (userdata/SeabedTiles.h) stores and loads tiles. Main thread only.

#include <array>
#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
// A cell as the seabed file stores it: while the count stays below 256 its 16 bits are the
// stored count byte followed by the stored zero byte.
struct SeabedCell {
    uint8_t column;      // i, the x index in the tile
    uint8_t row;         // j, the y index
    uint16_t meanDepth;  // decimetres as recorded; 0: an empty cell
    uint16_t count;      // samples, at most 255
};
#pragma pack(pop)
static_assert(sizeof(SeabedCell) == 6);

struct SeabedTile {
    static constexpr int Side = 256;

    int32_t keyX = 0;  // tile column and row of the grid
    int32_t keyY = 0;
    bool valid = false;    // a key was set
    bool changed = false;  // cells were written since the tile was loaded or stored
    std::array<SeabedCell, Side * Side> cells{};

    SeabedCell& at(int column, int row) { return cells[size_t(row) * Side + size_t(column)]; }
    const SeabedCell& at(int column, int row) const { return cells[size_t(row) * Side + size_t(column)]; }
    // Empties the cells and sets the key.
    void reset(int32_t x, int32_t y);
};

// The tile being recorded: the held tile.
extern SeabedTile CurrentSeabedTile;
// The tile left behind by a tile change, until it is stored; its `changed` flag says whether it
// holds anything to store.
extern SeabedTile SeabedFlushTile;
