#pragma once
// The point list of a line as a text file: "line.txt" in the log folder, which the symbol
// dialog's print button opens in the text editor.

#include <cstdint>
#include <filesystem>

inline constexpr const char* PointListFile = "line.txt";

// The file of the point list in the log folder.
std::filesystem::path PointListPath();

// Writes the list of line `lineId` (0: no line selected, nothing is written): the current date
// and time as the clock record holds it, a heading, then per point its sequence number,
// latitude and longitude, in Windows-1252. The file is replaced whole. False when nothing was
// written: no line, its points could not all be read (reported), or the file could not be
// written (errno tells why).
bool WritePointList(int32_t lineId);
