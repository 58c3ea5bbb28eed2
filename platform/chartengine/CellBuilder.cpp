#include "platform/chartengine/CellBuilder.h"

#include "platform/chartengine/GeometryTests.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

namespace chartengine {

using cmgbase::GeoRect;

namespace {

// About this many objects per grid bucket on average.
constexpr double kObjectsPerBucket = 8.0;
constexpr uint32_t kMaxGridSide = 256;

void BuildGrid(CellData& cell)
{
    const double side = std::ceil(std::sqrt(double(cell.objects.size()) / kObjectsPerBucket));
    cell.gridColumns = cell.gridRows = std::clamp<uint32_t>(static_cast<uint32_t>(side), 1, kMaxGridSide);
    std::vector<std::vector<uint32_t>> buckets(size_t(cell.gridColumns) * cell.gridRows);
    for (uint32_t i = 0; i < cell.objects.size(); ++i) {
        const ObjectRecord& object = cell.objects[i];
        if (object.kind == kGeometryNone)
            continue;
        const GeoRect& o = object.bounds;
        const uint32_t c1 = cell.gridColumnOf(o.x1);
        const uint32_t c2 = cell.gridColumnOf(o.x2);
        const uint32_t r1 = cell.gridRowOf(o.y1);
        const uint32_t r2 = cell.gridRowOf(o.y2);
        for (uint32_t r = r1; r <= r2; ++r)
            for (uint32_t c = c1; c <= c2; ++c)
                buckets[size_t(r) * cell.gridColumns + c].push_back(i);
    }
    cell.gridStarts.assign(1, 0);
    cell.gridEntries.clear();
    for (const auto& bucket : buckets) {
        cell.gridEntries.insert(cell.gridEntries.end(), bucket.begin(), bucket.end());
        cell.gridStarts.push_back(static_cast<uint32_t>(cell.gridEntries.size()));
    }
}

}  // namespace

uint64_t LongName(uint16_t agency, uint32_t featureId, uint16_t subdivision)
{
    return (uint64_t(agency) << 48) | (uint64_t(featureId) << 16) | subdivision;
}

void CellBuilder::add(SourceObject object) { objects_.push_back(std::move(object)); }

CellData CellBuilder::finish()
{
    CellData cell;
    cell.bounds = GeoRect{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    std::unordered_multimap<uint64_t, uint32_t> byLongName;
    for (uint32_t i = 0; i < objects_.size(); ++i)
        byLongName.emplace(objects_[i].longName, i);

    std::vector<std::vector<uint32_t>> referenced(objects_.size());
    std::vector<std::vector<uint32_t>> referring(objects_.size());
    for (uint32_t i = 0; i < objects_.size(); ++i)
        for (const uint64_t name : objects_[i].referencedLongNames) {
            const auto [first, last] = byLongName.equal_range(name);
            for (auto it = first; it != last; ++it) {
                referenced[i].push_back(it->second);
                referring[it->second].push_back(i);
            }
        }

    for (uint32_t i = 0; i < objects_.size(); ++i) {
        SourceObject& source = objects_[i];
        ObjectRecord record{};
        record.classCode = static_cast<uint16_t>(source.classCode);
        record.kind = source.kind;
        record.agency = source.agency;
        record.subdivision = source.subdivision;
        record.featureId = source.featureId;
        record.soundingDepth = source.soundingDepth;
        record.firstPart = static_cast<uint32_t>(cell.parts.size());
        record.partCount = static_cast<uint32_t>(source.parts.size());
        for (const auto& part : source.parts) {
            cell.parts.push_back({static_cast<uint32_t>(cell.points.size()), static_cast<uint32_t>(part.size())});
            cell.points.insert(cell.points.end(), part.begin(), part.end());
        }
        record.bounds = BoundsOf(RingSet(std::span<const std::vector<cmgbase::GeoPoint>>(source.parts)));
        if (record.bounds.y1 > record.bounds.y2)
            record.kind = kGeometryNone;
        if (record.kind != kGeometryNone) {
            cell.bounds.x1 = std::min(cell.bounds.x1, record.bounds.x1);
            cell.bounds.y1 = std::min(cell.bounds.y1, record.bounds.y1);
            cell.bounds.x2 = std::max(cell.bounds.x2, record.bounds.x2);
            cell.bounds.y2 = std::max(cell.bounds.y2, record.bounds.y2);
        }
        record.firstAttribute = static_cast<uint32_t>(cell.attributes.size());
        record.attributeCount = static_cast<uint32_t>(source.attributes.size());
        for (const SourceAttribute& attribute : source.attributes) {
            cell.attributes.push_back({static_cast<uint16_t>(attribute.code), static_cast<uint8_t>(attribute.type), 0,
                                       static_cast<uint32_t>(cell.text.size()),
                                       static_cast<uint32_t>(attribute.value.size())});
            cell.text += attribute.value;
        }
        record.firstReferenced = static_cast<uint32_t>(cell.relations.size());
        record.referencedCount = static_cast<uint32_t>(referenced[i].size());
        cell.relations.insert(cell.relations.end(), referenced[i].begin(), referenced[i].end());
        record.firstReferring = static_cast<uint32_t>(cell.relations.size());
        record.referringCount = static_cast<uint32_t>(referring[i].size());
        cell.relations.insert(cell.relations.end(), referring[i].begin(), referring[i].end());
        cell.objects.push_back(record);
    }
    if (cell.bounds.y1 > cell.bounds.y2)
        cell.bounds = GeoRect{};
    BuildGrid(cell);
    objects_.clear();
    return cell;
}

}  // namespace chartengine
