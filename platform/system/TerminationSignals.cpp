#include "platform/system/TerminationSignals.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

constexpr int Signals[] = {SIGTERM, SIGHUP, SIGINT};

// The signal handler only writes a byte into this pipe; the notifier reads it on the main loop.
int pipeEnds[2] = {-1, -1};
std::function<void()> handlerOnLoop;
QPointer<QSocketNotifier> notifier;

extern "C" void WriteSignalByte(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

bool MakePipe()
{
    if (pipeEnds[0] >= 0)
        return true;
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeEnds[0] = pipeEnds[1] = -1;
        return false;
    }
    return true;
}

void TakeSignals()
{
    char bytes[16];
    bool arrived = false;
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0)
        arrived = true;
    if (arrived && handlerOnLoop)
        handlerOnLoop();
}

bool IgnoredAtStart(int signal)
{
    static const auto ignored = [] {
        std::array<bool, std::size(Signals)> flags{};
        for (size_t i = 0; i < std::size(Signals); ++i) {
            struct sigaction current {};
            ::sigaction(Signals[i], nullptr, &current);
            flags[i] = current.sa_handler == SIG_IGN;
        }
        return flags;
    }();
    for (size_t i = 0; i < std::size(Signals); ++i)
        if (Signals[i] == signal)
            return ignored[i];
    return false;
}

void SetAction(void (*action)(int))
{
    for (const int signal : Signals) {
        if (IgnoredAtStart(signal))
            continue;
        struct sigaction wanted {};
        wanted.sa_handler = action;
        sigemptyset(&wanted.sa_mask);
        wanted.sa_flags = SA_RESTART;
        ::sigaction(signal, &wanted, nullptr);
    }
}

}  // namespace

void OnTerminationSignal(std::function<void()> handler)
{
    handlerOnLoop = std::move(handler);
    if (!handlerOnLoop) {
        SetAction(SIG_DFL);
        delete notifier;
        return;
    }
    if (!MakePipe())
        return;
    if (!notifier) {
        notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] { TakeSignals(); });
    }
    SetAction(WriteSignalByte);
}

}  // namespace platform
