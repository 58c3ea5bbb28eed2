// The target dialog's Save through the start-up's wiring: a target's track stored in a real
// user database, after which the target keeps only its newest track point.

#include "app/TargetDialogWiring.h"
#include "app/TargetTrackPictures.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/TargetDialogHooks.h"
#include "sensors/TargetTable.h"
#include "userdata/StoredPosition.h"
#include "userdata/UserDatabaseFixture.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace platform::isam;

namespace {

constexpr int32_t Index = 3;

class TargetTrackSaveTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        open();
        ResetTargetTable();
        TargetTrackPictures = {};
        WireTargetDialog();
    }

    void TearDown() override
    {
        TargetDialogHook = {};
        ResetTargetTable();
        TargetTrackPictures = {};
        UserDatabaseTest::TearDown();
    }

    // A target with `count` track points northward, 0.01 degree apart, and their pixels.
    static TargetRecord& TrackedTarget(int16_t count)
    {
        TargetRecord& target = TargetTable[Index];
        target.id = 42;
        target.colour = 2;
        std::strcpy(target.label, "TUG");
        for (int k = 0; k < count; ++k) {
            target.track[k][0] = cmgbase::deg2nrm(11.0);
            target.track[k][1] = cmgbase::deg2nrm(57.0 + 0.01 * k);
            target.sogHistory[k] = uint16_t(50 + k);
            target.cogHistory[k] = uint16_t(10 * k);
            target.timeHistory[k] = uint32_t(1700000000 + 60 * k);
            TargetTrackPictures[Index].points[size_t(k)] = {10 * k, 20 * k};
        }
        target.count = count;
        TargetTrackPictures[Index].drawnCount = count;
        return target;
    }

    static IdRecord StoredTrack()
    {
        IdRecord record;
        EXPECT_EQ(UserIsam.readFirst(IdTypeKey, bytesOf(record)), Status::Ok);
        return record;
    }
};

TEST_F(TargetTrackSaveTest, SavedTargetKeepsItsNewestPoint)
{
    TargetRecord& target = TrackedTarget(7);

    TargetDialogHook.saveArpaTrack(Index);

    const IdRecord stored = StoredTrack();
    EXPECT_EQ(int32_t{stored.id}, 9001);
    EXPECT_EQ(uint16_t{stored.pointCount}, 7);
    EXPECT_EQ(FixedText(stored.name), "TUG");
    EXPECT_EQ(int32_t{stored.latitude}, StoredFromChart(cmgbase::deg2nrm(57.06)));
    EXPECT_EQ(countRecords(PointKey), 7);

    EXPECT_EQ(int16_t{target.count}, 1);
    EXPECT_EQ(int32_t{target.track[0][1]}, cmgbase::deg2nrm(57.06));
    EXPECT_EQ(uint16_t{target.sogHistory[0]}, 56);
    EXPECT_EQ(uint16_t{target.cogHistory[0]}, 60);
    EXPECT_EQ(uint32_t{target.timeHistory[0]}, uint32_t(1700000000 + 360));
    EXPECT_EQ(TargetTrackPictures[Index].points[0].x, 60);
    EXPECT_EQ(TargetTrackPictures[Index].points[0].y, 120);
    EXPECT_EQ(TargetTrackPictures[Index].drawnCount, 1);
}

// A track of four points is not stored and the target keeps it; so does a target whose track
// could not be stored.
TEST_F(TargetTrackSaveTest, TargetKeepsTheTrackThatWasNotStored)
{
    TargetRecord& target = TrackedTarget(4);
    TargetDialogHook.saveArpaTrack(Index);
    EXPECT_EQ(int16_t{target.count}, 4);

    TrackedTarget(6);
    ASSERT_EQ(UserIsam.closeFileSet(PointFile), Status::Ok);
    TargetDialogHook.saveArpaTrack(Index);
    EXPECT_EQ(int16_t{target.count}, 6);
    EXPECT_FALSE(failures.empty());
    EXPECT_EQ(countRecords(IdTypeKey), 0);
}

}  // namespace
