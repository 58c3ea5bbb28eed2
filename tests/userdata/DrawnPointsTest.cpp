// Routes and lines drawn point by point into real files, and tracks cut in two.

#include "RouteDatabaseFixture.h"

#include "userdata/DrawnPoints.h"
#include "userdata/ObjectDialogHooks.h"
#include "userdata/ObjectPoints.h"
#include "userdata/ObjectSplit.h"
#include "userdata/PointStore.h"
#include "userdata/StoredPosition.h"
#include "userdata/UserDatabase.h"

#include <vector>

using namespace platform::isam;

namespace {

std::optional<IdRecord> StoredObject(int32_t id)
{
    IdRecord record;
    record.id = id;
    if (UserIsam.readEqual(IdNumberKey, UserKeyValue(IdNumberKey, bytesOf(record)), bytesOf(record)) != Status::Ok)
        return std::nullopt;
    return record;
}

std::vector<PointRecord> PointsOf(int32_t id)
{
    std::vector<PointRecord> points;
    EXPECT_TRUE(ReadObjectPoints(id, points));
    return points;
}

class DrawnPointsTest : public RouteDatabaseTest {
protected:
    void SetUp() override
    {
        RouteDatabaseTest::SetUp();
        ObjectDialogHook.lineId = [this] { return lineId; };
        ObjectDialogHook.setLineId = [this](int32_t id) { lineId = id; };
        SetupParameters.LineColour = 4;
        SetupParameters.LineKind = 0;
        ClockSeconds = 1796000000;
    }
    void TearDown() override
    {
        ObjectDialogHook = {};
        RouteDatabaseTest::TearDown();
    }

    int32_t lineId = 0;
};

TEST_F(DrawnPointsTest, ARouteIsDrawnWithItsDefaultsOnTheFirstPointUpToFiveHundredPoints)
{
    RouteTable[1].dangerFlags = 5;
    for (int32_t n = 1; n <= MaxRouteWaypoints; ++n)
        ASSERT_TRUE(AddSarObject(DrawnRouteKind, n, At(57 + n * 0.001, 11))) << n;
    EXPECT_FALSE(AddSarObject(DrawnRouteKind, MaxRouteWaypoints + 1, At(58, 11))) << "the table is full";

    ASSERT_NE(RouteId, 0);
    const std::optional<IdRecord> route = StoredObject(RouteId);
    ASSERT_TRUE(route);
    EXPECT_EQ(route->objectType, ObjectType::ROUTE);
    EXPECT_EQ(int32_t{route->colour}, 2);
    EXPECT_EQ(FixedText(route->name), "");
    EXPECT_EQ(int32_t{route->latitude}, StoredFromDegrees(57.001));

    const std::vector<PointRecord> points = PointsOf(RouteId);
    ASSERT_EQ(points.size(), size_t(MaxRouteWaypoints));
    const uint16_t* first = points[0].attributes;
    EXPECT_EQ(first[RoutePointWord::TurnRadius], 50);
    EXPECT_EQ(first[RoutePointWord::DefaultLane], 10);
    EXPECT_EQ(first[RoutePointWord::DefaultSpeed], 100);
    EXPECT_EQ(first[RoutePointWord::SafetyDepth], 10);
    EXPECT_EQ(points[1].attributes[RoutePointWord::DangerFlags], 5) << "the table entry's flags";
    EXPECT_EQ(points[1].attributes[RoutePointWord::DefaultSpeed], 0) << "defaults on the first point only";
    EXPECT_EQ(uint32_t{points[1].time}, 1796000000u);

    EXPECT_EQ(WaypointCount, MaxRouteWaypoints);
    EXPECT_EQ(RouteTable[499].position, At(57.5, 11));
    EXPECT_TRUE(RouteTable[499].isStoredPoint());
    EXPECT_EQ(int32_t{RouteTable[499].sequence}, 500);
}

TEST_F(DrawnPointsTest, LinesTakeTheLineColourAndAPatternIsNamed)
{
    SetupParameters.LineKind = 1;  // polyline
    ASSERT_TRUE(AddSarObject(DrawnLineKind, 1, At(57, 11)));
    ASSERT_TRUE(AddSarObject(DrawnLineKind, 2, At(57.1, 11)));
    const int32_t drawn = lineId;
    const std::optional<IdRecord> line = StoredObject(drawn);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->objectType, ObjectType::LINE);
    EXPECT_EQ(int32_t{line->colour}, 4);
    for (const PointRecord& point : PointsOf(drawn))
        EXPECT_EQ(point.attributes[LinePointWord::Polygon], LinePointWord::PolygonMark)
            << "the polygon mark in its own word, not the route speed's";

