// The chart click that picks the route or line the object bar is open for. A picked route gets
// the gaps in its waypoint numbers closed, is loaded (reversed when the click was a right one
// sent on) and handed to route following; a picked line becomes the line edited. With no route
// under the click, a track can be made a route; with no line, a track takes the line colour.

#include "app/ChartMouse.h"
#include "app/EditingState.h"
#include "app/LineBar.h"
#include "app/ObjectCodes.h"
#include "app/ObjectLoad.h"
#include "app/ObjectSweep.h"
#include "app/TForm1.h"
#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "platform/system/MessageBox.h"
#include "userdata/DatabaseReports.h"
#include "userdata/ObjectIds.h"
#include "userdata/ObjectPointEdits.h"
#include "userdata/ObjectSelection.h"
#include "userdata/ObjectToRoute.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteTable.h"
#include "userdata/TDbObj.h"
#include "userdata/TListDlg.h"
#include "userdata/UserDatabase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QToolButton>

#include <cstdio>
#include <mutex>
#include <string>

namespace {

constexpr int32_t RoutePickKind = 2;

void ReloadPointList()
{
    if (ListDlg && ListDlg->isVisible())
        ListDlg->FormShow();
}

// The waypoint numbers of the picked route run 1, 2, 3 ... again; the officer is told from
// which waypoint on the route is to be checked. A renumbering that failed is reported by the
// store, and then nothing is called repaired.
void RepairRoute(TForm1& f)
{
    const SequenceRepair repair = RepairPointSequence(RouteId);
    if (!repair.complete || repair.firstRepaired == 0)
        return;
    char text[80];
    std::snprintf(text, sizeof text, "WP %d is repaired. Check route onward from this wp!", int(repair.firstRepaired));
    platform::MessageBoxRequest box;
    box.owner = &f;
    box.text = text;
    box.caption = "Warning !";
    box.icon = platform::MsgIcon::Exclamation;
    box.topMost = true;
    platform::ShowMessageBox(box);
}

std::string RouteListName(const IdRecord& route)
{
    const std::string name = FixedText(route.name);
    return name.empty() ? "id:" + std::to_string(route.id) : name;
}

// The route picked (RouteId, by the sweep or made from a track) is loaded in the direction of
// the click, onto the route it is added to if any, and route following is asked to take it.
void TakeRoute(TForm1& f, const ChartClick& click, const IdRecord& route)
{
    RepairRoute(f);
    SetRouteNames(RouteListName(route), click.real);
    RouteForward = click.real ? 1 : 0;
    if (RouteAddedTo == 0)
        ClearRouteTable();
    RouteLoadRequest = 1;
    LoadObject(f, RouteLoadCode, RouteId);
    if (!RouteDeletePick(f))
        PickMode = 0;
    f.btnPickRt->setChecked(false);
    f.btnAddRt->setChecked(false);
    EditingActive = false;
    const std::lock_guard lock(ComOutStateLock);
    RouteStartRequest = 1;
}

bool PickRoute(TForm1& f, const ChartClick& click, bool found)
{
    IdRecord route = FoundObjectRecord;
    if (!found && f.ckTrack2Route->isChecked() && RouteId == 0 && SweepObjects(f, 401)) {
        // The track under the click becomes a new route (RouteId).
        found = SimplifyObjectPoints() != 0;
        route = IdRecord();
        route.id = RouteId;
    }
    if (!found)
        return false;
    TakeRoute(f, click, route);
    ReloadPointList();
    return true;
}

// A track under the click (none of the lines was) takes the line colour and ends the line tool.
bool RecolourTrack(TForm1& f)
{
    if (!SweepObjects(f, 201))
        return false;
    IdRecord track;
    track.id = FoundObjectRecord.id;
    using platform::isam::Status;
    if (CheckRecordStatus("read", IdFile,
                          UserIsam.readEqual(IdNumberKey, UserKeyValue(IdNumberKey, platform::isam::bytesOf(track)),
                                             platform::isam::bytesOf(track))) == Status::Ok) {
        track.colour = SetupParameters.LineColour;
        RewriteIdRecord(track);
    }
    f.btnLiEdit->setChecked(false);
    LiOkExecute(f);
    return true;
}

}  // namespace

bool RouteDeletePick(const TForm1& f)
{
    return PickMode == RoutePickKind && f.btnDelRt->isChecked();
}

void PickObjectClick(TForm1& f, const ChartClick& click)
{
    const int32_t kind = ObjectPickKind;
    bool found = SweepObjects(f, 200 + kind);
    if (kind == RoutePickKind) {
        found = PickRoute(f, click, found);
    } else if (found) {
        if (LineEditPhase == LineEditing)
            ReloadPointList();
    } else {
        found = RecolourTrack(f);
    }
    if (!found)
        return;
    if (DbObj) {
        DbObj->lbListObj->clear();
        DbObj->hide();
    }
    ObjectFound = false;
    ObjectPickKind = 0;
    f.OverlayRedrawRequest = 1;
}
