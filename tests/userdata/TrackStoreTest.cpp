// The own track and targets' tracks stored as TRACK objects in a real user database: the
// database track recorded point by point, the ring saved as a track, and what a failure leaves.

#include "TrackTestSupport.h"
#include "userdata/ArpaTrackStore.h"
#include "userdata/ObjectIds.h"
#include "userdata/TrackRing.h"
#include "userdata/TrackSampling.h"
#include "userdata/TrackStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform::isam;

namespace {

class TrackStoreTest : public TrackDatabaseTest {
protected:
    // Samples the fix as the own ship 100 px from the last sample: always due.
    static TrackSamplingResult sampleMoved(const TrackFix& fix)
    {
        return SampleOwnTrack(fix, {{600, 500}, {500, 500}});
    }

    // Fills ring slot n with a sample at 38 + n / 1000 degrees north and time n.
    static void fillRing(int count, int32_t index)
    {
        for (int n = 0; n < count; ++n) {
            TrackSample& sample = SetupParameters.TrackRing[size_t(n)];
            sample.latitude = 38.0 + 0.001 * n;
            sample.longitude = -76.45;
            sample.time = uint32_t(n);
            sample.speedOverGround = uint16_t(n);
        }
        SetupParameters.TrackIndex = index;
    }

    static void closePointFile() { ASSERT_EQ(UserIsam.closeFileSet(PointFile), Status::Ok); }
};

// Starting a database track adds its object at the own position at once; the very next draw
// takes the first point without a move, into the track and the ring.
TEST_F(TrackStoreTest, DatabaseTrackTakesItsFirstPointAtOnce)
{
    TrackLastSample = {true, FixAt(38.90, -76.40).position, 90.0f};
    const TrackFix own = FixAt(38.97, -76.45, 12.0f);
    ASSERT_TRUE(StartTrack(own));

    const std::optional<IdRecord> object = StoredObject(DatabaseTrackId);
    ASSERT_TRUE(object);
    EXPECT_EQ(int32_t{object->id}, 1001);
    EXPECT_EQ(ObjectType{object->objectType}, ObjectType::TRACK);
    EXPECT_EQ(int32_t{object->latitude}, Stored(38.97));
    EXPECT_EQ(int32_t{object->longitude}, Stored(-76.45));
    EXPECT_EQ(int32_t{object->endLatitude}, Stored(38.97));
    EXPECT_EQ(int32_t{object->endLongitude}, Stored(-76.45));
    EXPECT_EQ(uint32_t{object->time}, uint32_t(SomeTime));
    EXPECT_EQ(uint16_t{object->colour}, SomeTrackColour);
    EXPECT_EQ(uint16_t{object->pointCount}, 0);
    EXPECT_EQ(TrackLastSample.position, own.position);

    const TrackSamplingResult result = SampleOwnTrack(own, {{500, 500}, {500, 500}});
    EXPECT_TRUE(result.sampled);
    EXPECT_EQ(result.ringIndex, 0);
    ASSERT_EQ(StoredPoints(1001).size(), 1u);
    EXPECT_EQ(uint16_t{StoredPoints(1001)[0].sequence}, 0);
}

// Points carry the scaled words: speed x 10 at 20, course x 10 at 22, water temperature x 100
// at 24, depth x 10 at 26 and 28; no value yet (-1.0) and a temperature below 0 are 0.
TEST_F(TrackStoreTest, DatabaseTrackPointsHoldSequencesAndScaledWords)
{
    struct Case {
        float course, speed, temperature, depth;
        std::vector<uint16_t> words;  // 20 to 36
    };
    const std::vector<Case> cases{
        {-1.0f, -1.0f, -2.5f, 12.34f, {0, 0, 0, 123, 123, 0, 0, 0, 0}},
        {359.96f, 12.34f, 18.5f, 7.25f, {123, 3600, 1850, 73, 73, 0, 0, 0, 0}},
        {45.0f, 6600.0f, 700.0f, -1.0f, {65535, 450, 65535, 0, 0, 0, 0, 0, 0}},
    };
    ASSERT_TRUE(StartTrack(FixAt(38.97, -76.45)));
    for (size_t n = 0; n < cases.size(); ++n) {
        TrackFix fix = FixAt(38.97 + 0.01 * double(n), -76.45);
        fix.courseOverGround = cases[n].course;
        fix.speedOverGround = cases[n].speed;
        fix.waterTemperature = cases[n].temperature;
        fix.depth = cases[n].depth;
        ClockSeconds = SomeTime + int64_t(n);
        ASSERT_TRUE(sampleMoved(fix).sampled);
    }

    const std::vector<PointRecord> points = StoredPoints(1001);
    ASSERT_EQ(points.size(), cases.size());
    for (size_t n = 0; n < cases.size(); ++n) {
        EXPECT_EQ(uint16_t{points[n].sequence}, n);
        EXPECT_EQ(int32_t{points[n].latitude}, Stored(38.97 + 0.01 * double(n)));
        EXPECT_EQ(int32_t{points[n].longitude}, Stored(-76.45));
        EXPECT_EQ(uint32_t{points[n].time}, uint32_t(SomeTime + int64_t(n)));
        EXPECT_EQ(std::vector<uint16_t>(std::begin(points[n].attributes),
                                        std::end(points[n].attributes)),
                  cases[n].words)
            << n;
    }
}

// Finishing completes the object: end at the own position, the time, the colour, the length
// since its first point and the point count, held to 16 bits.
TEST_F(TrackStoreTest, FinishCompletesTheObjectAndRequestsASave)
{
    struct Case {
        float lengthBefore, lengthSailed;  // 0.1 nm
        uint16_t value;
    };
    for (const Case& c : {Case{0.0f, 123.4f, 123}, Case{40.0f, 70000.0f, 65535}}) {
        ResetTrackState();
        ClearObjectFiles();
        SetupParameters.TrackLength = c.lengthBefore;
        ASSERT_TRUE(StartTrack(FixAt(38.97, -76.45)));
        const int32_t track = DatabaseTrackId;
        sampleMoved(FixAt(38.97, -76.45));
        sampleMoved(FixAt(38.98, -76.45));
        SetupParameters.TrackLength = c.lengthBefore + c.lengthSailed;
        ClockSeconds = SomeTime + 600;
        SetupParameters.TrackColour = 5;

        FinishTrack(FixAt(38.99, -76.44));

        const std::optional<IdRecord> object = StoredObject(track);
        ASSERT_TRUE(object);
        EXPECT_EQ(int32_t{object->latitude}, Stored(38.97));
        EXPECT_EQ(int32_t{object->endLatitude}, Stored(38.99));
        EXPECT_EQ(int32_t{object->endLongitude}, Stored(-76.44));
        EXPECT_EQ(uint32_t{object->time}, uint32_t(SomeTime + 600));
        EXPECT_EQ(uint16_t{object->colour}, 5);
        EXPECT_EQ(uint16_t{object->pointCount}, 2);
        EXPECT_EQ(uint16_t{object->value}, c.value) << c.lengthSailed;
        EXPECT_EQ(DatabaseTrackId, 0);
        EXPECT_TRUE(TrackSaveRequest);
        EXPECT_FLOAT_EQ(SetupParameters.TrackLength, 0.0f);
        EXPECT_EQ(RingSampleCount(), 0);
    }
}

// The samples the ring took before the database track began (its first point the last of them)
// are stored as a track of their own with their share of the length, not dropped.
TEST_F(TrackStoreTest, FinishStoresTheRingTakenBeforeTheTrack)
{
    for (int n = 0; n < 3; ++n)
        sampleMoved(FixAt(38.90 + 0.01 * n, -76.45));
    ASSERT_TRUE(StartTrack(FixAt(38.93, -76.45)));
    const int32_t track = DatabaseTrackId;
    sampleMoved(FixAt(38.93, -76.45));
    const float beforeFirstPoint = SetupParameters.TrackLength;
    sampleMoved(FixAt(38.95, -76.45));
    const float sailed = SetupParameters.TrackLength - beforeFirstPoint;
    ASSERT_GT(beforeFirstPoint, 0.0f);

    FinishTrack(FixAt(38.95, -76.45));

    const std::vector<IdRecord> objects = StoredObjects();
    ASSERT_EQ(objects.size(), 2u);
    const IdRecord& ringTrack = objects[0].id == track ? objects[1] : objects[0];
    const IdRecord& databaseTrack = objects[0].id == track ? objects[0] : objects[1];
    EXPECT_EQ(uint16_t{ringTrack.pointCount}, 4);
    EXPECT_EQ(uint16_t{ringTrack.value}, uint16_t(std::lround(beforeFirstPoint)));
    EXPECT_EQ(int32_t{ringTrack.latitude}, Stored(38.93) + 1) << "one unit off the track's first point";
    EXPECT_EQ(int32_t{ringTrack.endLatitude}, Stored(38.90));
    const std::vector<PointRecord> ringPoints = StoredPoints(ringTrack.id);
    ASSERT_EQ(ringPoints.size(), 4u);
    EXPECT_EQ(int32_t{ringPoints.front().latitude}, Stored(38.90));
    EXPECT_EQ(int32_t{ringPoints.back().latitude}, Stored(38.93));
    EXPECT_EQ(uint16_t{databaseTrack.value}, uint16_t(std::lround(sailed)));
    EXPECT_EQ(uint16_t{databaseTrack.pointCount}, 2);
    EXPECT_EQ(RingSampleCount(), 0);
    EXPECT_FLOAT_EQ(SetupParameters.TrackLength, 0.0f);
}

// When the ring cannot be stored it stays, with its share of the length, for a later save.
TEST_F(TrackStoreTest, FinishKeepsTheRingWhenItCannotBeStored)
{
    for (int n = 0; n < 3; ++n)
        sampleMoved(FixAt(38.90 + 0.01 * n, -76.45));
    ASSERT_TRUE(StartTrack(FixAt(38.93, -76.45)));
    sampleMoved(FixAt(38.93, -76.45));
    const float ringLength = SetupParameters.TrackLength;
    sampleMoved(FixAt(38.95, -76.45));
    closePointFile();

    FinishTrack(FixAt(38.95, -76.45));

    EXPECT_EQ(RingSampleCount(), 4);
    EXPECT_EQ(SetupParameters.TrackIndex, 4);
    EXPECT_FLOAT_EQ(SetupParameters.TrackLength, ringLength);
    EXPECT_EQ(StoredObjects().size(), 1u) << "the database track only";
    EXPECT_FALSE(failures.empty());
    EXPECT_EQ(DatabaseTrackId, 0);
}

// A wrapped ring (index 1, 500 samples) is stored oldest first with sequences from 0: slot 1 to
// 499, then slot 0, which is the newest and the track's start.
TEST_F(TrackStoreTest, WrappedRingIsStoredOldestFirst)
{
    fillRing(TrackRingSize, 1);
    SetupParameters.TrackLength = 85.4f;
    SetupParameters.ScreenKeyboard = 1;

    ASSERT_TRUE(SaveTrackBuffer());

    const std::vector<IdRecord> objects = StoredObjects();
    ASSERT_EQ(objects.size(), 1u);
    const IdRecord& object = objects[0];
    EXPECT_EQ(int32_t{object.id}, 1001);
    EXPECT_EQ(uint16_t{object.pointCount}, 500);
    EXPECT_EQ(int32_t{object.latitude}, Stored(38.0));
    EXPECT_EQ(int32_t{object.endLatitude}, Stored(38.001));
    EXPECT_EQ(uint16_t{object.value}, 85);
    EXPECT_EQ(uint16_t{object.colour}, SomeTrackColour);
    EXPECT_EQ(uint32_t{object.time}, uint32_t(SomeTime));
    const std::vector<PointRecord> points = StoredPoints(1001);
    ASSERT_EQ(points.size(), 500u);
    for (size_t n = 0; n < points.size(); ++n) {
        const size_t slot = (n + 1) % TrackRingSize;
        EXPECT_EQ(uint16_t{points[n].sequence}, n);
        EXPECT_EQ(uint32_t{points[n].time}, slot) << n;
        EXPECT_EQ(uint16_t{points[n].attributes[TrackPointWord::Speed]}, slot) << n;
    }
    EXPECT_EQ(RingSampleCount(), 0);
    EXPECT_EQ(SetupParameters.TrackIndex, 0);
    EXPECT_FLOAT_EQ(SetupParameters.TrackLength, 0.0f);
    EXPECT_EQ(int32_t{IdShownBuffer.id}, 1001) << "offered for naming";
}

// A ring that cannot be stored whole leaves nothing behind: the object goes in first, and when a
// point fails the points written and the object are removed again, the ring stays and the
// failure is reported. The save request is consumed, so the next draw does not try again.
TEST_F(TrackStoreTest, FailedRingSaveLeavesNothingBehind)
{
    struct Case {
        UserDataFile closed;
    };
    for (const Case& c : {Case{PointFile}, Case{IdFile}}) {
        ResetTrackState();
        ClearObjectFiles();
        failures.clear();
        fillRing(10, 10);
        TrackLastSample = {true, FixAt(38.0, -76.45).position, 0.0f};
        TrackSaveRequest = true;
        ASSERT_EQ(UserIsam.closeFileSet(c.closed), Status::Ok);

        const TrackSamplingResult result = SampleOwnTrack(FixAt(38.5, -76.45), {{0, 0}, {0, 0}});

        EXPECT_FALSE(result.redrawRequested);
        EXPECT_FALSE(TrackSaveRequest);
        EXPECT_EQ(RingSampleCount(), 11);
        EXPECT_FALSE(failures.empty());
        ASSERT_TRUE(OpenUserDatabase());
        EXPECT_TRUE(StoredObjects().empty()) << UserFileSetName(c.closed);
        EXPECT_EQ(countRecords(PointKey), 0) << UserFileSetName(c.closed);
    }
}

// A track started where another starts goes in one unit further east; one that cannot go in at
// all leaves no track open and is reported.
TEST_F(TrackStoreTest, StartTrackAtATakenPositionAndOnFailure)
{
    IdRecord earlier = Object(ObjectType::TRACK, 1001, Stored(38.97), Stored(-76.45));
    ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(earlier)), Status::Ok);
    ASSERT_TRUE(StartTrack(FixAt(38.97, -76.45)));
    EXPECT_EQ(DatabaseTrackId, 1002);
    EXPECT_EQ(int32_t{StoredObject(1002)->longitude}, Stored(-76.45) + 1);

    ResetTrackState();
    ASSERT_EQ(UserIsam.closeFileSet(IdFile), Status::Ok);
    EXPECT_FALSE(StartTrack(FixAt(38.97, -76.45)));
    EXPECT_EQ(DatabaseTrackId, 0);
    EXPECT_FALSE(failures.empty());
}

