// The map manager over real chart databases in temporary engine folders.

#include "platform/chartengine/ChartTestSupport.h"

#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "platform/chartengine/CellBuilder.h"
#include "platform/chartengine/CellStore.h"
#include "platform/chartengine/EngineRegistry.h"
#include "platform/chartengine/EngineTopics.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace chartengine;
using cmgbase::GeoPoint;

namespace {

GeoPoint Degrees(double longitude, double latitude) { return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)}; }

std::vector<std::string> SymbolizationNames(const MapManager& manager)
{
    std::vector<std::string> names;
    for (const TMapSymbolization& record : manager.symbolizations)
        names.push_back(record.name);
    return names;
}

// An engine folder with the harbour cell AA500001 and the world base as database "Harbour", the
// tide harmonics, and a registry store naming it.
class MapManagerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { harbour_ = new charttest::HarbourEngine(true); }
    static void TearDownTestSuite() { delete harbour_; }

    static std::filesystem::path engine() { return harbour_->engine(); }
    static std::filesystem::path registry() { return harbour_->registry(); }

    static charttest::HarbourEngine* harbour_;
};

charttest::HarbourEngine* MapManagerTest::harbour_ = nullptr;

TEST_F(MapManagerTest, InitWithoutOpeningADatabaseFails)
{
    MapManager manager(registry());
    EXPECT_EQ(manager.Init(0), 0);
    EXPECT_EQ(manager.state, 0);
}

TEST_F(MapManagerTest, InitOpensTheCurrentDatabaseAndTheEngineServices)
{
    MapManager manager(registry());
    ASSERT_EQ(manager.Init(1), 1);
    EXPECT_EQ(manager.state, 1);
    ASSERT_EQ(manager.geoDatabases.size(), 1u);
    EXPECT_EQ(manager.geoDatabases[0].name, "Harbour");
    EXPECT_EQ(manager.geoDatabases[0].topic, kS57ChartTopic);
    EXPECT_EQ(manager.geoDatabases[0].companion->Database(), manager.currentGeoDatabase);
    EXPECT_EQ(manager.currentGeoDatabase, manager.geoDatabases[0].database.get());
    EXPECT_NE(manager.dictionary, nullptr);
    EXPECT_NE(manager.presentationFactory, nullptr);
    EXPECT_NE(manager.priorityListHandle, 0);
    EXPECT_EQ(manager.databaseValue, 2);
    EXPECT_NE(manager.areaCheck1, nullptr);
    EXPECT_NE(manager.areaCheck2, nullptr);
    EXPECT_EQ(manager.lightNamePositions.size(), static_cast<size_t>(LightNameCapacity));

    ASSERT_EQ(manager.tidePorts.size(), 1080u);
    const auto annapolis = std::find_if(manager.tidePorts.begin(), manager.tidePorts.end(), [&](const TMapTidePort& p) {
        double latitude = 0, longitude = 0;
        std::string name;
        manager.tidesDatabase->Port(p.portIndex, &latitude, &longitude, &name);
        return name.starts_with("Annapolis (US Naval Academy)");
    });
    ASSERT_NE(annapolis, manager.tidePorts.end());
    EXPECT_EQ(annapolis->position, Degrees(-76.48156, 38.98328));

    EXPECT_EQ(SymbolizationNames(manager), (std::vector<std::string>{"wthr", "S52"}));
    for (const TMapSymbolization& record : manager.symbolizations)
        EXPECT_NE(record.palette, nullptr) << record.name;
    EXPECT_NE(manager.WeatherPalette(), nullptr);
}

TEST_F(MapManagerTest, ShutdownReleasesEverythingAndMayRunAgain)
{
    MapManager manager(registry());
    ASSERT_EQ(manager.Init(1), 1);
    const GeoPoint sector[] = {Degrees(0, 0), Degrees(1, 1), Degrees(1, 0)};
    manager.SetCheckPolygon(sector, 3);
    manager.Shutdown();
    EXPECT_EQ(manager.state, 0);
    EXPECT_TRUE(manager.geoDatabases.empty());
    EXPECT_TRUE(manager.symbolizations.empty());
    EXPECT_TRUE(manager.tidePorts.empty());
    EXPECT_TRUE(manager.checkPolygon.empty());
    EXPECT_TRUE(manager.lightNamePositions.empty());
    EXPECT_EQ(manager.currentGeoDatabase, nullptr);
    EXPECT_EQ(manager.dictionary, nullptr);
    EXPECT_EQ(manager.priorityListHandle, 0);
    for (const bool released : {!manager.symbolizationRegistry, !manager.presentationFactory, !manager.tidesDatabase,
                                !manager.areaCheck1, !manager.areaCheck2})
        EXPECT_TRUE(released);
    manager.Shutdown();
    EXPECT_EQ(manager.state, 0);
}

