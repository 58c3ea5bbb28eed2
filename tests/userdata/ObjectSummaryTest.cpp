// The information dialog's caption and summary of each kind of object, read from a real user
// database and the route table, as exact texts.

#include "RouteTestSupport.h"
#include "TimeZone.h"
#include "UserDatabaseFixture.h"
#include "userdata/ObjectSummary.h"
#include "userdata/StoredPosition.h"

#include <cmath>
#include <numbers>
#include <string>

using namespace platform::isam;

namespace {

constexpr uint32_t Thursday = 1709820300;  // 7 March 2024 14:05 UTC
constexpr int32_t Latitude = 54 * 600000 + 30 * 10000;   // 54 30.000 N
constexpr int32_t Longitude = 10 * 600000 + 5 * 10000;   // 10 05.000 E
const std::string Position = " 54\xB0 30.000' N   10\xB0 05.000' E";
const std::string Date = "  07 / 03 - 2024  14:05";

IdRecord Record(ObjectType type, int32_t id, uint16_t value = 0, uint16_t points = 0)
{
    IdRecord record;
    record.objectType = type;
    record.id = id;
    record.latitude = record.endLatitude = Latitude;
    record.longitude = record.endLongitude = Longitude;
    record.time = Thursday;
    record.value = value;
    record.pointCount = points;
    return record;
}

// The object with its second reference position `distance` nm from the first on `bearing`.
IdRecord Spanning(ObjectType type, int32_t id, double bearing, double distance)
{
    IdRecord record = Record(type, id);
    const cmgbase::GeoPoint end =
        Ahead({ChartFromStored(Longitude), ChartFromStored(Latitude)}, bearing, distance);
    record.endLatitude = StoredFromChart(end.y);
    record.endLongitude = StoredFromChart(end.x);
    return record;
}

class ObjectSummaryTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        open();
        ResetRouteState();
        SetupParameters.DepthFactor = 1.0f;
    }
    void TearDown() override
    {
        ResetRouteState();
        SetupParameters.TrackRing = {};
        SetupParameters.TrackLength = 0;
        UserDatabaseTest::TearDown();
    }

    // Route 3 in the table: three waypoints at the test's position, their legs 2.5, 1.5 and 0 nm.
    static void LoadRoute(uint8_t pointFlag)
    {
        RouteId = 3;
        const cmgbase::GeoPoint position{ChartFromStored(Longitude), ChartFromStored(Latitude)};
        const float legs[] = {2.5f, 1.5f, 0.0f};
        const uint16_t lanes[] = {25, 0, 0};
        for (uint16_t i = 0; i < 3; ++i) {
            WP_typ entry = Waypoint(position);
            entry.objectId = 3;
            entry.sequence = uint16_t(i + 1);
            entry.legDistance = legs[i];
            entry.legBearing = 45.0f;
            entry.lane = lanes[i];
            entry.pointFlag = pointFlag;
            ASSERT_TRUE(AppendRouteEntry(entry));
        }
    }

    const TimeZone utc{"UTC"};
};

