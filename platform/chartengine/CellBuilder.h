#pragma once
// Assembles a cell of the store from the objects read out of a chart file: lays out the arrays,
// computes the bounds, resolves the object relations and builds the spatial grid.

#include "platform/chartengine/CellData.h"
#include "platform/chartengine/ChartDictionary.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace chartengine {

struct SourceAttribute {
    int32_t code = 0;
    AttributeType type = AttributeType::Unknown;
    // The S-57 text form, in the cell's own single-byte character set (ISO 8859-1 at lexical
    // level 1, which Windows-1252 extends), as the program keeps its texts.
    std::string value;
};

struct SourceObject {
    int32_t classCode = 0;
    uint8_t kind = kGeometryNone;
    uint16_t agency = 0;
    uint32_t featureId = 0;
    uint16_t subdivision = 0;
    float soundingDepth = NAN;
    std::vector<std::vector<cmgbase::GeoPoint>> parts;
    std::vector<SourceAttribute> attributes;
    // The object's long name (LNAM: agency, feature id, subdivision) and the long names it
    // refers to (LNAM_REFS). Several objects may share one long name (a split sounding group).
    uint64_t longName = 0;
    std::vector<uint64_t> referencedLongNames;
};

// The long name of agency, feature id and subdivision, as S-57 packs it.
uint64_t LongName(uint16_t agency, uint32_t featureId, uint16_t subdivision);

class CellBuilder {
public:
    void add(SourceObject object);
    size_t objectCount() const { return objects_.size(); }
    // Builds the cell; the builder is empty afterwards. Relations to long names that no object
    // of the cell carries are dropped.
    CellData finish();

private:
    std::vector<SourceObject> objects_;
};

}  // namespace chartengine
