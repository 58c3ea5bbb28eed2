#include "app/TargetDialogWiring.h"

#include "app/TForm1.h"
#include "app/TargetTrackSave.h"
#include "sensors/TargetDialogHooks.h"
#include "userdata/InfoTexts.h"

#include <QToolBar>

void WireTargetDialog()
{
    TargetDialogHooks& h = TargetDialogHook;
    h.readTextMessages = [](uint32_t now) { return ReadAisTextMessages(now); };
    h.redrawOverlay = [] {
        if (Form1)
            Form1->OverlayRedrawRequest = 1;
    };
    // The stored track and the target's shortened one show after a redraw.
    h.saveArpaTrack = [](int32_t index) {
        if (SaveTargetTrack(index))
            TargetDialogHook.redrawOverlay();
    };
    // The chart's top left corner, beside a drawing bar that is open.
    h.dialogPlace = [](int) {
        if (!Form1)
            return QPoint();
        const bool barOpen = Form1->RouteBar->isVisible() || Form1->SymbBar->isVisible() || Form1->LineBar->isVisible();
        return Form1->CM93->mapToGlobal(QPoint(barOpen ? Form1->RouteBar->width() : 0, 0));
    };
}
