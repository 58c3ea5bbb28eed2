// Points inserted into and deleted from stored lines and routes on a real user database: the
// renumbering, the names moving with their points, and the route table kept in step.

#include "RouteDatabaseFixture.h"
#include "StoredRoute.h"
#include "userdata/InfoTexts.h"
#include "userdata/ObjectPointEdits.h"
#include "userdata/ObjectPoints.h"
#include "userdata/StoredPosition.h"

#include <map>
#include <string>
#include <vector>

using namespace platform::isam;

namespace {

constexpr int32_t Route = 12;
constexpr int32_t Line = 40;

class ObjectPointEditsTest : public RouteDatabaseTest {
protected:
    static void loadRoute(bool forward)
    {
        ClearRouteTable();
        RouteId = Route;
        RouteForward = forward ? 1 : 0;
        RouteEditMode = RouteEditing;
        ASSERT_GT(LoadRouteIntoTable(Route), 0);
    }

    // The stored latitudes by sequence; the sequences must run 1, 2, 3, ...
    static std::vector<int32_t> latitudes(int32_t id)
    {
        std::vector<PointRecord> points;
        EXPECT_TRUE(ReadObjectPoints(id, points));
        std::vector<int32_t> result;
        for (const PointRecord& point : points) {
            EXPECT_EQ(int{point.sequence}, int(result.size()) + 1) << "a gap or a repeat";
            const int32_t latitude = point.latitude;
            result.push_back(latitude);
        }
        return result;
    }

    static std::map<int, std::string> names(int32_t id, int last)
    {
        std::map<int, std::string> found;
        for (int kind = 0; kind <= last; ++kind)
            if (const auto text = ReadObjectText(id, uint16_t(kind)))
                found[kind] = *text;
        return found;
    }

    // Position, name and stored point of each table entry.
    struct Entry {
        cmgbase::GeoPoint position;
        std::string name;
        uint16_t sequence;
        uint16_t speed, lane;
        uint8_t legKind;
        bool operator==(const Entry&) const = default;
    };
    static std::vector<Entry> table(bool legs)
    {
        std::vector<Entry> entries;
        for (int32_t i = 0; i < WaypointCount; ++i) {
            const WP_typ& e = RouteTable[size_t(i)];
            entries.push_back({e.position, e.name(), e.sequence, legs ? e.speed : uint16_t(0),
                               legs ? e.lane : uint16_t(0), legs ? e.legKind : uint8_t(0)});
        }
        return entries;
    }

    // The table as the database gives it back.
    static std::vector<Entry> reloaded(bool forward, bool legs)
    {
        loadRoute(forward);
        return table(legs);
    }
};

int32_t Lat(double degrees)
{
    return cmgbase::round(degrees * PositionUnitsPerDegree);
}

}  // namespace

TEST_F(ObjectPointEditsTest, InfoRecordsAreRekeyedReplacedOrDeleted)
{
    const std::string longName(InfoTextMaximum, 'x');
    WriteObjectText(Route, 2, longName);
    WriteObjectText(Route, 3, "old");
    MoveInfoRecord(Route, 2, 3);
    EXPECT_EQ(names(Route, 5), (std::map<int, std::string>{{3, longName}}));
    MoveInfoRecord(Route, 7, 4);  // none there: nothing happens
    EXPECT_EQ(names(Route, 5).size(), 1u);
    MoveInfoRecord(Route, 3, -1);
    EXPECT_TRUE(names(Route, 5).empty());
    EXPECT_TRUE(failures.empty());
}

// A line longer than a thousand points: the insert begins at its true last point, so no point
// is overwritten and every name moves with its point.
TEST_F(ObjectPointEditsTest, LongLineInsertAndDeleteRenumberEveryPoint)
{
    constexpr int Points = 1003;
    std::vector<StoredWaypoint> line;
    std::vector<int32_t> expected;
    for (int i = 0; i < Points; ++i) {
        line.push_back({50 + i * 0.001, 3, 0, 0, 0, 0, 0, 0, i == 2 || i == Points - 1 ? "n" + std::to_string(i) : ""});
        expected.push_back(Lat(50 + i * 0.001));
    }
    StoreRoute(Line, line);

    ASSERT_TRUE(UpdateObjectPoints(Line, 2, true, At(49, 3)));
    expected.insert(expected.begin() + 2, Lat(49));
    EXPECT_EQ(latitudes(Line), expected);
    EXPECT_EQ(names(Line, Points + 1),
              (std::map<int, std::string>{{4, "n2"}, {Points + 1, "n" + std::to_string(Points - 1)}}));

    ASSERT_TRUE(UpdateObjectPoints(Line, 1, false, {}));  // the first point
    expected.erase(expected.begin());
    EXPECT_EQ(latitudes(Line), expected);
    EXPECT_EQ(names(Line, Points + 1),
              (std::map<int, std::string>{{3, "n2"}, {Points, "n" + std::to_string(Points - 1)}}));

    EXPECT_FALSE(UpdateObjectPoints(Line, Points + 5, false, {}));
    EXPECT_FALSE(UpdateObjectPoints(Line, Points + 5, true, At(1, 1)));
    EXPECT_EQ(latitudes(Line), expected);
    EXPECT_TRUE(failures.empty());
}

