#pragma once
// The one object through which the program holds the chart engine: the open chart database, the
// symbolizations registered for it with a palette each, the presentation factory, the
// drawing-priority list, the tide ports, the area checks of the look-ahead, and the chart usage
// bands at a position. Both chart views take their engine objects from it. Main thread only.
//
// The engine's folder is the value "KeyPath" of "SOFTWARE\C-Map\CM93v3\Enum" in the registry
// store (a relative path is taken from the store file's folder); it holds the installed chart
// databases and the folder "TIDES" with the tide harmonics file.

#include "chart/ChartPalette.h"
#include "chart/WindowCoordinates.h"
#include "platform/chartengine/AreaCheck.h"
#include "platform/chartengine/ChartDictionary.h"
#include "platform/chartengine/GeoDatabase.h"
#include "platform/chartengine/GeoDatabaseCompanion.h"
#include "platform/chartengine/Presentation.h"
#include "platform/chartengine/SymbolizationRegistry.h"
#include "platform/chartengine/TidesDatabase.h"
#include "platform/geodesy/GeoTypes.h"
#include "platform/system/RegistryStore.h"

#include <QImage>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class MapView;

struct TMapGeoDatabase {
    std::unique_ptr<chartengine::GeoDatabase> database;
    std::unique_ptr<chartengine::GeoDatabaseCompanion> companion;
    std::string name;
    chartengine::Guid topic;
};

struct TMapSymbolization {
    std::unique_ptr<chartengine::Symbolization> symbolization;
    std::string name;
    std::unique_ptr<ChartPalette> palette;  // null until CreateChartPalette builds it
    chartengine::Guid topic;
};

struct TMapTidePort {
    cmgbase::GeoPoint position;
    int32_t portIndex = 0;  // in the tides database
    int32_t reserved[2] = {0, 0};
};

// A tide port inside the main view, with its screen point there.
struct TVisibleTidePort {
    cmgbase::GeoPoint position;
    int32_t portIndex = 0;  // in the tide-port list
    int32_t x = 0;
    int32_t y = 0;
};
static_assert(sizeof(TVisibleTidePort) == 20);

// A class and its place in the drawing order.
struct TPriEntry {
    uint32_t code;
    uint32_t position;
};
static_assert(sizeof(TPriEntry) == 8);

inline constexpr int LightNameCapacity = 500;

class MapManager {
public:
    explicit MapManager(std::filesystem::path registryStoreFile =
                            platform::DefaultRegistryStoreFile(std::filesystem::current_path()));
    virtual ~MapManager();
    MapManager(const MapManager&) = delete;
    MapManager& operator=(const MapManager&) = delete;

    // 1 ready, 0 failed (everything built so far is released again). openDatabase 0 leaves the
    // opening of the database to the caller (SetupGeoDatabases before Init).
    int Init(int32_t openDatabase);
    // Releases everything the engine gave; state 0. Safe to run again.
    void Shutdown();

    // Opens an installed chart database (the current one for an empty name) and appends it; 1 / 0.
    int SetupGeoDatabases(const std::string& name);
    // The name of installed database index, of the current one for -1; name unchanged on failure.
    void DatabaseName(int32_t index, std::string& name) const;

