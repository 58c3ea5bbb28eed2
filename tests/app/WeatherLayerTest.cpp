// The weather layer in the started program over the bay with the shipped example forecast: the
// paint lays the ticked layers over each composed picture once, by their alpha.

#include "StartedProgram.h"

#include "app/TForm1.h"
#include "app/WeatherDisplay.h"
#include "chart/ChartRedraw.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/RegistryStore.h"
#include "radarweather/TWeatherDlg.h"
#include "radarweather/WeatherManager.h"

#include <QListWidget>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int kWind = 0, kTemperature = 1, kPressure = 3;

class WeatherLayerTest : public BayChartTest {
protected:
    void SetUp() override
    {
        BayChartTest::SetUp();
        LayOutProgramFolder(folder, engine(), "");
        charttest::WriteRegistry(platform::DefaultRegistryStoreFile(folder), engine(), true);
        std::filesystem::copy_file(std::filesystem::path(VARNIK_SOURCE_DIR) / "data" / "gribdata.grb",
                                   folder / "gribdata.grb");
        WeatherDlg = new TWeatherDlg;  // as the entry makes it, before the start-up wires it
        form = StartProgram(QSize(800, 600));
        ASSERT_TRUE(StartupDone);
        ASSERT_NE(WeatherService, nullptr);
        ASSERT_EQ(WeatherService->state(), 1) << WeatherService->ErrorText();
        // The example's area at a small scale.
        MainMapView->SetCentre({cmgbase::deg2nrm(-72.0), cmgbase::deg2nrm(37.5)});
        MainMapView->SetScale(20000000);
        RedrawChart(*form, true);
        form->WeatherBtn->setEnabled(true);
        form->WeatherBtn->click();
        ASSERT_TRUE(WeatherDlg->isVisible());
    }

    void TearDown() override
    {
        delete WeatherDlg;
        WeatherDlg = nullptr;
        if (form)
            StopProgram(form);
        BayChartTest::TearDown();
    }

    // Ticks exactly the dialog's items given, as the user's clicks leave them.
    void tick(std::initializer_list<int> items)
    {
        for (int i = 0; i < WeatherDlg->cklItem->count(); ++i)
            WeatherDlg->cklItem->item(i)->setCheckState(std::count(items.begin(), items.end(), i) ? Qt::Checked
                                                                                                 : Qt::Unchecked);
        WeatherDlg->cklItemClick();
    }

    QImage paint()
    {
        form->CM93Paint();
        return form->ChartBackBitmap.convertToFormat(QImage::Format_RGB32);
    }

    static int differing(const QImage& a, const QImage& b)
    {
        int count = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                count += a.pixel(x, y) != b.pixel(x, y);
        return count;
    }

    std::unique_ptr<TForm1> form;
};

// Wind and pressure ticked: the layer lies over the chart, laid once however often the chart is
// painted; another time step leaves no trace of the first; unticked, the chart is bare again.
TEST_F(WeatherLayerTest, TheTickedLayersLieOnceOnEachPicture)
{
    tick({});
    const QImage bare = paint();
    tick({kWind, kPressure});
    ASSERT_TRUE(WeatherService->SetActivePredictionIndex(0));
    const QImage first = paint();
    EXPECT_GT(differing(bare, first), 2000);
    EXPECT_EQ(paint(), first) << "a second paint of the same step lays nothing more";

    ASSERT_TRUE(WeatherService->SetActivePredictionIndex(96));  // two days later: the depression has moved
    const QImage later = paint();
    EXPECT_GT(differing(first, later), 500);
    ASSERT_TRUE(WeatherService->SetActivePredictionIndex(0));
    EXPECT_EQ(paint(), first) << "the later step left a trace";

    tick({kTemperature});
    EXPECT_EQ(paint(), bare) << "temperature is drawn with the chart, not laid over it";
    tick({});
    EXPECT_EQ(paint(), bare);
}

// The isobars' values are black on white boxes: every black pixel the client draws reaches the
// chart, by day and by night.
TEST_F(WeatherLayerTest, BlackStrokesOfTheLayerSurvive)
{
    tick({kPressure});
    ASSERT_TRUE(WeatherService->SetActivePredictionIndex(0));
    for (const int scheme : {0, 4}) {
        SCOPED_TRACE(scheme);
        ChartEngine->CreateChartPalette(scheme);
        const QImage picture = paint();
        const QImage layer = form->WeatherBitmap.convertToFormat(QImage::Format_ARGB32);
        int black = 0, lost = 0;
        for (int y = 0; y < layer.height(); ++y)
            for (int x = 0; x < layer.width(); ++x)
                if (layer.pixel(x, y) == qRgba(0, 0, 0, 255)) {
                    ++black;
                    lost += picture.pixel(x, y) != qRgb(0, 0, 0);
                }
        EXPECT_GT(black, 5) << "isobar values to look at";
        EXPECT_EQ(lost, 0) << "of " << black << " black pixels";
    }
}

}  // namespace
