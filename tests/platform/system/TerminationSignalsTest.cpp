#include "platform/system/TerminationSignals.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <csignal>

namespace {

bool EventsUntil(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// A request to end reaches the handler from the event loop, not from inside the signal; after
// the handler is taken away the signals have their default actions again.
TEST(TerminationSignals, EachRequestReachesTheHandlerFromTheEventLoop)
{
    int calls = 0;
    platform::OnTerminationSignal([&] { ++calls; });

    ASSERT_EQ(::raise(SIGTERM), 0);
    EXPECT_EQ(calls, 0) << "not inside the signal";
    EXPECT_TRUE(EventsUntil([&] { return calls == 1; }));

    ASSERT_EQ(::raise(SIGHUP), 0);
    ASSERT_EQ(::raise(SIGINT), 0);
    EXPECT_TRUE(EventsUntil([&] { return calls >= 2; }));
    platform::OnTerminationSignal({});

    struct sigaction restored {};
    ::sigaction(SIGTERM, nullptr, &restored);
    EXPECT_EQ(restored.sa_handler, SIG_DFL);
}

}  // namespace
