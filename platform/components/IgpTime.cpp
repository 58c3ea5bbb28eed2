#include "platform/components/IgpTime.h"

#include <QDate>

#include <cmath>
#include <limits>

namespace Igpfunctions {

namespace {

constexpr int32_t DoesNotFit = std::numeric_limits<int32_t>::max();

int32_t WholeUnits(double dateTime, double unitsPerDay)
{
    const double units = std::round(dateTime * unitsPerDay);
    if (!(units >= std::numeric_limits<int32_t>::min() &&
          units <= std::numeric_limits<int32_t>::max()))
        return DoesNotFit;
    return static_cast<int32_t>(units);
}

}  // namespace

int32_t DateToMilliSeconds(double dateTime)
{
    return WholeUnits(dateTime, 86400000.0);
}

int32_t DateToSeconds(double dateTime)
{
    return WholeUnits(dateTime, 86400.0);
}

int32_t DateToMinutes(double dateTime)
{
    return WholeUnits(dateTime, 1440.0);
}

int32_t DateToHours(double dateTime)
{
    return WholeUnits(dateTime, 24.0);
}

bool iDecodeDate(double dateTime, int& year, int& month, int& day)
{
    // 1 January of the year 1 and 31 December 9999 as days since 30 December 1899.
    constexpr double FirstDay = -693593;
    constexpr double LastDay = 2958465;
    const double days = std::trunc(dateTime);
    if (!(days >= FirstDay && days <= LastDay))
        return false;
    const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(days));
    year = date.year();
    month = date.month();
    day = date.day();
    return true;
}

}  // namespace Igpfunctions
