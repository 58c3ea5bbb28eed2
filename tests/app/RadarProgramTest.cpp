// The radar in the started program over the bay (US4MD81M): a radar service that does not start
// is reported at the start-up and takes the radar off, and the radar picture, drawn through the
// main view, turns with the chart when the chart follows the own ship's heading.

#include "StartedProgram.h"

#include "radarweather/RadarTestSupport.h"

#include "app/TForm1.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "frame/SharedTables.h"
#include "platform/chartengine/ChartRadar.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "radarweather/ChartRadarService.h"
#include "radarweather/RadarManager.h"
#include "radarweather/TRadar.h"
#include "radarweather/TRadarCtrl.h"
#include "sensors/OwnShipState.h"

#include <QComboBox>
#include <QListWidget>

#include <algorithm>
#include <QToolButton>

namespace {

using testing::_;
using testing::Return;

// Open water east of Annapolis; the Annapolis Harbor buoy 2 lies about 1.7 km south-west.
constexpr double kAntennaLatitude = 38.95;
constexpr double kAntennaLongitude = -76.41;
const cmgbase::GeoPoint kBuoy{cmgbase::deg2nrm(-76.4261103), cmgbase::deg2nrm(38.9418108)};
const cmgbase::GeoPoint kAntenna{cmgbase::deg2nrm(kAntennaLongitude), cmgbase::deg2nrm(kAntennaLatitude)};
constexpr int kCourseUp = 2;

class RadarProgramTest : public BayChartTest {
protected:
    void SetUp() override
    {
        BayChartTest::SetUp();
        LayOutProgramFolder(folder, engine(), "");
        Radar = new TRadar;
        RadarCtrl = new TRadarCtrl;
    }

    void TearDown() override
    {
        // The overlay lies in the chart paint box: it goes before the window.
        delete Radar;
        delete RadarCtrl;
        Radar = nullptr;
        RadarCtrl = nullptr;
        if (form)
            StopProgram(form);
        ProgramRadarServiceMaker = MakeChartRadar;
        OwnShip.displayCourse = 0.0f;
        BayChartTest::TearDown();
    }

    int captioned(const std::string& caption) const
    {
        return int(std::count_if(boxes.shown.begin(), boxes.shown.end(),
                                 [&](const platform::MessageBoxRequest& box) { return box.caption == caption; }));
    }

