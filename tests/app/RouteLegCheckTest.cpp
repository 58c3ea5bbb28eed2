// The chart check of route legs over the bay's cell US4MD81M: a leg across a charted shoal
// gets the depth bit and the lane in user colour 1, a leg in the deep channel none; the stored
// route's points keep the flags and the safety depth, a route not stored is never written, and
// the look-ahead's polygon and watched areas are left alone.

#include "BayWindowTest.h"
#include "../userdata/ObjectFixtures.h"

#include "app/RouteLegDrawing.h"
#include "app/RouteLegGeometry.h"
#include "app/RouteLegLane.h"
#include "app/StaticOverlay.h"
#include "chart/AreaWatchTable.h"
#include "chart/MapManager.h"
#include "chart/OverlayColours.h"
#include "frame/SetupParameters.h"
#include "userdata/ObjectPoints.h"
#include "userdata/RouteDangerFlags.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteLoad.h"

#include <QRadioButton>
#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

constexpr int16_t kSafetyDepth = 5;
constexpr int32_t kRouteId = 4242;

// Up the deep channel (18 m and more), across to the shoal west of it (1.8 to 3.6 m) and over it.
const cmgbase::GeoPoint kRoute[] = {Degrees(-76.39, 38.905), Degrees(-76.39, 38.95), Degrees(-76.43, 38.972),
                                    Degrees(-76.465, 38.972)};
constexpr int32_t kChannelLeg = 0;
constexpr int32_t kShoalLeg = 2;

class RouteLegCheckTest : public BayWindowTest {
protected:
    void SetUp() override
    {
        BayWindowTest::SetUp();
        form->ckDbA->setChecked(true);
        ASSERT_TRUE(UserIsam.isStarted());
        ASSERT_EQ(ClearObjectFiles(), platform::isam::Status::Ok);
        ShowChart(10, Degrees(-76.42, 38.94));
        SetupParameters.SafetyContour = kSafetyDepth;
        SetupParameters.Height = 30;
        SetupParameters.DefaultLane = 10;
        SetupParameters.DefaultTurnRadius = 20;
        SetupParameters.ShowLane = 1;
        SetupParameters.RouteLegs = 1;
        std::vector<PointRecord> points;
        for (size_t i = 0; i < std::size(kRoute); ++i)
            points.push_back(StoredPoint(kRouteId, uint16_t(i + 1), kRoute[i]));
        StoreObject(StoredObject(ObjectType::ROUTE, kRouteId, 1, "Bay"), points);
    }

    void TearDown() override
    {
        RouteHook.refreshRouteGrid = nullptr;
        RouteEditMode = 0;
        RouteForward = 1;
        BayWindowTest::TearDown();
    }

    // The stored route in the table as the static overlay finds it: legs and screen points.
    void Load(uint8_t forward)
    {
        ClearRouteTable();
        RouteForward = forward;
        ASSERT_EQ(LoadRouteIntoTable(kRouteId), int32_t(std::size(kRoute)));
        RouteId = kRouteId;
        RouteEditMode = RouteShown;
        ComputeRouteLegs();
        PlaceRouteEntries();
    }

    std::vector<PointRecord> StoredPoints() const
    {
        std::vector<PointRecord> points;
        EXPECT_TRUE(ReadObjectPoints(kRouteId, points));
        return points;
    }

    // Pixels of a user colour with leg `leg` and its lane drawn alone on white.
    int ColourPixels(int32_t leg, int32_t colour) const
    {
        QImage image(800, 600, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter canvas(&image);
            DrawRouteLeg(*form, canvas, leg, true, false);
        }
        int count = 0;
        const QRgb wanted = UserColour(colour).rgb();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == wanted;
        return count;
    }
};

}  // namespace

TEST_F(RouteLegCheckTest, ALegAcrossTheShoalGetsTheDepthBitAndItsLaneInColourOneTheChannelLegNone)
{
    ASSERT_NE(UserColour(1).rgb(), UserColour(3).rgb());
    Load(1);
    int gridRefreshed = 0;
    RouteHook.refreshRouteGrid = [&] { ++gridRefreshed; };
    UpdateRouteLegGeometry(*form);

    EXPECT_EQ(RouteTable[kChannelLeg].dangerFlags & LaneCheckBits, 0);
    EXPECT_EQ(RouteTable[kShoalLeg].dangerFlags & LaneCheckBits, LaneDepthDanger);
    EXPECT_EQ(gridRefreshed, 1);
    EXPECT_TRUE(form->chartRedrawRequest);
    EXPECT_TRUE(form->CheckPanel->isHidden());

    EXPECT_GT(ColourPixels(kShoalLeg, 1), 50);
    EXPECT_EQ(ColourPixels(kChannelLeg, 1), 0);
    EXPECT_GT(ColourPixels(kChannelLeg, 3), 50);

    // The stored points carry the flags of their waypoints and the safety depth they hold for.
    const std::vector<PointRecord> points = StoredPoints();
    ASSERT_EQ(points.size(), std::size(kRoute));
    for (size_t i = 0; i < points.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(points[i].attributes[RoutePointWord::DangerFlags] & 0xFF, RouteTable[i].dangerFlags);
        EXPECT_EQ(points[i].attributes[RoutePointWord::SafetyDepth], kSafetyDepth);
    }
}

