#include "sensors/SentenceParser.h"

#include "frame/PortSettings.h"
#include "platform/system/SerialPort.h"
#include "sensors/ReceivedRoute.h"
#include "sensors/SensorHooks.h"
#include "sensors/SentenceHandlers.h"
#include "sensors/TargetStaticData.h"

#include <algorithm>
#include <bit>
#include <cstring>

constexpr char SentenceTable[] =
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

// Characters of a field run: stored as they are (plain), a separator, the checksum star, or one
// for the general path (blanks, line ends, control and 8-bit characters).
enum CharClass : uint8_t { OtherChar, PlainChar, CommaChar, StarChar };

constexpr std::array<CharClass, 256> CharClasses = [] {
    std::array<CharClass, 256> classes{};
    for (int c = '!'; c < 0x80; ++c)
        classes[size_t(c)] = PlainChar;
    classes[size_t(',')] = CommaChar;
    classes[size_t('*')] = StarChar;
    return classes;
}();

CharClass ClassOf(char c)
{
    return CharClasses[uint8_t(c)];
}

// Eight characters as one little-endian word: the first character is the lowest byte.
static_assert(std::endian::native == std::endian::little);
constexpr uint64_t Bytes = 0x0101010101010101u;  // times a byte value: that byte eight times

// 0x80 in each byte of x that is zero, 0 in the others.
uint64_t ZeroBytes(uint64_t x)
{
    constexpr uint64_t low7 = Bytes * 0x7F;
    return ~(((x & low7) + low7) | x | low7);
}

// True when a byte is below '!' (blanks, line ends, controls) or 8-bit.
bool HasSpecialByte(uint64_t x)
{
    const uint64_t below = (x - Bytes * '!') & ~x & (Bytes * 0x80);
    return (below | (x & (Bytes * 0x80))) != 0;
}

