#include "platform/chartengine/Symbolization.h"

#include "platform/chartengine/GeoDatabaseQuery.h"
#include "platform/chartengine/GeoProjection.h"

namespace chartengine {

Symbolization::Symbolization(const Guid& topic, std::string name, int32_t resolutionWidth, int32_t resolutionHeight,
                             const SchemeColourTables& colours)
    : topic_(topic),
      name_(std::move(name)),
      resolutionWidth_(resolutionWidth),
      resolutionHeight_(resolutionHeight),
      colours_(colours)
{
}

HResult Symbolization::SchemeColours(int32_t scheme, int32_t count, ColourEntry* entries) const
{
    if (!entries)
        return kNullPointer;
    if (scheme < 0 || scheme >= kColourSchemeCount || count < 1 || count > ColourCount())
        return kInvalidArgument;
    for (int32_t i = 0; i < count; ++i) {
        const ColourRgb& c = colours_[scheme][i];
        entries[i] = {ColourRef(c.r, c.g, c.b), 0};
    }
    return kOk;
}

HResult Symbolization::SetPaletteIndices(int32_t count, const uint16_t* indices)
{
    if (count > 0 && !indices)
        return kNullPointer;
    if (count < 0 || count > ColourCount())
        return kInvalidArgument;
    paletteIndices_.assign(indices, indices + count);
    return kOk;
}

HResult Symbolization::StartQuery(GeoDatabaseQuery& query, const DrawBlock&, const ParameterList&,
                                  std::unique_ptr<ObjectEnumerator>* objects) const
{
    if (!objects)
        return kNullPointer;
    if (!query.hasRun()) {
        const HResult ran = query.Run();
        if (Failed(ran))
            return ran;
    }
    return query.Objects(objects);
}

HResult Symbolization::StartPick(GeoDatabaseQuery& query, const DrawBlock& block, const ParameterList& parameters,
                                 std::unique_ptr<ObjectEnumerator>* objects) const
{
    const std::vector<cmgbase::GeoRect>& rects = query.Cover().rects();
    if (block.projection && !rects.empty() && !query.hasRun()) {
        const cmgbase::GeoRect& r = rects.front();
        const cmgbase::GeoPoint middle{static_cast<int32_t>((int64_t(r.x1) + r.x2) / 2),
                                       static_cast<int32_t>((int64_t(r.y1) + r.y2) / 2)};
        cmgbase::MetricPoint at;
        cmgbase::GeoRect reach;
        if (block.projection->GeoToMetric(middle, &at) == kOk &&
            block.projection->MetricRectToGeoRect({at.x - kPickSymbolHalfExtent, at.y - kPickSymbolHalfExtent,
                                                   at.x + kPickSymbolHalfExtent, at.y + kPickSymbolHalfExtent},
                                                  &reach) == kOk)
            query.SetPointReach(static_cast<int32_t>((int64_t(reach.x2) - reach.x1) / 2),
                                static_cast<int32_t>((int64_t(reach.y2) - reach.y1) / 2));
    }
    return StartQuery(query, block, parameters, objects);
}

HResult Symbolization::Draw(GeoDatabaseQuery& query, const DrawBlock& block, const ParameterList& parameters) const
{
    if (!block.painter || !block.projection)
        return kInvalidArgument;
    std::unique_ptr<ObjectEnumerator> objects;
    const HResult started = StartQuery(query, block, parameters, &objects);
    if (Failed(started))
        return started;
    std::array<QColor, kS52ColourCount> colours;
    for (int i = 0; i < kS52ColourCount; ++i) {
        const ColourRgb& own = colours_[0][i];
        const bool indexed = size_t(i) < paletteIndices_.size() && paletteIndices_[i] < block.palette.size();
        colours[i] = indexed ? QColor::fromRgb(block.palette[paletteIndices_[i]]) : QColor(own.r, own.g, own.b);
    }
    constexpr double kMillimetresPerMetre = 1000.0;
    return ChartDrawing(block, parameters, colours, resolutionWidth_ / kMillimetresPerMetre, caches_).Draw(*objects);
}

}  // namespace chartengine
