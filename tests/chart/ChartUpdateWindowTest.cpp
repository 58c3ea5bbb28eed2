// The chart update window over a database installed from the base cell US4MD81M.000 alone and
// made current: the panel applies the cell's three updates from a folder, the engine's database
// and the chart follow, and each of the panel's events is answered as the window answers it.

#include "ChartWindowFixture.h"

#include "chart/ChartLevels.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/TCm93Update.h"
#include "chart/TUpdateMsgDlg.h"
#include "platform/chartengine/DatabaseManager.h"
#include "platform/chartengine/GeoDatabase.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/MessageBox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace charttest;

namespace {

class ChartUpdateWindowTest : public ChartWindowTest {
protected:
    void SetUp() override
    {
        ChartWindowTest::SetUp();
        engine = *ChartEngine->EngineFolder();
        chartengine::DatabaseManager manager(engine);
        manager.CurrentIndex(&original);
        InstallDatabase(LinkChartSources(sources.path() / "base", {"US4MD81M/US4MD81M.000"}), engine, "Base");
        int32_t count = 0;
        manager.Count(&count);
        for (int32_t i = 0; i < count; ++i)
            if (std::string name; manager.Name(i, &name) == chartengine::kOk && name == "Base")
                manager.SetCurrent(i);
        StartEngine("");
        platform::InstallMessageBoxService(&boxes);
        UpdateMsgDlg = &question;
        Cm93Update = &dialog;
        dialog.chart = &window;
    }
    void TearDown() override
    {
        Cm93Update = nullptr;
        UpdateMsgDlg = nullptr;
        chartengine::DatabaseManager(engine).SetCurrent(original);
        platform::InstallMessageBoxService(nullptr);
        ChartWindowTest::TearDown();
    }

    // The update number of the cell as the engine's open database describes it.
    int32_t engineUpdateNumber() const
    {
        std::vector<int32_t> words;
        ChartEngine->currentGeoDatabase->CellDescription(1, &words);
        return words.size() > chartengine::kCellWordUpdateNumber ? words[chartengine::kCellWordUpdateNumber] : -1;
    }

    std::filesystem::path engine;
    int32_t original = 0;
    TemporaryFolder sources;
    platform::RecordingMessageBoxService boxes;
    TUpdateMsgDlg question;
    TCm93Update dialog;
};

TEST_F(ChartUpdateWindowTest, ThePanelsUpdatesReachTheEnginesDatabaseAndTheChartMovesToTheCell)
{
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "C-Map CM93/3 update");
    QCoreApplication::processEvents();  // the panel names its database from the main loop
    EXPECT_EQ(dialog.databaseName, "Base");
    ASSERT_NE(dialog.UpdatesPanelAX1->geoDatabase(), nullptr);
    ASSERT_EQ(dialog.UpdatesPanelAX1->cellList()->count(), 1);
    EXPECT_TRUE(dialog.UpdatesPanelAX1->cellList()->item(0)->text().endsWith("update 0"));
    EXPECT_EQ(engineUpdateNumber(), 0);

    MainMapView->SetCentre(kOpenSea);
    window.chartLevel = 16;
    window.chartRedrawRequest = false;
    dialog.UpdatesPanelAX1->ApplyFolder(LinkChartSources(
        sources.path() / "updates", {"US4MD81M/US4MD81M.001", "US4MD81M/US4MD81M.002", "US4MD81M/US4MD81M.003"}));
    EXPECT_TRUE(messages.empty());  // nothing runs inside the call
    QCoreApplication::processEvents();

    EXPECT_EQ(messages, (std::vector<std::pair<int32_t, uint32_t>>{{7, 0x30}}));
    for (const auto& box : boxes.shown)  // at most GDAL's remarks, never a failure
        EXPECT_EQ(box.icon, platform::MsgIcon::None) << box.text;
    EXPECT_EQ(engineUpdateNumber(), 3);
    EXPECT_TRUE(dialog.UpdatesPanelAX1->cellList()->item(0)->text().endsWith("update 3"));

