#include "userdata/RouteGrid.h"

#include "frame/DurationText.h"
#include "frame/PortSettings.h"
#include "frame/PositionText.h"
#include "frame/PrintedText.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/TextCodec.h"
#include "userdata/RouteEta.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteLegs.h"
#include "userdata/StoredPosition.h"
#include "userdata/TWpDlg.h"

#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>

using cmgbase::GeoPoint;

namespace {

// The cell's text, given in Windows-1252.
void SetCell(QTableWidget& grid, int row, int column, const std::string& text)
{
    QTableWidgetItem* item = grid.item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid.setItem(row, column, item);
    }
    item->setText(platform::FromCp1252(text));
}

// Columns 2 to 5 of a row: the waypoint's position and its leg.
void WritePositionAndLeg(QTableWidget& grid, int32_t n, bool hasLeg)
{
    const WP_typ& entry = RouteTable[size_t(n)];
    const GeoPoint position = entry.position;
    SetCell(grid, n, ColLatitude, FormatLatLon(StoredFromChart(position.y), false));
    SetCell(grid, n, ColLongitude, FormatLatLon(StoredFromChart(position.x), true));
    SetCell(grid, n, ColDistance, hasLeg ? Printed("%.1f Nm", entry.legDistance) : "---");
    SetCell(grid, n, ColBearing, hasLeg ? Printed("%05.1f\xB0", entry.legBearing) : "---");
}

// Leg kind and danger background: 0 rhumb line, 1 great circle (2 while followed), 3 a step of
// a divided great circle; plus 48, 32 or 16 for the danger bits 4, 1 and 16, in that order.
int IconNumber(const WP_typ& entry)
{
    const uint8_t kind = entry.legKind;
    const uint8_t flags = entry.dangerFlags;
    int icon = 3;
    if (kind == RhumbLineLeg)
        icon = 0;
    else if (kind == GreatCircleLeg)
        icon = RouteEditMode == RouteShown ? 2 : 1;
    if (flags & 4)
        icon += 48;
    else if (flags & 1)
        icon += 32;
    else if (flags & 16)
        icon += 16;
    return icon;
}

void WriteRow(QTableWidget& grid, int32_t i, int32_t count, const std::optional<int64_t>& eta)
{
    const WP_typ& entry = RouteTable[size_t(i)];
    const bool hasLeg = HasLeg(i, count);
    SetCell(grid, i, ColNumber, std::to_string(OwnPositionInserted ? i : i + 1));
    SetCell(grid, i, ColLegKind, "");
    WritePositionAndLeg(grid, i, hasLeg);
    SetCell(grid, i, ColSpeed,
            Printed("%.1f kt", DefaultOf(entry.speed, SetupParameters.DefaultRouteSpeed) * 0.1));
    SetCell(grid, i, ColLane,
            Printed("%.2f Nm", DefaultOf(entry.lane, SetupParameters.DefaultLane) * 0.01));
    SetCell(grid, i, ColRadius,
            Printed("%.2f Nm",
                    DefaultOf(entry.turnRadius, SetupParameters.DefaultTurnRadius) * 0.01));
    SetCell(grid, i, ColEta, eta ? FormatEtaText(*eta, SetupParameters.EtaZoneHours) : "---");
    SetCell(grid, i, ColStop, std::to_string(int{entry.stopMinutes}) + " m.");
    SetCell(grid, i, ColName, entry.name());
    SetCell(grid, i, ColIcon, std::to_string(IconNumber(entry)));
    if (i == 0) {
        SetCell(grid, i, ColRadius, "---");  // no turn at the first waypoint
        if (OwnPositionInserted)
            SetCell(grid, i, ColStop, "---");
    }
    if (!hasLeg && i == count - 1) {
        for (int column : {ColSpeed, ColLane, ColRadius})
            SetCell(grid, i, column, "---");
    }
}

void ClearRow(QTableWidget& grid, int row)
{
    for (int column = 0; column < RouteGridColumns; ++column)
        SetCell(grid, row, column, "");
}

std::string FixedName(const char* field)
{
    return std::string(field, strnlen(field, RouteNameSize));
}

}  // namespace

void FillRouteGridRow(TWpDlg& dialog, int32_t n)
{
    const int32_t count = RouteEntryCount();
    if (dialog.editPending || n < 0 || n > count)
        return;
    if (RouteEditMode == RouteDrawing && n + 1 == count) {
        const std::lock_guard lock(ComOutStateLock);
        RouteTable[size_t(count)].position = HookedCursorChartPoint();
    }
    ComputeRouteLeg(n);
    if (n < dialog.Grid->rowCount())
        WritePositionAndLeg(*dialog.Grid, n, HasLeg(n, count));
}

void WriteRouteGrid(TWpDlg& dialog)
{
    if (dialog.editPending)
        return;

    const int32_t count = RouteEntryCount();
    for (int32_t i = 0; i < count; ++i)
        ComputeRouteLeg(i);

    QTableWidget& grid = *dialog.Grid;
    // While drawing: the waypoints, the cursor's row and an empty one for the next point.
    const int rows = count + (RouteEditMode == RouteDrawing ? 2 : 0);
    grid.setRowCount(rows);
    const auto etas = RouteEtas(dialog.EtaReferenceRow, dialog.EtaReferenceTime, ClockSeconds);
    for (int row = 0; row < rows; ++row) {
        if (row <= count)
            WriteRow(grid, row, count, row < count ? etas[size_t(row)] : std::nullopt);
        else
            ClearRow(grid, row);
    }

    const RouteTotals route = SumRouteLegs(0, count);
    const int32_t numbering = OwnPositionInserted ? 0 : 1;
    const int16_t calcFrom = SetupParameters.CalcFrom;
    const int16_t calcTo = SetupParameters.CalcTo;
    const RouteTotals calculator = SumRouteLegs(calcFrom - numbering, calcTo - numbering);

    std::string caption = FixedName(RouteName);
    const std::string second = FixedName(SecondRouteName);
    if (!second.empty())
        caption += " /--/ " + second;
    const std::string duration = FormatDuration(static_cast<float>(route.hours), 1.0f);
    char totals[160];
    std::snprintf(totals, sizeof totals, "| %d wp | %.1f Nm | %s | %.1f kt", int{count},
                  route.distance, duration.c_str(),
                  route.distance / (route.hours == 0 ? 1.0 : route.hours));
    dialog.setWindowTitle(platform::FromCp1252(caption + totals));
    dialog.txDst->setText(platform::FromCp1252(Printed("%.1f Nm", calculator.distance)));
    dialog.txTime->setText(
        platform::FromCp1252(FormatDuration(static_cast<float>(calculator.hours), 1.0f)));
}
