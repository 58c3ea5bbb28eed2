#include "app/LogRoute.h"

#include "platform/geodesy/NormalisedCoordinates.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

std::optional<LogWaypoint> ParseLogLine(std::string line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    if (line.size() < 37 || uint8_t(line[15]) != 0xB0)
        return std::nullopt;
    if (line[23] == ' ')
        line[23] = 'N';
    if (line[36] == ' ')
        line[36] = 'E';
    line[6] = '-';
    for (const size_t mark : {15, 22, 28, 35})
        line[mark] = ' ';
    char name[12] = {};
    int latitudeDegrees = 0;
    int longitudeDegrees = 0;
    float latitudeMinutes = 0.0f;
    float longitudeMinutes = 0.0f;
    char latitudeLetter[2] = {};
    char longitudeLetter[2] = {};
    float speed = 0.0f;
    float course = 0.0f;
    if (std::sscanf(line.c_str(), "%11s%2d%6f%1s%3d%6f%1s%f%*s%5f", name, &latitudeDegrees, &latitudeMinutes,
                    latitudeLetter, &longitudeDegrees, &longitudeMinutes, longitudeLetter, &speed, &course) != 9)
        return std::nullopt;
    if (latitudeDegrees == 0 && longitudeDegrees == 0)
        return std::nullopt;
    if (!(latitudeMinutes >= 0.0f && latitudeMinutes < 60.0f && longitudeMinutes >= 0.0f &&
          longitudeMinutes < 60.0f) ||
        latitudeDegrees < 0 || longitudeDegrees < 0)
        return std::nullopt;
    double latitude = latitudeDegrees + latitudeMinutes / 60.0;
    double longitude = longitudeDegrees + longitudeMinutes / 60.0;
    if (latitude == 0.0 || latitude > 85.0 || longitude > 180.0)
        return std::nullopt;
    if (longitudeLetter[0] == 'W')
        longitude = -longitude;
    if (latitudeLetter[0] == 'S')
        latitude = -latitude;
    LogWaypoint waypoint;
    waypoint.position = {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
    waypoint.course = std::isfinite(course) ? course : 0.0f;
    const double tenths = std::round(double(speed) * 10.0);
    waypoint.speedTenths = tenths > 0.0 ? uint16_t(std::min(tenths, 65535.0)) : uint16_t(0);
    waypoint.name = name;
    return waypoint;
}

std::vector<LogWaypoint> ReadLogRoute(const std::filesystem::path& file, size_t limit)
{
    std::vector<LogWaypoint> waypoints;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (waypoints.size() < limit && std::getline(in, line)) {
        if (in.eof())
            break;  // no line end: torn
        if (std::optional<LogWaypoint> waypoint = ParseLogLine(line))
            waypoints.push_back(*waypoint);
    }
    return waypoints;
}
