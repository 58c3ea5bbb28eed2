#include "app/WarningBox.h"

#include "platform/system/MessageBox.h"

void ShowWarning(std::string text, std::string caption)
{
    platform::MessageBoxRequest request;
    request.text = std::move(text);
    request.caption = std::move(caption);
    request.icon = platform::MsgIcon::Exclamation;
    request.taskModal = true;
    request.topMost = true;
    platform::ShowMessageBox(request);
}
