#include "setup/SetupLanguage.h"

#include "platform/system/IniFile.h"
#include "platform/system/TextCodec.h"

#include <fstream>

namespace {

std::filesystem::path LanguageFile(const SetupState& state) { return state.setupFolder / kSetupIniFileName; }

// Every "\n" (backslash, n) of a text as a line feed.
std::string WithLineBreaks(std::string text)
{
    for (size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 1))
        text.replace(at, 2, "\n");
    return text;
}

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    return QString::fromLatin1(a.c_str()).compare(QString::fromLatin1(b.c_str()), Qt::CaseInsensitive) == 0;
}

}  // namespace

int ListLanguages(const SetupState& state, QStringList& list)
{
    for (const std::string& section : platform::IniFile(LanguageFile(state)).sections())
        if (!SameIgnoringCase(section, kSetupConfigSection))
            list.append(platform::FromCp1252(section));
    return 0;
}

int LoadLanguage(SetupState& state, const std::string& section)
{
    const std::filesystem::path path = LanguageFile(state);
    std::error_code error;
    if (std::filesystem::exists(path, error) && !std::ifstream(path, std::ios::binary))
        return 1;
    const platform::IniFile file(path);
    if (!file.hasSection(section))
        return 1;
    std::vector<std::string> texts;
    texts.reserve(kSetupTextCount);
    for (int n = 0; n < kSetupTextCount; ++n)
        texts.push_back(WithLineBreaks(file.readString(section, std::to_string(n), kMissingText)));
    state.texts = std::move(texts);
    state.languageName = section;
    return 0;
}

std::string SetupStatusText(const SetupState& state, bool* chartButton)
{
    if (chartButton)
        *chartButton = state.managerUsable != 0;
    if (!state.managerUsable)
        return state.Text(12);
    return state.mapsInstalled ? state.Text(19) : state.Text(15);
}
