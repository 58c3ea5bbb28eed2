#include "userdata/DisplayFilter.h"

#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "userdata/ObjectSelection.h"
#include "userdata/RouteTable.h"

namespace {

constexpr int32_t NoDate = -1;

bool ColourShown(uint16_t colour, int32_t mask)
{
    return colour >= 1 && colour <= 32 && ((uint32_t(mask) >> (colour - 1)) & 1u) != 0;
}

bool TimeShown(uint32_t time, const DisplayFilter& filter)
{
    const int64_t t = time;
    const bool inWindow = (filter.from == NoDate || t >= filter.from) && (filter.to == NoDate || t <= filter.to);
    const bool afterTime = filter.after != NoDate && t >= filter.after;
    return inWindow || afterTime;
}

}  // namespace

DisplayFilter TrackDisplayFilter()
{
    return {SetupParameters.TrackFilterColours, FilterTimes.trackFrom, FilterTimes.trackTo, FilterTimes.trackAfter};
}

DisplayFilter ObjectDisplayFilter()
{
    return {SetupParameters.SymbolFilterColours, FilterTimes.symbolFrom, FilterTimes.symbolTo,
            FilterTimes.symbolAfter};
}

bool PassesDisplayFilter(const IdRecord& record, const DisplayFilter& filter)
{
    return ColourShown(record.colour, filter.colours) && TimeShown(record.time, filter);
}

bool ObjectDisplayed(const IdRecord& record)
{
    switch (record.objectType) {
    case ObjectType::TRACK:
        return PassesDisplayFilter(record, TrackDisplayFilter()) || IsSelectedTrack(record.id);
    case ObjectType::ROUTE:
        return record.id != 0 && record.id == RouteId;
    case ObjectType::LINE:
    case ObjectType::SYMBOL:
    case ObjectType::ZONE:
    case ObjectType::FIELD:
        return PassesDisplayFilter(record, ObjectDisplayFilter());
    }
    return false;
}
