#include "sensors/LoranConverter.h"

#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"

#include <utility>

LoranConverter* Loran = nullptr;

using cmgbase::GeoPoint;

namespace {

enum Slot { V = 0, W = 1, X = 2, Y = 3, Z = 4 };

struct SecondaryRow {
    Slot slot = V;
    const char* name = nullptr;  // null ends the chain's list
    double latitude = 0;         // degrees
    double longitude = 0;
    int32_t codingDelay = 0;  // microseconds
    double emissionDelay = 0;
};

struct ChainRow {
    int32_t gri;
    const char* chainName;
    const char* masterName;
    double latitude;  // degrees
    double longitude;
    std::array<SecondaryRow, LoranChain::SlotCount> secondaries;
};

// The published chains: GRI, names, station positions and delays. Each emission delay less its
// coding delay is the model's travel time over the baseline to within half a microsecond; Attu's
// was once held as 14848.23, 27 microseconds short of its baseline, which put every reading of
// that pair kilometres off. The coding delay of Port Clarence in the Gulf of Alaska chain does not
// fit its baseline either, but only the emission delay enters a reading.
constexpr ChainRow kChainTable[LoranConverter::ChainCount] = {
    {5930, "CANADIAN EAST COAST CHAIN", "Caribou, ME", 46.80758472, -67.92698861,
     {{{X, "Nantucket, MA", 41.25334611, -69.97737111, 11000, 13131.88},
       {Y, "Cape Race, Canada", 46.775635, -53.174335, 25000, 28755.02},
       {Z, "Fox Harbour, Canada", 52.37645889, -55.70773944, 38000, 41594.59}}}},
    {5990, "CANADIAN WEST COAST CHAIN", "Williams Lake, Canada", 51.96635444, -122.367135,
     {{{X, "Shoal Cove, AK", 55.43915, -131.2553039, 11000, 13343.6},
       {Y, "George, WA", 47.06336, -119.74416, 27000, 28927.36},
       {Z, "Port Hardy, Canada", 50.60828611, -127.3579136, 41000, 42266.63}}}},
    {7930, "LABRADOR SEA CHAIN", "Fox Harbour, Canada", 52.37645889, -55.70773944,
     {{{W, "Cape Race, Canada", 46.775635, -53.174335, 11000, 13167.31},
       {X, "Angissoq, Greenland", 59.98815222, -45.17414333, 26000, 29565.39}}}},
    {7960, "GULF OF ALASKA CHAIN", "Tok, AK", 63.32857889, -142.8087072,
     {{{X, "Kodiak, AK", 57.4389725, -152.3696411, 11000, 13804.45},
       {Y, "Shoal Cove, AK", 55.43915, -131.2553039, 26000, 29651.14},
       {Z, "Port Clarence, AK", 65.24454778, -166.8866656, 45000, 47932.52}}}},
    {7970, "NORWEGIAN SEA CHAIN", "Ejde, Denmark", 62.29992028, -7.073884444,
     {{{W, "Sylt, Germany", 54.80832278, 8.293573889, 26000, 30065.64},
       {X, "B\xF8, Norway", 68.6350575, 14.46320944, 11000, 15048.1},
       {Y, "Sandur, Iceland", 64.90740194, -23.92255444, 46000, 48944.53},
       {Z, "Jan Mayen, Norway", 70.91462833, -8.732815556, 60000, 63216.3}}}},
    {7980, "SOUTHEAST U.S. CHAIN", "Malone, FL", 30.99413056, -85.1690975,
     {{{W, "Grangeville, LA", 30.72587472, -90.82862389, 11000, 12809.54},
       {X, "Raymondville, TX", 26.53198361, -97.83320528, 23000, 27443.38},
       {Y, "Jupiter, FL", 27.03292444, -80.1146875, 43000, 45201.88},
       {Z, "Carolina Beach, NC", 34.06283556, -77.91280556, 59000, 61542.72}}}},
    {7990, "MEDITERRANEAN CHAIN", "Sellia Marina, Italy", 38.87241861, 16.71853139,
     {{{X, "Lampedusa, Italy", 35.52247556, 12.52522194, 11000, 12755.98},
       {Y, "Kargabarun, Turkey", 40.97251833, 27.86724278, 29000, 32273.29},
       {Z, "Estartit, Spain", 42.06017472, 3.204462778, 47000, 50999.7}}}},
    {8290, "NORTH CENTRAL U.S. CHAIN", "Havre, MT", 48.7440525, -109.9815592,
     {{{W, "Baudette, MN", 48.61387417, -94.55497639, 11000, 14786.56},
       {X, "Gillette, WY", 44.00314028, -105.6233042, 27000, 29084.44},
       {Y, "Williams Lake, Canada", 51.96635444, -122.367135, 42000, 45171.62}}}},
    {8970, "GREAT LAKES CHAIN", "Dana, IN", 39.85212722, -87.48655167,
     {{{W, "Malone, FL", 30.99413056, -85.1690975, 11000, 14355.11},
       {X, "Seneca, NY", 42.71408778, -76.82591889, 28000, 31162.06},
       {Y, "Baudette, MN", 48.61387417, -94.55497639, 44000, 47753.74},
       {Z, "Boise City, OK", 36.50577306, -102.8998575, 59000, 63669.46}}}},
    {9610, "SOUTH CENTRAL U.S. CHAIN", "Boise City, OK", 36.50577306, -102.8998575,
     {{{V, "Gillette, WY", 44.00314028, -105.6233042, 11000, 13884.48},
       {W, "Searchlight, NV", 35.32175139, -114.8046892, 25000, 28611.81},
       {X, "Las Cruces, NM", 32.07170278, -106.8678856, 40000, 42044.93},
       {Y, "Raymondville, TX", 26.53198361, -97.83320528, 52000, 56024.8},
       {Z, "Grangeville, LA", 30.72587472, -90.82862389, 65000, 69304.0}}}},
    {9940, "U.S. WEST COAST CHAIN", "Fallon, NV", 39.55187222, -118.8321711,
     {{{W, "George, WA", 47.06336, -119.74416, 11000, 13796.9},
       {X, "Middletown, CA", 38.78253056, -122.4955486, 27000, 28094.5},
       {Y, "Searchlight, NV", 35.32175139, -114.8046892, 40000, 41967.3}}}},
    {9960, "NORTHEAST U.S. CHAIN", "Seneca, NY", 42.71408778, -76.82591889,
     {{{W, "Caribou, ME", 46.80758472, -67.92698861, 11000, 13797.2},
       {X, "Nantucket, MA", 41.25334611, -69.97737111, 25000, 26969.93},
       {Y, "Carolina Beach, NC", 34.06283556, -77.91280556, 39000, 42221.64},
       {Z, "Dana, IN", 39.85212722, -87.48655167, 54000, 57162.06}}}},
    {9970, "NORTHWEST PACIFIC CHAIN", "Iwo Jima, Japan", 24.80103722, 141.3252381,
     {{{W, "Marcus Island, Japan", 24.28556278, 153.9816072, 11000, 15283.94},
       {X, "Hokkaido, Japan", 42.74367139, 143.7193886, 30000, 36685.12},
       {Y, "Gesashi, Japan", 26.606975, 128.1491664, 55000, 59463.18},
       {Z, "Barrigada, Guam", 13.46391444, 144.8258297, 81000, 85365.84}}}},
    {9980, "ICELANDIC CHAIN", "Sandur, Iceland", 64.90740194, -23.92255444,
     {{{W, "Angissoq, Greenland", 59.98815222, -45.17414333, 11000, 15068.03},
       {X, "Ejde, Denmark", 62.29992028, -7.073884444, 30000, 32944.54}}}},
    {9990, "NORTH PACIFIC CHAIN", "Saint Paul, AK", 57.15343056, -170.2517347,
     {{{X, "Attu Island, AK", 52.82892611, 173.1804244, 11000, 14875.30},
       {Y, "Port Clarence, AK", 65.24454778, -166.8866656, 29000, 32068.95},
       {Z, "Kodiak, AK", 57.4389725, -152.3696411, 43000, 46590.45}}}},
};

GeoPoint FromDegrees(double latitude, double longitude)
{
    return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
}

// The distance in metres as the model takes it; false for a position not on the earth.
bool ModelDistance(const GeoPoint& from, const GeoPoint& to, double& metres)
{
    double miles = 0;
    if (cmgbase::InvPosComputation(from, to, &miles, nullptr, 0) != cmgbase::kGeoOk)
        return false;
    metres = miles * LoranConverter::MetresPerMile;
    return true;
}

}  // namespace

