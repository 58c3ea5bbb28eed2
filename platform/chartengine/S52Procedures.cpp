#include "platform/chartengine/S52Procedures.h"

#include "platform/chartengine/S52ColourTokens.h"
#include "platform/chartengine/S57Codes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace chartengine {

namespace {

constexpr uint8_t kHazardPriority = 8;

std::optional<double> Real(const ChartObject& object, int32_t attribute)
{
    AttributeValue value;
    return object.Attribute(attribute, &value) == kOk ? value.real() : std::nullopt;
}

int Integer(const ChartObject& object, int32_t attribute)
{
    AttributeValue value;
    return object.Attribute(attribute, &value) == kOk ? value.integer().value_or(0) : 0;
}

std::vector<int32_t> List(const ChartObject& object, int32_t attribute)
{
    AttributeValue value;
    return object.Attribute(attribute, &value) == kOk ? value.list() : std::vector<int32_t>{};
}

bool Contains(const std::vector<int32_t>& values, int32_t wanted)
{
    return std::find(values.begin(), values.end(), wanted) != values.end();
}

// A position of low accuracy (QUAPOS 2 to 9).
bool LowAccuracy(const ChartObject& object)
{
    const int quapos = Integer(object, s57attribute::QUAPOS);
    return quapos >= 2 && quapos <= 9;
}

S52Instruction AreaColour(int colour)
{
    S52Instruction i;
    i.kind = S52InstructionKind::AreaColour;
    i.colour = colour;
    return i;
}

S52Instruction Named(S52InstructionKind kind, std::string name)
{
    S52Instruction i;
    i.kind = kind;
    i.name = std::move(name);
    return i;
}

S52Instruction Line(S52LineStyle style, int width, int colour)
{
    S52Instruction i;
    i.kind = S52InstructionKind::SimpleLine;
    i.lineStyle = style;
    i.width = width;
    i.colour = colour;
    return i;
}

S52Instruction Symbol(std::string name, double rotation = 0.0)
{
    S52Instruction i = Named(S52InstructionKind::Symbol, std::move(name));
    i.rotation = rotation;
    return i;
}

S52Instruction Sounding(double depth, const PortrayalSettings& settings)
{
    S52Instruction i;
    i.kind = S52InstructionKind::Sounding;
    i.value = depth;
    i.colour = depth <= settings.safetyDepth ? kSNDG2 : kSNDG1;
    return i;
}

// The first point of the object's geometry (a point object's position).
std::optional<cmgbase::GeoPoint> FirstPoint(const ChartObject& object)
{
    const RingSet parts = object.Geometry();
    if (parts.size() == 0 || parts[0].empty())
        return std::nullopt;
    return parts[0][0];
}

void DepthArea(const ChartObject& object, const ProcedureContext& context, ObjectPortrayal& portrayal)
{
    const PortrayalSettings& s = context.settings;
    const double drval1 = Real(object, s57attribute::DRVAL1).value_or(-1.0);
    const double drval2 = Real(object, s57attribute::DRVAL2).value_or(drval1 + 0.01);
    int colour = kDEPVS;
    if (drval1 < 0 && drval2 <= 0)
        colour = kDEPIT;
    else {
        if (drval1 >= s.shallowContour && drval2 > s.shallowContour)
            colour = kDEPMS;
        if (drval1 >= s.safetyContour && drval2 > s.safetyContour)
            colour = kDEPMD;
        if (drval1 >= s.deepContour && drval2 > s.deepContour)
            colour = kDEPDW;
    }
    portrayal.instructions.push_back(AreaColour(colour));
    if (s.shallowPattern && drval1 < s.safetyContour)
        portrayal.instructions.push_back(Named(S52InstructionKind::AreaPattern, "DIAMOND1"));
    if (object.ClassCode() == s57class::DRGARE) {
        portrayal.instructions.push_back(Named(S52InstructionKind::AreaPattern, "DRGARE01"));
        portrayal.instructions.push_back(Line(S52LineStyle::Dashed, 1, kCHGRF));
    }
}

void DepthContour(const ChartObject& object, const ProcedureContext& context, ObjectPortrayal& portrayal)
{
    const double depth = ContourDepthOf(object).value_or(0.0);
    const S52LineStyle style = LowAccuracy(object) ? S52LineStyle::Dashed : S52LineStyle::Solid;
    const bool safety = context.safetyContour && std::abs(depth - *context.safetyContour) < 1e-6;
    if (safety) {
        portrayal.instructions.push_back(Line(style, 2, kDEPSC));
        portrayal.category = kDisplayBase;
    } else {
        portrayal.instructions.push_back(Line(style, 1, kDEPCN));
    }
    if (context.settings.contourLabels) {
        S52Instruction label;
        label.kind = S52InstructionKind::ContourLabel;
        label.value = depth;
        label.colour = safety ? kDEPSC : kDEPCN;
        portrayal.instructions.push_back(label);
    }
}

// The S-52 abbreviations of the light characters (LITCHR 1..29).
constexpr const char* kLightCharacters[] = {
    "",     "F",      "Fl",     "LFl",     "Q",      "VQ",  "UQ",     "Iso",     "Oc",   "IQ",
    "IVQ",  "IUQ",    "Mo",     "FFl",     "Fl+LFl", "OcFl", "FLFl",  "Al.Oc",   "Al.LFl", "Al.Fl",
    "Al.Gr", "",      "",       "",        "",       "Q+LFl", "VQ+LFl", "UQ+LFl", "Al",   "Al.FFl"};

std::string LightDescription(const ChartObject& object)
{
    std::string text;
    const int character = Integer(object, s57attribute::LITCHR);
    if (character > 0 && character < int(std::size(kLightCharacters)))
        text = kLightCharacters[character];
    AttributeValue group;
    if (object.Attribute(s57attribute::SIGGRP, &group) == kOk && group.text != "()" && group.text != "(1)")
        text += group.text;
    std::string colours;
    for (const int32_t colour : List(object, s57attribute::COLOUR)) {
        switch (colour) {
        case 1: colours += "W"; break;
        case 3: colours += "R"; break;
        case 4: colours += "G"; break;
        case 5: colours += "Bu"; break;
        case 6: colours += "Y"; break;
        case 11: colours += "Or"; break;
        default: break;
        }
    }
    if (!colours.empty())
        text += (text.empty() ? "" : " ") + colours;
    if (const std::optional<double> period = Real(object, s57attribute::SIGPER)) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, " %gs", *period);
        text += buffer;
    }
    return text;
}

