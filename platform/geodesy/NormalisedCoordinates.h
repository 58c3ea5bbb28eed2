#pragma once
// Conversions between degrees, radians and the chart engine's normalised coordinates.
//
// A normalised coordinate is a signed 32-bit count of 180 / 2^31 degree units (about 9 mm of
// latitude). The rule is fixed because these numbers are stored in files and records:
// - deg2nrm rounds degrees x 2^31 / 180 to the nearest unit, halves away from zero;
// - it saturates at +-180 degrees: +180 (2^31, which int32 cannot hold) and anything above give
//   2^31 - 1, -180 and anything below give -(2^31 - 1), so deg2nrm(-d) == -deg2nrm(d) always;
//   a NaN gives 0;
// - nrm2deg is exact: every normalised value has an exact double in degrees, and
//   deg2nrm(nrm2deg(n)) == n for every n except -2^31, which comes back as -(2^31 - 1).
//
// round is named as the engine names it; call it qualified (cmgbase::round), since the C
// library's round(double) is also in scope.

#include <cstdint>

namespace cmgbase {

inline constexpr double kNormalisedUnitsPer180Degrees = 2147483648.0;  // 2^31
inline constexpr int32_t kNormalisedMax = INT32_MAX;                   // saturation at +180
inline constexpr int32_t kNormalisedMin = -INT32_MAX;                  // saturation at -180
inline constexpr int32_t kNormalisedNorthPole = 1 << 30;               // 90 degrees

int32_t deg2nrm(double degrees);
double nrm2deg(int32_t normalised);
double nrm2rad(int32_t normalised);
double deg2rad(double degrees);
double rad2deg(double radians);

// The nearest whole number, halves away from zero, saturated to the int32 range; NaN gives 0.
int32_t round(double value);

}  // namespace cmgbase