void SetLoranTransmitter(LoranTransmitter& transmitter, std::string name, GeoPoint position,
                         double emissionDelay, int32_t codingDelay)
{
    transmitter.name = std::move(name);
    transmitter.position = position;
    transmitter.baselineDelay = emissionDelay - codingDelay;
    transmitter.codingDelay = codingDelay;
    transmitter.present = 1;
}

LoranConverter::LoranConverter()
{
    for (int i = 0; i < ChainCount; ++i) {
        const ChainRow& row = kChainTable[i];
        LoranChain& chain = chains_[size_t(i)];
        chain.gri = row.gri;
        chain.chainName = row.chainName;
        chain.masterName = row.masterName;
        chain.masterPosition = FromDegrees(row.latitude, row.longitude);
        for (const SecondaryRow& secondary : row.secondaries) {
            if (!secondary.name)
                break;
            SetLoranTransmitter(chain.secondaries[secondary.slot], secondary.name,
                                FromDegrees(secondary.latitude, secondary.longitude),
                                secondary.emissionDelay, secondary.codingDelay);
        }
    }
}

LoranTimeDifferences LoranConverter::TimeDifferences(int32_t longitude, int32_t latitude)
{
    const GeoPoint position{longitude, latitude};
    lastPosition_ = position;
    lastResult_ = {};

    const LoranChain& chain = SelectedChain();
    double dm = 0;
    if (!ModelDistance(position, chain.masterPosition, dm) || dm <= 0)
        return lastResult_;
    constexpr double rate = IndexOfRefraction / SpeedOfLight + SecondaryFactorSlope;
    for (int s = 0; s < LoranChain::SlotCount; ++s) {
        const LoranTransmitter& secondary = chain.secondaries[size_t(s)];
        double ds = 0;
        if (!secondary.present || !ModelDistance(position, secondary.position, ds) || ds <= 0)
            continue;
        lastResult_[size_t(s)] = secondary.codingDelay + secondary.baselineDelay +
                                 (rate - SecondaryFactorNear / (dm * ds)) * (ds - dm);
    }
    return lastResult_;
}

bool LoranConverter::SelectChain(int index)
{
    if (index < 0 || index >= ChainCount)
        return false;
    selected_ = index;
    return true;
}

const LoranChain* LoranConverter::Chain(int index) const
{
    if (index < 0 || index >= ChainCount)
        return nullptr;
    return &chains_[size_t(index)];
}
