#pragma once
// The display-parameter block of a chart view: 48 words handed to the engine as presentation
// parameters with every draw. Words 0-1 and 2-3 hold doubles, words 4-11 floats, the rest 32-bit
// integers; word 47 is not handed over.

#include "platform/chartengine/ParameterList.h"

#include <array>
#include <cstdint>

using ChartDisplayParams = std::array<uint32_t, 48>;

// Writes the default values into words 0..46; word 47 keeps its value.
void DefaultDisplayParams(ChartDisplayParams& block);

// Sets the block's words as presentation parameters, one by one (word 7 before word 6).
void PutDisplayParams(const ChartDisplayParams& block, chartengine::ParameterList& parameters);

// The word of the display category as the engine knows it (0 base, 1 standard, 2 other).
inline constexpr int DisplayCategoryWord = 18;
