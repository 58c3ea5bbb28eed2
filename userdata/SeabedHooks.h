#pragma once
// What the seabed sweep (SeabedExport.h) asks of the main window and the chart above it. The
// application sets the hooks at start-up; an unset hook answers as noted.

#include "frame/PixelGeometry.h"
#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

class QWidget;

// A depth number of the chart: its text, its user colour (1..7) and its top-left pixel.
struct SeabedDepthLabel {
    int32_t x = 0;
    int32_t y = 0;
    std::string text;
    int32_t colour = 0;
};

struct SeabedHooks {
    // The grid resolution R (OwnShip.depthTileResolution); 512000 when unset.
    std::function<int32_t()> tileResolution;
    // The main view's pixel of a chart point; none when unset or when the view has none.
    std::function<std::optional<ScreenPoint>(const cmgbase::GeoPoint&)> screenPoint;
    // The main view's chart level; 0 when unset.
    std::function<int32_t()> chartLevel;
    // The depth unit's setting (cmbDepthUnit); above 2 the depth numbers show hundredths. 0
    // when unset.
    std::function<int32_t()> depthUnitSetting;
    // True while the 3D depth range is marked on the chart (false when unset).
    std::function<bool()> threeDRangeMarking;
    // Draws the depth numbers of one sweep on the chart picture.
    std::function<void(std::span<const SeabedDepthLabel>)> drawDepthLabels;
    // The chart paint box, over which the depth edit dialog opens; none when unset.
    std::function<QWidget*()> chartArea;
    // The pixel of the chart click that asks for a depth edit; none when unset.
    std::function<std::optional<ScreenPoint>()> clickPixel;
    // True while "3D Depths" is chosen in the data tab's copy list (false when unset).
    std::function<bool()> depthsChosen;
};

extern SeabedHooks SeabedHook;
