#pragma once
// Shared state of the main program that lives for the whole process: flags, folders, the clock
// record, colours and the message texts. Written on the main thread only, unless a field says
// otherwise.

#include "frame/ClockRecord.h"
#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

// Start-up and running state.
extern bool AppRunning;    // the one-second and 200 ms handlers do nothing while clear
extern bool StartupDone;   // painting, saving and input handlers do nothing until set
extern bool StartupAbort;  // set only by a fatal numbered message
extern int32_t SetupLoadMarker;  // 99 while the stored settings are being applied
// Set while the chart engine is being (re)created: its message boxes run a nested event loop,
// and no tick may reach the engine objects while they are released and rebuilt.
extern bool ChartRestartInProgress;
// Set once the program has begun to end (its exit, the switch-off, a fatal message after the
// start-up, the desktop's logout, a termination signal): the end runs once, and the main window
// then lets itself be closed.
extern bool ProgramEnding;
// Set once the shut-down has closed the user database: nothing opens it again in this run, and
// what still runs finds it closed and does nothing.
extern bool IoShutDown;

// Folders. Paths have no length limit: a cut path could name another, existing folder.
enum DataPathIndex {
    DataPathData = 0,
    DataPathSetA = 1,  // ..6 for data sets A..F
    DataPathReplay = 7,
    DataPathLog = 8,
    DataPathScreens = 9,
    DataPathCount = 10
};
extern std::filesystem::path ProgramFolder;
extern std::array<std::filesystem::path, DataPathCount> DataPaths;

// Share switches of Startup.ini.
extern std::array<bool, 6> ShareData;  // data sets A..F
extern bool ShareReplay;
extern bool ReplaySlave;

// Screen metrics and the second monitor.
extern int32_t ScreenWidth;
extern int32_t ScreenHeight;
extern bool DualMonitor;

// Services that are off after their start failed.
extern bool RadarAvailable;
extern bool WeatherAvailable;
extern bool NameBaseAvailable;
extern bool ThreeDAvailable;

// The clock: allocated by the start-up, rewritten by every one-second tick. ClockSeconds is the
// same moment in seconds since 1970, kept 64-bit so that it runs past 2038.
extern std::unique_ptr<ClockRecord> ClockTime;
extern int64_t ClockSeconds;

// Windows colours 0x00BBGGRR. Entry 0 of the user colours is not used; 1..7 are red, blue,
// green, yellow, magenta, black, orange.
extern std::array<uint32_t, 8> UserColourTable;
constexpr std::array<int, 21> SavedSystemColourIndexes{24, 5,  8,  9, 18, 6,  22, 20, 16, 15, 17,
                                                       13, 14, 2, 27, 3, 28, 10, 11, 19, 12};
extern std::array<uint32_t, 21> SavedSystemColours;

// Texts of the chosen language that the status line, questions and captions use.
extern std::array<std::string, 40> MessageTexts;

// Chart-input and overlay positions and the whole-world rectangles.
extern std::array<std::array<cmgbase::GeoPoint, 3>, 2> PointTriples;
constexpr cmgbase::GeoRect WholeWorld{-2147483647, -1073741824, 2147483647, 1073741824};
extern cmgbase::GeoRect ChartArea3D;
extern cmgbase::GeoRect DataAreaFilter;
// Where the mouse pointer was last seen: the chart's mouse handler sets its own values, the
// route grid PointerOverRouteGrid; the dynamic overlay reads it.
constexpr int32_t PointerOverRouteGrid = 2;
extern int32_t PointerLocation;

// The time windows of the track and the symbol display filters, in seconds since 1970 (-1 when a
// date does not convert), taken from the filter dates of the settings record.
struct DisplayFilterTimes {
    int32_t trackFrom, trackTo, trackAfter;
    int32_t symbolFrom, symbolTo, symbolAfter;
};
extern DisplayFilterTimes FilterTimes;

// Values shared by the track dialog and the object database dialog.
extern std::array<int32_t, 100> DialogValueTable;

// Gives every shared value its start value; the process starts this way, and tests call it to
// begin from a clean state.
void InitSharedTables();
