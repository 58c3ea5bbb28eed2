#pragma once
// What the object dialogs (the information dialog, the point list, the symbol and the track
// dialogs) ask of the main window, the chart and the target side above them. The application
// fills the hooks at start-up; an empty hook is skipped (or answers as noted). All run on the
// main thread; the chart redraws of the route code go through RouteHook.requestRedraw.

#include "platform/geodesy/GeoTypes.h"
#include "userdata/UserRecords.h"

#include <QColor>
#include <QSize>

#include <cstdint>
#include <filesystem>
#include <functional>

// What the chart is asked to do after a display setting changed.
enum class ChartRefresh : int32_t {
    Redraw = 0,           // draw the chart and its overlays again
    Objects = 1,          // draw the user objects again
    SelectObjects = 3,    // select the user objects again by the display filters, then draw them
};

// The track tools the next pick on the chart runs.
enum class TrackPick { Delete, Cut };

// The bar the symbol dialog's edit buttons open.
enum class ObjectBar { Symbols, Lines };

struct ObjectDialogHooks {
    // The chart objects at the position, queried on the chart and shown in the object inspector.
    std::function<void(const cmgbase::GeoPoint&)> queryChartObjects;
    // The focus goes back to the position dialog when it is shown.
    std::function<void()> focusPositionDialog;
    // The object loaded again for display: drawn, and the open dialogs filled anew.
    std::function<void(ObjectType type, int32_t id)> loadObject;
    // The line picked or being drawn or edited (0 none; 0 when unset), and a new one taking its
    // place.
    std::function<int32_t()> lineId;
    std::function<void(int32_t id)> setLineId;
    // A point typed into the point list was stored at the position: the drawing goes on from it,
    // with one more point placed when `added` (not a point rewritten).
    std::function<void(const cmgbase::GeoPoint& position, bool added)> pointTyped;

    std::function<void(ChartRefresh)> refresh;
    // The main window's chart-layer list made to match the settings again.
    std::function<void()> syncDataTab;
    // The main window's track tool button put down or up, or turned over.
    std::function<void(bool down)> setTrackButton;
    std::function<void()> toggleTrackButton;
    // The main window's track button's text in the colour (while a database track is recorded).
    std::function<void(const QColor&)> recordingColour;
    std::function<void(TrackPick)> armTrackPick;
    // Every target's track stored, every target record freed.
    std::function<void()> saveAllTargetTracks;
    std::function<void()> showSimulatedTarget;
    // The text editor on the file, at the size.
    std::function<void(const std::filesystem::path&, QSize)> editFile;
    // The bar opened for drawing (the other drawing bars closed as by their OK), or all of them
    // closed.
    std::function<void(ObjectBar)> openObjectBar;
    std::function<void()> closeObjectBars;
};

extern ObjectDialogHooks ObjectDialogHook;

// The hook if it is set.
void AskChart(ChartRefresh refresh);
