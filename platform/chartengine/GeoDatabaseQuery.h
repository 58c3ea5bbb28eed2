#pragma once
// A query of a chart database: the objects of a cover at a scale, each offered to the program's
// filter, in the order of a priority list when one is given.

#include "platform/chartengine/DatabaseContent.h"
#include "platform/chartengine/GeoDatabaseQueryFilter.h"
#include "platform/chartengine/ObjectEnumerator.h"
#include "platform/geodesy/GeoCover.h"

#include <memory>

namespace chartengine {

class GeoDatabaseQuery {
public:
    explicit GeoDatabaseQuery(std::shared_ptr<DatabaseContent> content);

    // The area, the scale band (the two scales in either order; cells are asked when the finer
    // one lies within the scales they may be shown at) and the most objects to give (-1 for no
    // limit).
    HResult SetCover(const cmgbase::GeoCover& cover, int32_t scale1, int32_t scale2, int32_t maxObjects);
    // The filter lives as long as the query needs it; null for none.
    HResult SetFilter(std::shared_ptr<GeoDatabaseQueryFilter> filter);
    // A handle of GeoDatabase::InstallPriorityList, or 0 for storage order; kInvalidArgument for
    // a handle the database does not know.
    HResult SetPriorityList(int32_t handle);
    // Point objects are found this far around the cover (normalised units, at least 0).
    HResult SetPointReach(int32_t reachX, int32_t reachY);
    const cmgbase::GeoCover& Cover() const { return request_.cover; }
    // Finds the objects; kNotReady without a cover.
    HResult Run();
    // Drops the objects found.
    HResult Close();
    bool hasRun() const { return results_ != nullptr; }
    // The objects of the last run, from the first; kNotReady before a run.
    HResult Objects(std::unique_ptr<ObjectEnumerator>* objects) const;

private:
    std::shared_ptr<DatabaseContent> content_;
    std::shared_ptr<GeoDatabaseQueryFilter> filter_;
    SearchRequest request_;
    bool hasCover_ = false;
    int32_t priorityHandle_ = 0;
    std::shared_ptr<ObjectEnumerator> results_;
};

}  // namespace chartengine
