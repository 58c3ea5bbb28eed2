#pragma once
// Decca Navigator readings for the cursor readout: the red, green and purple hyperbolic lane
// readings of the selected chain at a position, each split into zone number, zone letter and
// lane, with a lane correction per pattern that the user sets. Six chains are built in.
//
// A reading counts comparison wavelengths of the path difference, offset so that it is 0 at the
// master and twice the baseline over the wavelength at the slave:
//   reading = (master distance - slave distance + baseline) / wavelength + lane correction
// Names are Windows-1252 texts.

#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <cstdint>
#include <string>

enum DeccaColour { DeccaRed = 0, DeccaGreen = 1, DeccaPurple = 2 };
inline constexpr int DeccaColourCount = 3;

// One reading split into zones of lanes: red zones have 24 lanes numbered 0 to under 24, green
// 18 numbered 30 to under 48, purple 30 numbered 50 to under 80. Zones are lettered A to J and
// the letters repeat every ten zones, counted by the zone number.
struct DeccaPos {
    std::array<int32_t, DeccaColourCount> zone{};  // zone number
    std::array<char, DeccaColourCount> letter{};   // zone letter
    std::array<double, DeccaColourCount> lane{};
};

struct DeccaChain {
    int32_t number = -1;  // the chain number by which it is selected; -1 not filled
    std::string name;
    cmgbase::GeoPoint master;
    std::array<cmgbase::GeoPoint, DeccaColourCount> slave{};
    std::array<double, DeccaColourCount> baseline{};    // metres, master to slave
    std::array<double, DeccaColourCount> wavelength{};  // metres, of the comparison frequency
    std::array<double, DeccaColourCount> laneCorrection{};   // lanes, set by the user
    std::array<double, DeccaColourCount> scaleCorrection{};  // always 0
};

class DeccaConverter {
public:
    static constexpr int ChainCount = 6;
    static constexpr double SpeedOfLight = 299792458.0;  // metres per second
    static constexpr double MetresPerMile = 1852.0;

    // Builds the chain table and selects its first chain (number 25).
    DeccaConverter();

    // Fills `chain`. Station positions are texts of degrees, minutes and seconds with the
    // hemisphere letter ("058 31 18.690 N"); a station whose longitude text does not parse keeps
    // 0, 0, one whose latitude text does not parse keeps latitude 0. Frequencies are the slaves'
    // transmission frequencies in hertz (8, 9 and 5 times the chain's fundamental).
    static void AddChain(DeccaChain& chain, int32_t number, const std::string& name,
                         const char* masterLatitude, const char* masterLongitude,
                         const char* redLatitude, const char* redLongitude,
                         const char* greenLatitude, const char* greenLongitude,
                         const char* purpleLatitude, const char* purpleLongitude,
                         double redFrequency, double greenFrequency, double purpleFrequency);

    // Selects the chain with `number` and returns true; for a number not in the table returns
    // false and leaves no chain selected.
    bool SelectChain(int32_t number);
    // The selected chain, or null.
    const DeccaChain* SelectedChain() const;
    // The lane corrections of the chain with `number`; a number not in the table changes nothing.
    void SetCorrections(int32_t number, double red, double green, double purple);

    // The readings of the selected chain at a position (normalised coordinates), kept as the last
    // position and reading. With no chain selected, or at a position not on the earth, they are
    // the split of zero readings.
    DeccaPos ComputeReadings(int32_t longitude, int32_t latitude);
    // The red, green and purple lane readings at a position in full precision, before the split;
    // false, and zeros, with no chain selected or at a position not on the earth.
    bool LaneReadings(int32_t longitude, int32_t latitude,
                      std::array<double, DeccaColourCount>& readings) const;
    // Splits three lane readings, each taken to hundredths of a lane, into the last reading. A
    // reading that is not a finite number, or is too large for a 32-bit zone count, splits as 0.
    void SplitReading(double red, double green, double purple);

    // The chain at `index` (0..5, table order), or null.
    const DeccaChain* Chain(int index) const;
    cmgbase::GeoPoint LastPosition() const { return lastPosition_; }
    const DeccaPos& LastReading() const { return lastReading_; }

private:
    cmgbase::GeoPoint lastPosition_;
    DeccaPos lastReading_;
    int selected_ = -1;  // index into chains_, -1 none
    std::array<DeccaChain, ChainCount> chains_{};
};

// The readout texts of one colour: zone number, letter and lane, two blanks either side
// ("  1A 23.45  ").
std::string FormatDeccaRedReading(const DeccaPos& position);
std::string FormatDeccaGreenReading(const DeccaPos& position);
std::string FormatDeccaPurpleReading(const DeccaPos& position);

// The Decca converter of the cursor readout: made by the start-up, deleted with the main window; null in between.
extern DeccaConverter* Decca;
