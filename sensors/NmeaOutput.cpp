#include "sensors/NmeaOutput.h"

#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "sensors/ComOutThread.h"
#include "sensors/ComPortControl.h"
#include "sensors/OutputSentences.h"

#include <mutex>
#include <utility>

std::string OneOffText;
bool OneOffPending = false;
bool OutputMutedByReplay = false;
ComOutHooks ComOutHook;

namespace {

std::mutex tcpTextLock;
std::string tcpText;  // handed over by the output thread, taken by the main thread

void HandOverTcpText(const std::string& text)
{
    if (!ComOutHook.tcpTextWaiting)
        return;
    {
        const std::lock_guard lock(tcpTextLock);
        tcpText += text;
    }
    ComOutHook.tcpTextWaiting();
}

}  // namespace

std::string TakeTcpText()
{
    const std::lock_guard lock(tcpTextLock);
    return std::exchange(tcpText, std::string());
}

bool SendOneOffText(std::string_view text)
{
    {
        const std::lock_guard lock(ComOutStateLock);
        if (OneOffText.size() + text.size() > OneOffLimit)
            return false;
        OneOffText += text;
        OneOffPending = true;
    }
    WakeComOutThreadForOneOff();
    return true;
}

void SetOutputMutedByReplay(bool muted)
{
    {
        const std::lock_guard lock(ComOutStateLock);
        OutputMutedByReplay = muted;
    }
    if (!muted)
        WakeComOutThreadForOneOff();  // what waited during the replay goes out
}

void BuildNmeaOutput(NmeaOutputBatch& batch, bool positionSentences)
{
    batch.oneOff.clear();
    batch.oneOffPort = -1;
    batch.sentences.clear();
    batch.transmit.fill(false);
    if (OutputMutedByReplay)
        return;

    if (OneOffPending) {
        OneOffPending = false;
        batch.oneOff = OneOffText;
        batch.oneOffPort = OwnShip.aisReplyPort;
    }
    OneOffText.clear();
    if (!positionSentences)
        return;

    const int32_t bits = SetupParameters.OutputSentences;
    if (bits & OutputRmc)
        AppendRmc(batch.sentences);
    AppendRouteSentences(batch.sentences, bits);
    for (size_t port = 0; port < batch.transmit.size(); ++port)
        batch.transmit[port] = OwnShip.transmitFlags[port] != 0;
}

void WriteNmeaOutput(const NmeaOutputBatch& batch)
{
    std::string text;
    for (int port = 0; port < SerialPortCount; ++port) {
        text.clear();
        if (port == batch.oneOffPort)
            text = batch.oneOff;
        if (batch.transmit[size_t(port)])
            text += batch.sentences;
        if (!text.empty())
            WriteComPort(port, text);
    }
    if (batch.oneOffPort == TcpPort && !batch.oneOff.empty())
        HandOverTcpText(batch.oneOff);
}

void SendNmeaOutput(NmeaOutputBatch& batch, bool positionSentences)
{
    {
        const std::lock_guard lock(ComOutStateLock);
        BuildNmeaOutput(batch, positionSentences);
    }
    WriteNmeaOutput(batch);
}
