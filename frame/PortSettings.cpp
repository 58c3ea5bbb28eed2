#include "frame/PortSettings.h"

#include "frame/SetupParameters.h"

#include <algorithm>
#include <mutex>

CheckedMutex ComOutStateLock("ComOutStateLock");

PortSettings ReadPortSettings()
{
    const std::lock_guard lock(ComOutStateLock);
    const SetupParametersRecord& record = SetupParameters;
    PortSettings settings;
    std::copy_n(record.PortActive, PortCount, settings.active.begin());
    std::copy_n(record.PortBaud, PortCount, settings.baud.begin());
    settings.outputSentences = record.OutputSentences;
    settings.automaticRte = record.AutomaticRte;
    settings.alarmPort = record.AlarmPort;
    settings.tcpAddress = TcpAddressText(record);
    settings.tcpPort = record.TcpPort;
    return settings;
}

void WritePortSettings(const PortSettings& settings)
{
    const std::lock_guard lock(ComOutStateLock);
    SetupParametersRecord& record = SetupParameters;
    std::copy(settings.active.begin(), settings.active.end(), record.PortActive);
    std::copy(settings.baud.begin(), settings.baud.end(), record.PortBaud);
    record.OutputSentences = settings.outputSentences;
    record.AutomaticRte = settings.automaticRte;
    record.AlarmPort = settings.alarmPort;
    SetTcpAddress(record, settings.tcpAddress);
    record.TcpPort = settings.tcpPort;
}
