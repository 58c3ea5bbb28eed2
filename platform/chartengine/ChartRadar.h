#pragma once
// The engine's radar service: a picture made from the chart around the antenna, not read from
// radar hardware. Once per antenna revolution (kRevolutionMs) it makes a new frame from the land,
// shoreline constructions and conspicuous objects of the chart and the targets the program
// reports, with clutter and gain (RadarPicture.h), and tells its listeners from the main loop,
// never inside one of its own calls; none after Stop. Draw paints the newest frame.
//
// Units: ranges are metres of displayed radius; the orientation adjustment turns the picture
// clockwise by degrees; the range adjustment stretches distances by that many per cent; the dX and
// dY adjustments move it east and north by ten metres a unit. From the range file, read at Start,
// the scale level of the current range gives AzimuthCorrection (65536 = 360 degrees, clockwise),
// DistanceCorrection (metres outwards) and ADCStrobDelay (nanoseconds; the echoes come 0.15 m a
// nanosecond closer).

#include "platform/chartengine/RadarPicture.h"
#include "platform/chartengine/RadarService.h"
#include "platform/geodesy/GeoTypes.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>

class QTimer;

namespace chartengine {

class GeoDatabase;

class ChartRadar : public RadarService {
public:
    static constexpr int kRevolutionMs = 2500;
    using TargetSource = std::function<std::vector<cmgbase::GeoPoint>()>;

    // chart: the database the picture is made from (null: targets and clutter only); rangeFile:
    // the radar's Rp.ini; targets: the positions of the targets to show.
    ChartRadar(const GeoDatabase* chart, std::filesystem::path rangeFile, TargetSource targets);
    ~ChartRadar() override;

    HResult Start(QObject* owner) override;
    HResult Stop() override;
    HResult GetProperty(int32_t code, RadarValue* value) override;
    HResult PutProperty(int32_t code, const RadarValue& value) override;
    HResult GetOwnPosition(double* latitude, double* longitude, double* heading) override;
    HResult PutOwnPosition(double latitude, double longitude, double heading) override;
    HResult Draw(QPainter& painter) override;
    HResult Advise(RadarFrameListener* listener, uint32_t* cookie) override;
    HResult Unadvise(uint32_t cookie) override;

    // Makes the next frame now, as the revolution does, and queues its notice; nothing while the
    // radar is stopped.
    void StepFrame();
    uint64_t frameNumber() const { return frame_; }

    // The range table (metres) and its labels, 1/8 to 48 nautical miles.
    static const std::vector<double>& Ranges();
    static const std::vector<std::string>& RangeLabels();
    // The pulse code a range is shown with: 4 SP, 5 MP1, 6 MP2, 7 LP.
    static int32_t PulseCode(double rangeMetres);

private:
    struct Corrections {
        int32_t azimuth = 0;
        int32_t strobeDelay = 0;
        int32_t distance = 0;
    };

    void ReadRangeFile();
    RadarLayout Layout() const;
    void Notify();

    const GeoDatabase* chart_;
    std::filesystem::path rangeFile_;
    TargetSource targets_;
    std::unique_ptr<QTimer> revolution_;
    bool running_ = false;
    uint64_t frame_ = 0;

    std::shared_ptr<const GeoProjection> projection_;
    const MapViewport* viewport_ = nullptr;
    bool positionKnown_ = false;
    double latitude_ = 0.0, longitude_ = 0.0, heading_ = 0.0;
    double range_;
    RadarSettings settings_;
    int32_t orientation_ = 0;
    double rangeAdjustment_ = 0.0, adjustX_ = 0.0, adjustY_ = 0.0;
    std::vector<int32_t> rangeLevels_;            // per table range, from the range file
    std::map<int32_t, Corrections> corrections_;  // by level

    // The picture and the place and range its scene was found for.
    RadarPicture picture_;
    bool sceneReady_ = false;
    LocalFrame sceneFrame_;
    double sceneLatitude_ = 0.0, sceneLongitude_ = 0.0, sceneRange_ = 0.0;
    bool pictureReady_ = false;

    std::map<uint32_t, RadarFrameListener*> listeners_;
    uint32_t nextCookie_ = 1;
};

}  // namespace chartengine
