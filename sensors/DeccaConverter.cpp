#include "sensors/DeccaConverter.h"

#include "platform/geodesy/CoordinateText.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/PositionComputation.h"

#include <cmath>
#include <cstdio>

DeccaConverter* Decca = nullptr;

using cmgbase::GeoPoint;

namespace {

// Lanes per zone and the number of the first lane.
struct Pattern {
    int lanes;
    double firstLane;
};
constexpr Pattern kPatterns[DeccaColourCount] = {{24, 0.0}, {18, 30.0}, {30, 50.0}};
constexpr int kZonesPerCycle = 10;  // zone letters A to J

// Comparison frequency over the slave's transmission frequency: 24f/8f, 18f/9f, 30f/5f.
constexpr double kComparisonFactor[DeccaColourCount] = {3.0, 2.0, 6.0};

struct ChainRow {
    int32_t number;
    const char* name;
    const char* station[4][2];  // master, red, green, purple: latitude, longitude text
    double frequency[DeccaColourCount];
};

constexpr ChainRow kChainTable[DeccaConverter::ChainCount] = {
    {25, "Skagerrak 10B",
     {{"058 31 18.690 N", "011 17 40.050 E"},
      {"058 52 15.291 N", "009 36 25.614 E"},
      {"057 29 13.979 N", "011 57 14.276 E"},
      {"059 21 28.987 N", "012 10 46.155 E"}},
     {114533.0, 128850.0, 71583.3}},
    {2, "Bergen 0E",
     {{"60 24 23.674 N", "005 00 34.392 E"},
      {"62 11 15.259 N", "005 07 45.525 E"},
      {"60 02 54.100 N", "001 14 32.660 W"},
      {"58 47 14.806 N", "005 32 42.173 E"}},
     {112260.0, 126292.5, 70162.5}},
    {11, "Tr\xF8ndelag 4E",
     {{"63 19 58.800 N", "008 27 00.000 E"},
      {"64 55 01.200 N", "011 10 01.200 E"},
      {"62 12 00.000 N", "005 07 58.800 E"},
      {"62 49 58.800 N", "019 03 00.000 E"}},
     {113220.0, 127372.5, 70762.5}},
    {24, "Helgeland 9E",
     {{"66 12 00.000 N", "012 28 01.200 E"},
      {"67 31 58.800 N", "012 07 58.800 E"},
      {"64 55 01.200 N", "011 10 01.200 E"},
      {"66 16 58.800 N", "014 10 01.200 E"}},
     {114413.5, 128715.0, 71508.3}},
    {7, "Lofoten 3E",
     {{"69 08 45 N", "016 01 53 E"},
      {"70 14 51 N", "019 30 05 E"},
      {"67 31 44 N", "012 09 30 E"},
      {"68 27 57 N", "017 06 02 E"}},
     {112980.0, 127102.5, 70612.5}},
    {19, "Finnmark 7E",
     {{"70 23 28 N", "025 30 14 E"},
      {"69 41 19 N", "030 03 14 E"},
      {"70 06 20 N", "020 07 07 E"},
      {"71 09 36 N", "025 45 21 E"}},
     {113940.0, 128182.5, 71212.5}},
};

// A station text pair; the latitude is read only when the longitude was.
GeoPoint ParseStation(const char* latitude, const char* longitude)
{
    GeoPoint point;
    const char* format = cmgbase::_apszgpFormat[0];
    if (cmgbase::_str2crd(&point.x, longitude, format, 'E', 'W', int64_t{1} << 31, 3, 90, 60,
                          100))
        cmgbase::_str2crd(&point.y, latitude, format, 'N', 'S', int64_t{1} << 30, 3, 90, 60, 100);
    return point;
}

// The distance in metres; false for a position not on the earth.
bool Distance(const GeoPoint& from, const GeoPoint& to, double& metres)
{
    double miles = 0;
    if (cmgbase::InvPosComputation(from, to, &miles, nullptr, 0) != cmgbase::kGeoOk)
        return false;
    metres = miles * DeccaConverter::MetresPerMile;
    return true;
}

// The whole number of `divisor`s at or below `value`.
int64_t FloorDivide(int64_t value, int64_t divisor)
{
    const int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

// Zone number, letter and lane of one reading. The reading is taken to hundredths of a lane, as
// the readout prints it, so that a lane that rounds up to the next zone is shown in that zone
// ("1B 00.00", not "1A 24.00"). The zone index comes from a division, exact at every whole
// multiple of the zone width, and the zone cycle from whole numbers, so the letter stays within
// A to J on either side of zero.
void Split(double reading, const Pattern& pattern, int32_t& zone, char& letter, double& lane)
{
    double shown = std::round(reading * 100.0) / 100.0 + 0.0;  // + 0.0: no negative zero
    if (!std::isfinite(shown) || std::fabs(shown / pattern.lanes) >= INT32_MAX)
        shown = 0.0;
    const double index = std::floor(shown / pattern.lanes);
    const auto whole = static_cast<int64_t>(index);
    const int64_t cycle = FloorDivide(whole, kZonesPerCycle);
    zone = static_cast<int32_t>(cycle + 1);
    letter = static_cast<char>('A' + (whole - cycle * kZonesPerCycle));
    lane = shown - index * pattern.lanes + pattern.firstLane;
}

std::string FormatReading(const DeccaPos& position, DeccaColour colour)
{
    const char* format = "  %1d%c %05.2f  ";
    const int32_t zone = position.zone[colour];
    const char letter = position.letter[colour];
    const double lane = position.lane[colour];
    const int length = std::snprintf(nullptr, 0, format, zone, letter, lane);
    std::string text(size_t(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, zone, letter, lane);
    return text;
}

}  // namespace

DeccaConverter::DeccaConverter()
{
    for (int i = 0; i < ChainCount; ++i) {
        const ChainRow& row = kChainTable[i];
        AddChain(chains_[size_t(i)], row.number, row.name, row.station[0][0], row.station[0][1],
                 row.station[1][0], row.station[1][1], row.station[2][0], row.station[2][1],
                 row.station[3][0], row.station[3][1], row.frequency[DeccaRed],
                 row.frequency[DeccaGreen], row.frequency[DeccaPurple]);
    }
    SplitReading(0.0, 0.0, 0.0);
    selected_ = 0;
}

void DeccaConverter::AddChain(DeccaChain& chain, int32_t number, const std::string& name,
                              const char* masterLatitude, const char* masterLongitude,
                              const char* redLatitude, const char* redLongitude,
                              const char* greenLatitude, const char* greenLongitude,
                              const char* purpleLatitude, const char* purpleLongitude,
                              double redFrequency, double greenFrequency, double purpleFrequency)
{
    chain.number = number;
    chain.name = name;
    chain.master = ParseStation(masterLatitude, masterLongitude);
    chain.slave = {ParseStation(redLatitude, redLongitude),
                   ParseStation(greenLatitude, greenLongitude),
                   ParseStation(purpleLatitude, purpleLongitude)};
    const double frequency[DeccaColourCount] = {redFrequency, greenFrequency, purpleFrequency};
    for (int c = 0; c < DeccaColourCount; ++c) {
        chain.baseline[c] = 0.0;
        Distance(chain.master, chain.slave[c], chain.baseline[c]);
        chain.wavelength[c] = SpeedOfLight / (frequency[c] * kComparisonFactor[c]);
    }
}

bool DeccaConverter::SelectChain(int32_t number)
{
    selected_ = -1;
    for (int i = 0; i < ChainCount; ++i) {
        if (chains_[size_t(i)].number == number) {
            selected_ = i;
            return true;
        }
    }
    return false;
}

const DeccaChain* DeccaConverter::SelectedChain() const
{
    return Chain(selected_);
}

void DeccaConverter::SetCorrections(int32_t number, double red, double green, double purple)
{
    for (DeccaChain& chain : chains_) {
        if (chain.number == number) {
            chain.laneCorrection = {red, green, purple};
            return;
        }
    }
}

bool DeccaConverter::LaneReadings(int32_t longitude, int32_t latitude,
                                  std::array<double, DeccaColourCount>& readings) const
{
    readings = {};
    const GeoPoint position{longitude, latitude};
    const DeccaChain* chain = SelectedChain();
    double dm = 0;
    if (!chain || !Distance(position, chain->master, dm))
        return false;
    std::array<double, DeccaColourCount> reading{};
    for (int c = 0; c < DeccaColourCount; ++c) {
        double dp = 0;
        if (!Distance(position, chain->slave[c], dp))
            return false;
        const double scale = chain->scaleCorrection[c];
        reading[c] = ((dm - dp) * (1.0 + scale) + chain->baseline[c]) / chain->wavelength[c] +
                     chain->laneCorrection[c] + scale * 100.0;
    }
    readings = reading;
    return true;
}

DeccaPos DeccaConverter::ComputeReadings(int32_t longitude, int32_t latitude)
{
    lastPosition_ = GeoPoint{longitude, latitude};
    std::array<double, DeccaColourCount> reading{};
    LaneReadings(longitude, latitude, reading);
    SplitReading(reading[DeccaRed], reading[DeccaGreen], reading[DeccaPurple]);
    return lastReading_;
}

void DeccaConverter::SplitReading(double red, double green, double purple)
{
    const double reading[DeccaColourCount] = {red, green, purple};
    for (int c = 0; c < DeccaColourCount; ++c)
        Split(reading[c], kPatterns[c], lastReading_.zone[c], lastReading_.letter[c],
              lastReading_.lane[c]);
}

const DeccaChain* DeccaConverter::Chain(int index) const
{
    if (index < 0 || index >= ChainCount)
        return nullptr;
    return &chains_[size_t(index)];
}

std::string FormatDeccaRedReading(const DeccaPos& position)
{
    return FormatReading(position, DeccaRed);
}

std::string FormatDeccaGreenReading(const DeccaPos& position)
{
    return FormatReading(position, DeccaGreen);
}

std::string FormatDeccaPurpleReading(const DeccaPos& position)
{
    return FormatReading(position, DeccaPurple);
}
