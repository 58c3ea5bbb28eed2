#pragma once
// The one object through which the program uses the engine's weather services: the weather
// tool (the forecast data), the update service (new forecasts) and the client (the layer over
// the main chart). It keeps the weather groups and which are shown, runs the request chain,
// answers values, and reports every event to one status callback.

#include "platform/chartengine/WeatherClient.h"
#include "platform/chartengine/WeatherTool.h"
#include "platform/chartengine/WeatherUpdate.h"
#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class MapView;

// (event kind, code, value A, value B, text); the weather display's ShowWeatherStatus.
using WeatherStatusCallback = int32_t (*)(int32_t kind, int32_t code, int32_t a, int32_t b, const char* text);

// What a value query answers without a value.
inline constexpr double WeatherNoValue = 1.7e308;
// A service value at or above this is missing.
inline constexpr double WeatherMissingValue = 1.797693134862316e300;

enum WeatherState : int32_t { WeatherNotInitialised = 0, WeatherReady = 1, WeatherCallFailed = 2, WeatherInitFailed = -1 };

class WeatherGroup {
public:
    virtual ~WeatherGroup() = default;
    int32_t code = 0;
    std::string name;
    int32_t shown = 0;
    std::vector<int32_t> available;  // parameter codes the data hold
};

class SubZone {
public:
    virtual ~SubZone() = default;
    std::string name;
    double south = 0, west = 0, north = 0, east = 0;
    double expiry = 0;  // days since 30 December 1899
    bool IsWorld() const { return south == -90 && west == -180 && north == 90 && east == 180; }
};

// How the manager makes the engine's weather services; the tests hand in services whose steps
// fail. A maker that gives null is a service that cannot be created.
struct WeatherServiceMaker {
    std::function<std::shared_ptr<chartengine::WeatherTool>()> tool;
    std::function<std::shared_ptr<chartengine::WeatherUpdate>()> update;
};
// The services of the program folder (ProgramFolder) and the engine's folder (its weather.ini).
WeatherServiceMaker ProgramWeatherServices();

class WeatherManager {
public:
    explicit WeatherManager(WeatherServiceMaker services = ProgramWeatherServices());
    virtual ~WeatherManager();
    WeatherManager(const WeatherManager&) = delete;
    WeatherManager& operator=(const WeatherManager&) = delete;

    int32_t Init(MapView* view);
    int32_t UnInit();
    void InitGeo();
    void UpdateParams(int32_t group);
    void ShowGroup(int32_t group, int32_t on);
    static std::string GroupName(int32_t group);
    int32_t GroupCode(int32_t index) const;
    bool GroupHasData(int32_t group) const;
    bool IsGroupShown(int32_t group) const;
    bool AnyGroupShown() const;
    int32_t GetPredictionsCount();
    int32_t GetActivePredictionIndex();
    bool SetActivePredictionIndex(int32_t index);
    int32_t GetSmooth();
    bool isReady();
    void OnClientNotify();

    // Requests (WeatherRequests.cpp).
    int32_t OnProgress(int32_t status, int32_t a, int32_t b);
    int32_t GetUpdateStatus() const;
    int32_t StartWeatherRequest();
    void CancelWeatherRequest();
    int32_t StartStatusRequest();
    void CancelStatusRequest();
    int32_t StartLastWeatherDateRequest();
    int32_t StartLastCycloneDateRequest();
    int32_t StartSubZonesRequest();
    void _UpdateProperties();
    void _UpdateLastWeatherDate();
    void _UpdateLastCycloneDate();
    void ParseSubZones();
    bool BuildRequestArea(double* south, double* west, double* north, double* east);

    // Values (WeatherValues.cpp).
    double GetValueAt(int32_t code, double lat, double lon) const;
    double GetForecastValueAt(int32_t code, int32_t index, double lat, double lon) const;
    bool GetDirectionAt(int32_t code, double lat, double lon, double* first, double* second) const;

    int32_t state() const { return state_; }
    // The last error; reading it changes nothing.
    const std::string& ErrorText() const { return errorText_; }
    chartengine::WeatherClient* Client() const { return client_.get(); }
    // The current local date and time as days since 30 December 1899 (a test may stop it).
    std::function<double()> now;

    WeatherStatusCallback statusCallback = nullptr;
    double forecastStart = 0;
    double forecastEnd = 0;
    double toolValue17 = 0;
    double lastWeatherDate = 0;
    double lastCycloneDate = 0;
    cmgbase::GeoRect dataArea{-195786347, 599496227, 500185907, 896433057};
    int32_t timeStep = 6;
    int32_t firstForecastHour = 0;
    int32_t forecastLength = 240;
    int32_t layerPressure = 1, layerTemperature = 1, layerWind = 1, layerWave = 1, layerPrecipitation = 1;
    std::vector<SubZone> subZones;
    std::string statusText;
    int32_t weatherRequestPending = 0;
    int32_t statusRequestPending = 0;
    std::vector<WeatherGroup> groups;
    std::vector<int32_t> rememberedGroups;
    int32_t viewAttached = 0;

    // An event sink: forwards one service's events to its owner while the owner link is set.
    class Sink {
    public:
        virtual ~Sink() = default;
        // 0 success; 0x80020003 for an event it does not know.
        virtual int32_t InvokeEvent(int32_t dispatchId, const std::vector<int32_t>& arguments) = 0;
        WeatherManager* owner = nullptr;
        int32_t cookie = 0;
    };
    class WeatherToolSink;
    class WeatherClientSink;
    class WeatherUpdateSink;

private:
    void fail(const std::string& text);
    bool refuseUninitialised(const char* operation);
    bool requestChecks(const char* operation, const char* checkName, const char* busyText);
    int32_t startKindRequest(int32_t kind, const char* operation, const char* checkName);
    int32_t endWeatherRequest(const std::string& status);
    void clientProperty(int32_t code, int32_t* value, bool* ok) const;
    void restoreAfterRequest();
    bool cancelPending(int32_t status, int32_t kind, bool clear);
    void report(int32_t kind, int32_t code, int32_t a, int32_t b, const char* text);

    WeatherServiceMaker services_;
    int32_t state_ = WeatherNotInitialised;
    std::string errorText_ = "No error (yet).";
    std::shared_ptr<chartengine::WeatherTool> tool_;
    std::shared_ptr<chartengine::WeatherClient> client_;
    std::shared_ptr<chartengine::WeatherUpdate> update_;
    MapView* view_ = nullptr;
    std::unique_ptr<Sink> toolSink_, clientSink_, updateSink_;
    // The weather request asked for the date or the sub-zones once: when that brought nothing
    // it ends instead of asking again.
    bool weatherAskedDate_ = false;
    bool weatherAskedZones_ = false;
};

// The weather service of the program (null while it is not started).
extern WeatherManager* WeatherService;

// The weather display's status callback (TWeatherDlg.cpp).
int32_t ShowWeatherStatus(int32_t kind, int32_t code, int32_t a, int32_t b, const char* text);
