// Palette files: the colour items, files that are good, partial or malformed, the registry's
// palette files, the engine's colours as the last source, the shipped palette file, and the
// palette look-ups.

#include "platform/chartengine/ChartTestSupport.h"

#include "chart/ChartPalette.h"
#include "chart/PaletteFiles.h"
#include "platform/chartengine/EngineTopics.h"
#include "platform/chartengine/SymbolizationRegistry.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace chartengine;

namespace {

std::unique_ptr<Symbolization> S52Symbolization(const Guid& topic = Guid{})
{
    std::unique_ptr<Symbolization> symbolization;
    EXPECT_EQ(SymbolizationRegistry().CreateSymbolization(topic, "S52", {3500, 3500}, &symbolization), kOk);
    return symbolization;
}

std::vector<uint32_t> Values(const std::vector<ColourEntry>& entries)
{
    std::vector<uint32_t> values;
    for (const ColourEntry& e : entries) {
        EXPECT_EQ(e.reserved, 0u);
        values.push_back(e.colour);
    }
    return values;
}

class PaletteFiles : public ::testing::Test {
protected:
    std::filesystem::path Write(const std::string& name, const std::string& text)
    {
        const std::filesystem::path file = folder_.path() / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << text;
        return file;
    }

    std::vector<uint32_t> Parse(const std::filesystem::path& file, int32_t scheme = 0)
    {
        std::vector<ColourEntry> colours;
        int32_t startIndex = -1;
        const int32_t count = ParsePaletteFile(scheme, "S52", colours, startIndex, file);
        EXPECT_EQ(count, static_cast<int32_t>(colours.size()));
        return Values(colours);
    }

