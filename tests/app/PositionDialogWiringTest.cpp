// The position dialog on the started main window over the bay: for each drawing tool that waits
// for a click, OK centres the chart on the typed position, then clicks there (the chart cursor at
// the position, the pointer on its pixel), then finishes the tool; with none waiting it only
// centres.

#include "BayWindowTest.h"

#include "app/LineBar.h"
#include "app/PositionDialogWiring.h"
#include "app/RouteBar.h"
#include "app/RubberBand.h"
#include "app/SymbolBar.h"
#include "chart/TPositionDlg.h"
#include "frame/SetupParameters.h"

#include <QCursor>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <functional>

namespace {

class PositionDialogWiringTest : public BayWindowTest {
protected:
    void SetUp() override
    {
        BayWindowTest::SetUp();
        ShowChart(10, InTheBay);
        PositionDlg = &dialog;
    }
    void TearDown() override
    {
        PositionDlg = nullptr;
        BayWindowTest::TearDown();
    }

    // The position 38° 58.500' N 76° 28.000' W typed into the shown dialog.
    void typePosition()
    {
        dialog.show();
        dialog.edLatDeg->setText("38");
        dialog.edLatMin->setText("58");
        dialog.edLatDes->setText("5");
        dialog.edLonDeg->setText("76");
        dialog.edLonMin->setText("28");
        dialog.edLonDes->setText("000");
    }

    TPositionDlg dialog;
};

TEST_F(PositionDialogWiringTest, EachWaitingToolGetsItsClickAtTheTypedPositionAndIsFinished)
{
    struct Case {
        const char* tool;
        std::function<void()> open;
        std::function<bool()> finished;
    };
    const Case cases[] = {
        {"symbol placing",
         [&] {
             form->SymbBar->show();
             sy_drawExecute(*form);
         },
         [] { return !SymbolPlaceMode && !EditingActive; }},
        {"circle area",
         [&] {
             form->LineBar->show();
             SetupParameters.LineKind = 2;
             EditingActive = true;
         },
         [] { return !EditingActive; }},
        {"route drawing",
         [&] {
             form->RouteBar->show();
             RtDrawExecute(*form);
         },
         [] { return !EditingActive; }},
        {"line drawing",
         [&] {
             form->LineBar->show();
             SetupParameters.LineKind = 1;
             LiDrawExecute(*form);
         },
         [] { return !EditingActive && LineEditPhase == 0; }},
    };
    const cmgbase::GeoPoint typed = Degrees(-(76.0 + 28.0 / 60), 38.0 + 58.5 / 60);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool);
        ShowChart(10, InTheBay);
        form->AutoBtn->setChecked(true);
        c.open();
        ASSERT_TRUE(ChartClickAwaited(*form));
        typePosition();

        dialog.OKBtn->click();
        EXPECT_EQ(dialog.PositionStep(), 2);
        EXPECT_FALSE(form->AutoBtn->isChecked());
        EXPECT_EQ(MainMapView->centre, typed);

        dialog.OKBtn->click();
        EXPECT_EQ(dialog.PositionStep(), 3);
        EXPECT_EQ(form->cursorChartPoint, typed);
        EXPECT_NEAR(CursorPixel.x, form->chartCentreX, 1);
        EXPECT_NEAR(CursorPixel.y, form->chartCentreY, 1);
        EXPECT_EQ(QCursor::pos(), form->CM93->mapToGlobal(QPoint(CursorPixel.x, CursorPixel.y)));

        dialog.OKBtn->click();
        EXPECT_EQ(dialog.PositionStep(), 0);
        EXPECT_TRUE(c.finished());
        for (QToolBar* bar : {form->SymbBar, form->LineBar, form->RouteBar})
            bar->hide();
        ResetEditingState();
        RouteEditMode = 0;
        dialog.hide();
    }
}

TEST_F(PositionDialogWiringTest, WithNoToolWaitingOkOnlyCentres)
{
    ASSERT_FALSE(ChartClickAwaited(*form));
    typePosition();
    dialog.OKBtn->click();
    EXPECT_EQ(dialog.PositionStep(), 1);
    EXPECT_EQ(MainMapView->centre, Degrees(-(76.0 + 28.0 / 60), 38.0 + 58.5 / 60));
    EXPECT_EQ(QCursor::pos(), form->CM93->mapToGlobal(QPoint(form->chartCentreX, form->chartCentreY)));
}

TEST_F(PositionDialogWiringTest, EscapeHidesTheDialogThroughThePositionButtons)
{
    form->btnPositionClick();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_TRUE(form->btnPosition->isChecked());
    dialog.FormKeyDown(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(form->btnPosition->isChecked());
    EXPECT_FALSE(form->btnPosition2->isChecked());
}

}  // namespace
