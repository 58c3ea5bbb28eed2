#pragma once
// Reading a latitude or longitude written as text, such as "058 31 18.690 N".

#include <cstdint>

namespace cmgbase {

// The engine's coordinate text layouts. Fields are separated by blanks: D degrees, M minutes,
// S seconds, H the hemisphere letter. Each number is whole except the last one of the layout,
// which may have a decimal fraction ("18.690", or "31.5" minutes in "D M H").
inline constexpr const char* _apszgpFormat[] = {"D M S H", "D M H", "D H"};

// Parses `text` laid out as `format` into a normalised coordinate. `positive` and `negative`
// are the hemisphere letters (E and W, or N and S; either case is accepted). `range` is the
// largest magnitude in normalised units (2^31 for 180 degrees of longitude, 2^30 for 90 of
// latitude). The text must have at most `degreeDigits` digits of degrees, minutes and seconds
// below `sexagesimalBase` (60) and at most `maxLength` characters; `quarterDegrees` is the
// number of degrees that 2^30 normalised units stand for (90). The result is rounded as
// deg2nrm rounds. Returns false, leaving *coordinate unchanged, for a text that breaks any
// of this.
bool _str2crd(int32_t* coordinate, const char* text, const char* format, char positive,
              char negative, int64_t range, int degreeDigits, int quarterDegrees,
              int sexagesimalBase, int maxLength);

}  // namespace cmgbase
