#pragma once
// Loading, clamping and saving the settings record dta.res in the program folder.
//
// Start-up order: LoadSetupParameters; when it read a file, the controls are set from the record
// and SetupLoadMarker is cleared; then LoadMainIni; then ClampSetupParameters.

#include "frame/SetupParameters.h"
#include "platform/geodesy/GeoTypes.h"

#include <filesystem>
#include <functional>

// ProgramFolder/dta.res, and the copy shipped in the program's Data folder that a first start
// takes.
std::filesystem::path SetupFilePath();
std::filesystem::path ShippedSetupFilePath();

// Reads dta.res into SetupParameters, first copying the shipped one when there is none (an
// existing file is never overwritten by the copy). A short file fills the record as far as it
// goes. The values the controls and tables index with are put in range at once, and the own
// ship's reference position becomes ChartStartPosition. Returns true and leaves SetupLoadMarker
// at 99 when a file was read; false with the defaults (all zero but length 20, beam 5, draught 3,
// depth in metres) when none opens.
bool LoadSetupParameters();

// Where the chart opens: the newest sample of the track ring. With the ring index at 0 that is
// sample 0, the place the last save noted, unless the ring has wrapped and sample 0 holds the
// oldest real sample; then it is sample 499.
cmgbase::GeoPoint ChartStartPosition(const SetupParametersRecord& record);

// The levels the main and the mini chart start at: the saved ones, or the global level for a
// record that never saved them.
struct StartLevels {
    int32_t chart;
    int32_t mini;
};
StartLevels ChartStartLevels(const SetupParametersRecord& record);

// Brings the settings into their valid ranges after the main INI file has been read over them.
// Values outside a range take the range's replacement value; sensor positions stay on the hull.
void ClampSetupParameters();

// Writes SetupParameters to dta.res: into dta.res.tmp, flushed to disk, then renamed over it, so
// an interrupted save leaves the previous file whole. Before that it notes the chart centre in an
// empty track sample at the ring's end, stores the 3D window kept within the screen, and the
// main window's chart levels and copy-from date. Does nothing before start-up has finished.
// Returns false when the file could not be written; the colours are restored when asked in every
// case.
bool SaveSetupParameters(bool restoreColours);

// Gives the system colours saved at start-up back; set by the code that saved them.
extern std::function<void()> RestoreSystemColours;
