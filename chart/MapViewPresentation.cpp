// The map view's presentation, symbolization, display parameters and colours.

#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "platform/chartengine/SymbolizationRegistry.h"

#include <vector>

using namespace chartengine;

namespace {

// Display category 3 draws by the object-class table; the engine knows it as "other".
constexpr int32_t kClassTableCategory = 3;

const char* PresentationName(int32_t category)
{
    switch (category) {
    case 0:
        return kBasePresentationName;
    case 1:
        return kStandardPresentationName;
    case 2:
    case kClassTableCategory:
        return kOtherPresentationName;
    default:
        return nullptr;
    }
}

}  // namespace

std::unique_ptr<Presentation> MapView::CreatePresentation(MapManager* manager, const std::string& name)
{
    if (!manager || manager->state != 1 || !manager->currentGeoDatabase || !manager->presentationFactory)
        return nullptr;
    std::unique_ptr<Presentation> presentation;
    if (manager->presentationFactory->Create(name, manager->currentGeoDatabase, &presentation) != kOk)
        return nullptr;
    return presentation;
}

int MapView::SetDisplayCategory(int32_t category)
{
    if (category == displayCategory)
        return 1;
    if (category == 4)
        category = kClassTableCategory;
    displayCategory = category;
    presentation.reset();
    if (const char* name = PresentationName(category))
        presentation = CreatePresentation(manager_, name);
    parameters.Clear();
    // The category word is set before the parameters are put, so that the next draw already
    // portrays the new category.
    displayParams[DisplayCategoryWord] = static_cast<uint32_t>(category < kClassTableCategory ? category : 2);
    PutPresentationParams();
    return 1;
}

int MapView::UpdatePresentation(int32_t variant)
{
    if (!manager_ || manager_->state != 1)
        return 0;
    colours = nullptr;
    symbolization.reset();
    parameters.Clear();
    const auto fail = [this] {
        colours = nullptr;
        symbolization.reset();
        return 0;
    };
    Guid topic;
    if (!manager_->currentGeoDatabase || !manager_->symbolizationRegistry ||
        Failed(manager_->currentGeoDatabase->Topic(&topic)))
        return fail();
    const char* name = variant == 0 ? kEngineSymbolizationName : kS52SymbolizationName;
    if (manager_->symbolizationRegistry->CreateSymbolization(topic, name, {resolutionWidth, resolutionHeight},
                                                             &symbolization) != kOk)
        return fail();
    colours = symbolization.get();
    secondColourValue = colours->ColourSchemeCount();
    colourCount = colours->ColourCount();
    if (secondColourValue == 0 || colourCount == 0)
        return fail();
    // The view's table is read anew only when it never held colours: a table of any scheme,
    // including a night table whose colours are dark, stays as it was applied.
    if (!colourTableLoaded && !ReadColourTable(0, chartColourTable))
        return fail();
    if (!ApplyColourTable(chartColourTable) || !PutPresentationParams())
        return fail();
    presentationVariant = variant;
    return 1;
}

int MapView::ReadColourTable(int32_t scheme, ChartColourTable& table) const
{
    if (!colours || colourCount != ChartColourCount)
        return 0;
    std::vector<ColourEntry> entries(ChartColourCount);
    if (colours->SchemeColours(scheme, ChartColourCount, entries.data()) != kOk)
        return 0;
    for (int i = 0; i < ChartColourCount; ++i) {
        table[3 * i] = static_cast<uint8_t>(entries[i].colour & 0xFF);
        table[3 * i + 1] = static_cast<uint8_t>((entries[i].colour >> 8) & 0xFF);
        table[3 * i + 2] = static_cast<uint8_t>((entries[i].colour >> 16) & 0xFF);
    }
    return 1;
}

int MapView::ApplyColourTable(const ChartColourTable& table)
{
    chartColourTable = table;
    colourTableLoaded = true;
    if (!colours || colourCount != ChartColourCount)
        return 0;
    LogicalPalette logical;
    logical.count = ChartColourCount;
    for (int i = 0; i < ChartColourCount; ++i)
        logical.entries[i] = {table[3 * i], table[3 * i + 1], table[3 * i + 2], PaletteReserved};
    viewPalette = std::make_unique<ChartPalette>(logical, ChartColourCount);
    std::vector<uint16_t> indices;
    for (int i = 0; i < ChartColourCount; ++i) {
        const PaletteEntry& e = logical.entries[i];
        indices.push_back(static_cast<uint16_t>(viewPalette->nearestIndex(ColourRef(e.red, e.green, e.blue))));
    }
    return colours->SetPaletteIndices(ChartColourCount, indices.data()) == kOk ? 1 : 0;
}

int MapView::PutPresentationParams()
{
    PutDisplayParams(displayParams, parameters);
    return 1;
}
