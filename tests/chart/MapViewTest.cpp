// The map view over a real chart database: centre, scale, zoom, monitor metrics and rotation, and
// screen points turned into chart positions and back.

#include "platform/chartengine/ChartTestSupport.h"

#include "chart/ChartLevels.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

using namespace chartengine;
using cmgbase::GeoPoint;
using cmgbase::GeoRect;

namespace {

GeoPoint Degrees(double longitude, double latitude) { return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)}; }

std::string Text(const GeoPoint& p)
{
    return std::to_string(cmgbase::nrm2deg(p.x)) + " E, " + std::to_string(cmgbase::nrm2deg(p.y)) + " N";
}

// The 17-inch monitor of 1280 x 1024 pixels as the start-up passes it: 0.2 inch less, aspect 4:3.
constexpr double kMonitorDiagonal = 16.8;
constexpr int32_t kScreenWidth = 1280;
constexpr int32_t kScreenHeight = 1024;

constexpr WindowRect kWindow{0, 0, 600, 400};

// An engine folder with the harbour cell AA500001 and the world base as its current database;
// each test has a started manager and a main view on it.
class MapViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { harbour_ = new charttest::HarbourEngine(false); }
    static void TearDownTestSuite() { delete harbour_; }

    static std::filesystem::path engine() { return harbour_->engine(); }
    static std::filesystem::path registry() { return harbour_->registry(); }

    void SetUp() override
    {
        ASSERT_EQ(manager_.Init(1), 1);
        ASSERT_EQ(view_.Init(0, &manager_), 1);
    }

    void Show(uint32_t scale, const GeoPoint& centre, double rotation)
    {
        ASSERT_EQ(view_.SetScale(static_cast<int32_t>(scale)), 1);
        view_.SetCentre(centre);
        ASSERT_EQ(view_.centre, centre);
        ASSERT_EQ(view_.SetRotation(rotation), 1);
    }

    static charttest::HarbourEngine* harbour_;
    MapManager manager_{registry()};
    MapView view_;
};

charttest::HarbourEngine* MapViewTest::harbour_ = nullptr;

TEST_F(MapViewTest, TheCentreLandsOnTheCentrePixelOfAnyWindow)
{
    const WindowRect windows[] = {{0, 0, 800, 600},
                                  {0, 0, 801, 601},
                                  {0, 0, 1, 1},
                                  {100, 50, 901, 651},
                                  {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}};
    const GeoPoint centres[] = {Degrees(10.64, 59.1), Degrees(179.99, -40.0), Degrees(-180.0, 0.0)};
    for (const double rotation : {0.0, 225.0})
        for (const GeoPoint& centre : centres) {
            Show(ChartLevelTable[7], centre, rotation);
            for (const WindowRect& window : windows) {
                const ScreenPoint expected = WindowCentre(window);
                ScreenPoint pixel{};
                ASSERT_EQ(view_.GeoToScreen(window, centre, pixel), 1);
                EXPECT_EQ(pixel.x, expected.x) << Text(centre) << " rotation " << rotation;
                EXPECT_EQ(pixel.y, expected.y) << Text(centre) << " rotation " << rotation;
                GeoPoint position;
                ASSERT_EQ(view_.ScreenToGeo(window, expected, position), 1);
                EXPECT_EQ(position, centre) << " rotation " << rotation;
            }
        }

    Show(ChartLevelTable[7], Degrees(10.64, 59.1), 0.0);
    GeoPoint above, right;
    ASSERT_EQ(view_.ScreenToGeo({0, 0, 801, 601}, {400, 299}, above), 1);
    ASSERT_EQ(view_.ScreenToGeo({0, 0, 801, 601}, {401, 300}, right), 1);
    EXPECT_EQ(above.x, view_.centre.x);
    EXPECT_GT(above.y, view_.centre.y) << "y is up: the pixel above the centre lies north of it";
    EXPECT_GT(right.x, view_.centre.x);
    EXPECT_EQ(right.y, view_.centre.y);
}

