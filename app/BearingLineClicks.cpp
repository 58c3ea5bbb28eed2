// The bearing tool's clicks on the main chart. Left: an origin of its own away from the own ship,
// back to the own ship on it. Right: on the own ship the line's far end is fixed there; elsewhere
// a line with an origin becomes a route from the origin to the click, and one without an origin
// keeps its end at the click. Middle: the line is kept on the chart (the last three).

#include "app/ChartCursor.h"
#include "app/KeyboardShortcuts.h"
#include "app/ChartMouse.h"
#include "app/DynamicOverlay.h"
#include "app/TForm1.h"
#include "frame/PortSettings.h"
#include "sensors/OwnShipState.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteTable.h"

#include <QFrame>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>
#include <mutex>

namespace {

constexpr float UnderWaySpeed = 1.0f;  // knots
constexpr QPoint CrossPanelOffset{-34, 4};

void CloseCrossBearing(TForm1& f)
{
    f.edCross->clear();
    f.CrossPanel->hide();
}

}  // namespace

void BearingLeftClick(TForm1& f, const ChartClick& click)
{
    if (click.onOwnShip) {
        BearingOriginSet = false;
        BearingFrozen = false;
        f.edCross->clear();
        if (OwnShip.speedOverGround > UnderWaySpeed)
            f.EtaPanel->show();
        f.CrossPanel->hide();
        return;
    }
    BearingOriginSet = true;
    f.EtaPanel->hide();
    AnchorGeo = f.cursorChartPoint;
    AnchorPixel = click.pixel();
    if (KeyboardInUse) {
        f.CrossPanel->move(f.CM93->mapTo(&f, QPoint(click.x, click.y) + CrossPanelOffset));
        f.edCross->clear();
        f.CrossPanel->show();
        f.CrossPanel->raise();
        f.edCross->setFocus();
    }
    PaintDynamicOverlay(f, false);
}

void BearingRightClick(TForm1& f, const ChartClick& click)
{
    if (click.onOwnShip) {
        BearingFrozen = BearingOriginSet;
        return;
    }
    BearingEndGeo = f.cursorChartPoint;
    BearingEndPixel = click.pixel();
    if (!BearingOriginSet) {
        BearingFrozen = true;
        return;
    }
    // A line of no length makes no route: the tool stays as it is.
    if (!TakeBearingLineRoute(AnchorGeo, f.cursorChartPoint))
        return;
    RouteTable[0].screenPoint = AnchorPixel;
    RouteTable[1].screenPoint = click.pixel();
    {
        const std::lock_guard lock(ComOutStateLock);
        RouteStartRequest = 1;
    }
    f.BearingBtn->setChecked(false);
    f.RouteBtn->setChecked(true);
    CloseCrossBearing(f);
}

bool BearingMiddleClick(TForm1& f)
{
    if (!f.BearingBtn->isChecked() || !BearingOriginSet)
        return false;
    std::shift_right(StoredBearingLines.begin(), StoredBearingLines.end(), 1);
    StoredBearingLines.front() = {AnchorGeo, BearingEndGeo};
    CloseCrossBearing(f);
    f.OverlayRedrawRequest = 1;
    return true;
}
