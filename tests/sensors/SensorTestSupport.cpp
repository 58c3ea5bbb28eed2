#include "sensors/SensorTestSupport.h"

#include "sensors/AisAssembly.h"
#include "sensors/AisHooks.h"
#include "sensors/GpsFix.h"
#include "sensors/OwnShipState.h"
#include "sensors/ReceivedRoute.h"
#include "sensors/SeabedRecorder.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorNotices.h"
#include "sensors/SensorSettings.h"
#include "sensors/SentenceParser.h"
#include "sensors/TargetTable.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <thread>
#include <unistd.h>

std::string Nmea(std::string_view body, std::string_view end)
{
    unsigned checksum = 0;
    for (char c : body.substr(1))
        checksum ^= uint8_t(c);
    char star[4];
    std::snprintf(star, sizeof star, "*%02X", checksum);
    return std::string(body) + star + std::string(end);
}

int32_t Feed(int port, std::string_view text)
{
    const int32_t result = ParseSensorInput(port, text.data(), text.size());
    HandleParseResult(result);
    FlushSensorNotices();
    return result;
}

PseudoTerminal::PseudoTerminal()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw std::runtime_error("no pseudo-terminal");
    path_ = ptsname(master_);
}

PseudoTerminal::~PseudoTerminal()
{
    if (master_ >= 0)
        close(master_);
}

void PseudoTerminal::send(std::string_view text)
{
    while (!text.empty()) {
        const ssize_t n = write(master_, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error("pseudo-terminal write failed");
        }
        text.remove_prefix(size_t(n));
    }
}

bool PseudoTerminal::waitFor(platform::SerialPort& port, int bytes)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < deadline) {
        if (port.clearErrors().waiting >= bytes)
            return true;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return false;
}

void ResetSensorSide()
{
    SensorHook = SensorHooks{};
    SensorHook.showNotice = [](const platform::MessageBoxRequest&) {};
    FlushSensorNotices();
    while (ReadTcpInput()) {
    }
    OwnShip = OwnShipState{};
    PortInputBuffers = {};
    PortLineErrors = {};
    PortSentenceStatistics = {};
    AisAssembly = AisAssemblyState{};
    AisHook = AisHooks{};
    RunReceivedRouteWork();
    ReceivedRoutes = ReceivedRouteState{};
    DepthRecorder = DepthRecorderState{};
    CurrentSeabedTile.valid = false;
    CurrentSeabedTile.changed = false;
    SeabedFlushTile.valid = false;
    SeabedFlushTile.changed = false;
    SensorSetup = SensorSettings{};
    SensorHook = SensorHooks{};
    ResetTargetTable();
    ResetGpsDate();
    for (platform::SerialPort& port : ComPorts)
        port.close();
}

void SensorTest::SetUp()
{
    ResetSensorSide();
    platform::ResetClockCorrection();
    platform::InstallClockReporter([](const std::string&) {});
    platform::InstallMachineClockSetter([this](platform::ClockTime utc) {
        clockSettings.push_back(utc);
        return EPERM;
    });
}

void SensorTest::TearDown()
{
    ResetSensorSide();
    platform::InstallMachineClockSetter(nullptr);
    platform::InstallClockReporter(nullptr);
    platform::ResetClockCorrection();
}
