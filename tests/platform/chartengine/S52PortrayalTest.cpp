// The S-52 portrayal of the engine: instructions, look-up rows, conditional procedures, texts and
// the mapping of positions to pixels, on objects made up for each case.

#include "platform/chartengine/ChartTestSupport.h"

#include "platform/chartengine/ChartDictionary.h"
#include "platform/chartengine/GeoProjection.h"
#include "platform/chartengine/MapViewport.h"
#include "platform/chartengine/S52ColourTokens.h"
#include "platform/chartengine/S52Lookup.h"
#include "platform/chartengine/S52Procedures.h"
#include "platform/chartengine/S52Text.h"
#include "platform/chartengine/S57Codes.h"
#include "platform/chartengine/ViewMapping.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace chartengine;
using cmgbase::GeoPoint;
using Attributes = std::vector<std::pair<std::string, std::string>>;

namespace {

GeoPoint Degrees(double longitude, double latitude) { return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)}; }

std::vector<GeoPoint> Square(double longitude, double latitude, double side)
{
    return {Degrees(longitude, latitude), Degrees(longitude + side, latitude), Degrees(longitude + side, latitude + side),
            Degrees(longitude, latitude + side), Degrees(longitude, latitude)};
}

const ChartDictionary& Dictionary() { return *ChartDictionary::Shared(); }

// One made object as a chart object (its cell lives as long as the handle).
ChartObject Made(int32_t classCode, uint8_t kind, std::vector<GeoPoint> points, const Attributes& attributes = {})
{
    return ChartObject(charttest::MadeCell({charttest::MadeObject(classCode, kind, std::move(points), attributes)}), 0);
}

ChartObject Point(int32_t classCode, const Attributes& attributes = {})
{
    return Made(classCode, kGeometryPoint, {Degrees(-76.4, 38.9)}, attributes);
}

// The settings of a Chesapeake Bay passage: shallow 2 m, safety depth 5 m, safety contour 10 m,
// deep 20 m.
PortrayalSettings BaySettings()
{
    PortrayalSettings settings;
    settings.shallowContour = 2.0;
    settings.safetyDepth = 5.0;
    settings.safetyContour = 10.0;
    settings.deepContour = 20.0;
    return settings;
}

ObjectPortrayal Portray(std::string_view procedure, const ChartObject& object, const PortrayalSettings& settings,
                    std::optional<double> safetyContour = 10.9, std::optional<double> depthAround = std::nullopt)
{
    const ProcedureContext context{settings, safetyContour, [&](const GeoPoint&) { return depthAround; }};
    ObjectPortrayal portrayal;
    portrayal.category = kDisplayOther;
    RunS52Procedure(procedure, object, context, portrayal);
    return portrayal;
}

std::string SymbolOf(const ObjectPortrayal& portrayal)
{
    for (const S52Instruction& i : portrayal.instructions)
        if (i.kind == S52InstructionKind::Symbol)
            return i.name;
    return {};
}

const char* RowInstruction(const ChartObject& object, S52LookupTable table)
{
    const int row = FindS52LookupRow(object, table);
    return row < 0 ? "" : kS52LookupRows[row].instruction;
}