TEST_F(MapViewTest, ScreenPointsComeBackWithinOnePixelAtEveryLevelAndRotation)
{
    ASSERT_EQ(view_.SetMonitorGeometry(kMonitorDiagonal, 4.0, 3.0, kScreenWidth, kScreenHeight), 1);
    // A window narrower than the earth at every level, so that each of its pixels shows one place.
    const GeoPoint centres[] = {Degrees(10.64, 59.1), Degrees(-76.4, 38.7), Degrees(179.95, -40.0)};
    const ScreenPoint points[] = {{0, 0}, {599, 0}, {0, 399}, {599, 399}, {600, 400}, {300, 200}, {301, 199}, {17, 383}};
    for (const uint32_t scale : ChartLevelTable)
        for (const double rotation : {0.0, 90.0, 225.0})
            for (const GeoPoint& centre : centres) {
                Show(scale, centre, rotation);
                for (const ScreenPoint& point : points) {
                    GeoPoint position;
                    ScreenPoint back{};
                    ASSERT_EQ(view_.ScreenToGeo(kWindow, point, position), 1);
                    ASSERT_EQ(view_.GeoToScreen(kWindow, position, back), 1)
                        << "1:" << scale << " rotation " << rotation << " at " << Text(position);
                    EXPECT_LE(std::abs(back.x - point.x), 1) << "1:" << scale << " rotation " << rotation << " "
                                                             << Text(centre) << " pixel " << point.x << ", " << point.y;
                    EXPECT_LE(std::abs(back.y - point.y), 1) << "1:" << scale << " rotation " << rotation << " "
                                                             << Text(centre) << " pixel " << point.x << ", " << point.y;
                }
            }
}

TEST_F(MapViewTest, FarPointsStayExactAcrossTheAntimeridian)
{
    ASSERT_EQ(view_.SetMonitorGeometry(kMonitorDiagonal, 4.0, 3.0, kScreenWidth, kScreenHeight), 1);
    Show(ChartLevelTable[0], Degrees(179.5, 59.1), 0.0);
    const WindowRect window{0, 0, 1280, 1024};
    const ScreenPoint centre = WindowCentre(window);
    // Mercator x grows with the longitude: at 1:1500 half a degree is some 70000 pixels here.
    int32_t halfDegreeEast = 0;
    for (const int steps : {1, 2, 3, -1, -4}) {
        const double longitude = 179.5 + 0.5 * steps;
        const GeoPoint position = Degrees(longitude > 180 ? longitude - 360 : longitude, 59.1);
        ScreenPoint pixel{};
        ASSERT_EQ(view_.GeoToScreen(window, position, pixel), 1) << Text(position);
        EXPECT_EQ(pixel.y, centre.y) << Text(position);
        if (steps == 1)
            halfDegreeEast = pixel.x - centre.x;
        EXPECT_NEAR(pixel.x - centre.x, steps * halfDegreeEast, std::abs(steps) + 1.0) << Text(position);

        GeoPoint back;
        ScreenPoint again{};
        ASSERT_EQ(view_.ScreenToGeo(window, pixel, back), 1);
        ASSERT_EQ(view_.GeoToScreen(window, back, again), 1);
        EXPECT_LE(std::abs(again.x - pixel.x), 1) << Text(position);
        EXPECT_EQ(again.y, pixel.y) << Text(position);
    }
    EXPECT_GT(halfDegreeEast, 70000);
}

TEST_F(MapViewTest, PixelsBeyondInt32AreRefusedNotWrapped)
{
    Show(ChartLevelTable[0], Degrees(10.64, 59.1), 0.0);
    // 5000 / 0.0001 device pixels per metre: ten degrees east lie some 10^10 pixels away.
    ASSERT_EQ(view_.SetZoomFactors(0.0001, 0.0001), 1);
    const WindowRect window{0, 0, 800, 600};
    ScreenPoint pixel{7, 7};
    EXPECT_EQ(view_.GeoToScreen(window, Degrees(20.64, 59.1), pixel), 0);
    EXPECT_EQ(pixel.x, 7);
    EXPECT_EQ(pixel.y, 7);
    EXPECT_EQ(view_.GeoToScreen(window, Degrees(10.641, 59.1), pixel), 1);
    EXPECT_GT(pixel.x, 400 + 1000000);

    GeoPoint position{7, 7};
    EXPECT_EQ(view_.ScreenToGeo(window, {INT32_MIN, 300}, position), 0);
    EXPECT_EQ(position, (GeoPoint{7, 7}));
    EXPECT_EQ(view_.GeoToScreen(window, Degrees(10.0, 89.9), pixel), 0) << "beyond the projection's latitudes";
}

