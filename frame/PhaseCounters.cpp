#include "frame/PhaseCounters.h"

std::array<int8_t, 9> PhaseCounters{};

void AdvancePhaseCounters()
{
    for (std::size_t k = 0; k < PhaseCounters.size(); ++k) {
        int8_t& counter = PhaseCounters[k];
        counter = counter >= kPhaseCounterLengths[k] - 1 ? 0 : static_cast<int8_t>(counter + 1);
    }
}
