#include "frame/PositionText.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

std::string FormatLatLon(int32_t value, bool longitude)
{
    const char letter = value < 0 ? (longitude ? 'W' : 'S') : (longitude ? 'E' : 'N');
    // 64-bit, so that INT32_MIN has an absolute value too.
    const int64_t units = std::llabs(static_cast<int64_t>(value));
    const int64_t degrees = units / 600000;
    const int64_t rest = units % 600000;
    char text[32];
    std::snprintf(text, sizeof text, "%3" PRId64 "\xB0 %02" PRId64 ".%03" PRId64 "' %c", degrees,
                  rest / 10000, rest % 10000 / 10, letter);
    return text;
}
