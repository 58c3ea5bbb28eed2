#include "platform/system/PowerOff.h"

#include "platform/system/ChildProcess.h"

#include <utility>

namespace platform {

namespace {

std::function<void(const std::string&)>& Handler()
{
    static std::function<void(const std::string&)> handler;
    return handler;
}

}  // namespace

void RequestPowerOff(const std::string& command)
{
    if (command.empty())
        return;
    if (Handler()) {
        Handler()(command);
        return;
    }
    // Kept for the rest of the run: the request outlives this call, and nobody waits for it.
    static ChildProcess powerOff;
    powerOff.start(command);
}

void SetPowerOffHandler(std::function<void(const std::string& command)> handler)
{
    Handler() = std::move(handler);
}

}  // namespace platform
