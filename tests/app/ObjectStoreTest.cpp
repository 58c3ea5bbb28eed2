// The user-object store over the main view of a real chart database, on the data set the
// start-up opened: picks of each code at 5, 6 and 7 pixels, the repair of stale objects and the
// removal of objects nobody can see, and routes loaded into the table.

#include "ObjectStoreFixture.h"

#include "app/ObjectCodes.h"
#include "app/ObjectLoad.h"
#include "app/ObjectSweep.h"
#include "platform/geodesy/PositionComputation.h"
#include "userdata/DatabaseReports.h"

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace platform::isam;

// Each pick reaches a point 6 pixels away in x or y (the larger difference counts) and no
// further, and does what its code says: 201 shows the track, 202 makes the route current, 203
// selects the line, 301 and 303 delete the object with its points and texts, 402 picks the route
// table's waypoint, which must lie less than 6 pixels away.
TEST_F(ObjectStoreTest, EachPickReachesSixPixelsAndNoFurther)
{
    const struct {
        int32_t code;
        ObjectType type;
    } codes[] = {{201, ObjectType::TRACK}, {202, ObjectType::ROUTE}, {203, ObjectType::LINE},
                 {301, ObjectType::TRACK}, {303, ObjectType::LINE},  {402, ObjectType::ROUTE}};
    const struct {
        QPoint offset;
        bool hit;
    } offsets[] = {{{5, -3}, true}, {{-2, 5}, true}, {{6, 6}, true}, {{-6, 1}, true}, {{7, 0}, false}, {{3, -7}, false}};
    for (const auto& c : codes) {
        for (const auto& o : offsets) {
            SCOPED_TRACE(testing::Message() << c.code << " at " << o.offset.x() << "," << o.offset.y());
            ASSERT_EQ(ClearObjectFiles(), Status::Ok);
            resetObjectState();
            const int32_t id = 40;
            const auto points = pointsAt(id, {{200, 200}, {260, 200}, {260, 260}});
            StoreObject(StoredObject(c.type, id, 2, "Picked"), points);
            StoreText(id, 0, "its text");
            if (c.code == 402) {
                RouteId = id;
                RouteEditMode = RouteShown;
                ASSERT_EQ(LoadRouteIntoTable(id), 3);
                for (int32_t i = 0; i < 3; ++i)
                    RouteTable[size_t(i)].screenPoint = pixelOf(points[size_t(i)]);
            }
            const ScreenPoint middle = pixelOf(points[1]);
            CursorPixel = {middle.x + o.offset.x(), middle.y + o.offset.y()};

            EXPECT_EQ(SweepObjects(*form, c.code), o.hit);
            EXPECT_EQ(ObjectFound, o.hit);
            if (o.hit) {
                EXPECT_EQ(Value(FoundObjectRecord.id), id);
                EXPECT_EQ(FoundObjectPoint, 1);
            }
            switch (c.code) {
            case 201:
                EXPECT_EQ(IsSelectedTrack(id), o.hit);
                break;
            case 202:
                EXPECT_EQ(RouteId, o.hit ? id : 0);
                break;
            case 203:
                EXPECT_EQ(LineId, o.hit ? id : 0);
                break;
            case 301:
            case 303:
                EXPECT_EQ(AnythingLeftOf(c.type, id), !o.hit);
                break;
            case 402: {
                const bool nearer = std::max(std::abs(o.offset.x()), std::abs(o.offset.y())) < PickReach;
                EXPECT_EQ(PickedWaypoint, nearer ? 1 : -1);
                EXPECT_EQ(Value(IdShownBuffer.id), o.hit ? id : 0);
                break;
            }
            }
        }
    }
}

