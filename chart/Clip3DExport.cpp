#include "chart/Clip3DExport.h"

#include "chart/ChartHooks.h"
#include "chart/ChartWindow.h"
#include "chart/DepthExtraction.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/ShownCursor.h"
#include "chart/ThreeDViewStatus.h"
#include "frame/CoverageGrid.h"
#include "frame/DepthExportFile.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "userdata/DepthMarks.h"
#include "userdata/StoredPosition.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

namespace {

constexpr double DegreesToRadians = 0.017453292519943295;
constexpr int32_t StatAFileReady = 0x1;
constexpr int32_t StatBAfterExport = 0xFEFF;  // the 3D side's bit 0x100 cleared
// StatC without the file bit; the 3D programs' protocol clears every bit from 0x1000 up with it.
constexpr int32_t StatCAfterFile = 0xFEF;
constexpr int CoverageCellPixels = 10;

void WriteHeader(std::FILE* file, int32_t count)
{
    std::fprintf(file, "# vtk DataFile Version 2.0\nVarnik Output\nASCII\nDATASET POLYDATA\nPOINTS %6" PRId32 " double\n",
                 count);
}

// "@" marks without a stored depth and "/" marks without a number are not written, but their
// cell still counts as covered.
void WriteDepthMarks(const cmgbase::GeoRect& area, float depthFactor)
{
    ForEachDepthMark([&](const IdRecord& mark) {
        const cmgbase::GeoPoint position{ChartFromStored(mark.longitude), ChartFromStored(mark.latitude)};
        if (!cmgbase::cross__GeoPoint_GeoRect(position, area))
            return;
        if (const double depth = DepthMarkDepth(mark, depthFactor); depth > 0.0)
            WriteUserDepth(position, -depth);
        else
            MarkExportCoverage(position);
    });
}

void WriteChartDepths(const std::vector<TMap3DPoint>& points)
{
    for (const TMap3DPoint& point : points) {
        const int column = std::clamp(point.screenX / CoverageCellPixels, 0, kCoverageColumns - 1);
        const int row = std::clamp(point.screenY / CoverageCellPixels, 0, kCoverageRows - 1);
        if (ExportCoverageGrid[size_t(column * kCoverageRows + row)] == 0)
            WriteExportLine({point.x, point.y}, point.depth);
    }
}

// The header again over its first bytes with the final count; then the file takes its place.
// False, the written file removed and the last one kept, when any of it failed.
bool PutInPlace(std::FILE* file, const std::filesystem::path& written, const std::filesystem::path& target)
{
    bool complete = std::ferror(file) == 0 && std::fseek(file, 0, SEEK_SET) == 0;
    WriteHeader(file, ThreeDExportFile.pointCount);
    complete = std::fflush(file) == 0 && std::ferror(file) == 0 && complete;
    complete = std::fclose(file) == 0 && complete;
    std::error_code error;
    if (complete)
        std::filesystem::rename(written, target, error);
    if (!complete || error) {
        std::filesystem::remove(written, error);
        return false;
    }
    return true;
}

}  // namespace

void ExportClip3D(ChartWindow& window, const cmgbase::GeoRect& area)
{
    if (!StartupDone)
        return;
    const std::filesystem::path target = ProgramFolder / Clip3DFileName;
    std::filesystem::path written = target;
    written += ".tmp";
    std::FILE* const file = std::fopen(written.c_str(), "we");
    if (!file)
        return;
    const ThreeDExchangeEntries* const library = ChartHook.threeDLibrary;
    const bool bound = library && library->threeDBound();
    if (bound)
        library->tPutStatC(library->tGetStatC() | StatCFileWriting);
    const ShownCursor cursor(Qt::ForbiddenCursor);

    ThreeDExportArea = {area, static_cast<float>(std::cos(cmgbase::nrm2deg(area.y1) * DegreesToRadians))};
    ThreeDExportFile = {file, 0, [&window](const cmgbase::GeoPoint& position) {
                            ScreenPoint pixel;
                            return MainMapView && MainMapView->GeoToScreen(window.chartRect, position, pixel)
                                       ? std::optional(std::pair(pixel.x, pixel.y))
                                       : std::nullopt;
                        }};
    WriteHeader(file, 0);
    ExportCoverageGrid.fill(0);

    const SetupParametersRecord& s = SetupParameters;
    const int16_t choice = s.ThreeDData;
    if (choice > 0 && ChartHook.exportRecordedDepths)
        ChartHook.exportRecordedDepths(area);
    if (choice == 1 || choice == 2)
        WriteDepthMarks(area, s.DepthFactor);
    if ((choice == 0 || choice == 2) && ChartEngine && MainMapView) {
        // An engine failure part-way leaves the points found before it.
        std::vector<TMap3DPoint> points;
        ExtractDepthData(*ChartEngine, *MainMapView, float(s.ThreeDDotSize), s.DepthFactor, points);
        WriteChartDepths(points);
    }
    const bool replaced = PutInPlace(file, written, target);
    ThreeDExportFile = {};

    if (bound)
        library->tPutStatC(library->tGetStatC() & StatCAfterFile);
    Sync3DViewStatus(window, true, false);
    if (bound) {
        if (replaced)
            library->tPutStatA(library->tGetStatA() | StatAFileReady);
        library->tPutStatB(library->tGetStatB() & StatBAfterExport);
    }
}
