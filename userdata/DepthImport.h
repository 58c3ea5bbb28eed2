#pragma once
// Recorded depths brought in from a restored depth dump or a list: each sounding goes into the
// seabed grid as the depth recorder records one, at the sounding's own position. Main thread
// only.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <filesystem>
#include <optional>

struct DepthImportCounts {
    int32_t depths = 0;  // soundings stored
    int32_t errors = 0;  // soundings refused (position or depth out of range, a cut record)
};

// Stores one sounding of `depth` metres at chart point (x, y) into grid levels 0 to 3. A tile the
// sounding leaves is stored at once. False (nothing stored) for a latitude beyond 90 degrees
// or a depth outside 0..6500 m.
bool ImportDepthPoint(int32_t x, int32_t y, float depth);

// The frame of a depth import: live depths are ignored and the recorder's averaging cleared
// while it lives; at its end the tiles it changed are stored.
class DepthImportSession {
public:
    DepthImportSession();
    ~DepthImportSession();
    DepthImportSession(const DepthImportSession&) = delete;
    DepthImportSession& operator=(const DepthImportSession&) = delete;
};

// Imports the 10-byte records (x, y, depth in 0.1 m) of a depth dump, or its 14-byte variant
// (recognised when the x of the first two 10-byte blocks differ by more than 100000). With an
// area only the points inside it (bounds included) are taken. None when the file cannot be read.
std::optional<DepthImportCounts> ImportDepthDump(const std::filesystem::path& dump,
                                                 const std::optional<cmgbase::GeoRect>& area);
