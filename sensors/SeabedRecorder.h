#pragma once
// The seabed depth recorder: depths measured under way are averaged into cells of four grid
// levels and written into the seabed tile being recorded (256 x 256 cells). When the ship enters
// another tile, a changed tile is handed over for storing (SeabedFlushTile) and recording goes on
// in the new tile.

#include <array>
#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct SeabedCell {
    uint8_t column;
    uint8_t row;
    uint16_t meanDepth;  // decimetres
    uint16_t count;      // samples, at most 255
};
#pragma pack(pop)
static_assert(sizeof(SeabedCell) == 6);

struct SeabedTile {
    static constexpr int Side = 256;

    int32_t keyX = 0;  // tile column and row of the grid
    int32_t keyY = 0;
    bool valid = false;    // a key was set
    bool changed = false;  // cells were written since the tile was loaded
    std::array<SeabedCell, Side * Side> cells{};

    SeabedCell& at(int column, int row) { return cells[size_t(row) * Side + size_t(column)]; }
    // Empties the cells and sets the key.
    void reset(int32_t x, int32_t y);
};

// The averaging of one grid level.
struct DepthLevel {
    int32_t lastColumn = -1;  // cell of the samples being averaged
    int32_t lastRow = -1;
    double sum = 0.0;
    int32_t count = 0;
    int32_t lastWrittenColumn = -1000;
    int32_t lastWrittenRow = -1000;
    int32_t lastWrittenMean = 0;  // decimetres
};

struct DepthRecorderState {
    std::array<DepthLevel, 4> levels{};
    float lonFactor = 1.1f;         // the x stretch of the tile row being recorded
    bool transferRunning = false;   // a data transfer runs: live depths are not recorded
};

extern DepthRecorderState DepthRecorder;
extern SeabedTile CurrentSeabedTile;
// The tile left behind by a tile change, for the seabed file; its `changed` flag says whether it
// holds anything to store. The 100 ms tick stores it when the seabed flush request is set.
extern SeabedTile SeabedFlushTile;

// The x stretch of a tile row: 1 / cos(latitude) rounded down to 0.1, plus 0.1. `value` is a
// chart y (or a tile row when `scaled`, multiplied by the tile resolution).
float SeabedGridLonFactor(int32_t value, bool scaled);

// Records depth (metres) at the transducer position into grid level 0..3 with cells of
// `cellSize` chart units. True when level 0 entered another tile (the tile-change request).
bool StoreDepthInGrid(int level, int32_t cellSize, float depth);

// Restarts the averaging of all levels.
void ClearDepthAccumulators();

// The measured depth d (metres below the surface): stored for display and the depth alarm, and
// recorded into the seabed tile when recording is on. Returns 4 when the tile changed, else 0.
int32_t HandleDepthReading(float depth);
