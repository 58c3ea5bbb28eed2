#include "app/tools/ObjectDataSet.h"

#include "platform/geodesy/PositionComputation.h"
#include "userdata/ObjectIds.h"
#include "userdata/StoredPosition.h"
#include "userdata/UserDatabase.h"

#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

using namespace platform::isam;

namespace {

constexpr uint16_t Red = 1, Blue = 2, Green = 3, Yellow = 4, Magenta = 5, Black = 6, GuardZone = 7;

// Stores objects laid out around the centre; remembers whether every record went in.
struct Writer {
    cmgbase::GeoPoint centre;
    double radius;
    uint32_t time;
    int32_t lastId = 0;
    bool stored = true;

    // The position on `bearing` (degrees) `part` of the radius from the centre.
    cmgbase::GeoPoint at(double bearing, double part) const
    {
        cmgbase::GeoPoint position = centre;
        cmgbase::DirPosComputation(centre, &position, bearing * std::numbers::pi / 180.0, part * radius, 0);
        return position;
    }

    PointRecord point(const cmgbase::GeoPoint& position) const
    {
        PointRecord point;
        point.latitude = StoredFromChart(position.y);
        point.longitude = StoredFromChart(position.x);
        point.time = time;
        return point;
    }

    IdRecord object(ObjectType type, uint16_t colour, std::string_view name, const cmgbase::GeoPoint& start,
                    const cmgbase::GeoPoint& end) const
    {
        IdRecord object;
        object.objectType = type;
        object.colour = colour;
        object.time = time;
        object.latitude = StoredFromChart(start.y);
        object.longitude = StoredFromChart(start.x);
        object.endLatitude = StoredFromChart(end.y);
        object.endLongitude = StoredFromChart(end.x);
        SetFixedText(object.name, name);
        return object;
    }

    // A track, route or line with its points, numbered from 1.
    void add(ObjectType type, IdRange range, uint16_t colour, std::string_view name, std::vector<PointRecord> points)
    {
        const PointRecord& first = points.front();
        const PointRecord& last = points.back();
        IdRecord record = object(type, colour, name, {ChartFromStored(first.longitude), ChartFromStored(first.latitude)},
                                 {ChartFromStored(last.longitude), ChartFromStored(last.latitude)});
        record.pointCount = uint16_t(points.size());
        add(record, range);
        uint16_t sequence = 0;
        for (PointRecord& point : points) {
            point.id = lastId;
            point.sequence = ++sequence;
            stored = stored && UserIsam.addRecord(PointFile, bytesOf(point)) == Status::Ok;
        }
    }

    void add(IdRecord record, IdRange range)
    {
        record.id = NewObjectId(range);
        stored = stored && AddIdRecord(record, range) == Status::Ok;
        lastId = record.id;
    }

    // A text of the object stored last: its own (kind 0) or a waypoint's name.
    void text(uint16_t kind, std::string_view text)
    {
        InfoRecord info;
        info.keyId = lastId;
        info.kind = kind;
        const uint32_t length = SetInfoText(info, text);
        stored = stored && UserIsam.addRecord(InfoFile, bytesOf(info).first(length)) == Status::Ok;
    }

