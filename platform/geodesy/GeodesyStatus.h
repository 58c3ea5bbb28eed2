#pragma once
// Results of the position computations: 0 on success, a non-zero value names the failure.
// The outputs are written only on success.

namespace cmgbase {

inline constexpr int kGeoOk = 0;
// A null output, a distance, bearing or step that is not a finite number, or a mode other
// than 0.
inline constexpr int kGeoInvalidArgument = 1;
// A latitude beyond +-90 degrees (|y| > 2^30).
inline constexpr int kGeoInvalidPosition = 2;
// A great-circle path that would need more than kMaxOrtodromiaPoints points.
inline constexpr int kGeoTooManyPoints = 3;

}  // namespace cmgbase
