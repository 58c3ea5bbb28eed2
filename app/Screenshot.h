#pragma once
// Screenshots: Ctrl+PrintScreen, wherever the focus is, saves the whole primary screen as a JPEG
// file named by the date and time in the screenshot folder.

#include "platform/system/SystemClock.h"

#include <memory>
#include <string>

namespace platform {
class ApplicationHotKey;
}

// "yymmddhhmmss" of moment in local time: year less 2000, month, day, hour, minute, second.
std::string ScreenshotName(platform::ClockTime moment);

// Captures the primary screen and writes it to "<Screens>/<name>.jpg", baseline at quality 90;
// an existing file of that name is replaced. A failure shows a message naming the folder and
// leaves no file behind.
void SaveScreenshot(const std::string& name);

// Ctrl+PrintScreen saves a screenshot named by the ticks' clock, for as long as the returned key
// lives.
std::unique_ptr<platform::ApplicationHotKey> RegisterScreenshotHotKey();