    // The points at these bearings and parts of the radius.
    std::vector<PointRecord> points(std::initializer_list<std::pair<double, double>> places) const
    {
        std::vector<PointRecord> made;
        for (const auto& [bearing, part] : places)
            made.push_back(point(at(bearing, part)));
        return made;
    }
};

void WriteTracks(Writer& w)
{
    std::vector<PointRecord> run;
    for (int i = 0; i < 60; ++i) {
        const double angle = 200.0 + i * 2.5;
        PointRecord point = w.point(w.at(angle, 0.55 + 0.2 * std::sin(i * 0.3)));
        point.time = w.time - uint32_t(60 - i) * 30;
        point.attributes[TrackPointWord::Speed] = 65;
        point.attributes[TrackPointWord::Depth] = point.attributes[TrackPointWord::DepthAgain] = uint16_t(40 + i * 3);
        run.push_back(point);
    }
    w.add(ObjectType::TRACK, IdRange::Track, Green, "Morning run", run);
    w.add(ObjectType::TRACK, IdRange::Track, Magenta, "", w.points({{150, 0.9}, {160, 0.8}, {175, 0.85}, {190, 0.7}}));
}

void WriteRoutes(Writer& w)
{
    auto approach = w.points({{320, 0.9}, {330, 0.6}, {350, 0.45}, {10, 0.35}, {40, 0.3}});
    approach.front().attributes[RoutePointWord::DefaultLane] = 10;
    approach.front().attributes[RoutePointWord::DefaultSpeed] = 80;
    w.add(ObjectType::ROUTE, IdRange::Route, Blue, "Harbour approach", approach);
    w.text(1, "Fairway buoy");
    w.text(5, "Berth");

    auto passage = w.points({{60, 0.5}});
    cmgbase::GeoPoint far = w.at(60, 0.5);
    cmgbase::DirPosComputation(w.at(60, 0.5), &far, 100.0 * std::numbers::pi / 180.0, 1200.0, 0);
    passage.front().attributes[RoutePointWord::LegKind] = 1;  // a great circle to the next point
    passage.push_back(w.point(far));
    cmgbase::GeoPoint beyond = far;
    cmgbase::DirPosComputation(far, &beyond, 90.0 * std::numbers::pi / 180.0, 20.0, 0);
    passage.push_back(w.point(beyond));
    w.add(ObjectType::ROUTE, IdRange::Route, Blue, "Ocean passage", passage);
}

void WriteLines(Writer& w)
{
    w.add(ObjectType::LINE, IdRange::Line, Yellow, "Cable", w.points({{80, 0.9}, {95, 0.7}, {110, 0.8}, {125, 0.6}}));
    auto anchorage = w.points({{20, 0.7}, {35, 0.75}, {45, 0.6}, {30, 0.5}, {15, 0.55}});
    for (PointRecord& point : anchorage)
        point.attributes[LinePointWord::Polygon] = LinePointWord::PolygonMark;
    w.add(ObjectType::LINE, IdRange::Line, Blue, "Anchorage", anchorage);
    auto guard = w.points({{250, 0.2}, {290, 0.2}, {290, 0.35}, {250, 0.35}});
    for (PointRecord& point : guard)
        point.attributes[LinePointWord::Polygon] = LinePointWord::PolygonMark;
    w.add(ObjectType::LINE, IdRange::Line, GuardZone, "Guard", guard);
}

void WriteMarks(Writer& w)
{
    const auto mark = [&w](ObjectType type, IdRange range, uint16_t colour, std::string_view name, double bearing,
                           double part, uint16_t icon, uint16_t value = 0) {
        const cmgbase::GeoPoint at = w.at(bearing, part);
        IdRecord record = w.object(type, colour, name, at, at);
        record.pointCount = icon;
        record.value = value;
        w.add(record, range);
    };
    mark(ObjectType::SYMBOL, IdRange::Symbol, Red, "Rock", 140, 0.4, 3);
    w.text(0, "Dries 0.5 m at low water");
    mark(ObjectType::SYMBOL, IdRange::Symbol, Black, "/Wreck", 120, 0.3, 8);
    mark(ObjectType::SYMBOL, IdRange::Symbol, Red, "M.O.B.", 100, 0.2, 10);
    mark(ObjectType::SYMBOL, IdRange::Symbol, Black, "@12.3", 200, 0.3, 0, 123);

    const cmgbase::GeoPoint zone = w.at(230, 0.8);
    w.add(w.object(ObjectType::ZONE, Magenta, "Zone", zone, w.at(228, 0.9)), IdRange::Line);
    w.add(w.object(ObjectType::FIELD, Yellow, "Field", w.at(300, 0.5), w.at(290, 0.7)), IdRange::Line);
}

}  // namespace

bool WriteObjectDataSet(const cmgbase::GeoPoint& centre, double radius, uint32_t time)
{
    Writer writer{centre, radius, time};
    WriteTracks(writer);
    WriteRoutes(writer);
    WriteLines(writer);
    WriteMarks(writer);
    return writer.stored;
}
