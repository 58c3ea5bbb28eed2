#pragma once
// The texts of the chart: a TX or TE instruction filled from the object's attributes, and the
// figures of a sounding in the depth unit shown.

#include "platform/chartengine/ChartObject.h"
#include "platform/chartengine/PortrayalSettings.h"
#include "platform/chartengine/S52Instruction.h"

#include <string>

namespace chartengine {

// The text of the instruction: its format with each conversion (%s, %d, %lf, with flags, width
// and precision) taking the next attribute's value; empty when an attribute is missing or the
// format asks for more values than it names. Seabed natures read as their chart abbreviations.
std::string FormatS52Text(const S52Instruction& text, const ChartObject& object);

// A sounding as it is written on the chart: whole units, and for shallow depths in metres (below
// 31 m) or fathoms (below 11) the tenth as a separate smaller figure. Drying heights are given
// without their sign (the figures are underlined).
struct SoundingFigures {
    std::string whole;
    std::string fraction;  // empty: none
    bool drying = false;
};
SoundingFigures SoundingText(double depthMetres, DepthUnit unit);

}  // namespace chartengine
