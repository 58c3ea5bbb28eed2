#include "app/LineBar.h"
#include "app/ObjectDialogWiring.h"

#include "app/ChartCursor.h"
#include "app/DataPage.h"
#include "app/EditingState.h"
#include "app/ObjectLoad.h"
#include "app/RouteBar.h"
#include "app/RubberBand.h"
#include "app/StartupIni.h"
#include "app/SymbolBar.h"
#include "app/TDlgFileEdit.h"
#include "app/TForm1.h"
#include "app/TargetTrackSave.h"
#include "app/TrackButton.h"
#include "chart/TCM93Inspector.h"
#include "chart/TPositionDlg.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TSimDlg.h"
#include "sensors/TargetTable.h"
#include "userdata/ObjectDialogHooks.h"
#include "userdata/ScreenKeyboard.h"
#include "userdata/UserRecords.h"

#include <QCursor>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace {

// The drawing bar opened as its tool button does, the other bars closed as by their OK.
void OpenObjectBar(TForm1& f, ObjectBar bar)
{
    if (!f.RouteBar->isHidden()) {
        RtOkExecute(f);
        f.RouteBtn->setChecked(false);
    }
    if (bar == ObjectBar::Symbols && !f.LineBar->isHidden())
        CloseLineBar(f);
    if (bar == ObjectBar::Lines && !f.SymbBar->isHidden())
        CloseSymbolBar(f);
    (bar == ObjectBar::Symbols ? f.SymbBar : f.LineBar)->show();
    f.PlaceToolPanel();
    QCursor::setPos(f.mapToGlobal(QPoint(40, 140)));
    f.chartRedrawRequest = true;
}

void CloseObjectBars(TForm1& f)
{
    f.SymbBar->hide();
    f.SymbSelection->hide();
    f.LineBar->hide();
    f.SymbSelBtn->setChecked(false);
    f.SymbolBtn->setChecked(false);
    f.PlaceToolPanel();
}

// Every target's track stored and its record freed; the target dialog showed one of them.
void SaveAllTargets()
{
    SaveAllTargetTracks();
    if (ArpaDlg && ShownTarget >= 0 && ShownTarget < TargetCount) {
        ShownTarget = -1;
        ArpaDlg->hide();
    }
    if (Form1)
        Form1->chartRedrawRequest = true;
}

}  // namespace

void WireObjectDialogs()
{
    ScreenKeyboardCommand = OutsideProgramCommands.screenKeyboard;
    ObjectDialogHooks& h = ObjectDialogHook;
    h.queryChartObjects = [](const cmgbase::GeoPoint& position) {
        if (Form1)
            ShowChartObjectsAt(*Form1, position);
    };
    h.focusPositionDialog = [] {
        if (PositionDlg && PositionDlg->isVisible())
            PositionDlg->activateWindow();
    };
    h.loadObject = [](ObjectType type, int32_t id) {
        if (Form1)
            LoadObject(*Form1, int32_t(type), id);
    };
    h.lineId = [] { return LineId; };
    h.setLineId = [](int32_t id) { LineId = id; };
    // The rubber band goes on from the typed point.
    h.pointTyped = [](const cmgbase::GeoPoint& position, bool added) {
        AnchorGeo = position;
        if (added)
            ++DrawnPointCount;
    };
    // The static overlay sweeps the user objects with the filters as they are now.
    h.refresh = [](ChartRefresh) {
        if (Form1)
            Form1->chartRedrawRequest = true;
    };
    h.syncDataTab = [] {
        if (Form1)
            SyncDataTab(*Form1);
    };
    h.setTrackButton = [](bool down) {
        if (Form1)
            Form1->TrackBtn->setChecked(down);
    };
    h.toggleTrackButton = [] {
        if (Form1)
            Form1->TrackBtn->toggle();
    };
    h.recordingColour = [](const QColor& colour) {
        if (Form1)
            SetTrackButtonColour(*Form1, colour);
    };
    h.armTrackPick = [](TrackPick pick) {
        if (pick == TrackPick::Cut)
            CutMode = true;
        else
            PickMode = int32_t(ObjectType::TRACK);
    };
    h.saveAllTargetTracks = [] { SaveAllTargets(); };
    h.showSimulatedTarget = [] {
        if (SimDlg)
            SimDlg->show();
    };
    h.editFile = [](const std::filesystem::path& file, QSize size) {
        if (!DlgFileEdit)
            return;
        EditFilePath = file;
        DlgFileEdit->resize(size);
        DlgFileEdit->show();
    };
    h.openObjectBar = [](ObjectBar bar) {
        if (Form1)
            OpenObjectBar(*Form1, bar);
    };
    h.closeObjectBars = [] {
        if (Form1)
            CloseObjectBars(*Form1);
    };
}
