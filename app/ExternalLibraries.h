#pragma once
// The outside libraries bound by name at start-up: the sensor feed (Brolund), the name base
// (Vestrin) and the 2D/3D exchange (Halvmark). Each entry is called only while it is bound.

#include "chart/ThreeDExchange.h"
#include "platform/geodesy/GeoTypes.h"
#include "platform/system/SharedLibrary.h"

#include <cstdint>
#include <filesystem>
#include <optional>

extern "C" {
using BLPutRxEntry = void (*)(int32_t counter, const void* record, int32_t length);
// The visible area in degrees x 600000 and the largest scale denominator the name base shows.
using TPutLimitEntry = void (*)(int32_t north, int32_t south, int32_t west, int32_t east, int32_t limit);
using TPutCursorEntry = void (*)(int32_t x, int32_t y);
using TPutWPosEntry = void (*)(int32_t a, int32_t b);
using TGetMarkEntry = int32_t (*)(int32_t* x, int32_t* y);
using TGetActiveEntry = int32_t (*)();
using TPutActiveEntry = void (*)(int32_t state);
}

// The 3D library's entries are the chart side's (ThreeDExchange.h), which reaches them through
// its hook.
struct ExternalEntries : ThreeDExchangeEntries {
    BLPutRxEntry BLPutRx = nullptr;

    TPutLimitEntry TPutLimit = nullptr;
    TPutCursorEntry TPut_Cursor = nullptr;
    TPutWPosEntry TPutWPos = nullptr;
    TGetMarkEntry TGetMark = nullptr;
    TGetActiveEntry TGetActive = nullptr;
    TPutActiveEntry TPutActive = nullptr;  // optional
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
