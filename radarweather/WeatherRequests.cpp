// The request side of the weather manager: status and forecast requests to the update service,
// the request area, and the chain the service's progress events drive.

#include "radarweather/WeatherManager.h"

#include "chart/MapView.h"
#include "platform/geodesy/GeoCover.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <cmath>

using namespace chartengine;

namespace {

constexpr int32_t kErrorBit = static_cast<int32_t>(0x80000000u);
constexpr double kNoDateDay = 36494.0;  // 30 November 1999: the service's "no date"

double Floor(double degrees, int n)
{
    return std::floor(degrees / n) * n;
}

double Ceil(double degrees, int n)
{
    return std::ceil(degrees / n) * n;
}

cmgbase::GeoRect NormalisedRect(double south, double west, double north, double east)
{
    return {cmgbase::deg2nrm(west), cmgbase::deg2nrm(south), cmgbase::deg2nrm(east), cmgbase::deg2nrm(north)};
}

bool ValidHourValue(int32_t hours)
{
    return hours >= 12 && hours <= 240 && hours % 12 == 0;
}

const char* StageText(int32_t stage, bool weatherData)
{
    if (!weatherData)
        return "In Progress...";
    switch (stage) {
    case 1: return "Preparing Request";
    case 2: return "Request is Ready";
    case 3: return "Sending Request";
    default: return "Downloading..";
    }
}

}  // namespace

bool WeatherManager::requestChecks(const char* operation, const char* checkName, const char* busyText)
{
    const std::string head = std::string("<WeatherManager::") + operation + "()> ";
    if (state_ <= 0) {
        errorText_ = std::string("<WeatherManager::") + checkName + "()> WeatherManager not initialized.";
        return false;
    }
    if (!update_) {
        fail(head + "WeatherUpdate interface NULL.");
        return false;
    }
    const int32_t status = GetUpdateStatus();
    if (status & kErrorBit) {
        fail(head + "An update error has occurred.");
        return false;
    }
    if (busyText && status != 0) {
        fail(head + busyText);
        return false;
    }
    return true;
}

int32_t WeatherManager::GetUpdateStatus() const
{
    if (!update_)
        return -1;
    WeatherProperty value;
    if (Failed(update_->GetProperty(kUpdateStatus, &value)))
        return -1;
    const auto* word = std::get_if<int32_t>(&value);
    return word ? *word : -1;
}

int32_t WeatherManager::startKindRequest(int32_t kind, const char* operation, const char* checkName)
{
    if (!requestChecks(operation, checkName, "A request is in progress."))
        return 0;
    update_->ClearRequest(kind);
    int32_t started = 1;
    if (Failed(update_->StartRequest(kind))) {
        update_->CancelRequest(kind);
        update_->ClearRequest(kind);
        fail(std::string("<WeatherManager::") + operation + "()> Request failed.");
        started = 0;
    }
    _UpdateProperties();
    if (kind == kRequestLastWeatherDate)
        _UpdateLastWeatherDate();
    else if (kind == kRequestLastCycloneDate)
        _UpdateLastCycloneDate();
    else
        ParseSubZones();
    return started;
}

int32_t WeatherManager::StartLastWeatherDateRequest()
{
    return startKindRequest(kRequestLastWeatherDate, "StartLastWeatherDateRequest", "StartLastWeatherDateRequet");
}

int32_t WeatherManager::StartLastCycloneDateRequest()
{
    return startKindRequest(kRequestLastCycloneDate, "StartLastCycloneDateRequest", "StartLastCycloneDateRequet");
}

int32_t WeatherManager::StartSubZonesRequest()
{
    return startKindRequest(kRequestSubZones, "StartSubZonesRequest", "StartSubZonesRequet");
}

