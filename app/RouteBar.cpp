#include "app/RouteBar.h"

#include "app/DataPage.h"
#include "app/DrawingBars.h"
#include "app/EditingState.h"
#include "app/LineBar.h"
#include "app/LogText.h"
#include "app/ObjectLoad.h"
#include "app/ObjectCodes.h"
#include "app/RouteText.h"
#include "app/SymbolBar.h"
#include "app/TDlgFileEdit.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/ChartPresentation.h"
#include "chart/MapView.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "sensors/ComPortControl.h"
#include "sensors/OwnShipState.h"
#include "userdata/DrawingFinish.h"
#include "userdata/ObjectDeletion.h"
#include "userdata/ObjectPoints.h"
#include "userdata/ObjectSelection.h"
#include "userdata/RouteCopy.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteTable.h"
#include "userdata/TDbObj.h"
#include "userdata/TListDlg.h"
#include "userdata/TQueryDlg.h"
#include "userdata/TSarDlg.h"
#include "userdata/TWpDlg.h"

#include <QCursor>
#include <QLabel>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <mutex>
#include <vector>

namespace {

constexpr int32_t RouteDeletePick = 2;
constexpr int32_t RoutePick = 2;
constexpr int AutoStoreSeconds = 60;
constexpr size_t CopyQuestion = 33;
constexpr size_t DeleteQuestion = 28;
constexpr int DrawnRouteGridRows = 2;
// Where the pointer goes when the bar opens with no route: beside the bar's first buttons.
constexpr QPoint OpenBarPointer{40, 140};
constexpr QSize RouteTextSize{755, 400};

void SetRouteState(int32_t id, int32_t mode)
{
    const std::lock_guard lock(ComOutStateLock);
    RouteId = id;
    RouteEditMode = mode;
}

void SetRouteEditMode(int32_t mode)
{
    const std::lock_guard lock(ComOutStateLock);
    RouteEditMode = mode;
}

void RequestRouteStop()
{
    const std::lock_guard lock(ComOutStateLock);
    RouteStopRequest = 1;
}

// The route panel goes with the route: WpPanel hidden, the tool dialog down to the notice, and
// the mini chart's presentation as without a route.
void HideRoutePanel(TForm1& f)
{
    f.WpPanel->hide();
    f.ToolDlg->move(f.ToolDlg->x(), f.Notice->y() - f.ToolDlg->height());
    if (MiniMapView)
        ApplyPresentation(f, false, true, PresentationColours);
}

// The route in the table read again from the database, as it is stored now.
void ReloadRoute(TForm1& f)
{
    ClearRouteTable();
    LoadObject(f, RouteLoadCode, RouteId);
}

int32_t StoredPointCount(int32_t id)
{
    std::vector<PointRecord> points;
    ReadObjectPoints(id, points);
    return int32_t(points.size());
}

// The object dialog lists the routes for picking, with Retour offered.
void OpenRoutePick(TForm1& f)
{
    ObjectPickKind = RoutePick;
    OpenObjectList(int32_t(ObjectType::ROUTE));
    f.OverlayRedrawRequest = 1;
}

void CloseRouteBar(TForm1& f)
{
    ReleaseRoute(f);
    EditingActive = false;
    NextStopWaypoint = -1;
    DrawnPointCount = 0;
    if (ObjectPickKind != 0) {
        ObjectPickKind = 0;
        for (QToolButton* button : {f.btnDelRt, f.btnPickRt, f.btnAddRt})
            Raise(button);
    }
    f.RouteBar->hide();
    f.RouteBtn->setChecked(false);
    f.PlaceToolPanel();
    f.OverlayRedrawRequest = 1;
    SyncDataTab(f);
}

void OpenRouteBar(TForm1& f)
{
    f.RouteBtn->setChecked(true);
    if (!f.SymbBar->isHidden())
        CloseSymbolBar(f);
    if (!f.LineBar->isHidden())
        CloseLineBar(f);
    SecondTick.routeAutoStoreCountdown = AutoStoreSeconds;
    f.RouteBar->show();
    f.RouteBar->raise();
    f.PlaceToolPanel();
    if (RouteEditMode == 0)
        QCursor::setPos(OpenBarPointer);
    EditingActive = false;
    LeaveDeleteChoice();
    RaiseQueryButton(f);
}

}  // namespace