TEST_F(MapViewTest, PixelsPerNauticalMileAt1To30000)
{
    struct Case {
        double diagonal, aspectWidth, aspectHeight;
        int32_t width, height;
        int32_t deviceX, deviceY;
        double pixelsPerMileX, pixelsPerMileY;
    };
    const Case cases[] = {
        {kMonitorDiagonal, 4.0, 3.0, kScreenWidth, kScreenHeight, 3749, 3999, 231.44, 246.87},
        {kMonitorDiagonal, 5.0, 4.0, kScreenWidth, kScreenHeight, 3841, 3841, 237.12, 237.12},
        {14.8, 4.0, 3.0, 1024, 768, 3404, 3404, 210.14, 210.14},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(view_.SetMonitorGeometry(c.diagonal, c.aspectWidth, c.aspectHeight, c.width, c.height), 1);
        EXPECT_EQ(view_.projectionBlock.devicePixelsPerMetreX, c.deviceX);
        EXPECT_EQ(view_.projectionBlock.devicePixelsPerMetreY, c.deviceY);

        Show(30000, Degrees(10.64, 59.1), 0.0);
        const WindowRect window{0, 0, c.width, c.height};
        const ScreenPoint m = WindowCentre(window);
        const auto milesBetween = [&](ScreenPoint a, ScreenPoint b) {
            GeoPoint from, to;
            EXPECT_EQ(view_.ScreenToGeo(window, a, from), 1);
            EXPECT_EQ(view_.ScreenToGeo(window, b, to), 1);
            double miles = 0;
            EXPECT_EQ(cmgbase::InvPosComputation(from, to, &miles, nullptr, 0), 0);
            return miles;
        };
        EXPECT_NEAR(1000 / milesBetween({m.x - 500, m.y}, {m.x + 500, m.y}), c.pixelsPerMileX, 0.1) << c.width;
        EXPECT_NEAR(1000 / milesBetween({m.x, m.y - 500}, {m.x, m.y + 500}), c.pixelsPerMileY, 0.1) << c.width;
    }
}

TEST_F(MapViewTest, CentringOnAScreenPointReportsChangedOnlyWhenTheCentreMoved)
{
    struct Case {
        const char* what;
        GeoPoint centre;
        uint32_t scale;
        ScreenPoint click;
        int changed;
    };
    const WindowRect window{0, 0, 800, 600};
    const Case cases[] = {
        {"the centre pixel", Degrees(10.64, 59.1), 30000, {400, 300}, 0},
        {"one pixel right", Degrees(10.64, 59.1), 30000, {401, 300}, 1},
        {"one pixel up at 1:1500", Degrees(-76.4, 38.7), 1500, {400, 299}, 1},
        {"across the antimeridian", Degrees(179.99, -40.0), 1000000, {790, 10}, 1},
        {"beyond the valid latitudes", Degrees(0.0, 89.0), 20000000, {400, 0}, 0},
        {"an offset beyond int32", Degrees(10.64, 59.1), 30000, {INT32_MIN, 300}, 0},
    };
    for (const Case& c : cases) {
        Show(c.scale, c.centre, 0.0);
        GeoPoint clicked;
        const bool onChart = view_.ScreenToGeo(window, c.click, clicked) == 1;
        EXPECT_EQ(view_.CentreAtScreenPoint(window, c.click), c.changed) << c.what;
        EXPECT_EQ(view_.centre, c.changed ? clicked : c.centre) << c.what;
        EXPECT_EQ(view_.projectionBlock.centre, view_.centre) << c.what;
        ProjectionBlock engine;
        ASSERT_EQ(view_.projection->GetBlock(&engine), kOk);
        EXPECT_EQ(engine.centre, view_.centre) << c.what;
        if (c.changed) {
            ASSERT_TRUE(onChart);
            ScreenPoint now{};
            ASSERT_EQ(view_.GeoToScreen(window, clicked, now), 1);
            EXPECT_EQ(now.x, 400) << c.what;
            EXPECT_EQ(now.y, 300) << c.what;
        }
    }

    view_.Release();
    EXPECT_EQ(view_.CentreAtScreenPoint(window, {401, 300}), 0) << "no projection";
    EXPECT_EQ(view_.SetCentre(Degrees(1.0, 2.0)), 0);
    EXPECT_EQ(view_.centre, Degrees(1.0, 2.0)) << "kept for the next Init";
}