int LightColour(const std::vector<int32_t>& colours)
{
    if (colours.empty())
        return kCHMGD;
    switch (colours.front()) {
    case 3:
        return kLITRD;
    case 4:
        return kLITGN;
    case 1:
    case 6:
    case 9:
    case 11:
        return kLITYW;
    default:
        return kCHMGD;
    }
}

void Light(const ChartObject& object, const ProcedureContext& context, ObjectPortrayal& portrayal)
{
    const std::vector<int32_t> colours = List(object, s57attribute::COLOUR);
    const int colour = LightColour(colours);
    const std::optional<double> sector1 = Real(object, s57attribute::SECTR1);
    const std::optional<double> sector2 = Real(object, s57attribute::SECTR2);
    const bool allRound = !sector1 || !sector2 || std::abs(std::fmod(*sector2 - *sector1 + 720.0, 360.0)) < 1e-6;
    if (allRound) {
        const char* flare = colour == kLITRD ? "LIGHTS11" : colour == kLITGN ? "LIGHTS12"
                            : colour == kLITYW ? "LIGHTS13" : "LITDEF11";
        portrayal.instructions.push_back(Symbol(flare, 135.0));
    } else {
        S52Instruction sector;
        sector.kind = S52InstructionKind::LightSector;
        sector.value = *sector1;
        sector.value2 = *sector2;
        sector.colour = colour;
        portrayal.instructions.push_back(sector);
    }
    if (context.settings.otherTexts) {
        S52Instruction description;
        description.kind = S52InstructionKind::Text;
        description.format = LightDescription(object);
        description.colour = kCHBLK;
        description.text.hjust = 3;
        description.text.vjust = 2;
        description.text.xOffset = 2;
        description.text.group = 23;
        if (!description.format.empty() && description.format.find('%') == std::string::npos)
            portrayal.instructions.push_back(description);
    }
}

// Whether a danger of this depth at this place is an isolated danger: not deeper than the safety
// contour, in water that is otherwise deeper than it.
bool IsolatedDanger(const ChartObject& object, std::optional<double> depth, const ProcedureContext& context)
{
    const PortrayalSettings& s = context.settings;
    if (!s.isolatedDangers || !depth || *depth > s.safetyContour)
        return false;
    const std::optional<cmgbase::GeoPoint> position = FirstPoint(object);
    const std::optional<double> surrounding = position && context.depthAt ? context.depthAt(*position) : std::nullopt;
    return !surrounding || *surrounding >= s.safetyContour;
}

// The least depth of an obstruction, rock or wreck: its sounding, else what its water level says
// (dries, or awash); nothing when unknown.
std::optional<double> LeastDepth(const ChartObject& object)
{
    if (const std::optional<double> sounding = Real(object, s57attribute::VALSOU))
        return sounding;
    switch (Integer(object, s57attribute::WATLEV)) {
    case 1:
    case 2:
        return -1.0;
    case 4:
    case 5:
        return 0.0;
    default:
        return std::nullopt;
    }
}

