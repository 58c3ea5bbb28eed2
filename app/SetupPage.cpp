#include "app/SetupPage.h"

#include "app/ApplicationHints.h"
#include "app/ControlBehaviour.h"
#include "app/SettingsPageParts.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/MapView.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>

void udMonitorChangingEx(TForm1& form)
{
    SetupParameters.MonitorSize = int16_t(form.udMonitor->value());
    form.edMonitor->setText(QString::number(form.udMonitor->value()));
    if (!StartupDone)
        return;
    for (MapView* view : {MainMapView, MiniMapView})
        if (view)
            ApplyMonitorGeometry(*view);
    Countdowns.chartRedraw = 3;
}

void ConnectSetupPage(TForm1& form)
{
    TForm1* f = &form;
    ConnectUpDown(form.udMonitor, [f](UpDownDirection) { udMonitorChangingEx(*f); });
    ConnectClick(form.ckAltNight, [f] {
        SetupParameters.AltNightColours = f->ckAltNight->isChecked();
        f->DaylightChange();
    });
    ConnectClick(form.ckRouteLeg, [f] {
        SetupParameters.RouteLegs = f->ckRouteLeg->isChecked();
        f->OverlayRedrawRequest = 1;
    });
    ConnectClick(form.ckHints, [f] {
        SetupParameters.Hints = f->ckHints->isChecked();
        SetApplicationHints(f->ckHints->isChecked());
    });
    StoreCheck(form.ckScreenKeyb, &SetupParametersRecord::ScreenKeyboard);
    StoreCheck(form.ckAlarmGps, &SetupParametersRecord::AlarmGps);
    StoreCheck(form.ckAlarmWp, &SetupParametersRecord::AlarmWp);
    ConnectClick(form.ckAlarmXte, [f] {
        const bool on = f->ckAlarmXte->isChecked();
        SetupParameters.AlarmXte = on;
        // The cross-track alarm needs the lane drawn.
        if (on)
            f->ckShowLane->setChecked(true);
        f->ckShowLane->setEnabled(!on);
    });
    ConnectClick(form.ckAlarmSafety, [f] {
        SetupParameters.AlarmSafety = f->ckAlarmSafety->isChecked();
        DropDepthAlarm();
    });
    ConnectClick(form.ckAlarmWarning, [f] {
        SetupParameters.AlarmWarning = f->ckAlarmWarning->isChecked();
        if (f->ckAlarmWarning->isChecked())
            Alarm.areaWarning = false;
    });
}