void ConnectRouteBar(TForm1& f)
{
    QObject::connect(f.RouteBtn, &QToolButton::clicked, &f, [&f] { RouteExecute(f); });
    const std::pair<QToolButton*, void (*)(TForm1&)> actions[] = {
        {f.btnPrintRt, RtPrintExecute}, {f.btnCalcRt, RtCalcExecute},   {f.btnCopyRt, RtCopyExecute},
        {f.btnAddRt, RtAddExecute},     {f.btnPickRt, RtSelectExecute}, {f.btnDelRt, RtDelExecute},
        {f.btnChangeRt, RtEditExecute}, {f.btnDrawRt, RtDrawExecute},   {f.btnSar, RtSarExecute},
        {f.btnRtOk, RtOkExecute}};
    for (const auto& [button, action] : actions)
        QObject::connect(button, &QToolButton::clicked, &f, [&f, action] { action(f); });
    QObject::connect(f.btnListRt, &QToolButton::clicked, &f, [&f](bool down) { btnLiListClick(f, down); });
}

void RouteExecute(TForm1& f)
{
    if (DbObj && DbObj->isVisible())
        DbObj->hide();
    LeaveDeleteChoice();
    if (!f.RouteBar->isHidden() || RouteId != 0) {
        if (ObjectSelectionMode % ObjectListFilled == int32_t(ObjectType::ROUTE))
            ObjectSelectionMode = 0;
        if (!f.RouteBar->isHidden()) {
            CloseRouteBar(f);
            return;
        }
    }
    OpenRouteBar(f);
    PickMode = 0;
}

void ReleaseRoute(TForm1& f)
{
    {
        const std::lock_guard lock(ComOutStateLock);
        if (RouteId != 0)
            RouteStopRequest = 1;
        RouteId = 0;
        RouteEditMode = 0;
        // The start's hold counts down with the evaluations, which end here: left standing it
        // would keep the anchor and antigrounding alarms from the relay for the rest of the run.
        AlarmHold = 0;
        StartGrace = 0;
    }
    RouteChanged = false;
    NextStopWaypoint = -1;
    HideRoutePanel(f);
    if (OwnShip.alarmActive) {
        Alarm.newWaypoint = Alarm.routeDeviation = false;
        Alarm.routeDeviationSetActive = Alarm.routeDeviationSetAcknowledged = false;
        // The route's own alarms go with it; an antigrounding alarm or an alarm of a kind (the
        // anchor, no GPS) sounds on with its relay, as the danger has not gone with the route.
        if (!Alarm.depthAlarmRaised && OwnShip.alarmKind == AlarmNone) {
            OwnShip.alarmActive = false;
            SetAlarmRelay(false);
        }
    }
}

void RtPrintExecute(TForm1&)
{
    WriteRouteText();
    if (!DlgFileEdit)
        return;
    EditFilePath = LogFolderFile("route.txt");
    DlgFileEdit->resize(RouteTextSize);
    DlgFileEdit->show();
}

void RtCalcExecute(TForm1&)
{
    ToggleRouteDialog();
}

void RtCopyExecute(TForm1& f)
{
    PointAtChart(f, 30, 55);
    if (AskBarQuestion(f, CopyQuestion) == platform::MsgAnswer::Ok) {
        if (const std::optional<IdRecord> copy = CopyRouteTable()) {
            OfferForNaming(*copy);
            SetRouteState(copy->id, RouteEditMode);
        }
    }
    Raise(f.btnCopyRt);
}

void RtAddExecute(TForm1& f)
{
    EditingActive = true;
    RouteAddedTo = RouteId;
    SetRouteState(0, 0);
    NextStopWaypoint = -1;
    RouteChanged = true;
    OpenRoutePick(f);
}

void RtSelectExecute(TForm1& f)
{
    ReleaseRoute(f);
    EditingActive = true;
    RouteAddedTo = 0;
    ClearRouteTable();
    NextStopWaypoint = -1;
    RouteChanged = true;
    ObjectLoaded = false;
    OpenRoutePick(f);
    SyncDataTab(f);
}

