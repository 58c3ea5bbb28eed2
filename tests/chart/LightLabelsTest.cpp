// The light labels of the chart picture: names from the manager's list and characteristics of
// the markers, each by its layer, restricted to one light by a filter, and none at level 13.

#include "ChartWindowFixture.h"

#include "chart/ChartLayerItems.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/LightLabels.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "platform/chartengine/PortrayalSettings.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QPainter>

#include <gtest/gtest.h>

#include <variant>

using namespace charttest;

namespace {

class LightLabelsTest : public ChartWindowTest {
protected:
    void SetUp() override
    {
        ChartWindowTest::SetUp();
        window.controls.CM93->resize(400, 300);
        MainMapView->SetCentre(Degrees(-76.44, 38.9));
        window.chartLevel = 6;
        SetChartLevel(window);
        ScreenPoint pixel;
        ASSERT_TRUE(MainMapView->GeoToScreen(window.chartRect, named, pixel));
        ASSERT_EQ(pixel.x, 200);
        ChartEngine->lightNameCount = 1;
        ChartEngine->lightNamePositions = {named};
        ChartEngine->lightNames = {"Alpha Light"};
        ChartMarker left, right;
        left.x = 100;
        right.x = 300;
        left.y = right.y = 200;
        left.character = right.character = 2;
        left.period = right.period = 4;
        left.position = Degrees(-76.45, 38.89);
        right.position = Degrees(-76.43, 38.89);
        window.chartMarkers = {left, right};
    }

    // Drawn pixels above the light of the list, right of each marker.
    std::array<int, 3> Labels(const std::optional<cmgbase::GeoPoint>& filter = std::nullopt)
    {
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(kPlain);
        {
            QPainter canvas(&picture);
            DrawLightLabels(window, canvas, filter);
        }
        const auto drawn = [&](const QRect& area) {
            int count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    count += picture.pixel(x, y) != kPlain;
            return count;
        };
        return {drawn(QRect(208, 120, 80, 30)), drawn(QRect(108, 200, 60, 14)), drawn(QRect(308, 200, 60, 14))};
    }

    void Layer(int item, bool on) { window.controls.cklChart->item(item)->setCheckState(on ? Qt::Checked : Qt::Unchecked); }

    const cmgbase::GeoPoint named = Degrees(-76.44, 38.9);
    static constexpr QRgb kPlain = 0xFF808080;
};

TEST_F(LightLabelsTest, NamesAndCharacteristicsFollowTheirLayers)
{
    std::array<int, 3> drawn = Labels();
    EXPECT_GT(drawn[0], 50);
    EXPECT_GT(drawn[1], 50);
    EXPECT_GT(drawn[2], 50);
    Layer(LightNamesItem, false);
    drawn = Labels();
    EXPECT_EQ(drawn[0], 0);
    EXPECT_GT(drawn[1], 50);
    Layer(LightCharacteristicsItem, false);
    EXPECT_EQ(Labels(), (std::array<int, 3>{0, 0, 0}));
    // A filter writes the one light's texts whatever the layers.
    drawn = Labels(window.chartMarkers[1].position);
    EXPECT_EQ(drawn[1], 0);
    EXPECT_GT(drawn[2], 50);
    drawn = Labels(named);
    EXPECT_GT(drawn[0], 50);
    EXPECT_EQ(drawn[2], 0);
}

// The chart's own light descriptions ("Fl G 4s") give way while the characteristic layer
// writes the labels.
TEST_F(LightLabelsTest, TheEngineDescriptionsGiveWayToTheCharacteristicLayer)
{
    const auto hidden = [this] {
        RedrawChart(window, true);
        const chartengine::ParameterValue* value = MainMapView->parameters.Find(chartengine::kLightDescriptionsHidden);
        const int32_t* flag = value ? std::get_if<int32_t>(value) : nullptr;
        return flag && *flag != 0;
    };
    EXPECT_TRUE(hidden());
    Layer(LightCharacteristicsItem, false);
    EXPECT_FALSE(hidden());
    Layer(LightCharacteristicsItem, true);
    window.chartLevel = 13;
    EXPECT_FALSE(hidden());
    const chartengine::PortrayalSettings settings = chartengine::PortrayalSettings::From(MainMapView->parameters);
    EXPECT_TRUE(settings.lightDescriptions);
    MainMapView->parameters.Set(chartengine::kLightDescriptionsHidden, int32_t(1));
    EXPECT_FALSE(chartengine::PortrayalSettings::From(MainMapView->parameters).lightDescriptions);
}

TEST_F(LightLabelsTest, NoneAtLevel13OrInTheBasePresentation)
{
    window.chartLevel = 13;
    EXPECT_EQ(Labels(), (std::array<int, 3>{0, 0, 0}));
    window.chartLevel = 6;
    window.controls.rbBase->setChecked(true);
    EXPECT_EQ(Labels(), (std::array<int, 3>{0, 0, 0}));
}

}  // namespace
