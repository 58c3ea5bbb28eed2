#include "app/ExternalLibraries.h"

#include "chart/ChartHooks.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"

ExternalEntries ExternalEntryTable;
ThreeDExchangeRecord ThreeDExchange{};

namespace {

platform::SharedLibrary SensorFeedLibrary;
platform::SharedLibrary NameBaseLibrary;
platform::SharedLibrary ThreeDLibrary;

template <typename Fn>
bool Bind(const platform::SharedLibrary& library, const char* name, Fn& entry)
{
    entry = library.entry<Fn>(name);
    return entry != nullptr;
}

void BindSensorFeed(const std::filesystem::path& folder)
{
    if (SensorFeedLibrary.load(folder, "Brolund.DLL"))
        Bind(SensorFeedLibrary, "_BLPutRx", ExternalEntryTable.BLPutRx);
}

void BindNameBase(const std::filesystem::path& folder)
{
    ExternalEntries& e = ExternalEntryTable;
    if (!NameBaseLibrary.load(folder, "Vestrin.DLL"))
        return;
    const bool complete = Bind(NameBaseLibrary, "_TPutLimit", e.TPutLimit) &&
                          Bind(NameBaseLibrary, "_TPut_Cursor", e.TPut_Cursor) &&
                          Bind(NameBaseLibrary, "_TPutWPos", e.TPutWPos) &&
                          Bind(NameBaseLibrary, "_TGetMark", e.TGetMark) &&
                          Bind(NameBaseLibrary, "_TGetActive", e.TGetActive);
    Bind(NameBaseLibrary, "_TPutActive", e.TPutActive);
    if (!complete) {
        e.TPutLimit = nullptr;
        e.TPut_Cursor = nullptr;
        e.TPutWPos = nullptr;
        e.TGetMark = nullptr;
        e.TGetActive = nullptr;
        e.TPutActive = nullptr;
        NameBaseLibrary.unload();
        return;
    }
    NameBaseAvailable = true;
    e.TPutWPos(0, 18);
}

bool BindThreeD(const std::filesystem::path& folder)
{
    ExternalEntries& e = ExternalEntryTable;
    if (!ThreeDLibrary.load(folder, "Halvmark.DLL"))
        return false;
    const bool complete = Bind(ThreeDLibrary, "_tPutRec", e.tPutRec) &&
                          Bind(ThreeDLibrary, "_tGetRec", e.tGetRec) &&
                          Bind(ThreeDLibrary, "_tPutStatA", e.tPutStatA) &&
                          Bind(ThreeDLibrary, "_tGetStatA", e.tGetStatA) &&
                          Bind(ThreeDLibrary, "_tPutStatB", e.tPutStatB) &&
                          Bind(ThreeDLibrary, "_tGetStatB", e.tGetStatB) &&
                          Bind(ThreeDLibrary, "_tPutStatC", e.tPutStatC) &&
                          Bind(ThreeDLibrary, "_tGetStatC", e.tGetStatC);
    if (!complete) {
        // Calling a missing entry would crash: without all eight the library counts as missing.
        e.tPutRec = e.tGetRec = nullptr;
        e.tPutStatA = e.tPutStatB = e.tPutStatC = nullptr;
        e.tGetStatA = e.tGetStatB = e.tGetStatC = nullptr;
        ThreeDLibrary.unload();
        return false;
    }
    ThreeDExchange.chartWidth = 800;
    ThreeDExchange.chartHeight = 600;
    ThreeDExchange.clipWidth = 800000;
    ThreeDExchange.clipHeight = 600000;
    ThreeDExchange.viewerFlag = 1;
    ThreeDAvailable = true;
    return true;
}

}  // namespace

bool BindExternalLibraries(const std::filesystem::path& folder)
{
    ChartHook.threeDLibrary = &ExternalEntryTable;
    BindSensorFeed(folder);
    BindNameBase(folder);
    return BindThreeD(folder);
}

void UnbindExternalLibraries()
{
    ExternalEntryTable = {};
    SensorFeedLibrary.unload();
    NameBaseLibrary.unload();
    ThreeDLibrary.unload();
    NameBaseAvailable = false;
    ThreeDAvailable = false;
}

std::optional<cmgbase::GeoPoint> NameBaseMark()
{
    int32_t latitude = 0;
    int32_t longitude = 0;
    if (!ExternalEntryTable.TGetMark || ExternalEntryTable.TGetMark(&latitude, &longitude) <= 0)
        return std::nullopt;
    return cmgbase::GeoPoint{cmgbase::deg2nrm(longitude / 600000.0), cmgbase::deg2nrm(latitude / 600000.0)};
}