TEST_F(ObjectSummaryTest, EachKindOfObjectIsSummedUpInItsOwnWords)
{
    PointRecord point;
    point.id = 1001;
    point.sequence = 7;
    point.latitude = Latitude;
    point.longitude = Longitude;
    point.time = Thursday;
    point.attributes[TrackPointWord::Speed] = 56;
    point.attributes[TrackPointWord::Course] = 1234;
    point.attributes[TrackPointWord::WaterTemperature] = 1550;
    point.attributes[TrackPointWord::Depth] = 123;
    ASSERT_EQ(UserIsam.addRecord(PointFile, bytesOf(point)), Status::Ok);
    LoadRoute(1);

    IdRecord metreMark = Record(ObjectType::SYMBOL, 20001, 123);
    metreMark.endLatitude = Latitude + 1;  // a depth in 0.1 m
    const IdRecord feetMark = Record(ObjectType::SYMBOL, 20002, 1230);  // the same in 0.01 m
    const struct {
        const char* name;
        IdRecord object;
        ShownPart part;
        float depthFactor;
        std::string summary;
    } cases[] = {
        {"track and its picked point", Record(ObjectType::TRACK, 1001, 123, 45), {-1, 7, false}, 1.0f,
         " Length: 12.3 Nm.  45 points\r\n\r\n Point: 7  Time: 07/03-14:05\r\n" + Position +
             "\r\n Course: 123.4 \xB0\r\n Speed:  5.6 kts.\r\n Depth:   12.3 mtr.\r\n Temp:    15.5 \xB0 "},
        {"track point not stored", Record(ObjectType::TRACK, 1001, 123, 45), {-1, 8, false}, 1.0f,
         " Length: 12.3 Nm.  45 points\r\n\r\n Point: 8"},
        {"line", Record(ObjectType::LINE, 10001, 10, 2), {}, 1.0f, " Length: 1.0 Nm.  2 points\r\n\r\n"},
        {"route waypoint with its leg", Record(ObjectType::ROUTE, 3, 75, 3), {1, -1, false}, 1.0f,
         " Length: 7.5 Nm.  3 points\r\n\r\n Point: 2\r\n " + Position +
             "\r\n\r\n Course: 045.0 \xB0  (225.0 \xB0)\r\n Dist.: 1.5 Nm.\r\n Lane: 0.10 Nm. (std)"},
        {"route waypoint with a lane", Record(ObjectType::ROUTE, 3, 75, 3), {0, -1, false}, 1.0f,
         " Length: 7.5 Nm.  3 points\r\n\r\n Point: 1\r\n " + Position +
             "\r\n\r\n Course: 045.0 \xB0  (225.0 \xB0)\r\n Dist.: 2.5 Nm.\r\n Lane: 0.25 Nm."},
        {"last waypoint: no leg", Record(ObjectType::ROUTE, 3, 75, 3), {2, -1, false}, 1.0f,
         " Length: 7.5 Nm.  3 points\r\n\r\n Point: 3\r\n " + Position},
        {"second route being added: the table's totals", Record(ObjectType::ROUTE, 3, 75, 3), {-1, -1, true},
         1.0f, "Length: 4.0 Nm.  3 points\r\n\r\n"},
        {"route not in the table", Record(ObjectType::ROUTE, 9, 40, 2), {1, -1, false}, 1.0f,
         " Length: 4.0 Nm.  2 points\r\n\r\n"},
        {"depth mark in 0.1 m", metreMark, {}, 1.0f, Position + "\r\n Depth: 12.3 mtr.\r\n"},
        {"depth mark in 0.01 m, feet", feetMark, {}, 3.2808f, Position + "\r\n Depth: 40.4 feet.\r\n"},
        {"depth mark in fathoms", metreMark, {}, 0.5468f, Position + "\r\n Depth: 6.7 fath.\r\n"},
        {"symbol", Record(ObjectType::SYMBOL, 20003, 0, 12), {}, 1.0f, Position + "\r\n"},
        {"zone of radius 1 nm", Spanning(ObjectType::ZONE, 10002, 0.0, 1.0), {}, 1.0f,
         " Rad.: 1.00 Nm (1.85 km.)\r\n Area: 3.14 Nm (10.78 km.)"},
        {"field of 4 by 3 nm", Spanning(ObjectType::FIELD, 10003, std::atan2(4.0, 3.0) * 180.0 / std::numbers::pi, 5.0),
         {}, 1.0f,
         " W-E: 4.00 Nm (7.41 km.)\r\n N-S:  3.00 Nm (5.56 km.)\r\n Area: 12.00 Nm (41.16 km.)\r\n"},
        {"kind of the drawing tool", Record(ObjectType(4), 77), {}, 1.0f, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetupParameters.DepthFactor = c.depthFactor;
        EXPECT_EQ(ObjectSummary(c.object, c.part), c.summary);
    }
}

TEST_F(ObjectSummaryTest, WithTheOwnPositionInsertedWaypointsAreNumberedFromIt)
{
    LoadRoute(1);
    ASSERT_TRUE(InsertOwnPosition({ChartFromStored(Longitude), ChartFromStored(Latitude)}));
    EXPECT_EQ(ObjectSummary(Record(ObjectType::ROUTE, 3, 75, 3), {2, -1, false}),
              " Length: 7.5 Nm.  3 points\r\n\r\n Point: 2\r\n " + Position +
                  "\r\n\r\n Course: 045.0 \xB0  (225.0 \xB0)\r\n Dist.: 1.5 Nm.\r\n Lane: 0.10 Nm. (std)");
}

TEST_F(ObjectSummaryTest, TheCaptionNamesTheKindHowTheRouteRunsTheIdAndTheDate)
{
    const struct {
        const char* name;
        IdRecord object;
        uint8_t pointFlag;
        ShownPart part;
        std::string caption;
    } cases[] = {
        {"track", Record(ObjectType::TRACK, 1001), 1, {}, "TRACK  (id: 1001)" + Date},
        {"line", Record(ObjectType::LINE, 10001), 1, {}, "LINE  (id: 10001)" + Date},
        {"symbol", Record(ObjectType::SYMBOL, 20001), 1, {}, "SYMBOL  (id: 20001)" + Date},
        {"zone", Record(ObjectType::ZONE, 10002), 1, {}, "ZONE  (id: 10002)" + Date},
        {"field", Record(ObjectType::FIELD, 10003), 1, {}, "FIELD  (id: 10003)" + Date},
        {"no word for the drawing tool's kind", Record(ObjectType(4), 77), 1, {}, "  (id: 77)" + Date},
        {"route loaded forward", Record(ObjectType::ROUTE, 3, 75, 3), 1, {1, -1, false}, "ROUTE  (id: 3)" + Date},
        {"route loaded reversed", Record(ObjectType::ROUTE, 3, 75, 3), 0, {1, -1, false},
         "ROUTE (retour)  (id: 3)" + Date},
        {"second route being added", Record(ObjectType::ROUTE, 3, 75, 3), 0, {1, -1, true},
         "ROUTE (extended)  (id: 3)" + Date},
        {"route without points", Record(ObjectType::ROUTE, 3), 0, {1, -1, false}, "ROUTE  (id: 3)" + Date},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetRouteState();
        LoadRoute(c.pointFlag);
        EXPECT_EQ(ObjectCaption(c.object, c.part), c.caption);
    }
}

TEST_F(ObjectSummaryTest, ASampleOfTheOwnTrackShowsTheRingAndTheSample)
{
    TrackSample sample;
    sample.latitude = 54.5;
    sample.longitude = 10.0 + 5.0 / 60.0;
    sample.courseOverGround = 50;
    sample.speedOverGround = 120;
    sample.time = Thursday;
    SetupParameters.TrackRing[4] = sample;
    sample.depth = 45;
    sample.waterTemperature = 1234;
    SetupParameters.TrackRing[9] = sample;
    SetupParameters.TrackLength = 253.0f;
    const std::string ring = " Length: 25.3 Nm.  2 points\r\n\r\n";
    EXPECT_EQ(CurrentTrackSummary(4), ring + " Point: 5        Time: 14:05\r\n" + Position +
                                          "\r\n Course: 005.0 \xB0\r\n Speed:  12.0 kts.\r\n");
    EXPECT_EQ(CurrentTrackSummary(9), ring + " Point: 10        Time: 14:05\r\n" + Position +
                                          "\r\n Course: 005.0 \xB0\r\n Speed:  12.0 kts.\r\n"
                                          " Depth:   4.5 mtr.\r\n Temp:    12.3 \xB0 ");
}

}  // namespace
