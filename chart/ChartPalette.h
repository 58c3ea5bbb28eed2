#pragma once
// Colour palettes of the chart in the form the chart code builds them (the logical palettes of
// the system the program was written for): 256 entries of red, green, blue and flags, the
// reserved system colours at both ends. A ChartPalette is a palette made from one.

#include "platform/chartengine/EngineStatus.h"

#include <QRgb>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr uint8_t PaletteReserved = 0x01;  // an entry the chart may animate
inline constexpr uint8_t PaletteExplicit = 0x02;  // an entry standing for a system palette index
inline constexpr int PaletteSize = 256;
// The system palette's static colours: this many at each end.
inline constexpr int SystemReservedEachEnd = 10;

struct PaletteEntry {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t flags = 0;

    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

struct LogicalPalette {
    uint16_t version = 0x300;
    uint16_t count = PaletteSize;
    std::array<PaletteEntry, PaletteSize> entries{};
};

// A palette made from the first count entries of a logical palette.
class ChartPalette {
public:
    ChartPalette(const LogicalPalette& logical, int count);

    int size() const { return static_cast<int>(entries_.size()); }
    const PaletteEntry& entry(int index) const { return entries_[index]; }
    QRgb rgb(int index) const;
    // The index of the entry nearest to a COLORREF (red in the low byte).
    int nearestIndex(uint32_t colour) const;

private:
    std::vector<PaletteEntry> entries_;
};

// The palette the chart's colours are added to, for one colour scheme.
struct symb_palette_t {
    int32_t scheme = 0;
    std::string symbolizationName;
    std::string name;
    chartengine::HResult status = chartengine::kNotReady;
    LogicalPalette palette;
    int32_t reservedEachEnd = SystemReservedEachEnd;
    int32_t nextFree = SystemReservedEachEnd;
};

// Whether one of the first count entries of the palette has the colour (a COLORREF) and is not
// flagged explicit.
bool PaletteHasColour(const LogicalPalette& palette, uint32_t colour);
// The first such entry's index, or -1.
int PaletteIndexOfColour(const LogicalPalette& palette, uint32_t colour);

// A palette for scheme with the system's static colours in the reserved entries at both ends
// (flagged explicit) and the first free entry after the low ones.
symb_palette_t StartChartPalette(int32_t scheme);
// The entry of the colour (a COLORREF): an entry of that colour already added, else a new entry
// (flagged reserved) while free entries remain before the reserved high end, else the nearest
// entry already added.
uint16_t AddPaletteColour(symb_palette_t& palette, uint32_t colour);
