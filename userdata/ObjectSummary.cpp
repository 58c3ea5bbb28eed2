#include "userdata/ObjectSummary.h"

#include "frame/PositionText.h"
#include "frame/PrintedText.h"
#include "frame/SetupParameters.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/PositionComputation.h"
#include "userdata/DatabaseReports.h"
#include "userdata/StoredPosition.h"
#include "userdata/TrackRing.h"
#include "userdata/UserDatabase.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <optional>

using namespace platform::isam;

namespace {

constexpr double KilometresPerMile = 1.852;
constexpr double Pi = 3.1416;  // as the area texts have always used it

std::tm LocalTime(uint32_t seconds)
{
    const std::time_t time = seconds;
    std::tm local{};
    localtime_r(&time, &local);
    return local;
}

std::string PositionText(int32_t latitude, int32_t longitude)
{
    return FormatLatLon(latitude, false) + "  " + FormatLatLon(longitude, true);
}

// A depth in metres in the depth unit of the settings, after `label` (" Depth:" and its blanks).
std::string DepthLine(const char* label, double metres)
{
    const float factor = SetupParameters.DepthFactor;
    const char* unit = factor < 1.0f ? "fath." : factor > 1.0f ? "feet." : "mtr.";
    return Printed("%s %.1f %s\r\n", label, metres * factor, unit);
}

// Course, speed, depth and water temperature of a track sample or point, in their stored units.
std::string MotionLines(uint16_t course, uint16_t speed, uint16_t depth, uint16_t temperature)
{
    std::string text = Printed(" Course: %05.1f \xB0\r\n Speed:  %.1f kts.\r\n", course / 10.0, speed / 10.0);
    if (depth > 0)
        text += DepthLine(" Depth:  ", depth / 10.0);
    if (temperature != 0)
        text += Printed(" Temp:    %.1f \xB0 ", temperature / 100.0);
    return text;
}

std::string LengthLine(double miles, int32_t points, const char* lead)
{
    return Printed("%sLength: %.1f Nm.  %d points\r\n\r\n", lead, miles, int(points));
}

std::optional<PointRecord> ReadPoint(int32_t id, int32_t sequence)
{
    if (sequence < 0 || sequence > MaxPointSequence)
        return std::nullopt;
    PointRecord point;
    point.id = id;
    point.sequence = uint16_t(sequence);
    const Status status = CheckRecordStatus(
        "read", PointFile,
        UserIsam.readEqual(PointKey, UserKeyValue(PointKey, bytesOf(point)), bytesOf(point)));
    if (status != Status::Ok)
        return std::nullopt;
    return point;
}

std::string TrackPointLines(const IdRecord& track, int32_t number)
{
    if (number < 0)
        return {};
    std::string text = Printed(" Point: %d", int(number));
    const std::optional<PointRecord> point = ReadPoint(track.id, number);
    if (!point)
        return text;
    const std::tm time = LocalTime(point->time);
    const auto words = std::to_array(point->attributes);
    text += Printed("  Time: %02d/%02d-%02d:%02d\r\n", time.tm_mday, time.tm_mon + 1, time.tm_hour, time.tm_min);
    text += PositionText(point->latitude, point->longitude) + "\r\n";
    return text + MotionLines(words[TrackPointWord::Course], words[TrackPointWord::Speed],
                              words[TrackPointWord::Depth], words[TrackPointWord::WaterTemperature]);
}

std::string SymbolLines(const IdRecord& symbol)
{
    std::string text = PositionText(symbol.latitude, symbol.longitude) + "\r\n";
    if (symbol.value > 0) {
        const double divisor = symbol.endLatitude == symbol.latitude ? 100.0 : 10.0;
        text += DepthLine(" Depth:", symbol.value / divisor);
    }
    return text;
}

// Distance (nautical miles) and bearing (radians) from the first to the second reference position.
struct Span {
    double miles = 0.0;
    double bearing = 0.0;
};

Span ReferenceSpan(const IdRecord& object)
{
    const cmgbase::GeoPoint first{ChartFromStored(object.longitude), ChartFromStored(object.latitude)};
    const cmgbase::GeoPoint second{ChartFromStored(object.endLongitude), ChartFromStored(object.endLatitude)};
    float miles = 0.0f;
    float bearing = 0.0f;
    if (cmgbase::InvPosComputation_f(first, second, &miles, &bearing, 0) != cmgbase::kGeoOk)
        return {};
    return {miles, bearing};
}

std::string MilesAndKilometres(const char* label, double miles, double kilometres)
{
    return Printed("%s %.2f Nm (%.2f km.)", label, miles, kilometres);
}

std::string ZoneLines(const IdRecord& zone)
{
    const double radius = ReferenceSpan(zone).miles;
    const double area = Pi * radius * radius;
    return MilesAndKilometres(" Rad.:", radius, radius * KilometresPerMile) + "\r\n" +
           MilesAndKilometres(" Area:", area, area * KilometresPerMile * KilometresPerMile);
}

std::string FieldLines(const IdRecord& field)
{
    const Span span = ReferenceSpan(field);
    const double across = std::fabs(std::sin(span.bearing)) * span.miles;
    const double along = std::fabs(std::cos(span.bearing)) * span.miles;
    const double area = across * along;
    return MilesAndKilometres(" W-E:", across, across * KilometresPerMile) + "\r\n" +
           MilesAndKilometres(" N-S: ", along, along * KilometresPerMile) + "\r\n" +
           MilesAndKilometres(" Area:", area, area * KilometresPerMile * KilometresPerMile) + "\r\n";
}

std::string WaypointLines(const WP_typ& entry, int32_t index)
{
    const cmgbase::GeoPoint position = entry.position;
    std::string text = Printed(" Point: %d\r\n ", int(WaypointNumber(index))) +
                       PositionText(StoredFromChart(position.y), StoredFromChart(position.x));
    if (!(entry.legDistance > 0.0f))
        return text;
    const double bearing = entry.legBearing;
    text += Printed("\r\n\r\n Course: %05.1f \xB0  (%05.1f \xB0)\r\n", bearing, std::fmod(bearing + 180.0, 360.0));
    text += Printed(" Dist.: %.1f Nm.\r\n", double(entry.legDistance));
    const bool standard = entry.lane == 0;
    const double lane = (standard ? SetupParameters.DefaultLane : entry.lane) / 100.0;
    return text + Printed(" Lane: %.2f Nm.", lane) + (standard ? " (std)" : "");
}

double RouteTableLength()
{
    double miles = 0.0;
    for (int32_t i = 0; i < RouteEntryCount(); ++i)
        miles += RouteTable[size_t(i)].legDistance;
    return miles;
}

const char* TypeWord(ObjectType type)
{
    switch (type) {
    case ObjectType::TRACK:
        return "TRACK";
    case ObjectType::ROUTE:
        return "ROUTE";
    case ObjectType::LINE:
        return "LINE";
    case ObjectType::SYMBOL:
        return "SYMBOL";
    case ObjectType::ZONE:
        return "ZONE";
    case ObjectType::FIELD:
        return "FIELD";
    }
    return "";
}

}  // namespace

