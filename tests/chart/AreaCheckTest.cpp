// The map manager's area checks over a made chart: the dangers for a depth and a height, the
// watched areas reported once while they stay inside, and the route legs' checks that leave the
// look-ahead's polygon and watched states alone.

#include "platform/chartengine/ChartTestSupport.h"

#include "chart/AreaWatchTable.h"
#include "chart/MapManager.h"
#include "platform/chartengine/S57Codes.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <gtest/gtest.h>

using namespace chartengine;
using cmgbase::GeoPoint;

namespace {

GeoPoint Degrees(double longitude, double latitude) { return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)}; }

// A closed square of side 2 x half degrees around a point.
std::vector<GeoPoint> Square(double longitude, double latitude, double half)
{
    return {Degrees(longitude - half, latitude - half), Degrees(longitude + half, latitude - half),
            Degrees(longitude + half, latitude + half), Degrees(longitude - half, latitude + half),
            Degrees(longitude - half, latitude - half)};
}

constexpr double kLon = -76.45;
constexpr double kLat = 38.97;
constexpr int32_t kAnchorage = 4;   // watched
constexpr int32_t kRestricted = 112;  // watched
constexpr int32_t kFairway = 51;    // watched

// Deep water (20 m) around the centre; a 2 m shoal west of it, a bridge of 15 m clearance east of
// it, and north two watched areas on one spot and a third further north.
class AreaCheckTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new charttest::TemporaryFolder;
        const std::filesystem::path engine = folder_->path() / "engine";
        charttest::WriteMadeDatabase(
            engine, "Made",
            {charttest::MadeObject(s57class::DEPARE, kGeometryArea, Square(kLon, kLat, 0.1), {{"DRVAL1", "20"}}),
             charttest::MadeObject(s57class::DEPARE, kGeometryArea, Square(kLon - 0.02, kLat, 0.002), {{"DRVAL1", "2"}}),
             charttest::MadeObject(s57class::BRIDGE, kGeometryLine,
                                   {Degrees(kLon + 0.02, kLat - 0.01), Degrees(kLon + 0.02, kLat + 0.01)},
                                   {{"VERCLR", "15"}}),
             charttest::MadeObject(kAnchorage, kGeometryArea, Square(kLon, kLat + 0.02, 0.003)),
             charttest::MadeObject(kRestricted, kGeometryArea, Square(kLon, kLat + 0.02, 0.003)),
             charttest::MadeObject(kFairway, kGeometryArea, Square(kLon, kLat + 0.04, 0.003))});
        charttest::LinkTides(engine);
        charttest::WriteRegistry(folder_->path() / "registry.ini", engine, false);
    }
    static void TearDownTestSuite() { delete folder_; }

    void SetUp() override
    {
        ResetAreaWatchTable();
        ASSERT_EQ(manager.Init(1), 1);
    }
    void TearDown() override { ResetAreaWatchTable(); }

    struct Found {
        int result = -1;
        int32_t dangers = -1;
        int32_t heightDangers = -1;
        int32_t entered = -1;
    };

    // The look-ahead's check of a polygon, watching.
    Found LookAhead(const std::vector<GeoPoint>& polygon, float depth = 10.0f, float height = 30.0f)
    {
        manager.SetCheckPolygon(polygon.data(), int32_t(polygon.size()));
        Found found;
        found.result = manager.CheckPolygon(depth, height, &found.dangers, &found.entered, 0, &found.heightDangers);
        return found;
    }

    MapManager manager{folder_->path() / "registry.ini"};

private:
    static charttest::TemporaryFolder* folder_;
};

charttest::TemporaryFolder* AreaCheckTest::folder_ = nullptr;

