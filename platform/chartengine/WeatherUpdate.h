#pragma once
// The weather update service: takes new forecasts from the ship's GRIB source, named in the
// configuration file "weather.ini" of the engine's folder:
//   [Source] Location = a folder (relative to the program folder) where GRIB files are dropped
//            (by mail, satellite ...; made when missing), or an http(s) URL of a GRIB file,
//            streamed into "weather-download.grb.part" of the program folder (beside the data
//            file), which goes at the end of the request, on a failure and on a cancel;
//   [SubZones] Count, then i\Name, i\South, i\West, i\North, i\East, i\Expiry (yyyy-MM-dd).
// A request runs in stages on the main loop; each stage is told to the listeners as event 1
// with (done, total, status word), the status word being kind | stage (bit 31 on an error):
// the manager reads the middle as A and the first as B, and the dialog shows B of A.
// A weather request takes the newest source file, keeps the selected groups' messages of the
// steps from the one covering the present time up to the forecast length on the time step,
// cut to the request area on the source grid, writes them beside the data file, decodes the
// result whole and renames it over the data file; the attached tool then holds the new data
// before the stage 8 event. The first forecast hour drops no step: the present time stays
// covered.

#include "platform/chartengine/EngineStatus.h"
#include "platform/chartengine/WeatherListeners.h"
#include "platform/chartengine/WeatherTool.h"

#include <QPointer>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QFile;
class QNetworkAccessManager;
class QNetworkReply;

namespace chartengine {

inline constexpr char kWeatherConfigFileName[] = "weather.ini";

// Request kinds, also the kind bits of the status word.
inline constexpr int32_t kRequestLastWeatherDate = 0x10000;
inline constexpr int32_t kRequestWeather = 0x20000;
inline constexpr int32_t kRequestSubZones = 0x40000;
inline constexpr int32_t kRequestLastCycloneDate = 0x100000;
inline constexpr int32_t kStatusError = static_cast<int32_t>(0x80000000u);

// Update properties.
inline constexpr int32_t kUpdateStatus = 0;
inline constexpr int32_t kUpdateLastWeatherDate = 0x10001;
inline constexpr int32_t kUpdateLastCycloneDate = 0x100001;
inline constexpr int32_t kUpdateZoneCount = 0x40100;
inline constexpr int32_t kUpdateZoneName = 0x40200, kUpdateZoneSouth = 0x40300, kUpdateZoneNorth = 0x40500;
inline constexpr int32_t kUpdateZoneWest = 0x40400, kUpdateZoneEast = 0x40600, kUpdateZoneExpiry = 0x40700;
inline constexpr int32_t kUpdateGroups = 0x20001, kUpdateFirstHour = 0x20002, kUpdateLength = 0x20003;
inline constexpr int32_t kUpdateStep = 0x20004, kUpdateSouth = 0x20005, kUpdateWest = 0x20006;
inline constexpr int32_t kUpdateNorth = 0x20007, kUpdateEast = 0x20008, kUpdateFileName = 0x20009;
// The plain reason of the last failed request (a string).
inline constexpr int32_t kUpdateErrorReason = 0x20010;

class WeatherUpdate {
public:
    WeatherUpdate(std::filesystem::path programFolder, std::filesystem::path configFile);
    virtual ~WeatherUpdate();
    WeatherUpdate(const WeatherUpdate&) = delete;
    WeatherUpdate& operator=(const WeatherUpdate&) = delete;

    virtual HResult ClearRequest(int32_t kind);
    virtual HResult PutProperty(int32_t code, const WeatherProperty& value);
    virtual HResult GetProperty(int32_t code, WeatherProperty* value) const;
    // kFail while another request runs or for an unknown kind.
    virtual HResult StartRequest(int32_t kind);
    // Stops the running request of kind at once (no further event); kFalse when none runs.
    virtual HResult CancelRequest(int32_t kind);

    virtual HResult Advise(WeatherListeners::Listener listener, int32_t* cookie);
    virtual HResult Unadvise(int32_t cookie);
    size_t ListenerCount() const { return listeners_.Count(); }

    void AttachTool(std::shared_ptr<WeatherTool> tool) { tool_ = std::move(tool); }

private:
    struct Zone {
        std::string name;
        double south = 0, west = 0, north = 0, east = 0, expiry = 0;
    };
    struct Source {
        bool http = false;
        std::filesystem::path folder;
        std::string url;
    };

    bool ReadConfiguration(Source* source, std::vector<Zone>* zones, std::string* why) const;
    void Stage(int32_t stage, int32_t total = 0, int32_t done = 0);
    void Fail(const std::string& why);
    void Finish();
    void Next(void (WeatherUpdate::*step)());
    bool ReadSource(Source* source, std::vector<Zone>* zones);
    void RunDateRequest();
    void RunZoneRequest();
    void RunWeatherRequest();
    void Fetch(const std::string& url);
    void FetchDone(const std::string& url);
    // Ends a download under way and removes what it wrote.
    void StopDownload();
    // Drops the request in hand: its queued steps and replies are ignored from now on, a
    // download ends and the files it wrote go.
    void Abandon();
    void CutAndReplace();
    bool NewestSourceFile(const Source& source, std::filesystem::path* file, double* reference, std::string* why) const;

    std::filesystem::path programFolder_;
    std::filesystem::path configFile_;
    std::shared_ptr<WeatherTool> tool_;
    WeatherListeners listeners_;
    std::map<int32_t, WeatherProperty> properties_;
    int32_t running_ = 0;     // the kind of the running request, 0 for none
    int32_t status_ = 0;
    int32_t generation_ = 0;  // steps of an earlier (cancelled) request do nothing
    std::string reason_;
    std::filesystem::path sourceFile_;
    std::filesystem::path temporaryFile_;
    std::unique_ptr<QNetworkAccessManager> network_;
    QPointer<QNetworkReply> reply_;
    std::unique_ptr<QFile> download_;
    std::filesystem::path downloadFile_;
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace chartengine
