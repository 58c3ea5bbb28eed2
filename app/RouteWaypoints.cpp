#include "app/RouteWaypoints.h"

#include "app/ObjectLabelDrawing.h"
#include "app/GreatCircleLegDrawing.h"
#include "app/RouteLegDrawing.h"
#include "app/TForm1.h"
#include "frame/SetupParameters.h"
#include "userdata/ObjectLabel.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteStore.h"
#include "userdata/RouteTable.h"
#include "userdata/TWpDlg.h"

namespace {

constexpr int32_t NumberOffset = 6;

bool InChart(const TForm1& form, const ScreenPoint& point)
{
    return point.x >= 0 && point.y >= 0 && point.x < form.chartRect.right - form.chartRect.left &&
           point.y < form.chartRect.bottom - form.chartRect.top;
}

}  // namespace

void PaintRouteWaypoints(TForm1& form, QPainter& canvas)
{
    const int32_t count = RouteEntryCount();
    const bool turnsShown = SetupParameters.RouteLegs != 0;
    if (turnsShown) {
        for (int32_t i = 0; i < count; ++i)
            ComputeWaypointTurn(i);
        if (WpDlg && WpDlg->isVisible())
            RecalcRouteTable(*WpDlg);
    }
    const int32_t width = SetupParameters.ThickRoute ? 2 : 1;
    for (int32_t leg = 0; leg + 1 < count; ++leg) {
        const bool greatCircle = turnsShown && RouteTable[size_t(leg)].legKind == GreatCircleLeg;
        if (greatCircle && DrawGreatCircleLeg(form, canvas, leg, width))
            continue;
        const bool active = !turnsShown || leg + 1 == CurrentWaypoint;
        DrawRouteLeg(form, canvas, leg, active, false);
    }
    const IdRecord none;
    for (int32_t i = 0; i < count; ++i) {
        const ScreenPoint point = RouteTable[size_t(i)].screenPoint;
        if (!InChart(form, point))
            continue;
        const int32_t number = WaypointNumber(i) + (i == SelectedWaypoint ? SelectedWaypointMark : 0);
        DrawObjectLabel(form, canvas, none, point.x - NumberOffset, point.y - NumberOffset, number);
    }
}