TEST_F(MapViewTest, ZoomFactorsOfZeroOrBelowAreRefused)
{
    struct Case {
        double zoomX, zoomY;
        int result;
        int32_t deviceX, deviceY;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {2.0, 2.0, 1, 2500, 2500},  {3.0, 3.0, 1, 1666, 1666},    {0.8333, 0.8333, 1, 6000, 6000},
        {1.0, 2.0, 1, 5000, 2500},  {0.0, 1.0, 0, 5000, 5000},    {1.0, 0.0, 0, 5000, 5000},
        {-2.0, -2.0, 0, 5000, 5000}, {nan, 1.0, 0, 5000, 5000},   {infinity, 1.0, 0, 5000, 5000},
        {1e-9, 1.0, 0, 5000, 5000},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(view_.SetZoomFactors(1.0, 1.0), 1);
        EXPECT_EQ(view_.SetZoomFactors(c.zoomX, c.zoomY), c.result) << c.zoomX << " x " << c.zoomY;
        EXPECT_EQ(view_.projectionBlock.devicePixelsPerMetreX, c.deviceX) << c.zoomX;
        EXPECT_EQ(view_.projectionBlock.devicePixelsPerMetreY, c.deviceY) << c.zoomY;
        EXPECT_EQ(view_.zoomX, c.result ? c.zoomX : 1.0);
        EXPECT_EQ(view_.zoomY, c.result ? c.zoomY : 1.0);
    }
}

TEST_F(MapViewTest, MonitorMetricsThatDivideByZeroAreRefused)
{
    struct Case {
        double diagonal, aspectWidth, aspectHeight;
        int32_t width, height;
    };
    const Case refused[] = {
        {0.2 - 0.2, 4.0, 3.0, 1024, 768}, {-14.8, 4.0, 3.0, 1024, 768}, {1e-300, 4.0, 3.0, 1024, 768},
        {14.8, 0.0, 3.0, 1024, 768},      {14.8, 4.0, 0.0, 1024, 768},  {14.8, 4.0, 3.0, 0, 768},
        {14.8, 4.0, 3.0, 1024, -768},     {1e300, 4.0, 3.0, 1024, 768},
    };
    ASSERT_EQ(view_.SetMonitorGeometry(14.8, 4.0, 3.0, 1024, 768), 1);
    for (const Case& c : refused) {
        EXPECT_EQ(view_.SetMonitorGeometry(c.diagonal, c.aspectWidth, c.aspectHeight, c.width, c.height), 0)
            << c.diagonal << " inch, " << c.aspectWidth << ":" << c.aspectHeight << ", " << c.width << " x " << c.height;
        EXPECT_NEAR(view_.pixelsPerMetreX, 3404.98, 0.01);
        EXPECT_NEAR(view_.pixelsPerMetreY, 3404.98, 0.01);
        EXPECT_EQ(view_.projectionBlock.devicePixelsPerMetreX, 3404);
        EXPECT_EQ(view_.projectionBlock.devicePixelsPerMetreY, 3404);
    }
}