TEST_F(RouteLegCheckTest, TheFlagsComeBackWithTheRouteLoadedEitherWay)
{
    for (const uint8_t forward : {uint8_t(1), uint8_t(0)}) {
        SCOPED_TRACE(int(forward));
        Load(forward);
        UpdateRouteLegGeometry(*form);
        std::vector<uint8_t> found;
        for (int32_t i = 0; i < RouteEntryCount(); ++i)
            found.push_back(RouteTable[size_t(i)].dangerFlags);
        // Reversed, the shoal leg is the first and the channel leg the last.
        const int32_t shoal = forward ? kShoalLeg : 0;
        EXPECT_EQ(found[size_t(shoal)] & LaneDepthDanger, LaneDepthDanger);
        Load(forward);
        for (int32_t i = 0; i + 1 < RouteEntryCount(); ++i)
            EXPECT_EQ(RouteTable[size_t(i)].dangerFlags, found[size_t(i)]) << i;
    }
}

TEST_F(RouteLegCheckTest, ARouteNotStoredIsNeverWrittenAndAClosedDatabaseStopsNoPaint)
{
    Load(1);
    RouteId = RouteNotStored;
    UpdateRouteLegGeometry(*form);
    EXPECT_EQ(RouteTable[kShoalLeg].dangerFlags & LaneDepthDanger, LaneDepthDanger);
    for (const PointRecord& point : StoredPoints()) {
        EXPECT_EQ(point.attributes[RoutePointWord::DangerFlags], 0);
        EXPECT_EQ(point.attributes[RoutePointWord::SafetyDepth], 0);
    }

    // No database to write to: the static overlay still draws the legs.
    Load(1);
    RouteTable[kShoalLeg].dangerFlags = 0;
    CloseUserDatabase();
    RouteLegGeometryPending = true;
    form->ChartBackBitmap.fill(Qt::white);
    PaintChartOverlay(*form);
    EXPECT_FALSE(RouteLegGeometryPending);
    EXPECT_EQ(RouteTable[kShoalLeg].dangerFlags & LaneDepthDanger, LaneDepthDanger);
}

TEST_F(RouteLegCheckTest, LegChecksLeaveTheLookAheadPolygonAndWatchedAreasAlone)
{
    Load(1);
    ResetAreaWatchTable();
    AreaWatchTable[112] = ReportedInside;
    const auto states = AreaWatchTable;
    const std::vector<cmgbase::GeoPoint> sector = {Degrees(-76.40, 38.93), Degrees(-76.39, 38.94),
                                                   Degrees(-76.38, 38.93), Degrees(-76.40, 38.93)};
    ChartEngine->SetCheckPolygon(sector.data(), int32_t(sector.size()));
    UpdateRouteLegGeometry(*form);
    EXPECT_EQ(ChartEngine->checkPolygon, sector);
    EXPECT_EQ(AreaWatchTable, states);
    ResetAreaWatchTable();
}

TEST_F(RouteLegCheckTest, AChecksTouchesOnlyTheFlagsOfWhatItChecked)
{
    Load(1);
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter canvas(&image);
    // The first leg has no turn before it: its waypoint's turn bits stay.
    RouteTable[0].dangerFlags = TurnCheckFailed | LaneDepthDanger;
    DrawRouteLeg(*form, canvas, kChannelLeg, true, true);
    EXPECT_EQ(RouteTable[0].dangerFlags, TurnCheckFailed);
    // A leg whose ends share a pixel is neither drawn nor checked.
    RouteTable[1].dangerFlags = LaneDepthDanger | TurnCheckFailed;
    RouteTable[2].screenPoint = ScreenPoint{RouteTable[1].screenPoint.x, RouteTable[1].screenPoint.y};
    DrawRouteLeg(*form, canvas, 1, true, true);
    EXPECT_EQ(RouteTable[1].dangerFlags, LaneDepthDanger | TurnCheckFailed);
}

TEST_F(RouteLegCheckTest, ALaneThatCouldNotBeCheckedIsDrawnInTheButtonFace)
{
    Load(1);
    MapManager* engine = std::exchange(ChartEngine, nullptr);
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter canvas(&image);
        DrawRouteLeg(*form, canvas, kShoalLeg, true, true);
    }
    ChartEngine = engine;
    EXPECT_EQ(RouteTable[kShoalLeg].dangerFlags & LaneCheckBits, LaneCheckFailed);
    EXPECT_EQ(RouteTable[TurnFlagsEntry(kShoalLeg)].dangerFlags & TurnCheckBits, TurnCheckFailed);
    const QRgb buttonFace = QApplication::palette().color(QPalette::Button).rgb();
    int lanePixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lanePixels += image.pixel(x, y) == buttonFace;
    EXPECT_GT(lanePixels, 20);
}
