#include "platform/chartengine/DatabaseContent.h"

#include "platform/chartengine/CellStore.h"
#include "platform/chartengine/GeometryTests.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace chartengine {

using cmgbase::GeoPoint;
using cmgbase::GeoRect;

namespace {

constexpr int64_t kDisplayLimitFactor = 4;
constexpr uint32_t kDeadlineCheckInterval = 256;

GeoRect CoverageBounds(const CatalogCell& cell)
{
    return cell.coverage.empty() ? cell.bounds : BoundsOf(RingSet(std::span(cell.coverage)));
}

// The rectangles widened by reach on each side, held to the normalised range.
std::vector<GeoRect> Grown(const std::vector<GeoRect>& rects, int32_t reachX, int32_t reachY)
{
    if (reachX <= 0 && reachY <= 0)
        return rects;
    const auto held = [](int64_t value) {
        return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN + 1, INT32_MAX));
    };
    std::vector<GeoRect> grown;
    for (const GeoRect& r : rects)
        grown.push_back({held(int64_t(r.x1) - reachX), held(int64_t(r.y1) - reachY), held(int64_t(r.x2) + reachX),
                         held(int64_t(r.y2) + reachY)});
    return grown;
}

// The candidates of the grid buckets under the rectangles, each once, in storage order.
std::vector<uint32_t> Candidates(const CellData& cell, const std::vector<GeoRect>& rects)
{
    std::vector<uint8_t> seen(cell.objects.size());
    std::vector<uint32_t> candidates;
    for (const GeoRect& rect : rects) {
        if (!RectsMeet(rect, cell.bounds))
            continue;
        const uint32_t c1 = cell.gridColumnOf(rect.x1), c2 = cell.gridColumnOf(rect.x2);
        const uint32_t r1 = cell.gridRowOf(rect.y1), r2 = cell.gridRowOf(rect.y2);
        for (uint32_t r = r1; r <= r2; ++r)
            for (uint32_t c = c1; c <= c2; ++c) {
                const size_t bucket = size_t(r) * cell.gridColumns + c;
                for (uint32_t e = cell.gridStarts[bucket]; e < cell.gridStarts[bucket + 1]; ++e) {
                    const uint32_t object = cell.gridEntries[e];
                    if (!seen[object]) {
                        seen[object] = 1;
                        candidates.push_back(object);
                    }
                }
            }
    }
    std::sort(candidates.begin(), candidates.end());
    return candidates;
}

// The squared distance, in normalised units along the meridian, from a point to a rectangle.
double DistanceSquared(const GeoPoint& from, const GeoRect& to)
{
    const double cosLatitude = std::cos(cmgbase::nrm2rad(from.y));
    const double dx = (std::clamp(from.x, to.x1, to.x2) - double(from.x)) * cosLatitude;
    const double dy = std::clamp(from.y, to.y1, to.y2) - double(from.y);
    return dx * dx + dy * dy;
}

}  // namespace

DatabaseContent::DatabaseContent(std::filesystem::path folder, Catalog catalog, const ChartDictionary* dictionary)
    : folder_(std::move(folder)),
      catalog_(std::move(catalog)),
      dictionary_(dictionary),
      cells_(catalog_.cells.size()),
      unreadable_(catalog_.cells.size())
{
}

std::shared_ptr<const LoadedCell> DatabaseContent::cell(uint32_t cellId)
{
    if (cellId == 0 || cellId > cells_.size() || unreadable_[cellId - 1])
        return nullptr;
    std::shared_ptr<const LoadedCell>& slot = cells_[cellId - 1];
    if (!slot) {
        const CatalogCell& entry = catalog_.cells[cellId - 1];
        auto loaded = std::make_shared<LoadedCell>();
        loaded->cellId = cellId;
        loaded->usageBand = entry.usageBand;
        if (Failed(ReadCellFile(CellFilePath(folder_, entry.name), loaded->data))) {
            unreadable_[cellId - 1] = true;
            return nullptr;
        }
        loaded->stretchBounds = StretchBoundsOf(loaded->data.points);
        slot = std::move(loaded);
    }
    return slot;
}

int64_t DatabaseContent::DisplayLimit(const CatalogCell& cell)
{
    return cell.compilationScale > 0 ? kDisplayLimitFactor * cell.compilationScale : INT64_MAX;
}

bool DatabaseContent::CoverageMeets(const CatalogCell& cell, const std::vector<GeoRect>& rects)
{
    const GeoRect bounds = CoverageBounds(cell);
    return std::any_of(rects.begin(), rects.end(), [&](const GeoRect& rect) {
        return RectsMeet(bounds, rect) &&
               (cell.coverage.empty() || ShapeMeetsRect(kGeometryArea, RingSet(std::span(cell.coverage)), rect));
    });
}