// The hover over a pick finds the object without acting on it.
TEST_F(ObjectStoreTest, TheHoverFindsWithoutPicking)
{
    const auto track = pointsAt(1001, {{100, 100}, {200, 100}});
    StoreObject(StoredObject(ObjectType::TRACK, 1001, 1, "Morning"), track);
    const auto route = pointsAt(7, {{100, 300}, {200, 300}});
    StoreObject(StoredObject(ObjectType::ROUTE, 7, 2, "Home"), route);
    CursorPixel = pixelOf(track[1]);
    const auto found = HoverObject(*form, ObjectType::TRACK);
    ASSERT_TRUE(found);
    EXPECT_EQ(FixedText(found->name), "Morning");
    EXPECT_FALSE(IsSelectedTrack(1001));
    CursorPixel = pixelOf(route[0]);
    EXPECT_TRUE(HoverObject(*form, ObjectType::ROUTE));
    EXPECT_EQ(RouteId, 0);
    CursorPixel = {400, 400};
    EXPECT_FALSE(HoverObject(*form, ObjectType::ROUTE));
}

// A symbol within reach is deleted with its text, or copied for editing; one a pick.
TEST_F(ObjectStoreTest, SymbolsArePickedByTheirPosition)
{
    for (const int32_t id : {20001, 20002}) {
        IdRecord symbol = StoredObject(ObjectType::SYMBOL, id, 1, "Buoy");
        const cmgbase::GeoPoint at = geoAt(300, 200);
        symbol.latitude = StoredFromChart(at.y);
        symbol.longitude = StoredFromChart(at.x);
        StoreObject(symbol);
        StoreText(id, 0, "text");
    }
    const ScreenPoint at = pixelOf(StoredPoint(0, 0, geoAt(300, 200)));
    CursorPixel = {at.x + 7, at.y};
    EXPECT_FALSE(SweepObjects(*form, 305));
    CursorPixel = {at.x + 6, at.y - 6};
    EXPECT_TRUE(SweepObjects(*form, 405));
    EXPECT_EQ(Value(IdShownBuffer.id), 20001);
    EXPECT_TRUE(SweepObjects(*form, 305));
    EXPECT_FALSE(AnythingLeftOf(ObjectType::SYMBOL, 20001));
    EXPECT_TRUE(Stored(ObjectType::SYMBOL, 20002)) << "one symbol a click";
}

