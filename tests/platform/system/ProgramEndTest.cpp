#include "platform/system/ProgramEnd.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

namespace {

TEST(ProgramEnd, InstalledHandlerIsTheOnePath)
{
    int calls = 0;
    platform::SetProgramEndHandler([&] { ++calls; });
    platform::RequestProgramEnd();
    platform::RequestProgramEnd();
    EXPECT_EQ(calls, 2);
    platform::SetProgramEndHandler({});
}

TEST(ProgramEnd, DefaultEndsTheEventLoop)
{
    // Asked before the loop runs, the request still ends it; the second timer only guards
    // against a hang and would make the loop return 1.
    platform::RequestProgramEnd();
    QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

}  // namespace
