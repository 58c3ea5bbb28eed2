#pragma once
// The conditional procedures of the look-up tables that matter for safety, and those that only
// choose a line or symbol: depth areas (DEPARE01/02) shaded against the shallow, safety and deep
// contours; depth contours (DEPCNT02) with the safety contour emphasised; soundings (SOUNDG02)
// black when not deeper than the safety depth, else grey; lights (LIGHTS05) as a flare in the
// light's colour or, for sector lights, the sector; obstructions and rocks (OBSTRN04) and wrecks
// (WRECKS02) as isolated dangers when shallower than the safety contour in otherwise safe water;
// restricted areas (RESTRN01, RESARE02); coastlines (QUAPOS01); shoreline constructions
// (SLCONS03); topmarks (TOPMAR01). The others draw nothing.

#include "platform/chartengine/ChartObject.h"
#include "platform/chartengine/PortrayalSettings.h"
#include "platform/chartengine/S52Instruction.h"

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace chartengine {

struct ProcedureContext {
    const PortrayalSettings& settings;
    // The depth contour drawn as the safety contour: the shallowest contour of the chart shown
    // that is not shallower than the mariner's safety contour; nothing when the chart has none.
    std::optional<double> safetyContour;
    // The least depth (DRVAL1) of the depth areas under a position; nothing outside them.
    std::function<std::optional<double>(const cmgbase::GeoPoint&)> depthAt;
};

struct ObjectPortrayal {
    DisplayCategory category = kDisplayStandard;
    uint8_t priority = 0;
    std::vector<S52Instruction> instructions;
};

// Appends the instructions of the procedure for the object; a procedure may move the object
// into another display category and priority (an isolated danger into the display base).
void RunS52Procedure(std::string_view procedure, const ChartObject& object, const ProcedureContext& context,
                     ObjectPortrayal& portrayal);

// The candidate depth of a safety contour the object offers: the value of a depth contour, or the
// shallow end of a depth area; nothing for other objects.
std::optional<double> ContourDepthOf(const ChartObject& object);

}  // namespace chartengine
