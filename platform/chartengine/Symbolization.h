#pragma once
// A symbolization: one way of portraying the chart, with its colours for the five colour schemes
// (day bright, day blackback, day whiteback, dusk, night; 63 colours each) and the palette
// indices the program assigns to them. It starts queries the way it would draw them.

#include "platform/chartengine/DrawBlock.h"
#include "platform/chartengine/EngineStatus.h"
#include "platform/chartengine/GeoDatabaseQuery.h"
#include "platform/chartengine/Guid.h"
#include "platform/chartengine/ObjectEnumerator.h"
#include "platform/chartengine/ParameterList.h"
#include "platform/chartengine/S52Tables.h"
#include "platform/chartengine/ChartDrawing.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace chartengine {

// One colour as the colour interface exchanges it: a COLORREF (red in the low byte, then green,
// then blue) and a word that is 0.
struct ColourEntry {
    uint32_t colour = 0;
    uint32_t reserved = 0;
};
static_assert(sizeof(ColourEntry) == 8);

using SchemeColourTables = std::array<std::array<ColourRgb, kS52ColourCount>, kColourSchemeCount>;

class Symbolization {
public:
    Symbolization(const Guid& topic, std::string name, int32_t resolutionWidth, int32_t resolutionHeight,
                  const SchemeColourTables& colours);

    const std::string& Name() const { return name_; }
    const Guid& Topic() const { return topic_; }
    // The topic as GUID text.
    std::string TopicText() const { return GuidToText(topic_); }
    int32_t ResolutionWidth() const { return resolutionWidth_; }
    int32_t ResolutionHeight() const { return resolutionHeight_; }

    // The colour interface.
    int32_t ColourSchemeCount() const { return kColourSchemeCount; }
    int32_t ColourCount() const { return kS52ColourCount; }
    // The first count colours of the scheme; kInvalidArgument for a scheme outside 0..4 or a
    // count outside 1..ColourCount().
    HResult SchemeColours(int32_t scheme, int32_t count, ColourEntry* entries) const;
    // One palette index per colour, in colour order (at most ColourCount()).
    HResult SetPaletteIndices(int32_t count, const uint16_t* indices);
    const std::vector<uint16_t>& PaletteIndices() const { return paletteIndices_; }

    // Runs the query (unless it has run) and gives its objects from the first, in the order
    // the symbolization takes them. The draw block and the parameters are the view's.
    HResult StartQuery(GeoDatabaseQuery& query, const DrawBlock& block, const ParameterList& parameters,
                       std::unique_ptr<ObjectEnumerator>* objects) const;
    // The same for a pick at a point: point objects are found where their drawn symbol reaches
    // the cover, taken as kPickSymbolHalfExtent metric units around the point (2.5 mm on the
    // display) in the block's projection; without a projection as StartQuery.
    static constexpr int32_t kPickSymbolHalfExtent = 25;
    HResult StartPick(GeoDatabaseQuery& query, const DrawBlock& block, const ParameterList& parameters,
                      std::unique_ptr<ObjectEnumerator>* objects) const;
    // Draws the objects of the query (run unless it has run) with the block's painter, S-52
    // style (ChartDrawing.h), in the colours of the block's palette at the palette indices, and
    // with symbols and texts sized for the resolution (pixels per metre of the symbology).
    // kInvalidArgument without a painter or a projection.
    HResult Draw(GeoDatabaseQuery& query, const DrawBlock& block, const ParameterList& parameters) const;

private:
    Guid topic_;
    std::string name_;
    int32_t resolutionWidth_;
    int32_t resolutionHeight_;
    SchemeColourTables colours_;
    std::vector<uint16_t> paletteIndices_;
    mutable DrawingCaches caches_;
};

// A COLORREF of red, green and blue.
constexpr uint32_t ColourRef(uint8_t r, uint8_t g, uint8_t b) { return r | (uint32_t(g) << 8) | (uint32_t(b) << 16); }

}  // namespace chartengine
