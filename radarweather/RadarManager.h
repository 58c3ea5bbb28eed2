#pragma once
// The program's gateway to the chart engine's radar service (platform/chartengine/RadarService.h):
// creates it, ties it to the main chart view, starts and stops the overlay, feeds it the antenna
// position, sets range, clutter, palette and adjustments, draws its picture, and reports every new
// frame to a status callback. It also reads and writes the range file Rp.ini (RadarRangeFile.cpp).
// Every failure leaves "<RadarManager::Operation()> text" in the error text; nothing is thrown
// or shown.

#include "platform/chartengine/RadarService.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class MapView;
class QObject;
class QPainter;

// Called on every new frame with kind 0, the frame info and an empty text.
using RadarStatusCallback = int32_t (*)(int32_t kind, int32_t value, const char* text);

class RadarManager {
public:
    // 0 not initialised, 1 ready, 2 the last call failed (still initialised), -1 critical failure
    // in Init (a new Init is refused until UnInit).
    enum RadarState : int32_t { NotInitialised = 0, Ready = 1, CallFailed = 2, InitFailed = -1 };

    // Makes the radar service for a view; null when it cannot be made.
    using ServiceFactory = std::function<std::unique_ptr<chartengine::RadarService>(MapView& view)>;

    // The program's radar service (ProgramRadarServiceMaker of ChartRadarService.h) over the range
    // file of the program folder.
    RadarManager();
    RadarManager(ServiceFactory factory, std::filesystem::path rangeFile);
    // Releases the service and the sink in any state.
    virtual ~RadarManager();
    RadarManager(const RadarManager&) = delete;
    RadarManager& operator=(const RadarManager&) = delete;

    // 0 success, 1 failure.
    int Init(MapView* view);
    void UnInit();
    int SetMapView(MapView* view);
    int GetRanges();
    void ReadState();
    void ReadAdjustments();
    void ReadScales();

    // Starts the overlay for window; 0 success, 1 failure.
    int Start(QObject* window);
    int Stop();
    int32_t CMRadar_OnNewFrame();
    void SetPos(double latitude, double longitude, double heading);
    void SetRange(double newRange);
    void SetClutter(int32_t newSea, int32_t newRain, int32_t newGain);
    void SetPalette(int32_t newPalette);
    void SetAdjustments(int32_t orientation, double rangeValue, double dX, double dY);
    // Paints the picture through painter (device coordinates, y up); 0 / 1.
    int Draw(QPainter& painter);

    // The corrections of scale level (section "Scale" + (level + 1)); 1 written / 0 not, and the
    // values (0 on any failure).
    int SetAzimuthCorrection(int32_t level, int32_t value);
    int SetADCStrobDelay(int32_t level, int32_t value);
    int SetDistanceCorrection(int32_t level, int32_t value);
    int32_t GetAzimuthCorrection(int32_t level);
    int32_t GetADCStrobDelay(int32_t level);
    int32_t GetDistanceCorrection(int32_t level);
    // Sets the range that belongs to scale level.
    void SetScale(int32_t level);

    int32_t state() const { return state_; }
    // The last error text; reading it changes nothing.
    const std::string& ErrorText() const { return errorText_; }
    void ClearCallFailure();
    const std::filesystem::path& rangeFile() const { return rangeFile_; }

    RadarStatusCallback statusCallback = nullptr;
    int32_t running = 0;
    std::vector<double> ranges;
    std::vector<std::string> rangeLabels;
    std::vector<int32_t> rangeLevels;
    int32_t scaleCount = 0;
    double ownLatitude = 0.0;
    double ownLongitude = 0.0;
    double ownHeading = 0.0;
    double range = 0.0;
    int32_t sea = 0;
    int32_t rain = 0;
    int32_t gain = 0;
    int32_t frameInfo = 0;
    int32_t drawMaxRange = 1;
    int32_t palette = 0;
    int32_t orientationAdjustment = 0;
    double rangeAdjustment = 0.0;
    double dxAdjustment = 0.0;
    double dyAdjustment = 0.0;

private:
    class RadarSink;
    enum class Correction { Azimuth, StrobeDelay, Distance };

    void fail(const char* operation, const std::string& tail, RadarState newState = CallFailed);
    bool refusedWhileNotInitialised(const char* operation);
    bool getProperty(int32_t code, chartengine::RadarValue* value);
    int writeCorrection(const char* operation, Correction which, int32_t level, int32_t value);
    int32_t readCorrection(const char* operation, Correction which, int32_t level);

    ServiceFactory factory_;
    std::filesystem::path rangeFile_;
    int32_t state_ = NotInitialised;
    std::string errorText_ = "No error (yet).";
    std::unique_ptr<chartengine::RadarService> service_;
    MapView* mapView_ = nullptr;
    std::unique_ptr<RadarSink> sink_;
};

// The radar manager of the program (null while there is none).
extern RadarManager* RadarService;
