#include "chart/ChartPalette.h"

#include <algorithm>
#include <limits>
#include <span>

namespace {

// The static colours of the system palette, entries 0..9 and 246..255.
constexpr std::array<PaletteEntry, 2 * SystemReservedEachEnd> SystemStaticColours = {{
    {0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},   {0, 0, 128, 0},
    {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0}, {192, 220, 192, 0}, {166, 202, 240, 0},
    {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},
    {255, 255, 0, 0},   {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0},
}};

PaletteEntry EntryOf(uint32_t colour, uint8_t flags)
{
    return {uint8_t(colour & 0xFF), uint8_t((colour >> 8) & 0xFF), uint8_t((colour >> 16) & 0xFF), flags};
}

bool SameColour(const PaletteEntry& entry, uint32_t colour)
{
    const PaletteEntry wanted = EntryOf(colour, 0);
    return entry.red == wanted.red && entry.green == wanted.green && entry.blue == wanted.blue;
}

int DistanceSquared(const PaletteEntry& entry, uint32_t colour)
{
    const PaletteEntry wanted = EntryOf(colour, 0);
    const int dr = entry.red - wanted.red, dg = entry.green - wanted.green, db = entry.blue - wanted.blue;
    return dr * dr + dg * dg + db * db;
}

// The first entry of the colour that does not stand for a system palette index, or -1.
int IndexOfColour(std::span<const PaletteEntry> entries, uint32_t colour)
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (!(entries[i].flags & PaletteExplicit) && SameColour(entries[i], colour))
            return static_cast<int>(i);
    return -1;
}

std::span<const PaletteEntry> UsedEntries(const LogicalPalette& palette)
{
    return std::span(palette.entries).first(std::min<size_t>(palette.count, PaletteSize));
}

}  // namespace

bool PaletteHasColour(const LogicalPalette& palette, uint32_t colour)
{
    return IndexOfColour(UsedEntries(palette), colour) >= 0;
}

int PaletteIndexOfColour(const LogicalPalette& palette, uint32_t colour)
{
    return IndexOfColour(UsedEntries(palette), colour);
}

ChartPalette::ChartPalette(const LogicalPalette& logical, int count)
    : entries_(logical.entries.begin(), logical.entries.begin() + std::clamp(count, 0, PaletteSize))
{
}

QRgb ChartPalette::rgb(int index) const
{
    const PaletteEntry& e = entries_[index];
    return qRgb(e.red, e.green, e.blue);
}

int ChartPalette::nearestIndex(uint32_t colour) const
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < size(); ++i) {
        const int distance = DistanceSquared(entries_[i], colour);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

symb_palette_t StartChartPalette(int32_t scheme)
{
    symb_palette_t palette;
    palette.scheme = scheme;
    const int n = palette.reservedEachEnd;
    for (int i = 0; i < n; ++i) {
        palette.palette.entries[i] = SystemStaticColours[i];
        palette.palette.entries[i].flags = PaletteExplicit;
        palette.palette.entries[PaletteSize - n + i] = SystemStaticColours[n + i];
        palette.palette.entries[PaletteSize - n + i].flags = PaletteExplicit;
    }
    palette.nextFree = n;
    return palette;
}

uint16_t AddPaletteColour(symb_palette_t& palette, uint32_t colour)
{
    const int found = IndexOfColour(std::span(palette.palette.entries).first(palette.nextFree), colour);
    if (found >= 0)
        return static_cast<uint16_t>(found);
    if (palette.nextFree < PaletteSize - palette.reservedEachEnd) {
        palette.palette.entries[palette.nextFree] = EntryOf(colour, PaletteReserved);
        return static_cast<uint16_t>(palette.nextFree++);
    }
    int nearest = palette.reservedEachEnd;
    int nearestDistance = std::numeric_limits<int>::max();
    for (int i = palette.reservedEachEnd; i < palette.nextFree; ++i) {
        const int distance = DistanceSquared(palette.palette.entries[i], colour);
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return static_cast<uint16_t>(nearest);
}