    charttest::TemporaryFolder folder_;
};

TEST(PaletteColour, ItemsReadWholeOrNotAtAll)
{
    struct Case {
        const char* item;
        std::optional<uint32_t> colour;
    };
    const Case cases[] = {
        {"RGB(0,128,255)", 0xFF8000},  {"rgb(0,128,255)", 0xFF8000}, {"FF8000", 0xFF8000},
        {"0xff8000", 0xFF8000},        {"0", 0},                     {"FFFFFF", 0xFFFFFF},
        {"1000000", std::nullopt},     {"FFZZ00", std::nullopt},     {"Colour", std::nullopt},
        {"0x", std::nullopt},          {"", std::nullopt},           {"-1", std::nullopt},
        {"RGB(300,0,0)", std::nullopt}, {"RGB(1,2)", std::nullopt},   {"RGB(1,2,3", std::nullopt},
        {"RGB(1,2,3,4)", std::nullopt}, {"RGB(,2,3)", std::nullopt},  {"RGB(1,-2,3)", std::nullopt},
        {"FFFFFFFFFFFFFFFFFFFFFFFF", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParsePaletteColour(c.item), c.colour) << c.item;
}

TEST_F(PaletteFiles, GoodFileGivesTheSchemesColoursInOrder)
{
    const auto file = Write("good.pal",
                            "[S52]\nColors=3\nStartIndex=7\nDay Bright=RGB(0,128,255);FF8000 0x010203\n"
                            "Night=RGB(1,2,3)\n");
    std::vector<ColourEntry> colours;
    int32_t startIndex = 0;
    EXPECT_EQ(ParsePaletteFile(0, "s52", colours, startIndex, file), 3);
    EXPECT_EQ(Values(colours), (std::vector<uint32_t>{0xFF8000, 0xFF8000, 0x010203}));
    EXPECT_EQ(startIndex, 7);
    EXPECT_EQ(Parse(file, 4), std::vector<uint32_t>{0x030201});
    // The colours are appended to what the vector held.
    EXPECT_EQ(ParsePaletteFile(4, "S52", colours, startIndex, file), 4);
}

TEST_F(PaletteFiles, PartialAndMalformedFilesGiveWhatTheyCan)
{
    struct Case {
        const char* name;
        const char* text;
        int32_t scheme;
        std::vector<uint32_t> colours;
    };
    const Case cases[] = {
        {"no count", "[S52]\nDay Bright=FF0000\n", 0, {}},
        {"count 0", "[S52]\nColors=0\nDay Bright=FF0000\n", 0, {}},
        {"other section", "[Other]\nColors=1\nDay Bright=FF0000\n", 0, {}},
        {"scheme missing", "[S52]\nColors=1\nDay Bright=FF0000\n", 3, {}},
        {"scheme 5", "[S52]\nColors=1\nDay Bright=FF0000\n", 5, {}},
        {"scheme -1", "[S52]\nColors=1\nDay Bright=FF0000\n", -1, {}},
        {"bad items skipped", "[S52]\nColors=4\nDusk=RGB(300,0,0);ZZ;FF;;RGB(1,2);  12; 1000000\n", 3, {0xFF, 0x12}},
        {"empty items", "[S52]\nColors=2\nDay Bright=;;  ;\n", 0, {}},
        {"text after the last delimiter", "[S52]\nColors=2\nDay Bright=1;2\n", 0, {1, 2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Parse(Write(std::string(c.name) + ".pal", c.text), c.scheme), c.colours) << c.name;
    EXPECT_TRUE(Parse(folder_.path() / "missing.pal").empty());
    EXPECT_TRUE(Parse({}).empty());
}

TEST_F(PaletteFiles, ListIsReadUpTo4096Characters)
{
    // 400 items of eleven characters take 4400: 372 are read whole, the next is cut to "RGB(".
    std::string list;
    for (int i = 0; i < 400; ++i)
        list += "RGB(1,2,3);";
    const std::vector<uint32_t> colours = Parse(Write("long.pal", "[S52]\nColors=1\nDay Bright=" + list + "\n"));
    EXPECT_EQ(colours.size(), 372u);
}

TEST_F(PaletteFiles, RegistryNamesTheFileWhenTheRequestsFileGivesNone)
{
    Write("Palettes/S52.pal", "[S52]\nColors=1\nDay Whiteback=RGB(9,8,7)\n");
    const auto store = Write("registry.ini", "[SOFTWARE\\C-Map\\Topics\\" + GuidToText(kBaseSymbolizationTopic) +
                                                 "\\Pres\\Other]\nName=Other\nPath=Elsewhere\n"
                                                 "[SOFTWARE\\C-Map\\Topics\\" + GuidToText(kBaseSymbolizationTopic) +
                                                 "\\Pres\\First]\nName=S52\nPath=Palettes\n");
    const auto symbolization = S52Symbolization();
    std::vector<ColourEntry> colours{{1, 0}};
    const PaletteRequest request{2, "S52", folder_.path() / "none.pal", store};
    EXPECT_EQ(LoadPaletteFiles(request, symbolization.get(), colours), kOk);
    EXPECT_EQ(Values(colours), std::vector<uint32_t>{0x070809});

    // The request's own file wins.
    const auto own = Write("own.pal", "[S52]\nColors=1\nDay Whiteback=000001\n");
    EXPECT_EQ(LoadPaletteFiles({2, "S52", own, store}, symbolization.get(), colours), kOk);
    EXPECT_EQ(Values(colours), std::vector<uint32_t>{0x000001});
}

TEST_F(PaletteFiles, EnginesColoursAreTheLastSource)
{
    const auto store = Write("registry.ini", "[SOFTWARE\\C-Map\\Topics\\" + GuidToText(kBaseSymbolizationTopic) +
                                                 "\\Pres\\S52]\nName=S52\nPath=\n");
    const auto symbolization = S52Symbolization();
    std::vector<ColourEntry> colours;
    ASSERT_EQ(LoadPaletteFiles({4, "S52", {}, store}, symbolization.get(), colours), kOk);
    ASSERT_EQ(colours.size(), 63u);
    const ColourRgb night = kS52ColourTables[4][0];
    EXPECT_EQ(colours[0].colour, ColourRef(night.r, night.g, night.b));

    EXPECT_EQ(LoadPaletteFiles({5, "S52", {}, store}, symbolization.get(), colours), kInvalidArgument);
    EXPECT_TRUE(colours.empty());
    EXPECT_EQ(LoadPaletteFiles({0, "S52", {}, store}, nullptr, colours), kNotReady);
}

TEST(ShippedPaletteFile, HoldsTheS52ColoursOfEveryScheme)
{
    const std::filesystem::path data = std::filesystem::path(VARNIK_SOURCE_DIR) / "data";
    const auto symbolization = S52Symbolization(kBaseSymbolizationTopic);
    for (int32_t scheme = 0; scheme < kColourSchemeCount; ++scheme) {
        std::vector<ColourEntry> colours;
        ASSERT_EQ(LoadPaletteFiles({scheme, "S52", {}, data / "registry.ini"}, symbolization.get(), colours), kOk);
        ASSERT_EQ(colours.size(), 63u) << ColourSchemeNames[scheme];
        for (int i = 0; i < 63; ++i) {
            const ColourRgb c = kS52ColourTables[scheme][i];
            EXPECT_EQ(colours[i].colour, ColourRef(c.r, c.g, c.b)) << ColourSchemeNames[scheme] << " colour " << i;
        }
    }
}

TEST(PaletteLookups, FindColoursThatStandForNoSystemIndex)
{
    symb_palette_t palette = StartChartPalette(0);
    const uint16_t added = AddPaletteColour(palette, 0x123456);
    // Black is a system colour of entry 0: flagged explicit, so it is not found.
    palette.palette.count = static_cast<uint16_t>(palette.nextFree);
    EXPECT_TRUE(PaletteHasColour(palette.palette, 0x123456));
    EXPECT_EQ(PaletteIndexOfColour(palette.palette, 0x123456), added);
    EXPECT_FALSE(PaletteHasColour(palette.palette, 0x000000));
    EXPECT_EQ(PaletteIndexOfColour(palette.palette, 0x000000), -1);
    // Entries beyond the count are not looked at.
    palette.palette.count = static_cast<uint16_t>(added);
    EXPECT_FALSE(PaletteHasColour(palette.palette, 0x123456));
}

TEST(PaletteLookups, BuilderNeverWritesPastTheFreeEntries)
{
    symb_palette_t palette = StartChartPalette(0);
    const LogicalPalette start = palette.palette;
    for (uint32_t i = 0; i < 400; ++i) {
        const uint16_t index = AddPaletteColour(palette, 0x010000 * (i % 251) + i);
        EXPECT_GE(index, SystemReservedEachEnd);
        EXPECT_LT(index, PaletteSize - SystemReservedEachEnd);
    }
    EXPECT_EQ(palette.nextFree, PaletteSize - SystemReservedEachEnd);
    for (int i = 0; i < SystemReservedEachEnd; ++i) {
        EXPECT_EQ(palette.palette.entries[i], start.entries[i]);
        EXPECT_EQ(palette.palette.entries[PaletteSize - 1 - i], start.entries[PaletteSize - 1 - i]);
    }
}

}  // namespace
