#include "radarweather/RadarManager.h"

#include "chart/MapView.h"
#include "radarweather/ChartRadarService.h"

#include <cstdio>

using chartengine::Failed;
using chartengine::RadarValue;

RadarManager* RadarService = nullptr;

// Tells the owner of each new frame; the owner is cleared before the sink is disconnected, so a
// frame that still arrives then does nothing.
class RadarManager::RadarSink : public chartengine::RadarFrameListener {
public:
    RadarSink(RadarManager* owner, chartengine::RadarService* source) : owner(owner), source(source) {}

    void OnNewFrame() override
    {
        if (owner)
            owner->CMRadar_OnNewFrame();
    }

    uint32_t cookie = 0;
    RadarManager* owner;
    chartengine::RadarService* source;
};

RadarManager::RadarManager() : RadarManager(ProgramRadarServiceMaker, RadarRangeFile()) {}

RadarManager::RadarManager(ServiceFactory factory, std::filesystem::path rangeFile)
    : factory_(std::move(factory)), rangeFile_(std::move(rangeFile))
{
}

RadarManager::~RadarManager()
{
    // Not only above state 0: a critical Init failure leaves the service and a connected sink.
    if (state_ > 0 || service_ || sink_)
        UnInit();
}

void RadarManager::fail(const char* operation, const std::string& tail, RadarState newState)
{
    state_ = newState;
    errorText_ = std::string("<RadarManager::") + operation + "()> " + tail;
}

bool RadarManager::refusedWhileNotInitialised(const char* operation)
{
    if (state_ >= Ready)
        return false;
    errorText_ = std::string("<RadarManager::") + operation + "()> RadarManager not initialized.";
    return true;
}

void RadarManager::ClearCallFailure()
{
    if (state_ == CallFailed)
        state_ = Ready;
}

bool RadarManager::getProperty(int32_t code, RadarValue* value)
{
    *value = std::monostate{};
    return service_ && !Failed(service_->GetProperty(code, value));
}

int RadarManager::Init(MapView* view)
{
    if (state_ == Ready || state_ == CallFailed) {
        fail("Init", "Manager already initialized.", static_cast<RadarState>(state_));
        return 1;
    }
    if (state_ == InitFailed) {
        fail("Init", "Call UnInit before Init after critical error.", InitFailed);
        return 1;
    }
    if (!view) {
        fail("Init", "Specified MapView was NULL.", NotInitialised);
        return 1;
    }
    if (view->state != 1) {
        fail("Init", "MapView not initialized.", InitFailed);
        return 1;
    }
    service_ = factory_ ? factory_(*view) : nullptr;
    if (!service_) {
        fail("Init", "failed to initialize ICMRadar interface.", InitFailed);
        return 1;
    }
    sink_ = std::make_unique<RadarSink>(this, service_.get());
    if (Failed(service_->Advise(sink_.get(), &sink_->cookie))) {
        sink_.reset();
        fail("Init", "failed to connect Radar event sink.", InitFailed);
        return 1;
    }
    if (SetMapView(view) != 0)
        return 1;
    if (GetRanges() != 0) {
        fail("Init", "failed to retrieve radar ranges.", InitFailed);
        return 1;
    }
    state_ = Ready;
    ReadState();
    ReadAdjustments();
    ReadScales();
    return 0;
}

void RadarManager::UnInit()
{
    ranges.clear();
    rangeLabels.clear();
    rangeLevels.clear();
    if (running != 0)
        Stop();
    running = 0;
    if (sink_) {
        sink_->owner = nullptr;
        if (service_ && Failed(service_->Unadvise(sink_->cookie)))
            fail("UnInit", "failed to disconnect Radar event sink.");
        sink_.reset();
    }
    service_.reset();
    mapView_ = nullptr;
    state_ = NotInitialised;
}

int RadarManager::SetMapView(MapView* view)
{
    if (!view) {
        fail("SetMapView", "Specified MapView was NULL.", static_cast<RadarState>(state_));
        return 1;
    }
    if (view->state != 1) {
        fail("SetMapView", "MapView not initialized.", InitFailed);
        return 1;
    }
    mapView_ = view;
    if (!service_ || Failed(service_->PutProperty(chartengine::RP_PROJECTION,
                                                  std::shared_ptr<const chartengine::GeoProjection>(view->projection)))) {
        fail("SetMapView", "failed to initialize ICMRadar with GeoProjection.", InitFailed);
        return 1;
    }
    if (Failed(service_->PutProperty(chartengine::RP_VIEWPORT,
                                     static_cast<const chartengine::MapViewport*>(view->viewport.get())))) {
        fail("SetMapView", "failed to initialize ICMRadar with MapViewport.", InitFailed);
        return 1;
    }
    return 0;
}

