#include "userdata/RouteLegs.h"

#include "frame/DurationText.h"
#include "frame/PortSettings.h"
#include "frame/PrintedText.h"
#include "frame/PositionText.h"
#include "frame/RhumbLine.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "platform/system/TextCodec.h"
#include "userdata/RouteEta.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteStore.h"
#include "userdata/StoredPosition.h"
#include "userdata/TWpDlg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>

using cmgbase::GeoPoint;

namespace {

constexpr double DegreesPerRadian = 57.29577951308232;

bool Drawing()
{
    return RouteEditMode == RouteDrawing;
}

// Outside drawing the last waypoint has no leg; while drawing the scratch entry has none.
bool HasLeg(int32_t n, int32_t count)
{
    return Drawing() ? n < count : n < count - 1;
}

int32_t DefaultOf(uint16_t own, int16_t routeDefault)
{
    return own ? int32_t{own} : int32_t{routeDefault};
}

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

bool BearingsAgree(double a, double b)
{
    const double difference = std::fabs(a - b);
    return !(difference > 10 && difference < 350);
}

// Whether the straight part from one turn's end to the next turn's start runs along the leg.
bool StraightRunsAlong(const GeoPoint& from, const GeoPoint& to, double legBearing)
{
    double distance = 0;
    double bearing = 0;
    RhumbLineInverse(distance, bearing, to, from);
    return BearingsAgree(bearing, legBearing);
}

std::string FixedName(const char* field)
{
    return std::string(field, strnlen(field, RouteNameSize));
}

}  // namespace

double LegSpeed(const WP_typ& entry)
{
    const int32_t tenths = DefaultOf(entry.speed, SetupParameters.DefaultRouteSpeed);
    return std::max(tenths, int32_t{1}) * 0.1;
}

RouteTotals SumRouteLegs(int32_t from, int32_t to)
{
    RouteTotals totals;
    for (int32_t i = std::max(from, int32_t{0}); i < std::min(to, RouteEntryCount()); ++i) {
        const WP_typ& entry = RouteTable[size_t(i)];
        const double distance = entry.legDistance;
        totals.distance += distance;
        totals.hours += distance / LegSpeed(entry);
        if (entry.stopMinutes > 0)
            totals.hours += entry.stopMinutes / 60.0;
    }
    return totals;
}

void ComputeRouteLeg(int32_t n)
{
    const int32_t count = RouteEntryCount();
    if (n < 0 || n >= count)
        return;
    WP_typ& entry = RouteTable[size_t(n)];
    double distance = 0;
    double bearing = 0;
    if (HasLeg(n, count)) {
        const GeoPoint from = entry.position;
        const GeoPoint to = RouteTable[size_t(n) + 1].position;
        if (entry.legKind == GreatCircleLeg) {
            double radians = 0;
            if (cmgbase::InvPosComputation(from, to, &distance, &radians, 0) == cmgbase::kGeoOk)
                bearing = radians * DegreesPerRadian;
        } else {
            RhumbLineInverse(distance, bearing, to, from);
        }
    }
    float degrees = static_cast<float>(std::fmod(bearing, 360.0));
    if (degrees < 0)
        degrees += 360;
    if (degrees >= 360)
        degrees = 0;
    const std::lock_guard lock(ComOutStateLock);
    entry.legDistance = static_cast<float>(distance);
    entry.legBearing = degrees;
}

bool RouteLegGeometryPending = false;
double RouteLength = 0;

void ComputeRouteLegs()
{
    const int32_t legs = RouteEntryCount() - 1;
    for (int32_t n = 0; n < legs; ++n)
        ComputeRouteLeg(n);
    RouteLength = SumRouteLegs(0, legs).distance;
}

void FillRouteGridRow(TWpDlg& dialog, int32_t n)
{
    const int32_t count = RouteEntryCount();
    if (dialog.editPending || n < 0 || n > count)
        return;
    if (Drawing() && n + 1 == count) {
        const std::lock_guard lock(ComOutStateLock);
        RouteTable[size_t(count)].position = HookedCursorChartPoint();
    }
    ComputeRouteLeg(n);
    if (n < dialog.Grid->rowCount())
        WritePositionAndLeg(*dialog.Grid, n, HasLeg(n, count));
}

void ComputeWaypointTurn(int32_t n)
{
    const int32_t count = RouteEntryCount();
    if (n < 0 || n > count)
        return;
    WP_typ& entry = RouteTable[size_t(n)];
    const GeoPoint position = entry.position;
    entry.turnComputed = 1;
    if (n == 0) {
        entry.turnEnd = position;
        return;
    }
    if (n == count - 1 && !Drawing()) {
        entry.turnStart = position;
        return;
    }
    if (n == count) {
        entry.turnStart = HookedCursorChartPoint();
        return;
    }

    const WP_typ& previous = RouteTable[size_t(n) - 1];
    const WP_typ& next = RouteTable[size_t(n) + 1];
    const GeoPoint previousEnd = previous.turnEnd;
    const GeoPoint nextStart = next.turnStart;
    const double inBearing = previous.legBearing;
    const double outBearing = entry.legBearing;
    // Half the angle between the legs at the waypoint, and the bisector towards the arc centre.
    double half = (outBearing + 180 - inBearing) * 0.5;
    double bisector = 0;
    if (half > 90) {
        half = 180 - half;
        bisector = outBearing + half;
    } else {
        bisector = outBearing - half;
    }
    half = std::fabs(half);
    if (half == 0)
        half = 0.1;  // a leg reversal: a very long tangent, which will not fit
    const double radius =
        std::max(DefaultOf(entry.turnRadius, SetupParameters.DefaultTurnRadius), int32_t{0}) *
        0.01;

    GeoPoint start = position;
    GeoPoint end = position;
    GeoPoint centre = position;
    bool misfit = entry.stopMinutes > 0;
    if (!misfit) {
        const double toCentre = radius / std::sin(cmgbase::deg2rad(half));
        const double tangent = toCentre * std::sin(cmgbase::deg2rad(90 - half));
        cmgbase::DirPosComputation(position, &start, cmgbase::deg2rad(inBearing + 180), tangent,
                                   0);
        cmgbase::DirPosComputation(position, &end, cmgbase::deg2rad(outBearing), tangent, 0);
        cmgbase::DirPosComputation(position, &centre, cmgbase::deg2rad(bisector), toCentre, 0);
        // Each check needs the neighbour's turn computed for this route, whichever hemisphere
        // it lies in.
        const bool fitsBefore =
            !previous.turnComputed || StraightRunsAlong(previousEnd, start, inBearing);
        const bool fitsAfter =
            !next.turnComputed || StraightRunsAlong(end, nextStart, outBearing);
        if (!fitsBefore || !fitsAfter) {
            misfit = true;
            TurnMisfitSeen = 1;
        }
    }
    if (misfit)
        start = end = centre = position;
    entry.turnStart = start;
    entry.turnEnd = end;
    entry.turnCentre = centre;
    entry.turnMisfit = misfit ? 1 : 0;
}

void RecalcRouteTable(TWpDlg& dialog)
{
    if (RouteEditMode == 0 || RouteId == 0)
        return;
    if (dialog.defaultsChanged)
        StoreRouteToDatabase(dialog);
    if (dialog.editPending)
        return;

    const int32_t count = RouteEntryCount();
    for (int32_t i = 0; i < count; ++i)
        ComputeRouteLeg(i);

    QTableWidget& grid = *dialog.Grid;
    // While drawing: the waypoints, the cursor's row and an empty one for the next point.
    const int rows = count + (Drawing() ? 2 : 0);
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