// Key 5 compares sequences as signed numbers: a track reaching sequence 32767 is finished there
// and recording goes on in a continuation track starting with the same point. The track's
// early points are never rewritten.
TEST_F(TrackStoreTest, TrackPassingSequence32767ContinuesInANewTrack)
{
    ASSERT_TRUE(StartTrack(FixAt(38.0, -76.45)));
    const int32_t first = DatabaseTrackId;
    sampleMoved(FixAt(38.0, -76.45));
    sampleMoved(FixAt(38.01, -76.45));
    // The points in between are left out: the writer takes it from sequence 32765 on.
    DatabaseTrackPoints = MaxPointSequence - 2;
    for (int n = 0; n < 5; ++n)
        sampleMoved(FixAt(38.1 + 0.01 * n, -76.45));

    EXPECT_EQ(StoredSequencesAndLatitudes(first),
              (std::vector<SequenceAndLatitude>{{0, Stored(38.0)},
                                                {1, Stored(38.01)},
                                                {32765, Stored(38.10)},
                                                {32766, Stored(38.11)},
                                                {32767, Stored(38.12)}}));

    const int32_t continuation = DatabaseTrackId;
    ASSERT_NE(continuation, first);
    const std::optional<IdRecord> finished = StoredObject(first);
    ASSERT_TRUE(finished);
    EXPECT_EQ(uint16_t{finished->pointCount}, 32768);
    EXPECT_EQ(int32_t{finished->endLatitude}, Stored(38.12));
    const std::optional<IdRecord> next = StoredObject(continuation);
    ASSERT_TRUE(next);
    EXPECT_EQ(int32_t{next->latitude}, Stored(38.12));
    EXPECT_EQ(ObjectType{next->objectType}, ObjectType::TRACK);
    EXPECT_EQ(StoredSequencesAndLatitudes(continuation),
              (std::vector<SequenceAndLatitude>{
                  {0, Stored(38.12)}, {1, Stored(38.13)}, {2, Stored(38.14)}}));
    EXPECT_EQ(DatabaseTrackPoints, 3);
}

