// The main window's layout on the started program over the chart US4MD81M: the chart's place by
// the two Hide boxes, the floating panels on the right, the pop-up dialogs beside the tool bars,
// the side panel's column with the mini chart and the tool dialog, and the tool bar's button
// width.
#include "SetupTestSupport.h"
#include "StartedProgram.h"

#include "app/TForm1.h"
#include "app/TickState.h"
#include "app/ToolBarButtons.h"
#include "chart/TPositionDlg.h"
#include "chart/TTideWin.h"
#include "frame/SharedTables.h"
#include "sensors/ArpaSources.h"
#include "sensors/SensorHooks.h"
#include "sensors/TArpaDlg.h"
#include "userdata/TDbObj.h"
#include "userdata/TQueryDlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace {

class PanelLayoutTest : public BayChartTest {
protected:
    void SetUp() override
    {
        BayChartTest::SetUp();
        ResetTickState();
        LayOutProgramFolder(folder, engine(), "");
        form = StartProgram();
        ASSERT_TRUE(StartupDone);
    }

    void TearDown() override
    {
        StopProgram(form);
        ArpaSource = 0;
        BayChartTest::TearDown();
    }

    // The window covers a screen of that size, as the maximised window does; shown, so that its
    // resizing reaches the bars at once.
    void onScreen(int width, int height)
    {
        ScreenWidth = width;
        ScreenHeight = height;
        form->show();
        form->resize(width, height);
        ASSERT_EQ(form->size(), QSize(width, height));
    }

    // The boxes' states without running their handlers.
    void setBoxes(bool hide, bool hide2)
    {
        const QSignalBlocker blockHide(form->ckHide);
        const QSignalBlocker blockHide2(form->ckHide2);
        form->ckHide->setChecked(hide);
        form->ckHide2->setChecked(hide2);
    }

    // Every button of the tool bar, shown or not.
    std::vector<QToolButton*> barButtons() const
    {
        std::vector<QToolButton*> buttons;
        for (QAction* action : form->ToolBar1->actions())
            if (auto* button = qobject_cast<QToolButton*>(form->ToolBar1->widgetForAction(action)))
                buttons.push_back(button);
        return buttons;
    }

    std::unique_ptr<TForm1> form;
};

TEST_F(PanelLayoutTest, TheStartUpLaysTheWindowOutAsTheHideBoxesSay)
{
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form->ckHide->isChecked());
    EXPECT_FALSE(form->ckHide2->isChecked());
    // The chart from the top edge under the tool bar, beside the side panel.
    EXPECT_EQ(form->CM93->geometry(), QRect(0, 0, ScreenWidth - 160, ScreenHeight));
    EXPECT_FALSE(form->ToolBar1->isHidden());
    EXPECT_FALSE(form->MainPanel->isHidden());
    EXPECT_EQ(form->LoranPanel->x(), form->MainPanel->x() - 113);
    for (const QWidget* panel : {form->SlavePanel, form->LoranPanel, form->ChainPanel, form->CrossPanel,
                                 form->CheckPanel, form->EtaPanel, form->pnDR, form->F1Panel})
        EXPECT_TRUE(panel->isHidden()) << panel->objectName().toStdString();
    // Twenty buttons and the 2D, 3D, weather, radar and AIS buttons share the free width.
    EXPECT_TRUE(form->Arpa1Btn->isHidden());
    EXPECT_TRUE(form->Arpa2Btn->isHidden());
    for (const QToolButton* button : barButtons())
        EXPECT_EQ(button->size(), QSize((ScreenWidth - 246) / 25, 26)) << button->objectName().toStdString();
}

TEST_F(PanelLayoutTest, HideTakesTheToolBarsHeightIntoTheChartAndBack)
{
    const struct {
        QSize screen;
        bool hide;  // the box's state after the click
        QRect chart;
    } cases[] = {
        {{1280, 1024}, true, {0, 0, 1120, 1024}},
        {{1280, 1024}, false, {0, 30, 1120, 994}},
        {{1024, 768}, false, {0, 30, 864, 738}},
        {{1920, 1080}, true, {0, 0, 1760, 1080}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screen.width() << "x" << c.screen.height() << " hide " << c.hide);
        onScreen(c.screen.width(), c.screen.height());
        setBoxes(!c.hide, false);
        form->ckHide2Click(true);
        form->ckHide->click();
        EXPECT_EQ(form->ckHide->isChecked(), c.hide);
        EXPECT_EQ(form->CM93->geometry(), c.chart);
        // The floating panels follow the chart's top, and the chart is drawn anew at its size.
        EXPECT_EQ(form->LoranPanel->y(), c.chart.top());
        EXPECT_EQ(form->MainChartBitmap.size(), c.chart.size());
    }
}

