#pragma once
// A day's position log taken as a route: each line written by the position log becomes a
// waypoint with the course and speed logged there.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct LogWaypoint {
    cmgbase::GeoPoint position;
    float course = 0.0f;        // degrees
    uint16_t speedTenths = 0;   // knots x 10, rounded to the nearest tenth
    std::string name;           // "yymmdd-hhmm"
};

// One line of the log (its line end may be there or not): the degree signs and minute marks at
// their columns, blank hemisphere columns read as N and E. None for a line too short, without the
// degree sign at column 15, that does not scan whole, or whose position is out of range (both
// degrees 0, latitude 0 or above 85, longitude above 180, minutes 60 or more).
std::optional<LogWaypoint> ParseLogLine(std::string line);

// The waypoints of the log's lines, at most `limit`; none when the file does not open. A last
// line without its end (torn by a power cut) is not taken.
std::vector<LogWaypoint> ReadLogRoute(const std::filesystem::path& file, size_t limit);
