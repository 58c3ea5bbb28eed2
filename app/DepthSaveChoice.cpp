// The depth recording choice of the side panel: while depths are recorded, the data-set buttons
// that would move the recording to the other seabed file are locked.

#include "app/DataPage.h"
#include "app/SensorWiring.h"
#include "app/TForm1.h"
#include "chart/OverlayColours.h"
#include "frame/SetupParameters.h"
#include "sensors/OwnShipState.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPalette>
#include <QToolBar>

#include <array>

namespace {

// The user colour of each choice after "off": "voy" yellow, "fld" orange, "max" red.
constexpr std::array<int32_t, 3> RecordingColours = {4, 7, 1};

}  // namespace

void TForm1::cmbDepthSaveChange()
{
    const int choice = cmbDepthSave->currentIndex();
    SetupParameters.DepthSaveChoice = choice;
    RefreshSensorSettings();
    const bool recording = choice > 0;
    LockDataSetButtons(*this);
    if (!recording)
        OwnShip.seabedFlushRequest = true;  // the tick stores the tile being recorded

    QPalette palette = cmbDepthSave->palette();
    palette.setColor(QPalette::Button, recording ? UserColour(RecordingColours[size_t(choice - 1)])
                                                 : QApplication::palette().color(QPalette::Base));
    cmbDepthSave->setPalette(palette);
    if (ToolBar1->isVisible())
        ZoomPanel->setFocus();
}
