// The setup list of the main window's Setup page: each entry opens its set-up window, then the
// list shows "System setup:" again.

#include "app/SetupPortWiring.h"
#include "app/SetupSensorWiring.h"
#include "app/TForm1.h"
#include "chart/TCm93Database.h"
#include "chart/TCm93Update.h"

#include <QComboBox>

namespace {

enum SetupEntry : int {
    SetupTitle = 0,
    SetupPorts = 1,
    SetupOwnShip = 2,
    SetupChartDatabase = 3,
    SetupChartUpdate = 4,
};

// Made on first use, owned by the main window.
void ShowChartDatabaseWindow(TForm1& form)
{
    if (!Cm93Database) {
        Cm93Database = new TCm93Database(&form);
        Cm93Database->chart = &form;
        QObject::connect(Cm93Database, &QObject::destroyed, [] { Cm93Database = nullptr; });
    }
    Cm93Database->show();
    Cm93Database->raise();
}

// Made on first use, owned by the main window.
void ShowChartUpdateWindow(TForm1& form)
{
    if (!Cm93Update) {
        Cm93Update = new TCm93Update(&form);
        Cm93Update->chart = &form;
        QObject::connect(Cm93Update, &QObject::destroyed, [] { Cm93Update = nullptr; });
    }
    Cm93Update->show();
    Cm93Update->raise();
}

}  // namespace

void TForm1::cmbSetupChange()
{
    switch (cmbSetup->currentIndex()) {
    case SetupPorts: ShowSetupPort(); break;
    case SetupOwnShip: ShowSetupSensor(); break;
    case SetupChartDatabase: ShowChartDatabaseWindow(*this); break;
    case SetupChartUpdate: ShowChartUpdateWindow(*this); break;
    default: break;
    }
    cmbSetup->setCurrentIndex(SetupTitle);
}
