#pragma once
// The position text of panels, grids, logs and exports: "%3d° %02d.%03d' %c", with the degree
// sign as the Windows-1252 byte 0xB0 (convert with platform/system/TextCodec.h for Qt).

#include <cstdint>
#include <string>

// `value` is a latitude or longitude in degrees x 600000 (10000 per minute of arc), negative
// south or west; `longitude` picks E / W instead of N / S. Degrees, minutes and thousandths of
// a minute are truncated, never rounded up. Any value gives a well-formed text: a corrupt one
// beyond +-999 degrees just has more digits.
std::string FormatLatLon(int32_t value, bool longitude);
