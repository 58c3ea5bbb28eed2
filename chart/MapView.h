#pragma once
// A chart view of the engine: the main view (0) or the mini overview (1). It holds the view's
// engine objects (symbolization with its colours, projection, viewport, presentation), its scale,
// centre, rotation and device metrics, and turns the screen points of its window into chart
// positions and back. Main thread only.
//
// Screen points are pixels of the view's window (WindowCoordinates.h); device points are offsets
// from the window's centre pixel with y up; the metric plane is the engine's (tenths of a
// millimetre on the display, ProjectionTypes.h). Operations return 1 / 0; 0 also when an engine
// object is missing or a result cannot be held in int32.

#include "chart/ChartDisplayParams.h"
#include "chart/ChartPalette.h"
#include "chart/ObjectClassTable.h"
#include "chart/WindowCoordinates.h"
#include "platform/chartengine/DrawBlock.h"
#include "platform/chartengine/DrawCompanion.h"
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
class QPainter;

// What a view hands on to the view that replaces it when the engine is restarted, so that the
// chart stays where it was.
struct MapViewState {
    cmgbase::GeoPoint centre;
    int32_t scale = 0;
    double zoomX = 1.0;
    double zoomY = 1.0;
    double pixelsPerMetreX = 0.0;
    double pixelsPerMetreY = 0.0;
    double rotation = 0.0;
};

inline constexpr int ChartColourCount = 63;
using ChartColourTable = std::array<uint8_t, 3 * ChartColourCount>;  // red, green, blue per colour

class MapView {
public:
    MapView();
    // A view that starts with the carried centre, scale, zoom factors, monitor metrics and
    // rotation; Init puts them to its engine objects.
    explicit MapView(const MapViewState& carried);
    virtual ~MapView();
    MapView(const MapView&) = delete;
    MapView& operator=(const MapView&) = delete;

    // Attaches the view to manager and creates its engine objects; 1 ready, 0 failed (the view is
    // then released). A view already ready returns 1 at once.
    int Init(int32_t which, MapManager* manager);
    // Releases the engine objects; state 0. Centre, scale, zoom, metrics, rotation and tables
    // stay, and a later Init uses them.
    void Release();
    MapViewState ViewState() const;

    // Centres the view on centre; 1 when the centre changed and the projection took it. Without a
    // projection the centre is kept for Init (result 0); a centre the projection refuses (beyond
    // its valid latitudes) leaves the view as it was.
    int SetCentre(cmgbase::GeoPoint centre);
    // Centres the view on the chart position under the screen point; 1 when the centre moved.
    int CentreAtScreenPoint(const WindowRect& window, const ScreenPoint& point);
    // The N of 1:N; 0, the scale unchanged, without a projection or for a scale below 1.
    int SetScale(int32_t scale);
    // Shows the chart enlarged by 1 / zoom on each axis: device pixels per metre become the whole
    // part of pixels per metre / zoom. 0, nothing changed, without a viewport, for a zoom of 0 or
    // below, and for a zoom that gives no whole number of device pixels from 1 to INT32_MAX.
    int SetZoomFactors(double zoomX, double zoomY);
    // The monitor diagonal in inches, its aspect, and the screen size in pixels give the view's
    // pixels per metre for true-scale display; 1 when they reached the projection. 0, nothing
    // changed, for a value of 0 or below or metrics that give no device pixels per metre.
    int SetMonitorGeometry(double diagonalInches, double aspectWidth, double aspectHeight, int32_t screenWidth,
                           int32_t screenHeight);
    // Turns the chart by degrees (the bearing that points up); 1 when the projection took it.
    // Without a projection the angle is kept for Init.
    int SetRotation(double degrees);

