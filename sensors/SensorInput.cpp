#include "sensors/SensorInput.h"

#include "sensors/SensorHooks.h"
#include "sensors/SensorNotices.h"
#include "sensors/SensorSettings.h"
#include "sensors/SentenceParser.h"

#include <algorithm>

std::array<platform::SerialPort, SerialPortCount> ComPorts;
SensorHooks SensorHook;
SensorSettings SensorSetup;

namespace {

constexpr int32_t FixCounterLimit = 32000;
constexpr int32_t EventMarkSeconds = 5;
constexpr uint32_t EventMarkErrorBits = 0x1F;

std::string tcpText;
size_t tcpReadOffset = 0;

void EventMarkPress(int port, const platform::LineStatus& status)
{
    if (((status.errors & EventMarkErrorBits) != 0 || status.waiting > 0) &&
        OwnShip.eventMarkCountdown == 0 && OwnShip.speedOverGround >= 1.0f)
        OwnShip.eventMarkCountdown = EventMarkSeconds;
    ComPorts[size_t(port)].purge();
}

}  // namespace

void HandleParseResult(int32_t result)
{
    if (result & ParseTargets) {
        OwnShip.targetsChanged = true;
        ++OwnShip.sensorRecord.targetSequence;
    }
    if (result & ParseFix) {
        OwnShip.newFix = true;
        OwnShip.fixAlive = true;
        if (SensorHook.hideDeadReckoningPanel)
            SensorHook.hideDeadReckoningPanel();
        ++OwnShip.sensorRecord.fixSequence;
        if (SensorHook.putSensorRecord) {
            if (++OwnShip.fixCounter >= FixCounterLimit)
                OwnShip.fixCounter = 0;
            SyncSensorRecord();
            SensorHook.putSensorRecord(OwnShip.fixCounter, &OwnShip.sensorRecord,
                                       int32_t(sizeof(SensorRecord)));
        }
    }
    if (result & ParseTile)
        OwnShip.seabedFlushRequest = true;
}

void ReadComPort(int port)
{
    if (port < 0 || port >= SerialPortCount)
        return;
    platform::SerialPort& com = ComPorts[size_t(port)];
    if (!com.isOpen())
        return;
    char chunk[InputChunkSize];
    for (int i = 0; i < MaxChunksPerTick; ++i) {
        const platform::LineStatus status = com.clearErrors();
        PortLineErrors[size_t(port)] |= status.errors;
        if (port == SensorSetup.alarmPort) {
            EventMarkPress(port, status);
            return;
        }
        if (status.waiting == 0)
            break;
        const int size = com.read(chunk, std::min(status.waiting, InputChunkSize));
        if (size <= 0)
            break;
        HandleParseResult(ParseSensorInput(port, chunk, size_t(size)));
    }
    FlushSensorNotices();
}

void AppendTcpInput(const char* data, size_t size)
{
    if (size >= TcpInputLimit) {
        data += size - TcpInputLimit;
        size = TcpInputLimit;
    }
    // What was read goes first, then the oldest unread text beyond the limit.
    tcpText.erase(0, tcpReadOffset);
    tcpReadOffset = 0;
    if (tcpText.size() > TcpInputLimit - size)
        tcpText.erase(0, tcpText.size() - (TcpInputLimit - size));
    tcpText.append(data, size);
}

bool ReadTcpInput()
{
    if (tcpReadOffset < tcpText.size()) {
        const size_t size = std::min(tcpText.size() - tcpReadOffset, size_t(InputChunkSize));
        // Copied out: a handler may run the event loop, and the socket may append meanwhile.
        char chunk[InputChunkSize];
        std::copy_n(tcpText.data() + tcpReadOffset, size, chunk);
        tcpReadOffset += size;
        HandleParseResult(ParseSensorInput(TcpPort, chunk, size));
    }
    const bool left = tcpReadOffset < tcpText.size();
    if (!left) {
        tcpText.clear();
        tcpReadOffset = 0;
    }
    FlushSensorNotices();
    return left;
}

size_t PendingTcpInput()
{
    return tcpText.size() - tcpReadOffset;
}
