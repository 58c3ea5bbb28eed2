#include "platform/chartengine/GeoProjection.h"
#include "platform/chartengine/MapViewport.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace chartengine;
using cmgbase::GeoPoint;
using cmgbase::MetricPoint;

namespace {

// The scales of the chart levels 0..17.
constexpr int32_t kChartLevelScales[] = {1500,   3000,   5000,   7500,    10000,   15000,   22000,   30000,    50000,
                                         75000,  100000, 150000, 300000,  500000, 1000000, 3000000, 20000000, 100000000};

GeoPoint Degrees(double longitude, double latitude) { return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)}; }

struct View {
    std::shared_ptr<GeoProjection> projection = std::make_shared<GeoProjection>();
    MapViewport viewport{projection};

    View(int32_t scale, GeoPoint centre, double rotation, int32_t pixelsPerMetre = 3404)
    {
        ProjectionBlock block;
        EXPECT_EQ(projection->GetBlock(&block), kOk);
        block.scale = scale;
        block.centre = centre;
        block.devicePixelsPerMetreX = block.devicePixelsPerMetreY = pixelsPerMetre;
        EXPECT_EQ(projection->PutBlock(block), kOk);
        EXPECT_EQ(projection->SetRotation(rotation), kOk);
    }

    DevicePoint toDevice(const GeoPoint& p) const
    {
        MetricPoint metric;
        EXPECT_EQ(projection->GeoToMetric(p, &metric), kOk);
        DevicePoint device;
        EXPECT_EQ(viewport.MetricToDevice(&metric, 1, &device), kOk);
        return device;
    }

    GeoPoint toGeo(const DevicePoint& d) const
    {
        MetricPoint metric;
        EXPECT_EQ(viewport.DeviceToMetric(d, &metric), kOk);
        GeoPoint p;
        EXPECT_EQ(projection->MetricToGeo(metric, &p), kOk);
        return p;
    }
};

TEST(GeoProjection, ScreenPointsComeBackWithinOnePixelAtEveryChartLevel)
{
    const GeoPoint centres[] = {Degrees(-76.4, 38.7), Degrees(179.99, -45.0), Degrees(10.64, 59.1)};
    for (const int32_t scale : kChartLevelScales)
        for (const GeoPoint& centre : centres)
            for (const double rotation : {0.0, 37.5}) {
                const View view(scale, centre, rotation);
                for (int x = -960; x <= 960; x += 240)
                    for (int y = -540; y <= 540; y += 180) {
                        // At the smallest scales the window shows more than the earth: only points
                        // within a quarter of the earth from the centre have one position.
                        const double groundMetres = std::hypot(x, y) / 3404.0 * scale;
                        if (groundMetres > 9.0e6)
                            continue;
                        const DevicePoint back = view.toDevice(view.toGeo({x, y}));
                        EXPECT_LE(std::abs(back.x - x), 1) << scale << " " << x << "," << y;
                        EXPECT_LE(std::abs(back.y - y), 1) << scale << " " << x << "," << y;
                    }
            }
}

TEST(GeoProjection, PositionsComeBackWithinTheGroundSizeOfAPixel)
{
    for (const int32_t scale : kChartLevelScales) {
        const GeoPoint centre = Degrees(-76.4, 38.7);
        const View view(scale, centre, 0.0);
        // One pixel of 1/3404 m on the display is scale / 3404 m on the ground.
        const double pixelDegrees = scale / 3404.0 / 111000.0;
        for (const auto& [dx, dy] : {std::pair{0.001, 0.001}, {-0.002, 0.0005}, {0.0, -0.003}}) {
            const double spread = std::max(1.0, scale / 20000.0);
            const GeoPoint p = Degrees(-76.4 + dx * spread, 38.7 + dy * spread);
            const GeoPoint back = view.toGeo(view.toDevice(p));
            EXPECT_LE(std::abs(cmgbase::nrm2deg(back.x) - cmgbase::nrm2deg(p.x)) * std::cos(38.7 * M_PI / 180),
                      pixelDegrees) << scale;
            EXPECT_LE(std::abs(cmgbase::nrm2deg(back.y) - cmgbase::nrm2deg(p.y)), pixelDegrees) << scale;
        }
    }
}

TEST(GeoProjection, ScaleIsTrueAtTheCentreAndNorthIsUp)
{
    const View view(100000, Degrees(-76.4, 38.7), 0.0, 10000);
    // A nautical mile north of the centre: 1852 m / 100000 on the display, 1 metric unit = 0.1 mm.
    GeoPoint north;
    ASSERT_EQ(cmgbase::DirPosComputation(Degrees(-76.4, 38.7), &north, 0.0, 1.0, 0), 0);
    MetricPoint metric;
    ASSERT_EQ(view.projection->GeoToMetric(north, &metric), kOk);
    EXPECT_NEAR(metric.y, 185, 2);
    EXPECT_EQ(metric.x, 0);

    const View headUp(100000, Degrees(-76.4, 38.7), 90.0, 10000);
    const GeoPoint east = Degrees(-76.4 + 0.01, 38.7);
    ASSERT_EQ(headUp.projection->GeoToMetric(east, &metric), kOk);
    EXPECT_EQ(metric.x, 0);
    EXPECT_GT(metric.y, 0);
}

