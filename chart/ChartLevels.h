#pragma once
// The chart levels of the main chart: level 0..17 shows the chart at 1:ChartLevelTable[level].
// The mini chart uses levels 0..16. The band buttons Wbtn..Gbtn jump to the level of a chart
// usage band; the zoom buttons step one level, zooming the view beyond the band's scale where
// the chart in use has no finer band; the Auto rule follows the bands at the own ship.

#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct ChartWindow;

inline constexpr std::array<uint32_t, 18> ChartLevelTable{
    1500,  3000,  5000,   7500,   10000,  15000,   22000,   30000,    50000,
    75000, 100000, 150000, 300000, 500000, 1000000, 3000000, 20000000, 100000000};
inline constexpr int32_t MaxChartLevel = 17;
inline constexpr int32_t MaxMiniChartLevel = 16;
// The 3D views and the 3D export cover levels 0 to 12 (1:300000 and finer).
inline constexpr int32_t ThreeDLevelLimit = 12;

// The level of each usage band 0..7 and of its button Wbtn, Abtn, ..., Gbtn.
inline constexpr int32_t UsageBandCount = 8;
inline constexpr std::array<int32_t, UsageBandCount> UsageBandLevels{16, 15, 14, 12, 10, 7, 4, 1};

// The ZoomPanel caption of a shown scale when a level is set: "1:%d" below 1:1M (and for a scale
// of no level, as the 3D view's), "1:1M", "1:3M", "1:20M", "1:100 M".
std::string ScaleCaption(int64_t shownScale);
// The caption while zooming: "1:1 M", "1:3 M", "1:20 M", "1:100 M" at levels 14..17, else "1:%d".
std::string ZoomCaption(int32_t level, int64_t shownScale);

// The first level from 0 whose scale is at least scale, at most 16.
int32_t LevelShowing(int64_t scale);

// Applies chartLevel to the main view: its scale and zoom, the scale read-out and band buttons,
// then a full redraw. A level outside 0..17 is only brought back into range.
void SetChartLevel(ChartWindow& window);
// Applies miniChartLevel to the mini view and redraws it; a level outside 0..16 is only brought
// back into range.
void SetMiniChartLevel(ChartWindow& window);
// ZoomPanel text and colour (orange while the engine scale is finer than the band's), and the
// band button of the engine scale pressed (the finest enabled one that covers it, else Wbtn).
void UpdateScaleButtons(ChartWindow& window, int64_t shownScale, int64_t engineScale);
// Enables the band buttons of the chart bands at position and notes the finest as zoneLevel;
// returns that band (0 when none).
int32_t UpdateChartLevelButtons(ChartWindow& window, const cmgbase::GeoPoint& position);
// Shows the ZoomPanel in the over-zoom colour (user colour 7) or the button face; call again
// after the user colours changed.
void ShowZoomPanelWarning(ChartWindow& window, bool warning);

// The zoom buttons: one level finer / coarser. Zoom in does nothing at level 0, zoom out nothing
// at level 17.
void ZoomChartIn(ChartWindow& window);
void ZoomChartOut(ChartWindow& window);
// A band button: the band's level, then the band in use.
void SelectUsageBand(ChartWindow& window, int32_t band);
// The band the Auto rule moves to: the finest band of the chart at the own ship's position, only
// towards more detail (band 0 always, the global level); none while the current level is already
// finer than the band is taken from. Enables the band buttons of that chart on the way.
std::optional<int32_t> AutoZoneBand(ChartWindow& window, const cmgbase::GeoPoint& ownShip);
