#include "chart/AreaWatchTable.h"

#include "platform/chartengine/AreaCheck.h"

namespace {

std::array<uint8_t, AreaWatchClasses> InitialStates()
{
    std::array<uint8_t, AreaWatchClasses> states{};
    for (const int32_t code : chartengine::kWatchedAreaClasses)
        states[size_t(code)] = WatchIdle;
    return states;
}

}  // namespace

std::array<uint8_t, AreaWatchClasses> AreaWatchTable = InitialStates();

void ResetAreaWatchTable()
{
    AreaWatchTable = InitialStates();
}

uint8_t AreaWatchStateOf(int32_t classCode)
{
    return classCode >= 0 && classCode < AreaWatchClasses ? AreaWatchTable[size_t(classCode)] : uint8_t(NotWatched);
}
