// The right button on the main chart: it finishes the tool at work, picks a route reversed,
// deletes a point, handles the bearing line and the query, and otherwise zooms out one level.

#include "app/ChartCursor.h"
#include "app/ChartMouse.h"
#include "app/ControlBehaviour.h"
#include "app/DataPage.h"
#include "app/EditingState.h"
#include "app/LineBar.h"
#include "app/RouteBar.h"
#include "app/SymbolBar.h"
#include "app/TForm1.h"
#include "chart/ChartLevels.h"
#include "chart/LightPicks.h"
#include "chart/MapView.h"
#include "chart/TCM93Inspector.h"
#include "frame/SetupParameters.h"
#include "radarweather/TWeatherDlg.h"
#include "userdata/RouteTable.h"
#include "userdata/TQueryDlg.h"

#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int32_t CoarsestLevel = 17;
constexpr int32_t EquatorLevel = 16;  // zooming out from here centres the view on the equator
constexpr int32_t FirstAreaShape = 2;
constexpr int32_t DataDeleteChoice = 2;
constexpr int32_t DataCopyInChoice = 1;
constexpr int WeatherItems = 6;

bool Down(const QAbstractButton* button)
{
    return button && button->isChecked();
}

void FinishSymbols(TForm1& f)
{
    f.btnSyOk->setChecked(true);
    SyOkExecute(f);
}

void FinishLines(TForm1& f)
{
    f.btnLiOk->setChecked(true);
    LiOkExecute(f);
}

// The query ends: the information dialog's object committed, the inspector closed, the user
// objects drawn again without their query handles.
void EndQuery(TForm1& f)
{
    f.QueryBtn->setChecked(false);
    if (Down(f.TrackBtn))
        f.OverlayRedrawRequest = 1;
    if (CM93Inspector)
        CM93Inspector->hide();
    if (QueryDlg && QueryDlg->isVisible())
        QueryDlg->OKBtnClick();
    if (!DataAreaSelection) {
        f.paintCopyPending = true;
        f.CM93Paint();
    }
}

// The weather dialog's readout steps on to its next layer.
void NextWeatherItem()
{
    auto* items = WeatherDlg->findChild<QListWidget*>(QStringLiteral("cklItem"));
    if (!items)
        return;
    items->setCurrentRow((items->currentRow() + 1) % WeatherItems);
}

void ZoomOut(TForm1& f, const ChartClick& click)
{
    if (f.chartLevel >= CoarsestLevel)
        return;
    if (f.chartLevel == EquatorLevel)
        MainMapView->SetCentre({f.cursorChartPoint.x, 0});
    else
        MainMapView->CentreAtScreenPoint(f.chartRect, click.pixel());
    ++f.chartLevel;
    SetChartLevel(f);
    FinishClickZoom(f);
}

}  // namespace

void RightClickRules(TForm1& f, const ChartClick& click)
{
    if (ObjectPickKind == 2) {
        if (RouteDeletePick(f))
            return RtOkExecute(f);
        return LeftClickRules(f, {click.x, click.y, false, click.onOwnShip});
    }
    if (SymbolPlaceMode || SymbolMoveMode || PickMode == 5)
        return FinishSymbols(f);
    if (EditingActive && (RouteEditMode == RouteDrawing || RouteDeletePick(f)))
        return RtOkExecute(f);
    const bool lineTool = EditingActive && f.LineBar->isVisible() &&
                          (LineEditPhase == LineDrawing || PickMode == 3 || SetupParameters.LineKind >= FirstAreaShape);
    if (lineTool || ObjectPickKind == 3)
        return FinishLines(f);
    if (PickMode == 1 || CutMode) {
        PickMode = 0;
        CutMode = false;
        return;
    }
    if (HitTestChartObject(f, RightPick, click.x, click.y, Down(f.BearingBtn)) || DeletePointClick(f, click))
        return;
    if (ObjectPickKind > 0) {
        ObjectPickKind = 0;
        return;
    }
    if (Down(f.BearingBtn))
        return BearingRightClick(f, click);
    if (Down(f.QueryBtn))
        return EndQuery(f);
    if (SetupParameters.DataChoice == DataDeleteChoice) {
        SetRadioGroupItem(f.rgDataData, DataCopyInChoice);
        return rgDataDataClick(f);
    }
    if (WeatherDlg && WeatherDlg->isVisible())
        return NextWeatherItem();
    ZoomOut(f, click);
}
