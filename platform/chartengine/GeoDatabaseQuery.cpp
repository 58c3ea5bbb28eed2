#include "platform/chartengine/GeoDatabaseQuery.h"

#include <algorithm>

namespace chartengine {

GeoDatabaseQuery::GeoDatabaseQuery(std::shared_ptr<DatabaseContent> content) : content_(std::move(content)) {}

HResult GeoDatabaseQuery::SetCover(const cmgbase::GeoCover& cover, int32_t scale1, int32_t scale2, int32_t maxObjects)
{
    if (maxObjects < -1)
        return kInvalidArgument;
    request_.cover = cover;
    request_.finestScale = std::min(scale1, scale2);
    request_.limit = maxObjects;
    hasCover_ = true;
    return kOk;
}

HResult GeoDatabaseQuery::SetFilter(std::shared_ptr<GeoDatabaseQueryFilter> filter)
{
    filter_ = std::move(filter);
    return kOk;
}

HResult GeoDatabaseQuery::SetPriorityList(int32_t handle)
{
    if (handle != 0 && !content_->priorityList(handle))
        return kInvalidArgument;
    priorityHandle_ = handle;
    return kOk;
}

HResult GeoDatabaseQuery::SetPointReach(int32_t reachX, int32_t reachY)
{
    if (reachX < 0 || reachY < 0)
        return kInvalidArgument;
    request_.pointReachX = reachX;
    request_.pointReachY = reachY;
    return kOk;
}

HResult GeoDatabaseQuery::Run()
{
    if (!hasCover_)
        return kNotReady;
    request_.filter = filter_.get();
    request_.priorities = priorityHandle_ ? content_->priorityList(priorityHandle_) : nullptr;
    results_ = content_->search(request_);
    return kOk;
}

HResult GeoDatabaseQuery::Close()
{
    results_.reset();
    return kOk;
}

HResult GeoDatabaseQuery::Objects(std::unique_ptr<ObjectEnumerator>* objects) const
{
    if (!objects)
        return kNullPointer;
    if (!results_)
        return kNotReady;
    *objects = std::make_unique<ObjectEnumerator>(*results_);
    (*objects)->Reset();
    return kOk;
}

}  // namespace chartengine
