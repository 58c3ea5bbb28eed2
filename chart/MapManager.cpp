#include "chart/MapManager.h"

#include "chart/ObjectClassCodes.h"
#include "chart/PaletteFiles.h"
#include "platform/chartengine/DatabaseManager.h"
#include "platform/chartengine/EngineRegistry.h"
#include "platform/chartengine/EngineTopics.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <bitset>

using namespace chartengine;

MapManager* ChartEngine = nullptr;

namespace {

// The cover arguments of a position search that reaches every cell, whatever its scale.
constexpr int32_t kAllScalesCoarsest = 1000000000;
constexpr int32_t kAllScalesFinest = 0;
constexpr int32_t kUsageBandCount = 8;
constexpr uint32_t kPureWhite = 0xFFFFFF;
constexpr uint32_t kPureBlack = 0x000000;
constexpr uint32_t kChartWhite = 0xE0E0E0;
constexpr uint32_t kChartBlack = 0x010101;

}  // namespace

MapManager::MapManager(std::filesystem::path registryStoreFile)
    : lightNamePositions(LightNameCapacity), registryStoreFile_(std::move(registryStoreFile))
{
}

MapManager::~MapManager() { Shutdown(); }

std::optional<std::filesystem::path> MapManager::EngineFolder() const
{
    return EngineFolderOfStore(registryStoreFile_);
}

