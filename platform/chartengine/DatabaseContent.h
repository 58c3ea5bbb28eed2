#pragma once
// What an open database shares with its queries, enumerators and objects: the catalog, the
// cells read so far and the priority lists. Cells are read from their files on first use and
// kept while anything of the database lives.

#include "platform/chartengine/CellData.h"
#include "platform/chartengine/ChartDictionary.h"
#include "platform/chartengine/ChartObject.h"
#include "platform/chartengine/GeoDatabaseQueryFilter.h"
#include "platform/chartengine/ObjectEnumerator.h"
#include "platform/geodesy/GeoCover.h"

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace chartengine {

// What objects a search looks for. The area is the cover's rectangles, or the polygon when it
// has points. Cells take part when the finest scale is no finer than they may be shown at.
struct SearchRequest {
    cmgbase::GeoCover cover;
    std::vector<cmgbase::GeoPoint> polygon;
    int32_t finestScale = 0;
    GeoDatabaseQueryFilter* filter = nullptr;
    const std::unordered_map<int32_t, uint32_t>* priorities = nullptr;  // class code -> place
    int32_t limit = -1;                                                  // -1: no limit
    std::optional<cmgbase::GeoPoint> origin;  // nearest objects first when given
    std::optional<std::chrono::steady_clock::time_point> deadline;
    // Point objects meet the area when they lie this far around it (normalised units), so that
    // a pick finds a point by its drawn symbol.
    int32_t pointReachX = 0;
    int32_t pointReachY = 0;
};

class DatabaseContent {
public:
    DatabaseContent(std::filesystem::path folder, Catalog catalog, const ChartDictionary* dictionary);

    const std::filesystem::path& folder() const { return folder_; }
    const Catalog& catalog() const { return catalog_; }
    const ChartDictionary* dictionary() const { return dictionary_; }

    // The cell of catalog number cellId (from 1), read when first asked; null when it cannot be
    // read.
    std::shared_ptr<const LoadedCell> cell(uint32_t cellId);

    // The smallest scale denominator a cell may be shown at: four times its compilation scale,
    // every scale for a cell without one.
    static int64_t DisplayLimit(const CatalogCell& cell);
    // Whether the cell's coverage meets one of the rectangles.
    static bool CoverageMeets(const CatalogCell& cell, const std::vector<cmgbase::GeoRect>& rects);

    // The objects of the request, cells of the higher usage bands first. Where a cell of a
    // higher band has data (the bounds of its coverage), the cells of lower bands give nothing.
    std::unique_ptr<ObjectEnumerator> search(const SearchRequest& request);

    int32_t installPriorityList(std::unordered_map<int32_t, uint32_t> priorities);
    bool withdrawPriorityList(int32_t handle);
    const std::unordered_map<int32_t, uint32_t>* priorityList(int32_t handle) const;
    // Takes over the priority lists of other, under their handles.
    void adoptPriorityLists(const DatabaseContent& other);

private:
    std::filesystem::path folder_;
    Catalog catalog_;
    const ChartDictionary* dictionary_;
    std::vector<std::shared_ptr<const LoadedCell>> cells_;
    std::vector<bool> unreadable_;
    std::map<int32_t, std::unordered_map<int32_t, uint32_t>> priorityLists_;
    int32_t nextPriorityHandle_ = 1;
};

}  // namespace chartengine
