#include "app/OutputThreadWiring.h"

#include "app/TForm1.h"
#include "app/TcpClient.h"
#include "sensors/ComOutThread.h"
#include "sensors/NmeaOutput.h"

#include <QPushButton>
#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

namespace {

// Brings the TCP text the output thread hands over to the window's thread, which owns the
// connection: the output thread counts an event descriptor up, and a notifier of the window's
// thread takes the text and sends it. No object crosses between the threads but the text, under
// the hand-over's own lock.
class TcpHandOver : public QObject {
public:
    explicit TcpHandOver(QObject* window)
        : QObject(window), descriptor_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)),
          notifier_(descriptor_, QSocketNotifier::Read, this)
    {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] {
            eventfd_t count = 0;
            eventfd_read(descriptor_, &count);
            const std::string text = TakeTcpText();
            if (!text.empty())
                SendTcpText(text);
        });
    }
    ~TcpHandOver() override
    {
        if (descriptor_ >= 0)
            close(descriptor_);
    }
    TcpHandOver(const TcpHandOver&) = delete;
    TcpHandOver& operator=(const TcpHandOver&) = delete;

    bool valid() const { return descriptor_ >= 0; }
    // Any thread.
    void wake() { eventfd_write(descriptor_, 1); }

private:
    const int descriptor_;
    QSocketNotifier notifier_;
};

}  // namespace

void StartOutputThread(TForm1& form)
{
    // The window's end stops the thread and empties the hook before the hand-over goes.
    auto* handOver = new TcpHandOver(&form);
    if (handOver->valid())
        ComOutHook.tcpTextWaiting = [handOver] { handOver->wake(); };
    SetOutputMutedByReplay(form.btnReplay->isChecked());
    QObject::connect(form.btnReplay, &QPushButton::toggled, &form, [](bool down) { SetOutputMutedByReplay(down); });
    StartComOutThread();
}
