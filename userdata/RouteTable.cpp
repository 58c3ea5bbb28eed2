#include "userdata/RouteTable.h"

#include "frame/PortSettings.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <utility>

std::array<WP_typ, RouteTableEntries> RouteTable;
int32_t WaypointCount = 0;

int32_t RouteId = 0;
char RouteName[RouteNameSize] = {};
char SecondRouteName[RouteNameSize] = {};
int32_t RouteEditMode = 0;
int32_t CurrentWaypoint = 0;
int32_t NextStopWaypoint = -1;
uint8_t OwnPositionInserted = 0;
uint8_t RouteForward = 1;
uint8_t TurnMisfitSeen = 0;
float DistanceToGo = 0;
uint8_t RouteFromOutside = 0;

// Every field zero and no name; the fields are copied as bytes, the name as its own string.
WP_typ::WP_typ()
{
    std::memset(static_cast<void*>(this), 0, sizeof *this);
}

WP_typ::WP_typ(const WP_typ& other)
{
    std::memcpy(static_cast<void*>(this), &other, sizeof *this);
    std::string* const text = other.nameText;
    nameText = text ? new std::string(*text) : nullptr;
}

WP_typ& WP_typ::operator=(const WP_typ& other)
{
    if (this != &other) {
        WP_typ copy(other);
        std::string* const ownText = nameText;
        std::memcpy(static_cast<void*>(this), &copy, sizeof *this);
        copy.nameText = ownText;  // released with the copy
    }
    return *this;
}

WP_typ::~WP_typ()
{
    delete nameText;
}

std::string WP_typ::name() const
{
    std::string* const text = nameText;
    return text ? *text : std::string();
}

void WP_typ::setName(std::string_view text)
{
    std::string* const old = nameText;
    nameText = text.empty() ? nullptr : new std::string(text);
    delete old;
}

bool WP_typ::isStoredPoint() const
{
    return objectId != 0 && legKind != LoadedGreatCircleStep;
}

int32_t RouteEntryCount()
{
    return std::clamp(WaypointCount, int32_t{0}, MaxRouteEntries);
}

void ClearRouteTable()
{
    const std::lock_guard lock(ComOutStateLock);
    std::fill(RouteTable.begin(), RouteTable.end(), WP_typ());
    WaypointCount = 0;
    RouteFromOutside = 0;
}

void ClearUnusedRouteEntries()
{
    std::fill(RouteTable.begin() + RouteEntryCount(), RouteTable.end(), WP_typ());
}

namespace {

int32_t StoredWaypointCount()
{
    return RouteEntryCount() - (OwnPositionInserted ? 1 : 0);
}

// Moves the entries from `index` on up one place and puts `entry` there; the caller has
// checked the room and holds the lock.
void OpenPlace(int32_t index, const WP_typ& entry)
{
    const int32_t count = RouteEntryCount();
    std::move_backward(RouteTable.begin() + index, RouteTable.begin() + count,
                       RouteTable.begin() + count + 1);
    RouteTable[size_t(index)] = entry;
    WaypointCount = count + 1;
}

// The caller holds the lock.
void ClosePlace(int32_t index)
{
    const int32_t count = RouteEntryCount();
    std::move(RouteTable.begin() + index + 1, RouteTable.begin() + count,
              RouteTable.begin() + index);
    WaypointCount = count - 1;
    RouteTable[size_t(WaypointCount)] = WP_typ();
}

}  // namespace

bool InsertRouteEntry(int32_t index, const WP_typ& entry)
{
    const int32_t count = RouteEntryCount();
    if (index < 0 || index > count || StoredWaypointCount() >= MaxRouteWaypoints ||
        count >= MaxRouteEntries)
        return false;
    const std::lock_guard lock(ComOutStateLock);
    OpenPlace(index, entry);
    return true;
}

bool AppendRouteEntry(const WP_typ& entry)
{
    return InsertRouteEntry(RouteEntryCount(), entry);
}

bool RemoveRouteEntry(int32_t index)
{
    if (index < 0 || index >= RouteEntryCount())
        return false;
    const std::lock_guard lock(ComOutStateLock);
    ClosePlace(index);
    return true;
}

bool InsertOwnPosition(const cmgbase::GeoPoint& position)
{
    if (OwnPositionInserted || RouteEntryCount() >= MaxRouteEntries)
        return false;
    WP_typ own;
    own.position = position;
    const std::lock_guard lock(ComOutStateLock);  // the output thread numbers by the flag
    OpenPlace(0, own);
    OwnPositionInserted = 1;
    return true;
}

void RemoveOwnPosition()
{
    if (!OwnPositionInserted)
        return;
    const std::lock_guard lock(ComOutStateLock);
    OwnPositionInserted = 0;
    if (RouteEntryCount() > 0)
        ClosePlace(0);
}

bool SetRouteEntryPosition(int32_t index, const cmgbase::GeoPoint& position)
{
    if (index < 0 || index >= MaxRouteWaypoints)
        return false;
    const std::lock_guard lock(ComOutStateLock);
    RouteTable[size_t(index)].position = position;
    return true;
}

void TakeReceivedRoute(std::span<const cmgbase::GeoPoint> waypoints)
{
    const size_t count = std::min(waypoints.size(), size_t(MaxRouteWaypoints));
    const std::lock_guard lock(ComOutStateLock);
    std::fill(RouteTable.begin(), RouteTable.end(), WP_typ());
    for (size_t i = 0; i < count; ++i)
        RouteTable[i].position = waypoints[i];
    WaypointCount = int32_t(count);
    OwnPositionInserted = 0;
    RouteId = RouteNotStored;
    RouteFromOutside = 1;
}

bool TakeBearingLineRoute(const cmgbase::GeoPoint& from, const cmgbase::GeoPoint& to)
{
    if (from == to)
        return false;
    const std::lock_guard lock(ComOutStateLock);
    std::fill(RouteTable.begin(), RouteTable.end(), WP_typ());
    for (const auto& [index, position] : {std::pair{0, from}, std::pair{1, to}}) {
        RouteTable[size_t(index)].position = position;
        RouteTable[size_t(index)].pointFlag = 1;
    }
    WaypointCount = 2;
    OwnPositionInserted = 0;
    RouteForward = 1;
    RouteId = RouteNotStored;
    RouteFromOutside = 0;
    return true;
}

int32_t WaypointNumber(int32_t index)
{
    return OwnPositionInserted ? index : index + 1;
}

int32_t NextActiveWaypoint() { return NextActiveWaypointFrom(CurrentWaypoint); }

int32_t NextActiveWaypointFrom(int32_t from)
{
    const int32_t count = RouteEntryCount();
    for (int32_t i = std::max(from, int32_t{0}); i < count; ++i) {
        if (RouteTable[size_t(i)].stopMinutes > 0)
            return i;
    }
    return count - 1;
}