int32_t WeatherManager::StartStatusRequest()
{
    if (!requestChecks("StartStatusRequest", "StartStatusRequest", "An update is already in progress."))
        return 0;
    if (!statusRequestPending) {
        lastWeatherDate = 0;
        lastCycloneDate = 0;
        subZones.clear();
    }
    statusRequestPending = 1;
    int32_t started = 1;
    if (lastWeatherDate == 0)
        started = StartLastWeatherDateRequest();
    else if (lastCycloneDate == 0)
        started = StartLastCycloneDateRequest();
    else if (subZones.empty())
        started = StartSubZonesRequest();
    if (!started)
        statusRequestPending = 0;
    return started;
}

int32_t WeatherManager::endWeatherRequest(const std::string& status)
{
    statusText = status;
    weatherRequestPending = 0;
    weatherAskedDate_ = false;
    weatherAskedZones_ = false;
    return 0;
}

int32_t WeatherManager::StartWeatherRequest()
{
    if (!requestChecks("StartWeatherRequest", "StartWeatherRequest", "An update is already in progress."))
        return 0;
    weatherRequestPending = 1;
    _UpdateLastWeatherDate();
    ParseSubZones();
    if (lastWeatherDate == 0 || subZones.empty()) {
        const bool date = lastWeatherDate == 0;
        bool& asked = date ? weatherAskedDate_ : weatherAskedZones_;
        if (asked) {
            // The source was asked once and gave nothing: say so instead of asking for ever.
            const std::string status = date ? "No forecast at the weather source." : "No sub-zones at the weather source.";
            endWeatherRequest(status);
            fail("<WeatherManager::StartWeatherRequest()> " + status);
            return 0;
        }
        asked = true;
        if (!(date ? StartLastWeatherDateRequest() : StartSubZonesRequest()))
            return endWeatherRequest(statusText);
        return 1;
    }

    std::vector<int32_t> selected;
    const std::pair<int32_t, int32_t> layers[] = {{layerPressure, 0x100}, {layerTemperature, 0x300}, {layerWind, 0x200},
                                                  {layerWave, 0x500}, {layerPrecipitation, 0x700}};
    for (const auto& [flag, code] : layers)
        if (flag)
            selected.push_back(code);
    if (selected.empty()) {
        endWeatherRequest("No weather Parameters Selected.");
        fail("<WeatherManager::StartWeatherRequest()> No weather parameters selected.");
        return 0;
    }
    if (!ValidHourValue(firstForecastHour))
        firstForecastHour = 12;
    if (!ValidHourValue(forecastLength))
        forecastLength = 240;
    if (timeStep != 6 && timeStep != 12 && timeStep != 24)
        timeStep = 6;

    double south = 0, west = 0, north = 0, east = 0;
    if (!BuildRequestArea(&south, &west, &north, &east)) {
        endWeatherRequest(statusText);
        fail("<WeatherManager::StartWeatherRequest()> " + statusText);
        return 0;
    }
    south = Floor(south, 3);
    north = Ceil(north, 3);
    west = Floor(west, 6);
    east = Ceil(east, 6);

    update_->ClearRequest(kRequestWeather);
    update_->PutProperty(kUpdateFileName, std::string("gribdata.grb"));
    update_->PutProperty(kUpdateLength, forecastLength);
    update_->PutProperty(kUpdateFirstHour, firstForecastHour);
    update_->PutProperty(kUpdateGroups, selected);
    update_->PutProperty(kUpdateStep, timeStep);
    update_->PutProperty(kUpdateSouth, south);
    update_->PutProperty(kUpdateNorth, north);
    update_->PutProperty(kUpdateWest, west);
    update_->PutProperty(kUpdateEast, east);
    if (Failed(update_->StartRequest(kRequestWeather))) {
        update_->CancelRequest(kRequestWeather);
        endWeatherRequest("Error. (Update request failed.)");
        fail("<WeatherManager::StartWeatherRequest()> Weather Update Request failed.");
        return 0;
    }
    return 1;
}

void WeatherManager::restoreAfterRequest()
{
    weatherRequestPending = 0;
    statusRequestPending = 0;
    weatherAskedDate_ = false;
    weatherAskedZones_ = false;
    const std::vector<int32_t> remembered = std::move(rememberedGroups);
    rememberedGroups.clear();
    for (int32_t code : remembered)
        if (GroupHasData(code))
            ShowGroup(code, 1);
}