ArpaTrack TargetTrack(int points, std::string label = "")
{
    ArpaTrack track;
    track.targetId = 17;
    track.colour = 4;
    track.label = std::move(label);
    for (int k = 0; k < points; ++k)
        track.points.push_back({{cmgbase::deg2nrm(11.0 + 0.01 * k), cmgbase::deg2nrm(57.0 + 0.01 * k)},
                                uint32_t(SomeTime - 60 * (points - k)),
                                uint16_t(100 + k),
                                uint16_t(3599 - k)});
    return track;
}

// A target's track goes in with sequences from 1, its time, speed and course in each point and
// no other word; the object starts at the newest point and ends at the oldest.
TEST_F(TrackStoreTest, TargetTrackHoldsSequencesFromOneAndItsWords)
{
    const ArpaTrack track = TargetTrack(6, "PILOT BOAT");
    const int32_t id = SaveArpaTrack(track);
    ASSERT_EQ(id, 9001);

    const std::optional<IdRecord> object = StoredObject(id);
    ASSERT_TRUE(object);
    EXPECT_EQ(ObjectType{object->objectType}, ObjectType::TRACK);
    EXPECT_EQ(uint16_t{object->pointCount}, 6);
    EXPECT_EQ(int32_t{object->latitude}, Stored(57.05));
    EXPECT_EQ(int32_t{object->longitude}, Stored(11.05));
    EXPECT_EQ(int32_t{object->endLatitude}, Stored(57.0));
    EXPECT_EQ(uint16_t{object->colour}, 4);
    EXPECT_EQ(uint32_t{object->time}, uint32_t(SomeTime));
    EXPECT_EQ(FixedText(object->name), "PILOT BOAT");
    const std::vector<PointRecord> points = StoredPoints(id);
    ASSERT_EQ(points.size(), 6u);
    for (size_t k = 0; k < points.size(); ++k) {
        EXPECT_EQ(uint16_t{points[k].sequence}, k + 1);
        EXPECT_EQ(int32_t{points[k].latitude}, Stored(57.0 + 0.01 * double(k)));
        EXPECT_EQ(uint32_t{points[k].time}, track.points[k].time);
        EXPECT_EQ(std::vector<uint16_t>(std::begin(points[k].attributes),
                                        std::end(points[k].attributes)),
                  (std::vector<uint16_t>{uint16_t(100 + k), uint16_t(3599 - k), 0, 0, 0, 0, 0, 0, 0}));
    }
}