    lineId = 0;
    ASSERT_TRUE(AddSarObject(DrawnLineKind + SarKindOffset, 1, At(57, 11)));
    ASSERT_TRUE(AddSarObject(DrawnLineKind + SarKindOffset, 2, At(57.1, 11)));
    ASSERT_NE(lineId, drawn);
    EXPECT_EQ(FixedText(StoredObject(lineId)->name), "S.A.R.");
    EXPECT_EQ(int32_t{StoredObject(lineId)->longitude}, StoredFromDegrees(11) + 1) << "the same start as the other line";
    for (const PointRecord& point : PointsOf(lineId))
        EXPECT_EQ(point.attributes[LinePointWord::Polygon], 0) << "a search pattern is no area";

    EXPECT_FALSE(AddSarObject(DrawnLineKind, 0, At(57, 11)));
    EXPECT_FALSE(AddSarObject(DrawnLineKind, MaxPointSequence + 1, At(57, 11)));
}

// A track of five points cut at its first, a middle and its last point.
TEST_F(DrawnPointsTest, ATrackCutInTwoKeepsEveryPointWithAnObject)
{
    const struct {
        int32_t pickedIndex;
        std::vector<int> oldPoints;  // sequences left
        int newPoints;
    } cases[] = {{0, {1}, 4}, {2, {1, 2, 3}, 2}, {4, {1, 2, 3, 4, 5}, 0}};
    int32_t trackId = 5000;  // new objects take ids from 1001 on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "cut at index " << c.pickedIndex);
        IdRecord track;
        track.objectType = ObjectType::TRACK;
        track.id = ++trackId;
        track.latitude = StoredFromDegrees(57);
        track.longitude = StoredFromDegrees(11) + 100 * trackId;
        track.endLatitude = StoredFromDegrees(57.4);
        track.endLongitude = track.longitude;
        track.colour = 3;
        track.value = 240;
        track.pointCount = 5;
        SetFixedText(track.name, "Morning");
        ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(track)), Status::Ok);
        for (int n = 0; n < 5; ++n) {
            PointRecord point;
            point.id = track.id;
            point.sequence = uint16_t(n + 1);
            point.latitude = StoredFromDegrees(57 + n * 0.1);
            point.longitude = track.longitude;
            ASSERT_EQ(AddObjectPoint(point), PointStore::Added);
        }

        const std::optional<int32_t> added = SplitObjectAtPoint(track.id, c.pickedIndex);
        ASSERT_TRUE(added);
        const std::optional<IdRecord> old = StoredObject(track.id);
        const std::optional<IdRecord> cut = StoredObject(*added);
        ASSERT_TRUE(old && cut);
        const int32_t cutLatitude = StoredFromDegrees(57 + c.pickedIndex * 0.1);
        EXPECT_EQ(int32_t{old->endLatitude}, cutLatitude);
        EXPECT_EQ(int32_t{old->pointCount}, 0);
        EXPECT_EQ(int32_t{old->value}, 0);
        EXPECT_EQ(cut->objectType, ObjectType::TRACK);
        EXPECT_EQ(int32_t{cut->latitude}, cutLatitude);
        EXPECT_EQ(int32_t{cut->longitude}, track.longitude + (c.pickedIndex == 0 ? 1 : 0))
            << "a cut at the start moves the new object's start one unit east";
        EXPECT_EQ(int32_t{cut->endLatitude}, StoredFromDegrees(57.4));
        EXPECT_EQ(FixedText(cut->name), "Morning");

        std::vector<int> left;
        for (const PointRecord& point : PointsOf(track.id))
            left.push_back(point.sequence);
        EXPECT_EQ(left, c.oldPoints);
        const std::vector<PointRecord> moved = PointsOf(*added);
        ASSERT_EQ(int(moved.size()), c.newPoints);
        for (int n = 0; n < c.newPoints; ++n) {
            EXPECT_EQ(int{moved[size_t(n)].sequence}, n + 1);
            EXPECT_EQ(int32_t{moved[size_t(n)].latitude}, StoredFromDegrees(57 + (c.pickedIndex + 1 + n) * 0.1));
        }
    }
    EXPECT_EQ(countRecords(PointKey), 15) << "no point lost";
    EXPECT_FALSE(SplitObjectAtPoint(5001, 7)) << "no such point";
    EXPECT_FALSE(SplitObjectAtPoint(4711, 0)) << "no such object";
    EXPECT_TRUE(failures.empty());
}

}  // namespace
