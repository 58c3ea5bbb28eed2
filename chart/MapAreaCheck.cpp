// The map manager's area checks: the look-ahead polygon and the route legs' corridors.

#include "chart/AreaWatchTable.h"
#include "chart/MapManager.h"
#include "platform/chartengine/S57Codes.h"

#include <utility>

using namespace chartengine;

namespace {

constexpr int32_t QueryLimit = 1000;
constexpr int32_t MostDangers = 5;

bool LimitsHeight(int32_t classCode)
{
    using namespace s57class;
    return classCode == BRIDGE || classCode == CBLOHD || classCode == PIPOHD || classCode == CONVYR;
}

void ReturnWatchedToIdle()
{
    for (uint8_t& state : AreaWatchTable)
        if (state > WatchIdle)
            state = WatchIdle;
}

// After the walk: the classes found this time are inside, those not found are idle again; the
// lowest class newly found is reported, the others on a later check.
int32_t AdvanceWatchedClasses()
{
    int32_t reported = 0;
    for (int32_t code = 0; code < AreaWatchClasses; ++code) {
        uint8_t& state = AreaWatchTable[size_t(code)];
        switch (state) {
        case InsideUnreported:
        case ReportedInside:
            state = WatchIdle;
            break;
        case FoundInside:
            if (reported == 0) {
                state = ReportedInside;
                reported = code;
            } else {
                state = InsideUnreported;
            }
            break;
        case ReportedFoundAgain:
            state = ReportedInside;
            break;
        default:
            break;
        }
    }
    return reported;
}

}  // namespace

int MapManager::CheckPolygon(float safetyDepth, float vesselHeight, int32_t* dangerCount, int32_t* enteredClass,
                             int32_t mode, int32_t* heightDangerCount)
{
    const auto put = [&](int32_t dangers, int32_t heightDangers, int32_t entered) {
        if (dangerCount)
            *dangerCount = dangers;
        if (heightDangerCount)
            *heightDangerCount = heightDangers;
        if (enteredClass)
            *enteredClass = entered;
    };
    // A check that does not run leaves no earlier or uninitialised result behind.
    put(0, 0, 0);
    if (checkPolygon.empty() || !areaCheck1 || !areaCheck2)
        return 0;
    cmgbase::TGeoPolygone polygon;
    for (const cmgbase::GeoPoint& point : checkPolygon)
        cmgbase::TGeoPolygone__add_GeoPoint(polygon, point);
    const bool watching = enteredClass != nullptr;

    if (Failed(areaCheck2->SetSafetyDepth(safetyDepth)) || Failed(areaCheck2->SetVesselHeight(vesselHeight)) ||
        Failed(areaCheck1->SetFilter(areaCheck2)) || Failed(areaCheck1->SetLimit(QueryLimit)) ||
        Failed(areaCheck1->SetTimeout(-1)) ||
        Failed(areaCheck1->SetStartPoint(mode == 1 ? kNoStartPoint : checkPolygon.front())) ||
        Failed(areaCheck1->SetPolygon(polygon))) {
        areaCheck1->Reset();
        return 0;
    }
    std::unique_ptr<ObjectEnumerator> objects;
    const HResult ran = areaCheck1->Run(&objects);
    if (ran == kNoInterface && !objects) {
        // Nothing in the area: the watched classes inside before have been left.
        areaCheck1->Reset();
        if (watching)
            AdvanceWatchedClasses();
        return 1;
    }
    if (Failed(ran) || !objects) {
        areaCheck1->Reset();
        if (watching)
            ReturnWatchedToIdle();
        return 0;
    }

    int32_t dangers = 0;
    int32_t heightDangers = 0;
    ChartObject object;
    while (dangers < MostDangers && objects->Next(&object) == kOk) {
        const int32_t code = object.ClassCode();
        const uint8_t state = AreaWatchStateOf(code);
        if (state == NotWatched) {
            ++dangers;
            heightDangers += LimitsHeight(code) ? 1 : 0;
        } else if (watching) {
            uint8_t& watched = AreaWatchTable[size_t(code)];
            if (state == WatchIdle || state == InsideUnreported)
                watched = FoundInside;
            else if (state == ReportedInside)
                watched = ReportedFoundAgain;
        }
    }
    const int32_t entered = watching ? AdvanceWatchedClasses() : 0;
    objects.reset();
    areaCheck1->Reset();
    put(dangers, heightDangers, entered);
    return 1;
}

int MapManager::CheckOtherPolygon(const std::vector<cmgbase::GeoPoint>& polygon, float safetyDepth,
                                  float vesselHeight, int32_t* dangerCount, int32_t* heightDangerCount)
{
    std::vector<cmgbase::GeoPoint> lookAhead = std::exchange(checkPolygon, polygon);
    const int result = CheckPolygon(safetyDepth, vesselHeight, dangerCount, nullptr, 0, heightDangerCount);
    checkPolygon = std::move(lookAhead);
    return result;
}
