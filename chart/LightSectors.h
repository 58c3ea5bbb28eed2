#pragma once
// The light evaluation of a main-chart redraw: the lights in and around the view, read from
// their S-57 attributes, become the chart markers of the main window, and the named ones the
// map manager's list of light names.

#include "chart/ChartMarker.h"

#include <optional>
#include <vector>

class MapManager;
class MapView;

inline constexpr int32_t MaxLightRecords = 500;
inline constexpr int32_t MaxExaminedObjects = 10001;
inline constexpr int32_t FloodLight = 301;  // a character code of our own: no marker

// One light as the chart gives it; each attribute missing until it is read.
struct LightRecord {
    std::optional<double> sector1;  // degrees, towards the light
    std::optional<double> sector2;
    std::optional<double> period;   // seconds
    std::optional<int32_t> colour;  // S-57 colour code
    std::optional<int32_t> character;
    std::optional<int32_t> group;   // signal group count of a simple group "(n)"
    int32_t x = 9999;               // main view; 9999 when not on screen
    int32_t y = 9999;
    cmgbase::GeoPoint position;
    std::optional<double> range;    // nautical miles
    std::optional<double> height;   // metres
};

// The marker of a light: its fields, then period class and rhythm bit from its period,
// character and group.
ChartMarker MarkerOfLight(const LightRecord& light);
// The group count of a SIGGRP text: "(2)" gives 2; composite groups, "()" and "(1)"... as read.
std::optional<int32_t> SimpleSignalGroup(const std::string& text);
// The marker colour of an S-57 colour code.
uint8_t MarkerColour(int32_t colourCode);

// The view's lights in its visible area enlarged by `areaFactor` (2.0 on a redraw) into
// markers, at most 500 of them, the first 500 names into the manager's list. 1 when the
// evaluation ran (the markers replaced, maybe by none, as for an engine or view not ready); 0
// when the chart database gave no query (markers untouched). A failing engine step, or more than
// 10001 objects, ends the search; the lights found so far become the markers. A light met twice
// (directly and through a structure) is taken once.
int EvaluateLightSectors(MapManager& manager, const MapView& view, std::vector<ChartMarker>& markers, float areaFactor);
