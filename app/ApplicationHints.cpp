#include "app/ApplicationHints.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QToolTip>

namespace {

// Swallows every tool-tip request while it watches the application.
class HintBlocker : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::ToolTip; }
};

QPointer<HintBlocker> Blocker;
bool HintsShown = true;

}  // namespace

void SetApplicationHints(bool shown)
{
    HintsShown = shown;
    if (!Blocker)
        Blocker = new HintBlocker(qApp);
    if (shown) {
        qApp->removeEventFilter(Blocker);
        return;
    }
    qApp->installEventFilter(Blocker);
    QToolTip::hideText();
}

bool ApplicationHintsShown()
{
    return HintsShown;
}
