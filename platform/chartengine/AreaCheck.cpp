#include "platform/chartengine/AreaCheck.h"

#include "platform/chartengine/S57Codes.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace chartengine {

namespace {

constexpr int32_t kDredgedArea = 46;

std::optional<double> RealAttribute(const ChartObject& object, int32_t code)
{
    AttributeValue value;
    return object.Attribute(code, &value) == kOk ? value.real() : std::nullopt;
}

bool IsWatchedArea(int32_t classCode)
{
    return std::find(kWatchedAreaClasses.begin(), kWatchedAreaClasses.end(), classCode) != kWatchedAreaClasses.end();
}

}  // namespace

HResult AreaCheckFilter::SetSafetyDepth(float metres)
{
    if (!std::isfinite(metres))
        return kInvalidArgument;
    safetyDepth_ = metres;
    return kOk;
}

HResult AreaCheckFilter::SetVesselHeight(float metres)
{
    if (!std::isfinite(metres))
        return kInvalidArgument;
    vesselHeight_ = metres;
    return kOk;
}

bool AreaCheckFilter::isDanger(const ChartObject& object) const
{
    using namespace s57class;
    switch (object.ClassCode()) {
    case DEPARE:
    case kDredgedArea: {
        const std::optional<double> shallowest = RealAttribute(object, s57attribute::DRVAL1);
        return !shallowest || *shallowest < safetyDepth_;
    }
    case SOUNDG: {
        const std::optional<double> depth = object.SoundingDepth();
        return depth && *depth < safetyDepth_;
    }
    case OBSTRN:
    case WRECKS:
    case UWTROC: {
        const std::optional<double> depth = RealAttribute(object, s57attribute::VALSOU);
        return !depth || *depth < safetyDepth_;
    }
    case LNDARE:
        return true;
    case BRIDGE:
    case CBLOHD:
    case PIPOHD:
    case CONVYR: {
        std::optional<double> clearance;
        for (const int32_t code :
             {s57attribute::VERCLR, s57attribute::VERCCL, s57attribute::VERCOP, s57attribute::VERCSA})
            if (const std::optional<double> value = RealAttribute(object, code))
                clearance = clearance ? std::min(*clearance, *value) : *value;
        return vesselHeight_ > 0.0f && clearance && *clearance < vesselHeight_;
    }
    default:
        return false;
    }
}

HResult AreaCheckFilter::Filter(int32_t, const ChartObject* object, int32_t* reject)
{
    if (!reject)
        return kNullPointer;
    if (!object || object->isNull())
        return kInvalidArgument;
    *reject = IsWatchedArea(object->ClassCode()) || isDanger(*object) ? 0 : 1;
    return kOk;
}

HResult AreaQuery::Attach(GeoDatabase* database)
{
    if (!database || !database->isOpen())
        return kInvalidArgument;
    database_ = database;
    return kOk;
}

HResult AreaQuery::SetLimit(int32_t count)
{
    if (count < 1)
        return kInvalidArgument;
    limit_ = count;
    return kOk;
}

HResult AreaQuery::SetTimeout(int32_t milliseconds)
{
    if (milliseconds < -1)
        return kInvalidArgument;
    timeout_ = milliseconds;
    return kOk;
}

HResult AreaQuery::SetStartPoint(const cmgbase::GeoPoint& start)
{
    start_ = start;
    return kOk;
}

HResult AreaQuery::SetPolygon(const cmgbase::TGeoPolygone& polygon)
{
    polygon_ = polygon.points;
    return kOk;
}

HResult AreaQuery::SetFilter(std::shared_ptr<GeoDatabaseQueryFilter> filter)
{
    filter_ = std::move(filter);
    return kOk;
}

HResult AreaQuery::Run(std::unique_ptr<ObjectEnumerator>* objects)
{
    if (!objects)
        return kNullPointer;
    objects->reset();
    if (!database_ || polygon_.size() < 3)
        return kNotReady;
    SearchRequest request;
    request.polygon = polygon_;
    request.filter = filter_.get();
    request.limit = limit_;
    if (!(start_ == kNoStartPoint))
        request.origin = start_;
    if (timeout_ >= 0)
        request.deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_);
    std::unique_ptr<ObjectEnumerator> found;
    const HResult searched = database_->Search(request, &found);
    if (Failed(searched))
        return searched;
    if (found->Count() == 0)
        return kNoInterface;
    *objects = std::move(found);
    return kOk;
}

HResult AreaQuery::Reset()
{
    start_ = kNoStartPoint;
    polygon_.clear();
    return kOk;
}

}  // namespace chartengine
