#include "platform/chartengine/ChartRadar.h"

#include "platform/chartengine/GeoDatabase.h"
#include "platform/chartengine/GeoProjection.h"
#include "platform/chartengine/MapViewport.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/IniFile.h"

#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace chartengine {

namespace {

constexpr double kMetresPerMile = 1852.0;
constexpr double kMetresPerStrobeNanosecond = 0.15;
constexpr double kMetresPerPositionUnit = 10.0;

double PulseMetres(int32_t pulseCode)
{
    switch (pulseCode) {
    case 4: return 12.0;
    case 5: return 45.0;
    case 6: return 90.0;
    default: return 180.0;
    }
}

// The device point of a position; false when the projection cannot show it.
bool ToDevice(const GeoProjection& projection, const MapViewport& viewport, double latitude, double longitude,
              QPointF* device)
{
    cmgbase::MetricPoint metric;
    if (Failed(projection.GeoToMetric({cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)}, &metric)))
        return false;
    DevicePoint point;
    if (Failed(viewport.MetricToDevice(&metric, 1, &point)))
        return false;
    *device = QPointF(point.x, point.y);
    return true;
}

}  // namespace

const std::vector<double>& ChartRadar::Ranges()
{
    static const std::vector<double> ranges = [] {
        std::vector<double> metres;
        for (double miles : {0.125, 0.25, 0.5, 0.75, 1.5, 3.0, 6.0, 12.0, 24.0, 48.0})
            metres.push_back(miles * kMetresPerMile);
        return metres;
    }();
    return ranges;
}

const std::vector<std::string>& ChartRadar::RangeLabels()
{
    // Short enough for a narrow range list: the fractions of a mile as radars name them.
    static const std::vector<std::string> labels{"1/8 NM", "1/4 NM", "1/2 NM", "3/4 NM", "1.5 NM",
                                                 "3 NM",   "6 NM",   "12 NM",  "24 NM",  "48 NM"};
    return labels;
}

int32_t ChartRadar::PulseCode(double rangeMetres)
{
    if (rangeMetres <= 0.75 * kMetresPerMile)
        return 4;
    if (rangeMetres <= 3.0 * kMetresPerMile)
        return 5;
    if (rangeMetres <= 12.0 * kMetresPerMile)
        return 6;
    return 7;
}

ChartRadar::ChartRadar(const GeoDatabase* chart, std::filesystem::path rangeFile, TargetSource targets)
    : chart_(chart), rangeFile_(std::move(rangeFile)), targets_(std::move(targets)), range_(Ranges()[6])
{
    picture_.Clear();
}

ChartRadar::~ChartRadar() = default;

HResult ChartRadar::Start(QObject* owner)
{
    if (!owner)
        return kInvalidArgument;
    ReadRangeFile();
    if (!revolution_) {
        revolution_ = std::make_unique<QTimer>();
        QObject::connect(revolution_.get(), &QTimer::timeout, [this] { StepFrame(); });
    }
    running_ = true;
    revolution_->start(kRevolutionMs);
    return kOk;
}

HResult ChartRadar::Stop()
{
    running_ = false;
    // Dropping the timer drops the notices still queued for it.
    revolution_.reset();
    return kOk;
}

void ChartRadar::ReadRangeFile()
{
    const platform::IniFile file(rangeFile_);
    rangeLevels_.clear();
    corrections_.clear();
    for (size_t i = 0; i < Ranges().size(); ++i) {
        const std::string text = file.readString("Radar", "Range." + std::to_string(i), "");
        const size_t comma = text.find(',');
        int64_t level = 0;
        if (comma == std::string::npos || !platform::ParseProfileInteger(text.substr(comma + 1), level))
            level = 0;
        rangeLevels_.push_back(static_cast<int32_t>(level));
    }
    for (int32_t level : rangeLevels_) {
        const std::string section = "Scale" + std::to_string(level);
        corrections_[level] = {file.readInteger(section, "AzimuthCorrection", 0),
                               file.readInteger(section, "ADCStrobDelay", 0),
                               file.readInteger(section, "DistanceCorrection", 0)};
    }
}