TEST_F(MapManagerTest, TopicWithoutPresentationsStillGetsTheDefaultSymbolization)
{
    const std::filesystem::path plain = harbour_->folder() / "plain.ini";
    charttest::WriteRegistry(plain, engine(), false);
    MapManager manager(plain);
    ASSERT_EQ(manager.Init(1), 1);
    EXPECT_EQ(SymbolizationNames(manager), std::vector<std::string>{"S52"});
    EXPECT_EQ(manager.WeatherPalette(), nullptr);

    // The base topic itself brings no default.
    manager.symbolizations.clear();
    EXPECT_EQ(manager.LoadSymbolizations(kBaseSymbolizationTopic), kNoInterface);
    EXPECT_TRUE(manager.symbolizations.empty());
    EXPECT_EQ(manager.ReloadSymbolizations(), kOk);
    EXPECT_EQ(SymbolizationNames(manager), std::vector<std::string>{"S52"});
}

TEST_F(MapManagerTest, FindSymbolizationByExactName)
{
    MapManager manager(registry());
    ASSERT_EQ(manager.Init(1), 1);
    Symbolization* found = reinterpret_cast<Symbolization*>(1);
    EXPECT_EQ(manager.FindSymbolization("", &found), kInvalidArgument);
    EXPECT_EQ(manager.FindSymbolization("S52", nullptr), kInvalidArgument);
    EXPECT_EQ(manager.FindSymbolization("s52", &found), kNoInterface);
    EXPECT_EQ(found, nullptr);
    ASSERT_EQ(manager.FindSymbolization("wthr", &found), kOk);
    EXPECT_EQ(found, manager.symbolizations[0].symbolization.get());
}

TEST_F(MapManagerTest, FindGeoDatabaseHandsOutWhatWasAskedFor)
{
    MapManager manager(registry());
    ASSERT_EQ(manager.Init(1), 1);
    GeoDatabase* database = reinterpret_cast<GeoDatabase*>(1);
    GeoDatabaseCompanion* companion = reinterpret_cast<GeoDatabaseCompanion*>(1);
    EXPECT_EQ(manager.FindGeoDatabase("Harbour", nullptr, nullptr), kNullPointer);
    EXPECT_EQ(manager.FindGeoDatabase("harbour", &database, &companion), kInvalidArgument);
    EXPECT_EQ(database, nullptr);
    EXPECT_EQ(companion, nullptr);
    ASSERT_EQ(manager.FindGeoDatabase("Harbour", nullptr, &companion), kOk);
    EXPECT_EQ(companion, manager.geoDatabases[0].companion.get());
    ASSERT_EQ(manager.FindGeoDatabase("Harbour", &database, &companion), kOk);
    EXPECT_EQ(database, manager.currentGeoDatabase);
    manager.geoDatabases[0].companion.reset();
    EXPECT_EQ(manager.FindGeoDatabase("Harbour", nullptr, &companion), kInvalidArgument);
}

TEST_F(MapManagerTest, ChartPaletteOfASchemeOutsideTheFiveIsRefused)
{
    MapManager manager(registry());
    ASSERT_EQ(manager.Init(1), 1);
    const ChartPalette* before = manager.symbolizations[1].palette.get();
    EXPECT_EQ(manager.CreateChartPalette(5), kInvalidArgument);
    EXPECT_EQ(manager.CreateChartPalette(-1), kInvalidArgument);
    EXPECT_EQ(manager.colourScheme, 0);
    EXPECT_EQ(manager.symbolizations[1].palette.get(), before);

    const QRgb dayEntry = manager.symbolizations[1].palette->rgb(SystemReservedEachEnd);
    ASSERT_EQ(manager.CreateChartPalette(4), kOk);
    EXPECT_EQ(manager.colourScheme, 4);
    EXPECT_NE(manager.symbolizations[1].palette->rgb(SystemReservedEachEnd), dayEntry);

    manager.symbolizations.clear();
    EXPECT_EQ(manager.CreateChartPalette(0), kNoInterface);
    EXPECT_EQ(manager.colourScheme, 4);
}

