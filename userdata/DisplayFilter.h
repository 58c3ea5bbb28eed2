#pragma once
// Which stored objects the chart shows: the colour mask and time windows of the track dialog
// for tracks and of the symbol dialog for symbols, lines, zones and fields (settings record),
// and the saved tracks picked for display. The object sweeps and the backup's "displayed only"
// both ask ObjectDisplayed.

#include "userdata/UserRecords.h"

#include <cstdint>

// A colour mask (bit n - 1 shows colour index n) and a time window in seconds since 1970: from
// `from` to `to`, both included, or at and after `after`. A date that did not convert (-1) sets
// no limit: a window without a start starts at the beginning, one without an end never ends,
// and without an after-time nothing passes by that rule.
struct DisplayFilter {
    int32_t colours = 0;
    int32_t from = -1;
    int32_t to = -1;
    int32_t after = -1;
};

// The filters as the settings record and the converted filter dates hold them now.
DisplayFilter TrackDisplayFilter();
DisplayFilter ObjectDisplayFilter();

// The object's colour bit is set and its time lies in the window or after the after-time.
bool PassesDisplayFilter(const IdRecord& record, const DisplayFilter& filter);

// A track that passes the track filter or stands in the list of tracks picked for display; a
// symbol, line, zone or field that passes the symbol dialog's filter; the route in the route
// table. Nothing else.
bool ObjectDisplayed(const IdRecord& record);
