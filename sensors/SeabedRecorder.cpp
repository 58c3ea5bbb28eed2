#include "sensors/SeabedRecorder.h"

#include "frame/SeabedGrid.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorSettings.h"

#include <algorithm>
#include <cmath>

DepthRecorderState DepthRecorder;

namespace {

constexpr float MinimumRecordedDepth = 1.0f;     // metres
constexpr float MaximumDepth = 12000.0f;         // metres, deeper than any sea
constexpr float MinimumRecordingSpeed = 1.0f;    // knots
constexpr float MaximumCourseDeviation = 50.0f;  // degrees between heading and course
constexpr int32_t FineResolution = SeabedFineResolution;
constexpr int32_t MediumResolution = SeabedMediumResolution;

struct GridBands {
    int32_t limits[5];  // decimetres; level l takes [limits[l], limits[l + 1])
};

const GridBands& BandsOf(int32_t resolution)
{
    static constexpr GridBands fine{{0, 600, 1200, 2000, 65536}};
    static constexpr GridBands medium{{0, 800, 1600, 2000, 65536}};
    static constexpr GridBands coarse{{0, 1000, 2000, 3000, 65536}};
    if (resolution <= FineResolution)
        return fine;
    if (resolution <= MediumResolution)
        return medium;
    return coarse;
}

int32_t CellSizeOf(int32_t resolution)
{
    if (resolution <= FineResolution)
        return 500;
    if (resolution <= MediumResolution)
        return 1000;
    return 2000;
}

float AngleBetween(float a, float b)
{
    float d = std::fmod(std::fabs(a - b), 360.0f);
    return d > 180.0f ? 360.0f - d : d;
}

int32_t WeightCode(int level, int32_t mean, const DepthLevel& l)
{
    static constexpr int32_t codes[] = {2, 3, 5, 10};
    int32_t code = codes[level];
    if (SensorSetup.depthRecordingMode != 1)
        return code;
    code *= 2;
    const bool coarse = OwnShip.depthTileResolution > MediumResolution;
    const bool steady =
        mean <= 0 || std::abs(l.lastWrittenMean - mean) / double(mean) < 0.1;
    if (!coarse && steady)
        code *= 2;
    return code;
}

void WriteCell(int level, DepthLevel& l, int32_t column, int32_t row, int32_t mean)
{
    const int32_t scale = 1 << level;  // 1, 2, 4, 8
    const int32_t x = std::clamp(scale * column + level, 0, SeabedTile::Side - 1);
    const int32_t y = std::clamp(scale * row + level, 0, SeabedTile::Side - 1);
    SeabedCell& cell = CurrentSeabedTile.at(x, y);
    if (cell.count > 0) {
        const int32_t total = int32_t(cell.meanDepth) * int32_t(cell.count) + mean;
        cell.meanDepth = uint16_t(std::clamp(total / (int32_t(cell.count) + 1), 0, 65535));
        if (cell.count < 255)
            ++cell.count;
    } else {
        const int32_t code = WeightCode(level, mean, l);
        const bool apart =
            std::abs(x - l.lastWrittenColumn) > code || std::abs(y - l.lastWrittenRow) > code;
        if (SensorSetup.depthRecordingMode != 3 && !apart)
            return;
        cell.column = uint8_t(x);
        cell.row = uint8_t(y);
        cell.meanDepth = uint16_t(std::clamp(mean, 0, 65535));
        cell.count = 1;
    }
    l.lastWrittenColumn = x;
    l.lastWrittenRow = y;
    l.lastWrittenMean = mean;
    CurrentSeabedTile.changed = true;
}

}  // namespace

float SeabedGridLonFactor(int32_t value, bool scaled)
{
    const SeabedGrid grid(OwnShip.depthTileResolution);
    return grid.lonFactor(scaled ? value : grid.row(value));
}

void ClearDepthAccumulators()
{
    for (DepthLevel& l : DepthRecorder.levels) {
        l.sum = 0.0;
        l.count = 0;
    }
}