TEST_F(MapManagerTest, ChartPaletteKeepsTheSystemColoursAndIndexesEveryChartColour)
{
    MapManager manager(registry());
    ASSERT_EQ(manager.Init(1), 1);
    for (const TMapSymbolization& record : manager.symbolizations) {
        const ChartPalette& palette = *record.palette;
        ASSERT_EQ(palette.size(), PaletteSize);
        EXPECT_EQ(palette.rgb(0), qRgb(0, 0, 0));
        EXPECT_EQ(palette.rgb(PaletteSize - 1), qRgb(255, 255, 255));
        for (int i = 0; i < PaletteSize; ++i)
            EXPECT_EQ((palette.entry(i).flags & PaletteExplicit) != 0,
                      i < SystemReservedEachEnd || i >= PaletteSize - SystemReservedEachEnd);
        const std::vector<uint16_t>& indices = record.symbolization->PaletteIndices();
        ASSERT_EQ(indices.size(), 63u);
        std::vector<ColourEntry> colours(63);
        ASSERT_EQ(record.symbolization->SchemeColours(0, 63, colours.data()), kOk);
        for (size_t c = 0; c < colours.size(); ++c) {
            uint32_t expected = colours[c].colour == 0xFFFFFF ? 0xE0E0E0 : colours[c].colour == 0 ? 0x010101 : colours[c].colour;
            const PaletteEntry& entry = palette.entry(indices[c]);
            EXPECT_EQ(ColourRef(entry.red, entry.green, entry.blue), expected) << record.name << " colour " << c;
            EXPECT_FALSE(entry.flags & PaletteExplicit);
        }
    }
}

TEST(ChartPalette, ColoursBeyondTheFreeEntriesTakeTheNearestAndSpareTheReservedEnd)
{
    symb_palette_t palette = StartChartPalette(0);
    const LogicalPalette start = palette.palette;
    std::vector<uint16_t> indices;
    for (uint32_t i = 0; i < 300; ++i)
        indices.push_back(AddPaletteColour(palette, ColourRef(uint8_t(i % 256), uint8_t(i / 256 * 100), 50)));
    const int free = PaletteSize - 2 * SystemReservedEachEnd;
    EXPECT_EQ(palette.nextFree, PaletteSize - SystemReservedEachEnd);
    for (int i = 0; i < free; ++i)
        EXPECT_EQ(indices[i], SystemReservedEachEnd + i);
    for (size_t i = free; i < indices.size(); ++i) {
        EXPECT_GE(indices[i], SystemReservedEachEnd);
        EXPECT_LT(indices[i], PaletteSize - SystemReservedEachEnd);
    }
    // Colour 236 is (236, 0, 50); its nearest entry is (235, 0, 50) at index 10 + 235.
    EXPECT_EQ(indices[free], SystemReservedEachEnd + free - 1);
    for (int i = PaletteSize - SystemReservedEachEnd; i < PaletteSize; ++i)
        EXPECT_EQ(palette.palette.entries[i], start.entries[i]);
    EXPECT_EQ(AddPaletteColour(palette, ColourRef(3, 0, 50)), SystemReservedEachEnd + 3) << "a colour present is reused";
}

TEST_F(MapManagerTest, TidesFolderIsJoinedToTheEngineFolder)
{
    const std::string engineFolder = engine().string();
    for (const std::string& keyPath : {engineFolder, engineFolder + "/", std::string("engine")}) {
        const std::filesystem::path store = harbour_->folder() / "keypath.ini";
        std::ofstream(store) << "[" << kEngineKey << "]\nKeyPath=" << keyPath << "\n";
        MapManager manager(store);
        EXPECT_EQ(manager.Init(1), 1) << keyPath;
    }
}

TEST_F(MapManagerTest, MissingTidesFailTheStartAndReleaseEverything)
{
    charttest::TemporaryFolder other;
    const auto sources = charttest::LinkChartSources(other.path() / "sources", {"world/ne_110m_land.geojson"});
    charttest::InstallDatabase(sources, other.path() / "engine", "World");
    charttest::WriteRegistry(other.path() / "registry.ini", other.path() / "engine", true);
    MapManager manager(other.path() / "registry.ini");
    EXPECT_EQ(manager.Init(1), 0);
    EXPECT_EQ(manager.state, 0);
    EXPECT_TRUE(manager.geoDatabases.empty());
    EXPECT_EQ(manager.tidesDatabase, nullptr);

    charttest::WriteHarmonicsWithoutStations(other.path() / "engine" / kTidesFolderName / "empty.tcd");
    ASSERT_EQ(manager.Init(1), 1) << "a tides database without ports";
    EXPECT_TRUE(manager.tidePorts.empty());
}

