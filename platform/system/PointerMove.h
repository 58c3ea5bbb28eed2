#pragma once
// Moving the mouse pointer, as the program does to put it on a dialog it opens. Where the
// display server forbids programs to move the pointer (Wayland) the move does nothing. Tests
// may watch the moves instead.

#include <QPoint>

#include <functional>

namespace platform {

// Moves the pointer to the global screen point.
void MovePointer(const QPoint& global);

// Receives every move instead of the display (nullptr restores the display).
void WatchPointerMoves(std::function<void(const QPoint&)> watcher);

}  // namespace platform
