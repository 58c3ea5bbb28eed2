#include "chart/ChartPresentation.h"

#include "chart/ChartEngineRestart.h"
#include "chart/ChartHooks.h"
#include "chart/ChartRedraw.h"
#include "chart/ChartWindow.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>

#include <array>

namespace {

// The engine's colour scheme of each day / night palette: day bright, day whiteback, day
// blackback, dusk, night.
constexpr std::array<int32_t, 5> EngineScheme{0, 2, 1, 3, 4};

struct Rgb {
    uint8_t red, green, blue;
};

// A colour of the program's own table (S52 mode 1) for one entry and day / night palette, with
// its shade under the alternative night colours where it has one.
struct OwnColour {
    int entry;
    int palette;
    Rgb colour;
    bool hasAlternative = false;
    Rgb alternative{};
};

constexpr OwnColour OwnColours[] = {
    {0, 0, {255, 255, 255}},
    {0, 1, {185, 185, 185}},
    {2, 4, {80, 60, 0}},
    {5, 1, {220, 0, 0}},
    {5, 2, {220, 0, 0}},
    {5, 3, {130, 0, 0}},
    {5, 4, {90, 0, 0}},
    {7, 0, {255, 255, 0}},
    {14, 0, {230, 0, 0}},
    {14, 1, {220, 0, 0}},
    {14, 2, {220, 0, 0}},
    {14, 3, {130, 0, 0}},
    {14, 4, {90, 0, 0}},
    {15, 0, {0, 178, 8}},
    {15, 1, {0, 178, 8}},
    {15, 3, {0, 100, 8}},
    {15, 4, {0, 70, 8}},
    {16, 0, {255, 230, 0}},
    {16, 3, {110, 85, 0}},
    {16, 4, {80, 60, 0}},
    {21, 0, {245, 190, 30}},
    {21, 1, {187, 142, 9}},
    {21, 2, {150, 100, 0}},
    {21, 3, {60, 40, 0}},
    {21, 4, {40, 20, 0}},
    {24, 1, {100, 100, 100}},
    {24, 3, {80, 80, 80}},
    {24, 4, {110, 55, 0}},
    {25, 4, {140, 70, 0}},
    {26, 2, {150, 150, 150}},
    {26, 4, {70, 25, 0}},
    {27, 3, {80, 80, 80}},
    {27, 4, {90, 50, 0}},
    {28, 0, {235, 245, 255}},
    {28, 1, {185, 195, 205}},
    {29, 0, {220, 230, 240}},
    {29, 1, {170, 180, 190}},
    {29, 2, {60, 68, 76}, true, {45, 51, 57}},
    {29, 3, {20, 25, 30}, true, {23, 22, 21}},
    {29, 4, {15, 20, 25}, true, {15, 14, 13}},
    {30, 0, {190, 225, 255}},
    {30, 1, {150, 170, 210}},
    {30, 2, {80, 95, 125}},
    {30, 3, {30, 40, 60}},
    {30, 4, {17, 25, 38}},
    {31, 0, {145, 203, 255}},
    {31, 1, {120, 150, 200}},
    {31, 2, {85, 120, 170}, true, {43, 60, 82}},
    {31, 3, {40, 50, 70}, true, {20, 25, 35}},
    {31, 4, {20, 30, 50}, true, {10, 15, 25}},
    {32, 0, {135, 178, 135}},
    {32, 1, {70, 140, 90}},
};

constexpr int DepthAreaShallow = 24;  // colours taken from the medium-depth colour without a
constexpr int DepthAreaMedium = 25;   // safety depth
constexpr int DepthAreaDeep = 27;

// The words of the contour depths and the depth unit, which the mini chart takes from the
// main chart's settings.
constexpr int DepthWords[] = {4, 5, 6, 7, 36};

bool Down(const QAbstractButton* button) { return button && button->isChecked(); }

// The entry of Daylight; without one of the five modes chosen the palette stays as it is.
int32_t PaletteIndexOf(const ChartWindow& window)
{
    const int index = window.controls.Daylight ? window.controls.Daylight->currentIndex() : 0;
    return index >= 0 && index < int(EngineScheme.size()) ? index : window.DisplayModeIndex;
}

PresentationChoice ChosenPresentation(const ChartControls& controls)
{
    return Down(controls.rbBase) ? PresentationChoice::Base
           : Down(controls.rbStd) ? PresentationChoice::Standard
                                  : PresentationChoice::Other;
}

// Variant 1 (the S52 symbolization) in S52 mode 0, else the engine's own.
int32_t SettingsVariant() { return SetupParameters.DisplayMode == 0 ? 1 : 0; }

// Ends an operation on a refused engine call.
bool Failed(ChartWindow& window, const char* reason)
{
    ChartEngineFailed(window, reason);
    return false;
}

}  // namespace

