#include "app/SetupPortWiring.h"

#include "app/ControlBehaviour.h"
#include "app/MainIni.h"
#include "app/SensorWiring.h"
#include "app/SetupLoad.h"
#include "app/TForm1.h"
#include "app/TcpClient.h"
#include "app/TfrmSplash.h"
#include "sensors/SensorHooks.h"
#include "sensors/TSetupPort.h"

#include <QTcpSocket>

void WireSetupPort()
{
    SetupPortHooks& h = SetupPortHook;
    h.saveSetupParameters = [] { SaveSetupParameters(false); };
    h.saveMainIni = [] { SaveMainIni(); };
    h.setClientSocketActive = [](bool active) {
        if (!Form1)
            return;
        if (!active)
            CloseClientSocket(*Form1);
        else if (Form1->ClientSocket1->state() == QAbstractSocket::UnconnectedState)
            OpenClientSocket(*Form1);
    };
    h.closeSplash = [] {
        if (frmSplash)
            frmSplash->close();
    };
    h.settingsChanged = RefreshSensorSettings;
    SensorHook.showMonitorLine = [](const char* line) {
        if (SetupPort)
            SetupPort->ShowMonitorLine(line);
    };
}

void ShowSetupPort()
{
    ShowForm(SetupPort);
}
