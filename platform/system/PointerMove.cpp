#include "platform/system/PointerMove.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform {

namespace {

std::function<void(const QPoint&)> pointerWatcher;

}  // namespace

void MovePointer(const QPoint& global)
{
    if (pointerWatcher) {
        pointerWatcher(global);
        return;
    }
    if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland")))
        return;
    QCursor::setPos(global);
}

void WatchPointerMoves(std::function<void(const QPoint&)> watcher) { pointerWatcher = std::move(watcher); }

}  // namespace platform
