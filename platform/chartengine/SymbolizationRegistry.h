#pragma once
// The symbolizations the engine can make, by name: "S52" and "C-Map" portray the chart with the
// S-52 colour tables; "wthr" portrays weather values with a colour ramp from blue (low) through
// green and yellow to red (high), dimmed for dusk and night. The registry store lists which of
// them a chart topic offers ("SOFTWARE\C-Map\Topics\{topic}\Pres", one subkey per name).

#include "platform/chartengine/DrawCompanion.h"
#include "platform/chartengine/Symbolization.h"

#include <array>
#include <memory>
#include <string>

namespace chartengine {

inline constexpr char kS52SymbolizationName[] = "S52";
inline constexpr char kEngineSymbolizationName[] = "C-Map";
inline constexpr char kWeatherSymbolizationName[] = "wthr";

class SymbolizationRegistry {
public:
    // kNoInterface for a name the engine does not know, kInvalidArgument for a resolution below 1.
    HResult CreateSymbolization(const Guid& topic, const std::string& name, const std::array<int32_t, 2>& resolution,
                                std::unique_ptr<Symbolization>* symbolization) const;
    // The companion that finishes a view's draws (DrawCompanion.h).
    HResult CreateDrawCompanion(std::unique_ptr<DrawCompanion>* companion) const;
};

}  // namespace chartengine
