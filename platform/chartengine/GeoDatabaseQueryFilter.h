#pragma once
// The program's test of each candidate object of a query or an area check.

#include "platform/chartengine/EngineStatus.h"

#include <cstdint>

namespace chartengine {

class ChartObject;

class GeoDatabaseQueryFilter {
public:
    virtual ~GeoDatabaseQueryFilter() = default;

    // Called for every object that meets the query's area, with *reject 0; a non-zero *reject
    // leaves the object out. reserved is 0. A failed call leaves the object in.
    virtual HResult Filter(int32_t reserved, const ChartObject* object, int32_t* reject) = 0;
};

}  // namespace chartengine
