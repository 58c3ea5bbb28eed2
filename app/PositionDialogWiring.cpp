#include "app/PositionDialogWiring.h"

#include "app/ChartCursor.h"
#include "app/EditingState.h"
#include "app/LineBar.h"
#include "app/ObjectSweep.h"
#include "app/RouteBar.h"
#include "app/RubberBand.h"
#include "app/SymbolBar.h"
#include "app/TForm1.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "chart/TPositionDlg.h"
#include "frame/SetupParameters.h"
#include "userdata/RouteTable.h"

#include <QCursor>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int32_t FirstAreaKind = 2;  // line kinds 2 circle and 3 rectangle: two-click areas
constexpr int32_t LeftButton = 0;

void PointerTo(const TForm1& form, const ScreenPoint& pixel)
{
    QCursor::setPos(form.CM93->mapToGlobal(QPoint(pixel.x, pixel.y)));
}

// Automatic following ends; the chart shows the position in its centre, the pointer on it.
bool CentreChart(TForm1& form, const cmgbase::GeoPoint& position)
{
    form.AutoBtn->setChecked(false);
    if (MainMapView && MainMapView->SetCentre(position))
        RedrawChart(form, true);
    PointerTo(form, {form.chartCentreX, form.chartCentreY});
    return ChartClickAwaited(form);
}

// The click the mouse would make at the position. The chart input reads the cursor's chart point
// under both its names.
void ClickAt(TForm1& form, const cmgbase::GeoPoint& position)
{
    ScreenPoint pixel{};
    if (!MainMapView || !MainMapView->GeoToScreen(form.chartRect, position, pixel))
        return;
    PointerTo(form, pixel);
    form.cursorChartPoint = position;
    CursorPixel = pixel;
    form.CM93MouseDown(nullptr, LeftButton, Qt::NoModifier, pixel.x, pixel.y);
}

void FinishTool(TForm1& form)
{
    if (!form.SymbBar->isHidden()) {
        form.btnSyOk->setChecked(true);
        SyOkExecute(form);
    }
    if (!form.LineBar->isHidden()) {
        form.btnLiOk->setChecked(true);
        LiOkExecute(form);
    }
    if (!form.RouteBar->isHidden()) {
        form.btnRtOk->setChecked(true);
        RtOkExecute(form);
    }
}

}  // namespace

bool ChartClickAwaited(const TForm1& form)
{
    const bool areaTool =
        !form.LineBar->isHidden() && EditingActive && SetupParameters.LineKind >= FirstAreaKind;
    const bool adding = RouteEditMode == RouteDrawing || LineEditPhase == LineDrawing;
    const bool dragging = (RouteEditMode == RouteEditing || LineEditPhase == LineEditing) && PickedPoint >= 0;
    return SymbolPlaceMode || (SymbolMoveMode && ObjectFound) || areaTool || adding || dragging;
}

void WirePositionDialog()
{
    PositionDialogHooks& h = PositionDialogHook;
    h.chartCentre = [] { return MainMapView ? MainMapView->centre : cmgbase::GeoPoint{}; };
    h.centreChart = [](const cmgbase::GeoPoint& position) { return Form1 && CentreChart(*Form1, position); };
    h.clickAt = [](const cmgbase::GeoPoint& position) {
        if (Form1)
            ClickAt(*Form1, position);
    };
    h.finishTool = [] {
        if (Form1)
            FinishTool(*Form1);
    };
    h.positionButton = [] {
        if (Form1)
            Form1->btnPositionClick();
    };
}
