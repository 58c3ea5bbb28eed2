#include "sensors/ComPortControl.h"

#include "frame/PortSettings.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorSettings.h"

#include <chrono>
#include <mutex>
#include <thread>

bool ComPortError = false;
std::array<bool, SerialPortCount> ComPortOpenedAtStart{};
bool ComPortLostCheckPending = false;

namespace {

bool relayClosed = false;

}  // namespace

int BaudRateOfIndex(uint8_t index)
{
    switch (index) {
    case 1:
    case 3:
        return 9600;
    case 2:
        return 38400;
    case 4:
        return 19200;
    default:
        return 4800;
    }
}

bool OpenComPort(int port)
{
    if (port < 0 || port >= SerialPortCount)
        return false;
    const uint8_t baudIndex = ReadPortSettings().baud[size_t(port)];
    const bool opened = ComPorts[size_t(port)].openCom(port, BaudRateOfIndex(baudIndex));
    if (!opened)
        ComPortError = true;
    return opened;
}

void OpenComPortsAtStart()
{
    const PortSettings ports = ReadPortSettings();
    for (int port = 0; port < SerialPortCount; ++port)
        ComPortOpenedAtStart[size_t(port)] = ports.active[size_t(port)] == 0 || OpenComPort(port);
    ComPortLostCheckPending = true;
}

void CloseComPorts()
{
    bool closed = false;
    for (platform::SerialPort& port : ComPorts) {
        if (!port.isOpen())
            continue;
        port.purge();
        port.close();
        closed = true;
    }
    {
        const std::lock_guard lock(ComOutStateLock);
        OwnShip.transmitFlags.fill(0);
    }
    relayClosed = false;
    if (closed)
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

void SetAlarmRelay(bool on)
{
    const uint8_t port = SensorSetup.alarmPort;
    if (port >= SerialPortCount)
        return;
    if (ComPorts[port].setBreak(on))
        relayClosed = on;
}

bool AlarmRelayClosed()
{
    return relayClosed;
}