RadarLayout ChartRadar::Layout() const
{
    // The level of the smallest table range that holds the current range.
    const auto& ranges = Ranges();
    const size_t index = std::min<size_t>(
        size_t(std::lower_bound(ranges.begin(), ranges.end(), range_ - 1e-6) - ranges.begin()), ranges.size() - 1);
    Corrections correction;
    if (index < rangeLevels_.size())
        if (auto found = corrections_.find(rangeLevels_[index]); found != corrections_.end())
            correction = found->second;
    RadarLayout layout;
    layout.rotationDegrees = orientation_ + correction.azimuth * 360.0 / 65536.0;
    layout.rangeScale = 1.0 + rangeAdjustment_ / 100.0;
    layout.rangeShiftMetres = correction.distance - correction.strobeDelay * kMetresPerStrobeNanosecond;
    return layout;
}

void ChartRadar::StepFrame()
{
    if (!running_)
        return;
    ++frame_;
    if (positionKnown_) {
        const double tolerance = range_ / RadarPicture::kCells;
        const QPointF moved = sceneReady_ ? LocalFrame(latitude_, longitude_)
                                                .ToMetres({cmgbase::deg2nrm(sceneLongitude_),
                                                           cmgbase::deg2nrm(sceneLatitude_)})
                                          : QPointF();
        if (!sceneReady_ || sceneRange_ != range_ || std::hypot(moved.x(), moved.y()) > tolerance) {
            sceneFrame_ = LocalFrame(latitude_, longitude_);
            picture_.SetScene(chart_ ? CollectRadarScene(*chart_, sceneFrame_, range_) : RadarScene{}, range_);
            sceneLatitude_ = latitude_;
            sceneLongitude_ = longitude_;
            sceneRange_ = range_;
            sceneReady_ = true;
        }
        std::vector<QPointF> targets;
        if (targets_)
            for (const cmgbase::GeoPoint& target : targets_())
                targets.push_back(sceneFrame_.ToMetres(target));
        picture_.Build(targets, PulseMetres(PulseCode(range_)), settings_, Layout(), frame_);
        pictureReady_ = true;
    }
    QMetaObject::invokeMethod(revolution_.get(), [this] { Notify(); }, Qt::QueuedConnection);
}

void ChartRadar::Notify()
{
    if (!running_)
        return;
    // A listener may unadvise itself while it is told.
    const auto listeners = listeners_;
    for (const auto& [cookie, listener] : listeners)
        if (listeners_.contains(cookie))
            listener->OnNewFrame();
}

HResult ChartRadar::Draw(QPainter& painter)
{
    if (!projection_ || !viewport_)
        return kNotReady;
    if (!pictureReady_)
        return kOk;
    const double range = picture_.rangeMetres();
    const QPointF offset(adjustX_ * kMetresPerPositionUnit, adjustY_ * kMetresPerPositionUnit);
    QPointF centre, east, north;
    double latitude = 0, longitude = 0;
    sceneFrame_.ToDegrees(offset, &latitude, &longitude);
    if (!ToDevice(*projection_, *viewport_, latitude, longitude, &centre))
        return kFail;
    sceneFrame_.ToDegrees(offset + QPointF(range, 0), &latitude, &longitude);
    if (!ToDevice(*projection_, *viewport_, latitude, longitude, &east))
        return kFail;
    sceneFrame_.ToDegrees(offset + QPointF(0, range), &latitude, &longitude);
    if (!ToDevice(*projection_, *viewport_, latitude, longitude, &north))
        return kFail;
    // Image pixels to device points: the image spans twice the range, north up.
    const double half = RadarPicture::kImageSide / 2.0;
    const QPointF perEast = (east - centre) / half;
    const QPointF perNorth = (north - centre) / half;
    const QPointF origin = centre - perEast * half + perNorth * half;
    const QTransform toDevice(perEast.x(), perEast.y(), -perNorth.x(), -perNorth.y(), origin.x(), origin.y());
    painter.save();
    painter.setTransform(toDevice, true);
    painter.drawImage(QPointF(0, 0), picture_.image());
    painter.restore();
    return kOk;
}

