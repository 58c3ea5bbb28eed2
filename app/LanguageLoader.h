#pragma once
// The language files: "<language>.lng" in the program folder, INI files of numbered texts for
// the controls, the window titles and MessageTexts.

#include <filesystem>
#include <string>
#include <vector>

class QObject;

// The languages found in folder: each "*.lng" file's name without the ending, sorted without
// regard to case so that a stored index keeps choosing the same language.
std::vector<std::string> FindLanguages(const std::filesystem::path& folder);

// Writes the texts of file into every control of the language table that exists and fills
// MessageTexts; a missing file, section or key gives "!". The next 100 ms tick shows the pointer
// mode's hint in the new language.
void LoadLanguage(const std::filesystem::path& file);

// The control that a language-table name stands for ("name" on the main window, "Form.name" on
// a dialog), or nullptr when it does not exist.
QObject* FindFormControl(const std::string& path);

// Turns every "|" into a line break followed by one blank, as the message texts show them.
std::string ExpandLineBreaks(const std::string& text);
