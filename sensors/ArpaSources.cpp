#include "sensors/ArpaSources.h"

#include "sensors/TargetTable.h"

#include <cstdlib>
#include <span>

int32_t ArpaSource = 0;
std::array<int32_t, 2> ArpaPorts{-1, -1};

namespace {

constexpr int32_t UseTarget = -1;
constexpr int32_t Ignored = 2;

}  // namespace

int32_t ArpaSourceGate(int port)
{
    switch (std::abs(ArpaSource)) {
    case 0:
        ArpaPorts[0] = port;
        ArpaSource = -1;
        return UseTarget;
    case 1:
        if (port == ArpaPorts[0])
            return UseTarget;
        if (ArpaPorts[1] < 0) {
            if (port < ArpaPorts[0]) {
                ArpaPorts[1] = ArpaPorts[0];
                ArpaPorts[0] = port;
                ArpaSource = -2;
            } else {
                ArpaPorts[1] = port;
                ArpaSource = -1;
            }
        }
        return Ignored;
    default:
        return port == ArpaPorts[1] ? UseTarget : Ignored;
    }
}

int32_t TakeNewArpaSource()
{
    if (ArpaSource >= 0)
        return 0;
    ArpaSource = -ArpaSource;
    return ArpaSource;
}

bool SecondArpaPortKnown()
{
    return ArpaPorts[1] >= 0;
}

bool SwitchArpaRadar(int radar)
{
    const int32_t other = radar == 1 ? 2 : 1;
    if (std::abs(ArpaSource) != other)
        return false;
    ArpaSource = ArpaSource < 0 ? -radar : radar;
    for (TargetRecord& target : std::span(TargetTable).first(TargetCount))
        if (target.id != -1 && target.kind == TargetArpa)
            FreeTarget(target);
    return true;
}
