#pragma once
// The seabed depth recorder: depths measured under way are averaged into cells of four grid
// levels and written into the seabed tile being recorded (256 x 256 cells). When the ship enters
// another tile, a changed tile is handed over for storing (SeabedFlushTile) and recording goes on
// in the new tile.

#include "frame/SeabedTile.h"
#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <cstdint>

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
    // Where the depth being recorded was measured (chart units): the transducer's position for
    // a live depth, the sounding's own for an imported one.
    cmgbase::GeoPoint position{};
};

extern DepthRecorderState DepthRecorder;

// The x stretch of a tile row of the grid of OwnShip.depthTileResolution (SeabedGrid.h). `value`
// is a chart y, or a tile row when `scaled`.
float SeabedGridLonFactor(int32_t value, bool scaled);

// Records depth (metres) at DepthRecorder.position into grid level 0..3 with cells of
// `cellSize` chart units. True when level 0 entered another tile (the tile-change request).
bool StoreDepthInGrid(int level, int32_t cellSize, float depth);

// Restarts the averaging of all levels.
void ClearDepthAccumulators();

// The measured depth d (metres below the surface): stored for display and the depth alarm, and
// recorded into the seabed tile when recording is on. Returns 4 when the tile changed, else 0.
int32_t HandleDepthReading(float depth);
