#include "sensors/FieldScanner.h"

#include <charconv>

bool ParseDecimalFloat(const char* first, const char* end, float& value)
{
    const auto [ptr, ec] = std::from_chars(first, end, value);
    return ec == std::errc() && ptr == end;  // out of range reads as a failure, not infinity
}
