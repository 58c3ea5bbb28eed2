// The first start of the program in a fresh program folder laid out from data/ as scripts/run
// lays it out, without a dta.res of its own: the real start-up over the bay's chart database.

#include "SetupTestSupport.h"
#include "StartedProgram.h"

#include "app/DataSets.h"
#include "app/SetupLoad.h"
#include "app/TForm1.h"
#include "app/tools/ShippedSetup.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>

namespace {

const std::filesystem::path ShippedData = std::filesystem::path(VARNIK_SOURCE_DIR) / "data";

cmgbase::GeoPoint Degrees(double longitude, double latitude)
{
    return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
}

class FirstStartTest : public BayChartTest {
protected:
    void TearDown() override
    {
        StopProgram(form);
        BayChartTest::TearDown();
    }

    // What scripts/run lays out: everything of data/ (the chart database installed beside it).
    void layOutFromShippedData()
    {
        const std::vector<char> language = FileBytes(ShippedData / "english.lng");
        LayOutProgramFolder(folder, engine(), std::string(language.begin(), language.end()));
        std::filesystem::copy(ShippedData, folder,
                              std::filesystem::copy_options::recursive | std::filesystem::copy_options::skip_existing);
        ASSERT_FALSE(std::filesystem::exists(folder / "dta.res"));
    }

    void start()
    {
        form = StartProgram(QSize(640, 480));
        ASSERT_TRUE(StartupDone);
        ASSERT_NE(MainMapView, nullptr);
    }

    // Where position lies from the centre pixel of the chart.
    QPoint offsetFromCentre(const cmgbase::GeoPoint& position) const
    {
        ScreenPoint pixel{};
        EXPECT_TRUE(MainMapView->GeoToScreen(form->chartRect, position, pixel));
        return {pixel.x - form->chartCentreX, pixel.y - form->chartCentreY};
    }

    std::unique_ptr<TForm1> form;
};

}  // namespace

TEST_F(FirstStartTest, AFreshProgramFolderOpensOnTheBaysChartAtTheCoastalLevelWithDataSetAInUse)
{
    layOutFromShippedData();
    start();

    EXPECT_EQ(FileBytes(folder / "dta.res"), FileBytes(ShippedData / "Data" / "dta.res"));
    const QPoint off = offsetFromCentre(Degrees(ShippedStartLongitude, ShippedStartLatitude));
    EXPECT_LE(std::abs(off.x()), 1) << off.x();
    EXPECT_LE(std::abs(off.y()), 1) << off.y();
    EXPECT_EQ(form->chartLevel, 10);
    EXPECT_EQ(form->mainScale, 100000);
    EXPECT_EQ(form->ZoomPanel->text().toStdString(), "1:100000");
    EXPECT_EQ(form->miniChartLevel, 14);
    EXPECT_EQ(form->miniScale, 1000000);
    // The mini chart is the overview around the start position.
    EXPECT_EQ(MiniMapView->centre, MainMapView->centre);

    // The cell's objects cover the view: next to nothing is left of the background.
    RedrawChart(*form, true);
    const QImage& chart = form->MainChartBitmap;
    ASSERT_FALSE(chart.isNull());
    const QRgb background = QApplication::palette().color(QPalette::Button).rgb();
    int drawn = 0;
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            drawn += chart.pixel(x, y) != background;
    EXPECT_GT(drawn, chart.width() * chart.height() * 95 / 100);

    EXPECT_TRUE(form->ckDbA->isChecked());
    EXPECT_EQ(OpenDataSet(), 1);
    for (const char* file : {"id.dat", "point.dat", "info.dat"})
        EXPECT_TRUE(std::filesystem::exists(DataPaths[DataPathSetA] / file)) << file;
}

TEST_F(FirstStartTest, ARecordThatSavedNoLevelsStartsAtTheGlobalLevelWhereItWas)
{
    layOutFromShippedData();
    const cmgbase::GeoPoint where = Degrees(-76.40, 38.60);
    SetupImage().at<int32_t>(16, where.x).at<int32_t>(20, where.y).writeTo(folder / "dta.res");
    start();

    EXPECT_EQ(form->chartLevel, 16);
    EXPECT_EQ(form->mainScale, 20000000);
    EXPECT_EQ(form->miniChartLevel, 16);
    const QPoint off = offsetFromCentre(where);
    EXPECT_LE(std::abs(off.x()), 1) << off.x();
    EXPECT_LE(std::abs(off.y()), 1) << off.y();
}

TEST_F(FirstStartTest, EverySaveKeepsTheLevelsOfBothCharts)
{
    layOutFromShippedData();
    start();
    ZoomChartIn(*form);
    form->miniChartLevel = 12;
    SetMiniChartLevel(*form);

    ASSERT_TRUE(SaveSetupParameters(false));
    const std::vector<char> saved = FileBytes(folder / "dta.res");
    ASSERT_EQ(saved.size(), SetupImage::Size);
    EXPECT_EQ(saved[18276], 1);
    EXPECT_EQ(saved[18277], 9);
    EXPECT_EQ(saved[18278], 12);
}
