#include "app/ObjectDialogWiring.h"

#include "app/ChartCursor.h"
#include "app/EditingState.h"
#include "app/ObjectLoad.h"
#include "app/PendingServices.h"
#include "app/RubberBand.h"
#include "app/StartupIni.h"
#include "app/TForm1.h"
#include "chart/TPositionDlg.h"
#include "userdata/ObjectDialogHooks.h"
#include "userdata/ScreenKeyboard.h"

void WireObjectDialogs()
{
    ScreenKeyboardCommand = OutsideProgramCommands.screenKeyboard;
    ObjectDialogHooks& h = ObjectDialogHook;
    h.queryChartObjects = [](const cmgbase::GeoPoint& position) {
        if (Form1)
            pending::ShowChartObjectsAt(*Form1, position);
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
            ++ClickCount;
    };
}
