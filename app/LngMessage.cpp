#include "app/LngMessage.h"

#include "app/ProgramExit.h"
#include "app/TForm1.h"
#include "frame/SharedTables.h"
#include "platform/system/IniFile.h"
#include "platform/system/MessageBox.h"
#include "platform/system/ProgramEnd.h"
#include "platform/system/TextCodec.h"

#include <QComboBox>
#include <QTimer>

std::filesystem::path CurrentLanguageFile()
{
    if (Form1 && Form1->cmbLanguage->currentIndex() >= 0)
        return ProgramFolder / (platform::ToCp1252(Form1->cmbLanguage->currentText()) + ".lng");
    return ProgramFolder / "english.lng";
}

bool ShowLngMessage(const std::string& section, int32_t number, uint32_t flags)
{
    const std::string key = std::to_string(number);
    const platform::IniFile language(CurrentLanguageFile());
    const std::string text = language.readString(section, key, "Error:" + key);

    constexpr uint32_t TopMost = 0x40000, SystemModal = 0x1000, TaskModal = 0x2000;
    if (flags == MessageFatal) {
        if (Form1) {
            Form1->Timer1->stop();
            Form1->Timer2->stop();
        }
        StartupAbort = true;
        platform::ShowMessageBox(platform::RequestFromStyle(text, section, flags | TopMost | SystemModal));
        // After the start-up the settings, the database and the ports are live: the program
        // ends through its exit, once the handler that raised the message has returned.
        if (StartupDone)
            ExitProgramLater();
        else
            platform::RequestProgramEnd();
        return true;
    }
    platform::ShowMessageBox(platform::RequestFromStyle(text, section, flags | TopMost | TaskModal));
    return false;
}
