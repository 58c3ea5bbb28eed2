#include "userdata/DisplayFilter.h"

#include "frame/DateConversion.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "userdata/ObjectSelection.h"
#include "userdata/RouteTable.h"

#include <algorithm>
#include <iterator>
#include <limits>

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

// The last second of the day whose first second is `dayStart`, for a window that includes that day.
int32_t EndOfDay(int32_t dayStart)
{
    constexpr int64_t restOfDay = 86400 - 2;  // DateToUnixTime gives 00:00:01
    if (dayStart == NoDate)
        return NoDate;
    return int32_t(std::min<int64_t>(int64_t{dayStart} + restOfDay, std::numeric_limits<int32_t>::max()));
}

}  // namespace

void UpdateFilterTimes()
{
    // The record is packed: the dates are converted in copies, which take back a date set to 0.
    SetupParametersRecord& r = SetupParameters;
    double dates[] = {r.TrackFilterFrom,  r.TrackFilterTo,  r.TrackFilterAfter,
                      r.SymbolFilterFrom, r.SymbolFilterTo, r.SymbolFilterAfter};
    int32_t seconds[6];
    for (size_t i = 0; i < std::size(dates); ++i)
        seconds[i] = DateToUnixTime(dates[i]);
    r.TrackFilterFrom = dates[0];
    r.TrackFilterTo = dates[1];
    r.TrackFilterAfter = dates[2];
    r.SymbolFilterFrom = dates[3];
    r.SymbolFilterTo = dates[4];
    r.SymbolFilterAfter = dates[5];
    FilterTimes = {seconds[0], EndOfDay(seconds[1]), seconds[2], seconds[3], EndOfDay(seconds[4]), seconds[5]};
}

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