TEST_F(AreaCheckTest, DangersAreFoundForTheDepthAndTheHeight)
{
    struct Case {
        const char* what;
        std::vector<GeoPoint> polygon;
        float depth;
        float height;
        int32_t dangers;
        int32_t heightDangers;
    };
    const Case cases[] = {
        {"deep water", Square(kLon, kLat, 0.005), 10.0f, 30.0f, 0, 0},
        {"the shoal", Square(kLon - 0.02, kLat, 0.005), 10.0f, 30.0f, 1, 0},
        {"the shoal for a draught it clears", Square(kLon - 0.02, kLat, 0.005), 1.9f, 30.0f, 0, 0},
        {"deep water for a deeper draught", Square(kLon, kLat, 0.005), 20.5f, 30.0f, 1, 0},
        {"the bridge", Square(kLon + 0.02, kLat, 0.005), 10.0f, 30.0f, 1, 1},
        {"the bridge for a lower ship", Square(kLon + 0.02, kLat, 0.005), 10.0f, 14.0f, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Found found = LookAhead(c.polygon, c.depth, c.height);
        EXPECT_EQ(found.result, 1);
        EXPECT_EQ(found.dangers, c.dangers);
        EXPECT_EQ(found.heightDangers, c.heightDangers);
        EXPECT_EQ(found.entered, 0);
    }
}

TEST_F(AreaCheckTest, WatchedAreasAreReportedOnceWhileInsideAndAgainAfterLeaving)
{
    const std::vector<GeoPoint> both = Square(kLon, kLat + 0.02, 0.005);
    const std::vector<GeoPoint> outside = Square(kLon, kLat, 0.005);
    // Two classes entered at once: the lower now, the other on the next check.
    EXPECT_EQ(LookAhead(both).entered, kAnchorage);
    EXPECT_EQ(AreaWatchTable[kRestricted], InsideUnreported);
    EXPECT_EQ(LookAhead(both).entered, kRestricted);
    EXPECT_EQ(LookAhead(both).entered, 0);
    EXPECT_EQ(AreaWatchTable[kAnchorage], ReportedInside);
    // Out and back in: reported again.
    EXPECT_EQ(LookAhead(outside).entered, 0);
    EXPECT_EQ(AreaWatchTable[kAnchorage], WatchIdle);
    EXPECT_EQ(LookAhead(both).entered, kAnchorage);
    // Watched areas are no dangers.
    EXPECT_EQ(LookAhead(Square(kLon, kLat + 0.04, 0.005)).dangers, 0);
}

TEST_F(AreaCheckTest, NoPolygonRunsNoCheckAndLeavesNoDangersBehind)
{
    int32_t dangers = -1;
    int32_t entered = -1;
    EXPECT_EQ(manager.CheckPolygon(10.0f, 30.0f, &dangers, &entered, 0), 0);
    EXPECT_EQ(dangers, 0);
    EXPECT_EQ(entered, 0);
    dangers = -1;
    EXPECT_EQ(manager.CheckOtherPolygon({}, 10.0f, 30.0f, &dangers, nullptr), 0);
    EXPECT_EQ(dangers, 0);
}

TEST_F(AreaCheckTest, ARouteCheckLeavesTheLookAheadPolygonAndTheWatchedStates)
{
    const std::vector<GeoPoint> sector = Square(kLon, kLat + 0.02, 0.005);
    ASSERT_EQ(LookAhead(sector).entered, kAnchorage);
    const auto states = AreaWatchTable;

    // A leg's lane over the shoal, the watched areas and the third one.
    const std::vector<GeoPoint> lane = {Degrees(kLon - 0.025, kLat - 0.002), Degrees(kLon + 0.001, kLat + 0.045),
                                        Degrees(kLon + 0.003, kLat + 0.045), Degrees(kLon - 0.015, kLat - 0.002)};
    int32_t dangers = -1;
    int32_t heightDangers = -1;
    EXPECT_EQ(manager.CheckOtherPolygon(lane, 10.0f, 30.0f, &dangers, &heightDangers), 1);
    EXPECT_EQ(dangers, 1);
    EXPECT_EQ(heightDangers, 0);
    EXPECT_EQ(manager.checkPolygon, sector);
    EXPECT_EQ(AreaWatchTable, states);
    // The look-ahead goes on where it was: the restricted area is still to be reported.
    EXPECT_EQ(LookAhead(sector).entered, kRestricted);
}

}  // namespace
