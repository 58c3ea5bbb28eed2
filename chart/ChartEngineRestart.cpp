#include "chart/ChartEngineRestart.h"

#include "chart/ChartHooks.h"
#include "chart/ChartPresentation.h"
#include "chart/ChartWindow.h"
#include "chart/MapView.h"
#include "frame/SharedTables.h"

namespace {

constexpr int32_t ChartEngineErrorMessage = 14;
constexpr int ApplyEverything = PresentationCategory | PresentationColours | PresentationScheme |
                                PresentationResolution;

struct DisplayCategories {
    int32_t main = -1;  // -1: no view to take it from
    int32_t mini = -1;
};

DisplayCategories CurrentCategories()
{
    return {MainMapView ? MainMapView->displayCategory : -1, MiniMapView ? MiniMapView->displayCategory : -1};
}

// The new views get what the old ones showed beyond what they carry themselves. The class table
// is made again by the next redraw.
void RestoreViews(ChartWindow& window, const DisplayCategories& categories)
{
    window.lastRedrawKind = -1;
    if (MainMapView && categories.main >= 0)
        MainMapView->SetDisplayCategory(categories.main);
    if (MiniMapView && categories.mini >= 0)
        MiniMapView->SetDisplayCategory(categories.mini);
    ApplyPresentation(window, true, MiniMapView != nullptr, ApplyEverything);
}

}  // namespace

void ChartEngineFailed(ChartWindow& window, const std::string& reason)
{
    if (window.engineRestarting || ChartRestartInProgress) {
        if (window.engineFailure.empty())
            window.engineFailure = reason;
        return;
    }
    window.engineRestarting = true;
    const DisplayCategories categories = CurrentCategories();
    std::string cause = reason;
    for (int attempt = 0; attempt < 2 && !cause.empty(); ++attempt) {
        window.engineFailure.clear();
        if (ChartHook.startChartEngine)
            ChartHook.startChartEngine(cause);
        if (StartupAbort)
            break;
        if (window.engineFailure.empty())
            RestoreViews(window, categories);
        cause = window.engineFailure;
    }
    window.engineFailure.clear();
    window.engineRestarting = false;
    if (!cause.empty() && !StartupAbort && ChartHook.showMapMessage)
        ChartHook.showMapMessage(ChartEngineErrorMessage, MapMessageStop);
}
