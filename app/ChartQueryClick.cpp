// The query button's click on the main chart: a stored object, a waypoint of the route shown,
// a sample of the own track or a target's track point under the click goes to the information
// dialog or the target dialog; with nothing of the user's there, the chart's own objects.

#include "app/ChartCursor.h"
#include "chart/TCM93Inspector.h"
#include "app/ChartMouse.h"
#include "app/EditingState.h"
#include "app/ObjectSweep.h"
#include "app/TForm1.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "frame/SetupParameters.h"
#include "frame/TrackSample.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TargetTable.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteTable.h"
#include "userdata/SeabedExport.h"
#include "userdata/TQueryDlg.h"
#include "userdata/TrackState.h"
#include "userdata/UserDatabase.h"

#include <QCheckBox>
#include <QToolButton>

#include <algorithm>

namespace {

bool Down(const QAbstractButton* button)
{
    return button && button->isChecked();
}

bool QueryDialogShown()
{
    return QueryDlg && QueryDlg->isVisible();
}

// A waypoint of the route shown: with a second route in the table, the route the waypoint
// came from; otherwise the route picked by its waypoint.
bool FindWaypoint(TForm1& f)
{
    bool found = false;
    if (SecondRoute && HitTestWaypoint(CursorPixel.x, CursorPixel.y)) {
        IdRecord route;
        route.objectType = ObjectType::ROUTE;
        route.id = int32_t(RouteTable[size_t(PickedWaypoint)].objectId);
        using platform::isam::Status;
        found = UserIsam.readEqual(IdTypeKey, UserKeyValue(IdTypeKey, platform::isam::bytesOf(route)),
                                   platform::isam::bytesOf(route)) == Status::Ok;
        if (found)
            IdShownBuffer = route;
    } else {
        found = SweepObjects(f, 402);
    }
    if (found && QueryDlg)
        QueryDlg->SelectedWaypoint = PickedWaypoint;
    return found;
}

// A sample of the own track as the static overlay last drew it, by its slot of the track ring.
bool ShowTrackSample(const ChartClick& click)
{
    const int32_t count = std::clamp(TrackPixels.count, 0, int32_t(TrackPixels.pixels.size()));
    for (int32_t i = 0; i < count; ++i) {
        const TrackPixel& pixel = TrackPixels.pixels[size_t(i)];
        const int32_t slot = pixel.sampleIndex;
        if (slot < 0 || slot >= TrackRingSize || SetupParameters.TrackRing[size_t(slot)].empty() ||
            !WithinReach(pixel.point, click.pixel(), WaypointReach))
            continue;
        if (QueryDlg) {
            QueryDlg->TrackSample = slot;
            QueryDlg->show();
        }
        return true;
    }
    return false;
}

// The first target whose shown track passes within reach of the click becomes the target
// dialog's.
bool PickTargetTrack(TForm1& f, const ChartClick& click)
{
    for (int32_t i = 0; i < TargetCount; ++i) {
        const TargetRecord& target = TargetTable[size_t(i)];
        if (target.id == -1 || target.trackMode == 0)
            continue;
        const int32_t count = std::clamp<int32_t>(target.count, 0, TargetRecord::TrackPoints);
        for (int32_t k = 1; k < count; ++k) {
            ScreenPoint pixel{};
            if (!MainMapView->GeoToScreen(f.chartRect, {target.track[k][0], target.track[k][1]}, pixel) ||
                !WithinReach(pixel, click.pixel(), WaypointReach))
                continue;
            ShownTarget = i;
            if (ArpaDlg) {
                ArpaDlg->UpdateTargetPanel();
                ArpaDlg->show();
            }
            return true;
        }
    }
    return false;
}

}  // namespace

void QueryClick(TForm1& f, const ChartClick& click)
{
    f.pickPoint = click.pixel();
    if (QueryDialogShown())
        QueryDlg->SaveObjectInfo();
    const bool depthMarks = Down(f.Show2DBtn) && f.ck3DMark->isChecked();
    if (depthMarks) {
        ExportSeabed(ViewGeoRect, SeabedEditMode);
        ObjectFound = false;
        return;
    }
    bool found = false;
    if (Down(f.SymbolBtn))
        found = SweepObjects(f, 405) || SweepObjects(f, 406) || SweepObjects(f, 407);
    if (!found && RouteId != 0)
        found = FindWaypoint(f);
    if (!found && (Down(f.SymbolBtn) || LineId != 0))
        found = SweepObjects(f, 403);
    if (!found && Down(f.TrackBtn))
        found = SweepObjects(f, 401);
    if (QueryDlg)
        QueryDlg->TrackSample = -1;
    if (!found) {
        ObjectFound = false;
        if (SetupParameters.TrackMode != 0 && ShowTrackSample(click))
            return;
        if (Down(f.AisBtn) && PickTargetTrack(f, click))
            return;
        ShowChartObjectsAt(f, f.cursorChartPoint);
        return;
    }
    if (QueryDialogShown())
        QueryDlg->OKBtnClick();
    if (QueryDlg)
        QueryDlg->show();
    ObjectFound = false;
}
