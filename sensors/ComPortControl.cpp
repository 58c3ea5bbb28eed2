#include "sensors/ComPortControl.h"

#include "frame/PortSettings.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorSettings.h"

#include <chrono>
#include <mutex>
#include <thread>

CheckedMutex ComPortLock("ComPortLock");
bool ComPortError = false;
std::array<bool, SerialPortCount> ComPortOpenedAtStart{};
bool ComPortLostCheckPending = false;

namespace {

bool relayClosed = false;

// Counts every open and close of a port (under ComPortLock), so that a writer waiting for room
// sees that the port it began on is gone.
std::array<uint32_t, SerialPortCount> portGeneration{};

// How long a text may take to go out: twice its time on the line (ten bits a character) and
// half a second more.
std::chrono::milliseconds TransmitBound(size_t bytes, int baud)
{
    const int64_t lineMs = baud > 0 ? int64_t(bytes) * 10 * 1000 / baud : 0;
    return std::chrono::milliseconds(2 * lineMs + 500);
}

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
    bool opened = false;
    {
        const std::lock_guard lock(ComPortLock);
        ++portGeneration[size_t(port)];
        opened = ComPorts[size_t(port)].openCom(port, BaudRateOfIndex(baudIndex));
    }
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
    {
        const std::lock_guard lock(ComOutStateLock);
        OwnShip.aisReplyPort = -1;
        OwnShip.transmitFlags.fill(0);
    }
    bool closed = false;
    {
        const std::lock_guard lock(ComPortLock);
        for (size_t port = 0; port < ComPorts.size(); ++port) {
            platform::SerialPort& serial = ComPorts[port];
            if (!serial.isOpen())
                continue;
            serial.purge();
            serial.close();
            ++portGeneration[port];
            closed = true;
        }
    }
    relayClosed = false;
    if (closed)
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

bool WriteComPort(int port, std::string_view text)
{
    if (port < 0 || port >= SerialPortCount)
        return false;
    platform::SerialPort& serial = ComPorts[size_t(port)];
    uint32_t generation = 0;
    std::chrono::steady_clock::time_point deadline;
    size_t written = 0;
    for (bool first = true;; first = false) {
        {
            const std::lock_guard lock(ComPortLock);
            if (!serial.isOpen() || (!first && generation != portGeneration[size_t(port)]))
                return false;
            if (first) {
                generation = portGeneration[size_t(port)];
                deadline = std::chrono::steady_clock::now() + TransmitBound(text.size(), serial.baud());
            }
            while (written < text.size()) {
                const int n = serial.write(text.data() + written, int(text.size() - written));
                if (n < 0)
                    return false;
                if (n == 0)
                    break;  // the queue is full
                written += size_t(n);
            }
            if (written == text.size())
                return true;
            if (std::chrono::steady_clock::now() >= deadline) {
                serial.noteTransmitFull();
                return false;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
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
