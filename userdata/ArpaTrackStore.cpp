#include "userdata/ArpaTrackStore.h"

#include "frame/SharedTables.h"
#include "userdata/ObjectIds.h"
#include "userdata/PointStore.h"
#include "userdata/StoredPosition.h"

#include <algorithm>

using platform::isam::Status;

namespace {

constexpr const char* UnnamedTargetTrack = "ARPA";

}  // namespace

int32_t SaveArpaTrack(const ArpaTrack& track)
{
    if (track.targetId < 0 || track.points.size() < size_t(MinArpaTrackPoints))
        return 0;
    const ArpaTrackPoint& newest = track.points.back();
    const ArpaTrackPoint& oldest = track.points.front();

    IdRecord record;
    record.objectType = ObjectType::TRACK;
    record.pointCount = uint16_t(std::min<size_t>(track.points.size(), MaxPointSequence));
    record.latitude = StoredFromChart(newest.position.y);
    record.longitude = StoredFromChart(newest.position.x);
    record.endLatitude = StoredFromChart(oldest.position.y);
    record.endLongitude = StoredFromChart(oldest.position.x);
    record.time = StoredTime(ClockSeconds);
    record.colour = track.colour;
    SetFixedText(record.name, track.label.empty() ? UnnamedTargetTrack : track.label);
    if (AddNewObject(record, IdRange::TargetTrack) != Status::Ok)
        return 0;

    for (size_t k = 0; k < record.pointCount; ++k) {
        const ArpaTrackPoint& from = track.points[k];
        PointRecord point;
        point.id = record.id;
        point.sequence = uint16_t(k + 1);
        point.latitude = StoredFromChart(from.position.y);
        point.longitude = StoredFromChart(from.position.x);
        point.time = from.time;
        point.attributes[TrackPointWord::Speed] = from.speed;
        point.attributes[TrackPointWord::Course] = from.course;
        if (AddObjectPoint(point) == PointStore::Failed) {
            RemoveUnfinishedObject(record.id, 1, int32_t(k));
            return 0;
        }
    }
    return record.id;
}
