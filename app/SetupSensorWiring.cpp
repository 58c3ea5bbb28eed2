#include "app/SetupSensorWiring.h"

#include "app/ControlBehaviour.h"
#include "app/MainIni.h"
#include "app/SensorWiring.h"
#include "app/SetupLoad.h"
#include "app/TForm1.h"
#include "sensors/SetupSensorHooks.h"
#include "sensors/TSetupSensor.h"

void WireSetupSensor()
{
    SetupSensorHooks& h = SetupSensorHook;
    h.showToolPanel = [] {
        if (Form1)
            Form1->ToolDlg->show();
    };
    h.saveSetupParameters = [] { return SaveSetupParameters(false); };
    h.saveMainIni = [] { return SaveMainIni(); };
    h.mainWindowFrame = [] { return Form1 ? Form1->frameGeometry() : QRect(); };
    h.closed = [] { RefreshSensorSettings(); };
}

void ShowSetupSensor()
{
    ShowForm(SetupSensor);
}
