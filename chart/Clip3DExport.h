#pragma once
// "Clip3D.vtk" in the program folder: the depth points of an area for the outside 3D viewer, a
// VTK legacy ASCII polydata file of points only. The user's recorded seabed depths and depth
// marks come first, then the chart's own depths except those in a 10-pixel cell at or next to a
// user depth; which of them by the 3D data choice (0 chart, 1 own data, 2 both).

#include "platform/geodesy/GeoTypes.h"

struct ChartWindow;

inline constexpr char Clip3DFileName[] = "Clip3D.vtk";

// Writes the file for the area (the main chart's visible area) and tells the 3D programs through
// the 3D library: StatC 0x10 while writing, the view record, StatA 0x1 for a new file, StatB
// 0x100 cleared. The file is written beside its place and put there whole, so no reader meets
// a torn one: when that fails the last file stays and StatA 0x1 is not set. Nothing happens
// before the start-up is done or when the file cannot be created.
void ExportClip3D(ChartWindow& window, const cmgbase::GeoRect& area);
