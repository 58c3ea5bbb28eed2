#include "app/TargetTrackSave.h"

#include "app/TargetTrackPictures.h"
#include "sensors/TargetTable.h"
#include "userdata/ArpaTrackStore.h"
#include "userdata/UserRecords.h"

#include <algorithm>

namespace {

ArpaTrack TrackOf(const TargetRecord& target)
{
    ArpaTrack track;
    track.targetId = target.id;
    track.colour = target.colour;
    track.label = FixedText(target.label);
    const int32_t count = std::clamp<int32_t>(target.count, 0, TargetRecord::TrackPoints);
    for (int32_t k = 0; k < count; ++k)
        track.points.push_back({{target.track[k][0], target.track[k][1]},
                                target.timeHistory[k],
                                target.sogHistory[k],
                                target.cogHistory[k]});
    return track;
}

// The newest track point becomes the first and only one.
void KeepNewestTrackPoint(TargetRecord& target, TargetTrackPicture& picture)
{
    const int32_t newest = std::clamp<int32_t>(target.count, 1, TargetRecord::TrackPoints) - 1;
    target.track[0][0] = target.track[newest][0];
    target.track[0][1] = target.track[newest][1];
    target.cogHistory[0] = target.cogHistory[newest];
    target.sogHistory[0] = target.sogHistory[newest];
    target.timeHistory[0] = target.timeHistory[newest];
    target.count = 1;
    picture.points[0] = picture.points[size_t(newest)];
    picture.drawnCount = std::min(picture.drawnCount, 1);
}

}  // namespace

bool SaveTargetTrack(int32_t index)
{
    if (index < 0 || index >= TargetCount)
        return false;
    TargetRecord& target = TargetTable[size_t(index)];
    if (SaveArpaTrack(TrackOf(target)) == 0)
        return false;
    KeepNewestTrackPoint(target, TargetTrackPictures[size_t(index)]);
    return true;
}

void SaveAllTargetTracks()
{
    for (int32_t index = 0; index < TargetCount; ++index) {
        SaveTargetTrack(index);
        FreeTarget(TargetTable[size_t(index)]);
    }
}