int MapManager::Init(int32_t openDatabase)
{
    const auto fail = [this] {
        Shutdown();
        return 0;
    };
    if (openDatabase != 0 && SetupGeoDatabases("") != 1)
        return fail();
    if (geoDatabases.empty() || !geoDatabases.front().database)
        return fail();
    currentGeoDatabase = geoDatabases.front().database.get();
    ReloadSymbolizations();
    presentationFactory = std::make_unique<PresentationFactory>();
    if (BuildPriorityList() != 1)
        return fail();
    if (Failed(currentGeoDatabase->StartupValue(&databaseValue)))
        return fail();
    dictionary = currentGeoDatabase->Dictionary();
    if (!dictionary)
        return fail();

    tidesDatabase = std::make_unique<TidesDatabase>();
    const std::optional<std::filesystem::path> engineFolder = EngineFolder();
    if (!engineFolder || tidesDatabase->Open(*engineFolder / kTidesFolderName) != kOk)
        return fail();
    int32_t portCount = 0;
    if (Failed(tidesDatabase->PortCount(&portCount)))
        return fail();
    tidePorts.assign(portCount, TMapTidePort{});
    for (int32_t i = 0; i < portCount; ++i) {
        double latitude = 0.0, longitude = 0.0;
        std::string name;
        if (Failed(tidesDatabase->Port(i, &latitude, &longitude, &name)))
            return fail();
        tidePorts[i].position = {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
        tidePorts[i].portIndex = i;
    }

    areaCheck1 = std::make_unique<AreaQuery>();
    areaCheck2 = std::make_shared<AreaCheckFilter>();
    if (Failed(areaCheck1->Attach(currentGeoDatabase)))
        return fail();
    state = 1;
    return 1;
}

void MapManager::Shutdown()
{
    state = 0;
    if (priorityListHandle != 0 && currentGeoDatabase)
        currentGeoDatabase->WithdrawPriorityList(priorityListHandle);
    priorityListHandle = 0;
    tidePorts.clear();
    for (TMapGeoDatabase& record : geoDatabases) {
        record.database.reset();
        record.companion.reset();
    }
    for (TMapSymbolization& record : symbolizations) {
        record.symbolization.reset();
        record.palette.reset();
    }
    geoDatabases.clear();
    symbolizations.clear();
    currentGeoDatabase = nullptr;
    lightNamePositions.clear();
    lightNamePositions.shrink_to_fit();
    checkPolygon.clear();
    symbolizationRegistry.reset();
    presentationFactory.reset();
    dictionary = nullptr;
    tidesDatabase.reset();
    areaCheck1.reset();
    areaCheck2.reset();
}

int MapManager::SetupGeoDatabases(const std::string& name)
{
    const std::optional<std::filesystem::path> engineFolder = EngineFolder();
    if (!engineFolder)
        return 0;
    TMapGeoDatabase record;
    record.name = name;
    record.database = std::make_unique<GeoDatabase>(*engineFolder);
    if (name.empty())
        DatabaseName(-1, record.name);
    if (Failed(record.database->Open(name)) || Failed(record.database->Topic(&record.topic)))
        return 0;
    record.companion = std::make_unique<GeoDatabaseCompanion>();
    record.companion->Attach(record.database.get());
    geoDatabases.push_back(std::move(record));
    return 1;
}

void MapManager::DatabaseName(int32_t index, std::string& name) const
{
    const std::optional<std::filesystem::path> engineFolder = EngineFolder();
    if (!engineFolder)
        return;
    const DatabaseManager manager(*engineFolder);
    if (index == -1 && Failed(manager.CurrentIndex(&index)))
        return;
    std::string text;
    if (!Failed(manager.Name(index, &text)))
        name = text;
}

HResult MapManager::ReloadSymbolizations()
{
    symbolizations.clear();
    for (const TMapGeoDatabase& record : geoDatabases)
        if (record.database)
            LoadSymbolizations(record.topic);
    return symbolizations.empty() ? kNotReady : kOk;
}

HResult MapManager::LoadSymbolizations(const Guid& topic)
{
    if (!symbolizationRegistry)
        symbolizationRegistry = std::make_unique<SymbolizationRegistry>();
    for (const std::string& name : RegistrySubkeys(registryStoreFile_, TopicPresentationsKey(topic))) {
        const bool loaded = std::any_of(symbolizations.begin(), symbolizations.end(), [&](const TMapSymbolization& s) {
            return s.topic == topic && s.name == name;
        });
        if (loaded)
            continue;
        std::unique_ptr<Symbolization> symbolization;
        if (symbolizationRegistry->CreateSymbolization(topic, name, {resolutionWidth, resolutionHeight},
                                                       &symbolization) == kOk)
            symbolizations.push_back({std::move(symbolization), name, nullptr, topic});
    }
    if (!(topic == kBaseSymbolizationTopic))
        EnsureDefaultSymbolization();
    return CreateChartPalette(colourScheme);
}

HResult MapManager::EnsureDefaultSymbolization()
{
    const bool present = std::any_of(symbolizations.begin(), symbolizations.end(),
                                     [](const TMapSymbolization& s) { return s.name == kS52SymbolizationName; });
    if (present)
        return kOk;
    if (!symbolizationRegistry)
        symbolizationRegistry = std::make_unique<SymbolizationRegistry>();
    std::unique_ptr<Symbolization> symbolization;
    HResult created = symbolizationRegistry->CreateSymbolization(
        kBaseSymbolizationTopic, kS52SymbolizationName, {resolutionWidth, resolutionHeight}, &symbolization);
    if (created != kOk)
        created = symbolizationRegistry->CreateSymbolization(
            kBaseSymbolizationTopic, kEngineSymbolizationName, {resolutionWidth, resolutionHeight}, &symbolization);
    if (created == kOk)
        symbolizations.push_back({std::move(symbolization), kS52SymbolizationName, nullptr, kBaseSymbolizationTopic});
    return created;
}

HResult MapManager::FindSymbolization(const std::string& name, Symbolization** symbolization) const
{
    if (!symbolization || name.empty())
        return kInvalidArgument;
    *symbolization = nullptr;
    for (const TMapSymbolization& record : symbolizations)
        if (record.name == name) {
            *symbolization = record.symbolization.get();
            return kOk;
        }
    return kNoInterface;
}

const ChartPalette* MapManager::WeatherPalette() const
{
    for (const TMapSymbolization& record : symbolizations)
        if (record.name == kWeatherSymbolizationName)
            return record.palette.get();
    return nullptr;
}

HResult MapManager::FindGeoDatabase(const std::string& name, GeoDatabase** database,
                                    GeoDatabaseCompanion** companion) const
{
    if (!database && !companion)
        return kNullPointer;
    if (database)
        *database = nullptr;
    if (companion)
        *companion = nullptr;
    for (const TMapGeoDatabase& record : geoDatabases) {
        if (record.name != name)
            continue;
        bool handedOut = false;
        if (database && record.database) {
            *database = record.database.get();
            handedOut = true;
        }
        if (companion && record.companion) {
            *companion = record.companion.get();
            handedOut = true;
        }
        return handedOut ? kOk : kInvalidArgument;
    }
    return kInvalidArgument;
}

HResult MapManager::CreateChartPalette(int32_t scheme)
{
    if (scheme < 0 || scheme >= kColourSchemeCount)
        return kInvalidArgument;
    if (symbolizations.empty())
        return kNoInterface;

    // Everything new is built first and only then replaces the old palettes and indices.
    symb_palette_t shared = StartChartPalette(scheme);
    std::vector<std::vector<uint16_t>> indices(symbolizations.size());
    std::vector<bool> coloured(symbolizations.size());
    for (size_t s = 0; s < symbolizations.size(); ++s) {
        const Symbolization* symbolization = symbolizations[s].symbolization.get();
        if (!symbolization)
            continue;
        shared.symbolizationName = symbolization->Name();
        std::vector<ColourEntry> colours;
        shared.status = LoadPaletteFiles({scheme, symbolization->Name(), {}, registryStoreFile_}, symbolization, colours);
        if (Failed(shared.status))
            continue;
        for (ColourEntry& colour : colours) {
            if (colour.colour == kPureWhite)
                colour.colour = kChartWhite;
            else if (colour.colour == kPureBlack)
                colour.colour = kChartBlack;
            indices[s].push_back(AddPaletteColour(shared, colour.colour));
        }
        coloured[s] = true;
    }
    std::vector<std::unique_ptr<ChartPalette>> palettes;
    for (size_t s = 0; s < symbolizations.size(); ++s)
        palettes.push_back(std::make_unique<ChartPalette>(shared.palette, shared.palette.count));

    for (size_t s = 0; s < symbolizations.size(); ++s) {
        if (coloured[s])
            symbolizations[s].symbolization->SetPaletteIndices(static_cast<int32_t>(indices[s].size()),
                                                              indices[s].data());
        symbolizations[s].palette = std::move(palettes[s]);
    }
    colourScheme = scheme;
    return kOk;
}

int MapManager::BuildPriorityList()
{
    if (!currentGeoDatabase)
        return 0;
    std::vector<TPriEntry> entries;
    for (size_t i = 0; i < ObjectClassCodes.size(); ++i)
        entries.push_back({ObjectClassCodes[i], static_cast<uint32_t>(i)});
    std::vector<PriorityRecord> records;
    for (const TPriEntry& entry : entries)
        records.push_back({entry.code, 0, entry.position, 0});
    if (Failed(currentGeoDatabase->InstallPriorityList(static_cast<int32_t>(records.size()), records.data(),
                                                       &priorityListHandle)))
        priorityListHandle = 0;
    return 1;
}

int MapManager::ChartLevelsAt(const cmgbase::GeoPoint& position, std::vector<int32_t>& bands, int32_t& count) const
{
    count = 0;
    bands.clear();
    std::unique_ptr<CellEnumerator> cells;
    if (!currentGeoDatabase || currentGeoDatabase->NewCellEnumerator(&cells) != kOk)
        return 0;
    cmgbase::GeoCover cover;
    cmgbase::GeoCover__asn_GeoRect(cover, {position.x, position.y, position.x, position.y}, kAllScalesCoarsest,
                                   kAllScalesFinest);
    if (cells->SetCover(cover) != kOk)
        return 0;
    std::bitset<kUsageBandCount> present;
    int32_t cellId = 0;
    HResult next;
    while ((next = cells->Next(&cellId)) == kOk) {
        std::vector<int32_t> words;
        if (Failed(currentGeoDatabase->CellDescription(cellId, &words)))
            return 0;
        if (words.size() <= kCellWordUsageBand)
            continue;
        const int32_t band = words[kCellWordUsageBand];
        if (band >= 0 && band < kUsageBandCount)
            present.set(band);
    }
    if (Failed(next))
        return 0;
    for (int32_t band = 0; band < kUsageBandCount; ++band)
        if (present.test(band))
            bands.push_back(band);
    count = static_cast<int32_t>(bands.size());
    return 1;
}

std::string MapManager::ReadMachineString(const std::string& key, const std::string& valueName) const
{
    return platform::RegistryStore(registryStoreFile_).readString(StoreKeyPath(key), valueName).value_or("");
}

void MapManager::SetCheckPolygon(const cmgbase::GeoPoint* points, int32_t count)
{
    if (!points || count <= 0)
        return;
    checkPolygon.assign(points, points + count);
}