    // kNotReady when no symbolization resulted, else kOk.
    chartengine::HResult ReloadSymbolizations();
    chartengine::HResult LoadSymbolizations(const chartengine::Guid& topic);
    chartengine::HResult EnsureDefaultSymbolization();
    // Hands out the manager's own symbolization: the caller must not keep it beyond the manager.
    chartengine::HResult FindSymbolization(const std::string& name, chartengine::Symbolization** symbolization) const;
    // The palette of the symbolization "wthr"; null when there is none.
    const ChartPalette* WeatherPalette() const;
    // Hands out the manager's own objects, like FindSymbolization.
    chartengine::HResult FindGeoDatabase(const std::string& name, chartengine::GeoDatabase** database,
                                         chartengine::GeoDatabaseCompanion** companion) const;
    chartengine::HResult CreateChartPalette(int32_t scheme);
    int BuildPriorityList();
    // The distinct usage bands 0..7 of the cells covering the position, ascending; 1 / 0.
    int ChartLevelsAt(const cmgbase::GeoPoint& position, std::vector<int32_t>& bands, int32_t& count) const;
    // The value under the key of the registry store; empty when missing.
    std::string ReadMachineString(const std::string& key, const std::string& valueName) const;
    // Keeps a copy of the polygon the look-ahead checks (nothing happens for no points).
    void SetCheckPolygon(const cmgbase::GeoPoint* points, int32_t count);
    // The area check of the stored polygon: the chart objects in it that are dangerous for a
    // vessel of the safety depth and height (metres), and the watched areas it enters. Mode 0
    // gives the objects nearest to the polygon's first point first, mode 1 in storage order.
    // dangerCount receives the dangers found (the walk stops at five), heightDangerCount those
    // of them that limit the height (bridges, overhead cables, pipelines and conveyors). With
    // enteredClass given the states of AreaWatchTable advance and it receives the lowest class
    // newly entered (0 none); without it the table is left as it is. The outputs start at 0.
    // 1 when the check ran, 0 when it did not (no polygon, an engine failure: the watched
    // classes then return to idle when watched).
    int CheckPolygon(float safetyDepth, float vesselHeight, int32_t* dangerCount, int32_t* enteredClass,
                     int32_t mode, int32_t* heightDangerCount = nullptr);
    // The same check of another polygon, as CheckPolygon without enteredClass: the stored
    // polygon of the look-ahead and the watched-area states stay as they were.
    int CheckOtherPolygon(const std::vector<cmgbase::GeoPoint>& polygon, float safetyDepth, float vesselHeight,
                          int32_t* dangerCount, int32_t* heightDangerCount);

    // Tides (TidePorts.cpp). The tide port nearest to position (of equal distances the later in
    // the list) and its height in metres at the instant utcSeconds, read from the day's
    // half-hour samples at the port's own date and standard time; portIndex receives its index
    // in the list. 1 found, 0 otherwise (no ports, no engine port, no prediction).
    int NearestTidePort(const cmgbase::GeoPoint& position, int64_t utcSeconds, int32_t* portIndex, std::string* name,
                        double* height) const;
    // The engine port of list index 0 .. count - 1; 1 / 0.
    int TidePort(int32_t index, std::unique_ptr<chartengine::TidesPort>* port) const;
    // The ports inside the view's chart area whose screen point lies in the window (edges
    // included); empty without ports or without a ready view.
    std::vector<TVisibleTidePort> VisibleTidePorts(const MapView* view, const WindowRect& window) const;

    // The engine's folder; nothing when the registry store does not name one.
    std::optional<std::filesystem::path> EngineFolder() const;

    int32_t state = 0;
    std::vector<TMapGeoDatabase> geoDatabases;
    std::vector<TMapSymbolization> symbolizations;
    chartengine::GeoDatabase* currentGeoDatabase = nullptr;  // the first record's database
    std::unique_ptr<chartengine::SymbolizationRegistry> symbolizationRegistry;
    std::unique_ptr<chartengine::PresentationFactory> presentationFactory;
    const chartengine::ChartDictionary* dictionary = nullptr;
    std::unique_ptr<chartengine::TidesDatabase> tidesDatabase;
    std::vector<TMapTidePort> tidePorts;
    std::unique_ptr<chartengine::AreaQuery> areaCheck1;
    std::shared_ptr<chartengine::AreaCheckFilter> areaCheck2;
    std::vector<cmgbase::GeoPoint> checkPolygon;
    int32_t resolutionWidth = 3500;
    int32_t resolutionHeight = 3500;
    int32_t colourScheme = 0;
    int32_t databaseValue = 0;
    int32_t priorityListHandle = 0;
    QImage markerIcon;  // null: none
    int32_t lightNameCount = 0;
    std::vector<cmgbase::GeoPoint> lightNamePositions;
    std::vector<std::string> lightNames;

    std::vector<MapView*> views;  // the main view, then the mini view

private:
    std::filesystem::path registryStoreFile_;
};

// The chart engine of the program (null while it is not started).
extern MapManager* ChartEngine;
