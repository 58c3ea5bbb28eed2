#pragma once
// What the target dialog asks of the layers above it: the stored AIS text messages of the info
// file (it stores the ones it sends through AisHook.storeTextMessage), the track store, the main
// window's chart and its place on the screen. The frame fills these at start-up; an empty hook
// is skipped (or answers as noted). All run on the main thread.

#include <QPoint>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct TargetDialogHooks {
    // The stored AIS text messages, newest first, each its header line, a newline and the
    // message; messages more than 31 days older than `now` are deleted on the way (none when
    // unset).
    std::function<std::vector<std::string>(uint32_t now)> readTextMessages;
    // Stores target `index`'s recorded track as a user object.
    std::function<void(int32_t index)> saveArpaTrack;
    // The chart's overlays are to be drawn again (a target's colour, track or record changed).
    std::function<void()> redrawOverlay;
    // Where the dialog's top-left corner goes when it shows, in screen coordinates (left where
    // it is when unset).
    std::function<QPoint(int width)> dialogPlace;
};

extern TargetDialogHooks TargetDialogHook;
