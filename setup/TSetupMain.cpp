#include "setup/TSetupMain.h"

TSetupMain::TSetupMain(QWidget* owner) : QMainWindow(owner)
{
    setObjectName(QStringLiteral("SetupMain"));
    setWindowTitle(QStringLiteral("Varsetup"));
    resize(480, 360);
}