// Cancels the request of kind when status holds it, clearing it when clear; true when it did.
bool WeatherManager::cancelPending(int32_t status, int32_t kind, bool clear)
{
    if (!(status & kind))
        return false;
    update_->CancelRequest(kind);
    if (clear)
        update_->ClearRequest(kind);
    statusText = "Canceled by user";
    return true;
}

void WeatherManager::CancelWeatherRequest()
{
    if (!requestChecks("CancelWeatherRequest", "CancelWeatherRequest", nullptr))
        return;
    if (weatherRequestPending) {
        const int32_t status = GetUpdateStatus();
        if (cancelPending(status, kRequestLastWeatherDate, true))
            _UpdateLastWeatherDate();
        if (cancelPending(status, kRequestSubZones, true))
            ParseSubZones();
        cancelPending(status, kRequestWeather, false);
    }
    restoreAfterRequest();
}

void WeatherManager::CancelStatusRequest()
{
    if (!requestChecks("CancelStatusRequest", "CancelStatusRequest", nullptr))
        return;
    if (statusRequestPending) {
        const int32_t status = GetUpdateStatus();
        if (cancelPending(status, kRequestLastWeatherDate, true))
            _UpdateLastWeatherDate();
        if (cancelPending(status, kRequestLastCycloneDate, true))
            _UpdateLastCycloneDate();
        if (cancelPending(status, kRequestSubZones, true))
            ParseSubZones();
    }
    statusRequestPending = 0;
}

namespace {

double ReadDate(const WeatherUpdate& update, int32_t code)
{
    WeatherProperty value;
    if (Failed(update.GetProperty(code, &value)))
        return 0;
    const auto* date = std::get_if<double>(&value);
    if (!date || *date == kNoDateDay || *date >= WeatherMissingValue || !std::isfinite(*date))
        return 0;
    return *date;
}

}  // namespace

void WeatherManager::_UpdateLastWeatherDate()
{
    if (state_ <= 0) {
        errorText_ = "<WeatherManager::_UpdateLastWeatherDate()> WeatherManager not initialized.";
        return;
    }
    if (!update_) {
        fail("<WeatherManager::_UpdateLastWeatherDate();> WeatherUpdate interface NULL.");
        return;
    }
    lastWeatherDate = ReadDate(*update_, kUpdateLastWeatherDate);
}

void WeatherManager::_UpdateLastCycloneDate()
{
    if (state_ <= 0) {
        errorText_ = "<WeatherManager::_UpdateLastCycloneDate()> WeatherManager not initialized.";
        return;
    }
    if (!update_) {
        fail("<WeatherManager::_UpdateLastCycloneDate()> WeatherUpdate interface NULL.");
        return;
    }
    lastCycloneDate = ReadDate(*update_, kUpdateLastCycloneDate);
}

void WeatherManager::_UpdateProperties()
{
    if (!client_) {
        fail("<WeatherManager::_UpdateProperties()> WeatherClient interface NULL.");
        return;
    }
    const int32_t codes[7] = {kToolFirstTime, kToolLastTime, kToolReferenceTime, kToolSouth, kToolWest, kToolNorth,
                              kToolEast};
    double values[7];
    for (int i = 0; i < 7; ++i) {
        values[i] = WeatherMissingValue;
        WeatherProperty value;
        if (tool_ && !Failed(tool_->GetProperty(codes[i], &value)))
            if (const auto* number = std::get_if<double>(&value); number && std::isfinite(*number))
                values[i] = *number;
    }
    // A missing value (at or above the sentinel) leaves no time and no area behind.
    const auto valid = [](double v) { return v < WeatherMissingValue; };
    forecastStart = valid(values[0]) ? values[0] : 0;
    forecastEnd = valid(values[1]) ? values[1] : 0;
    toolValue17 = valid(values[2]) ? values[2] : 0;
    if (valid(values[3]) && valid(values[4]) && valid(values[5]) && valid(values[6]))
        dataArea = NormalisedRect(values[3], values[4], values[5], values[6]);
}

