#pragma once
// The settings record that ships as Data/dta.res, which a first start copies when the program
// folder has no dta.res of its own: the chart opens on the bay's cell at the coastal level with
// data set A in use, and every setting holds a value inside its control's range that suits a new
// user. make-dta-res writes it; a test keeps the shipped file equal to it.

#include "frame/SetupParameters.h"

// Where the chart opens: on the cell US4MD81M in the Chesapeake Bay, at Thomas Point Shoal, far
// enough south of the cell's northern edge (39 N) that the whole view shows the cell.
inline constexpr double ShippedStartLatitude = 38.90;
inline constexpr double ShippedStartLongitude = -76.44;

SetupParametersRecord ShippedSetupRecord();
