#pragma once
// Hands a file to the desktop's opener (xdg-open), which shows it in the viewer the user chose.
// The path goes as one argument, never through a shell.

#include <filesystem>

namespace platform {

// True when the opener was started; it is waited for in the background.
bool OpenWithDesktop(const std::filesystem::path& file);

}  // namespace platform
