#pragma once
// What the symbol and track dialogs ask of the main window, the chart and the target side above
// them. The application fills these at start-up; an empty hook is skipped (or answers as noted).
// All run on the main thread.

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
    std::function<void(ChartRefresh)> refresh;
    // The main window's chart-layer list made to match the settings again.
    std::function<void()> syncDataTab;
    // The object list of the kind (1 tracks, 3 lines) shown and filled anew.
    std::function<void(int32_t kind)> openObjectList;
    // The main window's track tool button put down or up, or turned over.
    std::function<void(bool down)> setTrackButton;
    std::function<void()> toggleTrackButton;
    // The main window's track button's text in the colour (while a database track is recorded).
    std::function<void(const QColor&)> recordingColour;
    std::function<void(TrackPick)> armTrackPick;
    // Every target's track stored, every target record freed.
    std::function<void()> saveAllTargetTracks;
    std::function<void()> showSimulatedTarget;
    // The line picked or being edited (0 none when unset).
    std::function<int32_t()> currentLine;
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
