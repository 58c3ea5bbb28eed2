#pragma once
// What the log folder's text files have in common: Windows-1252 bytes (the degree sign is
// 0xB0), CR LF line ends, and positions as the exports write them.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <filesystem>
#include <string>

// A file of the log folder (DataPaths' log path).
std::filesystem::path LogFolderFile(const std::string& name);

// printf into a string.
std::string Printed(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Every "\n" as "\r\n" (the text is built with "\n").
std::string WithCrLf(const std::string& text);

// A chart latitude or longitude as the exports write it, "%3d°%02d.%03d'%c": the position
// text without its two inner blanks ("  5°30.000'W").
std::string CompactLatLon(int32_t chartValue, bool longitude);
