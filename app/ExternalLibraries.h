#pragma once
// The outside libraries bound by name at start-up: the sensor feed (Brolund), the name base
// (Vestrin) and the 2D/3D exchange (Halvmark). Each entry is called only while it is bound.

#include "platform/geodesy/GeoTypes.h"
#include "platform/system/SharedLibrary.h"

#include <cstdint>
#include <filesystem>
#include <optional>

#pragma pack(push, 1)
// The record exchanged with the 3D programs (124 bytes; the first 56 make the short form).
struct ThreeDExchangeRecord {
    int32_t head[4];      // 800, 600, 800000, 600000 at binding
    int32_t request[4];   // -1 at start-up
    int32_t body[11];
    int32_t viewerFlag;   // byte 76: 1 at binding
    int32_t windowWidth;  // bytes 80..92: the 3D window's place
    int32_t windowHeight;
    int32_t windowX;
    int32_t windowY;
    int32_t tail[7];
};
static_assert(sizeof(ThreeDExchangeRecord) == 124);
static_assert(offsetof(ThreeDExchangeRecord, viewerFlag) == 76);
static_assert(offsetof(ThreeDExchangeRecord, windowWidth) == 80);
#pragma pack(pop)

extern "C" {
using BLPutRxEntry = void (*)(int32_t counter, const void* record, int32_t length);
// The visible area in degrees x 600000 and the largest scale denominator the name base shows.
using TPutLimitEntry = void (*)(int32_t north, int32_t south, int32_t west, int32_t east, int32_t limit);
using TPutCursorEntry = void (*)(int32_t x, int32_t y);
using TPutWPosEntry = void (*)(int32_t a, int32_t b);
using TGetMarkEntry = int32_t (*)(int32_t* x, int32_t* y);
using TGetActiveEntry = int32_t (*)();
using TPutActiveEntry = void (*)(int32_t state);
using ThreeDRecordEntry = void (*)(void* record, int32_t length);
using ThreeDPutStatusEntry = void (*)(int32_t status);
using ThreeDGetStatusEntry = int32_t (*)();
}

struct ExternalEntries {
    BLPutRxEntry BLPutRx = nullptr;

    TPutLimitEntry TPutLimit = nullptr;
    TPutCursorEntry TPut_Cursor = nullptr;
    TPutWPosEntry TPutWPos = nullptr;
    TGetMarkEntry TGetMark = nullptr;
    TGetActiveEntry TGetActive = nullptr;
    TPutActiveEntry TPutActive = nullptr;  // optional

    ThreeDRecordEntry tPutRec = nullptr;
    ThreeDRecordEntry tGetRec = nullptr;
    ThreeDPutStatusEntry tPutStatA = nullptr;
    ThreeDGetStatusEntry tGetStatA = nullptr;
    ThreeDPutStatusEntry tPutStatB = nullptr;
    ThreeDGetStatusEntry tGetStatB = nullptr;
    ThreeDPutStatusEntry tPutStatC = nullptr;
    ThreeDGetStatusEntry tGetStatC = nullptr;
};

extern ExternalEntries ExternalEntryTable;
extern ThreeDExchangeRecord ThreeDExchange;

// Loads the three libraries from folder and binds their entries. A library is bound only
// whole: the sensor feed with its entry, the name base with all entries but the optional
// TPutActive, the 3D exchange with all eight. Sets NameBaseAvailable and ThreeDAvailable.
// Returns false when the 3D exchange library is missing.
bool BindExternalLibraries(const std::filesystem::path& folder);

// Unbinds every entry and unloads the libraries.
void UnbindExternalLibraries();

// The chart position of the mark the name base wants shown; none while it has none or is not
// bound. TGetMark gives the latitude, then the longitude, in degrees x 600000.
std::optional<cmgbase::GeoPoint> NameBaseMark();
