#include "userdata/DepthMarks.h"

#include "userdata/UserDatabase.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

using namespace platform::isam;

bool IsDepthMark(const IdRecord& object)
{
    return object.objectType == ObjectType::SYMBOL && (object.name[0] == '@' || object.name[0] == '/');
}

double DepthMarkDepth(const IdRecord& object, float depthFactor)
{
    if (object.name[0] == '@')
        return object.value * double(depthFactor) * 0.1;
    // The name need not end within its field; a slash alone, or no number after it, is no depth.
    const std::string name(object.name, strnlen(object.name, sizeof object.name));
    float written = 0.0f;
    if (std::sscanf(name.c_str(), "%*1s%f", &written) != 1 || !std::isfinite(written))
        return 0.0;
    return written;
}

void ForEachDepthMark(const std::function<void(const IdRecord&)>& visit)
{
    IdRecord object;
    object.objectType = ObjectType::SYMBOL;
    object.id = std::numeric_limits<int32_t>::min();
    for (Status status = UserIsam.readGreaterOrEqual(IdTypeKey, UserKeyValue(IdTypeKey, bytesOf(object)), bytesOf(object));
         status == Status::Ok && object.objectType == ObjectType::SYMBOL;
         status = UserIsam.readNext(IdTypeKey, bytesOf(object)))
        if (IsDepthMark(object))
            visit(object);
}
