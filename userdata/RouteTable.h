#pragma once
// The route table: the one route that the program shows, edits, draws or follows, with the
// state kept beside it. Main thread only; the output thread reads the count, the positions and
// the leg bearings, so the operations here that change them take ComOutStateLock (never call
// them with that lock held; frame/PortSettings.h lists who takes it).
//
// Capacity: a stored route has at most MaxRouteWaypoints points; the own position inserted at
// route start may take the table one entry further (MaxRouteEntries). The entry at index
// WaypointCount is scratch (while a route is drawn it holds the point under the cursor, where
// the last leg ends), so the table has MaxRouteEntries + 1 entries and the scratch entry is
// inside it whatever the route.

#include "frame/PixelGeometry.h"
#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

constexpr int32_t MaxRouteWaypoints = 500;
constexpr int32_t MaxRouteEntries = MaxRouteWaypoints + 1;
constexpr int32_t RouteTableEntries = MaxRouteEntries + 1;

// Leg kinds; LoadedGreatCircleStep marks the points that a great-circle leg is divided into
// when it is loaded: they are no stored points and their legs are rhumb lines.
constexpr uint8_t RhumbLineLeg = 0;
constexpr uint8_t GreatCircleLeg = 1;
constexpr uint8_t LoadedGreatCircleStep = 2;

#pragma pack(push, 1)
// A chart point as a packed record holds it: the chart engine's GeoPoint with the alignment of a
// byte, so that it can sit at any offset; it converts to and from GeoPoint.
struct PackedGeoPoint {
    int32_t x;
    int32_t y;

    PackedGeoPoint() = default;
    PackedGeoPoint(const cmgbase::GeoPoint& point) : x(point.x), y(point.y) {}
    operator cmgbase::GeoPoint() const { return {x, y}; }
};

// One waypoint and the leg from it to the next. Chart points are normalised coordinates. Use the
// fields by value: a field of a packed record may be misaligned, so never bind it to a
// reference or take its address.
struct WP_typ {
    PackedGeoPoint position;
    ScreenPoint screenPoint;      // in the main view, written by the route painter
    PackedGeoPoint turnStart;  // where the turn arc begins on the incoming leg
    PackedGeoPoint turnEnd;    // where it ends on the outgoing leg
    PackedGeoPoint turnCentre;
    float legDistance;            // nautical miles to the next waypoint
    float legBearing;             // degrees, 0 to below 360
    uint16_t speed;               // 0.1 kn; 0 = DefaultRouteSpeed
    uint16_t lane;                // 0.01 nm, half the corridor; 0 = DefaultLane
    uint16_t turnRadius;          // 0.01 nm; 0 = DefaultTurnRadius
    int16_t stopMinutes;          // above 0: a stop, and no turn arc
    uint8_t legKind;              // GreatCircleLeg, else a rhumb line
    uint8_t dangerFlags;          // chart check of the leg and its turn
    uint8_t pointFlag;            // loaded from the database: 1 in stored order, 0 reversed
    uint8_t turnMisfit;           // 1: no arc (the turn does not fit, or a stop)
    uint32_t objectId;            // the stored route the entry came from; 0 none
    uint16_t sequence;            // its stored point
    std::string* nameText;        // owned; use name() and setName()
    uint8_t turnComputed;         // the turn points were computed since the entry was filled
    uint8_t spare[3];

    WP_typ();
    WP_typ(const WP_typ& other);
    WP_typ& operator=(const WP_typ& other);
    ~WP_typ();

    std::string name() const;
    void setName(std::string_view text);
    // A waypoint of a stored route, written back when it is edited: neither a point that a
    // great-circle leg was divided into nor an entry of no route (the own position, received
    // or imported waypoints).
    bool isStoredPoint() const;
};
#pragma pack(pop)
static_assert(sizeof(WP_typ) == 78);

extern std::array<WP_typ, RouteTableEntries> RouteTable;
extern int32_t WaypointCount;

