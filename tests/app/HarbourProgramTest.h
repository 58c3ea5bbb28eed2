#pragma once
// A fixture for tests of the started program: its suite installs one chart database over the
// harbour cell, which each test's program folder then points at.

#include "SetupTestSupport.h"

#include "platform/chartengine/ChartTestSupport.h"

class HarbourProgramTest : public SetupTest {
protected:
    static void SetUpTestSuite() { harbour_ = new charttest::HarbourEngine(false); }
    static void TearDownTestSuite()
    {
        delete harbour_;
        harbour_ = nullptr;
    }

    static const charttest::HarbourEngine& harbour() { return *harbour_; }

private:
    static inline charttest::HarbourEngine* harbour_ = nullptr;
};