std::unique_ptr<ObjectEnumerator> DatabaseContent::search(const SearchRequest& request)
{
    const bool byPolygon = !request.polygon.empty();
    const GeoRect polygonBounds = byPolygon ? BoundsOf(RingSet(std::span(&request.polygon, 1))) : GeoRect{};
    cmgbase::GeoCover area = request.cover;
    if (byPolygon)
        cmgbase::GeoCover__asn_GeoRect(area, polygonBounds);

    std::vector<uint32_t> order(catalog_.cells.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        return catalog_.cells[a].usageBand > catalog_.cells[b].usageBand;
    });

    std::vector<std::shared_ptr<const LoadedCell>> usedCells;
    std::vector<ObjectEnumerator::Entry> entries;
    std::vector<GeoRect> higherCoverage;
    std::vector<GeoRect> bandCoverage;
    int32_t band = INT32_MAX;
    uint32_t examined = 0;
    bool stopped = false;
    const bool limitWhileCollecting = request.limit >= 0 && !request.priorities && !request.origin;
    for (const uint32_t index : order) {
        if (stopped)
            break;
        const CatalogCell& entry = catalog_.cells[index];
        if (entry.usageBand != band) {
            higherCoverage.insert(higherCoverage.end(), bandCoverage.begin(), bandCoverage.end());
            bandCoverage.clear();
            band = entry.usageBand;
        }
        if (request.finestScale > DisplayLimit(entry))
            continue;
        cmgbase::GeoCover effective = area;
        for (const GeoRect& hole : higherCoverage)
            cmgbase::GeoCover__sub_GeoRect(effective, hole);
        if (effective.isEmpty() || !CoverageMeets(entry, effective.rects()))
            continue;
        bandCoverage.push_back(CoverageBounds(entry));
        const std::shared_ptr<const LoadedCell> loaded = cell(index + 1);
        if (!loaded)
            continue;
        const CellData& data = loaded->data;
        const uint32_t slot = static_cast<uint32_t>(usedCells.size());
        bool used = false;
        const std::vector<GeoRect> reached = Grown(effective.rects(), request.pointReachX, request.pointReachY);
        for (const uint32_t candidate : Candidates(data, reached)) {
            if (request.deadline && ++examined % kDeadlineCheckInterval == 0 &&
                std::chrono::steady_clock::now() > *request.deadline) {
                stopped = true;
                break;
            }
            const ObjectRecord& object = data.objects[candidate];
            if (object.kind == kGeometryNone)
                continue;
            const RingSet shape(data.partsOf(object), data.points.data(), loaded->stretchBounds.data());
            const bool point = object.kind == kGeometryPoint || object.kind == kGeometryPointSet;
            const std::vector<GeoRect>& rects = point ? reached : effective.rects();
            const bool inArea = std::any_of(rects.begin(), rects.end(), [&](const GeoRect& r) {
                return RectsMeet(object.bounds, r) && ShapeMeetsRect(object.kind, shape, r);
            });
            if (!inArea || (byPolygon && !(RectsMeet(object.bounds, polygonBounds) &&
                                           ShapeMeetsPolygon(object.kind, shape, request.polygon, polygonBounds))))
                continue;
            if (request.filter) {
                const ChartObject chartObject(loaded, candidate);
                int32_t reject = 0;
                if (!Failed(request.filter->Filter(0, &chartObject, &reject)) && reject)
                    continue;
            }
            entries.push_back({slot, candidate});
            used = true;
            if (limitWhileCollecting && entries.size() >= static_cast<size_t>(request.limit)) {
                stopped = true;
                break;
            }
        }
        if (used)
            usedCells.push_back(loaded);
    }

    const auto boundsOf = [&](const ObjectEnumerator::Entry& e) -> const GeoRect& {
        return usedCells[e.cellSlot]->data.objects[e.object].bounds;
    };
    if (request.priorities) {
        const auto placeOf = [&](const ObjectEnumerator::Entry& e) {
            const auto found = request.priorities->find(usedCells[e.cellSlot]->data.objects[e.object].classCode);
            return found == request.priorities->end() ? UINT32_MAX : found->second;
        };
        std::stable_sort(entries.begin(), entries.end(),
                         [&](const auto& a, const auto& b) { return placeOf(a) < placeOf(b); });
    }
    if (request.origin)
        std::stable_sort(entries.begin(), entries.end(), [&](const auto& a, const auto& b) {
            return DistanceSquared(*request.origin, boundsOf(a)) < DistanceSquared(*request.origin, boundsOf(b));
        });
    if (request.limit >= 0 && entries.size() > static_cast<size_t>(request.limit))
        entries.resize(request.limit);
    return std::make_unique<ObjectEnumerator>(std::move(usedCells), std::move(entries));
}

int32_t DatabaseContent::installPriorityList(std::unordered_map<int32_t, uint32_t> priorities)
{
    const int32_t handle = nextPriorityHandle_++;
    priorityLists_.emplace(handle, std::move(priorities));
    return handle;
}

bool DatabaseContent::withdrawPriorityList(int32_t handle) { return priorityLists_.erase(handle) > 0; }

const std::unordered_map<int32_t, uint32_t>* DatabaseContent::priorityList(int32_t handle) const
{
    const auto found = priorityLists_.find(handle);
    return found == priorityLists_.end() ? nullptr : &found->second;
}

void DatabaseContent::adoptPriorityLists(const DatabaseContent& other)
{
    priorityLists_ = other.priorityLists_;
    nextPriorityHandle_ = other.nextPriorityHandle_;
}

}  // namespace chartengine