// The XOR of the eight bytes.
uint8_t FoldXor(uint64_t x)
{
    x ^= x >> 32;
    x ^= x >> 16;
    x ^= x >> 8;
    return uint8_t(x);
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

// The three letters of a sentence name as one number.
constexpr uint32_t NameKey(const char* name)
{
    return uint32_t(uint8_t(name[0])) << 16 | uint32_t(uint8_t(name[1])) << 8 | uint8_t(name[2]);
}

// The case of a sentence name (the letters after the talker) in SentenceTable, 0 when none.
template <int Entry = 0>
int32_t CaseOfName(uint32_t key)
{
    if constexpr (Entry == TableEntries) {
        return CaseNone;
    } else {
        // Unrolled at compile time; the compiler turns the comparisons into a search tree.
        if (key == NameKey(SentenceTable + Entry * HeaderLength + 3))
            return Entry + 1;
        return CaseOfName<Entry + 1>(key);
    }
}

// The line state of ParseSensorInput while it reads a chunk.
struct LineCursor {
    bool open;
    int32_t count;
    uint8_t checksum;
    int32_t star;
    char previous;
};

// Stores the six header characters at data[i]; returns the index of the last one.
inline size_t StoreHeader(LineCursor& at, char* line, const char* data, size_t i)
{
    std::memcpy(line, data + i, 6);
    for (size_t k = 1; k < 6; ++k)
        at.checksum ^= uint8_t(data[i + k]);
    at.count = 6;
    at.previous = data[i + 5];
    return i + 5;
}

// Stores the run of field characters, separators and the star from data[i] on, the bulk of
// every sentence; returns the index of the first character left for the general path.
inline size_t StoreFieldRun(LineCursor& at, char* line, const char* data, size_t i, size_t size)
{
    uint8_t runChecksum = 0;
    // Eight characters at a time while they hold no blank, control or 8-bit character and no
    // empty field: separators become blanks in place.
    while (i + 8 <= size && at.count <= LineCapacity - 3 - 8) {
        uint64_t block;
        std::memcpy(&block, data + i, 8);
        if (HasSpecialByte(block))
            break;
        const uint64_t commas = ZeroBytes(block ^ (Bytes * ','));
        if ((commas & (commas << 8)) != 0 || (at.previous == ',' && (commas & 0x80) != 0))
            break;
        if (const uint64_t stars = ZeroBytes(block ^ (Bytes * '*')); stars != 0 && at.star < 0) {
            // The checksum covers what came before the star.
            const int before = std::countr_zero(stars) / 8;
            const uint64_t head = before == 0 ? 0 : block & (~uint64_t{0} >> (64 - 8 * before));
            at.checksum ^= runChecksum ^ FoldXor(head);
            at.star = at.count + before;
        }
        const uint64_t stored = block ^ ((commas >> 7) * (',' ^ ' '));
        std::memcpy(line + at.count, &stored, 8);
        at.count += 8;
        runChecksum ^= FoldXor(block);
        at.previous = data[i + 7];
        i += 8;
    }
    // Then without branches on the character: a separator stores a blank, after another
    // separator a '0' first. Near the end of the line the general path takes over.
    for (; i < size && at.count <= LineCapacity - 3; ++i) {
        const char d = data[i];
        const CharClass k = ClassOf(d);
        if (k == OtherChar)
            break;
        if (k == StarChar && at.star < 0) {
            at.checksum ^= runChecksum;  // the checksum covers what came before the star
            at.star = at.count;
        }
        const bool comma = k == CommaChar;
        line[at.count] = '0';
        at.count += int32_t(comma && at.previous == ',');
        line[at.count++] = comma ? ' ' : d;
        runChecksum ^= uint8_t(d);
        at.previous = d;
    }
    if (at.star < 0)
        at.checksum ^= runChecksum;
    return i;
}

// A header (the start character and five more) that the character-by-character path would
// store unchanged and then look up in the table: plain characters, no fixed-column digits, no
// proprietary prefix.
bool IsPlainHeader(const char* h)
{
    for (int k = 1; k < 6; ++k)
        if (ClassOf(h[k]) != PlainChar)
            return false;
    if (h[0] == '$' && IsDigit(h[2]) && IsDigit(h[3]))
        return false;
    return std::memcmp(h, "$PFEC", 5) != 0 && std::memcmp(h, "$PRHO", 5) != 0;
}

// A satellite receiver's talker: GPS ("GP"), several systems combined ("GN"), GLONASS ("GL"),
// Galileo ("GA"), BeiDou ("GB", "BD"), NavIC ("GI") and QZSS ("GQ").
bool IsSatelliteTalker(char first, char second)
{
    if (first == 'B')
        return second == 'D';
    return first == 'G' && (second == 'P' || second == 'N' || second == 'L' || second == 'A' ||
                            second == 'B' || second == 'I' || second == 'Q');
}

// The table look-up of a line's six stored characters: keeps the talker, lets a satellite
// receiver's talker choose the GPS port, writes the talker as "??". False (and counted) when the
// header is unknown.
bool LookUpHeader(int port, PortInputBuffer& b)
{
    char* line = b.line;
    b.talker = line[2];
    if (OwnShip.gpsPort < 0 && IsSatelliteTalker(line[1], line[2]) &&
        !(SensorHook.replayPlaying && SensorHook.replayPlaying()))
        OwnShip.gpsPort = port;
    line[1] = '?';
    line[2] = '?';
    b.caseNumber = FindSentenceCase(line);
    if (b.caseNumber != CaseNone)
        return true;
    ++PortSentenceStatistics[size_t(port)].unknown;
    return false;
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
    if (header[1] != '?' || header[2] != '?')
        return CaseNone;
    const int32_t caseNumber = CaseOfName(NameKey(header + 3));
    if (caseNumber == CaseNone || SentenceTable[(caseNumber - 1) * HeaderLength] != header[0])
        return CaseNone;
    return caseNumber;
}

namespace {

// The chunk under the output lock, taken once for all its sentences.
int32_t ParseChunk(int port, const char* data, size_t size)
{
    PortInputBuffer& b = PortInputBuffers[size_t(port)];
    const bool monitored = port == OwnShip.monitorPort;
    int32_t result = 0;
    const std::lock_guard lock(ComOutStateLock);

    // The line state is kept in a local while the chunk is read: stores into the line could
    // otherwise alias it and force every field through memory for every character.
    char* const line = b.line;
    LineCursor at{b.inSentence, b.count, b.checksum, b.starPosition, b.previous};
    auto save = [&] {
        b.inSentence = at.open;
        b.count = at.count;
        b.checksum = at.checksum;
        b.starPosition = at.star;
        b.previous = at.previous;
        line[at.count] = '\0';
    };
    bool& open = at.open;
    int32_t& count = at.count;
    uint8_t& checksum = at.checksum;
    int32_t& star = at.star;
    char& previous = at.previous;

    for (size_t i = 0; i < size; ++i) {
        const char c = data[i];
        if (!open) {
            if (c == '$' || c == '!') {
                open = true;
                count = 0;
                checksum = 0;
                star = -1;
                previous = 0;
                b.caseNumber = CaseNone;
                b.talker = 0;
                b.fixedKind = 0;
                b.proprietary = false;
                if (monitored) {
                    monitorIndex = 0;
                    monitorCollecting = true;
                } else if (i + 6 < size && IsPlainHeader(data + i)) {
                    // The whole header is here: stored and looked up at once; the character
                    // after it, which the look-up waits for, follows as usual.
                    i = StoreHeader(at, line, data, i);
                    if (!LookUpHeader(port, b)) {
                        open = false;  // dropped, with the character after the header
                        ++i;
                    }
                    continue;
                }
            }
            if (monitored)
                MonitorCharacter(port, c);
            if (!open)
                continue;
        } else {
            if (!monitored && b.fixedKind == 0) {
                const bool lookedUp = count > 6 || (count == 6 && b.caseNumber != CaseNone);
                const size_t next = lookedUp ? StoreFieldRun(at, line, data, i, size) : i;
                if (next > i) {
                    i = next - 1;
                    continue;
                }
            }
            if (c == '*' && star < 0)
                star = count;
            else if (star < 0)
                checksum ^= uint8_t(c);
            if (monitored)
                MonitorCharacter(port, c);
        }

        if (count <= 6) {
            if (count == 5) {
                if (std::memcmp(line, "$PFEC", 5) == 0) {
                    b.proprietary = true;
                    b.caseNumber = CaseSonarData;
                } else if (std::memcmp(line, "$PRHO", 5) == 0) {
                    b.proprietary = true;
                    b.caseNumber = CaseSonarHeading;
                }
            } else if (count == 4 && line[0] == '$' && IsDigit(line[2]) && IsDigit(line[3])) {
                switch (line[1]) {
                case 'T': b.fixedKind = 'T'; b.caseNumber = CaseFixedTarget; break;
                case 'O': b.fixedKind = 'O'; b.caseNumber = CaseFixedMarker; break;
                case 'L': b.fixedKind = 'L'; b.caseNumber = CaseFixedHeading; break;
                default: break;
                }
                line[1] = ' ';
            } else if (count == 6 && b.caseNumber == CaseNone && b.fixedKind == 0 &&
                       !b.proprietary && !LookUpHeader(port, b)) {
                open = false;
                continue;
            }
        }

        if (c == '\r' || c == '\n') {
            open = false;
            save();
            result |= CompleteLine(port, b);
            continue;
        }

        // Room for an inserted blank or '0', the character and the terminating zero.
        const bool insertBlank = b.fixedKind != 0 && FixedColumnBreak(b.fixedKind, count);
        const bool emptyField = c == ',' && previous == ',';
        if (count + int32_t(insertBlank) + int32_t(emptyField) + 2 > LineCapacity) {
            open = false;  // an over-long line is dropped whole
            count = 0;
            ++PortSentenceStatistics[size_t(port)].overlong;
            continue;
        }
        if (insertBlank)
            line[count++] = ' ';
        char stored = c;
        if (c == ',') {
            if (emptyField)
                line[count++] = '0';
            stored = ' ';
        } else if (c == ' ' && b.caseNumber != CaseVwr) {
            stored = '_';
        }
        previous = c;
        line[count++] = stored;
    }
    save();

    if ((result & ParseFix) && port == OwnShip.gpsPort)
        OwnShip.transmitFlags[size_t(port)] = 1;
    return result;
}

}  // namespace

int32_t ParseSensorInput(int port, const char* data, size_t size)
{
    if (port < 0 || port >= InputPortCount)
        return 0;
    const int32_t result = ParseChunk(port, data, size);
    // The route table takes the lock itself, and the ais5 file is no work under a lock: both
    // waited for the end of the chunk.
    RunReceivedRouteWork();
    RunTargetFileWork();
    return result;
}

void StopMonitorLine()
{
    monitorCollecting = false;
    monitorIndex = 0;
}