HResult ChartRadar::GetProperty(int32_t code, RadarValue* value)
{
    if (!value)
        return kNullPointer;
    switch (code) {
    case RP_RANGETABLE: *value = Ranges(); break;
    case RP_RANGELABELS: *value = RangeLabels(); break;
    case RP_RANGE: *value = range_; break;
    case RP_CLUTTER: *value = settings_.sea + settings_.rain * 256 + settings_.gain * 65536; break;
    case RP_PROCESSOR: *value = int32_t(running_ ? 1 : 0); break;
    case RP_ADJUSTORIENT: *value = orientation_; break;
    case RP_ADJUSTRANGE: *value = rangeAdjustment_; break;
    case RP_ADJUSTPOS_X: *value = adjustX_; break;
    case RP_ADJUSTPOS_Y: *value = adjustY_; break;
    case RP_PALETTE: *value = settings_.palette; break;
    case RP_DRAWMAXRANGE: *value = int32_t(1); break;
    case RP_FRAMEINFO: *value = PulseCode(range_); break;
    default: return kInvalidArgument;
    }
    return kOk;
}

HResult ChartRadar::PutProperty(int32_t code, const RadarValue& value)
{
    if (code == RP_PROJECTION) {
        const auto* projection = std::get_if<std::shared_ptr<const GeoProjection>>(&value);
        if (!projection || !*projection)
            return kInvalidArgument;
        projection_ = *projection;
        return kOk;
    }
    if (code == RP_VIEWPORT) {
        const auto* viewport = std::get_if<const MapViewport*>(&value);
        if (!viewport || !*viewport)
            return kInvalidArgument;
        viewport_ = *viewport;
        return kOk;
    }
    double real = 0;
    int32_t integer = 0;
    if (!RadarValueToReal(value, &real) || !RadarValueToInteger(value, &integer))
        return kInvalidArgument;
    switch (code) {
    case RP_RANGE:
        if (!(real > 0))
            return kInvalidArgument;
        range_ = std::min(real, Ranges().back());
        return kOk;
    case RP_CLUTTER: {
        const int32_t sea = integer & 0xFF, rain = (integer >> 8) & 0xFF, gain = (integer >> 16) & 0xFF;
        if (integer < 0 || sea > 99 || rain > 99 || gain > 99)
            return kInvalidArgument;
        settings_.sea = sea;
        settings_.rain = rain;
        settings_.gain = gain;
        return kOk;
    }
    case RP_PALETTE:
        if (integer != 0 && integer != 1)
            return kInvalidArgument;
        settings_.palette = integer;
        return kOk;
    case RP_ADJUSTORIENT: orientation_ = integer; return kOk;
    case RP_ADJUSTRANGE: rangeAdjustment_ = real; return kOk;
    case RP_ADJUSTPOS_X: adjustX_ = real; return kOk;
    case RP_ADJUSTPOS_Y: adjustY_ = real; return kOk;
    default: return kInvalidArgument;
    }
}

HResult ChartRadar::GetOwnPosition(double* latitude, double* longitude, double* heading)
{
    if (!latitude || !longitude || !heading)
        return kNullPointer;
    *latitude = latitude_;
    *longitude = longitude_;
    *heading = heading_;
    return kOk;
}

HResult ChartRadar::PutOwnPosition(double latitude, double longitude, double heading)
{
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || !std::isfinite(heading) || std::abs(latitude) > 89.0)
        return kInvalidArgument;
    latitude_ = latitude;
    longitude_ = std::remainder(longitude, 360.0);
    heading_ = heading;
    positionKnown_ = true;
    return kOk;
}

HResult ChartRadar::Advise(RadarFrameListener* listener, uint32_t* cookie)
{
    if (!listener || !cookie)
        return kNullPointer;
    *cookie = nextCookie_++;
    listeners_[*cookie] = listener;
    return kOk;
}

HResult ChartRadar::Unadvise(uint32_t cookie)
{
    return listeners_.erase(cookie) ? kOk : kInvalidArgument;
}

}  // namespace chartengine
