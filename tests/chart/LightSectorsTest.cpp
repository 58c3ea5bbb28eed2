// The light evaluation over the real approach cell and over a made cell: markers with their
// rhythms, sectors, ranges and colours, the light names, and the marker fields from S-57
// attribute values.

#include "ChartWindowFixture.h"

#include "chart/ChartLevels.h"
#include "chart/LightSectors.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "platform/chartengine/CellBuilder.h"
#include "platform/chartengine/S57Codes.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

using namespace charttest;
using namespace chartengine;

namespace {

const cmgbase::GeoPoint kThomasPoint = Degrees(-(76 + 26.1 / 60), 38 + 53.9 / 60);

struct Rhythm {
    int32_t character;
    const char* group;  // SIGGRP text; null: none
    double period;      // 0: none
    uint8_t periodClass;
    uint8_t mask;
};

TEST(LightMarkerFields, PeriodClassAndRhythmBitFollowCharacterGroupAndPeriod)
{
    const Rhythm table[] = {
        {2, "(1)", 4.0, 2, 0x10},     // Fl G 4s of the cell
        {2, nullptr, 5.0, 3, 0x10},   // Fl 5s
        {2, "(2)", 10.0, 6, 0x20},    // Fl(2) 10s
        {2, "(2+1)", 6.0, 4, 0x10},   // a composite group counts as none
        {2, "(4+5)", 30.0, 9, 0x10},  // too long a period: no rhythm
        {2, "(5)", 5.0, 9, 0x10},
        {2, nullptr, 0.0, 4, 0x10},   // Fl without period
        {4, "(1)", 1.0, 7, 0x08},     // Q 1s
        {4, nullptr, 0.0, 7, 0x08},
        {4, "(3)", 10.0, 7, 0x20},    // class 6 is not below 4
        {4, "(2)", 2.0, 0, 0x20},
        {4, "(4)", 0.0, 6, 0x80},
        {5, "(2)", 1.0, 0, 0x20},     // VQ(2)
        {5, "(4)", 0.0, 2, 0x80},
        {5, nullptr, 0.5, 7, 0x01},
        {7, nullptr, 0.0, 4, 0x01},   // Iso without period
        {8, "(3)", 10.0, 6, 0x08},    // Oc(3)
        {8, "(4)", 10.0, 9, 0x02},
        {25, "(6)", 15.0, 7, 0x40},   // Q(6)+LFl
        {25, nullptr, 15.0, 9, 0x00},
        {12, "(A)", 8.0, 9, 0x00},    // Mo(A) 8s
        {1, "()", 0.0, 9, 0x00},      // F
    };
    for (const Rhythm& r : table) {
        LightRecord light;
        light.character = r.character;
        if (r.group)
            light.group = SimpleSignalGroup(r.group);
        if (r.period > 0)
            light.period = r.period;
        const ChartMarker m = MarkerOfLight(light);
        EXPECT_EQ(m.periodClass, r.periodClass) << r.character << " " << (r.group ? r.group : "-") << " " << r.period;
        EXPECT_EQ(m.rhythmMask, r.mask) << r.character << " " << (r.group ? r.group : "-") << " " << r.period;
    }
    EXPECT_EQ(SimpleSignalGroup("(2)"), 2);
    for (const char* composite : {"(2+1)", "(4+5)", "(A)", "()", "(0)", "2"})
        EXPECT_FALSE(SimpleSignalGroup(composite)) << composite;
}

TEST(LightMarkerFields, SectorsRangesHeightsPeriodsAndColoursConvertSafely)
{
    struct Sector {
        std::optional<double> limit;
        int32_t tenths;
    };
    for (const Sector& s : {Sector{std::nullopt, 1800}, Sector{0.0, 1800}, Sector{180.0, 3600}, Sector{200.0, 200},
                            Sector{51.5, 2315}, Sector{1e300, 1800 + 360000 - 3600}}) {
        LightRecord light;
        light.sector1 = s.limit;
        EXPECT_EQ(MarkerOfLight(light).sectorStart, s.tenths) << s.limit.value_or(-1);
    }
    struct Value {
        std::optional<double> given;
        uint8_t range, size, period;
    };
    // Values beyond a byte saturate instead of wrapping (25.6 nm would be 0 nm); negative ones
    // become 0; missing ones take their defaults.
    for (const Value& v : {Value{std::nullopt, 20, 3, 255}, Value{16.0, 160, 16, 16}, Value{25.6, 255, 25, 25},
                           Value{28.0, 255, 28, 28}, Value{300.0, 255, 255, 255}, Value{-4.0, 0, 0, 0}}) {
        LightRecord light;
        light.range = v.given;
        light.height = v.given;
        light.period = v.given;
        const ChartMarker m = MarkerOfLight(light);
        EXPECT_EQ(m.range, v.range) << v.given.value_or(-1);
        EXPECT_EQ(m.size, v.size) << v.given.value_or(-1);
        EXPECT_EQ(m.period, v.period) << v.given.value_or(-1);
    }
    const std::map<int32_t, uint8_t> colours{{1, 4}, {3, 1}, {4, 3}, {6, 4}, {11, 7}, {12, 5}, {13, 1}, {-1, 1}, {9999, 1}};
    for (const auto& [code, colour] : colours)
        EXPECT_EQ(MarkerColour(code), colour) << code;
    EXPECT_EQ(MarkerOfLight({}).colour, 1);
    EXPECT_EQ(MarkerOfLight({}).group, 255);
}

class LightSectorsTest : public ChartWindowTest {
protected:
    std::vector<ChartMarker> Evaluate(const cmgbase::GeoPoint& at, int32_t level, int width, int height)
    {
        window.controls.CM93->resize(width, height);
        MainMapView->SetCentre(at);
        window.chartLevel = level;
        SetChartLevel(window);
        std::vector<ChartMarker> markers(3);
        EXPECT_EQ(EvaluateLightSectors(*ChartEngine, *MainMapView, markers, 2.0f), 1);
        return markers;
    }
};

TEST_F(LightSectorsTest, TheCellsLightsFlashInTheirOwnRhythms)
{
    const std::vector<ChartMarker> markers = Evaluate(kThomasPoint, 9, 1920, 1080);  // 1:75000
    std::map<std::tuple<int, int, int>, int> rhythms;  // character, period, group: count
    for (const ChartMarker& m : markers)
        ++rhythms[{m.character, m.period, m.group}];
    EXPECT_GE(markers.size(), 100u);
    EXPECT_GE((rhythms[{2, 4, 1}]), 30);  // Fl 4s, SIGGRP "(1)"
    EXPECT_GE((rhythms[{2, 2, 1}]), 20);  // Fl 2.5s
    EXPECT_GE((rhythms[{4, 1, 1}]), 5);   // Q 1s
    EXPECT_EQ((rhythms[{2, 6, 255}]), 1);  // Fl(2+1) 6s
    for (const ChartMarker& m : markers) {
        if (m.character == 2 && m.period == 4) {
            EXPECT_EQ(std::tie(m.periodClass, m.rhythmMask), std::make_tuple(uint8_t(2), uint8_t(0x10)));
        }
        if (m.character == 4 && m.period == 1) {
            EXPECT_EQ(std::tie(m.periodClass, m.rhythmMask), std::make_tuple(uint8_t(7), uint8_t(0x08)));
        }
        if (m.period == 30) {
            EXPECT_EQ(m.periodClass, NoRhythm);
        }
    }
}

TEST_F(LightSectorsTest, ThomasPointShoalLightHasItsFourSectorsWithTheirRanges)
{
    const std::vector<ChartMarker> markers = Evaluate(kThomasPoint, 6, 800, 600);  // 1:22000
    std::vector<ChartMarker> sectors;
    std::copy_if(markers.begin(), markers.end(), std::back_inserter(sectors), [](const ChartMarker& m) { return HasSector(m); });
    ASSERT_EQ(sectors.size(), 4u);
    std::sort(sectors.begin(), sectors.end(), [](const ChartMarker& a, const ChartMarker& b) { return a.sectorStart < b.sectorStart; });
    // Towards the light: white 051.5-096.5 and 202-011, red 096.5-202 and 011-051.5; from it
    // 180 degrees on.
    const std::tuple<int32_t, int32_t, uint8_t, uint8_t> expected[] = {
        {220, 1910, 4, 160}, {1910, 2315, 1, 110}, {2315, 2765, 4, 160}, {2765, 220, 1, 110}};
    for (size_t i = 0; i < 4; ++i) {
        const ChartMarker& m = sectors[i];
        EXPECT_EQ(std::make_tuple(m.sectorStart, m.sectorEnd, m.colour, m.range), expected[i]) << i;
        EXPECT_EQ(m.size, 13);
        EXPECT_EQ(m.period, 5);
        EXPECT_EQ(std::tie(m.periodClass, m.rhythmMask), std::make_tuple(uint8_t(3), uint8_t(0x10)));
        EXPECT_EQ(std::tie(m.x, m.y), std::tie(sectors[0].x, sectors[0].y));
        EXPECT_NEAR(m.x, 400, 30);
        EXPECT_NEAR(m.y, 300, 30);
    }
    EXPECT_EQ(ChartEngine->lightNameCount, 0);  // the cell's lights carry no names
}

TEST_F(LightSectorsTest, LightsAroundTheViewCountAndNothingWithoutAQueryIsSet)
{
    const std::vector<ChartMarker> markers = Evaluate(kThomasPoint, 6, 800, 600);
    const auto outside = std::count_if(markers.begin(), markers.end(),
                                       [](const ChartMarker& m) { return m.x < 0 || m.x >= 800 || m.y < 0 || m.y >= 600; });
    EXPECT_GT(outside, 0);  // found in the enlarged area

    MapManager stopped{std::filesystem::path("/nonexistent/registry.ini")};
    std::vector<ChartMarker> untouched(2);
    EXPECT_EQ(EvaluateLightSectors(stopped, *MainMapView, untouched, 2.0f), 1);
    EXPECT_TRUE(untouched.empty());
}

// A made cell of lights with names, groups, a flood light and a light a beacon refers to.
class MadeLightsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new TemporaryFolder;
        const double x = -76.45, y = 38.97, d = 0.002;
        const auto at = [&](double dx, double dy) { return Degrees(x + dx, y + dy); };
        SourceObject light = MadeObject(s57class::LIGHTS, kGeometryPoint, {at(0, 0)},
                                        {{"LITCHR", "2"}, {"SIGGRP", "(2)"}, {"SIGPER", "6"}, {"COLOUR", "4"}, {"OBJNAM", "Alpha Light"}});
        SourceObject beacon = MadeObject(7, kGeometryPoint, {at(0, 0)});
        beacon.referencedLongNames.push_back(light.longName);
        // Far to the east, a field of 600 named lights.
        std::vector<SourceObject> field;
        for (int i = 0; i < 600; ++i)
            field.push_back(MadeObject(s57class::LIGHTS, kGeometryPoint, {at(kFieldEast + (i % 30) * 0.0005, (i / 30) * 0.0005)},
                                       {{"LITCHR", "2"}, {"SIGPER", "4"}, {"OBJNAM", "Field " + std::to_string(i)}}));
        std::vector<SourceObject> objects{MadeObject(s57class::DEPARE, kGeometryArea, {at(-0.05, -0.05), at(0.05, -0.05), at(0.05, 0.05), at(-0.05, 0.05), at(-0.05, -0.05)},
                        {{"DRVAL1", "20"}, {"DRVAL2", "30"}}),
             light, beacon,
             // Same latitude as Alpha, another longitude: a name of its own.
             MadeObject(s57class::LIGHTS, kGeometryPoint, {at(d, 0)},
                        {{"LITCHR", "8"}, {"SIGGRP", "(3)"}, {"SIGPER", "10"}, {"COLOUR", "3,1"}, {"OBJNAM", "Bravo Light"}}),
             MadeObject(s57class::LIGHTS, kGeometryPoint, {at(-d, d)}, {{"LITCHR", "7"}, {"COLOUR", "1"}, {"OBJNAM", "Charlie"}}),
             MadeObject(s57class::LIGHTS, kGeometryPoint, {at(d, d)},
                        {{"LITCHR", "25"}, {"SIGGRP", "(6)"}, {"SIGPER", "15"}, {"COLOUR", "3"}}),
             MadeObject(s57class::LIGHTS, kGeometryPoint, {at(-d, -d)}, {{"LITCHR", "5"}, {"COLOUR", "12"}}),
             MadeObject(s57class::LIGHTS, kGeometryPoint, {at(d, -d)},
                        {{"LITCHR", "1"}, {"CATLIT", "8"}, {"COLOUR", "1"}, {"OBJNAM", "Delta Floodlight"}})};
        objects.insert(objects.end(), field.begin(), field.end());
        WriteMadeDatabase(folder_->path() / "engine", "Lights", objects);
        LinkTides(folder_->path() / "engine");
        WriteRegistry(folder_->path() / "registry.ini", folder_->path() / "engine", false);
    }
    static void TearDownTestSuite() { delete folder_; }

    void SetUp() override
    {
        ASSERT_EQ(manager_.Init(1), 1);
        ASSERT_EQ(view_.Init(0, &manager_), 1);
        Show(Degrees(-76.45, 38.97));
    }

    void Show(const cmgbase::GeoPoint& centre)
    {
        ASSERT_EQ(view_.SetCentre(centre), 1);
        ASSERT_EQ(view_.SetScale(22000), 1);
        QImage image(400, 300, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.translate(200, 150);
        painter.scale(1, -1);
        view_.DrawChart(painter, {-200, 150, 200, -150});
    }

    static constexpr double kFieldEast = 0.3;
    static TemporaryFolder* folder_;
    MapManager manager_{folder_->path() / "registry.ini"};
    MapView view_;
};

