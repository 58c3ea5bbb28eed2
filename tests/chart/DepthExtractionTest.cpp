// The chart depths of the 3D export taken from real objects of the approach cell US4MD81M (with
// its updates): each case centres the main view on one object at 1:3000 and reads what the
// extraction gives at that object's pixel.

#include "ChartWindowFixture.h"

#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/DepthExtraction.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "frame/DepthExportFile.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace charttest;

namespace {

constexpr int32_t Level3000 = 1;
constexpr float FoulAreaDepth = 10.0f;
constexpr float Feet = 3.2808f;

struct DepthCase {
    const char* what;
    double longitude;
    double latitude;
    float depthFactor;
    std::vector<double> depths;  // at the object's pixel; none: the object gives no point
};

void PrintTo(const DepthCase& c, std::ostream* out) { *out << c.what; }

class DepthExtractionTest : public ChartWindowTest {
protected:
    // The view centred on the position at 1:3000, drawn as the redraw draws it.
    void ShowAt(const cmgbase::GeoPoint& at)
    {
        MainMapView->SetCentre(at);
        window.chartLevel = Level3000;
        SetChartLevel(window);
    }

    std::vector<TMap3DPoint> Extract(float depthFactor)
    {
        std::vector<TMap3DPoint> points;
        EXPECT_TRUE(ExtractDepthData(*ChartEngine, *MainMapView, FoulAreaDepth, depthFactor, points));
        return points;
    }
};

class DepthExtractionTable : public DepthExtractionTest, public testing::WithParamInterface<DepthCase> {};

TEST_P(DepthExtractionTable, GivesTheDepthItsClassAndAttributesSay)
{
    const DepthCase& c = GetParam();
    const cmgbase::GeoPoint position = Degrees(c.longitude, c.latitude);
    ShowAt(position);
    ScreenPoint pixel;
    ASSERT_TRUE(MainMapView->GeoToScreen(window.chartRect, position, pixel));

    std::vector<double> depths;
    for (const TMap3DPoint& p : Extract(c.depthFactor))
        if (p.screenX == pixel.x && p.screenY == pixel.y)
            depths.push_back(p.depth);
    ASSERT_EQ(depths.size(), c.depths.size());
    std::sort(depths.begin(), depths.end());
    for (size_t i = 0; i < depths.size(); ++i)
        EXPECT_NEAR(depths[i], c.depths[i], 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    RealObjects, DepthExtractionTable,
    testing::Values(
        DepthCase{"ObstructionInAFoulArea", -76.3702808, 38.7549834, 1.0f, {-FoulAreaDepth}},
        DepthCase{"FoulAreaInFeet", -76.3702808, 38.7549834, Feet, {-FoulAreaDepth * Feet}},
        DepthCase{"ObstructionOfAnotherKindWithoutSounding", -76.1424381, 38.7891029, 1.0f, {}},
        DepthCase{"ObstructionWithSounding", -76.1857556, 38.7795306, 1.0f, {-2.2}},
        DepthCase{"RockAlwaysUnderWater", -76.2327835, 38.9794097, 1.0f, {}},
        DepthCase{"RockAwash", -76.5131505, 38.8693981, 1.0f, {-0.5}},
        DepthCase{"RockWithSounding", -76.3728569, 38.6325561, 1.0f, {-0.6}},
        DepthCase{"WreckWithoutSounding", -76.5523392, 38.9479884, 1.0f, {}},
        DepthCase{"WreckWithSounding", -76.4578897, 38.7458344, 1.0f, {-11.5}},
        DepthCase{"ContourOfZero", -76.2105766, 38.9457829, 1.0f, {-0.5}},
        DepthCase{"Contour", -76.2731774, 38.7242221, 1.0f, {-1.8}},
        DepthCase{"Coastline", -76.2344324, 38.7372232, Feet, {0.0}},
        DepthCase{"Sounding", -76.5554562, 38.7580414, 1.0f, {-0.3}},
        DepthCase{"SoundingInFeet", -76.5554562, 38.7580414, Feet, {-0.3 * Feet}}),
    [](const testing::TestParamInfo<DepthCase>& info) { return std::string(info.param.what); });

// Every point lies in the area the view showed, with its export coordinates taken from that
// area's south-west corner and its pixel in the window; soundings each carry their own depth.
TEST_F(DepthExtractionTest, PointsLieInTheViewsAreaEachSoundingWithItsOwnDepth)
{
    ShowAt(Degrees(-76.5554562, 38.7580414));
    window.chartLevel = 6;  // 1:22000
    SetChartLevel(window);
    const std::vector<TMap3DPoint> points = Extract(1.0f);
    ASSERT_GT(points.size(), 20u);
    std::vector<double> distinct;
    for (const TMap3DPoint& p : points) {
        EXPECT_GE(p.screenX, 0);
        EXPECT_LE(p.screenX, window.chartRect.right);
        EXPECT_GE(p.screenY, 0);
        EXPECT_LE(p.screenY, window.chartRect.bottom);
        EXPECT_GE(p.x, 0);
        EXPECT_GE(p.y, 0);
        EXPECT_LE(p.depth, 0.0);
        if (std::find(distinct.begin(), distinct.end(), p.depth) == distinct.end())
            distinct.push_back(p.depth);
    }
    EXPECT_GT(distinct.size(), 5u);

    // The corner pixels give the corners of the export coordinates.
    const cmgbase::GeoRect& area = ViewGeoRect;
    const double factor = std::cos(cmgbase::nrm2deg(area.y1) * 0.017453292519943295);
    const ExportPoint corner = ExportCoordinates({area.x1, area.y1}, factor, {area.x2, area.y2});
    for (const TMap3DPoint& p : points) {
        EXPECT_LE(p.x, corner.x);
        EXPECT_LE(p.y, corner.y);
    }
}

TEST_F(DepthExtractionTest, NothingFromAViewThatIsNotReady)
{
    MainMapView->Release();
    std::vector<TMap3DPoint> points;
    EXPECT_FALSE(ExtractDepthData(*ChartEngine, *MainMapView, FoulAreaDepth, 1.0f, points));
    EXPECT_TRUE(points.empty());
}

}  // namespace
