#include "app/OutputThreadWiring.h"

#include "app/TForm1.h"
#include "app/TcpClient.h"
#include "sensors/ComOutThread.h"
#include "sensors/NmeaOutput.h"

#include <QMetaObject>
#include <QPushButton>

#include <string>
#include <utility>

void StartOutputThread(TForm1& form)
{
    // Called on the output thread: the text is queued to the window's thread. The thread is
    // stopped before the window goes, so the window outlives every such call.
    TForm1* const window = &form;
    ComOutHook.sendTcpText = [window](std::string text) {
        QMetaObject::invokeMethod(window, [text = std::move(text)] { SendTcpText(text); }, Qt::QueuedConnection);
    };
    SetOutputMutedByReplay(form.btnReplay->isChecked());
    QObject::connect(form.btnReplay, &QPushButton::toggled, &form, [](bool down) { SetOutputMutedByReplay(down); });
    StartComOutThread();
}
