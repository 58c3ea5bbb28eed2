// Chart levels over a real chart database: the level each action leads to, the scale the view is
// given and the one shown, and the band buttons the chart at the centre enables.

#include "ChartWindowFixture.h"

#include "chart/ChartHooks.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "sensors/OwnShipState.h"

#include <QAbstractButton>
#include <QLabel>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace charttest;

namespace {

enum class Act { Level, ZoomIn, ZoomOut, Band, Auto };

struct Step {
    Act act;
    int32_t value = 0;
};

constexpr Step ZoomIn{Act::ZoomIn};
constexpr Step ZoomOut{Act::ZoomOut};
constexpr Step Auto{Act::Auto};
constexpr Step Level(int32_t level) { return {Act::Level, level}; }
constexpr Step Band(int32_t band) { return {Act::Band, band}; }

constexpr unsigned Bands04 = 0x11;  // world base and the approach cell
constexpr unsigned Bands05 = 0x21;
constexpr unsigned Band0 = 0x01;

struct LevelCase {
    const char* name;
    cmgbase::GeoPoint at;  // the view's centre and the own ship
    std::vector<Step> steps;
    int32_t level;
    const char* caption;
    int32_t viewScale;
    double viewZoom;
    int checkedBand;
    unsigned enabledBands;
    bool overZoomed;
};

class ChartLevelsTest : public ChartWindowTest {
protected:
    void Run(const std::vector<Step>& steps)
    {
        for (const Step& step : steps)
            switch (step.act) {
            case Act::Level:
                window.chartLevel = step.value;
                SetChartLevel(window);
                break;
            case Act::ZoomIn: ZoomChartIn(window); break;
            case Act::ZoomOut: ZoomChartOut(window); break;
            case Act::Band: SelectUsageBand(window, step.value); break;
            case Act::Auto:
                window.controls.AutoBtn->setChecked(true);
                if (const std::optional<int32_t> band = AutoZoneBand(window, OwnShip.referencePosition))
                    SelectUsageBand(window, *band);
                break;
            }
    }

