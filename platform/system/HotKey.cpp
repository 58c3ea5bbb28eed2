#include "platform/system/HotKey.h"

#include "platform/system/MessageBox.h"
#include "platform/system/TextCodec.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <exception>

namespace platform {

ApplicationHotKey::ApplicationHotKey(Qt::Key key, Qt::KeyboardModifiers modifiers, std::function<void()> action)
    : key_(key), modifiers_(modifiers), action_(std::move(action))
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

ApplicationHotKey::~ApplicationHotKey()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

// The application's filter sees every key press before the window or control it is meant for.
bool ApplicationHotKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    if (press->key() != key_ || (press->modifiers() & ~Qt::KeypadModifier) != modifiers_)
        return QObject::eventFilter(watched, event);
    if (!press->isAutoRepeat())
        Run();
    return true;
}

// An error of the action must not unwind through the event loop: it is reported and the
// program carries on.
void ApplicationHotKey::Run() const
{
    std::string failure;
    try {
        action_();
        return;
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        failure = "unknown error";
    }
    MessageBoxRequest request;
    request.text = failure;
    request.caption = ToCp1252(QCoreApplication::applicationName());
    request.icon = MsgIcon::Exclamation;
    ShowMessageBox(request);
}

}  // namespace platform
