#include "app/LookAheadCheck.h"

#include "app/LookAheadSector.h"
#include "app/OwnShipPositions.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/AreaCheckSettings.h"
#include "chart/MapManager.h"
#include "frame/SetupParameters.h"
#include "sensors/ComPortControl.h"
#include "sensors/OwnShipState.h"
#include "userdata/RouteFollowing.h"

#include <QElapsedTimer>
#include <QToolButton>

#include <array>

namespace {

// A check slower than this leaves as many ticks without a check as it took seconds, plus one.
constexpr double SlowCheckSeconds = 0.8;
// Watched, but never worth a warning: the ship is meant to be in them.
constexpr int32_t RecommendedRouteClass = 108;
constexpr int32_t RecommendedTrackClass = 109;

void RaiseDepthAlarm(TForm1& f)
{
    OwnShip.alarmActive = true;
    if (Alarm.depthAlarmRaised || AlarmHold != 0)
        return;
    Alarm.depthAlarmRaised = true;
    Alarm.acknowledged = false;
    SetAlarmRelay(true);
    if (Alarm.areaWarning)
        FastTick.noticeAlarmLook = false;
    f.AutoBtn->setChecked(true);
    f.AutoExecute();
}

std::array<cmgbase::GeoPoint, 7> SectorAhead()
{
    return LookAheadSector(OwnShip.referencePosition, OwnShip.courseOverGround, SetupParameters.LookAheadSector,
                           TickRequest.lookAheadDistance);
}

}  // namespace

std::array<cmgbase::GeoPoint, 7> LookAheadSector(const cmgbase::GeoPoint& reference, double course, double half,
                                                 double reach)
{
    return {
        reference,
        MoveAlong(reference, course - half, reach),
        MoveAlong(reference, course - half / 2, reach),
        MoveAlong(reference, course, reach),
        MoveAlong(reference, course + half / 2, reach),
        MoveAlong(reference, course + half, reach),
        reference,
    };
}

void RunLookAheadCheck(TForm1& f)
{
    if (!LookAheadSectorShown(f) || FastTick.lookAheadSkip != 0) {
        if (FastTick.lookAheadSkip > 0)
            --FastTick.lookAheadSkip;
        return;
    }
    TickRequest.lookAheadSector = SectorAhead();
    if (!ChartEngine)
        return;
    const auto& sector = TickRequest.lookAheadSector;
    ChartEngine->SetCheckPolygon(sector.data(), int32_t(sector.size()));
    int32_t dangers = 0;
    int32_t entered = 0;
    QElapsedTimer watch;
    watch.start();
    const int ran = ChartEngine->CheckPolygon(AreaCheckSafetyDepth(), AreaCheckVesselHeight(), &dangers, &entered, 0);
    const double seconds = double(watch.elapsed()) / 1000.0;
    FastTick.lookAheadSkip = seconds > SlowCheckSeconds ? int32_t(seconds + 1.0) : 0;
    // A check that did not run tells nothing about the water ahead: a sounding alarm stays.
    if (ran == 0) {
        Alarm.areaWarning = false;
        return;
    }
    if (dangers > 0 && SetupParameters.AlarmSafety != 0)
        RaiseDepthAlarm(f);
    else
        DropDepthAlarm();
    if (entered != 0 && SetupParameters.AlarmWarning != 0 && entered != RecommendedRouteClass &&
        entered != RecommendedTrackClass) {
        Alarm.areaWarningClass = entered;
        Alarm.areaWarning = true;
    }
}
