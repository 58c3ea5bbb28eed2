#pragma once
// The texts of the route panel (WpPanel) while a route is followed: the next stop with its
// distance, ETA and time to go, the bearing to steer, the next leg's bearing, the distance to
// the wheel-over point, the cross-track error and the deviation of the course from the bearing
// to steer. Read from the route table and route following's values on the main thread.
//
// ETAs follow the route grid: zone time (RouteEta.h), and at the planned speeds the grid's own
// arrival time, each leg at the speed of the waypoint it leaves. At the current speed every leg
// is sailed at the speed over ground.

#include <cstdint>
#include <string>

// What the panel shows besides the route: the own ship's motion, the clock and the choices.
struct RouteEtaPanelState {
    float speedOverGround = 0.0f;  // knots
    float courseOverGround = 0.0f; // degrees
    int64_t now = 0;               // seconds since 1970
    int32_t zoneHours = 0;         // the ETA zone
    bool currentSpeed = false;     // EtaPanelMode 1: ETAs at the speed over ground
    // The grid's typed ETA: the entry it was typed at (-1 none) and its moment.
    int32_t referenceRow = -1;
    int64_t referenceTime = 0;
};

struct RouteEtaPanelTexts {
    std::string boxETA;    // the stop, with the speed the ETA assumes
    std::string txDTGend;  // nm to the stop
    std::string txETA;     // arrival at the stop; or the typed ETA and the speed it takes
    std::string txTTG;     // time to the wheel-over point at the speed over ground
    std::string boxCTS;    // the waypoint turned around, or the next wheel-over point
    std::string txCTS;     // bearing to steer
    std::string txCTS2;    // the next leg's bearing, "(end)" at the last waypoint
    std::string txDTGwp;   // nm to the wheel-over point
    std::string txXTE;     // nm off the track
    std::string txDev;     // course over ground less the bearing to steer
    bool etaTyped = false; // txETA shows the typed ETA (user colour 2)
    double deviation = 0;  // degrees, -180 to 180, for the steering arrow
};

// The text that stands where no time can be given.
inline constexpr const char* NoTimeText = " .................. ";

// The panel's texts for the route state now; NextStopWaypoint and CurrentWaypoint are held
// inside the route.
RouteEtaPanelTexts ComposeRouteEtaPanel(const RouteEtaPanelState& state);
