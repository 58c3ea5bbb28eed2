#pragma once
// The colours of a symbolization for one colour scheme, as the chart palettes are built from.

#include "platform/chartengine/Symbolization.h"

#include <filesystem>
#include <string>
#include <vector>

// Which colours are wanted: the scheme (0 day bright, 1 day blackback, 2 day whiteback, 3 dusk,
// 4 night), the presentation's name and the palette file named with the symbolization.
struct PaletteRequest {
    int32_t scheme = 0;
    std::string name;
    std::filesystem::path file;
};

// Appends the colours of the request to colours. kNotReady without a symbolization, kFail when
// no colour results. The colours are the symbolization's own for the scheme.
chartengine::HResult LoadPaletteFiles(const PaletteRequest& request, const chartengine::Symbolization* symbolization,
                                      std::vector<chartengine::ColourEntry>& colours);
