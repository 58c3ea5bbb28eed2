#pragma once
// The two tests a chart draw hands to the engine's query, one per drawn object: MapFilter keeps
// the classes a copy of an object-class table shows (display category 3); MapCGDQFilter keeps
// what a presentation shows (the other categories). The query holds its filter by a shared
// pointer for as long as it needs it, so a filter is freed however the query ends.

#include "chart/ObjectClassTable.h"
#include "platform/chartengine/GeoDatabaseQueryFilter.h"
#include "platform/chartengine/Presentation.h"

class MapFilter : public chartengine::GeoDatabaseQueryFilter {
public:
    explicit MapFilter(const ObjectClassTable& table) : table_(table) {}

    // *reject 1 for an object whose class the table hides, else 0. kInvalidArgument for a null
    // object, kNullPointer for a null reject.
    chartengine::HResult Filter(int32_t reserved, const chartengine::ChartObject* object, int32_t* reject) override;

private:
    ObjectClassTable table_;
};

class MapCGDQFilter : public chartengine::GeoDatabaseQueryFilter {
public:
    // presentation may be null; it must outlive the filter.
    explicit MapCGDQFilter(const chartengine::Presentation* presentation) : presentation_(presentation) {}

    // *reject 1 for an object the presentation reports hidden, else 0 (also when it cannot
    // tell); without a presentation *reject is left as the engine set it. kInvalidArgument for a
    // null object, kNullPointer for a null reject.
    chartengine::HResult Filter(int32_t reserved, const chartengine::ChartObject* object, int32_t* reject) override;

private:
    const chartengine::Presentation* presentation_;
};
