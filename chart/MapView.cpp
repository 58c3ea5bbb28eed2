#include "chart/MapView.h"

#include "chart/MapManager.h"
#include "platform/chartengine/SymbolizationRegistry.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <cmath>

using namespace chartengine;

MapView* MainMapView = nullptr;
MapView* MiniMapView = nullptr;

namespace {

// Where a new view looks until it is centred.
constexpr double InitialCentreLongitude = 10.643583333;
constexpr double InitialCentreLatitude = 59.095133333;
constexpr double MetresPerInch = 0.0254;

}  // namespace

MapView::MapView() : centre{cmgbase::deg2nrm(InitialCentreLongitude), cmgbase::deg2nrm(InitialCentreLatitude)}
{
    DefaultDisplayParams(displayParams);
    objectClassTable.fill(1);
}

MapView::~MapView() { Release(); }

int MapView::Init(int32_t which, MapManager* manager)
{
    isMini = which;
    manager_ = manager;
    if (!manager)
        return 0;
    if (state == 1)
        return 1;
    const auto fail = [this] {
        Release();
        return 0;
    };
    Guid topic;
    if (!manager->currentGeoDatabase || !manager->symbolizationRegistry ||
        Failed(manager->currentGeoDatabase->Topic(&topic)))
        return fail();
    if (manager->symbolizationRegistry->CreateSymbolization(topic, kEngineSymbolizationName,
                                                            {resolutionWidth, resolutionHeight}, &symbolization) != kOk)
        return fail();
    colours = symbolization.get();
    secondColourValue = colours->ColourSchemeCount();
    colourCount = colours->ColourCount();
    if (secondColourValue == 0 || colourCount == 0)
        return fail();
    if (!ReadColourTable(0, chartColourTable) || !ApplyColourTable(chartColourTable) || !PutPresentationParams())
        return fail();

    projection = std::make_shared<GeoProjection>();
    viewport = std::make_unique<MapViewport>(projection);
    if (Failed(projection->GetBlock(&projectionBlock))) {
        projection.reset();
        return fail();
    }
    projectionBlock.scale = scale;
    projectionBlock.centre = centre;
    if (!pushProjection())
        return fail();

    presentation = CreatePresentation(manager, kOtherPresentationName);
    state = 1;
    return 1;
}

void MapView::Release()
{
    state = 0;
    projection.reset();
    viewport.reset();
    presentation.reset();
    viewPalette.reset();
    symbolization.reset();
    colours = nullptr;
    parameters.Clear();
}

bool MapView::pushProjection()
{
    return projection && projection->PutBlock(projectionBlock) == kOk && projection->GetBlock(&projectionBlock) == kOk;
}

void MapView::applyDeviceMetrics()
{
    projectionBlock.devicePixelsPerMetreX = static_cast<int32_t>(std::floor(pixelsPerMetreX / zoomX));
    projectionBlock.devicePixelsPerMetreY = static_cast<int32_t>(std::floor(pixelsPerMetreY / zoomY));
}

int MapView::SetCentre(cmgbase::GeoPoint newCentre)
{
    if (newCentre == projectionBlock.centre)
        return 0;
    projectionBlock.centre = newCentre;
    centre = newCentre;
    return projection && pushProjection() ? 1 : 0;
}

int MapView::SetMonitorGeometry(double diagonalInches, double aspectWidth, double aspectHeight, int screenWidth,
                                int screenHeight)
{
    const double inchesPerUnit = std::sqrt(diagonalInches * diagonalInches /
                                           (aspectWidth * aspectWidth + aspectHeight * aspectHeight));
    pixelsPerMetreX = screenWidth / (aspectWidth * inchesPerUnit * MetresPerInch);
    pixelsPerMetreY = screenHeight / (aspectHeight * inchesPerUnit * MetresPerInch);
    if (!projection)
        return 0;
    applyDeviceMetrics();
    return pushProjection() ? 1 : 0;
}

std::unique_ptr<Presentation> MapView::CreatePresentation(MapManager* manager, const std::string& name)
{
    if (!manager || manager->state != 1 || !manager->currentGeoDatabase || !manager->presentationFactory)
        return nullptr;
    std::unique_ptr<Presentation> presentation;
    if (manager->presentationFactory->Create(name, manager->currentGeoDatabase, &presentation) != kOk)
        return nullptr;
    return presentation;
}

int MapView::ReadColourTable(int32_t scheme, ChartColourTable& table) const
{
    if (!colours || colourCount < ChartColourCount)
        return 0;
    std::vector<ColourEntry> entries(colourCount);
    if (colours->SchemeColours(scheme, colourCount, entries.data()) != kOk)
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
    if (!colours)
        return 0;
    LogicalPalette logical;
    logical.count = static_cast<uint16_t>(std::min(colourCount, PaletteSize));
    for (int i = 0; i < logical.count; ++i) {
        const int c = i % ChartColourCount;
        logical.entries[i] = {table[3 * c], table[3 * c + 1], table[3 * c + 2], PaletteReserved};
    }
    viewPalette = std::make_unique<ChartPalette>(logical, logical.count);
    std::vector<uint16_t> indices;
    for (int i = 0; i < logical.count; ++i) {
        const PaletteEntry& e = logical.entries[i];
        indices.push_back(static_cast<uint16_t>(viewPalette->nearestIndex(ColourRef(e.red, e.green, e.blue))));
    }
    return colours->SetPaletteIndices(static_cast<int32_t>(indices.size()), indices.data()) == kOk ? 1 : 0;
}

int MapView::PutPresentationParams()
{
    PutDisplayParams(displayParams, parameters);
    return 1;
}
