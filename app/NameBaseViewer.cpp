#include "app/NameBaseViewer.h"

#include "app/ExternalLibraries.h"
#include "app/StartupIni.h"
#include "platform/system/MessageBox.h"

platform::ChildProcess NameBaseViewerProgram;

namespace {

constexpr int32_t ViewerStarting = 3;

}  // namespace

void ShowNameBaseViewer()
{
    if (NameBaseViewerProgram.isRunning())
        return;
    const std::string& command = OutsideProgramCommands.nameBaseViewer;
    if (command.empty())
        return;
    if (ExternalEntryTable.TPutActive)
        ExternalEntryTable.TPutActive(ViewerStarting);
    if (NameBaseViewerProgram.start(command))
        return;
    platform::MessageBoxRequest request;
    request.text = "The name-base viewer \"" + command + "\" cannot be started.";
    request.caption = "Varnik V3";
    request.icon = platform::MsgIcon::Exclamation;
    platform::ShowMessageBox(request);
}
