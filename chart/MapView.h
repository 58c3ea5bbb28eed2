#pragma once
// A chart view of the engine: the main view (0) or the mini overview (1). It holds the view's
// engine objects (symbolization with its colours, projection, viewport, presentation), its scale,
// centre and device metrics. Main thread only.

#include "chart/ChartDisplayParams.h"
#include "chart/ChartPalette.h"
#include "chart/ObjectClassCodes.h"
#include "platform/chartengine/DrawBlock.h"
#include "platform/chartengine/GeoProjection.h"
#include "platform/chartengine/MapViewport.h"
#include "platform/chartengine/ParameterList.h"
#include "platform/chartengine/Presentation.h"
#include "platform/chartengine/Symbolization.h"
#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class MapManager;

inline constexpr int ChartColourCount = 63;
using ChartColourTable = std::array<uint8_t, 3 * ChartColourCount>;  // red, green, blue per colour

class MapView {
public:
    MapView();
    virtual ~MapView();
    MapView(const MapView&) = delete;
    MapView& operator=(const MapView&) = delete;

    // Attaches the view to manager and creates its engine objects; 1 ready, 0 failed (the view is
    // then released). A view already ready returns 1 at once.
    int Init(int32_t which, MapManager* manager);
    // Releases the engine objects; state 0. Centre, scale, zoom, metrics and tables stay.
    void Release();
    // Centres the view on centre; 1 when the centre changed and reached the projection.
    int SetCentre(cmgbase::GeoPoint centre);
    // The monitor diagonal in inches, its aspect, and the screen size in pixels give the view's
    // pixels per metre for true-scale display; 1 when they reached the projection.
    int SetMonitorGeometry(double diagonalInches, double aspectWidth, double aspectHeight, int screenWidth,
                           int screenHeight);

    // The presentation of the manager's current database by name; null on any failure.
    static std::unique_ptr<chartengine::Presentation> CreatePresentation(MapManager* manager, const std::string& name);
    // The first 63 colours of scheme from the view's colour interface; 1 / 0.
    int ReadColourTable(int32_t scheme, ChartColourTable& table) const;
    // Takes the table as the view's colours, makes the view palette from it and gives the
    // colour interface each colour's palette index; 1 / 0.
    int ApplyColourTable(const ChartColourTable& table);
    // Puts the display parameters into the presentation parameter list; 1.
    int PutPresentationParams();

    int32_t state = 0;
    int32_t drawn = 0;
    int32_t isMini = 0;
    std::unique_ptr<chartengine::Symbolization> symbolization;
    chartengine::Symbolization* colours = nullptr;  // the colour interface of the symbolization
    std::shared_ptr<chartengine::GeoProjection> projection;
    std::unique_ptr<chartengine::MapViewport> viewport;
    std::unique_ptr<chartengine::Presentation> presentation;
    chartengine::ProjectionBlock projectionBlock;
    ChartDisplayParams displayParams{};
    chartengine::ParameterList parameters;
    std::array<int32_t, ObjectClassCount> objectClassTable{};
    ChartColourTable chartColourTable{};
    int32_t colourCount = 0;
    int32_t secondColourValue = 0;
    std::unique_ptr<ChartPalette> viewPalette;
    chartengine::Guid selectedObject;
    cmgbase::GeoPoint centre;
    cmgbase::GeoRect visibleArea;
    chartengine::DeviceRect windowRect;
    chartengine::DrawBlock drawBlock;
    int32_t resolutionWidth = 3500;
    int32_t resolutionHeight = 3500;
    int32_t scale = 10000000;
    double zoomX = 1.0;
    double zoomY = 1.0;
    double pixelsPerMetreX = 5000.0;
    double pixelsPerMetreY = 5000.0;
    int32_t presentationVariant = 0;
    int32_t displayCategory = 2;
    double rotation = 0.0;  // degrees

private:
    // Puts the block to the projection and reads it back; false without a projection or when
    // the projection refuses the block.
    bool pushProjection();
    // Device pixels per metre from the monitor's pixels per metre and the zoom factors.
    void applyDeviceMetrics();

    MapManager* manager_ = nullptr;
};

// The main and the mini chart views (null while the engine is not started).
extern MapView* MainMapView;
extern MapView* MiniMapView;
