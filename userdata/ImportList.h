#pragma once
// Import lists: text files of "$PVRK..." sentences that other equipment or another station
// writes, one per line, each recognised by its header anywhere in the line. The list comes from
// outside: a line longer than 127 characters, short of a field, or with a field out of range is
// passed over and counted. Main thread only.

#include "platform/geodesy/GeoTypes.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Replaces the first n commas of the line by blanks; returns the index just after the n-th
// comma, or npos when the line has fewer.
size_t BlankFirstCommas(int n, std::string& line);

// A "$PVRKP" point: its code, its position (degrees x 600000, south and west negative) and value.
struct VrkPosition {
    int32_t code = 0;
    int32_t latitude = 0;
    int32_t longitude = 0;
    float value = 0.0f;
};
// None for a line that is no well-formed point.
std::optional<VrkPosition> ParseVrkPosition(std::string_view line);

struct ListImportChoice {
    bool tracks = false;
    bool routes = false;
    bool symbols = false;
    bool lines = false;
    bool depths = false;  // only "$PVRKD" soundings are taken
    // The chart-unit rectangle the soundings must lie in; none for all.
    std::optional<cmgbase::GeoRect> depthArea;
};

struct ListImportCounts {
    int32_t tracks = 0;
    int32_t routes = 0;
    int32_t symbols = 0;
    int32_t lines = 0;
    int32_t depths = 0;
    int32_t errors = 0;  // lines passed over and soundings refused
};

// Imports the list. None when the file cannot be read.
std::optional<ListImportCounts> ImportList(const std::filesystem::path& list, const ListImportChoice& choice);

// Seconds since 1970 of a local date and time, the library deciding about daylight saving;
// none for a date that does not exist.
std::optional<uint32_t> LocalTimeSeconds(int year, int month, int day, int hour, int minute, int second);
