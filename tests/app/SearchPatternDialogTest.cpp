// The search-and-rescue dialog on the started program over the bay: opened by the route bar's
// SAR button with its start values, a route pattern taken up by route following at the next
// 100 ms tick, a line pattern shown with the lines.

#include "BayWindowTest.h"

#include "app/DataSets.h"
#include "app/RouteBar.h"
#include "userdata/RouteFollowing.h"
#include "userdata/TSarDlg.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

namespace {

class SearchPatternDialogTest : public BayWindowTest {
protected:
    void SetUp() override
    {
        BayWindowTest::SetUp();
        ASSERT_TRUE(SelectUserDatabase(1));
        dialog = std::make_unique<TSarDlg>();
        SarDlg = dialog.get();
        form->RouteBar->show();
    }
    void TearDown() override
    {
        SarDlg = nullptr;
        dialog.reset();
        BayWindowTest::TearDown();
    }

    void choose(QGroupBox* group, int item)
    {
        group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)[item]->setChecked(true);
    }

    std::unique_ptr<TSarDlg> dialog;
};

TEST_F(SearchPatternDialogTest, ItOpensWithItsStartValuesAndHoldsTheIterationsToARoute)
{
    form->btnSar->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(EditingActive);
    EXPECT_EQ(dialog->windowTitle(), "S. A. R.");
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dialog->edCourse->text(), QString::fromUtf8("0 \u00B0"));
    EXPECT_EQ(dialog->edDistance->text(), "0.5 Nm");
    EXPECT_EQ(dialog->edIterations->text(), "2");
    EXPECT_EQ(dialog->edWidth->text(), "1.0 Nm");

    dialog->udCourse->stepDown();
    EXPECT_EQ(dialog->edCourse->text(), QString::fromUtf8("350 \u00B0")) << "the course wraps";
    choose(dialog->rgType, 1);
    EXPECT_EQ(dialog->udIterations->maximum(), 124);
    choose(dialog->rgType, 2);
    EXPECT_EQ(dialog->udIterations->maximum(), 250);

    dialog->btnCancel->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(EditingActive) << "the route work ended";
}

TEST_F(SearchPatternDialogTest, ARoutePatternIsFollowedAtTheNextTick)
{
    PlaceShip(InTheBay, 45.0f, 6.0f);
    ShowChart(10, InTheBay);
    form->btnSar->click();
    choose(dialog->rgType, 1);  // expanding square from the own position
    dialog->btnRoute->click();
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_NE(RouteId, 0);
    EXPECT_EQ(WaypointCount, 9);

    form->Timer1Timer();
    EXPECT_EQ(RouteStartRequest, 0) << "taken up";
    EXPECT_EQ(CurrentWaypoint, 1) << "on its first leg";
    EXPECT_FALSE(form->WpPanel->isHidden());
}

TEST_F(SearchPatternDialogTest, ALinePatternIsShownWithTheLines)
{
    PlaceShip(InTheBay);
    ShowChart(10, InTheBay);
    form->SymbolBtn->setChecked(false);
    form->btnSar->click();
    choose(dialog->rgStart, 1);  // sector from the chart centre
    dialog->btnLine->click();
    EXPECT_TRUE(form->SymbolBtn->isChecked());
    EXPECT_TRUE(form->chartRedrawRequest);
    EXPECT_EQ(LineId, 0) << "the line finished";
    EXPECT_EQ(RouteId, 0) << "no route made";
}

}  // namespace