TEST(S52Instructions, ParseIntoKindsAndFields)
{
    const std::vector<S52Instruction> area = ParseS52Instructions("AC(CHGRF,3);AP(DIAMOND1);LS(DASH,2,CHMGD)", Dictionary());
    ASSERT_EQ(area.size(), 3u);
    EXPECT_EQ(area[0].kind, S52InstructionKind::AreaColour);
    EXPECT_EQ(area[0].colour, kCHGRF);
    EXPECT_EQ(area[0].transparency, 3);
    EXPECT_EQ(area[1].kind, S52InstructionKind::AreaPattern);
    EXPECT_EQ(area[1].name, "DIAMOND1");
    EXPECT_EQ(area[2].lineStyle, S52LineStyle::Dashed);
    EXPECT_EQ(area[2].width, 2);
    EXPECT_EQ(area[2].colour, kCHMGD);

    const std::vector<S52Instruction> turned = ParseS52Instructions("SY(FAIRWY51,ORIENT);SY(LIGHTS11,135)", Dictionary());
    ASSERT_EQ(turned.size(), 2u);
    int32_t orient = 0;
    ASSERT_EQ(Dictionary().AttributeCode("ORIENT", &orient), kOk);
    EXPECT_EQ(turned[0].rotationAttribute, orient);
    EXPECT_EQ(turned[1].rotationAttribute, 0);
    EXPECT_EQ(turned[1].rotation, 135.0);

    const std::vector<S52Instruction> texts = ParseS52Instructions(
        "TE('clr %4.1lf','VERCLR',3,1,2,'15110',1,0,CHBLK,11);TX(OBJNAM,1,2,3,'15118',-1,-1,CHBLK,26);"
        "TE('%s %s','OBJNAM,NOBJNM',2,1,2,'16110',0,0,CHMGD,21)",
        Dictionary());
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].format, "clr %4.1lf");
    EXPECT_EQ(texts[0].textAttributes, std::vector<int32_t>{s57attribute::VERCLR});
    EXPECT_EQ(texts[0].text.hjust, 3);
    EXPECT_EQ(texts[0].text.vjust, 1);
    EXPECT_EQ(texts[0].text.xOffset, 1);
    EXPECT_EQ(texts[0].text.group, 11);
    EXPECT_EQ(texts[0].colour, kCHBLK);
    EXPECT_EQ(texts[1].format, "%s");
    EXPECT_EQ(texts[1].text.bodySize, 18);
    EXPECT_EQ(texts[1].text.yOffset, -1);
    EXPECT_EQ(texts[2].textAttributes.size(), 2u);
    EXPECT_TRUE(texts[2].text.bold);
    EXPECT_EQ(texts[2].colour, kCHMGD);
}

TEST(S52Instructions, ProcedureMayCarryFurtherInstructionsAndUnknownPartsAreLeftOut)
{
    const std::vector<S52Instruction> nested =
        ParseS52Instructions("SY(LNDARE01);CS(QUAPOS01;TX(OBJNAM,1,2,3,'15118',-1,-1,CHBLK,26))", Dictionary());
    ASSERT_EQ(nested.size(), 3u);
    EXPECT_EQ(nested[1].kind, S52InstructionKind::Conditional);
    EXPECT_EQ(nested[1].name, "QUAPOS01");
    EXPECT_EQ(nested[2].kind, S52InstructionKind::Text);

    const std::vector<S52Instruction> rest =
        ParseS52Instructions("AC(NOSUCH);XX(1);LS(SOLD,1);TX(NOSUCH,1,2,3,'15110',0,0,CHBLK,26);LS(SOLD,1,CSTLN)",
                             Dictionary());
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0].colour, kCSTLN);
}

TEST(S52Instructions, EveryLookupRowGivesInstructions)
{
    for (const S52LookupRow& row : kS52LookupRows) {
        if (*row.instruction) {
            EXPECT_FALSE(ParseS52Instructions(row.instruction, Dictionary()).empty()) << row.instruction;
        }
    }
}

