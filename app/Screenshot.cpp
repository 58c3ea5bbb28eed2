#include "app/Screenshot.h"

#include "app/TickClock.h"
#include "frame/SharedTables.h"
#include "platform/system/HotKey.h"
#include "platform/system/JpegFile.h"
#include "platform/system/MessageBox.h"
#include "platform/system/ScreenCapture.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

constexpr int ScreenshotQuality = 90;

void ReportFailure(const std::string& file, const std::string& reason)
{
    platform::MessageBoxRequest request;
    request.text = "The screenshot " + file + " cannot be saved in " + DataPaths[DataPathScreens].string() +
                   ": " + reason + ".";
    request.caption = "Varnik V3";
    request.icon = platform::MsgIcon::Exclamation;
    platform::ShowMessageBox(request);
}

}  // namespace

std::string ScreenshotName(platform::ClockTime moment)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(moment);
    std::tm local{};
    localtime_r(&seconds, &local);
    char name[40];
    std::snprintf(name, sizeof name, "%02d%02d%02d%02d%02d%02d", local.tm_year - 100, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return name;
}

void SaveScreenshot(const std::string& name)
{
    const std::string file = name + ".jpg";
    const QImage screen = platform::GrabPrimaryScreen();
    if (screen.isNull()) {
        ReportFailure(file, "the screen cannot be read");
        return;
    }
    errno = 0;
    if (!platform::WriteJpegFile(DataPaths[DataPathScreens] / file, screen, ScreenshotQuality))
        ReportFailure(file, errno ? std::strerror(errno) : "the picture cannot be encoded");
}

std::unique_ptr<platform::ApplicationHotKey> RegisterScreenshotHotKey()
{
    return std::make_unique<platform::ApplicationHotKey>(Qt::Key_Print, Qt::ControlModifier,
                                                         [] { SaveScreenshot(ScreenshotName(TickNow())); });
}