TEST_F(PanelLayoutTest, HideOfTheSidePanelPlacesTheFloatingPanelsAndTheChartsWidth)
{
    const struct {
        const char* what;
        QSize screen;
        bool hide, hide2, loran, deadReckoning;
        QPoint slave, loranAt, deadReckoningAt, eta;  // SlavePanel only while hide2
        int chartWidth;
    } cases[] = {
        {"beside the side panel", {1280, 1024}, false, false, true, true,
         {}, {1007, 30}, {1007, 119}, {1007, 149}, 1120},
        {"dead reckoning right below SlavePanel without the LORAN panel", {1280, 1024}, false, true, false, true,
         {1120, 30}, {1167, 103}, {1167, 103}, {1167, 133}, 1280},
        {"all under the tool bar's place", {1024, 768}, true, true, true, false,
         {864, 0}, {911, 73}, {911, 162}, {911, 162}, 1024},
        {"nothing shown", {1920, 1080}, true, false, false, false,
         {}, {1647, 0}, {1647, 0}, {1647, 0}, 1760},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        onScreen(c.screen.width(), c.screen.height());
        setBoxes(c.hide, c.hide2);
        form->LoranPanel->setVisible(c.loran);
        form->pnDR->setVisible(c.deadReckoning);
        form->EtaPanel->show();
        form->ckHideClick();
        form->ckHide2Click(true);

        EXPECT_EQ(!form->SlavePanel->isHidden(), c.hide2);
        if (c.hide2)
            EXPECT_EQ(form->SlavePanel->geometry(), QRect(c.slave, QSize(160, 73)));
        EXPECT_EQ(form->LoranPanel->pos(), c.loranAt);
        EXPECT_EQ(form->pnDR->pos(), c.deadReckoningAt);
        EXPECT_EQ(form->pnDR->geometry().right(), form->LoranPanel->geometry().right());
        EXPECT_EQ(form->EtaPanel->pos(), c.eta);
        EXPECT_EQ(form->CM93->width(), c.chartWidth);
        EXPECT_EQ(form->MainChartBitmap.width(), c.chartWidth);
    }
    // Without resize only the panels move: the chart keeps its width.
    setBoxes(true, false);
    form->ckHide2Click(false);
    EXPECT_EQ(form->CM93->width(), 1760);
    EXPECT_TRUE(form->SlavePanel->isHidden());
    // A click on the box lays out the chart too.
    form->ckHide2->click();
    EXPECT_EQ(form->CM93->width(), 1920);
    EXPECT_FALSE(form->SlavePanel->isHidden());
}

TEST_F(PanelLayoutTest, PopUpDialogsGoToTheChartsCornerBesideTheOpenBars)
{
    auto position = std::make_unique<TPositionDlg>();
    auto arpa = std::make_unique<TArpaDlg>();
    auto objects = std::make_unique<TDbObj>();
    auto query = std::make_unique<TQueryDlg>();
    PositionDlg = position.get();
    ArpaDlg = arpa.get();
    DbObj = objects.get();
    QueryDlg = query.get();
    ASSERT_EQ(TideWin, nullptr);  // one that does not exist is left out
    onScreen(1280, 1024);

    const struct {
        bool toolBar;
        QToolBar* TForm1::*openBar;
        QPoint corner;
    } cases[] = {
        {true, nullptr, {0, 30}},
        {false, nullptr, {0, 0}},
        {true, &TForm1::RouteBar, {32, 30}},
        {false, &TForm1::SymbBar, {32, 0}},
        {true, &TForm1::LineBar, {32, 30}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "tool bar " << c.toolBar << ", corner " << c.corner.x() << "," << c.corner.y());
        form->ToolBar1->setVisible(c.toolBar);
        for (QToolBar* bar : {form->RouteBar, form->SymbBar, form->LineBar})
            bar->setVisible(c.openBar && bar == form.get()->*c.openBar);
        form->PlaceToolPanel();
        for (QWidget* dialog : std::initializer_list<QWidget*>{PositionDlg, ArpaDlg, DbObj, QueryDlg})
            EXPECT_EQ(dialog->pos(), form->mapToGlobal(c.corner)) << dialog->objectName().toStdString();
    }
    PositionDlg = nullptr;
    ArpaDlg = nullptr;
    DbObj = nullptr;
    QueryDlg = nullptr;
}

