// Edited grid cells written into a real user database and read back into the route table.

#include "RouteDatabaseFixture.h"
#include "StoredRoute.h"
#include "platform/system/TextCodec.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteStore.h"
#include "userdata/StoredPosition.h"
#include "userdata/TWpDlg.h"

#include <cstring>
#include <ctime>
#include <string>
#include <vector>

using namespace platform::isam;

namespace {

constexpr int32_t Route = 12;

class RouteStoreTest : public RouteDatabaseTest {
protected:
    static void storeRoute(const std::vector<StoredWaypoint>& waypoints)
    {
        StoreRoute(Route, waypoints);
    }

    static void loadRoute(bool forward)
    {
        ClearRouteTable();
        RouteId = Route;
        RouteForward = forward ? 1 : 0;
        ASSERT_EQ(LoadRouteIntoTable(Route), int32_t(Kattegat.size()));
        RouteEditMode = RouteEditing;
    }

    void commit(int row, int column, const std::string& text)
    {
        dialog.editRow = row;
        dialog.editColumn = column;
        dialog.editText = platform::FromCp1252(text);
        dialog.editPending = true;
        StoreRouteToDatabase(dialog);
    }

    // Every point record of the route, as bytes, and every text.
    static std::vector<std::string> storedRecords()
    {
        std::vector<std::string> records;
        for (const UserKey key : {PointKey, InfoKey}) {
            std::vector<std::byte> buffer(sizeof(InfoRecord));
            for (Status s = UserIsam.readFirst(key, buffer); s == Status::Ok;
                 s = UserIsam.readNext(key, buffer)) {
                const auto length = UserIsam.currentRecordLength(key == PointKey ? PointFile
                                                                                 : InfoFile);
                records.emplace_back(reinterpret_cast<const char*>(buffer.data()), length);
            }
        }
        return records;
    }

    static PointRecord storedPoint(uint16_t sequence)
    {
        PointRecord point;
        point.id = Route;
        point.sequence = sequence;
        EXPECT_EQ(UserIsam.readEqual(PointKey, UserKeyValue(PointKey, bytesOf(point)),
                                     bytesOf(point)),
                  Status::Ok)
            << sequence;
        return point;
    }

    std::string cell(int row, int column) const
    {
        const QTableWidgetItem* item = dialog.Grid->item(row, column);
        return item ? platform::ToCp1252(item->text()) : "";
    }

