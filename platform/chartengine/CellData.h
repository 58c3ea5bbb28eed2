#pragma once
// A cell of the store in memory, array for array as its file holds it (StoreFormat.h), and the
// catalog of a database.

#include "platform/chartengine/StoreFormat.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace chartengine {

// The bucket of value among buckets equal slices of low .. high.
inline uint32_t GridBucket(int32_t value, int32_t low, int32_t high, uint32_t buckets)
{
    const int64_t span = std::max<int64_t>(int64_t(high) - low + 1, 1);
    const int64_t offset = std::clamp<int64_t>(int64_t(value) - low, 0, span - 1);
    return static_cast<uint32_t>(offset * buckets / span);
}

struct CellData {
    cmgbase::GeoRect bounds;
    std::vector<ObjectRecord> objects;
    std::vector<PartRecord> parts;
    std::vector<cmgbase::GeoPoint> points;
    std::vector<AttributeRecord> attributes;
    std::vector<uint32_t> relations;  // object indexes
    // The spatial grid: gridColumns x gridRows buckets over bounds, row by row from the south
    // west; bucket b holds the objects gridEntries[gridStarts[b] .. gridStarts[b + 1]).
    uint32_t gridColumns = 1;
    uint32_t gridRows = 1;
    std::vector<uint32_t> gridStarts;
    std::vector<uint32_t> gridEntries;
    std::string text;

    // The grid column of a longitude and the grid row of a latitude, clamped to the grid.
    uint32_t gridColumnOf(int32_t x) const { return GridBucket(x, bounds.x1, bounds.x2, gridColumns); }
    uint32_t gridRowOf(int32_t y) const { return GridBucket(y, bounds.y1, bounds.y2, gridRows); }

    std::span<const PartRecord> partsOf(const ObjectRecord& object) const
    {
        return {parts.data() + object.firstPart, object.partCount};
    }
    std::span<const cmgbase::GeoPoint> pointsOf(const PartRecord& part) const
    {
        return {points.data() + part.firstPoint, part.pointCount};
    }
    std::span<const AttributeRecord> attributesOf(const ObjectRecord& object) const
    {
        return {attributes.data() + object.firstAttribute, object.attributeCount};
    }
    std::string_view textOf(const AttributeRecord& attribute) const
    {
        return std::string_view(text).substr(attribute.textOffset, attribute.textLength);
    }
};

struct CatalogCell {
    std::string name;
    int32_t usageBand = 0;
    int32_t intendedUsage = 0;
    int32_t compilationScale = 0;
    int32_t edition = 0;
    int32_t updateNumber = 0;
    int32_t issueDate = 0;
    cmgbase::GeoRect bounds;
    uint32_t objectCount = 0;
    std::vector<std::vector<cmgbase::GeoPoint>> coverage;
};

struct Catalog {
    int32_t databaseVersion = 0;
    std::vector<CatalogCell> cells;
};

}  // namespace chartengine