TEST_F(PanelLayoutTest, TheMiniChartTakesTheHeightTheToolDialogLeaves)
{
    const QSize screens[] = {{1280, 1024}, {1920, 1080}, {1024, 768}};
    for (const QSize& screen : screens) {
        SCOPED_TRACE(testing::Message() << screen.width() << "x" << screen.height());
        onScreen(screen.width(), screen.height());
        const auto lay = [this] { form->MainPanel->layout()->activate(); };
        form->WpPanel->hide();
        form->ToolDlg->show();
        lay();
        const QRect mini = form->CM93mini->geometry();
        const QRect tools = form->ToolDlg->geometry();
        EXPECT_LE(mini.top(), 4);
        EXPECT_GE(mini.height(), 100) << "room for the look-ahead button and a view round the ship";
        EXPECT_EQ(tools.width(), 156);
        EXPECT_EQ(tools.bottom() + 1 + 2, form->Notice->y()) << "2 pixels above the message line";
        EXPECT_EQ(form->TimeLabel->geometry().bottom() + 1 + 2, tools.top());
        EXPECT_EQ(mini.bottom() + 1 + 2, form->TimeLabel->y());
        // The readouts keep their whole height down to the panel's bottom.
        EXPECT_LE(form->GpsPanel->geometry().bottom(), form->MainPanel->height() - 1);
        EXPECT_EQ(form->GpsPanel->height(), form->GpsPanel->sizeHint().height());
        if (screen.height() >= 1024) {
            EXPECT_EQ(tools.height(), 500);
            EXPECT_GE(mini.height(), 200);
        }

        // Above the route panel while that shows.
        form->WpPanel->show();
        lay();
        EXPECT_EQ(form->ToolDlg->geometry().bottom() + 1 + 2, form->WpPanel->y());
        EXPECT_EQ(form->WpPanel->geometry().bottom() + 1 + 2, form->Notice->y());

        // Without the tool dialog the mini chart reaches down to the clock above the route panel.
        form->ToolDlg->hide();
        lay();
        EXPECT_EQ(form->CM93mini->geometry().top(), mini.top());
        EXPECT_EQ(form->CM93mini->geometry().bottom() + 1 + 2, form->TimeLabel->y());
        EXPECT_EQ(form->TimeLabel->geometry().bottom() + 1 + 2, form->WpPanel->y());
        EXPECT_GT(form->CM93mini->height(), mini.height());
    }
}

TEST_F(PanelLayoutTest, ToolBarButtonsShareTheFreeWidthAndMakeRoomForAnArpaButtonShownLater)
{
    // DispMode is 38 pixels wide; the ARPA buttons come with the first ARPA target of a radar.
    const struct {
        int screenWidth;
        bool dispModeShown;
        int width;           // 25 buttons
        int widthWithArpa;   // 26
    } cases[] = {
        {1280, true, 1034 / 25, 1034 / 26},
        {1280, false, 1072 / 25, 1072 / 26},
        {1024, true, 778 / 25, 778 / 26},
        {1024, false, 816 / 25, 816 / 26},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screenWidth << (c.dispModeShown ? "" : " without DispMode"));
        onScreen(c.screenWidth, 1024);
        SetBarControlVisible(form->Arpa1Btn, false);
        SetBarControlVisible(form->DispMode, c.dispModeShown);
        FitToolBarButtons(*form);
        for (const QToolButton* button : barButtons())
            ASSERT_EQ(button->size(), QSize(c.width, 26)) << button->objectName().toStdString();

        // The 100 ms tick takes up the new radar: its button shows and the buttons narrow.
        ArpaSource = -1;
        form->Timer1Timer();
        EXPECT_EQ(ArpaSource, 1);
        EXPECT_FALSE(form->Arpa1Btn->isHidden());
        for (const QToolButton* button : barButtons())
            ASSERT_EQ(button->width(), c.widthWithArpa) << button->objectName().toStdString();

        // Every control of the bar stays on it, up to the Hide box at its right end.
        form->ToolBar1->layout()->activate();
        EXPECT_FALSE(form->ckHide->isHidden());
        EXPECT_LE(form->ckHide->geometry().right(), form->ToolBar1->width() - 1);
    }
}

TEST_F(PanelLayoutTest, TheSimulationDialogsArpaButtonIsCountedToo)
{
    onScreen(1280, 1024);
    ASSERT_TRUE(form->Arpa1Btn->isHidden());
    ASSERT_TRUE(SensorHook.showArpaButton);
    SensorHook.showArpaButton();
    EXPECT_FALSE(form->Arpa1Btn->isHidden());
    EXPECT_EQ(form->ExitBtn->width(), 1034 / 26);
}

}  // namespace