TEST_F(MapManagerTest, MissingEngineFolderOpensNoDatabase)
{
    const std::filesystem::path empty = harbour_->folder() / "empty.ini";
    std::ofstream(empty) << "\n";
    MapManager manager(empty);
    EXPECT_FALSE(manager.EngineFolder());
    EXPECT_EQ(manager.SetupGeoDatabases(""), 0);
    EXPECT_EQ(manager.Init(1), 0);
}

TEST_F(MapManagerTest, DatabaseNamesAndRegistryValues)
{
    MapManager manager(registry());
    std::string name = "unchanged";
    manager.DatabaseName(-1, name);
    EXPECT_EQ(name, "Harbour");
    name = "unchanged";
    manager.DatabaseName(7, name);
    EXPECT_EQ(name, "unchanged");
    EXPECT_EQ(manager.ReadMachineString("\\SOFTWARE\\C-Map\\CM93v3\\Enum", "KeyPath"), engine().string());
    EXPECT_EQ(manager.ReadMachineString("SOFTWARE\\C-Map\\CM93v3\\Enum", "keypath"), engine().string());
    EXPECT_EQ(manager.ReadMachineString("SOFTWARE\\C-Map\\CM93v3\\Enum", "Missing"), "");
    EXPECT_EQ(manager.ReadMachineString("SOFTWARE\\Nothing", "KeyPath"), "");
    EXPECT_EQ(manager.SetupGeoDatabases("Nothing"), 0);
    EXPECT_TRUE(manager.geoDatabases.empty());
    EXPECT_EQ(manager.BuildPriorityList(), 0);
}

TEST_F(MapManagerTest, CheckPolygonIsCopiedAndKeptWithoutPoints)
{
    MapManager manager(registry());
    const GeoPoint sector[] = {Degrees(0, 0), Degrees(1, 1), Degrees(1, 0)};
    manager.SetCheckPolygon(sector, 3);
    manager.SetCheckPolygon(nullptr, 3);
    manager.SetCheckPolygon(sector, 0);
    EXPECT_EQ(manager.checkPolygon, std::vector<GeoPoint>(std::begin(sector), std::end(sector)));
}

// A database of synthetic cells of the given bands, each covering the square 0..1 degrees.
void WriteBandDatabase(const std::filesystem::path& engineFolder, const std::vector<int32_t>& bands)
{
    const std::filesystem::path folder = engineFolder / "Bands";
    std::filesystem::create_directories(folder);
    Catalog catalog;
    for (size_t i = 0; i < bands.size(); ++i) {
        CellBuilder builder;
        SourceObject area;
        area.classCode = 42;
        area.kind = kGeometryArea;
        const int32_t one = cmgbase::deg2nrm(1.0);
        area.parts = {{{0, 0}, {one, 0}, {one, one}, {0, one}, {0, 0}}};
        builder.add(std::move(area));
        const CellData cell = builder.finish();
        CatalogCell entry;
        entry.name = "CELL" + std::to_string(i);
        entry.usageBand = bands[i];
        entry.bounds = cell.bounds;
        ASSERT_EQ(WriteCellFile(CellFilePath(folder, entry.name), cell), kOk);
        catalog.cells.push_back(entry);
    }
    ASSERT_EQ(WriteCatalog(folder, catalog), kOk);
    std::ofstream(engineFolder / "databases.ini") << "[Databases]\nBands=1\n";
}

