#include "chart/MapView.h"

#include "chart/MapManager.h"
#include "platform/chartengine/SymbolizationRegistry.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <cmath>
#include <cstdlib>
#include <optional>

using namespace chartengine;

MapView* MainMapView = nullptr;
MapView* MiniMapView = nullptr;

namespace {

// Where a new view looks until it is centred.
constexpr double InitialCentreLongitude = 10.643583333;
constexpr double InitialCentreLatitude = 59.095133333;
constexpr double MetresPerInch = 0.0254;

// The device pixels per metre that show a monitor of pixelsPerMetre at zoom: the whole part of
// the quotient. Nothing for a zoom of 0 or below, NaN, or a quotient outside 1..INT32_MAX.
std::optional<int32_t> DevicePixelsPerMetre(double pixelsPerMetre, double zoom)
{
    if (!(zoom > 0))
        return std::nullopt;
    const double device = std::floor(pixelsPerMetre / zoom);
    if (!(device >= 1 && device <= INT32_MAX))
        return std::nullopt;
    return static_cast<int32_t>(device);
}

// The viewport holds the points it converts to +-INT32_MAX; a coordinate there may have been cut.
bool Uncut(int32_t x, int32_t y) { return std::abs(int64_t{x}) < INT32_MAX && std::abs(int64_t{y}) < INT32_MAX; }

}  // namespace

MapView::MapView() : centre{cmgbase::deg2nrm(InitialCentreLongitude), cmgbase::deg2nrm(InitialCentreLatitude)}
{
    DefaultDisplayParams(displayParams);
    objectClassTable.fill(1);
}

MapView::MapView(const MapViewState& carried) : MapView()
{
    centre = carried.centre;
    scale = carried.scale;
    zoomX = carried.zoomX;
    zoomY = carried.zoomY;
    pixelsPerMetreX = carried.pixelsPerMetreX;
    pixelsPerMetreY = carried.pixelsPerMetreY;
    rotation = carried.rotation;
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
    // A view built again after a release, or carrying a replaced view's state, shows the chart
    // as it was.
    const std::optional<int32_t> deviceX = DevicePixelsPerMetre(pixelsPerMetreX, zoomX);
    const std::optional<int32_t> deviceY = DevicePixelsPerMetre(pixelsPerMetreY, zoomY);
    if (!deviceX || !deviceY)
        return fail();
    projectionBlock.scale = scale;
    projectionBlock.centre = centre;
    projectionBlock.devicePixelsPerMetreX = *deviceX;
    projectionBlock.devicePixelsPerMetreY = *deviceY;
    if (!pushProjection() || Failed(projection->SetRotation(rotation)))
        return fail();

    if (Failed(manager->symbolizationRegistry->CreateDrawCompanion(&drawCompanion)))
        drawCompanion.reset();
    presentation = CreatePresentation(manager, kOtherPresentationName);
    state = 1;
    return 1;
}

void MapView::Release()
{
    state = 0;
    projection.reset();
    if (drawCompanion)
        drawCompanion->Close();
    drawCompanion.reset();
    viewport.reset();
    presentation.reset();
    viewPalette.reset();
    symbolization.reset();
    colours = nullptr;
    parameters.Clear();
}

MapViewState MapView::ViewState() const
{
    return {centre, scale, zoomX, zoomY, pixelsPerMetreX, pixelsPerMetreY, rotation};
}

bool MapView::pushProjection()
{
    if (!projection)
        return false;
    const bool taken = projection->PutBlock(projectionBlock) == kOk;
    return projection->GetBlock(&projectionBlock) == kOk && taken;
}

int MapView::SetCentre(cmgbase::GeoPoint newCentre)
{
    if (newCentre == projectionBlock.centre)
        return 0;
    projectionBlock.centre = newCentre;
    if (!projection) {
        centre = newCentre;
        return 0;
    }
    if (!pushProjection())
        return 0;
    centre = newCentre;
    return 1;
}

int MapView::CentreAtScreenPoint(const WindowRect& window, const ScreenPoint& point)
{
    cmgbase::GeoPoint position;
    return ScreenToGeo(window, point, position) && SetCentre(position) ? 1 : 0;
}

int MapView::SetScale(int32_t newScale)
{
    if (!projection)
        return 0;
    projectionBlock.scale = newScale;
    const bool taken = pushProjection();
    scale = projectionBlock.scale;
    return taken ? 1 : 0;
}

