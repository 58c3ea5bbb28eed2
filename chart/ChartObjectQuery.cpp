#include "chart/ChartObjectQuery.h"

#include "chart/MapManager.h"
#include "chart/MapQueryFilters.h"
#include "chart/MapView.h"
#include "chart/ObjectClassTable.h"
#include "platform/chartengine/GeoDatabase.h"
#include "platform/chartengine/GeoDatabaseQuery.h"
#include "platform/geodesy/GeoCover.h"

using namespace chartengine;

namespace {

// Soundings, depth areas, depth contours, land areas, coastlines, coverage and class 10001.
constexpr int32_t HiddenClasses[] = {129, 42, 43, 71, 30, 302, 10001};

ObjectClassTable PickClasses()
{
    ObjectClassTable table;
    ShowAllObjectClasses(table);
    for (const int32_t code : HiddenClasses)
        table[ObjectClassSlot(code)] = 0;
    return table;
}

}  // namespace

int QueryObjectsAt(const MapManager& manager, const MapView& view, const cmgbase::GeoPoint& position,
                   int32_t halfSize, std::vector<goGUID>& result)
{
    result.clear();
    GeoDatabase* database = manager.currentGeoDatabase;
    if (view.state != 1 || !database || !view.symbolization || !view.projection)
        return 1;
    cmgbase::MetricPoint at;
    cmgbase::GeoRect area;
    if (view.projection->GeoToMetric(position, &at) != kOk ||
        view.projection->MetricRectToGeoRect({at.x - halfSize, at.y - halfSize, at.x + halfSize, at.y + halfSize},
                                             &area) != kOk)
        return 1;

    std::unique_ptr<GeoDatabaseQuery> query;
    if (database->NewQuery(&query) != kOk)
        return 1;
    cmgbase::GeoCover cover;
    cmgbase::GeoCover__asn_GeoRect(cover, area);
    DrawBlock block = view.drawBlock;
    block.projection = view.projection.get();
    std::unique_ptr<ObjectEnumerator> objects;
    const bool started = query->SetCover(cover, view.scale, view.scale, -1) == kOk &&
                         query->SetFilter(std::make_shared<MapFilter>(PickClasses())) == kOk &&
                         query->SetPriorityList(manager.priorityListHandle) == kOk &&
                         view.symbolization->StartPick(*query, block, view.parameters, &objects) == kOk &&
                         objects && objects->Reset() == kOk;
    if (started) {
        ChartObject object;
        while (objects->Next(&object) == kOk && !object.isNull())
            result.push_back({database, object.Identifier()});
    }
    query->Close();
    cmgbase::GeoCover__clear(cover);
    return 1;
}