TEST_F(MapManagerTest, ChartLevelsAtGivesEachValidBandOnce)
{
    charttest::TemporaryFolder other;
    WriteBandDatabase(other.path() / "engine", {3, 5, 3, 9, -1});
    charttest::LinkTides(other.path() / "engine");
    charttest::WriteRegistry(other.path() / "registry.ini", other.path() / "engine", false);
    MapManager manager(other.path() / "registry.ini");
    std::vector<int32_t> bands{99};
    int32_t count = 99;
    EXPECT_EQ(manager.ChartLevelsAt(Degrees(0.5, 0.5), bands, count), 0) << "no database yet";
    EXPECT_EQ(count, 0);
    ASSERT_EQ(manager.Init(1), 1);
    ASSERT_EQ(manager.ChartLevelsAt(Degrees(0.5, 0.5), bands, count), 1);
    EXPECT_EQ(bands, (std::vector<int32_t>{3, 5}));
    EXPECT_EQ(count, 2);
    ASSERT_EQ(manager.ChartLevelsAt(Degrees(5.0, 5.0), bands, count), 1);
    EXPECT_TRUE(bands.empty());
    EXPECT_EQ(count, 0);
}

TEST_F(MapManagerTest, ViewsInitialiseOnTheManager)
{
    MapManager manager(registry());
    MapView view;
    EXPECT_EQ(view.Init(0, nullptr), 0);
    EXPECT_EQ(view.Init(0, &manager), 0) << "the manager is not started";
    ASSERT_EQ(manager.Init(1), 1);
    MapView mini;
    ASSERT_EQ(view.Init(0, &manager), 1);
    ASSERT_EQ(mini.Init(1, &manager), 1);
    EXPECT_EQ(view.state, 1);
    EXPECT_EQ(mini.isMini, 1);
    ASSERT_NE(view.presentation, nullptr);
    EXPECT_EQ(view.presentation->Name(), "S52 Other");
    EXPECT_EQ(view.colourCount, 63);
    EXPECT_EQ(view.parameters.Count(), 45u);
    EXPECT_EQ(view.chartColourTable[6], 7) << "CHBLK of day bright";

    view.colours = nullptr;
    EXPECT_EQ(view.Init(0, &manager), 1) << "a ready view is not initialised again";

    // A 15-inch 4:3 monitor of 1024 x 768 pixels, less the start-up's 0.2 inch.
    ASSERT_EQ(view.SetMonitorGeometry(14.8, 4.0, 3.0, 1024, 768), 1);
    EXPECT_NEAR(view.pixelsPerMetreX, 3404.98, 0.01);
    EXPECT_NEAR(view.pixelsPerMetreY, 3404.98, 0.01);
    EXPECT_EQ(view.projectionBlock.devicePixelsPerMetreX, 3404);
    EXPECT_EQ(view.projectionBlock.devicePixelsPerMetreY, 3404);

    EXPECT_EQ(view.SetCentre(view.centre), 0);
    const GeoPoint harbour = Degrees(-76.4, 38.7);
    EXPECT_EQ(view.SetCentre(harbour), 1);
    ProjectionBlock block;
    ASSERT_EQ(view.projection->GetBlock(&block), kOk);
    EXPECT_EQ(block.centre, harbour);
    EXPECT_EQ(block.scale, 10000000);

    view.Release();
    EXPECT_EQ(view.state, 0);
    EXPECT_EQ(view.projection, nullptr);
    EXPECT_EQ(view.centre, harbour);
    EXPECT_EQ(view.SetMonitorGeometry(14.8, 4.0, 3.0, 1024, 768), 0);
}

// The default chart database: US4MD81M with its updates and the world base.
class DefaultChartDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new charttest::TemporaryFolder;
        charttest::InstallCachedDatabase(charttest::DefaultChartFiles(), folder_->path() / "engine", "Default");
        charttest::LinkTides(folder_->path() / "engine");
        charttest::WriteRegistry(folder_->path() / "registry.ini", folder_->path() / "engine", true);
    }
    static void TearDownTestSuite() { delete folder_; }

    static charttest::TemporaryFolder* folder_;
};

charttest::TemporaryFolder* DefaultChartDatabase::folder_ = nullptr;

TEST_F(DefaultChartDatabase, ChartLevelsInsideTheCellAreTheWorldAndTheApproach)
{
    MapManager manager(folder_->path() / "registry.ini");
    ASSERT_EQ(manager.Init(1), 1);
    std::vector<int32_t> bands;
    int32_t count = 0;
    ASSERT_EQ(manager.ChartLevelsAt(Degrees(-76.40, 38.70), bands, count), 1);
    EXPECT_EQ(bands, (std::vector<int32_t>{0, 4}));
    EXPECT_EQ(count, 2);
    ASSERT_EQ(manager.ChartLevelsAt(Degrees(-40.0, 30.0), bands, count), 1);
    EXPECT_EQ(bands, std::vector<int32_t>{0});
}

}  // namespace