// Names: the label cut to 29 characters so the name keeps its NUL, "ARPA" without a label.
// Fewer than five points or a free target store nothing; the same track saved twice goes in a
// unit further east.
TEST_F(TrackStoreTest, TargetTrackNamesAndRefusals)
{
    const std::string longLabel(30, 'W');
    EXPECT_EQ(FixedText(StoredObject(SaveArpaTrack(TargetTrack(5, longLabel)))->name),
              std::string(29, 'W'));
    const IdRecord unnamed = *StoredObject(SaveArpaTrack(TargetTrack(5)));
    EXPECT_EQ(FixedText(unnamed.name), "ARPA");
    EXPECT_EQ(int32_t{unnamed.longitude}, Stored(11.04) + 1);

    EXPECT_EQ(SaveArpaTrack(TargetTrack(4)), 0);
    ArpaTrack freeRecord = TargetTrack(8);
    freeRecord.targetId = -1;
    EXPECT_EQ(SaveArpaTrack(freeRecord), 0);
    EXPECT_EQ(StoredObjects().size(), 2u);
}

// A target track whose points cannot be stored leaves no object and no point behind.
TEST_F(TrackStoreTest, FailedTargetTrackLeavesNothingBehind)
{
    closePointFile();
    EXPECT_EQ(SaveArpaTrack(TargetTrack(6)), 0);
    EXPECT_FALSE(failures.empty());
    EXPECT_TRUE(StoredObjects().empty());
}

}  // namespace
