#include "app/SearchPatternWiring.h"

#include "app/DrawingBars.h"
#include "app/EditingState.h"
#include "app/LineBar.h"
#include "app/RouteBar.h"
#include "app/TForm1.h"
#include "chart/MapView.h"
#include "sensors/OwnShipState.h"
#include "userdata/DrawnPoints.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteTable.h"
#include "userdata/SearchPatterns.h"

#include <QToolButton>

void WireSearchPatterns()
{
    RouteHook.addDrawnRoutePoint = [](const cmgbase::GeoPoint& position) {
        const int32_t next = RouteEntryCount() + 1;
        if (!AddSarObject(DrawnRouteKind, next, position))
            return false;
        DrawnPointCount = next;
        return true;
    };
    SearchPatternHooks& h = SearchPatternHook;
    h.ownPosition = []() -> std::optional<cmgbase::GeoPoint> {
        if (!OwnShip.positionKnown)
            return std::nullopt;
        return OwnShip.referencePosition;
    };
    h.chartCentre = [] { return MainMapView ? MainMapView->centre : cmgbase::GeoPoint{}; };
    h.finishRoute = [] {
        if (Form1)
            RtOkExecute(*Form1);
    };
    h.finishLine = [] {
        if (!Form1)
            return;
        LiOkExecute(*Form1);
        Form1->SymbolBtn->setChecked(true);
        Form1->chartRedrawRequest = true;
    };
    h.dialogHidden = [] {
        if (Form1)
            Raise(Form1->btnSar);
    };
}
