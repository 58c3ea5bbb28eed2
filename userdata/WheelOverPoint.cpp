#include "userdata/WheelOverPoint.h"

#include "frame/PortSettings.h"

#include <mutex>

uint8_t WheelOverFlag = 0;
cmgbase::GeoPoint WheelOverPoint{};

void LeaveWheelOverPoint(bool flag, const cmgbase::GeoPoint& point)
{
    std::lock_guard lock(ComOutStateLock);
    WheelOverFlag = flag ? 1 : 0;
    if (flag)
        WheelOverPoint = point;
}

cmgbase::GeoPoint NearestGreatCirclePoint{};
