#include "platform/system/ProgramEnd.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <utility>

namespace platform {

namespace {

std::function<void()>& Handler()
{
    static std::function<void()> handler;
    return handler;
}

}  // namespace

void RequestProgramEnd()
{
    if (Handler()) {
        Handler()();
        return;
    }
    // Queued, so that a request made before the event loop runs still ends it once it does.
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void SetProgramEndHandler(std::function<void()> handler)
{
    Handler() = std::move(handler);
}

}  // namespace platform
