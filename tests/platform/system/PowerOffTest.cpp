#include "platform/system/PowerOff.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

TEST(PowerOff, AnInstalledHandlerTakesTheCommandAndAnEmptyCommandAsksNothing)
{
    std::vector<std::string> requested;
    platform::SetPowerOffHandler([&](const std::string& command) { requested.push_back(command); });
    platform::RequestPowerOff("");
    platform::RequestPowerOff(platform::DefaultPowerOffCommand);
    platform::SetPowerOffHandler({});

    EXPECT_EQ(requested, std::vector<std::string>{"systemctl poweroff"});
}

// Without a handler the command runs by itself and the request does not wait for it; a harmless
// command stands in for the power-off.
TEST(PowerOff, WithoutAHandlerTheCommandRunsDetached)
{
    const TempFolder folder;
    const std::filesystem::path mark = folder / "asked";
    platform::RequestPowerOff("sh -c \"sleep 0.2; touch '" + mark.string() + "'\"");
    EXPECT_FALSE(std::filesystem::exists(mark)) << "the request returned at once";

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!std::filesystem::exists(mark) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(std::filesystem::exists(mark));
}

}  // namespace