int MapView::SetZoomFactors(double newZoomX, double newZoomY)
{
    if (!viewport)
        return 0;
    const std::optional<int32_t> deviceX = DevicePixelsPerMetre(pixelsPerMetreX, newZoomX);
    const std::optional<int32_t> deviceY = DevicePixelsPerMetre(pixelsPerMetreY, newZoomY);
    if (!deviceX || !deviceY)
        return 0;
    zoomX = newZoomX;
    zoomY = newZoomY;
    if (!projection)
        return 0;
    projectionBlock.devicePixelsPerMetreX = *deviceX;
    projectionBlock.devicePixelsPerMetreY = *deviceY;
    return pushProjection() ? 1 : 0;
}

int MapView::SetMonitorGeometry(double diagonalInches, double aspectWidth, double aspectHeight, int32_t screenWidth,
                                int32_t screenHeight)
{
    if (!(diagonalInches > 0 && aspectWidth > 0 && aspectHeight > 0 && screenWidth > 0 && screenHeight > 0))
        return 0;
    const double inchesPerUnit = std::sqrt(diagonalInches * diagonalInches /
                                           (aspectWidth * aspectWidth + aspectHeight * aspectHeight));
    const double newPixelsPerMetreX = screenWidth / (aspectWidth * inchesPerUnit * MetresPerInch);
    const double newPixelsPerMetreY = screenHeight / (aspectHeight * inchesPerUnit * MetresPerInch);
    const std::optional<int32_t> deviceX = DevicePixelsPerMetre(newPixelsPerMetreX, zoomX);
    const std::optional<int32_t> deviceY = DevicePixelsPerMetre(newPixelsPerMetreY, zoomY);
    if (!deviceX || !deviceY)
        return 0;
    pixelsPerMetreX = newPixelsPerMetreX;
    pixelsPerMetreY = newPixelsPerMetreY;
    if (!projection)
        return 0;
    projectionBlock.devicePixelsPerMetreX = *deviceX;
    projectionBlock.devicePixelsPerMetreY = *deviceY;
    return pushProjection() ? 1 : 0;
}

int MapView::SetRotation(double degrees)
{
    if (!std::isfinite(degrees))
        return 0;
    rotation = degrees;
    return projection && projection->SetRotation(degrees) == kOk ? 1 : 0;
}

int MapView::ScreenToGeo(const WindowRect& window, const ScreenPoint& point, cmgbase::GeoPoint& position) const
{
    DevicePoint device;
    return ScreenToDevice(window, point, device) && DeviceToGeo(device, position) ? 1 : 0;
}

int MapView::GeoToScreen(const WindowRect& window, const cmgbase::GeoPoint& position, ScreenPoint& point) const
{
    DevicePoint device;
    return GeoToDevice(position, device) && DeviceToScreen(window, device, point) ? 1 : 0;
}

int MapView::DeviceToGeo(const DevicePoint& device, cmgbase::GeoPoint& position) const
{
    cmgbase::MetricPoint metric;
    if (!viewport || !projection || Failed(viewport->DeviceToMetric(device, &metric)) || !Uncut(metric.x, metric.y))
        return 0;
    return Failed(projection->MetricToGeo(metric, &position)) ? 0 : 1;
}

int MapView::GeoToDevice(const cmgbase::GeoPoint& position, DevicePoint& device) const
{
    cmgbase::MetricPoint metric;
    DevicePoint converted;
    if (!viewport || !projection || Failed(projection->GeoToMetric(position, &metric)) ||
        Failed(viewport->MetricToDevice(&metric, 1, &converted)) || !Uncut(converted.x, converted.y))
        return 0;
    device = converted;
    return 1;
}

int MapView::ScreenRectToGeo(const DeviceRect& deviceRect, cmgbase::GeoRect& area) const
{
    MetricRect metric;
    if (!viewport || !projection || Failed(viewport->DeviceRectToMetric(deviceRect, &metric)))
        return 0;
    return Failed(projection->MetricRectToGeoRect(metric, &area)) ? 0 : 1;
}

int MapView::VisibleGeoRect(const WindowRect& window, cmgbase::GeoRect& area) const
{
    DeviceRect device;
    return WindowDeviceRect(window, device) && ScreenRectToGeo(device, area) ? 1 : 0;
}
