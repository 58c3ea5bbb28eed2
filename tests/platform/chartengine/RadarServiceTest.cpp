// The chart radar over the installed bay (US4MD81M and the world base): an antenna in open water
// east of Annapolis, the Annapolis Harbor buoy 2 about 1.7 km south-west of it and the shore of
// Kent Island 4.6 km due east.

#include "platform/chartengine/ChartTestSupport.h"

#include "platform/chartengine/ChartRadar.h"
#include "platform/chartengine/GeoDatabase.h"
#include "platform/chartengine/GeoProjection.h"
#include "platform/chartengine/MapViewport.h"
#include "platform/chartengine/RadarScene.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

using namespace chartengine;
using cmgbase::GeoPoint;

namespace {

constexpr double kAntennaLatitude = 38.95;
constexpr double kAntennaLongitude = -76.41;
constexpr double kSixMiles = 6 * 1852.0;
constexpr int kSide = 600;
const QRgb kWhite = qRgb(255, 255, 255);

GeoPoint Degrees(double longitude, double latitude) { return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)}; }

const GeoPoint kBuoy = Degrees(-76.4261103, 38.9418108);

// Counts the frames a radar reports.
struct FrameCounter : RadarFrameListener {
    int frames = 0;
    void OnNewFrame() override { ++frames; }
};

class RadarServiceTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        engine_ = new charttest::BayEngine;
        database_ = new GeoDatabase(engine_->engine());
        ASSERT_EQ(database_->Open(""), kOk);
    }
    static void TearDownTestSuite()
    {
        delete database_;
        delete engine_;
    }

    void SetUp() override
    {
        ProjectionBlock block;
        ASSERT_EQ(projection_->GetBlock(&block), kOk);
        block.scale = 100000;
        block.centre = Degrees(kAntennaLongitude, kAntennaLatitude);
        block.devicePixelsPerMetreX = block.devicePixelsPerMetreY = 4000;  // 40 px a kilometre
        ASSERT_EQ(projection_->PutBlock(block), kOk);
    }

    std::unique_ptr<ChartRadar> Radar(std::vector<GeoPoint> targets = {},
                                      const std::filesystem::path& rangeFile = "missing-Rp.ini")
    {
        auto radar = std::make_unique<ChartRadar>(database_, rangeFile, [targets] { return targets; });
        EXPECT_EQ(radar->PutProperty(RP_PROJECTION, std::shared_ptr<const GeoProjection>(projection_)), kOk);
        EXPECT_EQ(radar->PutProperty(RP_VIEWPORT, &viewport_), kOk);
        EXPECT_EQ(radar->PutProperty(RP_RANGE, kSixMiles), kOk);
        EXPECT_EQ(radar->PutProperty(RP_CLUTTER, Clutter(99, 99, 50)), kOk);
        EXPECT_EQ(radar->Start(&owner_), kOk);
        EXPECT_EQ(radar->PutOwnPosition(kAntennaLatitude, kAntennaLongitude, 0.0), kOk);
        return radar;
    }

    static int32_t Clutter(int32_t sea, int32_t rain, int32_t gain) { return sea + rain * 256 + gain * 65536; }

    // The radar's picture on a white view of kSide pixels centred on the antenna.
    QImage Shown(ChartRadar& radar)
    {
        QImage image(kSide, kSide, QImage::Format_ARGB32);
        image.fill(kWhite);
        QPainter painter(&image);
        painter.translate(kSide / 2.0, kSide / 2.0);
        painter.scale(1, -1);
        EXPECT_EQ(radar.Draw(painter), kOk);
        return image;
    }

    QPoint Pixel(const GeoPoint& position) const
    {
        cmgbase::MetricPoint metric;
        EXPECT_EQ(projection_->GeoToMetric(position, &metric), kOk);
        DevicePoint device;
        EXPECT_EQ(viewport_.MetricToDevice(&metric, 1, &device), kOk);
        return {kSide / 2 + device.x, kSide / 2 - device.y};
    }

    // The pixel metres east and north of the antenna.
    QPoint PixelAt(double east, double north) const
    {
        const LocalFrame frame(kAntennaLatitude, kAntennaLongitude);
        double latitude = 0, longitude = 0;
        frame.ToDegrees({east, north}, &latitude, &longitude);
        return Pixel(Degrees(longitude, latitude));
    }

    static int EchoesAround(const QImage& image, QPoint centre, int radius)
    {
        int count = 0;
        for (int y = centre.y() - radius; y <= centre.y() + radius; ++y)
            for (int x = centre.x() - radius; x <= centre.x() + radius; ++x)
                if (image.valid(x, y) && (x - centre.x()) * (x - centre.x()) + (y - centre.y()) * (y - centre.y()) <=
                                             radius * radius)
                    count += image.pixel(x, y) != kWhite;
        return count;
    }

    static inline charttest::BayEngine* engine_ = nullptr;
    static inline GeoDatabase* database_ = nullptr;
    std::shared_ptr<GeoProjection> projection_ = std::make_shared<GeoProjection>();
    MapViewport viewport_{projection_};
    QObject owner_;
};

