#pragma once
// LORAN-C time differences for the cursor readout: the readings a receiver of the selected chain
// would show at a position. Fifteen chains are built in; each time difference comes from the
// geodesic distances to the master and the secondary with a fixed propagation model:
//
//   t(d) = d x (1.000338 / 299.792458 + 2.15475e-06) + 38673.4 / d   (d metres, t microseconds)
//   TD   = emission delay + t(secondary distance) - t(master distance)
//
// Distances are nautical miles times 1851.8518 (a single-precision constant, not 1852): the
// readings of this system were always computed that way. Names are Windows-1252 texts.

#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <cstdint>
#include <string>

struct LoranTransmitter {
    std::string name;
    cmgbase::GeoPoint position;
    double baselineDelay = 0.0;  // microseconds: emission delay - coding delay
    int32_t codingDelay = 0;     // microseconds
    uint8_t present = 0;         // 1 for a filled slot
};

// Fills a secondary slot: name, position and delays, marked present.
void SetLoranTransmitter(LoranTransmitter& transmitter, std::string name,
                         cmgbase::GeoPoint position, double emissionDelay, int32_t codingDelay);

struct LoranChain {
    static constexpr int SlotCount = 5;  // secondaries V, W, X, Y, Z

    int32_t gri = -1;  // group repetition interval in tens of microseconds; -1 not filled
    std::string chainName;
    std::string masterName;
    cmgbase::GeoPoint masterPosition;
    std::array<LoranTransmitter, SlotCount> secondaries{};
};

// Time differences in microseconds, slot 0 (V) to slot 4 (Z); 0.0 where there is no reading.
using LoranTimeDifferences = std::array<double, LoranChain::SlotCount>;

class LoranConverter {
public:
    static constexpr int ChainCount = 15;
    static constexpr int DefaultChain = 4;  // NORWEGIAN SEA CHAIN, GRI 7970

    static constexpr double SpeedOfLight = 299.792458;        // metres per microsecond
    static constexpr double IndexOfRefraction = 1.000338;
    static constexpr double SecondaryFactorSlope = 2.15475e-06;  // microseconds per metre
    static constexpr double SecondaryFactorNear = 38673.4;       // microsecond-metres
    static constexpr float MetresPerMile = 1851.8518f;

    // Builds the chain table and selects the default chain.
    LoranConverter();

    // The time differences of the selected chain at a position (normalised coordinates), kept as
    // the last position and result. An empty slot reads 0.0, and so does every slot where the
    // model has no value: at the master or at the slot's secondary, where a distance is zero,
    // and at a position that is not on the earth.
    LoranTimeDifferences TimeDifferences(int32_t longitude, int32_t latitude);

    // Selects chain `index` (0..14) and returns true; any other index changes nothing.
    bool SelectChain(int index);
    int SelectedChainIndex() const { return selected_; }
    const LoranChain& SelectedChain() const { return chains_[size_t(selected_)]; }
    // The chain at `index`, or null outside 0..14.
    const LoranChain* Chain(int index) const;

    cmgbase::GeoPoint LastPosition() const { return lastPosition_; }
    const LoranTimeDifferences& LastResult() const { return lastResult_; }

private:
    cmgbase::GeoPoint lastPosition_;
    LoranTimeDifferences lastResult_{};
    int selected_ = DefaultChain;
    std::array<LoranChain, ChainCount> chains_{};
};

// The LORAN-C converter of the cursor readout: made by the start-up, deleted with the main window; null in between.
extern LoranConverter* Loran;
