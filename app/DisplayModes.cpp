// The display mode chosen in Daylight: the tool bar's day or night pictures, the chart's colour
// table and the program's colour scheme, and what follows the scheme.

#include "app/BarImages.h"
#include "app/ColourScheme.h"
#include "app/ExternalLibraries.h"
#include "app/ImageList1.h"
#include "app/ImageList5.h"
#include "app/TForm1.h"
#include "chart/ChartHooks.h"
#include "chart/ChartLevels.h"
#include "chart/ChartPresentation.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "radarweather/TRadarCtrl.h"

#include <QComboBox>

namespace {

// Modes 3 and 4 show the night pictures.
constexpr int32_t FirstNightMode = 3;
constexpr int32_t StatAPaletteChanged = 8;

// The 3D view takes its palette in the brightness of the mode: modes 1 and 2 share one.
void GiveThreeDThePalette(int32_t mode)
{
    if (!ThreeDAvailable)
        return;
    const ExternalEntries& e = ExternalEntryTable;
    if ((e.tGetStatC() & StatCHeld) == 0) {
        e.tPutStatC(e.tGetStatC() | StatCWriting);
        e.tGetRec(&ThreeDExchange, ThreeDShortRecord);
        ThreeDExchange.palette = ThreeDPaletteWord(SetupParameters.ThreeDPalette, mode);
        e.tPutRec(&ThreeDExchange, ThreeDShortRecord);
        e.tPutStatC(e.tGetStatC() & ~StatCWriting);
    }
    e.tPutStatA(e.tGetStatA() | StatAPaletteChanged);
}

}  // namespace

void TForm1::ConnectDisplayModes()
{
    ImageList1 = MakeImageList1();
    ImageList5 = MakeImageList5();
    connect(Daylight, &QComboBox::activated, this, &TForm1::DaylightChange);
    ChartHook.applyColourScheme = [this](int32_t mode) { ApplyColourScheme(*this, mode); };
}

// Nothing happens before the start-up has set the controls up, nor for an entry outside the
// five modes.
void TForm1::DaylightChange()
{
    const int32_t mode = Daylight->currentIndex();
    if (!StartupDone || ChartRestartInProgress || mode < 0 || mode >= DisplayModeCount)
        return;
    DisplayModeIndex = mode;
    if (mode < FirstNightMode && !DayImagesActive) {
        DayImagesActive = true;
        ShowToolBarImages(*this, ImageList1);
    } else if (mode >= FirstNightMode && DayImagesActive) {
        DayImagesActive = false;
        ShowToolBarImages(*this, ImageList5);
    }
    // The chart's colour table and the colour scheme; every window of the program repaints in
    // the new colours.
    ApplyPresentation(*this, true, true, PresentationColours | PresentationScheme);
    ShowZoomPanelWarning(*this, zoomPanelWarning);
    GiveThreeDThePalette(mode);
    if (cmbDepthSave->currentIndex() != 0)
        cmbDepthSaveChange();
    // The radar panel's bars in the new colours, and the overlay's brightness for the new mode.
    if (RadarCtrl && RadarCtrl->isVisible()) {
        RadarCtrl->update();
        RadarCtrl->tbAlphaChange();
    }
}