    TWpDlg dialog;
};

// What a waypoint of the table holds that the database keeps.
struct Kept {
    cmgbase::GeoPoint position;
    uint16_t speed, lane, radius;
    int16_t stop;
    uint8_t legKind, danger;
    std::string name;
    uint32_t objectId;
    uint16_t sequence;
    bool operator==(const Kept&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Kept& k)
{
    return out << k.sequence << ": " << k.position.y << " " << k.position.x << " speed "
               << k.speed << " lane " << k.lane << " radius " << k.radius << " stop " << k.stop
               << " kind " << int(k.legKind) << " danger " << int(k.danger) << " '" << k.name
               << "'";
}

std::vector<Kept> TableKept()
{
    std::vector<Kept> kept;
    for (int32_t i = 0; i < WaypointCount; ++i) {
        const WP_typ& e = RouteTable[size_t(i)];
        kept.push_back({e.position, e.speed, e.lane, e.turnRadius, e.stopMinutes, e.legKind,
                        e.dangerFlags, e.name(), e.objectId, e.sequence});
    }
    return kept;
}

}  // namespace

TEST_F(RouteStoreTest, EditedRouteComesBackFromTheDatabase)
{
    storeRoute(Kattegat);
    for (const bool forward : {true, false}) {
        SCOPED_TRACE(forward ? "forward" : "reversed");
        loadRoute(forward);
        commit(1, ColLatitude, " 57\xB0 25.250' N");
        commit(1, ColLongitude, "011\xB0 31.500' E");
        commit(0, ColSpeed, "12.5 kt");
        commit(2, ColLane, "0.30 Nm");
        commit(3, ColRadius, "0.75 Nm");
        commit(2, ColStop, "45 m.");
        commit(3, ColName, forward ? "Fladen" : "Fladen R");
        commit(0, ColName, "Start");
        commit(4, ColName, "");
        RouteTable[1].legKind = GreatCircleLeg;  // toggled in the grid, committed like an edit
        commit(1, ColLegKind, "");

        const cmgbase::GeoPoint moved = RouteTable[1].position;
        EXPECT_EQ(StoredFromChart(moved.y), (57 * 60 + 25) * 10000 + 2500 + 5);
        EXPECT_EQ(int{RouteTable[0].speed}, 125);
        EXPECT_EQ(RouteTable[4].name(), "");

        const std::vector<Kept> edited = TableKept();
        loadRoute(forward);
        EXPECT_EQ(TableKept(), edited);
    }
}

TEST_F(RouteStoreTest, ALoadedRouteIsNoLongerARouteFromOutside)
{
    storeRoute(Kattegat);
    TakeReceivedRoute(std::vector<cmgbase::GeoPoint>{At(57, 11)});
    ASSERT_EQ(RouteFromOutside, 1);
    EXPECT_EQ(LoadRouteIntoTable(Route), int32_t(Kattegat.size()));
    EXPECT_EQ(RouteFromOutside, 0);
}

// A table with the own position inserted and a great-circle leg divided into steps: each edit
// goes into the waypoint's own stored point, and entries that are no stored point change the
// table only.
TEST_F(RouteStoreTest, EditsGoToTheWaypointsOwnPointAndNeverToAStep)
{
    storeRoute(Kattegat);
    loadRoute(true);
    WP_typ step = RouteTable[0];
    step.position = At(57.55, 11.65);
    step.legKind = LoadedGreatCircleStep;
    step.setName("");
    ASSERT_TRUE(InsertRouteEntry(1, step));
    ASSERT_TRUE(InsertOwnPosition(At(57.8, 11.9)));
    // own, Vinga (1), step, 2, Anholt N (3), 4, Grenaa (5)
    const auto before = storedRecords();

    commit(0, ColSpeed, "8");
    commit(2, ColSpeed, "9");
    commit(2, ColName, "Step");
    commit(0, ColLatitude, " 57\xB0 50.000' N");
    EXPECT_EQ(storedRecords(), before) << "nothing of the own position or the step is stored";
    EXPECT_EQ(int{RouteTable[2].speed}, 90);

    commit(6, ColSpeed, "7");
    commit(4, ColName, "Anholt");
    commit(3, ColStop, "5");
    EXPECT_EQ(int{storedPoint(5).attributes[RoutePointWord::Speed]}, 70);
    EXPECT_EQ(int{storedPoint(2).attributes[RoutePointWord::StopMinutes]}, 5);
    EXPECT_EQ(int{storedPoint(1).attributes[RoutePointWord::Speed]}, 120) << "Vinga unchanged";
    ClearRouteTable();
    OwnPositionInserted = 0;
    ASSERT_EQ(LoadRouteIntoTable(Route), 5);
    EXPECT_EQ(RouteTable[2].name(), "Anholt");
    EXPECT_EQ(RouteTable[0].name(), "Vinga");
}

TEST_F(RouteStoreTest, RefusedTextsChangeNothingAndShowTheOldValueAgain)
{
    storeRoute(Kattegat);
    loadRoute(true);
    std::tm now{};
    now.tm_year = 124;
    now.tm_mon = 1;  // February 2024
    now.tm_mday = 10;
    ClockSeconds = timegm(&now);
    RecalcRouteTable(dialog);
    const auto records = storedRecords();
    const auto table = TableKept();

    struct Case {
        int column;
        std::string text;
    };
    const std::vector<Case> cases{
        {ColLatitude, " 99\xB0 00.000' N"}, {ColLatitude, " 57\xB0 75.000' N"},
        {ColLongitude, "181\xB0 00.000' E"}, {ColSpeed, "-3 kt"},
        {ColSpeed, "7000"},                  {ColLane, "700 Nm"},
        {ColRadius, "x"},                    {ColStop, "-5 m."},
        {ColEta, "30.  10:00"},              {ColEta, "10.  25:00"},
    };
    for (const Case& c : cases) {
        const std::string shown = cell(2, c.column);
        commit(2, c.column, c.text);
        EXPECT_EQ(cell(2, c.column), shown) << c.text;
        EXPECT_EQ(dialog.EtaReferenceRow, -1) << c.text;
    }
    EXPECT_EQ(storedRecords(), records);
    EXPECT_EQ(TableKept(), table);

    commit(2, ColEta, "29.  10:00");
    EXPECT_EQ(dialog.EtaReferenceRow, 2);
    EXPECT_EQ(cell(2, ColEta), "29.  10:00");
    commit(2, ColEta, "00.  00:00");
    EXPECT_EQ(dialog.EtaReferenceRow, -1);
}

TEST_F(RouteStoreTest, DefaultsGoToTheFirstStoredPointWhicheverWayTheTableRuns)
{
    storeRoute(Kattegat);
    loadRoute(false);
    ASSERT_TRUE(InsertOwnPosition(At(56.4, 10.9)));
    const PointRecord last = storedPoint(5);
    SetupParameters.DefaultTurnRadius = 80;
    SetupParameters.DefaultLane = 25;
    SetupParameters.DefaultRouteSpeed = 120;
    SetupParameters.SafetyContour = 9;
    dialog.defaultsChanged = true;

    RecalcRouteTable(dialog);

    const PointRecord first = storedPoint(1);
    EXPECT_EQ(int{first.attributes[RoutePointWord::TurnRadius]}, 80);
    EXPECT_EQ(int{first.attributes[RoutePointWord::DefaultLane]}, 25);
    EXPECT_EQ(int{first.attributes[RoutePointWord::DefaultSpeed]}, 120);
    EXPECT_EQ(int{first.attributes[RoutePointWord::SafetyDepth]}, 9);
    const PointRecord lastAfter = storedPoint(5);
    EXPECT_EQ(std::memcmp(&last, &lastAfter, sizeof last), 0);
    EXPECT_FALSE(dialog.defaultsChanged);

    SetupParameters.DefaultTurnRadius = 1;
    SetupParameters.DefaultLane = 1;
    SetupParameters.DefaultRouteSpeed = 1;
    OwnPositionInserted = 0;
    loadRoute(true);
    const int16_t radius = SetupParameters.DefaultTurnRadius;
    const int16_t lane = SetupParameters.DefaultLane;
    const int16_t speed = SetupParameters.DefaultRouteSpeed;
    EXPECT_EQ(radius, 80);
    EXPECT_EQ(lane, 25);
    EXPECT_EQ(speed, 120);
}

TEST_F(RouteStoreTest, TemporaryChangesStayInTheTable)
{
    storeRoute(Kattegat);
    loadRoute(true);
    SetupParameters.RouteChangesTemporary = 1;
    const auto records = storedRecords();
    commit(1, ColSpeed, "3");
    commit(1, ColName, "Temporary");
    commit(1, ColLatitude, " 57\xB0 30.000' N");
    EXPECT_EQ(storedRecords(), records);
    EXPECT_EQ(int{RouteTable[1].speed}, 30);
    EXPECT_EQ(RouteTable[1].name(), "Temporary");
}

// A position typed into the row after the last drawn point adds a point, as a click would,
// until the route has as many waypoints as a route can have.
TEST_F(RouteStoreTest, TypedPointWhileDrawingIsAddedUntilTheRouteIsFull)
{
    std::vector<cmgbase::GeoPoint> added;
    RouteHook.addDrawnRoutePoint = [&added](const cmgbase::GeoPoint& point) {
        added.push_back(point);
        return true;
    };
    RouteId = Route;
    RouteEditMode = RouteDrawing;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(AppendRouteEntry(Waypoint(At(57 + i * 0.1, 11))));
    commit(3, ColLatitude, " 57\xB0 30.000' N");
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0].y, ChartFromStored(57 * 600000 + 30 * 10000 + 5));

    while (WaypointCount < MaxRouteWaypoints)
        ASSERT_TRUE(AppendRouteEntry(Waypoint(At(57, 11))));
    commit(MaxRouteWaypoints, ColLatitude, " 58\xB0 00.000' N");
    EXPECT_EQ(added.size(), 1u);
    EXPECT_EQ(WaypointCount, MaxRouteWaypoints);
}

TEST_F(RouteStoreTest, LongerStoredRouteLoadsItsFirstFiveHundredPoints)
{
    std::vector<StoredWaypoint> long_route;
    for (int i = 0; i < MaxRouteWaypoints + 1; ++i)
        long_route.push_back({50 + i * 0.01, 3, 0, 0, 0, 0, 0, 0, ""});
    storeRoute(long_route);
    RouteForward = 1;
    EXPECT_EQ(LoadRouteIntoTable(Route), MaxRouteWaypoints);
    EXPECT_EQ(WaypointCount, MaxRouteWaypoints);
    EXPECT_EQ(int{RouteTable[MaxRouteWaypoints - 1].sequence}, MaxRouteWaypoints);
    const cmgbase::GeoPoint scratch = RouteTable[MaxRouteWaypoints].position;
    EXPECT_EQ(scratch, cmgbase::GeoPoint{});
}
