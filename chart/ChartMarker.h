#pragma once
// One light of the main chart as the light evaluation finds it on a redraw: where it stands, how
// it flashes (period class and rhythm bit into LightRhythmTable) and what its sector and range
// are. The main window keeps the list; the flash step, the sector test and the labels read it.

#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <cstdint>
#include <string>

struct ChartMarker {
    uint8_t inSector = 0;     // the reference point lies inside the light's sector
    uint8_t shown = 0;        // the flash dot is drawn
    uint8_t periodClass = 9;  // 0..8 into LightRhythmTable; 9 = no rhythm (not flashed)
    uint8_t colour = 1;       // UserColourTable index: 1 red, 3 green, 4 white, 7 orange
    uint8_t rhythmMask = 0;   // the rhythm variant's bit in the pattern bytes
    uint8_t range = 20;       // nominal range, tenths of a nautical mile
    uint8_t size = 3;         // height of the light, metres
    uint8_t period = 255;     // seconds; 255 none
    uint8_t character = 0;    // S-57 light characteristic (LITCHR)
    uint8_t group = 255;      // signal group count; 255 none
    uint8_t spare[2] = {};
    int32_t sectorStart = 1800;  // tenths of a degree from the light; 1800 in both: no sector
    int32_t sectorEnd = 1800;
    int32_t x = 0;  // on the main view
    int32_t y = 0;
    cmgbase::GeoPoint position;  // also the marker's identity
};
static_assert(sizeof(ChartMarker) == 36);

inline constexpr uint8_t NoRhythm = 9;
inline constexpr int32_t NoSectorLimit = 1800;
inline constexpr uint8_t FixedLight = 1;
inline constexpr uint8_t WhiteLight = 4;

// Both sector limits at 1800: a light seen all round.
inline bool HasSector(const ChartMarker& marker) { return marker.sectorStart != marker.sectorEnd; }

// Per period class the on / off states of eight rhythm variants, one byte per 200 ms tick.
struct LightRhythm {
    int ticks;
    std::array<uint8_t, 75> pattern;
};
extern const std::array<LightRhythm, 9> LightRhythmTable;

// Whether the rhythm of the class and mask is on at the tick of its cycle.
bool RhythmLit(uint8_t periodClass, uint8_t mask, int tick);

// The text of a light characteristic code ("Fl", "Q", "Mo(A)" ...); empty for codes without one.
std::string LightCharacterText(int32_t code);
// The characteristic of the label beside a light: "Fl(2) G 6s", "Q(6)+LFl W 15s".
std::string LightCharacteristicText(const ChartMarker& marker);
// The characteristic of the chart's label layer: "Fl (2) 6s", "Q(6) +LFl 15s".
std::string LightLabelText(const ChartMarker& marker);