// The sweep repairs only what it read to the end: with the point file gone nothing changes
// (the failed reads are reported); once it is back, the track of one point goes, the walk goes
// on after it and repairs the next track's count and length, and the track the filter hides,
// the one being recorded and one starting off the chart stay as they are.
TEST_F(ObjectStoreTest, TheSweepRepairsOnlyWhatItReadWhole)
{
    SetupParameters.TrackFilterColours = 0x01;
    const auto single = pointsAt(1001, {{100, 100}});
    StoreObject(StoredObject(ObjectType::TRACK, 1001, 1), single);
    const auto hidden = pointsAt(1002, {{100, 150}});
    StoreObject(StoredObject(ObjectType::TRACK, 1002, 2), hidden);
    const auto stale = pointsAt(1003, {{100, 200}, {300, 200}, {300, 300}});
    StoreObject(StoredObject(ObjectType::TRACK, 1003, 1), stale);
    const auto recorded = pointsAt(1004, {{100, 400}});
    StoreObject(StoredObject(ObjectType::TRACK, 1004, 1), recorded);
    IdRecord kept = StoredObject(ObjectType::TRACK, 1005, 1);
    kept.pointCount = 2;
    kept.value = 5;
    StoreObject(kept, pointsAt(1005, {{400, 100}, {450, 100}}));
    const cmgbase::GeoPoint farEast{cmgbase::deg2nrm(90.9), cmgbase::deg2nrm(-32.5)};  // 30 degrees off the chart
    StoreObject(StoredObject(ObjectType::TRACK, 1006, 1), std::vector{StoredPoint(1006, 1, farEast)});
    DatabaseTrackId = 1004;

    const int failures = RecordFailureCount();
    ASSERT_EQ(UserIsam.closeFileSet(PointFile), Status::Ok);
    SweepObjects(*form, PlainSweep(ObjectType::TRACK));
    EXPECT_GT(RecordFailureCount(), failures);
    for (const int32_t id : {1001, 1002, 1003, 1004, 1005})
        EXPECT_TRUE(Stored(ObjectType::TRACK, id)) << id;
    EXPECT_EQ(Value(StoredRecord(ObjectType::TRACK, 1003).pointCount), 0);

    ASSERT_TRUE(OpenUserDatabase());
    const IdRecord keptBefore = StoredRecord(ObjectType::TRACK, 1005);
    SweepObjects(*form, PlainSweep(ObjectType::TRACK));
    EXPECT_FALSE(AnythingLeftOf(ObjectType::TRACK, 1001));
    EXPECT_TRUE(Stored(ObjectType::TRACK, 1002));
    EXPECT_TRUE(Stored(ObjectType::TRACK, 1004));
    EXPECT_TRUE(Stored(ObjectType::TRACK, 1006)) << "not walked below level 17";
    const IdRecord repaired = StoredRecord(ObjectType::TRACK, 1003);
    EXPECT_EQ(Value(repaired.pointCount), 3);
    double length = 0;
    for (size_t i = 1; i < stale.size(); ++i) {
        double leg = 0;
        cmgbase::InvPosComputation(cmgbase::GeoPoint{ChartFromStored(stale[i - 1].longitude),
                                                     ChartFromStored(stale[i - 1].latitude)},
                                   cmgbase::GeoPoint{ChartFromStored(stale[i].longitude), ChartFromStored(stale[i].latitude)},
                                   &leg, nullptr, 0);
        length += leg;
    }
    EXPECT_NEAR(Value(repaired.value), length * 10.0, 1.0);
    const IdRecord keptAfter = StoredRecord(ObjectType::TRACK, 1005);
    EXPECT_EQ(std::memcmp(&keptBefore, &keptAfter, sizeof keptBefore), 0);
    EXPECT_TRUE(boxes.shown.empty()) << "no message for these";
}

// Objects of colour 0 are deleted with their points and texts, and the sweep that removed them
// says how many in a warning box.
TEST_F(ObjectStoreTest, ObjectsOfColourZeroAreRemovedWithTheirMessage)
{
    for (const int32_t id : {1001, 1002}) {
        StoreObject(StoredObject(ObjectType::TRACK, id, 0), pointsAt(id, {{100, 100 + id % 10 * 20}, {200, 100}}));
        StoreText(id, 0, "invisible");
    }
    StoreObject(StoredObject(ObjectType::TRACK, 1003, 1), pointsAt(1003, {{100, 300}, {200, 300}}));
    StoreObject(StoredObject(ObjectType::LINE, 10001, 0), pointsAt(10001, {{300, 100}, {400, 100}}));
    paintOverBlank();
    EXPECT_FALSE(AnythingLeftOf(ObjectType::TRACK, 1001));
    EXPECT_FALSE(AnythingLeftOf(ObjectType::TRACK, 1002));
    EXPECT_FALSE(AnythingLeftOf(ObjectType::LINE, 10001));
    EXPECT_TRUE(Stored(ObjectType::TRACK, 1003));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "2 invicible objects removed");
    EXPECT_EQ(boxes.shown[1].text, "1 invicible objects removed");
    for (const platform::MessageBoxRequest& box : boxes.shown) {
        EXPECT_EQ(box.caption, "Database");
        EXPECT_EQ(box.icon, platform::MsgIcon::Exclamation);
        EXPECT_TRUE(box.taskModal);
        EXPECT_TRUE(box.topMost);
    }
    boxes.shown.clear();
    paintOverBlank();
    EXPECT_TRUE(boxes.shown.empty());
}