    // The chart position under a screen point of the window; 0, position untouched, for a point
    // whose offset from the window centre int32 cannot hold.
    int ScreenToGeo(const WindowRect& window, const ScreenPoint& point, cmgbase::GeoPoint& position) const;
    // The screen point of a chart position; 0, point untouched, for a position beyond the
    // projection's valid latitudes or whose pixel int32 cannot hold.
    int GeoToScreen(const WindowRect& window, const cmgbase::GeoPoint& position, ScreenPoint& point) const;
    // The same for device points (pixels from the window centre, y up).
    int DeviceToGeo(const chartengine::DevicePoint& device, cmgbase::GeoPoint& position) const;
    int GeoToDevice(const cmgbase::GeoPoint& position, chartengine::DevicePoint& device) const;
    // The geographic rectangle a device rectangle covers (crossing the antimeridian with x1 > x2).
    int ScreenRectToGeo(const chartengine::DeviceRect& deviceRect, cmgbase::GeoRect& area) const;
    // The geographic rectangle the window shows.
    int VisibleGeoRect(const WindowRect& window, cmgbase::GeoRect& area) const;

    // Presentation and colours (MapViewPresentation.cpp).
    // The presentation of the manager's current database by name; null on any failure.
    static std::unique_ptr<chartengine::Presentation> CreatePresentation(MapManager* manager, const std::string& name);
    // 0 "S52 Base", 1 "S52 Standard", 2 and 3 (and 4, taken as 3) "S52 Other"; 3 draws by the
    // object-class table. The display parameters, with the category in word 18, are put again.
    // Always 1; a presentation the engine refuses stays null.
    int SetDisplayCategory(int32_t category);
    // A new symbolization ("C-Map" for variant 0, else "S52") at the view's resolution, with the
    // view's colours and display parameters; 1 / 0 (then without symbolization).
    int UpdatePresentation(int32_t variant);
    // The 63 colours of scheme from the view's colour interface; 1 / 0. An interface that does
    // not have exactly 63 colours is refused.
    int ReadColourTable(int32_t scheme, ChartColourTable& table) const;
    // Takes the table as the view's colours, makes the view palette of its 63 colours and gives
    // the colour interface each colour's palette index; 1 / 0 (also for an interface that does
    // not have exactly 63 colours).
    int ApplyColourTable(const ChartColourTable& table);
    // Puts the display parameters into the presentation parameter list; 1.
    int PutPresentationParams();

    // Drawing (MapViewDrawing.cpp). The painter's transform takes device points (pixels from the
    // window centre, y up) to its pixels; window is the window in device points.
    // Draws the chart of the window; nothing without a ready view, manager, symbolization and
    // colour interface.
    void DrawChart(QPainter& painter, const chartengine::DeviceRect& window);
    // Highlights the selected object over a drawn chart.
    void DrawOverlayShapes(QPainter& painter, const chartengine::DeviceRect& window);
    // Clips the painter to the areas of the object (nothing for an object without areas).
    void SetClipRegion(QPainter& painter, const chartengine::ChartObject& object) const;
    // Selects the object of the identifier text ("{...}"; empty clears the selection) and, with
    // moveTo, centres on it at the scale of its cell's usage band; 1 / 0.
    int ShowObject(const std::string& identifierText, int32_t moveTo);

    int32_t state = 0;
    int32_t drawn = 0;
    int32_t isMini = 0;
    std::unique_ptr<chartengine::Symbolization> symbolization;
    chartengine::Symbolization* colours = nullptr;  // the colour interface of the symbolization
    std::shared_ptr<chartengine::GeoProjection> projection;
    std::unique_ptr<chartengine::MapViewport> viewport;
    std::unique_ptr<chartengine::DrawCompanion> drawCompanion;
    std::unique_ptr<chartengine::Presentation> presentation;
    chartengine::ProjectionBlock projectionBlock;
    ChartDisplayParams displayParams{};
    chartengine::ParameterList parameters;
    ObjectClassTable objectClassTable{};
    ChartColourTable chartColourTable{};
    bool colourTableLoaded = false;  // the table holds colours applied to the view
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
    // the projection refuses the block, which then holds the projection's values again.
    bool pushProjection();

    MapManager* manager_ = nullptr;
};

// The main and the mini chart views (null while the engine is not started).
extern MapView* MainMapView;
extern MapView* MiniMapView;
