#pragma once
// The object dump "varnv.dat" of a backup: per object its 64-byte IdRecord, for tracks, routes
// and lines its 38-byte points (the object's id, sequences 1, 2, 3 ...), then a 16-bit text
// length and the text of its own info record (kind 0) without terminator. The dump is read
// from outside: reading checks all of it before anything is used.

#include "userdata/UserRecords.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct TransferRegion;

// Which stored objects a backup takes.
struct DumpSelection {
    bool areaLimited = false;
    bool displayedOnly = false;
    uint32_t fromTime = 0;  // without displayed-only: objects of this time and later
    bool tracks = false;
    bool routes = false;
    bool symbols = false;
    bool lines = false;  // lines, zones and fields
};

struct DumpCounts {
    int32_t tracks = 0;
    int32_t routes = 0;
    int32_t symbols = 0;
    int32_t lines = 0;
    int32_t errors = 0;  // objects of a type no editing makes (0, 4, above 7), not dumped
    // The objects dumped, type and id, for a delete after the dump was archived.
    std::vector<std::pair<ObjectType, int32_t>> dumped;
};

// Whether the selection takes objects of the type: tracks, routes, symbols, or lines for LINE,
// ZONE and FIELD; never another type.
bool KindChosen(ObjectType type, const DumpSelection& selection);

// The first reference position (degrees x 600000) within the area, bounds included; an area
// whose west lies east of its east runs across the 180th meridian.
bool InsideTransferRegion(const TransferRegion& area, int32_t latitude, int32_t longitude);

// Writes the dump of the chosen objects of the open id file, in key-1 order, to `dump`. Points
// are taken while they belong to the object, and the id record is written with that true count;
// a track, route or line of fewer than 2 points is passed over. False when the file could not
// be written whole (it is then removed).
bool WriteObjectDump(const std::filesystem::path& dump, const DumpSelection& selection,
                     const TransferRegion& area, DumpCounts& counts);

struct DumpEntry {
    IdRecord object;
    std::vector<PointRecord> points;
    std::string text;  // Windows-1252 bytes
};

enum class DumpFault {
    None,
    Unreadable,     // the file could not be read
    Truncated,      // the file ends inside an entry
    BadType,        // a type below 1 or above 7
    BadTextLength,  // a text longer than InfoTextMaximum
    BadPoint,       // a point of another object
    BadPosition,    // a position beyond 90 degrees of latitude or 180 of longitude
};

// Reads and checks the whole dump; every name holds its NUL. On a fault `entries` is empty.
DumpFault ReadObjectDump(const std::filesystem::path& dump, std::vector<DumpEntry>& entries);
