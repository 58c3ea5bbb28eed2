#pragma once
// A recorded track turned into a route of far fewer points. Main thread only.

#include <cstdint>

// Points a route made from a track keeps at most.
constexpr int MaxConvertedRoutePoints = 500;

// Reduces the points of the object shown in the information dialog (IdShownBuffer), read in
// sequence order from 0 while they belong to it, and stores what is kept as a new ROUTE of
// colour 2 with sequences 1, 2, ... and its point count; the first MaxConvertedRoutePoints
// points when more are kept. The reduction works in stored units (1/600000 degree), the
// longitude divided by the cosine of the object's start latitude in whole degrees (held at
// 1e-6 or more near the poles), with the track conversion setting x 100 as its tolerance:
// 0.01 nm of latitude a step. The new route becomes RouteId. Returns its id; 0 when nothing was stored: fewer than
// two points, or a read or write failure, which is reported and leaves nothing of the route.
int32_t SimplifyObjectPoints();
