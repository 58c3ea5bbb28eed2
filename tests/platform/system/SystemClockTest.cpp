// The PC clock service with the machine clock out of reach: a refused setting becomes the
// program's own correction and is reported once; an allowed one leaves no correction.

#include "platform/system/SystemClock.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace {

using namespace std::chrono;

class SystemClockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ResetClockCorrection();
        platform::InstallClockReporter([this](const std::string& text) { reports.push_back(text); });
    }
    void TearDown() override
    {
        platform::InstallMachineClockSetter(nullptr);
        platform::InstallClockReporter(nullptr);
        platform::ResetClockCorrection();
    }

    std::vector<std::string> reports;
};

TEST_F(SystemClockTest, RefusedSettingIsKeptAsTheProgramsCorrection)
{
    platform::InstallMachineClockSetter([](platform::ClockTime) { return EPERM; });
    const auto target = system_clock::now() + hours(3);
    EXPECT_FALSE(platform::SetClock(target));
    EXPECT_NEAR(duration_cast<seconds>(platform::ClockNow() - target).count(), 0, 1);
    EXPECT_FALSE(platform::SetClock(target - hours(1)));
    EXPECT_NEAR(duration_cast<minutes>(platform::ClockCorrection()).count(), 120, 1);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("cannot be set"), std::string::npos);
}

TEST_F(SystemClockTest, AllowedSettingLeavesNoCorrection)
{
    std::vector<platform::ClockTime> set;
    platform::InstallMachineClockSetter([&set](platform::ClockTime utc) {
        set.push_back(utc);
        return 0;
    });
    platform::InstallMachineClockSetter([](platform::ClockTime) { return EPERM; });
    platform::SetClock(system_clock::now() + hours(1));
    platform::InstallMachineClockSetter([&set](platform::ClockTime utc) {
        set.push_back(utc);
        return 0;
    });
    const auto target = system_clock::now() - minutes(5);
    EXPECT_TRUE(platform::SetClock(target));
    ASSERT_EQ(set.size(), 1u);
    EXPECT_EQ(set[0], target);
    EXPECT_EQ(platform::ClockCorrection(), nanoseconds(0));
}

TEST_F(SystemClockTest, MachineClockIsLeftAloneUnlessAllowed)
{
    platform::InstallMachineClockSetter(nullptr);  // the real setter, not allowed by default
    const auto before = system_clock::now();
    EXPECT_FALSE(platform::SetClock(before + hours(24 * 365)));
    EXPECT_LT(system_clock::now() - before, minutes(1));  // the machine's clock did not move
    EXPECT_NEAR(duration_cast<hours>(platform::ClockCorrection()).count(), 24 * 365, 1);
    EXPECT_EQ(reports.size(), 1u);
}

}  // namespace