std::string CurrentTrackSummary(int32_t slot)
{
    if (slot < 0 || slot >= TrackRingSize)
        return {};
    const TrackSample sample = SetupParameters.TrackRing[size_t(slot)];
    const std::tm time = LocalTime(sample.time);
    return LengthLine(SetupParameters.TrackLength / 10.0, RingSampleCount(), " ") +
           Printed(" Point: %d        Time: %02d:%02d\r\n", int(slot + 1), time.tm_hour, time.tm_min) +
           PositionText(StoredFromDegrees(sample.latitude), StoredFromDegrees(sample.longitude)) + "\r\n" +
           MotionLines(sample.courseOverGround, sample.speedOverGround, sample.depth, sample.waterTemperature);
}

const WP_typ* ShownWaypoint(const IdRecord& object, int32_t waypoint)
{
    if (object.objectType != ObjectType::ROUTE || waypoint < 0 || waypoint >= RouteEntryCount())
        return nullptr;
    const WP_typ& entry = RouteTable[size_t(waypoint)];
    const bool ofRoute = entry.objectId == uint32_t(object.id) || RouteId == object.id;
    return ofRoute ? &entry : nullptr;
}

std::string ObjectCaption(const IdRecord& object, const ShownPart& part)
{
    std::string caption = TypeWord(object.objectType);
    if (object.objectType == ObjectType::ROUTE && object.pointCount > 0) {
        const WP_typ* entry = ShownWaypoint(object, part.waypoint);
        if (part.secondRoute)
            caption += " (extended)";
        else if (entry && entry->pointFlag == 0)
            caption += " (retour)";
    }
    const std::tm time = LocalTime(object.time);
    return caption + Printed("  (id: %ld)", long(object.id)) +
           Printed("  %02d / %02d - %d  %02d:%02d", time.tm_mday, time.tm_mon + 1, time.tm_year + 1900,
                   time.tm_hour, time.tm_min);
}

std::string ObjectSummary(const IdRecord& object, const ShownPart& part)
{
    std::string text;
    const ObjectType type = object.objectType;
    if (type == ObjectType::ROUTE && part.secondRoute)
        text = LengthLine(RouteTableLength(), WaypointCount, "");
    else if (type == ObjectType::TRACK || type == ObjectType::ROUTE || type == ObjectType::LINE)
        text = LengthLine(object.value / 10.0, object.pointCount, " ");
    switch (type) {
    case ObjectType::TRACK:
        return text + TrackPointLines(object, part.trackPoint);
    case ObjectType::ROUTE:
        if (const WP_typ* entry = ShownWaypoint(object, part.waypoint))
            text += WaypointLines(*entry, part.waypoint);
        return text;
    case ObjectType::SYMBOL:
        return SymbolLines(object);
    case ObjectType::ZONE:
        return ZoneLines(object);
    case ObjectType::FIELD:
        return FieldLines(object);
    case ObjectType::LINE:
        return text;
    }
    return text;
}

float ZoneRadius(const IdRecord& zone)
{
    return float(ReferenceSpan(zone).miles);
}
