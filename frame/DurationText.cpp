#include "frame/DurationText.h"

#include <cmath>
#include <cstdio>

std::string FormatDuration(float distance, float speed)
{
    const std::string unknown = ".............. ";
    if (!(speed > 0))
        return unknown;
    const double t = distance / speed;  // hours, of the 32-bit quotient
    // Minutes are counted in a 32-bit integer, so hours x 60 must fit in one.
    if (!std::isfinite(t) || std::fabs(t * 60) >= 2147483648.0)
        return unknown;

    int hours = static_cast<int>(t);
    const int minutes = static_cast<int>(t * 60) - 60 * hours;
    char text[48];
    if (t >= 1) {
        // Whole days while more than 24 hours remain: 24 hours stay 24 hours.
        const int days = hours > 24 ? (hours - 1) / 24 : 0;
        hours -= 24 * days;
        if (days > 0)
            std::snprintf(text, sizeof text, "%d d. %d h. %02d m.", days, hours, minutes);
        else
            std::snprintf(text, sizeof text, "%d h. %02d m.", hours, minutes);
    } else {
        const int seconds = static_cast<int>(t * 3600 - 3600.0 * hours - 60.0 * minutes);
        std::snprintf(text, sizeof text, "%d m. %02d s.", minutes, seconds);
    }
    return text;
}
