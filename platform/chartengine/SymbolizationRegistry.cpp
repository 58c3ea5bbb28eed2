#include "platform/chartengine/SymbolizationRegistry.h"

#include <QColor>

namespace chartengine {

namespace {

// The brightness of each scheme's weather colours: full by day, less at dusk and night.
constexpr double kWeatherBrightness[kColourSchemeCount] = {1.0, 1.0, 1.0, 0.6, 0.35};

SchemeColourTables WeatherColours()
{
    SchemeColourTables tables{};
    for (int scheme = 0; scheme < kColourSchemeCount; ++scheme)
        for (int i = 0; i < kS52ColourCount; ++i) {
            const double hue = 240.0 * (kS52ColourCount - 1 - i) / (kS52ColourCount - 1);
            const QColor colour = QColor::fromHsvF(float(hue / 360.0), 1.0f, float(kWeatherBrightness[scheme]));
            tables[scheme][i] = {uint8_t(colour.red()), uint8_t(colour.green()), uint8_t(colour.blue())};
        }
    return tables;
}

}  // namespace

HResult SymbolizationRegistry::CreateSymbolization(const Guid& topic, const std::string& name,
                                                   const std::array<int32_t, 2>& resolution,
                                                   std::unique_ptr<Symbolization>* symbolization) const
{
    if (!symbolization)
        return kNullPointer;
    if (resolution[0] < 1 || resolution[1] < 1)
        return kInvalidArgument;
    if (name == kS52SymbolizationName || name == kEngineSymbolizationName) {
        *symbolization = std::make_unique<Symbolization>(topic, name, resolution[0], resolution[1], kS52ColourTables);
        return kOk;
    }
    if (name == kWeatherSymbolizationName) {
        static const SchemeColourTables weather = WeatherColours();
        *symbolization = std::make_unique<Symbolization>(topic, name, resolution[0], resolution[1], weather);
        return kOk;
    }
    return kNoInterface;
}

HResult SymbolizationRegistry::CreateDrawCompanion(std::unique_ptr<DrawCompanion>* companion) const
{
    if (!companion)
        return kNullPointer;
    *companion = std::make_unique<DrawCompanion>();
    return kOk;
}

}  // namespace chartengine