int RadarManager::GetRanges()
{
    ranges.clear();
    rangeLabels.clear();
    RadarValue table, labels;
    if (!getProperty(chartengine::RP_RANGETABLE, &table) || !getProperty(chartengine::RP_RANGELABELS, &labels)) {
        fail("GetRanges", "ICMRadar->get_Property failed.");
        return 1;
    }
    const auto* values = std::get_if<std::vector<double>>(&table);
    const auto* texts = std::get_if<std::vector<std::string>>(&labels);
    if (!values || !texts)
        return 1;
    for (size_t i = 0; i < values->size() && i < texts->size(); ++i) {
        rangeLabels.push_back((*texts)[i]);
        ranges.push_back((*values)[i]);
    }
    return 0;
}

void RadarManager::ReadState()
{
    if (!service_) {
        fail("ReadState", "m_pICMRadar is NULL.");
        return;
    }
    if (Failed(service_->GetOwnPosition(&ownLatitude, &ownLongitude, &ownHeading)))
        fail("ReadState", "ICMRadar->GetOwnPosition failed.");
    RadarValue value;
    if (!getProperty(chartengine::RP_RANGE, &value))
        fail("ReadState", "ICMRadar->get_Property(RP_RANGE) failed.");
    chartengine::RadarValueToReal(value, &range);
    if (!getProperty(chartengine::RP_DRAWMAXRANGE, &value))
        fail("ReadState", "ICMRadar->get_Property(RP_DRAWMAXRANGE) failed.");
    chartengine::RadarValueToInteger(value, &drawMaxRange);
    if (!getProperty(chartengine::RP_CLUTTER, &value))
        fail("ReadState", "ICMRadar->get_Property(RP_CLUTTER) failed.");
    int32_t clutter = 0;
    chartengine::RadarValueToInteger(value, &clutter);
    sea = clutter & 0xFF;
    rain = (clutter >> 8) & 0xFF;
    gain = (clutter >> 16) & 0xFF;
    if (!getProperty(chartengine::RP_PALETTE, &value))
        fail("ReadState", "ICMRadar->get_Property(RP_PALETTE) failed.");
    chartengine::RadarValueToInteger(value, &palette);
}

void RadarManager::ReadAdjustments()
{
    if (!service_) {
        fail("ReadAdjustments", "m_pICMRadar is NULL.");
        return;
    }
    RadarValue value;
    if (!getProperty(chartengine::RP_ADJUSTORIENT, &value))
        fail("ReadAdjustments", "ICMRadar->get_Property(RP_ADJUSTORIENT) failed.");
    chartengine::RadarValueToInteger(value, &orientationAdjustment);
    if (!getProperty(chartengine::RP_ADJUSTRANGE, &value))
        fail("ReadAdjustments", "ICMRadar->get_Property(RP_ADJUSTRANGE) failed.");
    chartengine::RadarValueToReal(value, &rangeAdjustment);
    if (!getProperty(chartengine::RP_ADJUSTPOS_X, &value))
        fail("ReadAdjustments", "ICMRadar->get_Property(RP_ADJUSTPOS_X) failed.");
    chartengine::RadarValueToReal(value, &dxAdjustment);
    if (!getProperty(chartengine::RP_ADJUSTPOS_Y, &value))
        fail("ReadAdjustments", "ICMRadar->get_Property(RP_ADJUSTPOS_Y) failed.");
    chartengine::RadarValueToReal(value, &dyAdjustment);
}

int RadarManager::Start(QObject* window)
{
    if (refusedWhileNotInitialised("Start"))
        return 1;
    if (!window) {
        fail("Start", "Provided hWnd was NULL.");
        return 1;
    }
    if (running != 0) {
        fail("Start", "Radar overlay already running.");
        return 1;
    }
    const chartengine::HResult started = service_->Start(window);
    if (Failed(started)) {
        char code[16];
        std::snprintf(code, sizeof code, "%X", static_cast<uint32_t>(started));
        fail("Start", std::string("ICMRadar->Start failed. (") + code + ")");
        return 1;
    }
    RadarValue value;
    int32_t processor = 0;
    if (!getProperty(chartengine::RP_PROCESSOR, &value)) {
        fail("Start", "ICMRadar->get_Property failed.");
    } else {
        chartengine::RadarValueToInteger(value, &processor);
        if (processor != 0) {
            running = 1;
            return 0;
        }
        fail("Start", "Could not start radar processor.");
    }
    // The service was started: stop it again, or it would run while running stays 0 and the
    // next Start would start it a second time.
    service_->Stop();
    return 1;
}

int RadarManager::Stop()
{
    if (refusedWhileNotInitialised("Stop"))
        return 1;
    if (running == 0) {
        fail("Stop", "Radar overlay is not running.");
        return 1;
    }
    if (Failed(service_->Stop())) {
        fail("Stop", "ICMRadar->Stop failed.");
        return 1;
    }
    running = 0;
    return 0;
}

