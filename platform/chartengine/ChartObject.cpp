#include "platform/chartengine/ChartObject.h"

#include "platform/chartengine/CellBuilder.h"
#include "platform/chartengine/GeoProjection.h"
#include "platform/chartengine/ObjectEnumerator.h"

#include <charconv>
#include <cmath>

namespace chartengine {

namespace {

template <typename T>
std::optional<T> ParseNumber(std::string_view text)
{
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> AttributeValue::real() const { return ParseNumber<double>(text); }

std::optional<int32_t> AttributeValue::integer() const { return ParseNumber<int32_t>(text); }

std::vector<int32_t> AttributeValue::list() const
{
    std::vector<int32_t> values;
    std::string_view rest(text);
    while (!rest.empty()) {
        const size_t comma = rest.find(',');
        if (const auto value = ParseNumber<int32_t>(rest.substr(0, comma)))
            values.push_back(*value);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    return values;
}

ChartObject::ChartObject(std::shared_ptr<const LoadedCell> cell, uint32_t index) : cell_(std::move(cell)), index_(index)
{
}

int32_t ChartObject::ClassCode() const { return record().classCode; }

Guid ChartObject::Identifier() const
{
    const ObjectRecord& r = record();
    Guid id;
    id.data1 = cell_->cellId;
    id.data2 = static_cast<uint16_t>(index_ >> 16);
    id.data3 = static_cast<uint16_t>(index_ & 0xFFFF);
    const uint64_t longName = LongName(r.agency, r.featureId, r.subdivision);
    for (int i = 0; i < 8; ++i)
        id.data4[i] = static_cast<uint8_t>(longName >> (56 - 8 * i));
    return id;
}

uint8_t ChartObject::Kind() const { return record().kind; }

cmgbase::GeoRect ChartObject::Bounds() const { return record().bounds; }

ObjectDescription ChartObject::Description() const
{
    ObjectDescription description;
    description.kind = Kind();
    description.bounds = Bounds();
    const RingSet parts = Geometry();
    if (description.kind == kGeometryPoint && parts.size() > 0 && !parts[0].empty())
        description.point = parts[0][0];
    return description;
}

RingSet ChartObject::Geometry() const { return RingSet(cell_->data.partsOf(record()), cell_->data.points.data()); }

std::optional<double> ChartObject::SoundingDepth() const
{
    const float depth = record().soundingDepth;
    return std::isnan(depth) ? std::nullopt : std::optional<double>(depth);
}

uint32_t ChartObject::CellId() const { return cell_->cellId; }

int32_t ChartObject::UsageBand() const { return cell_->usageBand; }

HResult ChartObject::Attribute(int32_t code, AttributeValue* value) const
{
    if (!value)
        return kNullPointer;
    for (const AttributeRecord& attribute : cell_->data.attributesOf(record()))
        if (attribute.code == code) {
            *value = {code, static_cast<AttributeType>(attribute.type), std::string(cell_->data.textOf(attribute))};
            return kOk;
        }
    return kFalse;
}

std::vector<AttributeValue> ChartObject::Attributes() const
{
    std::vector<AttributeValue> values;
    for (const AttributeRecord& attribute : cell_->data.attributesOf(record()))
        values.push_back({attribute.code, static_cast<AttributeType>(attribute.type),
                          std::string(cell_->data.textOf(attribute))});
    return values;
}

HResult ChartObject::ReferencedObjects(std::unique_ptr<ObjectEnumerator>* objects) const
{
    if (!objects)
        return kNullPointer;
    std::vector<ObjectEnumerator::Entry> entries;
    for (uint32_t i = 0; i < record().referencedCount; ++i)
        entries.push_back({0, cell_->data.relations[record().firstReferenced + i]});
    *objects = std::make_unique<ObjectEnumerator>(std::vector{cell_}, std::move(entries));
    return kOk;
}

HResult ChartObject::ReferringObjects(std::unique_ptr<ObjectEnumerator>* objects) const
{
    if (!objects)
        return kNullPointer;
    std::vector<ObjectEnumerator::Entry> entries;
    for (uint32_t i = 0; i < record().referringCount; ++i)
        entries.push_back({0, cell_->data.relations[record().firstReferring + i]});
    *objects = std::make_unique<ObjectEnumerator>(std::vector{cell_}, std::move(entries));
    return kOk;
}

HResult ChartObject::MetricGeometry(const GeoProjection& projection, cmgbase::TMapMetrics* metrics) const
{
    if (!metrics)
        return kNullPointer;
    if (Kind() == kGeometryNone)
        return kInvalidArgument;
    cmgbase::TMapMetrics result;
    result.kind = Kind();
    const RingSet parts = Geometry();
    for (size_t p = 0; p < parts.size(); ++p) {
        std::vector<cmgbase::MetricPoint>& out = result.parts.emplace_back();
        out.reserve(parts[p].size());
        for (const cmgbase::GeoPoint& point : parts[p]) {
            cmgbase::MetricPoint metric;
            if (Failed(projection.GeoToMetric(point, &metric)))
                return kFail;
            out.push_back(metric);
        }
    }
    *metrics = std::move(result);
    return kOk;
}

}  // namespace chartengine