// Whichever way the table runs, the new waypoint is stored between the stored points of its
// two neighbours, and the table is what loading the route again gives.
TEST_F(ObjectPointEditsTest, InsertedWaypointLiesBetweenItsNeighboursStoredPoints)
{
    for (const bool forward : {true, false}) {
        SCOPED_TRACE(forward ? "forward" : "reversed");
        ClearObjectFiles();
        StoreRoute(Route, Kattegat);
        loadRoute(forward);
        CurrentWaypoint = 3;
        NextStopWaypoint = forward ? 2 : 3;
        const cmgbase::GeoPoint between = At(57.25, 11.6);

        ASSERT_TRUE(UpdateObjectPoints(Route, 2, true, between));  // between entries 1 and 2
        EXPECT_EQ(WaypointCount, 6);
        EXPECT_EQ(CurrentWaypoint, 4) << "the same waypoint is steered to";
        EXPECT_EQ(NextStopWaypoint, forward ? 3 : 4) << "the stop keeps its waypoint";
        const cmgbase::GeoPoint inserted = RouteTable[2].position;
        EXPECT_EQ(StoredFromChart(inserted.y), StoredFromChart(between.y));
        EXPECT_EQ(StoredFromChart(inserted.x), StoredFromChart(between.x));
        const uint16_t sequence = forward ? 3 : 4;
        EXPECT_EQ(RouteTable[2].sequence, sequence);
        EXPECT_EQ(latitudes(Route)[size_t(sequence - 1)], StoredFromChart(between.y));
        EXPECT_EQ(names(Route, 7), (std::map<int, std::string>{{1, "Vinga"}, {forward ? 4 : 3, "Anholt N"}, {6, "Grenaa"}}));

        const auto edited = table(true);
        EXPECT_EQ(reloaded(forward, true), edited);
    }
    EXPECT_TRUE(failures.empty());
}

TEST_F(ObjectPointEditsTest, DeletedWaypointTakesItsNameAndTheLaterPointsMoveDown)
{
    for (const bool forward : {true, false}) {
        SCOPED_TRACE(forward ? "forward" : "reversed");
        ClearObjectFiles();
        StoreRoute(Route, Kattegat);
        loadRoute(forward);
        CurrentWaypoint = 1;
        const int32_t deleted = 2;  // Anholt N either way
        ASSERT_EQ(RouteTable[size_t(deleted)].name(), "Anholt N");
        ASSERT_TRUE(UpdateObjectPoints(Route, deleted + 1, false, {}));
        EXPECT_EQ(WaypointCount, 4);
        EXPECT_EQ(CurrentWaypoint, 1);
        EXPECT_EQ(names(Route, 6), (std::map<int, std::string>{{1, "Vinga"}, {4, "Grenaa"}}));
        EXPECT_EQ(latitudes(Route), (std::vector<int32_t>{Lat(57.7), Lat(57.4), Lat(56.8), Lat(56.5)}));
        const auto edited = table(false);
        EXPECT_EQ(reloaded(forward, false), edited);
    }
    EXPECT_TRUE(failures.empty());
}

// Entries that are no stored point of the route next to the insert or delete refuse it.
TEST_F(ObjectPointEditsTest, EditsNextToEntriesOfNoStoredPointAreRefused)
{
    StoreRoute(Route, Kattegat);
    loadRoute(true);
    WP_typ step = RouteTable[3];
    step.legKind = LoadedGreatCircleStep;
    ASSERT_TRUE(InsertRouteEntry(4, step));
    ASSERT_TRUE(InsertOwnPosition(At(57.9, 12.0)));
    // own, Vinga, 2, Anholt N, 4, step, Grenaa
    const auto before = latitudes(Route);
    for (const auto& [n, insert] : std::vector<std::pair<int, bool>>{
             {1, false}, {1, true}, {6, false}, {6, true}, {0, true}, {8, false}, {7, true}}) {
        EXPECT_FALSE(UpdateObjectPoints(Route, n, insert, At(57, 11))) << n << insert;
        EXPECT_EQ(WaypointCount, 7);
    }
    EXPECT_EQ(latitudes(Route), before);
}

TEST_F(ObjectPointEditsTest, RouteOfFiveHundredWaypointsTakesNoMore)
{
    std::vector<StoredWaypoint> full;
    for (int i = 0; i < MaxRouteWaypoints; ++i)
        full.push_back({50 + i * 0.01, 3, 0, 0, 0, 0, 0, 0, ""});
    StoreRoute(Route, full);
    loadRoute(true);
    EXPECT_FALSE(UpdateObjectPoints(Route, 10, true, At(50.095, 3)));
    EXPECT_EQ(WaypointCount, MaxRouteWaypoints);
    EXPECT_EQ(latitudes(Route).size(), size_t(MaxRouteWaypoints));

    ASSERT_TRUE(UpdateObjectPoints(Route, 10, false, {}));
    EXPECT_TRUE(UpdateObjectPoints(Route, 10, true, At(50.095, 3)));
    EXPECT_EQ(latitudes(Route).size(), size_t(MaxRouteWaypoints));
}