    std::unique_ptr<TForm1> form;
};

// A service whose range table cannot be read fails Init critically with its sink connected: the
// start-up shows the error text in a "Radar Error" box, takes the radar off for the run, and the
// manager it deletes disconnects and releases the service.
TEST_F(RadarProgramTest, AServiceThatDoesNotStartIsReportedAndTheRadarButtonDisabled)
{
    auto service = AnsweringService({1000.0}, {"1 km"});
    EXPECT_CALL(*service, GetProperty(chartengine::RP_RANGETABLE, _)).WillRepeatedly(Return(chartengine::kFail));
    EXPECT_CALL(*service, Unadvise(_)).WillOnce(Return(chartengine::kOk));
    EXPECT_CALL(*service, Destroyed());
    ProgramRadarServiceMaker = Handing(std::move(service));

    form = StartProgram(QSize(400, 300));
    ASSERT_TRUE(StartupDone);

    ASSERT_EQ(captioned("Radar Error"), 1);
    const platform::MessageBoxRequest& box =
        *std::find_if(boxes.shown.begin(), boxes.shown.end(), [](const auto& b) { return b.caption == "Radar Error"; });
    EXPECT_EQ(box.text, "<RadarManager::Init()> failed to retrieve radar ranges.");
    EXPECT_EQ(box.icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(box.taskModal);
    EXPECT_TRUE(box.topMost);
    EXPECT_EQ(RadarService, nullptr);
    EXPECT_FALSE(RadarAvailable);
    EXPECT_FALSE(form->RadarBtn->isEnabled());
    EXPECT_EQ(captioned("Weather Error"), 0);

    // Pressed from the program all the same, the radar does nothing.
    form->RadarBtn->setChecked(true);
    form->RadarExecute();
    EXPECT_TRUE(Radar->isHidden());
    EXPECT_FALSE(RadarCtrl->isVisible());
}

// A radar whose service refuses to start: the button goes up again, the panel and the picture
// stay away, and a "Radar Error" box says why; the radar stays available for another try.
TEST_F(RadarProgramTest, ARadarThatDoesNotStartPutsItsButtonUpAndSaysWhy)
{
    auto service = AnsweringService({1000.0}, {"1 km"});
    EXPECT_CALL(*service, Start(_)).WillOnce(Return(chartengine::kFail));
    ProgramRadarServiceMaker = Handing(std::move(service));
    form = StartProgram(QSize(400, 300));
    ASSERT_TRUE(StartupDone);
    ASSERT_NE(RadarService, nullptr);
    ASSERT_EQ(captioned("Radar Error"), 0);

    form->RadarBtn->click();
    EXPECT_FALSE(form->RadarBtn->isChecked());
    EXPECT_TRUE(Radar->isHidden());
    EXPECT_FALSE(RadarCtrl->isVisible());
    ASSERT_EQ(captioned("Radar Error"), 1);
    EXPECT_EQ(boxes.shown.back().text.rfind("<RadarManager::Start()> ICMRadar->Start failed.", 0), 0u)
        << boxes.shown.back().text;
    EXPECT_TRUE(form->RadarBtn->isEnabled());
}

// Course up with Auto turns the chart to the heading at each redraw; the echo of the buoy, drawn
// through the main view, lies on the buoy before the turn and on the turned pixel after it.
TEST_F(RadarProgramTest, ThePictureTurnsWithTheHeading)
{
    chartengine::ChartRadar* radar = nullptr;
    ProgramRadarServiceMaker = [&radar](MapView& view) {
        auto made = MakeChartRadar(view);
        radar = dynamic_cast<chartengine::ChartRadar*>(made.get());
        return made;
    };
    form = StartProgram(QSize(800, 600));
    ASSERT_TRUE(StartupDone);
    ASSERT_NE(RadarService, nullptr);
    ASSERT_NE(radar, nullptr);

    OwnShip.displayCourse = 0.0f;
    ASSERT_EQ(MainMapView->SetCentre(kAntenna), 1);
    ASSERT_EQ(MainMapView->SetScale(50000), 1);
    form->AutoBtn->setChecked(true);
    form->DispMode->setCurrentIndex(kCourseUp);
    emit form->DispMode->activated(kCourseUp);
    form->RadarBtn->click();
    ASSERT_EQ(RadarService->running, 1) << RadarService->ErrorText();
    // The panel's "6 NM".
    const int sixMiles = 2 + 6;
    ASSERT_EQ(RadarCtrl->lbRange->item(sixMiles)->text(), "6 NM");
    RadarCtrl->lbRange->setCurrentRow(sixMiles);
    RadarCtrl->lbRangeClick();
    ASSERT_DOUBLE_EQ(RadarService->range, 6 * 1852.0);

    const auto showAtHeading = [&](float heading) {
        OwnShip.displayCourse = heading;
        RadarService->SetPos(kAntennaLatitude, kAntennaLongitude, heading);
        radar->StepFrame();
        RedrawChart(*form, true);
    };
    const auto echoesAround = [&](QPoint centre) {
        int echoes = 0;
        for (int y = centre.y() - 3; y <= centre.y() + 3; ++y)
            for (int x = centre.x() - 3; x <= centre.x() + 3; ++x)
                echoes += form->RadarBitmap.valid(x, y) && form->RadarBitmap.pixel(x, y) != qRgb(255, 255, 255);
        return echoes;
    };

    showAtHeading(0.0f);
    ScreenPoint buoy{};
    ASSERT_EQ(MainMapView->GeoToScreen(form->chartRect, kBuoy, buoy), 1);
    const QPoint centre(form->chartCentreX, form->chartCentreY);
    const QPoint northUp(buoy.x, buoy.y);
    ASSERT_GT(echoesAround(northUp), 0);

    // Heading 090: east is up, so a point's offset (x right, y down) turns from (dx, dy) to
    // (dy, -dx) about the chart's centre.
    showAtHeading(90.0f);
    const QPoint offset = northUp - centre;
    const QPoint turned = centre + QPoint(offset.y(), -offset.x());
    EXPECT_GT(echoesAround(turned), 0);
    EXPECT_EQ(echoesAround(northUp), 0);
}

}  // namespace