void Danger(const ChartObject& object, ObjectPortrayal& portrayal)
{
    portrayal.category = kDisplayBase;
    portrayal.priority = kHazardPriority;
    if (object.Kind() == kGeometryArea) {
        portrayal.instructions.push_back(AreaColour(kDEPVS));
        portrayal.instructions.push_back(Named(S52InstructionKind::AreaPattern, "FOULAR01"));
    }
    if (object.Kind() != kGeometryPoint)
        portrayal.instructions.push_back(Line(S52LineStyle::Dotted, 2, kCHBLK));
    portrayal.instructions.push_back(Symbol("ISODGR01"));
}

// The area of an obstruction or wreck that is no isolated danger, by its water level.
void HazardArea(const ChartObject& object, bool showsHull, ObjectPortrayal& portrayal)
{
    const int watlev = Integer(object, s57attribute::WATLEV);
    if (showsHull || watlev == 1 || watlev == 2) {
        portrayal.instructions.push_back(AreaColour(kCHBRN));
        portrayal.instructions.push_back(Line(S52LineStyle::Solid, 2, kCSTLN));
    } else if (watlev == 4 || watlev == 5) {
        portrayal.instructions.push_back(AreaColour(kDEPIT));
        portrayal.instructions.push_back(Line(S52LineStyle::Dashed, 2, kCSTLN));
    } else {
        portrayal.instructions.push_back(AreaColour(kDEPVS));
        portrayal.instructions.push_back(Line(S52LineStyle::Dotted, 2, kCHGRD));
    }
}

void Obstruction(const ChartObject& object, const ProcedureContext& context, ObjectPortrayal& portrayal)
{
    const std::optional<double> depth = LeastDepth(object);
    const std::optional<double> sounding = Real(object, s57attribute::VALSOU);
    if (IsolatedDanger(object, depth, context)) {
        Danger(object, portrayal);
        return;
    }
    const int watlev = Integer(object, s57attribute::WATLEV);
    switch (object.Kind()) {
    case kGeometryArea:
        HazardArea(object, false, portrayal);
        break;
    case kGeometryLine:
        portrayal.instructions.push_back(Line(sounding ? S52LineStyle::Dashed : S52LineStyle::Dotted, 2, kCHBLK));
        break;
    default:
        if (sounding)
            portrayal.instructions.push_back(Symbol("DANGER01"));
        else if (object.ClassCode() == s57class::UWTROC)
            portrayal.instructions.push_back(Symbol(watlev == 4 || watlev == 5 ? "UWTROC04" : "UWTROC03"));
        else
            portrayal.instructions.push_back(Symbol(watlev == 1 || watlev == 2 ? "OBSTRN11"
                                                    : watlev == 4 || watlev == 5 ? "OBSTRN03" : "OBSTRN01"));
        break;
    }
    if (sounding)
        portrayal.instructions.push_back(Sounding(*sounding, context.settings));
}

void Wreck(const ChartObject& object, const ProcedureContext& context, ObjectPortrayal& portrayal)
{
    const int category = Integer(object, s57attribute::CATWRK);
    const int watlev = Integer(object, s57attribute::WATLEV);
    const bool showsHull = category == 4 || category == 5 || watlev == 1 || watlev == 2 || watlev == 5;
    const std::optional<double> sounding = Real(object, s57attribute::VALSOU);
    const std::optional<double> depth = showsHull ? std::optional<double>(-1.0) : sounding;
    if (IsolatedDanger(object, depth, context)) {
        Danger(object, portrayal);
        return;
    }
    if (object.Kind() == kGeometryArea) {
        HazardArea(object, showsHull, portrayal);
    } else if (showsHull) {
        portrayal.instructions.push_back(Symbol("WRECKS01"));
    } else if (sounding) {
        portrayal.instructions.push_back(Symbol("DANGER01"));
    } else {
        portrayal.instructions.push_back(Symbol(category == 1 ? "WRECKS05" : "WRECKS04"));
    }
    if (sounding && !showsHull)
        portrayal.instructions.push_back(Sounding(*sounding, context.settings));
}

// The symbol of the restrictions of an area; empty without any.
std::string RestrictionSymbol(const ChartObject& object)
{
    const std::vector<int32_t> restrictions = List(object, s57attribute::RESTRN);
    if (restrictions.empty())
        return {};
    const auto any = [&](std::initializer_list<int32_t> values) {
        return std::any_of(values.begin(), values.end(), [&](int32_t v) { return Contains(restrictions, v); });
    };
    if (any({7, 8, 14}))
        return "ENTRES51";
    if (any({1, 2}))
        return "ACHRES51";
    if (any({3, 4, 5, 6}))
        return "FSHRES51";
    return "INFRES51";
}