// The same view over no chart: nothing to install.
class RadarWithoutChartTest : public RadarServiceTest {
protected:
    static void SetUpTestSuite() {}
    static void TearDownTestSuite() {}
};

TEST_F(RadarServiceTest, EchoesLieOnTheBuoyAndTheCoastFacingTheAntennaAndNotOnOpenWater)
{
    auto radar = Radar();
    radar->StepFrame();
    const QImage image = Shown(*radar);

    EXPECT_GT(EchoesAround(image, Pixel(kBuoy), 2), 0);
    // Open water all round the antenna out to 1.2 km: nothing with the clutter suppressed.
    EXPECT_EQ(EchoesAround(image, PixelAt(0, 0), 48), 0);

    // Due east: water up to the shore of Kent Island at 4.6 km, then land. The shore facing the
    // antenna is the strongest echo; the land behind it is weaker.
    EXPECT_EQ(image.pixel(PixelAt(3500, 0)), kWhite);
    double shore = 3500;
    while (shore < 7000 && image.pixel(PixelAt(shore, 0)) == kWhite)
        shore += 25;
    EXPECT_NEAR(shore, 4600, 150);
    const QRgb coast = image.pixel(PixelAt(shore + 25, 0));
    const QRgb behind = image.pixel(PixelAt(shore + 900, 0));
    ASSERT_NE(coast, kWhite);
    ASSERT_NE(behind, kWhite);
    EXPECT_GT(qGreen(coast), qGreen(behind));

    int echoes = 0;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == kWhite)
                continue;
            ++echoes;
            EXPECT_GT(qGreen(pixel), qRed(pixel));
            EXPECT_LT(qBlue(pixel), 255);
        }
    EXPECT_GT(echoes, 1000);

    ASSERT_EQ(radar->PutProperty(RP_PALETTE, int32_t(1)), kOk);
    radar->StepFrame();
    const QRgb red = Shown(*radar).pixel(PixelAt(shore + 25, 0));
    EXPECT_GT(qRed(red), qGreen(red));
    EXPECT_NE(red, kWhite);
}

TEST_F(RadarServiceTest, TargetsClutterFramesAndTurnsGiveWhatTheyShould)
{
    const GeoPoint target = Degrees(kAntennaLongitude, 38.975);  // 2.8 km north, open water
    auto withTarget = Radar({target});
    auto without = Radar();
    withTarget->StepFrame();
    without->StepFrame();
    EXPECT_GT(EchoesAround(Shown(*withTarget), Pixel(target), 2), 0);
    EXPECT_EQ(EchoesAround(Shown(*without), Pixel(target), 4), 0);

    // Sea clutter near the antenna with the sea setting at 0, none at 99; the same frame
    // number and settings give the same picture.
    auto other = Radar();
    for (auto* radar : {without.get(), other.get()})
        ASSERT_EQ(radar->PutProperty(RP_CLUTTER, Clutter(0, 99, 50)), kOk);
    without->StepFrame();
    other->StepFrame();
    other->StepFrame();
    const QImage cluttered = Shown(*without);
    EXPECT_TRUE(cluttered == Shown(*other));
    other->StepFrame();
    EXPECT_FALSE(cluttered == Shown(*other));
    EXPECT_GT(EchoesAround(cluttered, PixelAt(0, 0), 20), 100);
    EXPECT_EQ(EchoesAround(cluttered, PixelAt(-1000, 3000), 12), 0);

    // The orientation adjustment and the azimuth correction of the range file (65536 = 360
    // degrees) both turn the picture clockwise about the antenna.
    charttest::TemporaryFolder folder;
    const auto rangeFile = folder.path() / "Rp.ini";
    std::ofstream(rangeFile) << "[Radar]\r\nnMaxRange=10\r\nRange.6=6 NM,3\r\n[Scale3]\r\nAzimuthCorrection=16384\r\n"
                                "ADCStrobDelay=0\r\nDistanceCorrection=0\r\n";
    const LocalFrame frame(kAntennaLatitude, kAntennaLongitude);
    const QPointF buoy = frame.ToMetres(kBuoy);
    const QPoint turned = PixelAt(buoy.y(), -buoy.x());  // 90 degrees clockwise

    auto adjusted = Radar();
    ASSERT_EQ(adjusted->PutProperty(RP_ADJUSTORIENT, int32_t(90)), kOk);
    auto corrected = Radar({}, rangeFile);
    for (auto* radar : {adjusted.get(), corrected.get()}) {
        radar->StepFrame();
        const QImage image = Shown(*radar);
        EXPECT_GT(EchoesAround(image, turned, 2), 0);
        EXPECT_EQ(EchoesAround(image, Pixel(kBuoy), 3), 0);
    }
}

