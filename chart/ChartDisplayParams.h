#pragma once
// The display-parameter block of a chart view: 48 words handed to the engine as presentation
// parameters with every draw. Words 0-1 and 2-3 hold doubles, words 4-11 floats, the rest 32-bit
// integers; word 47 is not handed over.

#include "platform/chartengine/ParameterList.h"

#include <array>
#include <cstdint>

struct SetupParametersRecord;

using ChartDisplayParams = std::array<uint32_t, 48>;

// Writes the default values into words 0..46; word 47 keeps its value.
void DefaultDisplayParams(ChartDisplayParams& block);

// Sets the block's words as presentation parameters, one by one (word 7 before word 6).
void PutDisplayParams(const ChartDisplayParams& block, chartengine::ParameterList& parameters);

// The word of the display category as the engine knows it (0 base, 1 standard, 2 other).
inline constexpr int DisplayCategoryWord = 18;

// The presentation the display-category buttons choose.
enum class PresentationChoice { Base, Standard, Other };

// The main view's block from the settings: the defaults, then the text size, the display
// category, the depth unit and the shallow, safety and deep contours in metres (the settings'
// depths divided by the depth factor; a factor that is no positive number counts as metres), and
// the chart-layer choices (soundings, isolated dangers, names, contour labels, shallow pattern,
// paper-chart symbols, symbolized boundaries, data quality).
ChartDisplayParams DisplayParamsFromSettings(const SetupParametersRecord& settings, PresentationChoice choice);
