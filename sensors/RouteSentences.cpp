// WPL and RTE: waypoints and routes from another navigator, taken only while route acceptance
// is on and nothing is being drawn or edited on the chart.

#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/FieldScanner.h"
#include "sensors/ReceivedRoute.h"
#include "sensors/SensorSettings.h"
#include "sensors/SentenceHandlers.h"

#include <cstdlib>
#include <cstring>

ReceivedRouteState ReceivedRoutes;

namespace {

// Route-table work of one sentence: a received waypoint (WPL) or the route so far (RTE).
struct RouteWork {
    bool route = false;
    ReceivedWaypoint waypoint;
    std::vector<ReceivedWaypoint> waypoints;
};

std::vector<RouteWork> pendingWork;

constexpr int RteWaypointFields = 10;

bool RoutesAccepted()
{
    if (!SensorSetup.acceptRoutes)
        return false;
    return !(SensorHook.routeEditing && SensorHook.routeEditing());
}

// The waypoint number in a WPL identifier ("12", "WP12" and the like); 0 when it has none.
int32_t WaypointNumber(const char* id)
{
    while (*id != '\0' && (*id < '0' || *id > '9'))
        ++id;
    int32_t n = 0;
    for (; *id >= '0' && *id <= '9'; ++id) {
        n = n * 10 + (*id - '0');
        if (n >= ReceivedWaypointLimit)
            return 0;
    }
    return n;
}

}  // namespace

void StoreReceivedWaypoint(int32_t n, const PositionFields& fields)
{
    if (n < 1 || n >= ReceivedWaypointLimit)
        return;
    double longitude = 0.0;
    double latitude = 0.0;
    if (!PositionDegrees(fields, 85.0, longitude, latitude) || latitude == 0.0)
        return;
    const cmgbase::GeoPoint point{cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
    ReceivedRoutes.waypoints[size_t(n)] = point;
    ReceivedRoutes.received[size_t(n)] = true;
    pendingWork.push_back({false, {n, point}, {}});
}

int32_t HandleWpl(const SentenceContext& s)
{
    if (!RoutesAccepted())
        return 0;
    PositionFields f;
    char id[16] = {};
    FieldScanner in(s.line);
    in.skip(6);
    in.integer(f.latitudeDegrees, 2);
    in.real(f.latitudeMinutes);
    in.letter(f.latitudeHemisphere);
    in.integer(f.longitudeDegrees, 3);
    in.real(f.longitudeMinutes);
    in.letter(f.longitudeHemisphere);
    in.word(id, sizeof id);
    if (!HasLongitude(f))
        return 0;
    // The identifier field still carries the checksum: "12*3C".
    if (char* star = std::strchr(id, '*'))
        *star = '\0';
    StoreReceivedWaypoint(WaypointNumber(id), f);
    return 0;
}

int32_t HandleRte(const SentenceContext& s)
{
    if (!RoutesAccepted())
        return 0;
    int32_t total = 0;
    int32_t number = 0;
    char name[16] = {};
    int32_t ids[RteWaypointFields] = {};
    FieldScanner in(s.line);
    in.skip(6);
    in.integer(total);
    in.integer(number);
    in.skip();
    in.word(name, sizeof name);
    for (int32_t& id : ids)
        in.integer(id);

    ReceivedRouteState& r = ReceivedRoutes;
    const bool continues = number > 1 && number == r.lastSentence + 1 && total == r.sentenceCount &&
                           std::strcmp(name, r.routeName) == 0;
    if (!continues) {
        if (number > 1)
            return 0;  // a later part without its start
        r.route.clear();
        std::strcpy(r.routeName, name);
        r.sentenceCount = total;
    }
    r.lastSentence = number;
    for (int32_t id : ids) {
        if (id < 1 || id >= ReceivedWaypointLimit)
            break;
        if (r.received[size_t(id)] && r.route.size() < size_t(ReceivedWaypointLimit))
            r.route.push_back({id, r.waypoints[size_t(id)]});
    }
    pendingWork.push_back({true, {}, r.route});
    return 0;
}

void RunReceivedRouteWork()
{
    if (pendingWork.empty())
        return;
    // Taken out first, so that work queued meanwhile waits for the next call.
    std::vector<RouteWork> work;
    work.swap(pendingWork);
    for (const RouteWork& w : work) {
        if (!w.route && SensorHook.storeRouteEntry)
            SensorHook.storeRouteEntry(w.waypoint.id, w.waypoint.position);
        else if (w.route && SensorHook.receivedRoute)
            SensorHook.receivedRoute(w.waypoints);
    }
}
