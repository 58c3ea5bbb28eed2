#include "sensors/SentenceParser.h"

#include "platform/system/SerialPort.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorOutputLock.h"
#include "sensors/SentenceHandlers.h"

#include <cstring>

const char SentenceTable[] =
    "$??GGA$??GLL$??VTG$??RMC$??TTM$??HDT$??DPT$??VBW$??DBT$??MTW$??RSD$??OSD$??VHW"
    "$??ZDA$??MWV$??VWR$??WPL$??RTE$??TGT$??ALR$??ABK!??VDM!??VDO$??DTM$??BRG";

std::array<PortInputBuffer, InputPortCount> PortInputBuffers;
std::array<uint32_t, InputPortCount> PortLineErrors{};
std::array<PortSentenceCounts, InputPortCount> PortSentenceStatistics{};

namespace {

constexpr int HeaderLength = 6;
constexpr int TableEntries = (sizeof SentenceTable - 1) / HeaderLength;
constexpr int MonitorLimit = 118;

// The monitored port's current line.
char monitorLine[LineCapacity] = {};
int monitorIndex = 0;
bool monitorCollecting = false;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Columns before which a fixed-column sentence gets a separating blank.
bool FixedColumnBreak(char kind, int32_t count)
{
    static constexpr int32_t targetColumns[] = {4, 6, 11, 13, 18, 20, 26, 28, 34, 39, 43};
    static constexpr int32_t markerColumns[] = {7, 12, 19, 25, 27, 34, 36, 43};
    auto contains = [count](const auto& columns) {
        for (int32_t column : columns)
            if (column == count)
                return true;
        return false;
    };
    switch (kind) {
    case 'T': return contains(targetColumns);
    case 'O': return contains(markerColumns);
    case 'L': return count == 7;
    default: return false;
    }
}

// The text of the last line error in the monitor's order, or nullptr.
const char* LineErrorWord(uint32_t errors)
{
    using namespace platform;
    static constexpr struct {
        uint32_t bit;
        const char* word;
    } words[] = {
        {LineErrorBreak, " Break"},   {LineErrorFrame, " Frame"},
        {LineErrorIo, " I/O"},        {LineErrorMode, " Mode"},
        {LineErrorOverrun, " Overrun"}, {LineErrorRxOverrun, " Rxoverrun"},
        {LineErrorParity, " Parity"}, {LineErrorTxFull, " Txfull"},
    };
    const char* found = nullptr;
    for (const auto& w : words)
        if (errors & w.bit)
            found = w.word;
    return found;
}

void HandMonitorLine()
{
    monitorLine[monitorIndex] = '\0';
    if (SensorHook.showMonitorLine)
        SensorHook.showMonitorLine(monitorLine);
}

void MonitorCharacter(int port, char c)
{
    if (!monitorCollecting)
        return;
    if (PortLineErrors[port] != 0) {
        const char* word = LineErrorWord(PortLineErrors[port]);
        PortLineErrors[port] = 0;
        if (word != nullptr) {
            monitorIndex = 0;
            for (const char* w : {word, " Error!"})
                for (; *w != '\0' && monitorIndex < MonitorLimit; ++w)
                    monitorLine[monitorIndex++] = *w;
            HandMonitorLine();
            monitorCollecting = false;  // the rest of this line is lost to the error
            return;
        }
    }
    if (c == '\r' || c == '\n') {
        HandMonitorLine();
        monitorCollecting = false;
        return;
    }
    if (monitorIndex < MonitorLimit)
        monitorLine[monitorIndex++] = c;
}

int32_t ResultFlag(int32_t handlerResult)
{
    switch (handlerResult) {
    case 1: return ParseFix;
    case 2:
    case 3: return ParseTargets;
    case 4: return ParseTile;
    default: return 0;
    }
}

// The checksum verdict of a completed line: true when it passes.
bool ChecksumPasses(PortInputBuffer& b, SentenceContext& context)
{
    if (b.starPosition < 0)
        return true;  // a line without '*' is taken unchecked
    context.checksumPresent = true;
    const int32_t first = b.starPosition + 1;
    const int high = first < b.count ? HexValue(b.line[first]) : -1;
    const int low = first + 1 < b.count ? HexValue(b.line[first + 1]) : -1;
    if (high < 0 || low < 0)
        return false;  // a '*' without two hex digits is a mismatch
    context.checksum = uint8_t(high * 16 + low);
    return context.checksum == b.checksum;
}

int32_t CompleteLine(int port, PortInputBuffer& b)
{
    b.inSentence = false;
    SentenceContext context;
    context.port = port;
    context.line = b.line;
    context.talker = b.talker;
    PortSentenceCounts& counts = PortSentenceStatistics[size_t(port)];
    if (!ChecksumPasses(b, context) && !b.proprietary) {
        b.caseNumber = CaseNone;
        ++counts.checksumFailures;
    }
    if (b.caseNumber == CaseNone)
        return 0;
    if (SensorHook.replayPlaying && SensorHook.replayPlaying()) {
        b.caseNumber = CaseNone;
        return 0;
    }
    ++counts.dispatched;
    return ResultFlag(DispatchSentence(b.caseNumber, context));
}

}  // namespace