TemporaryFolder* MadeLightsTest::folder_ = nullptr;

TEST_F(MadeLightsTest, NamesGroupsAndFloodLightsOfAMadeCell)
{
    std::vector<ChartMarker> markers;
    ASSERT_EQ(EvaluateLightSectors(manager_, view_, markers, 2.0f), 1);
    std::map<int, ChartMarker> byCharacter;
    for (const ChartMarker& m : markers)
        byCharacter[m.character] = m;
    EXPECT_EQ(markers.size(), 5u);  // Alpha once though the beacon refers to it; no flood light
    EXPECT_EQ(byCharacter.count(1), 0u);
    EXPECT_EQ(LightCharacteristicText(byCharacter[2]), "Fl(2) G 6s");
    EXPECT_EQ(LightCharacteristicText(byCharacter[8]), "Oc(3) W 10s");  // the last colour of red, white
    EXPECT_EQ(LightCharacteristicText(byCharacter[7]), "Iso W ");
    EXPECT_EQ(LightCharacteristicText(byCharacter[25]), "Q(6)+LFl R 15s");
    EXPECT_EQ(LightLabelText(byCharacter[25]), "Q(6) +LFl 15s");
    EXPECT_EQ(LightLabelText(byCharacter[8]), "Oc (3) 10s");
    EXPECT_EQ(LightLabelText(byCharacter[7]), "Iso");
    EXPECT_EQ(byCharacter[5].colour, 5);  // magenta
    EXPECT_EQ(std::tie(byCharacter[5].periodClass, byCharacter[5].rhythmMask), std::make_tuple(uint8_t(7), uint8_t(0x01)));

    EXPECT_EQ(manager_.lightNameCount, 4);
    std::vector<std::string> names = manager_.lightNames;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha Light", "Bravo Light", "Charlie", "Delta Floodlight"}));
    EXPECT_EQ(manager_.lightNamePositions.size(), 4u);

    // A smaller area factor still finds the lights in the view; a second evaluation replaces all.
    ASSERT_EQ(EvaluateLightSectors(manager_, view_, markers, 1.0f), 1);
    EXPECT_EQ(markers.size(), 5u);
    EXPECT_EQ(manager_.lightNameCount, 4);
}

TEST_F(MadeLightsTest, AtMost500LightsAnd500NamesAreTaken)
{
    Show(Degrees(-76.45 + kFieldEast + 0.007, 38.97 + 0.005));
    std::vector<ChartMarker> markers;
    ASSERT_EQ(EvaluateLightSectors(manager_, view_, markers, 2.0f), 1);
    EXPECT_EQ(markers.size(), size_t(MaxLightRecords));
    EXPECT_EQ(manager_.lightNameCount, LightNameCapacity);
    EXPECT_EQ(manager_.lightNames.size(), size_t(LightNameCapacity));
}

}  // namespace
