#pragma once
// The language file Varsetup.ini of the setup folder: [Config] with the window position and the
// language, and one section per language with the numbered texts "0" to "119".

#include "setup/SetupState.h"

#include <QStringList>

#include <string>

inline constexpr char kSetupIniFileName[] = "Varsetup.ini";
inline constexpr char kSetupConfigSection[] = "Config";
inline constexpr char kDefaultSetupLanguage[] = "Norsk";
inline constexpr int kDefaultWindowPosition = 100;

// The language sections of Varsetup.ini, without Config; returns 0.
int ListLanguages(const SetupState& state, QStringList& list);
// 0 when the texts of section were loaded; 1 when the section does not exist or could not be
// read (the texts stay as they were).
int LoadLanguage(SetupState& state, const std::string& section);
// The status text; chartButton tells whether the chart database button is shown.
std::string SetupStatusText(const SetupState& state, bool* chartButton);