// Route state beside the table.
enum RouteEditModes : int32_t {
    RouteShown = 1,    // shown or followed
    RouteDrawing = 2,  // a new route drawn with the mouse
    RouteEditing = 3,
};
constexpr int32_t RouteNotStored = 65535;  // RouteId of a route in the table only
constexpr size_t RouteNameSize = 40;

// The output thread reads RouteId, CurrentWaypoint, OwnPositionInserted and DistanceToGo too:
// they are written under ComOutStateLock (route following's other values: RouteFollowing.h).
extern int32_t RouteId;  // object id of the route in the table; 0 none
extern char RouteName[RouteNameSize];        // at most 39 characters and the NUL
extern char SecondRouteName[RouteNameSize];  // of a route added to the one in the table
extern int32_t RouteEditMode;                // RouteEditModes, other values no route work
extern int32_t CurrentWaypoint;              // being steered to: the leg from the one before
extern int32_t NextStopWaypoint;             // NextActiveWaypoint(); -1 to be found
extern uint8_t OwnPositionInserted;          // as waypoint 0, at route start
extern uint8_t RouteForward;                 // 1: stored order, 0: reversed
extern uint8_t TurnMisfitSeen;               // a turn was found not to fit
extern float DistanceToGo;  // nm to the current waypoint, written by route following
// The table holds a route received from another navigator (RouteId is then RouteNotStored): no
// RMB or APB is sent for it. Written by the main thread under ComOutStateLock; read by the
// output thread and by route following.
extern uint8_t RouteFromOutside;

// The number of entries in use, held to 0..MaxRouteEntries whatever WaypointCount holds.
int32_t RouteEntryCount();

// Empties every entry (names included), sets the count to 0 and clears RouteFromOutside.
void ClearRouteTable();
// Empties the entries from the count on: the scratch entry and whatever lies beyond.
void ClearUnusedRouteEntries();

// Inserts a waypoint of a stored route at `index` (0..count), moving the later entries up one
// place; false, and nothing changes, when the route holds MaxRouteWaypoints waypoints (or the
// table MaxRouteEntries entries) already or the index is outside.
bool InsertRouteEntry(int32_t index, const WP_typ& entry);
bool AppendRouteEntry(const WP_typ& entry);
// Removes entry `index`, moving the later ones down; false for an index outside 0..count - 1.
bool RemoveRouteEntry(int32_t index);

// Route start: the own position becomes waypoint 0 (no stored point) and OwnPositionInserted
// is set; a route of MaxRouteWaypoints fills the table's MaxRouteEntries entries with it.
bool InsertOwnPosition(const cmgbase::GeoPoint& position);
// Editing again: takes the inserted own position out.
void RemoveOwnPosition();

// A waypoint received from another navigator goes to entry `index`; false beyond the last
// waypoint a route may have.
bool SetRouteEntryPosition(int32_t index, const cmgbase::GeoPoint& position);
// A route received from another navigator replaces the table in one step (the output thread
// never sees half of it): its waypoints in order, at most MaxRouteWaypoints, no own position;
// RouteId becomes RouteNotStored and RouteFromOutside is set.
void TakeReceivedRoute(std::span<const cmgbase::GeoPoint> waypoints);

// The bearing line made a route of two waypoints to follow, in no data set (RouteId becomes
// RouteNotStored, RouteFromOutside is cleared): from its origin to its end. False, and nothing
// changes, when the two are the same point: a route needs two.
bool TakeBearingLineRoute(const cmgbase::GeoPoint& from, const cmgbase::GeoPoint& to);

// The number entry `index` is shown and sent under: index + 1, or index while the own position
// is inserted as entry 0, so that a route's waypoints keep their numbers. The own position
// ahead of the route (entry -1, where no leg is followed yet) follows the same rule.
int32_t WaypointNumber(int32_t index);

// The first waypoint from CurrentWaypoint on with a stop; the last waypoint when none has one.
int32_t NextActiveWaypoint();
// The same from waypoint `from` on.
int32_t NextActiveWaypointFrom(int32_t from);
