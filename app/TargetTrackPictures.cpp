#include "app/TargetTrackPictures.h"

std::array<TargetTrackPicture, TargetCount + 1> TargetTrackPictures{};