void WeatherManager::ParseSubZones()
{
    subZones.clear();
    if (!update_)
        return;
    WeatherProperty value;
    if (Failed(update_->GetProperty(kUpdateZoneCount, &value)))
        return;
    const auto* count = std::get_if<int32_t>(&value);
    // Property numbers hold the index in their low byte: more than 255 zones would collide.
    if (!count || *count <= 0 || *count > 255)
        return;
    for (int32_t i = 0; i < *count; ++i) {
        WeatherProperty name, south, north, west, east, expiry;
        if (Failed(update_->GetProperty(kUpdateZoneName | i, &name)) ||
            Failed(update_->GetProperty(kUpdateZoneSouth | i, &south)) ||
            Failed(update_->GetProperty(kUpdateZoneNorth | i, &north)) ||
            Failed(update_->GetProperty(kUpdateZoneWest | i, &west)) ||
            Failed(update_->GetProperty(kUpdateZoneEast | i, &east)) ||
            Failed(update_->GetProperty(kUpdateZoneExpiry | i, &expiry)))
            break;
        const auto* n = std::get_if<std::string>(&name);
        const auto* s = std::get_if<double>(&south);
        const auto* no = std::get_if<double>(&north);
        const auto* w = std::get_if<double>(&west);
        const auto* e = std::get_if<double>(&east);
        const auto* x = std::get_if<double>(&expiry);
        const auto latitude = [](const double* v) { return v && *v >= -90 && *v <= 90; };
        const auto longitude = [](const double* v) { return v && *v >= -180 && *v <= 180; };
        if (!n || n->empty() || !x || !latitude(s) || !latitude(no) || !longitude(w) || !longitude(e))
            break;
        SubZone zone;
        zone.name = *n;
        zone.south = *s;
        zone.west = *w;
        zone.north = *no;
        zone.east = *e;
        zone.expiry = *x;
        subZones.push_back(zone);
    }
    if (subZones.size() != static_cast<size_t>(*count))
        subZones.clear();
}

bool WeatherManager::BuildRequestArea(double* south, double* west, double* north, double* east)
{
    const double today = now ? now() : 0;
    if (!view_ || view_->state != 1 || !south || !west || !north || !east || today == 0)
        return false;
    const auto subscribed = [today](const SubZone& zone) {
        return zone.expiry <= WeatherMissingValue && today <= zone.expiry;
    };
    bool world = false;
    for (const SubZone& zone : subZones)
        if (zone.IsWorld()) {
            world = subscribed(zone);
            break;
        }
    cmgbase::GeoRect area{-0x7FFFFFFF, -0x40000000, 0x7FFFFFFF, 0x40000000};
    if (!view_->ScreenRectToGeo(view_->windowRect, area)) {
        statusText = "No Coverage";
        return false;
    }
    double s = Floor(cmgbase::nrm2deg(area.y1), 3), n = Ceil(cmgbase::nrm2deg(area.y2), 3);
    double w = Floor(cmgbase::nrm2deg(area.x1), 6), e = Ceil(cmgbase::nrm2deg(area.x2), 6);
    if (n == s)
        n += 3;
    if (e == w) {
        w -= 6;
        e += 6;
    }
    const auto give = [&](double gs, double gw, double gn, double ge) {
        *south = gs;
        *west = gw;
        *north = gn;
        *east = ge;
        return true;
    };
    if (world)
        return give(s, w, n, e);

    const cmgbase::GeoRect rect = NormalisedRect(s, w, n, e);
    cmgbase::GeoCover uncovered;
    cmgbase::GeoCover__asn_GeoRect(uncovered, rect);
    bool anyZone = false;
    for (const SubZone& zone : subZones)
        if (!zone.IsWorld() && subscribed(zone)) {
            anyZone = true;
            cmgbase::GeoCover__sub_GeoRect(uncovered, NormalisedRect(zone.south, zone.west, zone.north, zone.east));
        }
    if (!anyZone) {
        statusText = "No Subscription";
        return false;
    }
    if (uncovered.isEmpty())
        return give(s, w, n, e);

    bool found = false;
    double bestArea = 0;
    cmgbase::GeoRect best{};
    for (const SubZone& zone : subZones) {
        if (zone.IsWorld() || !subscribed(zone))
            continue;
        cmgbase::GeoCover piece;
        cmgbase::GeoCover__asn_GeoRect(piece, rect);
        cmgbase::GeoCover__mul_GeoRect(piece, NormalisedRect(zone.south, zone.west, zone.north, zone.east));
        for (const cmgbase::GeoRect& r : piece.rects()) {
            const double size = (static_cast<double>(r.x2) - r.x1) * (static_cast<double>(r.y2) - r.y1);
            if (size > 0 && size > bestArea) {
                bestArea = size;
                best = r;
                found = true;
            }
        }
    }
    if (!found) {
        statusText = "No Coverage";
        return false;
    }
    return give(cmgbase::nrm2deg(best.y1), cmgbase::nrm2deg(best.x1), cmgbase::nrm2deg(best.y2), cmgbase::nrm2deg(best.x2));
}

