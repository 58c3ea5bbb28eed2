#pragma once
// The chart side's part of the main window: the fields the chart code reads and writes and the
// controls it drives. The main window derives from it, so chart routines take it without knowing
// the window itself.

#include "chart/ChartMarker.h"
#include "chart/WindowCoordinates.h"
#include "platform/geodesy/GeoTypes.h"

#include <QFont>
#include <QImage>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLabel;
class QListWidget;
class QWidget;

// The main window's controls that the chart code drives; the window fills them in once it has
// built them.
struct ChartControls {
    QWidget* CM93 = nullptr;      // main chart paint box
    QWidget* CM93mini = nullptr;  // mini chart paint box
    QLabel* ZoomPanel = nullptr;  // the shown scale
    // Wbtn, Abtn, Bbtn, Cbtn, Dbtn, Ebtn, Fbtn, Gbtn: the buttons of usage bands 0..7.
    std::array<QAbstractButton*, 8> bandButtons{};
    QAbstractButton* AutoBtn = nullptr;
    QAbstractButton* Show2DBtn = nullptr;
    QAbstractButton* Show3DBtn = nullptr;
    QAbstractButton* btnMiniAuto = nullptr;
    QAbstractButton* rbBase = nullptr;
    QAbstractButton* rbStd = nullptr;
    QAbstractButton* rbFull = nullptr;
    QComboBox* Daylight = nullptr;  // day / night palette 0..4
    QComboBox* DispMode = nullptr;  // chart orientation 0..3
    QListWidget* cklChart = nullptr;  // the 16 chart layers
    QWidget* Notice = nullptr;
    QWidget* pnMiniAuto = nullptr;
    QWidget* edMiniSpeed = nullptr;
    QWidget* udMiniSpeed = nullptr;
};

struct ChartWindow {
    ChartControls controls;

    // Chart levels (ChartLevels.h).
    int32_t chartLevel = 16;      // main view, 0..17
    int32_t bandLevel = 16;       // level of the band button that is down
    int32_t zoneLevel = 16;       // level of the finest chart band at the view centre
    int32_t lastBandLevel = 16;   // the band level at the previous level change
    int32_t miniChartLevel = 16;  // mini view, 0..16
    // The scale handed to the main view (the engine's), or while the view is zoomed beyond its
    // band the shown one; 0 before the first level change.
    int32_t mainScale = 0;
    int32_t miniScale = 0;
    double zoomFactor = 1.0;      // residual zoom of the main view
    bool zoomPanelWarning = false;  // ZoomPanel in the over-zoom colour
    // 2 after a zoom or band action while AutoBtn is down, 1 after the next redraw: the timers
    // then repaint and clear it (0). The paint box keeps its picture while it is above 0.
    int32_t ZoomPaintHold = 0;

    // The 3D view mode (orientation 3), its pending redraw and its automatic scale.
    bool threeDViewMode = false;
    bool threeDRedrawPending = false;
    float threeDAutoScale = 0.0f;

    // Chart redraw (ChartRedraw.h). The engine draws into MainChartBitmap; ChartBackBitmap is its
    // copy with the static overlay, ChartWorkBitmap a copy of that with the dynamic overlay, which
    // the paint box CM93 shows. All are the size of CM93 (null while it has no area).
    QImage MainChartBitmap;
    QImage ChartBackBitmap;
    QImage ChartWorkBitmap;
    QImage RadarBitmap;
    QImage WeatherBitmap;
    QImage MiniChartBitmap;  // the size of CM93mini
    // The font of the overlays' text on MainChartBitmap and on its copy ChartBackBitmap
    // (OverlayFont.h), set by the text-size setting.
    QFont overlayFont;
    WindowRect chartRect;    // client rectangle of CM93
    int32_t chartCentreX = 0;  // its centre pixel, the origin of the chart's device points
    int32_t chartCentreY = 0;
    WindowRect miniRect;     // client rectangle of CM93mini
    bool mainResizePending = true;  // the next redraw makes the main bitmaps anew
    bool miniLayoutPending = true;  // the next mini redraw makes its bitmap anew
    bool paintCopyPending = false;  // the next paint starts again from MainChartBitmap
    bool chartRedrawRequest = false;  // a full redraw at the next 100 ms tick
    // Ticks until CM93 is repainted from the bitmaps: 1 repaints at the next 100 ms tick, 10 a
    // second later; 0 asks nothing.
    int32_t OverlayRedrawRequest = 0;
    float viewRotation = 0.0f;        // degrees
    float miniViewRotation = 0.0f;
    int32_t DisplayModeIndex = 0;     // the entry of Daylight: day / night palette 0..4
    bool RangeInMetres = false;       // the cursor readouts' range in metres, else nautical miles
    // The redraw kind (1 full, 0 over a relief picture) the main view's class table was made
    // for; -1 makes the next redraw make it.
    int32_t lastRedrawKind = -1;
    bool reliefBackground = false;    // a relief picture of the 3D library lies in MainChartBitmap
    bool redrawing = false;           // a main redraw is running

    // Light markers (LightFlashes.h): the lights the last redraw found, and whether the flash
    // step changed their dots since the static overlay last drew.
    std::vector<ChartMarker> chartMarkers;
    bool markerChanged = false;

    // Chart engine restart (ChartEngineRestart.h).
    bool engineRestarting = false;
    std::string engineFailure;  // the first failure while a restart runs

    bool presentationChanged = false;
    cmgbase::GeoPoint cursorChartPoint{};
    ScreenPoint lastMousePoint{};  // the pointer's last position over CM93 (client pixels)
    // Where the last chart pick was clicked (CM93 client pixels); a transfer puts the pointer
    // back near it.
    ScreenPoint pickPoint{};
    // The symbol images of the overlays: 17-pixel cells, row 0 the masks, rows 1.. the colours,
    // a palette image as loaded; its pixels as the overlays copy them, and the strip's key they
    // were made from.
    QImage SymbolStrip;
    QImage SymbolStripPixels;
    qint64 symbolStripPixelsKey = 0;

    // Overlay primitives (OverlayPrimitives.h).
    std::optional<ScreenPoint> lastDepthLabel;  // the last depth mark that got its value; none yet
    // The last field's screen corners, the first repeated at the end, for the mouse input's hit test.
    std::array<ScreenPoint, 5> fieldCorners{};
};