// The route chosen to be loaded is read in as the overlay next draws it, its great-circle leg
// divided into the steps that the 500 entries leave room for, and the table is drawn.
TEST_F(ObjectStoreTest, ALoadRequestedReadsTheGreatCircleRouteWithItsStepsInsideFiveHundred)
{
    std::vector<PointRecord> points = pointsAt(9, {{100, 100}});
    points[0].attributes[RoutePointWord::LegKind] = GreatCircleLeg;
    cmgbase::GeoPoint far{};
    cmgbase::DirPosComputation(geoAt(100, 100), &far, 0.0, 1200.0, 0);
    for (int i = 0; i < 497; ++i) {
        cmgbase::GeoPoint next{};
        cmgbase::DirPosComputation(far, &next, 0.0, 0.01 * i, 0);
        points.push_back(StoredPoint(9, uint16_t(points.size() + 1), next));
    }
    StoreObject(StoredObject(ObjectType::ROUTE, 9, 2, "Far"), points);
    RouteId = 9;
    RouteEditMode = RouteShown;
    RouteLoadRequest = 1;
    paintOverBlank();
    EXPECT_EQ(RouteLoadRequest, 0);
    EXPECT_EQ(GreatCircleRouteLoaded, 1);
    ASSERT_EQ(WaypointCount, MaxRouteWaypoints);
    EXPECT_EQ(Value(RouteTable[1].legKind), LoadedGreatCircleStep);
    EXPECT_EQ(Value(RouteTable[2].legKind), LoadedGreatCircleStep);
    EXPECT_EQ(Value(RouteTable[3].sequence), 2);
    EXPECT_EQ(Value(RouteTable[499].sequence), 498);
    const ScreenPoint first = pixelOf(points[0]);
    EXPECT_EQ(Value(RouteTable[0].screenPoint.x), first.x);

    paintOverBlank();
    EXPECT_EQ(WaypointCount, MaxRouteWaypoints) << "loaded once";
}

// A route loaded reversed (502) lists its last stored point first; the leg stays one, as an
// edit's reload leaves it.
TEST_F(ObjectStoreTest, AReversedRouteListsItsLastPointFirst)
{
    auto points = pointsAt(9, {{100, 100}, {200, 100}, {300, 150}});
    points[0].attributes[RoutePointWord::Speed] = 80;
    points[1].attributes[RoutePointWord::Speed] = 90;
    StoreObject(StoredObject(ObjectType::ROUTE, 9, 2, "Back"), points);
    RouteForward = 0;
    LoadObject(*form, RouteLoadCode, 9);
    ASSERT_EQ(WaypointCount, 3);
    EXPECT_EQ(Value(RouteTable[0].sequence), 3);
    EXPECT_EQ(Value(RouteTable[0].speed), 90);
    EXPECT_EQ(Value(RouteTable[1].speed), 80);
    EXPECT_EQ(Value(RouteTable[2].sequence), 1);
    EXPECT_EQ(Value(RouteTable[0].pointFlag), 0);
    const ScreenPoint last = pixelOf(points[2]);
    EXPECT_EQ(Value(RouteTable[0].screenPoint.y), last.y);
}

// The dialog's list is filled by the next drawing sweep of its type, which then marks it filled.
TEST_F(ObjectStoreTest, TheSweepOfTheListedTypeMarksTheListFilled)
{
    StoreObject(StoredObject(ObjectType::ROUTE, 9, 2, "Home"), pointsAt(9, {{100, 100}, {200, 100}}));
    ObjectSelectionMode = 2;
    SweepObjects(*form, PlainSweep(ObjectType::TRACK));
    EXPECT_EQ(ObjectSelectionMode, 2);
    SweepObjects(*form, 202);
    EXPECT_EQ(ObjectSelectionMode, 2) << "a pick lists nothing";
    SweepObjects(*form, PickSweep(ObjectType::ROUTE));
    EXPECT_EQ(ObjectSelectionMode, 102);
}