int32_t WeatherManager::OnProgress(int32_t status, int32_t a, int32_t b)
{
    if (status & kErrorBit) {
        state_ = WeatherCallFailed;
        errorText_ = "<WeatherManager::OnProgress()> Update error occurred.";
        // The service's plain reason for the display; the request is over.
        WeatherProperty reason;
        if (update_ && !Failed(update_->GetProperty(kUpdateErrorReason, &reason)))
            if (const auto* text = std::get_if<std::string>(&reason); text && !text->empty())
                statusText = *text;
        restoreAfterRequest();
        report(0, status, 0, 0, "Update error occurred.");
        return 1;
    }
    const int32_t stage = status & 0xFFFF;
    const bool weatherData = (status & kRequestWeather) != 0;
    if (stage >= 1 && stage <= 5) {
        const char* text = StageText(stage, weatherData);
        if (weatherData && stage >= 4) {
            report(1, stage, a, b, text);
        } else {
            report(1, stage, 0, 0, text);
            statusText = text;
        }
    } else if (stage == 6 && weatherData) {
        rememberedGroups.clear();
        for (int32_t code : {0x100, 0x300, 0x200, 0x400, 0x500, 0x700})
            if (IsGroupShown(code))
                rememberedGroups.push_back(code);
        ShowGroup(0, 0);
    } else if (stage == 8) {
        if (GetUpdateStatus() == 0) {
            statusText = "Ready";
            report(1, 8, 100, 100, "Ready");
        }
        if (status & kRequestLastWeatherDate) {
            _UpdateLastWeatherDate();
            if (statusRequestPending && !StartLastCycloneDateRequest())
                statusRequestPending = 0;
            if (weatherRequestPending)
                StartWeatherRequest();
            report(2, 8, 0, 0, "");
        }
        if (status & kRequestLastCycloneDate) {
            _UpdateLastCycloneDate();
            if (statusRequestPending && !StartSubZonesRequest())
                statusRequestPending = 0;
            report(3, 8, 0, 0, "");
        }
        if (status & kRequestSubZones) {
            ParseSubZones();
            statusRequestPending = 0;
            if (weatherRequestPending)
                StartWeatherRequest();
            report(4, 8, 0, 0, "");
        }
        if (status & 0x200000) {
            UpdateParams(0x1000);
            _UpdateProperties();
        }
        if (status & kRequestWeather) {
            UpdateParams(0);
            _UpdateProperties();
            weatherRequestPending = 0;
            weatherAskedDate_ = false;
            weatherAskedZones_ = false;
            report(5, 0, 0, 0, "");
            for (int32_t code : rememberedGroups)
                if (GroupHasData(code))
                    ShowGroup(code, 1);
            rememberedGroups.clear();
        }
    }
    return 0;
}
