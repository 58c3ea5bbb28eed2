// The main and the mini chart drawn into their bitmaps over a real chart database: real pixels
// against a reference picture, the centre pixel shared with the screen-point conversions, and
// what the redraw publishes for the overlays.

#include "ChartWindowFixture.h"

#include "chart/ChartHooks.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "chart/ObjectClassCodes.h"

#include <QListWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

using namespace charttest;

namespace {

const cmgbase::GeoPoint kHarbourEntrance = Degrees(-76.45, 38.97);

std::filesystem::path ReferencePicture(const std::string& name)
{
    return std::filesystem::path(VARNIK_FIXTURES_DIR) / "chart" / name;
}

// The share of pixels whose colour differs in any component by more than 16.
double DifferingShare(const QImage& a, const QImage& b, const QRect& area)
{
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 16 || std::abs(qGreen(p) - qGreen(q)) > 16 ||
                std::abs(qBlue(p) - qBlue(q)) > 16)
                ++differing;
        }
    return double(differing) / (area.width() * area.height());
}

class ChartRedrawTest : public ChartWindowTest {
protected:
    void ShowAt(const cmgbase::GeoPoint& at, int32_t level, int width, int height)
    {
        window.controls.CM93->resize(width, height);
        MainMapView->SetCentre(at);
        window.chartLevel = level;
        SetChartLevel(window);
    }
};

TEST_F(ChartRedrawTest, TheApproachAt1To22000LooksAsItDid)
{
    ShowAt(kHarbourEntrance, 6, 400, 300);
    const QImage chart = window.MainChartBitmap.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(chart.size(), QSize(400, 300));
    const QImage reference =
        QImage(QString::fromStdString(ReferencePicture("approach-22000-day.png").string())).convertToFormat(QImage::Format_RGB32);
    const bool alike = reference.size() == chart.size() && DifferingShare(chart, reference, chart.rect()) <= 0.01;
    if (!alike)
        chart.save(QString::fromStdString((std::filesystem::temp_directory_path() / "approach-22000-day.png").string()));
    EXPECT_TRUE(alike) << "the picture drawn now is in the temporary folder";
}

TEST_F(ChartRedrawTest, AnOddWindowDrawsAroundTheSameCentrePixelAsTheConversions)
{
    ShowAt(kHarbourEntrance, 6, 400, 300);
    const QImage even = window.MainChartBitmap.copy();
    window.controls.CM93->resize(401, 301);
    RedrawChart(window, true);
    ASSERT_EQ(window.MainChartBitmap.size(), QSize(401, 301));
    ASSERT_EQ(window.chartCentreX, 200);
    ASSERT_EQ(window.chartCentreY, 150);
    ScreenPoint pixel{};
    ASSERT_EQ(MainMapView->GeoToScreen(window.chartRect, MainMapView->centre, pixel), 1);
    EXPECT_EQ(pixel.x, window.chartCentreX);
    EXPECT_EQ(pixel.y, window.chartCentreY);
    // The same chart under the same pixels: only labels and symbols cut by the edges may differ.
    EXPECT_LE(DifferingShare(window.MainChartBitmap, even, QRect(20, 20, 360, 260)), 0.002);
}

TEST_F(ChartRedrawTest, TheRedrawPublishesTheVisibleAreaAndThePixelsPerMile)
{
    ShowAt(kHarbourEntrance, 6, 400, 300);
    cmgbase::GeoRect visible;
    ASSERT_EQ(MainMapView->VisibleGeoRect(window.chartRect, visible), 1);
    EXPECT_EQ(ViewGeoRect, visible);
    EXPECT_LT(ViewRectDegrees.west, -76.45 * 600000 - 9600000);
    EXPECT_GT(ViewRectDegrees.north, 38.97 * 600000 + 4800000);
    // 1:22000 at 5000 pixels per metre: 1852 m are 420.9 pixels, shortened by the latitude's
    // Mercator stretch along the top edge.
    EXPECT_NEAR(PixelsPerMile, 1852.0 / 22000 * 5000, 2.0);

    // The mini chart draws its own view and leaves the main chart's area alone.
    window.miniLayoutPending = true;
    window.miniChartLevel = 12;
    SetMiniChartLevel(window);
    EXPECT_FALSE(window.MiniChartBitmap.isNull());
    EXPECT_EQ(ViewGeoRect, visible);

    // A view that cannot measure keeps the last good value.
    const float measured = PixelsPerMile;
    MainMapView->Release();
    RedrawChart(window, true);
    EXPECT_EQ(PixelsPerMile, measured);
}

TEST_F(ChartRedrawTest, ARedrawOverAReliefPictureHidesTheDepthAreasUntilTheNextFullRedraw)
{
    ShowAt(kHarbourEntrance, 6, 400, 300);
    window.controls.cklChart->item(8)->setCheckState(Qt::Unchecked);
    RedrawChart(window, false);
    const ObjectClassTable& table = MainMapView->objectClassTable;
    for (const int32_t code : {42, 86, 154, 20, 21, 22, 92, 93, 94})
        EXPECT_EQ(table[ObjectClassSlot(code)], 0) << code;
    RedrawChart(window, true);
    for (const int32_t code : {42, 86, 154})
        EXPECT_EQ(table[ObjectClassSlot(code)], 1) << code;
    EXPECT_EQ(table[ObjectClassSlot(20)], 0) << "the layer that is off stays hidden";
}

TEST_F(ChartRedrawTest, AWindowWithoutAreaIsNoEngineFailure)
{
    ShowAt(kHarbourEntrance, 6, 0, 0);
    EXPECT_TRUE(window.MainChartBitmap.isNull());
    EXPECT_TRUE(restartReasons.empty());
    EXPECT_TRUE(messages.empty());

    window.controls.CM93mini->resize(158, 8);
    window.miniLayoutPending = true;
    window.miniChartLevel = 12;
    SetMiniChartLevel(window);
    EXPECT_TRUE(window.MiniChartBitmap.isNull());
    EXPECT_TRUE(window.controls.pnMiniAuto->isHidden()) << "a mini chart too low for a chart hides its controls";
    EXPECT_TRUE(restartReasons.empty());
}

TEST_F(ChartRedrawTest, ARedrawAskedForDuringARedrawIsLeftToTheNextTick)
{
    ShowAt(kHarbourEntrance, 6, 400, 300);
    window.chartRedrawRequest = false;
    window.threeDViewMode = true;
    window.threeDRedrawPending = true;
    window.chartLevel = 8;  // the level whose change never finds the view at its scale
    RedrawChart(window, true);
    EXPECT_FALSE(window.threeDRedrawPending);
    EXPECT_TRUE(window.chartRedrawRequest) << "the level change inside the redraw asked for one more";
    EXPECT_EQ(MainMapView->scale, 60000);
    window.chartRedrawRequest = false;
    RedrawChart(window, true);
    EXPECT_FALSE(window.chartRedrawRequest);
}

}  // namespace
