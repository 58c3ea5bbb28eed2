#include "userdata/DepthImport.h"

#include "frame/SeabedGrid.h"
#include "frame/SeabedTile.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "userdata/SeabedHooks.h"
#include "userdata/SeabedTiles.h"
#include "userdata/TransferHooks.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr float DeepestImportedDepth = 6500.0f;  // metres
constexpr int32_t TileCells = 256;
constexpr size_t ShortRecord = 10;
constexpr size_t LongRecord = 14;
constexpr int64_t VariantGap = 100000;

int32_t Resolution()
{
    return SeabedHook.tileResolution ? SeabedHook.tileResolution() : SeabedCoarseResolution;
}

bool StoreLevel(const cmgbase::GeoPoint& position, int level, int32_t cellSize, float depth)
{
    return TransferHook.storeDepth && TransferHook.storeDepth(position, level, cellSize, depth);
}

bool InsideRect(const cmgbase::GeoRect& area, int32_t x, int32_t y)
{
    return x >= area.x1 && x <= area.x2 && y >= area.y1 && y <= area.y2;
}

int32_t Int32At(const std::string& bytes, size_t at)
{
    int32_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

}  // namespace

bool ImportDepthPoint(int32_t x, int32_t y, float depth)
{
    const double latitude = cmgbase::nrm2deg(y);
    const double longitude = cmgbase::nrm2deg(x);
    if (std::fabs(latitude) > 90.0 || std::fabs(longitude) > 180.0)
        return false;
    if (!(depth >= 0.0f && depth <= DeepestImportedDepth))
        return false;
    const cmgbase::GeoPoint position{cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
    const int32_t cell = Resolution() / TileCells;
    if (StoreLevel(position, 0, cell, depth)) {
        // The tile left behind is stored now: a second tile change before the 100 ms tick would
        // overwrite the one tile waiting to be stored.
        FlushSeabedTile(SeabedFlushTile, false, true, 0, 0);
        SeabedFlushTile.changed = false;
        StoreLevel(position, 0, cell, depth);
    }
    for (int level = 1; level <= 3; ++level)
        StoreLevel(position, level, cell << level, depth);
    return true;
}

DepthImportSession::DepthImportSession()
{
    if (TransferHook.depthImportRunning)
        TransferHook.depthImportRunning(true);
}

DepthImportSession::~DepthImportSession()
{
    StoreHeldSeabedTiles();
    if (TransferHook.depthImportRunning)
        TransferHook.depthImportRunning(false);
}

std::optional<DepthImportCounts> ImportDepthDump(const std::filesystem::path& dump,
                                                 const std::optional<cmgbase::GeoRect>& area)
{
    std::ifstream in(dump, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    size_t step = ShortRecord;
    if (bytes.size() >= 2 * ShortRecord &&
        std::llabs(int64_t(Int32At(bytes, 0)) - int64_t(Int32At(bytes, ShortRecord))) > VariantGap)
        step = LongRecord;
    DepthImportCounts counts;
    DepthImportSession session;
    size_t at = 0;
    for (; bytes.size() - at >= step; at += step) {
        const int32_t x = Int32At(bytes, at);
        const int32_t y = Int32At(bytes, at + 4);
        uint16_t depth = 0;
        std::memcpy(&depth, bytes.data() + at + 8, sizeof depth);
        if (area && !InsideRect(*area, x, y))
            continue;
        if (ImportDepthPoint(x, y, float(depth) / 10.0f))
            ++counts.depths;
        else
            ++counts.errors;
    }
    if (at != bytes.size())
        ++counts.errors;
    return counts;
}
