#include "app/RadarWiring.h"

#include "app/TForm1.h"
#include "chart/ChartHooks.h"
#include "radarweather/RadarManager.h"
#include "radarweather/RadarOverlayPainting.h"
#include "radarweather/TRadar.h"
#include "radarweather/TRadarCtrl.h"

void ConnectRadar(TForm1& form)
{
    if (Radar)
        Radar->LayOver(form.CM93);
    if (RadarCtrl)
        RadarCtrl->chart = &form;
    ChartHook.reapplyRadarRange = [] {
        if (RadarCtrl)
            ApplyRadarRange(*RadarCtrl);
    };
    // After every new chart picture the running radar is painted over it again.
    ChartHook.paintChart = [&form] {
        form.CM93Paint();
        if (RadarService && RadarService->running != 0)
            PaintRadarOverlay(form);
    };
}