    // The start-up: level 16 at the position.
    void StartAt(const cmgbase::GeoPoint& at)
    {
        MainMapView->SetCentre(at);
        OwnShip.referencePosition = at;
        Run({Level(16)});
    }
};

TEST_F(ChartLevelsTest, EachActionGivesItsLevelScaleAndButtons)
{
    const double over20M = 1.0 / 20000000;
    const LevelCase cases[] = {
        {"start-up", kInApproachCell, {}, 16, "1:20M", 20000000, 1.0, 0, Bands04, false},
        {"set level 0", kInApproachCell, {Level(0)}, 0, "1:1500", 1500, 1.0, 4, Bands04, true},
        {"zoom in at level 0 does nothing", kInApproachCell, {Level(0), ZoomIn}, 0, "1:1500", 1500, 1.0, 4, Bands04, true},
        {"zoom in beyond the band", kInApproachCell, {ZoomIn}, 15, "1:3 M", 20000000, 3000000 * over20M, 0, Bands04, true},
        {"zoom in down to level 0 and once more", kInApproachCell, std::vector<Step>(17, ZoomIn), 0, "1:1500", 20000000,
         1500 * over20M, 0, Bands04, true},
        {"level 8 from a zoomed view", kInApproachCell, {ZoomIn, Level(8)}, 8, "1:50000", 60000, 0.8333, 4, Bands04, true},
        {"level 8 from level 13", kInApproachCell, {Level(13), Level(8)}, 8, "1:50000", 60000, 0.8333, 4, Bands04, true},
        {"level 13 from a zoomed view", kInApproachCell, {ZoomIn, Level(13)}, 13, "1:500000", 600000, 0.8333, 0, Bands04,
         true},
        {"zoom in from level 13", kInApproachCell, {Level(13), ZoomIn}, 12, "1:300000", 20000000, 300000 * over20M, 0,
         Bands04, true},
        {"zoom in from level 8", kInHarbourCell, {Level(8), ZoomIn}, 7, "1:30000", 20000000, 30000 * over20M, 0, Bands05,
         true},
        {"zoom in within the band", kInApproachCell, {Level(10), ZoomIn}, 9, "1:75000", 75000, 1.0, 4, Bands04, true},
        {"zoom out beyond the band", kInApproachCell, {Level(10), ZoomOut}, 11, "1:150000", 100000, 1.5, 4, Bands04,
         false},
        {"zoom in to level 14", kInApproachCell, {ZoomIn, ZoomIn}, 14, "1:1 M", 20000000, 1000000 * over20M, 0, Bands04,
         true},
        {"zoom out to level 14", kInApproachCell, {Level(13), ZoomOut}, 14, "1:1 M", 20000000, 1000000 * over20M, 0,
         Bands04, true},
        {"zoom out to level 17", kOpenSea, {ZoomOut}, 17, "1:100 M", 100000000, 1.0, 0, Band0, false},
        {"zoom out at level 17 does nothing", kOpenSea, {ZoomOut, ZoomOut}, 17, "1:100 M", 100000000, 1.0, 0, Band0, false},
        {"zoom in from level 17", kOpenSea, {ZoomOut, ZoomIn}, 16, "1:20M", 20000000, 1.0, 0, Band0, false},
        {"coastal band button", kInApproachCell, {Band(4)}, 10, "1:100000", 100000, 1.0, 4, Bands04, false},
        {"auto in the cell", kInApproachCell, {Auto}, 10, "1:100000", 100000, 1.0, 4, Bands04, false},
        {"auto in the cell never zooms out", kInApproachCell, {Level(5), Auto}, 5, "1:15000", 15000, 1.0, 4, Bands04, true},
        {"auto in the harbour cell", kInHarbourCell, {Level(8), Auto}, 7, "1:30000", 30000, 1.0, 5, Bands05, false},
        {"auto in the harbour cell finer than 1:50000", kInHarbourCell, {Level(7), Auto}, 7, "1:30000", 30000, 1.0, 5,
         Bands05, false},
        {"auto outside the cells", kOpenSea, {Level(5), Auto}, 16, "1:20M", 20000000, 1.0, 0, Band0, false},
    };
    for (const LevelCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        StartAt(c.at);
        Run(c.steps);
        EXPECT_EQ(window.chartLevel, c.level);
        EXPECT_EQ(window.controls.ZoomPanel->text().toStdString(), c.caption);
        EXPECT_EQ(MainMapView->scale, c.viewScale);
        EXPECT_NEAR(MainMapView->zoomX, c.viewZoom, 1e-12);
        EXPECT_EQ(MainMapView->zoomY, MainMapView->zoomX);
        EXPECT_EQ(CheckedBand(), c.checkedBand);
        EXPECT_EQ(EnabledBands(), c.enabledBands);
        EXPECT_EQ(ZoomPanelWarns(), c.overZoomed);
        EXPECT_TRUE(messages.empty());
    }
}

TEST_F(ChartLevelsTest, ZoomingOutToLevel17CentresTheChartOnTheEquatorAtItsLongitude)
{
    StartAt(kInApproachCell);
    ZoomChartOut(window);
    ASSERT_EQ(window.chartLevel, 17);
    EXPECT_EQ(MainMapView->centre.x, kInApproachCell.x);
    EXPECT_EQ(MainMapView->centre.y, 0);
}

TEST_F(ChartLevelsTest, LevelsOutsideTheTableAreOnlyBroughtBack)
{
    StartAt(kInApproachCell);
    for (const auto& [set, kept] : {std::pair{-1, 0}, std::pair{18, 17}}) {
        window.chartLevel = set;
        SetChartLevel(window);
        EXPECT_EQ(window.chartLevel, kept);
        EXPECT_EQ(MainMapView->scale, 20000000) << "nothing applied";
    }
    for (const auto& [set, kept] : {std::pair{-3, 0}, std::pair{17, 16}}) {
        window.miniChartLevel = set;
        SetMiniChartLevel(window);
        EXPECT_EQ(window.miniChartLevel, kept);
    }
    window.miniChartLevel = 16;
    SetMiniChartLevel(window);
    EXPECT_EQ(MiniMapView->scale, 20000000);
    EXPECT_FALSE(window.MiniChartBitmap.isNull()) << "the mini chart was drawn";
}

TEST_F(ChartLevelsTest, ALevelTheViewRefusedIsAppliedWhenChosenAgain)
{
    StartAt(kInApproachCell);
    MainMapView->Release();
    window.chartLevel = 10;
    SetChartLevel(window);
    EXPECT_EQ(messages, (std::vector<std::pair<int32_t, uint32_t>>{{9, MapMessageExclamation}}));
    EXPECT_EQ(window.mainScale, 20000000) << "the scale the view kept";

    ASSERT_EQ(MainMapView->Init(0, ChartEngine), 1);
    SetChartLevel(window);
    EXPECT_EQ(MainMapView->scale, 100000);
    EXPECT_EQ(window.mainScale, 100000);
}

TEST_F(ChartLevelsTest, ARefusedZoomLeavesLevelAndViewAsTheyWere)
{
    StartAt(kInApproachCell);
    MainMapView->pixelsPerMetreX = 1e9;  // zoomed in, more device pixels per metre than int32 holds
    ZoomChartIn(window);
    EXPECT_EQ(messages, (std::vector<std::pair<int32_t, uint32_t>>{{8, MapMessageExclamation}}));
    EXPECT_EQ(window.chartLevel, 16);
    EXPECT_EQ(window.controls.ZoomPanel->text(), "1:20M");
    EXPECT_EQ(MainMapView->scale, 20000000);
    EXPECT_EQ(MainMapView->zoomX, 1.0);
}

TEST_F(ChartLevelsTest, AZoomWhileAutoIsDownLeavesThePaintToTheTimers)
{
    StartAt(kInApproachCell);
    window.controls.AutoBtn->setChecked(true);
    ZoomChartIn(window);
    EXPECT_EQ(window.ZoomPaintHold, 1) << "the redraw ran and left the paint to the timers";
    window.ZoomPaintHold = 0;
    SelectUsageBand(window, 0);
    EXPECT_EQ(window.ZoomPaintHold, 0) << "the global band is shown at once";
    SelectUsageBand(window, 4);
    EXPECT_EQ(window.ZoomPaintHold, 1);
}

TEST_F(ChartLevelsTest, TheThreeDViewScaleFollowsTheVisibleHeightWithinTheTable)
{
    StartAt(kInApproachCell);
    window.threeDViewMode = true;
    window.controls.AutoBtn->setChecked(true);
    for (const float factor : {0.0f, 1e-9f, 1e9f}) {
        SCOPED_TRACE(factor);
        window.threeDAutoScale = factor;
        window.threeDRedrawPending = true;
        SetChartLevel(window);
        EXPECT_FALSE(window.threeDRedrawPending);
        EXPECT_GE(MainMapView->scale, 1500);
        EXPECT_LE(MainMapView->scale, 100000000);
        EXPECT_GE(window.chartLevel, 0);
        EXPECT_LE(window.chartLevel, 16);
    }
    EXPECT_EQ(window.threeDAutoScale, 1e9f);

    // Before any redraw the view has no height: the level's own scale is taken.
    ViewGeoRect = {};
    window.threeDAutoScale = 1.0f;
    window.threeDRedrawPending = true;
    window.chartLevel = 10;
    SetChartLevel(window);
    EXPECT_EQ(MainMapView->scale, 100000);
    EXPECT_EQ(window.controls.ZoomPanel->text(), "1:100000");
}

TEST(ScaleCaptionTest, TableScalesHaveTheirCaptionsAndOtherScalesTheirNumber)
{
    EXPECT_EQ(ScaleCaption(22000), "1:22000");
    EXPECT_EQ(ScaleCaption(1000000), "1:1M");
    EXPECT_EQ(ScaleCaption(3000000), "1:3M");
    EXPECT_EQ(ScaleCaption(20000000), "1:20M");
    EXPECT_EQ(ScaleCaption(100000000), "1:100 M");
    EXPECT_EQ(ScaleCaption(2345678), "1:2345678");
    EXPECT_EQ(ZoomCaption(14, 999), "1:1 M");
    EXPECT_EQ(ZoomCaption(17, 999), "1:100 M");
    EXPECT_EQ(ZoomCaption(13, 500000), "1:500000");
}

}  // namespace
