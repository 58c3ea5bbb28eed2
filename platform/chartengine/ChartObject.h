#pragma once
// One chart object of an open database: its S-57 class, identifier, geometry, attributes and
// related objects. A ChartObject is a small handle; it keeps its cell in memory while it lives.

#include "platform/chartengine/CellData.h"
#include "platform/chartengine/ChartDictionary.h"
#include "platform/chartengine/EngineStatus.h"
#include "platform/chartengine/GeometryTests.h"
#include "platform/chartengine/Guid.h"
#include "platform/geodesy/MapMetrics.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace chartengine {

class GeoProjection;
class ObjectEnumerator;

// A cell of an open database in memory. cellId is the cell's place in the catalog, from 1.
struct LoadedCell {
    uint32_t cellId = 0;
    int32_t usageBand = 0;
    CellData data;
    // StretchBoundsOf(data.points) when the cell was read for a database's searches; else empty.
    std::vector<cmgbase::GeoRect> stretchBounds;
};

struct AttributeValue {
    int32_t code = 0;
    AttributeType type = AttributeType::Unknown;
    std::string text;  // S-57 text form

    // The value as a number; nothing when the text is not one.
    std::optional<double> real() const;
    std::optional<int32_t> integer() const;
    // The elements of a list ("1,3" gives 1, 3); elements that are no numbers are left out.
    std::vector<int32_t> list() const;
};

// What a chart object shows of its place: its geometry kind, bounds and (for a point) the point.
struct ObjectDescription {
    uint8_t kind = kGeometryNone;
    cmgbase::GeoRect bounds;
    cmgbase::GeoPoint point;
};

class ChartObject {
public:
    ChartObject() = default;
    ChartObject(std::shared_ptr<const LoadedCell> cell, uint32_t index);

    bool isNull() const { return !cell_; }

    int32_t ClassCode() const;
    // Not null: the cell's number, the object's place in the cell and its S-57 long name.
    Guid Identifier() const;
    uint8_t Kind() const;  // GeometryKind
    cmgbase::GeoRect Bounds() const;
    ObjectDescription Description() const;
    // The points, lines, or rings of the geometry.
    RingSet Geometry() const;
    // The depth of a sounding in metres; nothing for other objects.
    std::optional<double> SoundingDepth() const;

    uint32_t CellId() const;
    int32_t UsageBand() const;

    // kOk and the value, or kFalse (value untouched) when the object has no such attribute.
    HResult Attribute(int32_t code, AttributeValue* value) const;
    std::vector<AttributeValue> Attributes() const;

    // The objects this one refers to (an aggregate's parts, a structure's equipment), and the
    // objects that refer to this one.
    HResult ReferencedObjects(std::unique_ptr<ObjectEnumerator>* objects) const;
    HResult ReferringObjects(std::unique_ptr<ObjectEnumerator>* objects) const;

    // The geometry in the projection's metric plane (kind 1 point, 2 line, 3 area, 6 point set);
    // kFail when a point cannot be projected, kInvalidArgument for an object without geometry.
    HResult MetricGeometry(const GeoProjection& projection, cmgbase::TMapMetrics* metrics) const;

private:
    const ObjectRecord& record() const { return cell_->data.objects[index_]; }

    std::shared_ptr<const LoadedCell> cell_;
    uint32_t index_ = 0;
};

}  // namespace chartengine
