#pragma once
// The engine's chart store on disk. A database folder holds "catalog.vcat" (one entry per cell,
// with its usage band, compilation scale and coverage) and one "<cell>.vcell" file per cell (its
// objects, geometry, attributes, relations and spatial grid). All numbers are little-endian;
// positions are normalised coordinates (GeoTypes.h).
//
// Both files are a header followed by arrays of the records below, in the order the header
// counts them; each array starts at a multiple of 8 bytes (zero padding). A reader checks the
// header, that the counts fill the file exactly, and that every index stays inside its array.

#include "platform/geodesy/GeoTypes.h"

#include <bit>
#include <cstdint>

namespace chartengine {

static_assert(std::endian::native == std::endian::little, "the store is written as it lies in memory");

inline constexpr char kCatalogFileName[] = "catalog.vcat";
inline constexpr char kCellFileExtension[] = ".vcell";
inline constexpr uint32_t kStoreFormatVersion = 1;

// Geometry kinds of an object (the engine's numbering).
enum GeometryKind : uint8_t {
    kGeometryNone = 0,
    kGeometryPoint = 1,
    kGeometryLine = 2,
    kGeometryArea = 3,
    kGeometryPointSet = 6,
};

struct CellFileHeader {
    char magic[8];  // "VKCELL\0\0"
    uint32_t formatVersion;
    uint32_t objectCount;
    uint32_t partCount;
    uint32_t pointCount;
    uint32_t attributeCount;
    uint32_t relationCount;
    uint32_t gridColumns;
    uint32_t gridRows;
    uint32_t gridEntryCount;
    uint32_t textBytes;
    cmgbase::GeoRect bounds;  // of every object of the cell
};
static_assert(sizeof(CellFileHeader) == 64);

// One S-57 feature object. Its parts, attributes and related objects are ranges of the cell's
// arrays. soundingDepth is the depth of a sounding (metres), NaN for every other object.
struct ObjectRecord {
    uint16_t classCode;
    uint8_t kind;  // GeometryKind
    uint8_t reserved;
    uint16_t agency;       // AGEN
    uint16_t subdivision;  // FIDS
    uint32_t featureId;    // FIDN
    float soundingDepth;
    cmgbase::GeoRect bounds;
    uint32_t firstPart;
    uint32_t partCount;
    uint32_t firstAttribute;
    uint32_t attributeCount;
    uint32_t firstReferenced;  // objects this one refers to (its LNAM_REFS)
    uint32_t referencedCount;
    uint32_t firstReferring;   // objects that refer to this one
    uint32_t referringCount;
};
static_assert(sizeof(ObjectRecord) == 64);

// A point, a line, a ring of an area, or a point set: a range of the cell's points.
struct PartRecord {
    uint32_t firstPoint;
    uint32_t pointCount;
};
static_assert(sizeof(PartRecord) == 8);

// An attribute value as S-57 text ("4", "1,3", "12.5", "Annapolis"), in the cell's text block.
struct AttributeRecord {
    uint16_t code;
    uint8_t type;  // AttributeType
    uint8_t reserved;
    uint32_t textOffset;
    uint32_t textLength;
};
static_assert(sizeof(AttributeRecord) == 12);

struct CatalogFileHeader {
    char magic[8];  // "VKCATLG\0"
    uint32_t formatVersion;
    uint32_t cellCount;
    uint32_t coverageRingCount;
    uint32_t coveragePointCount;
    int32_t databaseVersion;  // the newest issue date of its cells, YYYYMMDD
    uint32_t reserved;
};
static_assert(sizeof(CatalogFileHeader) == 32);

// One cell of the database. The coverage rings (M_COVR areas of coverage, in the catalog's ring
// and point arrays) bound where the cell has data; a cell without rings covers its bounds.
struct CatalogCellRecord {
    char name[32];  // zero-terminated; the cell file is name + kCellFileExtension
    int32_t usageBand;
    int32_t intendedUsage;  // as the cell declares it; 0 for the world base
    int32_t compilationScale;
    int32_t edition;
    int32_t updateNumber;
    int32_t issueDate;  // YYYYMMDD
    cmgbase::GeoRect bounds;
    uint32_t objectCount;
    uint32_t firstCoverageRing;
    uint32_t coverageRingCount;
    uint32_t reserved[3];
};
static_assert(sizeof(CatalogCellRecord) == 96);

}  // namespace chartengine