int32_t FindSentenceCase(const char* header)
{
    for (int i = 0; i < TableEntries; ++i)
        if (std::memcmp(header, SentenceTable + i * HeaderLength, HeaderLength) == 0)
            return i + 1;
    return CaseNone;
}

const char* MonitorLine()
{
    monitorLine[monitorIndex] = '\0';
    return monitorLine;
}

int32_t ParseSensorInput(int port, const char* data, size_t size)
{
    if (port < 0 || port >= InputPortCount)
        return 0;
    PortInputBuffer& b = PortInputBuffers[port];
    const bool monitored = port == OwnShip.monitorPort;
    int32_t result = 0;

    for (size_t i = 0; i < size; ++i) {
        const char c = data[i];
        if (b.inSentence) {
            if (c == '*' && b.starPosition < 0)
                b.starPosition = b.count;
            else if (b.starPosition < 0)
                b.checksum ^= uint8_t(c);
        } else if (c == '$' || c == '!') {
            b.inSentence = true;
            b.count = 0;
            b.caseNumber = CaseNone;
            b.checksum = 0;
            b.starPosition = -1;
            b.previous = 0;
            b.talker = 0;
            b.fixedKind = 0;
            b.proprietary = false;
            if (monitored) {
                monitorIndex = 0;
                monitorCollecting = true;
            }
        }
        if (monitored)
            MonitorCharacter(port, c);
        if (!b.inSentence)
            continue;

        if (b.count == 5) {
            if (std::memcmp(b.line, "$PFEC", 5) == 0) {
                b.proprietary = true;
                b.caseNumber = CaseSonarData;
            } else if (std::memcmp(b.line, "$PRHO", 5) == 0) {
                b.proprietary = true;
                b.caseNumber = CaseSonarHeading;
            }
        }
        if (b.count == 4 && b.line[0] == '$' && IsDigit(b.line[2]) && IsDigit(b.line[3])) {
            switch (b.line[1]) {
            case 'T': b.fixedKind = 'T'; b.caseNumber = CaseFixedTarget; break;
            case 'O': b.fixedKind = 'O'; b.caseNumber = CaseFixedMarker; break;
            case 'L': b.fixedKind = 'L'; b.caseNumber = CaseFixedHeading; break;
            default: break;
            }
            b.line[1] = ' ';
        }
        if (b.count == 6 && b.fixedKind == 0 && !b.proprietary) {
            b.talker = b.line[2];
            if (OwnShip.gpsPort < 0 && b.line[1] == 'G' && b.line[2] == 'P' &&
                !(SensorHook.replayPlaying && SensorHook.replayPlaying())) {
                std::lock_guard lock(SensorOutputLock);
                OwnShip.gpsPort = port;
            }
            b.line[1] = '?';
            b.line[2] = '?';
            b.caseNumber = FindSentenceCase(b.line);
            if (b.caseNumber == CaseNone) {
                b.inSentence = false;
                ++PortSentenceStatistics[size_t(port)].unknown;
                continue;
            }
        }

        if (c == '\r' || c == '\n') {
            result |= CompleteLine(port, b);
            continue;
        }

        // Room for an inserted blank or '0', the character and the terminating zero.
        const bool insertBlank = b.fixedKind != 0 && FixedColumnBreak(b.fixedKind, b.count);
        const bool emptyField = c == ',' && b.previous == ',';
        if (b.count + int32_t(insertBlank) + int32_t(emptyField) + 2 > LineCapacity) {
            b.inSentence = false;  // an over-long line is dropped whole
            b.count = 0;
            ++PortSentenceStatistics[size_t(port)].overlong;
            continue;
        }
        if (insertBlank)
            b.line[b.count++] = ' ';
        char stored = c;
        if (c == ' ' && b.caseNumber != CaseVwr)
            stored = '_';
        else if (c == ',') {
            if (emptyField)
                b.line[b.count++] = '0';
            stored = ' ';
        }
        b.previous = c;
        b.line[b.count++] = stored;
        b.line[b.count] = '\0';
    }

    if ((result & ParseFix) && port == OwnShip.gpsPort) {
        std::lock_guard lock(SensorOutputLock);
        OwnShip.transmitFlags[size_t(port)] = 1;
    }
    return result;
}