TEST_F(RadarWithoutChartTest, FramesComeFromTheMainLoopOnlyWhileRunningAndDrawNothingBeforeAPosition)
{
    ChartRadar radar(nullptr, "missing-Rp.ini", {});
    FrameCounter counter;
    uint32_t cookie = 0;
    ASSERT_EQ(radar.Advise(&counter, &cookie), kOk);
    ASSERT_EQ(radar.PutProperty(RP_PROJECTION, std::shared_ptr<const GeoProjection>(projection_)), kOk);
    ASSERT_EQ(radar.PutProperty(RP_VIEWPORT, &viewport_), kOk);
    RadarValue processor;
    EXPECT_EQ(radar.Start(nullptr), kInvalidArgument);
    ASSERT_EQ(radar.Start(&owner_), kOk);
    ASSERT_EQ(radar.GetProperty(RP_PROCESSOR, &processor), kOk);
    EXPECT_EQ(std::get<int32_t>(processor), 1);

    radar.StepFrame();
    EXPECT_EQ(counter.frames, 0);  // never inside the service's own call
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.frames, 1);
    QImage nothing = Shown(radar);
    EXPECT_EQ(EchoesAround(nothing, {kSide / 2, kSide / 2}, kSide), 0);

    radar.StepFrame();
    ASSERT_EQ(radar.Stop(), kOk);
    radar.StepFrame();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.frames, 1);

    ASSERT_EQ(radar.Start(&owner_), kOk);
    ASSERT_EQ(radar.Unadvise(cookie), kOk);
    EXPECT_EQ(radar.Unadvise(cookie), kInvalidArgument);
    radar.StepFrame();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.frames, 1);
}

TEST(RadarWithoutChart, PropertiesRangesAndPulseCodes)
{
    ChartRadar radar(nullptr, "missing-Rp.ini", {});
    RadarValue value;
    ASSERT_EQ(radar.GetProperty(RP_RANGETABLE, &value), kOk);
    const auto ranges = std::get<std::vector<double>>(value);
    ASSERT_EQ(radar.GetProperty(RP_RANGELABELS, &value), kOk);
    const auto labels = std::get<std::vector<std::string>>(value);
    ASSERT_EQ(ranges.size(), labels.size());
    EXPECT_DOUBLE_EQ(ranges.front(), 0.125 * 1852);
    EXPECT_DOUBLE_EQ(ranges.back(), 48 * 1852);
    EXPECT_EQ(labels.front(), "1/8 NM");

    struct Case {
        double range;
        int32_t pulse;
    };
    for (const Case& c : {Case{200, 4}, Case{13300, 6}, Case{16666.67, 6}, Case{40000, 7}, Case{3000, 5}}) {
        ASSERT_EQ(radar.PutProperty(RP_RANGE, c.range), kOk);
        ASSERT_EQ(radar.GetProperty(RP_FRAMEINFO, &value), kOk);
        EXPECT_EQ(std::get<int32_t>(value), c.pulse) << c.range;
    }
    EXPECT_EQ(radar.PutProperty(RP_RANGE, 0.0), kInvalidArgument);
    EXPECT_EQ(radar.PutProperty(RP_PALETTE, int32_t(2)), kInvalidArgument);
    EXPECT_EQ(radar.PutProperty(RP_CLUTTER, int32_t(100)), kInvalidArgument);
    EXPECT_EQ(radar.PutProperty(RP_DRAWMAXRANGE, int32_t(1)), kInvalidArgument);
    ASSERT_EQ(radar.GetProperty(RP_DRAWMAXRANGE, &value), kOk);
    EXPECT_EQ(std::get<int32_t>(value), 1);
    ASSERT_EQ(radar.GetProperty(RP_PROCESSOR, &value), kOk);
    EXPECT_EQ(std::get<int32_t>(value), 0);
    EXPECT_EQ(radar.PutOwnPosition(95.0, 0.0, 0.0), kInvalidArgument);
}

}  // namespace
