#include "setup/TSetupMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    TSetupMain window;
    window.show();
    return application.exec();
}