int32_t RadarManager::CMRadar_OnNewFrame()
{
    RadarValue value;
    if (!getProperty(chartengine::RP_FRAMEINFO, &value))
        fail("CMRadar_OnNewFrame", "ICMRadar->get_Property failed.");
    frameInfo = 0;
    chartengine::RadarValueToInteger(value, &frameInfo);
    return statusCallback ? statusCallback(0, frameInfo, "") : 0;
}

void RadarManager::SetPos(double latitude, double longitude, double heading)
{
    if (refusedWhileNotInitialised("SetPos"))
        return;
    if (Failed(service_->PutOwnPosition(latitude, longitude, heading))) {
        fail("SetPos", "ICMRadar->PutOwnPosition failed.");
        return;
    }
    ownLatitude = latitude;
    ownLongitude = longitude;
    ownHeading = heading;
}

void RadarManager::SetRange(double newRange)
{
    if (refusedWhileNotInitialised("SetRange"))
        return;
    if (Failed(service_->PutProperty(chartengine::RP_RANGE, newRange))) {
        fail("SetRange", "ICMRadar->put_Property failed.");
        return;
    }
    range = newRange;
}

void RadarManager::SetClutter(int32_t newSea, int32_t newRain, int32_t newGain)
{
    if (refusedWhileNotInitialised("SetClutter"))
        return;
    const struct {
        int32_t value;
        const char* text;
    } checks[] = {{newSea, "Sea param out of bounds."},
                  {newRain, "Rain param out of bounds."},
                  {newGain, "Gain param out of bounds."}};
    for (const auto& check : checks)
        if (check.value < 0 || check.value > 99) {
            fail("SetClutter", check.text);
            return;
        }
    if (Failed(service_->PutProperty(chartengine::RP_CLUTTER, int32_t(newSea + newRain * 256 + newGain * 65536)))) {
        fail("SetClutter", "ICMRadar->put_Property failed.");
        return;
    }
    sea = newSea;
    rain = newRain;
    gain = newGain;
}

void RadarManager::SetPalette(int32_t newPalette)
{
    if (refusedWhileNotInitialised("SetPalette"))
        return;
    if (newPalette != 0 && newPalette != 1) {
        fail("SetPalette", "Illegal pallette value specified.");
        return;
    }
    if (Failed(service_->PutProperty(chartengine::RP_PALETTE, newPalette))) {
        fail("SetPalette", "ICMRadar->put_Property failed.");
        return;
    }
    palette = newPalette;
}

void RadarManager::SetAdjustments(int32_t orientation, double rangeValue, double dX, double dY)
{
    if (refusedWhileNotInitialised("SetAdjustments"))
        return;
    // Each value on its own: an in-range value is kept even when the service refuses it.
    if (orientation < -180 || orientation > 180) {
        fail("SetAdjustments", "Illegal orientation adjustment specified.");
    } else {
        if (Failed(service_->PutProperty(chartengine::RP_ADJUSTORIENT, orientation)))
            fail("SetAdjustments", "ICMRadar->put_Property(RP_ADJUSTORIENT) failed.");
        orientationAdjustment = orientation;
    }
    const struct {
        double value;
        int32_t code;
        const char* illegal;
        const char* refused;
        double* kept;
    } reals[] = {
        {rangeValue, chartengine::RP_ADJUSTRANGE, "Illegal range adjustment specified.",
         "ICMRadar->put_Property(RP_ADJUSTRANGE) failed.", &rangeAdjustment},
        {dX, chartengine::RP_ADJUSTPOS_X, "Illegal dX adjustment specified.",
         "ICMRadar->put_Property(RP_ADJUSTPOS_X) failed.", &dxAdjustment},
        {dY, chartengine::RP_ADJUSTPOS_Y, "Illegal dY adjustment specified.",
         "ICMRadar->put_Property(RP_ADJUSTPOS_Y) failed.", &dyAdjustment},
    };
    for (const auto& adjustment : reals) {
        if (!(adjustment.value >= -9.999 && adjustment.value <= 9.999)) {
            fail("SetAdjustments", adjustment.illegal);
            continue;
        }
        if (Failed(service_->PutProperty(adjustment.code, adjustment.value)))
            fail("SetAdjustments", adjustment.refused);
        *adjustment.kept = adjustment.value;
    }
}

int RadarManager::Draw(QPainter& painter)
{
    if (refusedWhileNotInitialised("Draw"))
        return 1;
    if (Failed(service_->Draw(painter))) {
        fail("Draw", "ICMRadar->Draw failed.");
        return 1;
    }
    return 0;
}
