#pragma once
// What the chart program and the outside 3D programs exchange through the 3D library: the 3D
// view record (124 bytes, little-endian, its first 56 bytes the short form) and the three status
// words StatA, StatB and StatC, each read and written whole. The library is bound by the frame;
// an unbound entry is null and never called.

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct ThreeDExchangeRecord {
    int32_t chartWidth;   // 0: main chart area in pixels
    int32_t chartHeight;  // 4
    int32_t clipWidth;    // 8: the exported area in export units
    int32_t clipHeight;   // 12
    // 16 .. 28: own ship x, y and the main chart centre x, y in export coordinates; -1 for none.
    int32_t shipAndCentre[4];
    int32_t word32;
    int32_t depthFrom;        // 36: minimum depth of interest x -100
    int32_t depthTo;          // 40: maximum depth of interest x -100
    int32_t apparentDepth;    // 44
    int32_t contourInterval;  // 48: x 100, 0 without contours
    int32_t palette;          // 52: 3D palette + 4 x daylight group
    int32_t contourColour;    // 56
    int32_t relief;           // 60
    int32_t flags;            // 64
    int32_t word68;
    int32_t updated;          // 72: 1 once this side wrote the record
    int32_t viewerFlag;       // 76: 1 at binding
    int32_t windowWidth;      // 80 .. 92: the 3D window's place
    int32_t windowHeight;
    int32_t windowX;
    int32_t windowY;
    int32_t resetFields[5];   // 96 .. 112: zeroed when the view is reset
    int32_t cursorX;          // 116, 120: the 3D view's cursor in export coordinates
    int32_t cursorY;
};
#pragma pack(pop)
static_assert(sizeof(ThreeDExchangeRecord) == 124);
static_assert(offsetof(ThreeDExchangeRecord, shipAndCentre) == 16);
static_assert(offsetof(ThreeDExchangeRecord, depthFrom) == 36);
static_assert(offsetof(ThreeDExchangeRecord, palette) == 52);
static_assert(offsetof(ThreeDExchangeRecord, flags) == 64);
static_assert(offsetof(ThreeDExchangeRecord, updated) == 72);
static_assert(offsetof(ThreeDExchangeRecord, viewerFlag) == 76);
static_assert(offsetof(ThreeDExchangeRecord, windowWidth) == 80);
static_assert(offsetof(ThreeDExchangeRecord, resetFields) == 96);
static_assert(offsetof(ThreeDExchangeRecord, cursorX) == 116);

inline constexpr int32_t ThreeDShortRecord = 56;

// StatC: this side writes the record (0x1); the 3D side holds it (0x2); the point file is being
// written (0x10); the 3D side wants no new export (0x20).
inline constexpr int32_t StatCWriting = 0x1;
inline constexpr int32_t StatCHeld = 0x2;
inline constexpr int32_t StatCFileWriting = 0x10;
inline constexpr int32_t StatCExportHeld = 0x20;

extern "C" {
using ThreeDRecordEntry = void (*)(void* record, int32_t length);
using ThreeDPutStatusEntry = void (*)(int32_t status);
using ThreeDGetStatusEntry = int32_t (*)();
}

struct ThreeDExchangeEntries {
    ThreeDRecordEntry tPutRec = nullptr;
    ThreeDRecordEntry tGetRec = nullptr;
    ThreeDPutStatusEntry tPutStatA = nullptr;
    ThreeDGetStatusEntry tGetStatA = nullptr;
    ThreeDPutStatusEntry tPutStatB = nullptr;
    ThreeDGetStatusEntry tGetStatB = nullptr;
    ThreeDPutStatusEntry tPutStatC = nullptr;
    ThreeDGetStatusEntry tGetStatC = nullptr;

    // All eight are bound (the frame binds them all or none).
    bool threeDBound() const
    {
        return tPutRec && tGetRec && tPutStatA && tGetStatA && tPutStatB && tGetStatB && tPutStatC && tGetStatC;
    }
};

// The 3D view's palette word: the 3D palette setting plus 4 x the brightness of the display mode
// 0..4, modes 1 and 2 sharing one.
constexpr int32_t ThreeDPaletteWord(int32_t palette, int32_t displayMode)
{
    return palette + 4 * (displayMode < 2 ? displayMode : displayMode - 1);
}
