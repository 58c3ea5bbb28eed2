#pragma once
// The sweep over the stored seabed tiles (and the held tiles that still hold unstored cells):
// the depth points of the 3D export (mode 1), the depth numbers on the chart (mode 2), the edit
// of the depth of a clicked cell (mode 3), emptying the cells of an area (mode 4) and the raw
// backup file "Temp/varnv.dat" (mode 5). Main thread only.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>

// The modes of the sweep.
inline constexpr int32_t SeabedPointsMode = 1;  // the 3D export's depth points
inline constexpr int32_t SeabedDrawMode = 2;    // the depth numbers on the chart
inline constexpr int32_t SeabedEditMode = 3;    // the depth edit of the clicked cell
inline constexpr int32_t SeabedEmptyMode = 4;   // the cells of the area emptied
inline constexpr int32_t SeabedBackupMode = 5;  // the raw backup file

struct SeabedExportResult {
    // Mode 5: the backup file was opened and every record written; false otherwise (the cells
    // must then not be emptied). Always true for the other modes.
    bool complete = true;
    // Mode 1: lines written; 2: depths drawn; 3: 1 when a depth was stored, else 0; 4: cells
    // emptied; 5: records written.
    int32_t count = 0;
};

// Sweeps the tiles of `area` (normalised chart coordinates, x1 < x2 and y1 < y2; x1 > x2 for an
// area across the 180th meridian) for `mode` 1 to 5; another mode does nothing. The main view,
// the chart picture and the data tab are reached through SeabedHook (SeabedHooks.h).
// - Mode 1 writes one line per recorded cell into the 3D export being written (nothing while
//   none is open), as every user depth goes there (WriteUserDepth: the negated depth in the
//   depth unit, the cell's coverage marked). Above chart level 7 one cell in (level - 6) is taken.
// - Mode 2 hands the depth numbers of the area to SeabedHook.drawDepthLabels, thinned as mode 1.
// - Mode 3 opens the depth edit dialog for the first cell within 3 pixels of
//   SeabedHook.clickPixel and stores the answer; the count is 1 when a depth was stored.
// - Mode 4 empties the cells of the area that the data scope or the 3D depth range takes and
//   stores each tile it changed. Run it only after a backup of the cells (mode 5) was complete
//   and archived.
// - Mode 5 writes "Temp/varnv.dat" under the program folder: every tile while "3D Depths" is
//   chosen without a limited area, else the tiles of the area.
SeabedExportResult ExportSeabed(const cmgbase::GeoRect& area, int32_t mode);
