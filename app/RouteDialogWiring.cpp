#include "app/RouteDialogWiring.h"

#include "app/BackCanvas.h"
#include "app/EditingState.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "userdata/TWpDlg.h"

#include <QComboBox>
#include <QCursor>
#include <QToolButton>

void WireRouteDialog()
{
    RouteDialogHooks& h = RouteDialogHook;
    h.holdGridRefresh = [](int32_t ticks) { Countdowns.routeGridChange = ticks; };
    h.releaseCalculatorButton = [] {
        if (Form1)
            Form1->btnCalcRt->setChecked(false);
    };
    h.autoCentring = [] { return Form1 && Form1->AutoBtn->isChecked() && PickMode == 0 && ObjectPickKind == 0; };
    h.chartSize = [] {
        return Form1 ? QSize(Form1->CM93->width(), Form1->CM93->height()) : QSize();
    };
    h.centreChartOn = [](const cmgbase::GeoPoint& position) {
        if (!Form1 || !MainMapView)
            return;
        if (MainMapView->SetCentre(position))
            RedrawChart(*Form1, true);
        if (const auto pixel = MainViewPixel(*Form1, position))
            QCursor::setPos(Form1->CM93->mapToGlobal(QPoint(pixel->x, pixel->y)));
    };
    h.daylight = [] { return Form1 ? int32_t(Form1->Daylight->currentIndex()) : 0; };
    h.dockArea = [] {
        if (!Form1)
            return QRect();
        const QRect window = Form1->frameGeometry();
        return QRect(window.left(), window.top(), Form1->CM93->width(), window.height());
    };
}
