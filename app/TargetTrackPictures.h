#pragma once
// The target tracks as the static overlay drew them, kept beside the target table so that the
// stored record stays as it is: each target's track points on the main view, and how many of
// them, newest back, the static overlay drew (0: its track is not drawn there). The dynamic
// overlay draws the rest of a track from these. Main thread only.

#include "frame/PixelGeometry.h"
#include "sensors/TargetRecord.h"
#include "sensors/TargetTable.h"

#include <array>
#include <cstdint>

struct TargetTrackPicture {
    std::array<ScreenPoint, TargetRecord::TrackPoints> points{};  // by track slot
    int32_t drawnCount = 0;                                       // 0..TrackPoints
};

extern std::array<TargetTrackPicture, TargetCount + 1> TargetTrackPictures;
