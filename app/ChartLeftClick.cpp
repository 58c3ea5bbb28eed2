// The left button on the main chart: the first rule that takes the click wins, from the tools
// that are armed down to zooming in one level.

#include "app/ChartCursor.h"
#include "userdata/ObjectSplit.h"
#include "app/ChartMouse.h"
#include "app/DataPage.h"
#include "app/DynamicOverlay.h"
#include "app/EditingState.h"
#include "app/ExternalLibraries.h"
#include "app/ObjectCodes.h"
#include "app/ObjectLoad.h"
#include "app/ObjectSweep.h"
#include "app/TForm1.h"
#include "app/TideButton.h"
#include "chart/ChartLevels.h"
#include "chart/LightPicks.h"
#include "chart/MapView.h"
#include "chart/OverlayPrimitives.h"
#include "chart/TPositionDlg.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "radarweather/TWeatherDlg.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TargetTable.h"
#include "userdata/ObjectIds.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteTable.h"
#include "userdata/StoredPosition.h"
#include "userdata/TDbObj.h"
#include "userdata/TransferUserData.h"
#include "userdata/UserDatabase.h"

#include <QFrame>
#include <QPainter>
#include <QToolButton>

#include <QToolBar>
#include <algorithm>
#include <span>

namespace {

constexpr int32_t NameBaseActive = 2;
constexpr int32_t FirstAreaShape = 2;  // line shapes 2 circle and 3 rectangle are areas
constexpr int32_t AreaTypeOffset = 4;  // shape 2 is a ZONE (6), shape 3 a FIELD (7)
constexpr uint8_t OwnShipSelectedKind = 6;
constexpr uint8_t FirstAisKind = 4;
constexpr uint8_t AisKind = 4;

bool Down(const QAbstractButton* button)
{
    return button && button->isChecked();
}

int32_t Stored(int32_t normalised)
{
    return StoredFromChart(normalised);
}

// The data area: the first click is its first corner, the second the opposite one; then the
// data tab's transfer runs over it.
void DataAreaClick(TForm1& f, const ChartClick& click)
{
    if (++DrawnPointCount == 1) {
        AnchorGeo = f.cursorChartPoint;
        AnchorPixel = click.pixel();
        return;
    }
    const cmgbase::GeoPoint& a = AnchorGeo;
    const cmgbase::GeoPoint& b = f.cursorChartPoint;
    TransferArea.chart = {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    TransferArea.north = Stored(TransferArea.chart.y2);
    TransferArea.south = Stored(TransferArea.chart.y1);
    TransferArea.east = Stored(TransferArea.chart.x2);
    TransferArea.west = Stored(TransferArea.chart.x1);
    DrawnPointCount = 0;
    PaintDynamicOverlay(f, false);
    btnDataExecuteClick(f);
}

// PickMode 1, 3 and 5 arm the delete tools, unless the object bar is open: PickMode then names
// the kind it lists, whose names the pointer shows.
bool DeleteTool()
{
    return (PickMode == 1 || PickMode == 3 || PickMode == 5) && !(DbObj && DbObj->isVisible());
}

// The delete tools of the track dialog and the line and symbol bars: the object under the click.
void DeleteObjectClick(TForm1& f)
{
    bool deleted = false;
    switch (PickMode) {
    case 1:
        deleted = SweepObjects(f, 301);
        break;
    case 3:
        deleted = SweepObjects(f, 303) || SweepObjects(f, 306) || SweepObjects(f, 307);
        break;
    default:
        deleted = SweepObjects(f, 305);
        break;
    }
    if (deleted)
        f.OverlayRedrawRequest = 1;
}

void CutTrackClick(TForm1& f)
{
    if (!SweepObjects(f, 401))
        return;
    ObjectFound = false;
    if (FoundObjectPoint >= 0)
        SplitObjectAtPoint(FoundObjectRecord.id, FoundObjectPoint);
    f.OverlayRedrawRequest = 1;
}

// A circle or rectangle area of the line bar: the first click is its centre or corner, the
// second its edge or opposite corner, and the area is stored.
bool AreaClick(TForm1& f, const ChartClick& click)
{
    const int32_t shape = SetupParameters.LineKind;
    if (f.LineBar->isHidden() || !EditingActive || shape < FirstAreaShape || shape > FirstAreaShape + 1)
        return false;
    if (++DrawnPointCount == 1) {
        AnchorGeo = f.cursorChartPoint;
        AnchorPixel = click.pixel();
        return true;
    }
    DrawnPointCount = 0;
    IdRecord area;
    area.objectType = ObjectType(shape + AreaTypeOffset);
    area.latitude = Stored(AnchorGeo.y);
    area.longitude = Stored(AnchorGeo.x);
    area.endLatitude = Stored(f.cursorChartPoint.y);
    area.endLongitude = Stored(f.cursorChartPoint.x);
    area.time = StoredTime(ClockSeconds);
    area.colour = SetupParameters.LineColour;
    if (AddNewObject(area, IdRange::Line) == platform::isam::Status::Ok) {
        QPainter canvas(&f.ChartBackBitmap);
        DrawUserLineSegment(f, canvas, AnchorGeo, area.colour, shape + AreaTypeOffset, f.cursorChartPoint);
        f.OverlayRedrawRequest = 1;
    }
    if (PositionDlg && PositionDlg->isVisible())
        PositionDlg->activateWindow();
    return true;
}

void SelectTarget(int32_t index)
{
    ShownTarget = index;
    if (!ArpaDlg)
        return;
    ArpaDlg->UpdateTargetPanel();
    ArpaDlg->show();
}

// An ARPA or radar target with an ARPA button down, or an AIS target with AisBtn down, within
// reach of the click.
bool PickTarget(TForm1& f, const ChartClick& click)
{
    const bool arpa = Down(f.Arpa1Btn) || Down(f.Arpa2Btn);
    const bool ais = Down(f.AisBtn);
    for (int32_t i = 0; i < TargetCount; ++i) {
        const TargetRecord& target = TargetTable[size_t(i)];
        if (target.id == -1 || !WithinReach({target.screenX, target.screenY}, click.pixel(), OwnShipReach))
            continue;
        if ((target.kind < FirstAisKind && arpa) || (target.kind == AisKind && ais)) {
            SelectTarget(i);
            return true;
        }
        return false;
    }
    return false;
}

// With the route shown: a waypoint not yet passed becomes the selected one.
bool SelectWaypointClick(TForm1& f, const ChartClick& click)
{
    const int32_t count = RouteEntryCount();
    for (int32_t i = 0; i < count; ++i) {
        if (!WithinReach(RouteTable[size_t(i)].screenPoint, click.pixel(), WaypointReach))
            continue;
        if (i >= CurrentWaypoint) {
            SelectedWaypoint = i;
            ClearRouteTable();
            LoadObject(f, RouteLoadCode, RouteId);
            f.OverlayRedrawRequest = 1;
        }
        return true;
    }
    return false;
}

void WeatherPointClick(TForm1& f)
{
    if (!WeatherPointArmed) {
        WeatherPointArmed = true;
        return;
    }
    WeatherPointArmed = false;
    WeatherPoint = f.cursorChartPoint;
    f.OverlayRedrawRequest = 1;
}

void ZoomIn(TForm1& f, const ChartClick& click)
{
    if (!click.real || f.chartLevel <= 0)
        return;
    MainMapView->CentreAtScreenPoint(f.chartRect, click.pixel());
    --f.chartLevel;
    SetChartLevel(f);
    FinishClickZoom(f);
}

}  // namespace

void LeftClickRules(TForm1& f, const ChartClick& click)
{
    if (DataAreaSelection)
        return DataAreaClick(f, click);
    if (Down(f.QueryBtn))
        return QueryClick(f, click);
    if (DeleteTool())
        return DeleteObjectClick(f);
    if (CutMode)
        return CutTrackClick(f);
    if (SymbolPlaceMode)
        return PlaceSymbolClick(f, click);
    if (SymbolMoveMode)
        return MoveSymbolClick(f, click);
    if (ObjectPickKind == 2 || ObjectPickKind == 3)
        return PickObjectClick(f, click);
    if (Down(f.BearingBtn))
        return BearingLeftClick(f, click);
    if (ExternalEntryTable.TGetActive && ExternalEntryTable.TGetActive() == NameBaseActive) {
        if (ExternalEntryTable.TPut_Cursor)
            ExternalEntryTable.TPut_Cursor(Stored(f.cursorChartPoint.x), Stored(f.cursorChartPoint.y));
        return;
    }
    if (AreaClick(f, click) || AddPointClick(f, click) || EditPointClick(f, click))
        return;
    if (Down(f.AisBtn) && click.onOwnShip) {
        TargetTable[OwnAisRecord].kind = OwnShipSelectedKind;
        return SelectTarget(OwnAisRecord);
    }
    if (PickTarget(f, click) || (RouteEditMode == RouteShown && SelectWaypointClick(f, click)) ||
        OpenTidePortAt(click.x, click.y) ||
        HitTestChartObject(f, LeftPick, click.x, click.y, Down(f.BearingBtn)))
        return;
    if (WeatherDlg && WeatherDlg->isVisible())
        return WeatherPointClick(f);
    ZoomIn(f, click);
}