void RestrictedArea(const ChartObject& object, const ProcedureContext& context, ObjectPortrayal& portrayal)
{
    const std::string symbol = RestrictionSymbol(object);
    portrayal.instructions.push_back(Symbol(symbol.empty() ? "RSRDEF51" : symbol));
    if (context.settings.plainBoundaries)
        portrayal.instructions.push_back(Line(S52LineStyle::Dashed, 2, kCHMGD));
    else
        portrayal.instructions.push_back(Named(S52InstructionKind::ComplexLine, "RESARE51"));
}

void Coastline(const ChartObject& object, ObjectPortrayal& portrayal)
{
    if (object.Kind() == kGeometryPoint) {
        if (LowAccuracy(object))
            portrayal.instructions.push_back(Symbol("LOWACC01"));
        return;
    }
    if (LowAccuracy(object)) {
        portrayal.instructions.push_back(Named(S52InstructionKind::ComplexLine, "LOWACC21"));
        return;
    }
    if (Integer(object, s57attribute::CONRAD) == 1)
        portrayal.instructions.push_back(Line(S52LineStyle::Solid, 3, kCHMGF));
    portrayal.instructions.push_back(Line(S52LineStyle::Solid, 2, kCSTLN));
}

void ShorelineConstruction(const ChartObject& object, ObjectPortrayal& portrayal)
{
    if (object.Kind() == kGeometryPoint) {
        if (LowAccuracy(object))
            portrayal.instructions.push_back(Symbol("LOWACC01"));
        return;
    }
    const int condition = Integer(object, s57attribute::CONDTN);
    const int category = Integer(object, s57attribute::CATSLC);
    const int watlev = Integer(object, s57attribute::WATLEV);
    if (LowAccuracy(object))
        portrayal.instructions.push_back(Named(S52InstructionKind::ComplexLine, "LOWACC21"));
    else if (condition == 1 || condition == 2)
        portrayal.instructions.push_back(Line(S52LineStyle::Dashed, 1, kCSTLN));
    else if (category == 6 || category == 15 || category == 16)
        portrayal.instructions.push_back(Line(S52LineStyle::Solid, 4, kCSTLN));
    else if (watlev == 3 || watlev == 4)
        portrayal.instructions.push_back(Line(S52LineStyle::Dashed, 2, kCSTLN));
    else
        portrayal.instructions.push_back(Line(S52LineStyle::Solid, 2, kCSTLN));
}

}  // namespace

std::optional<double> ContourDepthOf(const ChartObject& object)
{
    if (object.ClassCode() == s57class::DEPCNT)
        return Real(object, s57attribute::VALDCO);
    if (object.ClassCode() == s57class::DEPARE)
        return Real(object, s57attribute::DRVAL1);
    return std::nullopt;
}

void RunS52Procedure(std::string_view procedure, const ChartObject& object, const ProcedureContext& context,
                     ObjectPortrayal& portrayal)
{
    if (procedure.starts_with("DEPARE")) {
        if (object.Kind() == kGeometryLine)
            DepthContour(object, context, portrayal);
        else
            DepthArea(object, context, portrayal);
    } else if (procedure.starts_with("DEPCNT")) {
        DepthContour(object, context, portrayal);
    } else if (procedure.starts_with("SOUNDG")) {
        if (const std::optional<double> depth = object.SoundingDepth(); depth && context.settings.soundings)
            portrayal.instructions.push_back(Sounding(*depth, context.settings));
    } else if (procedure.starts_with("LIGHTS")) {
        Light(object, context, portrayal);
    } else if (procedure.starts_with("OBSTRN")) {
        Obstruction(object, context, portrayal);
    } else if (procedure.starts_with("WRECKS")) {
        Wreck(object, context, portrayal);
    } else if (procedure.starts_with("RESARE")) {
        RestrictedArea(object, context, portrayal);
    } else if (procedure.starts_with("RESTRN")) {
        if (const std::string symbol = RestrictionSymbol(object); !symbol.empty())
            portrayal.instructions.push_back(Symbol(symbol));
    } else if (procedure.starts_with("QUAPOS")) {
        Coastline(object, portrayal);
    } else if (procedure.starts_with("SLCONS")) {
        ShorelineConstruction(object, portrayal);
    } else if (procedure.starts_with("TOPMAR")) {
        portrayal.instructions.push_back(Symbol("TOPMAR01"));
    }
}

}  // namespace chartengine
