#include "chart/MapQueryFilters.h"

using namespace chartengine;

HResult MapFilter::Filter(int32_t, const ChartObject* object, int32_t* reject)
{
    if (!object || object->isNull())
        return kInvalidArgument;
    if (!reject)
        return kNullPointer;
    *reject = ObjectClassShown(table_, object->ClassCode()) ? 0 : 1;
    return kOk;
}

HResult MapCGDQFilter::Filter(int32_t, const ChartObject* object, int32_t* reject)
{
    if (!object || object->isNull())
        return kInvalidArgument;
    if (!reject)
        return kNullPointer;
    if (!presentation_)
        return kOk;
    int32_t visible = 1;
    if (Failed(presentation_->IsVisible(object, 0, &visible)))
        visible = 1;
    *reject = visible == 0 ? 1 : 0;
    return kOk;
}
