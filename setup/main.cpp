// Varsetup: the workstation set-up program. Started in the program folder, whose Varsetup.ini,
// User.ini and registry store it reads and writes.

#include "setup/TDBWin.h"
#include "setup/TMainWindow.h"
#include "setup/TWaitWin.h"

#include "platform/system/MessageBox.h"

#include <QApplication>

#include <exception>
#include <filesystem>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    try {
        QApplication::setApplicationName(QString::fromLatin1(kSetupTitle));
        TMainWindow mainWindow(std::filesystem::current_path());
        TDBWin databaseWindow;
        TWaitWin waitWindow;
        mainWindow.show();
        return application.exec();
    } catch (const std::exception& error) {
        platform::MessageBoxRequest request;
        request.text = error.what();
        request.caption = kSetupTitle;
        request.icon = platform::MsgIcon::Stop;
        platform::ShowMessageBox(request);
        return 1;
    }
}