TEST(S52Lookup, RowWithTheMostConditionsThatHoldWins)
{
    struct Case {
        Attributes attributes;
        const char* symbol;
    };
    const Case cases[] = {
        {{{"BOYSHP", "1"}, {"COLOUR", "3,4,3"}}, "SY(BOYLAT14)"},
        {{{"BOYSHP", "2"}, {"COLOUR", "4"}}, "SY(BOYLAT23)"},
        {{{"CATLAM", "2"}, {"COLOUR", "4"}}, "SY(BOYLAT13)"},
        {{{"COLOUR", "4"}}, "SY(BOYDEF03)"},
        {{}, "SY(BOYDEF03)"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(std::string_view(RowInstruction(Point(17, c.attributes), kTableSimplified)).starts_with(c.symbol))
            << c.symbol;
}

TEST(S52Lookup, AbsentAttributesClassesWithoutRowsAndNumbers)
{
    const std::vector<GeoPoint> ring = Square(-76.4, 38.9, 0.01);
    EXPECT_STREQ(RowInstruction(Made(s57class::DEPARE, kGeometryArea, ring), kTablePlain),
                 "AC(NODTA);AP(PRTSUR01);LS(SOLD,2,CHGRD)");
    EXPECT_STREQ(RowInstruction(Made(s57class::DEPARE, kGeometryArea, ring, {{"DRVAL1", "5.4"}}), kTablePlain),
                 "CS(DEPARE01)");
    EXPECT_STREQ(RowInstruction(Made(999, kGeometryArea, ring), kTablePlain), "AP(QUESMRK1);LS(DASH,1,CHMGD)");
    // "BURDEP0" holds for a burial depth written as 0.0; "?" asks for an absent attribute, an
    // empty value for a present one.
    int32_t burdep = 0, tunnel = 0;
    ASSERT_EQ(Dictionary().AttributeCode("BURDEP", &burdep), kOk);
    ASSERT_EQ(Dictionary().ObjectClassCode("TUNNEL", &tunnel), kOk);
    EXPECT_TRUE(S52ConditionHolds(Point(tunnel, {{"BURDEP", "0.0"}}), {burdep, "0"}));
    EXPECT_FALSE(S52ConditionHolds(Point(tunnel, {{"BURDEP", "0.5"}}), {burdep, "0"}));
    EXPECT_TRUE(S52ConditionHolds(Point(tunnel), {burdep, "?"}));
    EXPECT_FALSE(S52ConditionHolds(Point(tunnel), {burdep, ""}));
    EXPECT_TRUE(S52ConditionHolds(Point(tunnel, {{"BURDEP", "2"}}), {burdep, ""}));
}

TEST(S52Procedures, DepthAreasAreShadedAgainstTheContours)
{
    struct Case {
        const char* drval1;
        const char* drval2;
        int colour;
    };
    const Case cases[] = {
        {"-1.2", "0", kDEPIT}, {"0", "1.8", kDEPVS}, {"1.8", "3.6", kDEPVS}, {"2", "5", kDEPMS},
        {"9.1", "10.9", kDEPMS}, {"10", "15", kDEPMD}, {"10.9", "18.2", kDEPMD}, {"20", "30", kDEPDW},
    };
    for (const Case& c : cases) {
        const ChartObject area = Made(s57class::DEPARE, kGeometryArea, Square(-76.4, 38.9, 0.01),
                                      {{"DRVAL1", c.drval1}, {"DRVAL2", c.drval2}});
        const ObjectPortrayal portrayal = Portray("DEPARE01", area, BaySettings());
        ASSERT_FALSE(portrayal.instructions.empty());
        EXPECT_EQ(portrayal.instructions[0].colour, c.colour) << c.drval1 << " - " << c.drval2;
    }
    PortrayalSettings patterned = BaySettings();
    patterned.shallowPattern = true;
    const ChartObject shallow = Made(s57class::DEPARE, kGeometryArea, Square(-76.4, 38.9, 0.01), {{"DRVAL1", "3.6"}});
    const ObjectPortrayal portrayal = Portray("DEPARE02", shallow, patterned);
    ASSERT_EQ(portrayal.instructions.size(), 2u);
    EXPECT_EQ(portrayal.instructions[1].name, "DIAMOND1");
}

TEST(S52Procedures, SafetyContourIsEmphasisedAndJoinsTheDisplayBase)
{
    const std::vector<GeoPoint> line{Degrees(-76.4, 38.9), Degrees(-76.39, 38.91)};
    const ObjectPortrayal safety = Portray("DEPCNT02", Made(s57class::DEPCNT, kGeometryLine, line, {{"VALDCO", "10.9"}}),
                                       BaySettings());
    ASSERT_EQ(safety.instructions.size(), 1u);
    EXPECT_EQ(safety.instructions[0].colour, kDEPSC);
    EXPECT_EQ(safety.instructions[0].width, 2);
    EXPECT_EQ(safety.category, kDisplayBase);

    const ObjectPortrayal other = Portray("DEPCNT02", Made(s57class::DEPCNT, kGeometryLine, line,
                                                       {{"VALDCO", "5.4"}, {"QUAPOS", "4"}}),
                                      BaySettings());
    ASSERT_EQ(other.instructions.size(), 1u);
    EXPECT_EQ(other.instructions[0].colour, kDEPCN);
    EXPECT_EQ(other.instructions[0].lineStyle, S52LineStyle::Dashed);
    EXPECT_EQ(other.category, kDisplayOther);

    // A depth area's edge drawn as a line takes its shallow depth.
    EXPECT_EQ(Portray("DEPCNT02", Made(s57class::DEPARE, kGeometryLine, line, {{"DRVAL1", "10.9"}}), BaySettings())
                  .instructions[0]
                  .colour,
              kDEPSC);
    EXPECT_EQ(ContourDepthOf(Made(s57class::DEPCNT, kGeometryLine, line, {{"VALDCO", "3.6"}})), 3.6);
    EXPECT_EQ(ContourDepthOf(Point(s57class::LIGHTS)), std::nullopt);
}

TEST(S52Procedures, SoundingsShallowerThanTheSafetyDepthAreBlack)
{
    SourceObject shallow = charttest::MadeObject(s57class::SOUNDG, kGeometryPoint, {Degrees(-76.4, 38.9)});
    shallow.soundingDepth = 4.9f;
    SourceObject deep = charttest::MadeObject(s57class::SOUNDG, kGeometryPoint, {Degrees(-76.4, 38.9)});
    deep.soundingDepth = 5.1f;
    const auto cell = charttest::MadeCell({shallow, deep});
    EXPECT_EQ(Portray("SOUNDG02", ChartObject(cell, 0), BaySettings()).instructions.at(0).colour, kSNDG2);
    EXPECT_EQ(Portray("SOUNDG02", ChartObject(cell, 1), BaySettings()).instructions.at(0).colour, kSNDG1);
    PortrayalSettings hidden = BaySettings();
    hidden.soundings = false;
    EXPECT_TRUE(Portray("SOUNDG02", ChartObject(cell, 0), hidden).instructions.empty());
}

TEST(S52Procedures, IsolatedDangersInSafeWater)
{
    const PortrayalSettings settings = BaySettings();
    const ChartObject rock = Point(s57class::OBSTRN, {{"VALSOU", "3"}});
    const ObjectPortrayal danger = Portray("OBSTRN04", rock, settings, 10.9, 12.0);
    EXPECT_EQ(SymbolOf(danger), "ISODGR01");
    EXPECT_EQ(danger.category, kDisplayBase);

    // In shallow water the obstruction is shown with its depth, not as an isolated danger.
    const ObjectPortrayal inShallows = Portray("OBSTRN04", rock, settings, 10.9, 1.8);
    EXPECT_EQ(SymbolOf(inShallows), "DANGER01");
    EXPECT_EQ(inShallows.category, kDisplayOther);
    EXPECT_EQ(inShallows.instructions.back().kind, S52InstructionKind::Sounding);

    PortrayalSettings off = settings;
    off.isolatedDangers = false;
    EXPECT_EQ(SymbolOf(Portray("OBSTRN04", rock, off, 10.9, 12.0)), "DANGER01");

    // A rock awash without a sounding counts as 0 m; one always under water of unknown depth is
    // no isolated danger.
    EXPECT_EQ(SymbolOf(Portray("OBSTRN04", Point(s57class::UWTROC, {{"WATLEV", "4"}}), settings, 10.9, 12.0)), "ISODGR01");
    EXPECT_EQ(SymbolOf(Portray("OBSTRN04", Point(s57class::UWTROC, {{"WATLEV", "3"}}), settings, 10.9, 12.0)), "UWTROC03");
    EXPECT_EQ(SymbolOf(Portray("WRECKS02", Point(s57class::WRECKS, {{"CATWRK", "1"}}), settings, 10.9, 12.0)), "WRECKS05");
    EXPECT_EQ(SymbolOf(Portray("WRECKS02", Point(s57class::WRECKS, {{"CATWRK", "2"}}), settings, 10.9, 12.0)), "WRECKS04");
    EXPECT_EQ(SymbolOf(Portray("WRECKS02", Point(s57class::WRECKS, {{"CATWRK", "2"}, {"VALSOU", "7.3"}}), settings, 10.9,
                           12.0)),
              "ISODGR01");
    EXPECT_EQ(SymbolOf(Portray("WRECKS02", Point(s57class::WRECKS, {{"CATWRK", "4"}}), settings, 10.9, 1.0)), "WRECKS01");
}

TEST(S52Procedures, LightsFlareInTheirColourOrShowTheirSector)
{
    const PortrayalSettings settings = BaySettings();
    const ObjectPortrayal red = Portray("LIGHTS05", Point(s57class::LIGHTS, {{"COLOUR", "3"}}), settings);
    ASSERT_FALSE(red.instructions.empty());
    EXPECT_EQ(red.instructions[0].name, "LIGHTS11");
    EXPECT_EQ(red.instructions[0].rotation, 135.0);
    EXPECT_EQ(SymbolOf(Portray("LIGHTS05", Point(s57class::LIGHTS, {{"COLOUR", "4"}}), settings)), "LIGHTS12");
    EXPECT_EQ(SymbolOf(Portray("LIGHTS05", Point(s57class::LIGHTS, {{"COLOUR", "1"}}), settings)), "LIGHTS13");
    EXPECT_EQ(SymbolOf(Portray("LIGHTS05", Point(s57class::LIGHTS), settings)), "LITDEF11");

    const ObjectPortrayal sector =
        Portray("LIGHTS05",
            Point(s57class::LIGHTS, {{"COLOUR", "4"}, {"SECTR1", "90"}, {"SECTR2", "180"}, {"LITCHR", "2"},
                                     {"SIGGRP", "(2)"}, {"SIGPER", "6"}}),
            settings);
    ASSERT_EQ(sector.instructions.size(), 2u);
    EXPECT_EQ(sector.instructions[0].kind, S52InstructionKind::LightSector);
    EXPECT_EQ(sector.instructions[0].value, 90.0);
    EXPECT_EQ(sector.instructions[0].value2, 180.0);
    EXPECT_EQ(sector.instructions[0].colour, kLITGN);
    EXPECT_EQ(sector.instructions[1].format, "Fl(2) G 6s");
    EXPECT_EQ(sector.instructions[1].text.group, 23);
}

TEST(S52Text, FormatsTakeTheAttributesInOrder)
{
    struct Case {
        const char* instruction;
        Attributes attributes;
        const char* text;
    };
    const Case cases[] = {
        {"TE('clr %4.1lf','VERCLR',3,1,2,'15110',1,0,CHBLK,11)", {{"VERCLR", "12.5"}}, "clr 12.5"},
        {"TE('clr %4.1lf','VERCLR',3,1,2,'15110',1,0,CHBLK,11)", {}, ""},
        {"TE('%03.0lf deg','ORIENT',3,1,2,'15110',1,-1,CHBLK,11)", {{"ORIENT", "45"}}, "045 deg"},
        {"TX(NATSUR,1,2,2,'15110',0,0,CHBLK,25)", {{"NATSUR", "4,1"}}, "S.M"},
        {"TE('by %s','OBJNAM',2,1,2,'15110',-1,-1,CHBLK,21)", {{"OBJNAM", "Annapolis"}}, "by Annapolis"},
        {"TE('%s %s','OBJNAM',2,1,2,'15110',-1,-1,CHBLK,21)", {{"OBJNAM", "A"}}, ""},
        {"TE('100%% %d','HEIGHT',2,1,2,'15110',-1,-1,CHBLK,21)", {{"HEIGHT", "12.6"}}, "100% 13"},
    };
    for (const Case& c : cases) {
        const std::vector<S52Instruction> text = ParseS52Instructions(c.instruction, Dictionary());
        ASSERT_EQ(text.size(), 1u) << c.instruction;
        EXPECT_EQ(FormatS52Text(text[0], Point(s57class::LIGHTS, c.attributes)), c.text) << c.instruction;
    }
}

TEST(S52Text, SoundingFiguresInTheDepthUnit)
{
    struct Case {
        double metres;
        DepthUnit unit;
        const char* whole;
        const char* fraction;
        bool drying;
    };
    const Case cases[] = {
        {4.37, DepthUnit::Metres, "4", "4", false}, {0.0, DepthUnit::Metres, "0", "", false},
        {-1.2, DepthUnit::Metres, "1", "2", true},  {30.9, DepthUnit::Metres, "30", "9", false},
        {35.6, DepthUnit::Metres, "36", "", false}, {10.0, DepthUnit::Feet, "33", "", false},
        {5.4864, DepthUnit::Fathoms, "3", "", false}, {27.0, DepthUnit::Fathoms, "15", "", false},
    };
    for (const Case& c : cases) {
        const SoundingFigures figures = SoundingText(c.metres, c.unit);
        EXPECT_EQ(figures.whole, c.whole) << c.metres;
        EXPECT_EQ(figures.fraction, c.fraction) << c.metres;
        EXPECT_EQ(figures.drying, c.drying) << c.metres;
    }
}

TEST(ViewMapping, AgreesWithTheProjectionAndViewport)
{
    for (const double rotation : {0.0, 30.0, -135.0}) {
        auto projection = std::make_shared<GeoProjection>();
        ProjectionBlock block;
        ASSERT_EQ(projection->GetBlock(&block), kOk);
        block.scale = 22000;
        block.centre = Degrees(-76.45, 38.97);
        block.devicePixelsPerMetreX = block.devicePixelsPerMetreY = 3780;
        ASSERT_EQ(projection->PutBlock(block), kOk);
        ASSERT_EQ(projection->SetRotation(rotation), kOk);
        const MapViewport viewport(projection);
        QTransform deviceToPixel;
        deviceToPixel.translate(512, 384);
        deviceToPixel.scale(1, -1);
        const ViewMapping mapping(*projection, deviceToPixel);

        std::mt19937 random(7);
        std::uniform_real_distribution<double> offset(-0.05, 0.05);
        for (int i = 0; i < 200; ++i) {
            const GeoPoint p = Degrees(-76.45 + offset(random), 38.97 + offset(random));
            cmgbase::MetricPoint metric;
            ASSERT_EQ(projection->GeoToMetric(p, &metric), kOk);
            DevicePoint device;
            ASSERT_EQ(viewport.MetricToDevice(&metric, 1, &device), kOk);
            // The projection rounds to whole metric units (0.378 pixels here) and the viewport to
            // whole pixels; the mapping does not round.
            const QPointF expected = deviceToPixel.map(QPointF(device.x, device.y));
            const QPointF mapped = mapping.Map(p);
            EXPECT_NEAR(mapped.x(), expected.x(), 0.5 + 0.378 / 2 * std::sqrt(2.0)) << rotation;
            EXPECT_NEAR(mapped.y(), expected.y(), 0.5 + 0.378 / 2 * std::sqrt(2.0)) << rotation;
        }
    }
}

}  // namespace