    // The chart went to the cell's frame; the static overlay takes the move up once.
    EXPECT_EQ(dialog.UpdateFrameShown, 1);
    EXPECT_TRUE(window.chartRedrawRequest);
    const double longitude = cmgbase::nrm2deg(MainMapView->centre.x);
    const double latitude = cmgbase::nrm2deg(MainMapView->centre.y);
    EXPECT_GT(longitude, -76.6);
    EXPECT_LT(longitude, -76.2);
    EXPECT_GT(latitude, 38.6);
    EXPECT_LT(latitude, 39.2);
    TakeUpdateFrame(window);
    EXPECT_EQ(dialog.UpdateFrameShown, 0);
    EXPECT_EQ(window.chartLevel, LevelShowing(MainMapView->scale));
    EXPECT_LT(window.chartLevel, 16);
    window.chartLevel = 3;
    TakeUpdateFrame(window);
    EXPECT_EQ(window.chartLevel, 3);

    // The cell's frame is highlighted while the window is open and not after it closed.
    EXPECT_FALSE(MainMapView->selectedObject == chartengine::Guid{});
    window.OverlayRedrawRequest = 0;
    dialog.btnOKClick();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(MainMapView->selectedObject == chartengine::Guid{});
    EXPECT_EQ(window.OverlayRedrawRequest, 1);
}

TEST_F(ChartUpdateWindowTest, EachEventIsAnsweredAsTheWindowAnswersIt)
{
    using platform::MsgIcon;
    // Results: -1 shows nothing, another negative its text, 0 or more message 7.
    dialog.UpdatesPanelAX1S57Updates(chartengine::kUpdatesStopped);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(messages.empty());
    dialog.UpdatesPanelAX1S57Updates(chartengine::kFileNotFound);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, chartengine::StatusText(chartengine::kFileNotFound));
    EXPECT_EQ(boxes.shown[0].caption, "CMap Update");
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(boxes.shown[0].taskModal && boxes.shown[0].topMost);
    dialog.UpdatesPanelAX1S57Updates(0);
    dialog.UpdatesPanelAX1Notify(chartengine::kUpdateNotifyDone, {});
    EXPECT_EQ(messages, (std::vector<std::pair<int32_t, uint32_t>>{{7, 0x30}, {7, 0x30}}));
    dialog.UpdatesPanelAX1Notify(chartengine::kUpdateNotifyInformation, {chartengine::kUpdateNoticeRemark, ""});
    dialog.UpdatesPanelAX1Notify(chartengine::kUpdateNotifyInformation, {3, "not a remark"});
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, "No Remark");
    EXPECT_EQ(boxes.shown[1].caption, "CMap Update");

    // A database the engine has not open is not handed over; the panel then reports its run.
    dialog.UpdatesPanelAX1DatabaseChanged("Nowhere");
    EXPECT_EQ(dialog.UpdatesPanelAX1->geoDatabase(), nullptr);
    dialog.UpdatesPanelAX1->ApplyFolder(sources.path());
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[2].text, chartengine::StatusText(chartengine::kNotReady));

    // Questions: only kinds 2 and 8 with a text; the button gives the answer.
    int32_t answer = 5;
    dialog.UpdatesPanelAX1S57UpdatesProgress(chartengine::kUpdateProgressOutOfSequence, &answer, "");
    dialog.UpdatesPanelAX1S57UpdatesProgress(3, &answer, "text");
    EXPECT_EQ(answer, 5);
    EXPECT_FALSE(question.isVisible());
    struct Case {
        QPushButton* button;
        int32_t answer;
    };
    for (const Case& c : {Case{question.Button1, 0}, Case{question.Button2, 1}, Case{question.Button3, 2}}) {
        QTimer::singleShot(0, c.button, [&] {
            EXPECT_EQ(question.txInfo->text(), "US4MD81M: update 3 is out of sequence");
            c.button->click();
        });
        answer = 5;
        dialog.UpdatesPanelAX1S57UpdatesProgress(chartengine::kUpdateNoticeRemark, &answer,
                                                 "US4MD81M: update 3 is out of sequence");
        EXPECT_EQ(answer, c.answer) << c.button->text().toStdString();
    }
    EXPECT_EQ(question.windowTitle(), "Update Message");
}

}  // namespace