TEST(GeoProjection, RectangleAcrossTheAntimeridianWrapsAndAWiderOneSpansTheEarth)
{
    const View view(1000000, Degrees(179.9, 0.0), 0.0, 10000);
    cmgbase::GeoRect area;
    MetricRect rect{-20000, -20000, 20000, 20000};
    ASSERT_EQ(view.projection->MetricRectToGeoRect(rect, &area), kOk);
    EXPECT_GT(area.x1, area.x2);
    EXPECT_GT(area.x1, 0);
    EXPECT_LT(area.x2, 0);

    const View world(100000000, Degrees(0.0, 0.0), 0.0, 10000);
    ASSERT_EQ(world.projection->MetricRectToGeoRect({-INT32_MAX, -10000, INT32_MAX, 10000}, &area), kOk);
    EXPECT_EQ(area.x1, -INT32_MAX);
    EXPECT_EQ(area.x2, INT32_MAX);
}

TEST(GeoProjection, RefusesBlocksItCannotProjectWith)
{
    GeoProjection projection;
    ProjectionBlock good;
    ASSERT_EQ(projection.GetBlock(&good), kOk);
    EXPECT_EQ(good.engineWords[0], kMercatorProjection);
    for (const auto change : {+[](ProjectionBlock& b) { b.scale = 0; }, +[](ProjectionBlock& b) { b.devicePixelsPerMetreX = 0; },
                              +[](ProjectionBlock& b) { b.centre.y = cmgbase::deg2nrm(90.0); }}) {
        ProjectionBlock bad = good;
        change(bad);
        EXPECT_EQ(projection.PutBlock(bad), kInvalidArgument);
        ProjectionBlock now;
        ASSERT_EQ(projection.GetBlock(&now), kOk);
        EXPECT_EQ(now.scale, good.scale);
        EXPECT_EQ(now.devicePixelsPerMetreX, good.devicePixelsPerMetreX);
    }
    MetricPoint metric;
    EXPECT_EQ(projection.GeoToMetric(Degrees(0.0, 89.9), &metric), kFail);
    EXPECT_EQ(projection.SetRotation(NAN), kInvalidArgument);
}

TEST(GeoProjection, DrawBlockWindowHoldsTheCover)
{
    const View view(50000, Degrees(-76.4, 38.7), 0.0, 5000);
    cmgbase::GeoCover cover;
    cmgbase::GeoCover__asn_GeoRect(cover, {Degrees(-76.41, 38.69).x, Degrees(-76.41, 38.69).y, Degrees(-76.39, 38.71).x,
                                           Degrees(-76.39, 38.71).y});
    DrawBlock block;
    ASSERT_EQ(view.projection->FillDrawBlock(cover, &block), kOk);
    EXPECT_EQ(block.projection, view.projection.get());
    const DevicePoint sw = view.toDevice(Degrees(-76.41, 38.69));
    const DevicePoint ne = view.toDevice(Degrees(-76.39, 38.71));
    EXPECT_LE(block.window.left, sw.x);
    EXPECT_GE(block.window.right, ne.x);
    EXPECT_LE(block.window.bottom, sw.y);
    EXPECT_GE(block.window.top, ne.y);
    EXPECT_LE(block.window.right - block.window.left, ne.x - sw.x + 2);
    EXPECT_EQ(view.projection->FillDrawBlock(cmgbase::GeoCover{}, &block), kInvalidArgument);
}

TEST(MapViewport, AdjustsAndConvertsRectangles)
{
    const View view(1000000, Degrees(0.0, 0.0), 0.0, 5000);
    MetricRect rect;
    ASSERT_EQ(view.viewport.DeviceRectToMetric({-400, 300, 400, -300}, &rect), kOk);
    EXPECT_EQ(rect, (MetricRect{-800, -600, 800, 600}));
    MetricRect huge{INT32_MAX, INT32_MAX, -INT32_MAX, -INT32_MAX};
    ASSERT_EQ(view.viewport.AdjustMetricRect(&huge), kOk);
    MetricRect valid;
    ASSERT_EQ(view.projection->ValidMetricRect(&valid), kOk);
    EXPECT_EQ(huge, valid);
    EXPECT_EQ(view.viewport.MetricToDevice(nullptr, 0, nullptr), kOk);
    EXPECT_EQ(view.viewport.MetricToDevice(nullptr, -1, nullptr), kInvalidArgument);
}

}  // namespace
