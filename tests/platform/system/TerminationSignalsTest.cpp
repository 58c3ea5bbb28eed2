#include "platform/system/TerminationSignals.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <csignal>

namespace {

// Counts the handler's calls; reach runs the event loop until the count is there (at most five
// seconds).
class HandlerCalls {
public:
    HandlerCalls() { platform::OnTerminationSignal([this] { ++count_; loop_.quit(); }); }
    ~HandlerCalls() { platform::OnTerminationSignal({}); }
    int count() const { return count_; }
    bool reach(int calls)
    {
        bool timedOut = false;
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop_, [&] {
            timedOut = true;
            loop_.quit();
        });
        timeout.start(5000);
        while (count_ < calls && !timedOut)
            loop_.exec();
        return count_ >= calls;
    }

private:
    QEventLoop loop_;
    int count_ = 0;
};

// A request to end reaches the handler from the event loop, not from inside the signal; after
// the handler is taken away the signals have their default actions again.
TEST(TerminationSignals, EachRequestReachesTheHandlerFromTheEventLoop)
{
    {
        HandlerCalls calls;
        ASSERT_EQ(::raise(SIGTERM), 0);
        EXPECT_EQ(calls.count(), 0) << "not inside the signal";
        EXPECT_TRUE(calls.reach(1));

        ASSERT_EQ(::raise(SIGHUP), 0);
        ASSERT_EQ(::raise(SIGINT), 0);
        EXPECT_TRUE(calls.reach(2));
    }
    struct sigaction restored {};
    ::sigaction(SIGTERM, nullptr, &restored);
    EXPECT_EQ(restored.sa_handler, SIG_DFL);
}

}  // namespace
