#pragma once
// Backup, restore and import of the user's objects and recorded depths: a chosen part of the
// data set is dumped into "varnv.dat" and packed into a zip archive with a readable
// description beside it (Copy OUT); objects are deleted after a safety archive
// "Data/deleted.zip" of them was made and verified (Delete); an archive is restored (Copy IN of
// a ".zip"); a list of position sentences is imported (Copy IN of a ".lst", the automatic
// import). Every failure says so, returns false and changes nothing it has not finished.
// Main thread only; the work files lie in "Temp" under the program folder.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <filesystem>
#include <string>

// The area chosen on the chart for a transfer: degrees x 600000 (south..north, west..east; west
// above east for an area across the 180th meridian), and the same area in chart units for the
// depths.
struct TransferRegion {
    int32_t south = -90 * 600000;
    int32_t north = 90 * 600000;
    int32_t west = -180 * 600000;
    int32_t east = 180 * 600000;
    cmgbase::GeoRect chart{-2147483647, -1073741824, 2147483647, 1073741824};
};
extern TransferRegion TransferArea;

// The archive or list to write or read, chosen by the data tab's file dialog (not used for a
// delete, whose archive is "Data/deleted.zip").
extern std::filesystem::path TransferFile;
// The archive password as typed (Windows-1252), set by the data tab for one call and cleared by
// it afterwards.
extern std::string TransferPassword;
// Without displayed-only a backup takes the objects of this time and later (seconds since 1970,
// the data tab's from-date through DateToUnixTime).
extern uint32_t TransferFromTime;

// The transfer, its arguments in the data tab's order. Returns true when the transfer was done
// whole; false when it was refused (no kind chosen, a name that is neither ".zip" nor ".lst", an
// overwrite declined) or failed (then a message said why, and nothing was stored or deleted).
// With `depths` a backup or delete runs the seabed sweep itself: the tiles' depth records are
// written into the dump after the clean-up of the work files, and a delete empties the cells
// only after the safety archive was made, copied and verified.
bool TransferUserData(bool deleteObjects, bool exportData, bool passwordProtected, bool displayedOnly,
                      bool areaLimited, bool tracks, bool routes, bool symbols, bool lines, bool depths);

// The Temp folder of the work files.
std::filesystem::path TransferTempFolder();
// The safety archive of deleted objects.
std::filesystem::path DeletedArchive();