void AdjustChartColours(ChartColourTable& table, int32_t paletteIndex)
{
    if (SetupParameters.DisplayMode == 1) {
        const bool alternative = SetupParameters.AltNightColours != 0;
        for (const OwnColour& own : OwnColours) {
            if (own.palette != paletteIndex)
                continue;
            const Rgb& c = alternative && own.hasAlternative ? own.alternative : own.colour;
            table[3 * own.entry] = c.red;
            table[3 * own.entry + 1] = c.green;
            table[3 * own.entry + 2] = c.blue;
        }
    }
    if (SetupParameters.SafetyContour == 0)
        for (const int entry : {DepthAreaShallow, DepthAreaDeep})
            for (int i = 0; i < 3; ++i)
                table[3 * entry + i] = table[3 * DepthAreaMedium + i];
}

void BuildChartDisplayParams(ChartWindow& window)
{
    if (!MainMapView)
        return;
    MainMapView->displayParams = DisplayParamsFromSettings(SetupParameters, ChosenPresentation(window.controls));
    if (QListWidget* list = window.controls.cklChart) {
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setFlags(list->item(i)->flags() | Qt::ItemIsEnabled);
        list->update();
    }
}

bool ApplyPresentation(ChartWindow& window, bool main, bool mini, int parts)
{
    if (parts & PresentationCategory) {
        if (main && MainMapView) {
            if (!MainMapView->UpdatePresentation(SettingsVariant()))
                return Failed(window, "SetPres 1");
            window.mainResizePending = true;
        }
        if (mini && MiniMapView) {
            if (!MiniMapView->UpdatePresentation(SettingsVariant()))
                return Failed(window, "SetPres 2");
            window.miniLayoutPending = true;
        }
    }
    if ((parts & PresentationResolution) && main && MainMapView) {
        MainMapView->resolutionWidth = MainMapView->resolutionHeight = SetupParameters.Resolution * 300 + 2000;
        if (!MainMapView->UpdatePresentation(MainMapView->presentationVariant))
            return Failed(window, "UpdateRes 1");
        BuildChartDisplayParams(window);
        MainMapView->parameters.Clear();
        if (!MainMapView->PutPresentationParams())
            return Failed(window, "UpdateParams 1");
    }
    window.DisplayModeIndex = PaletteIndexOf(window);
    if ((parts & PresentationScheme) && ChartHook.applyColourScheme)
        ChartHook.applyColourScheme(window.DisplayModeIndex);
    if ((parts & PresentationColours) && MainMapView) {
        ChartColourTable table{};
        if (!MainMapView->ReadColourTable(EngineScheme[window.DisplayModeIndex], table))
            return Failed(window, "GetStandardPalette");
        AdjustChartColours(table, window.DisplayModeIndex);
        if (!MainMapView->ApplyColourTable(table))
            return Failed(window, "SetPalette 1");
        window.mainResizePending = true;
        if (MiniMapView) {
            if (!MiniMapView->ApplyColourTable(table))
                return Failed(window, "SetPalette 2");
            window.miniLayoutPending = true;
        } else {
            window.miniLayoutPending = false;
        }
    }
    if (StartupDone) {
        if (mini && MiniMapView)
            RedrawMiniChart(window);
        if (main)
            RedrawChart(window, true);
    }
    return true;
}

bool ApplyMiniPresentation(ChartWindow& window)
{
    if (!MiniMapView)
        return true;
    MapView& mini = *MiniMapView;
    ChartDisplayParams block = mini.displayParams;
    DefaultDisplayParams(block);
    const ChartDisplayParams settings = DisplayParamsFromSettings(SetupParameters, PresentationChoice::Other);
    for (const int word : DepthWords)
        block[word] = settings[word];
    mini.UpdatePresentation(SettingsVariant());
    const bool lookAhead = Down(window.controls.btnMiniAuto);
    mini.resolutionWidth = mini.resolutionHeight = lookAhead ? 3400 : 3000;
    if (lookAhead) {
        block[DisplayCategoryWord] = 0;
        block[43] = 1;
        block[21] = 1;
    } else {
        block[DisplayCategoryWord] = 2;
    }
    if (!mini.UpdatePresentation(mini.presentationVariant))
        return Failed(window, "UpdateRes 2");
    mini.displayParams = block;
    mini.parameters.Clear();
    if (!mini.PutPresentationParams())
        return Failed(window, "UpdateParams 2");
    RedrawMiniChart(window);
    return true;
}
