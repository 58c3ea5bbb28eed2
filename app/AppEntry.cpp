#include "app/AppEntry.h"

#include "app/Forms.h"
#include "app/ProgramExit.h"
#include "app/ShutdownIo.h"
#include "app/TForm1.h"
#include "app/TfrmSplash.h"
#include "frame/SharedTables.h"
#include "platform/system/MessageBox.h"
#include "platform/system/SingleInstance.h"

#include <QApplication>

#include <algorithm>
#include <cctype>
#include <clocale>
#include <filesystem>

namespace {

constexpr const char* ApplicationTitle = "Varnik V3";

std::string JoinedCommandLine(int argc, char** argv)
{
    std::string line;
    for (int i = 0; i < argc; ++i) {
        if (i)
            line += ' ';
        line += argv[i];
    }
    return line;
}

void MoveSettingsAside()
{
    const std::filesystem::path settings = ProgramFolder.empty() ? "dta.res" : ProgramFolder / "dta.res";
    std::error_code ignored;
    if (std::filesystem::exists(settings, ignored))
        std::filesystem::rename(settings, std::filesystem::path(settings) += ".bad", ignored);
}

int RunApplication(int argc, char** argv)
{
    QApplication application(argc, argv);
    KeepDecimalPoint();
    NameApplication(application);
    ConnectProgramEnd(application);

    if (!SplashSuppressed(JoinedCommandLine(argc, argv))) {
        frmSplash = new TfrmSplash;
        frmSplash->show();
        QApplication::processEvents();
    }

    // The main window opens at the splash window's size; the first tick after the start-up
    // maximises it and places its panels.
    CreateForms();
    Form1->setWindowTitle(QString::fromLatin1(ApplicationTitle));
    Form1->show();
    if (frmSplash)
        frmSplash->raise();  // stays in front without a window manager's help too
    AppRunning = true;

    int result = 0;
    try {
        result = application.exec();
    } catch (const std::exception& error) {
        HandleEntryException(&error);
    } catch (...) {
        HandleEntryException(nullptr);
    }
    // An exception ends the loop without its aboutToQuit; after a normal end this finds its work
    // done.
    ShutdownIo();
    DestroyForms();
    delete frmSplash;
    frmSplash = nullptr;
    return result;
}

}  // namespace

void NameApplication(QCoreApplication& application)
{
    application.setApplicationName(QString::fromLatin1(ApplicationTitle));
}

void KeepDecimalPoint()
{
    std::setlocale(LC_NUMERIC, "C");
}

bool SplashSuppressed(const std::string& commandLine)
{
    std::string upper = commandLine;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return upper.find("/NOSPLASH") != std::string::npos;
}

void HandleEntryException(const std::exception* error)
{
    platform::MessageBoxRequest request;
    request.icon = platform::MsgIcon::Stop;
    request.taskModal = true;
    request.topMost = true;
    if (SetupLoadMarker == 99) {
        request.text = "Loading defaut. RESTART Varnik !";
        request.caption = "Corrupted setup parameters";
        platform::ShowMessageBox(request);
        MoveSettingsAside();
        return;
    }
    request.text = error ? error->what() : "Unknown error";
    request.caption = ApplicationTitle;
    platform::ShowMessageBox(request);
}

int VarnikMain(int argc, char** argv)
{
    const platform::SingleInstance instance(ApplicationTitle);
    if (!instance.isFirst())
        return 0;
    return RunApplication(argc, argv);
}
