#pragma once
// What the chart side asks of the layers above it (the frame's messages and engine start, the
// radar, the 3D view and the recorded depths). The frame fills these at start-up; an empty hook
// is skipped, so the chart library runs on its own in tests.

#include "chart/ThreeDExchange.h"
#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <functional>
#include <string>

inline constexpr uint32_t MapMessageStop = 0x10;         // the program ends after the box
inline constexpr uint32_t MapMessageExclamation = 0x30;

struct ChartHooks {
    // Numbered message of the language section "C-Map"; true after a fatal one.
    std::function<bool(int32_t number, uint32_t flags)> showMapMessage;
    // Deletes and rebuilds the chart engine, its views and the services on the main view; a
    // non-empty reason is reported first.
    std::function<void(const std::string& reason)> startChartEngine;
    // The main view's scale changed: the running radar overlay takes the new range.
    std::function<void()> reapplyRadarRange;
    // The 3D window button was released (by a level beyond the 3D views, or as the viewer's window
    // has gone): the 3D view closes.
    std::function<void()> closeThreeDView;
    // Whether the 3D viewer's window is still there.
    std::function<bool()> threeDViewShown;
    // The 3D library's entries; null, like an unbound entry, while there is no library.
    const ThreeDExchangeEntries* threeDLibrary = nullptr;
    // The recorded seabed depths of the area go into the 3D export being written
    // (DepthExportFile.h), each with its coverage cell marked.
    std::function<void(const cmgbase::GeoRect& area)> exportRecordedDepths;
    // The user colours and the other day / night colours of a palette index 0..4.
    std::function<void(int32_t paletteIndex)> applyColourScheme;
    // A new chart picture is ready: the main window composes it with its overlays and shows it.
    // Unset, CM93 only shows the bitmaps again.
    std::function<void()> paintChart;
    // The redraw made a new list of light markers: what pointed into the old one lets go.
    std::function<void()> lightMarkersRebuilt;
    // The name-base library learns the visible area (degrees x 600000) and the scale limit.
    std::function<void(int32_t north, int32_t south, int32_t west, int32_t east, int32_t limit)> nameBaseLimit;
};

extern ChartHooks ChartHook;
