#include "platform/chartengine/Symbolization.h"

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

}  // namespace chartengine
