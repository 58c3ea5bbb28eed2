#include "userdata/TrackStore.h"

#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "userdata/DatabaseReports.h"
#include "userdata/ObjectIds.h"
#include "userdata/StoredPosition.h"
#include "userdata/TQueryDlg.h"
#include "userdata/TrackRing.h"
#include "userdata/TrackState.h"
#include "userdata/UserDatabase.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

using namespace platform::isam;

namespace {

// A track length of 0.1 nm as the 16-bit value of a TRACK object.
uint16_t LengthValue(double tenths)
{
    return tenths > 0.0 ? uint16_t(std::lround(std::min(tenths, 65535.0))) : 0;
}

// Adds a new TRACK object starting and ending at the position and makes it the open database
// track, with no point yet.
std::optional<IdRecord> OpenDatabaseTrack(int32_t latitude, int32_t longitude)
{
    IdRecord record;
    record.objectType = ObjectType::TRACK;
    record.latitude = record.endLatitude = latitude;
    record.longitude = record.endLongitude = longitude;
    record.time = StoredTime(ClockSeconds);
    record.colour = SetupParameters.TrackColour;
    DatabaseTrackPoints = 0;
    DatabaseTrackLengthBase = SetupParameters.TrackLength;
    if (AddNewObject(record, IdRange::Track) != Status::Ok) {
        DatabaseTrackId = 0;
        return std::nullopt;
    }
    DatabaseTrackId = record.id;
    return record;
}

// Writes the end position, time, colour, length and point count into the open database track's
// object.
void CompleteDatabaseTrack(int32_t latitude, int32_t longitude)
{
    IdRecord record;
    record.objectType = ObjectType::TRACK;
    record.id = DatabaseTrackId;
    const Status found = UserIsam.readEqual(IdTypeKey, UserKeyValue(IdTypeKey, bytesOf(record)),
                                            bytesOf(record));
    if (found != Status::Ok) {
        ReportRecordFailure({"read", IdFile, found});
        return;
    }
    record.endLatitude = latitude;
    record.endLongitude = longitude;
    record.time = StoredTime(ClockSeconds);
    record.colour = SetupParameters.TrackColour;
    record.value = LengthValue(double(SetupParameters.TrackLength) - DatabaseTrackLengthBase);
    record.pointCount = uint16_t(std::clamp<int32_t>(DatabaseTrackPoints, 0, 65535));
    CheckRecordStatus("rewrite", IdFile, UserIsam.rewriteRecord(IdFile, bytesOf(record)));
}

// The database track is full: it ends at the sample, and a new one starts there with the
// sample as its first point.
void ContinueDatabaseTrack(const TrackSample& sample)
{
    const int32_t latitude = StoredFromDegrees(sample.latitude);
    const int32_t longitude = StoredFromDegrees(sample.longitude);
    CompleteDatabaseTrack(latitude, longitude);
    if (!OpenDatabaseTrack(latitude, longitude))
        return;
    StoreTrackPoint(sample, DatabaseTrackId, 0);
    DatabaseTrackPoints = 1;
}

}  // namespace

bool StartTrack(const TrackFix& own)
{
    const std::optional<IdRecord> record =
        OpenDatabaseTrack(StoredFromDegrees(own.latitude), StoredFromDegrees(own.longitude));
    if (!record)
        return false;
    TrackLastSample = {true, own.position, own.courseOverGround};
    OfferForNaming(*record);
    return true;
}

void FinishTrack(const TrackFix& own)
{
    if (DatabaseTrackId != 0)
        CompleteDatabaseTrack(StoredFromDegrees(own.latitude), StoredFromDegrees(own.longitude));
    const bool ringKept = RingSampleCount() >= 2 && !SaveTrackBuffer();
    if (ringKept) {
        if (DatabaseTrackId != 0)
            SetupParameters.TrackLength = DatabaseTrackLengthBase;
    } else {
        DeleteRecordedTrack();
    }
    TrackSaveRequest = true;
    DatabaseTrackId = 0;
    DatabaseTrackPoints = 0;
    DatabaseTrackLengthBase = 0.0f;
}

PointStore StoreTrackPoint(const TrackSample& sample, int32_t objectId, int32_t sequence)
{
    PointRecord point;
    point.id = objectId;
    point.sequence = uint16_t(sequence);
    point.latitude = StoredFromDegrees(sample.latitude);
    point.longitude = StoredFromDegrees(sample.longitude);
    point.time = sample.time;
    point.attributes[TrackPointWord::Speed] = sample.speedOverGround;
    point.attributes[TrackPointWord::Course] = sample.courseOverGround;
    point.attributes[TrackPointWord::WaterTemperature] = sample.waterTemperature;
    point.attributes[TrackPointWord::Depth] = sample.depth;
    point.attributes[TrackPointWord::DepthAgain] = sample.depth;
    return AddObjectPoint(point);
}

void StoreDatabaseTrackPoint(const TrackSample& sample)
{
    if (DatabaseTrackPoints == 0)
        DatabaseTrackLengthBase = SetupParameters.TrackLength;
    StoreTrackPoint(sample, DatabaseTrackId, DatabaseTrackPoints);
    ++DatabaseTrackPoints;
    if (DatabaseTrackPoints > MaxPointSequence)
        ContinueDatabaseTrack(sample);
}

bool SaveTrackBuffer()
{
    const std::vector<int> filled = RingSlotsOldestFirst();
    if (filled.empty())
        return false;
    const bool databaseTrackOpen = DatabaseTrackId != 0;
    const float ringLength =
        databaseTrackOpen ? DatabaseTrackLengthBase : SetupParameters.TrackLength;
    const TrackRingBuffer& ring = SetupParameters.TrackRing;
    const TrackSample& newest = ring[size_t(filled.back())];
    const TrackSample& oldest = ring[size_t(filled.front())];

    IdRecord record;
    record.objectType = ObjectType::TRACK;
    record.pointCount = uint16_t(filled.size());
    record.latitude = StoredFromDegrees(newest.latitude) + (databaseTrackOpen ? 1 : 0);
    record.longitude = StoredFromDegrees(newest.longitude);
    record.endLatitude = StoredFromDegrees(oldest.latitude);
    record.endLongitude = StoredFromDegrees(oldest.longitude);
    record.time = StoredTime(ClockSeconds);
    record.colour = SetupParameters.TrackColour;
    record.value = LengthValue(ringLength);
    if (AddNewObject(record, IdRange::Track) != Status::Ok)
        return false;
    for (size_t n = 0; n < filled.size(); ++n) {
        if (StoreTrackPoint(ring[size_t(filled[n])], record.id, int32_t(n)) == PointStore::Failed) {
            RemoveUnfinishedObject(record.id, 0, int32_t(n));
            return false;
        }
    }

    EmptyRing();
    SetupParameters.TrackLength = databaseTrackOpen ? SetupParameters.TrackLength - ringLength
                                                    : 0.0f;
    DatabaseTrackLengthBase = 0.0f;
    OfferForNaming(record);
    return true;
}

void DeleteRecordedTrack()
{
    EmptyRing();
    SetupParameters.TrackLength = 0.0f;
    TrackSaveRequest = true;
}
