#pragma once
// Numbered messages: the text comes from the chosen language file (section = caption, key =
// number) at the moment the box is shown. The stop icon (flags 0x10) is fatal: both timers stop,
// StartupAbort is set and the program ends after the box; after the start-up it ends through its
// exit (ExitProgram), run from the event loop. Returns true after a fatal message, so that a
// caller outside the start-up stops its work at once instead of going on until the program has
// ended.

#include <cstdint>
#include <filesystem>
#include <string>

constexpr uint32_t MessageFatal = 0x10;        // stop icon
constexpr uint32_t MessageInformation = 0x30;  // exclamation icon

bool ShowLngMessage(const std::string& section, int32_t number, uint32_t flags);

// The language file ShowLngMessage reads: the item selected in the language list, else English.
std::filesystem::path CurrentLanguageFile();
