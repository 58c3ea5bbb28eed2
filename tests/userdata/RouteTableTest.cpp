// The route table's capacity and its entries' names.

#include "RouteTestSupport.h"
#include "userdata/RouteLegs.h"

TEST_F(RouteTest, EntriesOwnTheirNames)
{
    WP_typ first = Waypoint(At(54, 10));
    first.setName("Skagen");
    WP_typ copy = first;
    first.setName("Hirtshals");
    EXPECT_EQ(copy.name(), "Skagen");

    copy = first;
    copy = copy;
    EXPECT_EQ(copy.name(), "Hirtshals");
    first.setName("");
    EXPECT_EQ(copy.name(), "Hirtshals");
    EXPECT_EQ(first.name(), "");

    ASSERT_TRUE(AppendRouteEntry(copy));
    ASSERT_TRUE(InsertRouteEntry(0, Waypoint(At(55, 11))));
    EXPECT_EQ(RouteTable[1].name(), "Hirtshals") << "moved with its entry";
    EXPECT_EQ(RouteTable[0].name(), "");
}

TEST_F(RouteTest, RouteOfFiveHundredWaypointsRefusesTheNext)
{
    for (int i = 0; i < MaxRouteWaypoints; ++i)
        ASSERT_TRUE(AppendRouteEntry(Waypoint(At(50 + i * 0.01, 3)))) << i;
    EXPECT_EQ(WaypointCount, 500);

    EXPECT_FALSE(AppendRouteEntry(Waypoint(At(60, 3))));
    EXPECT_FALSE(InsertRouteEntry(0, Waypoint(At(60, 3))));
    EXPECT_FALSE(InsertRouteEntry(250, Waypoint(At(60, 3))));
    EXPECT_EQ(WaypointCount, 500);
    const cmgbase::GeoPoint first = RouteTable[0].position;
    EXPECT_EQ(first, At(50, 3));
    const cmgbase::GeoPoint scratch = RouteTable[500].position;
    EXPECT_EQ(scratch, cmgbase::GeoPoint{});
}

TEST_F(RouteTest, OwnPositionFillsTheLastEntryOfAFullRoute)
{
    for (int i = 0; i < MaxRouteWaypoints; ++i)
        ASSERT_TRUE(AppendRouteEntry(Waypoint(At(50 + i * 0.01, 3))));

    ASSERT_TRUE(InsertOwnPosition(At(49.9, 3)));
    EXPECT_EQ(WaypointCount, MaxRouteEntries);
    EXPECT_EQ(OwnPositionInserted, 1);
    cmgbase::GeoPoint position = RouteTable[0].position;
    EXPECT_EQ(position, At(49.9, 3));
    position = RouteTable[500].position;
    EXPECT_EQ(position, At(50 + 499 * 0.01, 3));
    EXPECT_FALSE(RouteTable[0].isStoredPoint());
    EXPECT_FALSE(InsertOwnPosition(At(49.8, 3)));
    EXPECT_FALSE(AppendRouteEntry(Waypoint(At(60, 3))));

    // The scratch entry after the last waypoint is still inside the table.
    ComputeWaypointTurn(WaypointCount);
    ComputeWaypointTurn(WaypointCount - 1);

    RemoveOwnPosition();
    EXPECT_EQ(WaypointCount, MaxRouteWaypoints);
    EXPECT_EQ(OwnPositionInserted, 0);
    position = RouteTable[0].position;
    EXPECT_EQ(position, At(50, 3));
    position = RouteTable[500].position;
    EXPECT_EQ(position, cmgbase::GeoPoint{}) << "the entry left behind is emptied";
}

TEST_F(RouteTest, RemovedWaypointLeavesAnEmptyScratchEntry)
{
    for (int i = 0; i < 3; ++i) {
        WP_typ entry = Waypoint(At(54 + i, 10));
        entry.setName("wp" + std::to_string(i));
        ASSERT_TRUE(AppendRouteEntry(entry));
    }
    ASSERT_TRUE(RemoveRouteEntry(1));
    EXPECT_FALSE(RemoveRouteEntry(2));
    EXPECT_EQ(WaypointCount, 2);
    EXPECT_EQ(RouteTable[1].name(), "wp2");
    const cmgbase::GeoPoint scratch = RouteTable[2].position;
    EXPECT_EQ(scratch, cmgbase::GeoPoint{});
    EXPECT_EQ(RouteTable[2].name(), "");
}

TEST_F(RouteTest, ReceivedWaypointsGoNoFurtherThanTheLastWaypoint)
{
    EXPECT_TRUE(SetRouteEntryPosition(MaxRouteWaypoints - 1, At(1, 2)));
    EXPECT_FALSE(SetRouteEntryPosition(MaxRouteWaypoints, At(1, 2)));
    EXPECT_FALSE(SetRouteEntryPosition(-1, At(1, 2)));
    const cmgbase::GeoPoint received = RouteTable[MaxRouteWaypoints - 1].position;
    EXPECT_EQ(received, At(1, 2));
}

TEST_F(RouteTest, AReceivedRouteReplacesTheTableAndIsMarkedFromOutside)
{
    for (int i = 0; i < 3; ++i) {
        WP_typ entry = Waypoint(At(50 + i, 3));
        entry.setName("stored");
        entry.objectId = 7;
        ASSERT_TRUE(AppendRouteEntry(entry));
    }
    ASSERT_TRUE(InsertOwnPosition(At(49, 3)));
    RouteId = 7;

    const std::vector<cmgbase::GeoPoint> received{At(55, 11), At(56, 12)};
    TakeReceivedRoute(received);
    EXPECT_EQ(WaypointCount, 2);
    cmgbase::GeoPoint position = RouteTable[0].position;
    EXPECT_EQ(position, At(55, 11));
    position = RouteTable[1].position;
    EXPECT_EQ(position, At(56, 12));
    EXPECT_EQ(RouteTable[1].name(), "") << "nothing of the stored route is left";
    EXPECT_FALSE(RouteTable[1].isStoredPoint());
    position = RouteTable[2].position;
    EXPECT_EQ(position, cmgbase::GeoPoint{});
    EXPECT_EQ(OwnPositionInserted, 0);
    EXPECT_EQ(RouteId, RouteNotStored);
    EXPECT_EQ(RouteFromOutside, 1);

    // A longer one keeps the waypoints a route may have.
    TakeReceivedRoute(std::vector<cmgbase::GeoPoint>(MaxRouteWaypoints + 20, At(54, 10)));
    EXPECT_EQ(WaypointCount, MaxRouteWaypoints);

    ClearRouteTable();
    EXPECT_EQ(RouteFromOutside, 0);
}

TEST_F(RouteTest, NextActiveWaypointIsTheNextStopOrTheLastWaypoint)
{
    EXPECT_EQ(NextActiveWaypoint(), -1) << "no route";
    for (int i = 0; i < 5; ++i) {
        WP_typ entry = Waypoint(At(54 + i, 10));
        entry.stopMinutes = i == 2 ? 30 : (i == 1 ? -5 : 0);
        ASSERT_TRUE(AppendRouteEntry(entry));
    }
    const std::vector<std::pair<int32_t, int32_t>> cases{{0, 2}, {2, 2}, {3, 4}};
    for (const auto& [current, expected] : cases) {
        CurrentWaypoint = current;
        EXPECT_EQ(NextActiveWaypoint(), expected) << current;
    }
}
