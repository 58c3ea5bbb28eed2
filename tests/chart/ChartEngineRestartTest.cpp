// An engine call that fails while the chart is drawn or its presentation applied: the engine is
// built again once, the views show what they showed, and a failure that lasts ends in one fatal
// message instead of a chain of restarts.

#include "ChartWindowFixture.h"

#include "chart/ChartEngineRestart.h"
#include "chart/ChartHooks.h"
#include "chart/ChartLevels.h"
#include "chart/ChartPresentation.h"
#include "chart/ChartRedraw.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/ObjectClassCodes.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace charttest;

namespace {

constexpr int NightPalette = 4;
constexpr int NightScheme = 4;

class ChartEngineRestartTest : public ChartWindowTest {
protected:
    // Night colours, the standard presentation, a layer off and the view at 1:22000 over the
    // approach cell, turned by 30 degrees.
    void ShowNightChart()
    {
        window.controls.Daylight->setCurrentIndex(NightPalette);
        window.controls.cklChart->item(8)->setCheckState(Qt::Unchecked);
        MainMapView->SetDisplayCategory(1);
        MainMapView->SetCentre(kInApproachCell);
        window.viewRotation = 30.0f;
        ApplyPresentation(window, true, true, PresentationColours);
        window.chartLevel = 6;
        SetChartLevel(window);
    }

};

TEST_F(ChartEngineRestartTest, AFailedCallRestartsOnceAndTheViewShowsWhatItShowed)
{
    ShowNightChart();
    const MapViewState shown = MainMapView->ViewState();
    const ChartColourTable nightColours = MainMapView->chartColourTable;
    MainMapView->colours = nullptr;  // the engine refuses the colour table from now on

    EXPECT_FALSE(ApplyPresentation(window, true, true, PresentationColours));

    EXPECT_EQ(restartReasons, std::vector<std::string>{"GetStandardPalette"});
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(deepestEngineStart, 1);
    ASSERT_NE(MainMapView, nullptr);
    const MapViewState now = MainMapView->ViewState();
    EXPECT_EQ(now.centre, shown.centre);
    EXPECT_EQ(now.scale, shown.scale);
    EXPECT_EQ(now.zoomX, shown.zoomX);
    EXPECT_EQ(now.rotation, 30.0);
    EXPECT_EQ(MainMapView->displayCategory, 1);
    EXPECT_EQ(MainMapView->chartColourTable, nightColours);
    ChartColourTable night{};
    ASSERT_EQ(MainMapView->ReadColourTable(NightScheme, night), 1);
    AdjustChartColours(night, NightPalette);
    EXPECT_EQ(MainMapView->chartColourTable, night);
    EXPECT_EQ(MiniMapView->chartColourTable, night);
    EXPECT_EQ(MainMapView->objectClassTable[ObjectClassSlot(20)], 0) << "the layer that is off stays off";
    EXPECT_EQ(window.controls.ZoomPanel->text(), "1:22000");

    // The restored chart is drawn and the level still applies.
    EXPECT_FALSE(window.MainChartBitmap.isNull());
    window.chartLevel = 7;
    SetChartLevel(window);
    EXPECT_EQ(MainMapView->scale, 30000);
}

TEST_F(ChartEngineRestartTest, ALastingFailureIsTriedOnceMoreThenReportedOnce)
{
    ShowNightChart();
    // Every new engine refuses the main view's presentation.
    sabotage = [] { ChartEngine->symbolizationRegistry.reset(); };
    window.mainResizePending = true;
    MainMapView->viewPalette.reset();
    RedrawChart(window, true);

    EXPECT_EQ(restartReasons, (std::vector<std::string>{"GetPalette 1", "SetPres 1"}));
    EXPECT_EQ(deepestEngineStart, 1) << "no restart inside a restart";
    EXPECT_EQ(messages, (std::vector<std::pair<int32_t, uint32_t>>{{14, MapMessageStop}}));
    EXPECT_FALSE(window.engineRestarting);
    EXPECT_TRUE(window.engineFailure.empty());
}

TEST_F(ChartEngineRestartTest, AFailureOfTheFirstStartIsTakenUpByTheFirstRedraw)
{
    sabotage = [] { ChartEngine->symbolizationRegistry.reset(); };
    StartEngine("");
    EXPECT_EQ(window.engineFailure, "SetPres 1");
    sabotage = nullptr;
    window.chartLevel = 10;
    SetChartLevel(window);
    EXPECT_EQ(restartReasons, std::vector<std::string>{"SetPres 1"});
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(MainMapView->state, 1);
    EXPECT_TRUE(window.engineFailure.empty());
}

}  // namespace