void RtDelExecute(TForm1& f)
{
    EditingActive = true;
    if (RouteId != 0) {
        PointAtChart(f, 130, 55);
        if (AskBarQuestion(f, DeleteQuestion) == platform::MsgAnswer::Ok) {
            // A route received from another navigator is in the table only.
            if (RouteId != RouteNotStored)
                DeleteObject(ObjectType::ROUTE, RouteId);
            SetRouteState(0, 0);
            DrawnPointCount = 0;
            f.OverlayRedrawRequest = 1;
            RequestRouteStop();
            HideRoutePanel(f);
        }
        EditingActive = false;
        Raise(f.btnDelRt);
    } else {
        PickMode = RouteDeletePick;
    }
    if (PickMode == RouteDeletePick) {
        RtSelectExecute(f);
        RouteChanged = false;
    }
}

void RtEditExecute(TForm1& f)
{
    EditingActive = true;
    RemoveOwnPosition();
    SetRouteEditMode(RouteEditing);
    ResetRouteDialog(0);
    RouteChanged = true;
    // A route received from another navigator is in the table only: it stays as it is.
    if (RouteId != RouteNotStored)
        ReloadRoute(f);
    DrawnPointCount = RouteEntryCount();
    RefreshRouteGrid();
    f.OverlayRedrawRequest = 1;
}

void RtDrawExecute(TForm1& f)
{
    ReleaseRoute(f);
    EditingActive = true;
    PickMode = 0;
    DrawnPointCount = 0;
    {
        const std::lock_guard lock(ComOutStateLock);
        RouteEditMode = RouteDrawing;
        RouteId = 0;
        CurrentWaypoint = 0;
        OwnPositionInserted = 0;
    }
    f.OverlayRedrawRequest = 1;
    SelectedWaypoint = -1;
    NextStopWaypoint = -1;
    RouteChanged = true;
    ObjectLoaded = false;
    RouteName[0] = SecondRouteName[0] = '\0';
    ClearRouteTable();
    ResetRouteDialog(DrawnRouteGridRows);
}

void RtSarExecute(TForm1&)
{
    if (SarDlg)
        SarDlg->show();
    EditingActive = true;
}

void RtOkExecute(TForm1& f)
{
    if (ObjectPickKind == RoutePick) {
        if (DbObj)
            DbObj->OKClick();
        return;
    }
    Raise(f.btnRtOk);
    if (EditingActive) {
        EditingActive = false;
        for (QToolButton* button : {f.btnDelRt, f.btnDrawRt, f.btnChangeRt})
            Raise(button);
        PickMode = 0;
        ObjectPickKind = 0;
        RouteChanged = false;
        if (DbObj && DbObj->isVisible())
            DbObj->OKClick();
    } else {
        f.RouteBar->hide();
        f.PlaceToolPanel();
        if (RouteId == 0)
            Raise(f.RouteBtn);
    }
    if (RouteEditMode == RouteDrawing)
        StoreRoutePointFlags(RouteId);
    Raise(f.btnListRt);
    if (ListDlg)
        ListDlg->hide();
    if (RouteEditMode == RouteEditing) {
        if (RouteId == RouteNotStored) {
            SetRouteEditMode(RouteShown);
            f.OverlayRedrawRequest = 1;
            return;
        }
        ClearObjectEditMark(RouteId);
    }
    if (RouteEditMode == RouteDrawing || RouteEditMode == RouteEditing) {
        SelectedWaypoint = -1;
        NextStopWaypoint = -1;
        // Whether the route is kept goes by what is stored of it, not by the clicks counted:
        // an edit begun before the route had loaded counted none.
        if (StoredPointCount(RouteId) < 2) {
            if (RouteId != 0)
                DeleteObject(ObjectType::ROUTE, RouteId);
            SetRouteState(0, 0);
        } else {
            SetRouteEditMode(RouteShown);
            RouteChanged = true;
            ReloadRoute(f);
            Countdowns.routeGridChange = 1;
        }
    }
    DrawnPointCount = 0;
    const std::lock_guard lock(ComOutStateLock);
    RouteStartRequest = 1;
}
