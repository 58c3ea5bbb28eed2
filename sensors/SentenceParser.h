#pragma once
// The line assembler of the sensor ports: one partial sentence per port (COM1..COM12 and TCP),
// the NMEA 0183 checksum, the field normalisation that lets the handlers read fields with
// blank-separated scans, and the dispatch of a complete line to the handler of its case.

#include "sensors/OwnShipState.h"

#include <array>
#include <cstddef>
#include <cstdint>

constexpr int LineCapacity = 120;  // a line and its terminating zero

// Sentence cases besides the 25 of SentenceTable.
enum SentenceCase : int32_t {
    CaseNone = 0,
    CaseGga = 1, CaseGll, CaseVtg, CaseRmc, CaseTtm, CaseHdt, CaseDpt, CaseVbw, CaseDbt, CaseMtw,
    CaseRsd, CaseOsd, CaseVhw, CaseZda, CaseMwv, CaseVwr, CaseWpl, CaseRte, CaseTgt, CaseAlr,
    CaseAbk, CaseVdm, CaseVdo, CaseDtm, CaseBrg,
    CaseSonarHeading = 92,      // "$PRHO"
    CaseFixedHeading = 94,      // "$L" + two digits
    CaseFixedMarker = 95,       // "$O" + two digits
    CaseSonarData = 98,         // "$PFEC"
    CaseFixedTarget = 99,       // "$T" + two digits
};

// 25 six-character headers, the talker written "??".
extern const char SentenceTable[];

// The case of a six-character header whose talker is already "??"; 0 when it is not in the table.
int32_t FindSentenceCase(const char* header);

struct PortInputBuffer {
    char line[LineCapacity] = {};
    bool inSentence = false;
    int32_t count = 0;          // characters stored, the index of the next one
    uint8_t checksum = 0;       // running XOR from after the start character up to '*'
    int32_t starPosition = -1;  // count at which '*' arrived, -1 none
    int32_t caseNumber = CaseNone;  // after the line: the case that ran, 0 when dropped
    char previous = 0;          // the last raw character, for empty-field detection
    char talker = 0;            // the talker's second letter, kept at the table look-up
    char fixedKind = 0;         // 'T', 'O' or 'L' for a fixed-column sentence
    bool proprietary = false;   // "$PFEC" / "$PRHO": no table look-up, checksum not binding
};

extern std::array<PortInputBuffer, InputPortCount> PortInputBuffers;

// Line errors of the last read per port (Windows CE_* bits), for the port monitor.
extern std::array<uint32_t, InputPortCount> PortLineErrors;

// What became of the lines of a port, for the port monitor.
struct PortSentenceCounts {
    uint64_t dispatched = 0;        // handed to their handler
    uint64_t checksumFailures = 0;  // dropped: wrong or unreadable checksum
    uint64_t unknown = 0;           // dropped: header not in the table
    uint64_t overlong = 0;          // dropped: longer than a line holds
};
extern std::array<PortSentenceCounts, InputPortCount> PortSentenceStatistics;

// What a chunk brought, as flags: every handler result of the chunk counts.
enum ParseResultFlag : int32_t {
    ParseFix = 1,      // a position fix was committed
    ParseTargets = 2,  // a target record was updated or reported lost
    ParseTile = 4,     // the seabed tile changed
};

// Feeds `size` bytes read from `port` (0..12) to its line assembler and runs the handler of
// every line completed by them. Returns ParseResultFlag bits; ports outside 0..12 give 0.
// A fix on the GPS port also sets that port's transmit flag. The handlers run under
// ComOutStateLock, taken once for the chunk; the route-table work of the waypoints and routes
// received in it and the target table's ais5 work run after the lock is released, before the
// call returns.
int32_t ParseSensorInput(int port, const char* data, size_t size);

// Drops the monitored port's partial line; the monitor starts again at the next start character.
void StopMonitorLine();