bool StoreDepthInGrid(int level, int32_t cellSize, float depth)
{
    if (level < 0 || level > 3 || cellSize <= 0)
        return false;
    const SeabedGrid grid(OwnShip.depthTileResolution);
    const int32_t resolution = grid.resolution();
    const double factor = DepthRecorder.lonFactor;
    const double x = DepthRecorder.position.x;
    const double y = DepthRecorder.position.y;
    const double tileWidth = double(resolution) * factor;
    const int32_t tileX = grid.column(DepthRecorder.position.x, DepthRecorder.lonFactor);
    const int32_t tileY = grid.row(DepthRecorder.position.y);

    if (level == 0 && (!CurrentSeabedTile.valid || tileX != CurrentSeabedTile.keyX ||
                       tileY != CurrentSeabedTile.keyY)) {
        if (CurrentSeabedTile.changed)
            SeabedFlushTile = CurrentSeabedTile;
        CurrentSeabedTile.reset(tileX, tileY);
        if (SensorHook.loadSeabedTile)
            SensorHook.loadSeabedTile(CurrentSeabedTile);
        return true;
    }

    const int32_t column = int32_t(std::floor((x - tileX * tileWidth) / (cellSize * factor)));
    const int32_t row = int32_t(std::floor((y - double(tileY) * resolution) / cellSize));
    DepthLevel& l = DepthRecorder.levels[size_t(level)];
    if (column == l.lastColumn && row == l.lastRow) {
        l.sum += depth;
        ++l.count;
        return false;
    }
    const int32_t mean = l.count < 2 ? int32_t(depth * 10.0f) : int32_t(l.sum * 10.0 / l.count);
    l.lastColumn = column;
    l.lastRow = row;
    const GridBands& bands = BandsOf(resolution);
    if (mean >= bands.limits[level] && mean < bands.limits[level + 1])
        WriteCell(level, l, column, row, mean);
    l.sum = depth;
    l.count = 1;
    return false;
}

int32_t HandleDepthReading(float depth)
{
    const float d = float(depth - OwnShip.depthCorrection);
    if (!(d >= 0.0f && d <= MaximumDepth))
        return 0;  // a depth above the keel reference, or beyond any sea, is no reading
    OwnShip.depth = d;
    OwnShip.depthValidity = SensorValidSeconds;
    ClearAlarmKind(AlarmDepthLost);

    // What follows decides only whether the depth is recorded into the seabed tile.
    if (OwnShip.headingValidity > 0 &&
        AngleBetween(OwnShip.courseOverGround, OwnShip.heading) > MaximumCourseDeviation)
        return 0;  // drifting sideways: the transducer position is uncertain
    if (d < MinimumRecordedDepth || DepthRecorder.transferRunning)
        return 0;
    float* history = OwnShip.depthHistory;
    const bool taken = d > history[0] && d > history[1] && d > history[2];
    history[2] = history[1];
    history[1] = history[0];
    history[0] = d * 0.5f;
    if (!taken)
        return 0;  // a spike shallower than half the recent depths

    const bool inRange = SensorSetup.depthRecordingMode != 0 && d >= float(SensorSetup.depthFrom) &&
                         (SensorSetup.depthTo == 0 || d <= float(SensorSetup.depthTo));
    if (!inRange) {
        ClearDepthAccumulators();
        return 0;
    }
    if (OwnShip.speedOverGround < MinimumRecordingSpeed)
        return 0;
    DepthRecorder.position = OwnShip.transducerPosition;
    DepthRecorder.lonFactor = SeabedGridLonFactor(DepthRecorder.position.y, false);
    const int32_t cell = CellSizeOf(OwnShip.depthTileResolution);
    if (StoreDepthInGrid(0, cell, d))
        return 4;
    for (int level = 1; level <= 3; ++level)
        StoreDepthInGrid(level, cell << level, d);
    return 0;
}
