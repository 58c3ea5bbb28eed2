#include "userdata/RouteEtaPanel.h"

#include "frame/DurationText.h"
#include "frame/PrintedText.h"
#include "userdata/RouteEta.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteTable.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace {

constexpr const char* Degree = "\u00B0";
constexpr size_t NameShown = 18;

std::string Distance(double miles)
{
    return Printed(miles > 100 ? "%0.f" : miles > 10 ? "%0.1f" : "%0.2f", miles);
}

std::string Bearing(double degrees)
{
    return Printed("%05.1f ", degrees) + Degree;
}

// Degrees brought into -180 to 180.
double Signed(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    if (degrees > 180.0)
        degrees -= 360.0;
    else if (degrees < -180.0)
        degrees += 360.0;
    return degrees;
}

std::string StopTitle(int32_t stop, int32_t count, bool currentSpeed)
{
    const char* speed = currentSpeed ? " Curr." : " Plan.";
    const std::string name = RouteTable[size_t(stop)].name();
    if (!name.empty())
        return name.substr(0, NameShown) + speed;
    std::string title = Printed("To wp %d ", WaypointNumber(stop));
    if (stop == count - 1)
        return title + "(end) " + speed;
    return title + (currentSpeed ? " Current spd." : " Planned spd.");
}

// The typed ETA's clock time in zone time and the speed that meets it over `miles`; the dotted
// text once the time has passed.
std::string TypedEta(const RouteEtaPanelState& state, double miles)
{
    const double hoursLeft = double(state.referenceTime - state.now) / 3600.0;
    if (!(hoursLeft > 0.0))
        return NoTimeText;
    const std::time_t zoneTime = state.referenceTime - int64_t{state.zoneHours} * 3600;
    std::tm calendar{};
    if (!gmtime_r(&zoneTime, &calendar))
        return NoTimeText;
    return Printed("%02d:%02d   %.1f Kt", calendar.tm_hour, calendar.tm_min, miles / hoursLeft);
}

}  // namespace

RouteEtaPanelTexts ComposeRouteEtaPanel(const RouteEtaPanelState& state)
{
    RouteEtaPanelTexts texts;
    const int32_t count = RouteEntryCount();
    if (count < 2)
        return texts;
    const int32_t current = std::clamp(CurrentWaypoint, 1, count - 1);
    const int32_t stop = std::clamp(NextStopWaypoint, current, count - 1);
    const double toStop = DistanceToCurrentWaypoint() + SumRouteLegs(current, stop).distance;
    const float toWaypoint = std::max(DistanceToGo, 0.0f);  // below 0 inside the arrival radius

    texts.boxETA = StopTitle(stop, count, state.currentSpeed);
    texts.txDTGend = Distance(toStop);
    if (state.currentSpeed && !(state.speedOverGround > 0.0f)) {
        texts.txETA = texts.txTTG = NoTimeText;
    } else {
        if (state.currentSpeed && state.referenceRow == stop) {
            texts.txETA = TypedEta(state, toStop);
            texts.etaTyped = true;
        } else if (state.currentSpeed) {
            texts.txETA = FormatEtaText(
                state.now + std::llround(toStop / state.speedOverGround * 3600.0), state.zoneHours);
        } else {
            const auto etas = RouteEtas(-1, 0, state.now);
            const auto eta = size_t(stop) < etas.size() ? etas[size_t(stop)] : std::nullopt;
            texts.txETA = eta ? FormatEtaText(*eta, state.zoneHours) : std::string(NoTimeText);
        }
        texts.txTTG = FormatDuration(toWaypoint, state.speedOverGround);
    }

    texts.boxCTS = Turning ? Printed("Turn WP: %d ", WaypointNumber(current - 1))
                           : Printed("Next WOP: %d ", WaypointNumber(current));
    texts.txCTS = Bearing(BearingToSteer);
    texts.txCTS2 = current == count - 1 ? "(end)" : Bearing(RouteTable[size_t(current)].legBearing);
    texts.txDTGwp = Distance(toWaypoint);
    const double offTrack = std::fabs(CrossTrackError);
    texts.txXTE = Printed(offTrack < 10 ? "%.2f" : "%.1f", offTrack);
    texts.deviation = Signed(double(state.courseOverGround) - double(BearingToSteer));
    texts.txDev = Printed(std::fabs(texts.deviation) < 10 ? "%.1f " : "%.f ", texts.deviation) + Degree;
    return texts;
}
