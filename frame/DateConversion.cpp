#include "frame/DateConversion.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>

int32_t DateToUnixTime(double& date)
{
    if (!(date >= 0 && date <= 100000))
        date = 0;

    using namespace std::chrono;
    constexpr sys_days dayZero = 1899y / December / 30;
    const year_month_day day{dayZero + days{static_cast<int>(std::floor(date))}};

    std::tm local{};
    local.tm_year = static_cast<int>(day.year()) - 1900;
    local.tm_mon = static_cast<int>(static_cast<unsigned>(day.month())) - 1;
    local.tm_mday = static_cast<int>(static_cast<unsigned>(day.day()));
    local.tm_sec = 1;
    local.tm_isdst = 0;
    // mktime fails with -1; a success that 32 bits cannot hold is a failure too.
    const time_t seconds = std::mktime(&local);
    if (seconds < std::numeric_limits<int32_t>::min() ||
        seconds > std::numeric_limits<int32_t>::max())
        return -1;
    return static_cast<int32_t>(seconds);
}