TEST_F(MapViewTest, ScaleBelowOneIsRefused)
{
    EXPECT_EQ(view_.SetScale(30000), 1);
    EXPECT_EQ(view_.scale, 30000);
    for (const int32_t scale : {0, -30000}) {
        EXPECT_EQ(view_.SetScale(scale), 0) << scale;
        EXPECT_EQ(view_.scale, 30000);
        EXPECT_EQ(view_.projectionBlock.scale, 30000);
    }
    EXPECT_EQ(view_.SetRotation(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(view_.rotation, 0.0);
    view_.Release();
    EXPECT_EQ(view_.SetScale(50000), 0) << "no projection";
    EXPECT_EQ(view_.scale, 30000);
}

TEST_F(MapViewTest, MetricsSetBeforeInitReachTheProjection)
{
    MapView fresh;
    EXPECT_EQ(fresh.SetMonitorGeometry(14.8, 4.0, 3.0, 1024, 768), 0) << "no projection yet";
    EXPECT_EQ(fresh.SetZoomFactors(2.0, 2.0), 0) << "no viewport yet";
    EXPECT_EQ(fresh.zoomX, 1.0);
    EXPECT_EQ(fresh.SetRotation(90.0), 0);
    ASSERT_EQ(fresh.Init(1, &manager_), 1);
    EXPECT_EQ(fresh.projectionBlock.devicePixelsPerMetreX, 3404);
    EXPECT_EQ(fresh.projectionBlock.devicePixelsPerMetreY, 3404);
    EXPECT_EQ(fresh.projection->Rotation(), 90.0);
}

// The view state an engine restart hands on: the new view shows every position on the pixel the
// old one did, whether the same view is initialised again or a new one takes the state over.
TEST_F(MapViewTest, TheChartStaysWhereItWasAcrossARestart)
{
    ASSERT_EQ(view_.SetMonitorGeometry(kMonitorDiagonal, 4.0, 3.0, kScreenWidth, kScreenHeight), 1);
    Show(60000, Degrees(-76.4, 38.7), 225.0);
    ASSERT_EQ(view_.SetZoomFactors(0.8333, 0.8333), 1);
    const WindowRect window{0, 0, 1280, 1024};
    const GeoPoint positions[] = {Degrees(-76.4, 38.7), Degrees(-76.45, 38.72), Degrees(-76.3, 38.6)};
    const auto pixels = [&](const MapView& view) {
        std::vector<std::pair<int32_t, int32_t>> result;
        for (const GeoPoint& p : positions) {
            ScreenPoint pixel{};
            EXPECT_EQ(view.GeoToScreen(window, p, pixel), 1);
            result.emplace_back(pixel.x, pixel.y);
        }
        return result;
    };
    const auto before = pixels(view_);
    ASSERT_NE(before[1], before[2]);

    view_.Release();
    ASSERT_EQ(view_.Init(0, &manager_), 1);
    EXPECT_EQ(pixels(view_), before) << "initialised again";

    const MapViewState state = view_.ViewState();
    view_.Release();
    manager_.Shutdown();
    MapManager restarted(registry());
    ASSERT_EQ(restarted.Init(1), 1);
    MapView successor(state);
    ASSERT_EQ(successor.Init(0, &restarted), 1);
    EXPECT_EQ(pixels(successor), before) << "a new view with the carried state";
    EXPECT_EQ(successor.scale, 60000);
    EXPECT_EQ(successor.zoomX, 0.8333);
    EXPECT_EQ(successor.projection->Rotation(), -135.0);
    EXPECT_EQ(successor.SetCentre(Degrees(-76.4, 38.7)), 0) << "already there";
}

TEST_F(MapViewTest, InitFailsOnAMissingEngineObject)
{
    struct Case {
        const char* what;
        void (*remove)(MapManager&);
    };
    const Case cases[] = {
        {"symbolization registry", [](MapManager& m) { m.symbolizationRegistry.reset(); }},
        {"current geo database", [](MapManager& m) { m.currentGeoDatabase = nullptr; }},
    };
    for (const Case& c : cases) {
        MapManager manager(registry());
        ASSERT_EQ(manager.Init(1), 1);
        c.remove(manager);
        MapView view;
        EXPECT_EQ(view.Init(0, &manager), 0) << c.what;
        EXPECT_EQ(view.state, 0) << c.what;
        EXPECT_EQ(view.projection, nullptr) << c.what;
        EXPECT_EQ(view.symbolization, nullptr) << c.what;
    }
}

TEST_F(MapViewTest, VisibleRectangleHoldsTheWindow)
{
    const WindowRect window{0, 0, 800, 600};
    const auto corner = [&](ScreenPoint p) {
        GeoPoint g;
        EXPECT_EQ(view_.ScreenToGeo(window, p, g), 1);
        return g;
    };
    GeoRect upright;
    for (const GeoPoint centre : {Degrees(10.64, 59.1), Degrees(179.9, -40.0)}) {
        Show(1000000, centre, 0.0);
        GeoRect area;
        ASSERT_EQ(view_.VisibleGeoRect(window, area), 1);
        if (centre == Degrees(10.64, 59.1))
            upright = area;
        EXPECT_NEAR(area.x1, corner({0, 600}).x, 2) << Text(centre);
        EXPECT_NEAR(area.y1, corner({0, 600}).y, 2) << Text(centre);
        EXPECT_NEAR(area.x2, corner({800, 0}).x, 2) << Text(centre);
        EXPECT_NEAR(area.y2, corner({800, 0}).y, 2) << Text(centre);
    }
    GeoRect across;
    ASSERT_EQ(view_.VisibleGeoRect(window, across), 1);
    EXPECT_GT(across.x1, across.x2) << "the window crosses the antimeridian";

    Show(1000000, Degrees(10.64, 59.1), 90.0);
    GeoRect turned;
    ASSERT_EQ(view_.VisibleGeoRect(window, turned), 1);
    for (const ScreenPoint p : {ScreenPoint{1, 1}, ScreenPoint{799, 1}, ScreenPoint{1, 599}, ScreenPoint{799, 599}})
        EXPECT_TRUE(cmgbase::cross__GeoPoint_GeoRect(corner(p), turned)) << p.x << ", " << p.y;
    EXPECT_GT(turned.y2 - turned.y1, upright.y2 - upright.y1) << "turned a quarter, the window's width runs north";
}

}  // namespace
