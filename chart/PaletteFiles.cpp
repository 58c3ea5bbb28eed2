#include "chart/PaletteFiles.h"

chartengine::HResult LoadPaletteFiles(const PaletteRequest& request, const chartengine::Symbolization* symbolization,
                                      std::vector<chartengine::ColourEntry>& colours)
{
    if (!symbolization)
        return chartengine::kNotReady;
    std::vector<chartengine::ColourEntry> engineColours(symbolization->ColourCount());
    const chartengine::HResult read =
        symbolization->SchemeColours(request.scheme, static_cast<int32_t>(engineColours.size()), engineColours.data());
    if (chartengine::Failed(read))
        return read;
    colours.insert(colours.end(), engineColours.begin(), engineColours.end());
    return colours.empty() ? chartengine::kFail : chartengine::kOk;
}
