// The overlays of the main chart at their busiest, in varnikapp started over the chart database
// of bench/chartdraw and showing its view: US4MD81M at 1:80000 around 38.97 N 76.45 W, a paint
// box of 1920 x 1080 at 96 pixels per inch. On it: 2000 targets spread over the view, AIS and
// ARPA under way with their vectors, 20 track points and names, one in five on a collision
// course with the own ship; the own track ring full with its 500 samples in the track mode with
// depth marks; three saved bearing lines. Data set A holds a stored route of 500 waypoints and a
// stored track of 10,000 points.
// - DynamicOverlayFullCall: the 100 ms tick's overlay call after a fix, the own ship a little
//   further on each time, so that the rectangle painted is the whole view with every target.
//   Goal: under 10 ms.
// - StaticOverlay: the static overlay the repaint lays over a redrawn chart. Goal: no slower
//   than ChartDraw.
// - StaticOverlayWithStoredObjects: the same with the stored route loaded into the route table
//   and the stored tracks shown: the user-object store's sweep reads and draws the stored track
//   with its label, and its load of the route in the table draws the route's 500 legs and
//   waypoint numbers. Goal: no slower than ChartDraw.
// - ChartDraw: MapView::DrawChart of the same view, as the chart redraw draws it.

#include "../OffscreenWidgetBenchmarks.h"

#include "app/ChartCursor.h"
#include "app/DynamicOverlay.h"
#include "app/OwnShipPositions.h"
#include "app/StaticOverlay.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "bench/StartedChartProgram.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "chart/WindowCoordinates.h"
#include "frame/CpaTcpa.h"
#include "frame/PaintBounds.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "sensors/OwnShipState.h"
#include "sensors/TargetTable.h"
#include "userdata/ObjectIds.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteStore.h"
#include "userdata/RouteTable.h"
#include "userdata/StoredPosition.h"
#include "userdata/TrackState.h"
#include "userdata/UserDatabase.h"

#include <QPainter>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <numbers>
#include <random>
#include <string>

namespace {

using namespace startedchart;

// Own ship: from the view centre on a steady course, a little further at every fix, back to the
// start after kFixesPerRun fixes so that it stays in the middle of the view.
constexpr float kOwnCourse = 45.0f;
constexpr float kOwnSpeed = 12.0f;  // knots
constexpr double kFixStep = 0.005;  // nautical miles, about 0.8 pixel
constexpr int kFixesPerRun = 64;

constexpr int kDangerousEvery = 5;
constexpr float kDangerRange = 10.0f;  // nautical miles; dangerous targets lie within it

constexpr int kTrackRingStart = 137;  // TrackIndex: the ring has wrapped
constexpr int kStoredTrackPoints = 10000;

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

// Distance (nautical miles) and bearing (degrees, 0 to below 360) from one point to another.
std::pair<double, double> DistanceAndBearing(const cmgbase::GeoPoint& from, const cmgbase::GeoPoint& to)
{
    double distance = 0.0;
    double bearing = 0.0;
    Require(cmgbase::InvPosComputation(from, to, &distance, &bearing, 0) == cmgbase::kGeoOk, "no geodesic");
    const double degrees = Degrees(bearing);
    return {distance, degrees < 0.0 ? degrees + 360.0 : degrees};
}

uint16_t Tenths(double value) { return uint16_t(std::lround(value * 10.0)); }

// varnikapp after its start-up over the chart database, showing the view, with everything the
// overlays draw laid out.
class OverlayScene : public StartedChartProgram {
public:
    OverlayScene()
    {
        form_->AisBtn->setChecked(true);
        form_->Arpa1Btn->setChecked(true);
        PlaceOwnShip();
        FillTrackRing();
        FillTargets();
        SaveBearingLines();
        routeId_ = StoreRoute();
        StoreTrack();
        Compose();
    }

    OverlayScene(const OverlayScene&) = delete;
    OverlayScene& operator=(const OverlayScene&) = delete;

    // What the 100 ms tick does with a new fix before it calls the dynamic overlay: the derived
    // positions, the own-ship pixel and the targets' blink.
    void NextFix()
    {
        const cmgbase::GeoPoint gps = MoveAlong(start_, kOwnCourse, kFixStep * (fix_++ % kFixesPerRun));
        OwnShip.gpsLongitude = cmgbase::nrm2deg(gps.x);
        OwnShip.gpsLatitude = cmgbase::nrm2deg(gps.y);
        DeriveOwnShipPositions(0.5);
        MainMapView->GeoToScreen(form_->chartRect, OwnShip.referencePosition, TickRequest.ownShipPixel);
        FastTick.targetBlink = !FastTick.targetBlink;
        FastTick.positionChanged = true;
    }

    // The repaint's composition over a redrawn chart: the static overlay, then its copy for the
    // dynamic one.
    void Compose()
    {
        PaintChartOverlay(*form_);
        form_->ChartWorkBitmap = form_->ChartBackBitmap;
    }

    // The own ship back at its start and the ring as it was, after the fixes of a run sampled
    // their own track into it.
    void ResetOwnTrack()
    {
        PlaceOwnShip();
        FillTrackRing();
        Compose();
    }

    // The stored route loaded into the route table and the stored tracks shown, or neither.
    void ShowStoredObjects(bool shown)
    {
        ClearRouteTable();
        RouteId = 0;
        RouteEditMode = 0;
        if (shown) {
            RouteForward = 1;
            Require(LoadRouteIntoTable(routeId_) == MaxRouteWaypoints, "the stored route did not load");
            RouteId = routeId_;
            RouteEditMode = RouteShown;
        }
        form_->RouteBtn->setChecked(shown);
        form_->TrackBtn->setChecked(shown);
    }

private:
    // At the view centre with a live fix, course and heading, depth under the keel.
    void PlaceOwnShip()
    {
        start_ = GeoAt(kWidth / 2, kHeight / 2);
        fix_ = 0;
        OwnShip.courseOverGround = kOwnCourse;
        OwnShip.speedOverGround = kOwnSpeed;
        OwnShip.heading = kOwnCourse + 1.0f;
        OwnShip.displayCourse = OwnShip.heading;
        OwnShip.headingValidity = SensorValidSeconds;
        OwnShip.depth = 14.2f;
        OwnShip.depthValidity = SensorValidSeconds;
        OwnShip.gpsQuality = 1;
        OwnShip.fixAlive = true;
        OwnShip.positionKnown = true;
        NextFix();
    }

    // The ring full: 500 samples on a figure of eight over the whole view, about 10 pixels apart,
    // the newest at the own ship; depths from 5 to 30 m so that the marks get their labels.
    void FillTrackRing()
    {
        TrackRingBuffer& ring = SetupParameters.TrackRing;
        cmgbase::GeoPoint previous{};
        double length = 0.0;
        float course = 0.0f;
        for (int k = 0; k < TrackRingSize; ++k) {
            const double angle = 2.0 * std::numbers::pi * (k + 1) / TrackRingSize;
            const cmgbase::GeoPoint position =
                GeoAt(kWidth / 2 + 850.0 * std::sin(angle), kHeight / 2 + 450.0 * std::sin(2.0 * angle));
            if (k > 0) {
                const auto [distance, bearing] = DistanceAndBearing(previous, position);
                length += distance;
                course = float(bearing);
            }
            TrackSample& sample = ring[size_t((kTrackRingStart + k) % TrackRingSize)];
            sample.longitude = cmgbase::nrm2deg(position.x);
            sample.latitude = cmgbase::nrm2deg(position.y);
            sample.chartX = position.x;
            sample.chartY = position.y;
            sample.courseOverGround = Tenths(course);
            sample.speedOverGround = Tenths(kOwnSpeed);
            sample.depth = uint16_t(50 + (k * 37) % 250);
            sample.waterTemperature = 1450;
            sample.time = uint32_t(ClockSeconds - (TrackRingSize - k) * 30);
            previous = position;
        }
        SetupParameters.TrackIndex = kTrackRingStart;
        SetupParameters.TrackLength = float(length * 10.0);
        TrackLastSample = {true, previous, course};
    }

    // A target of the record: under way at its speed and course, its last kHistoryPoints
    // positions a minute apart behind it, its distance and bearing from the own ship.
    void PlaceTarget(int index, const cmgbase::GeoPoint& position, float course, float speed)
    {
        const bool ais = index % 2 == 0;
        TargetRecord& target = TargetTable[size_t(index)];
        target = TargetRecord{};
        target.id = ais ? 367000000 + index : 1 + index / 2;
        target.kind = ais ? 4 : 0;
        target.status = 'T';
        target.colour = uint8_t(1 + index % 6);
        target.trackMode = 1;
        target.positionX = target.previousX = position.x;
        target.positionY = target.previousY = position.y;
        ScreenPoint pixel{};
        MainMapView->GeoToScreen(form_->chartRect, position, pixel);
        target.screenX = pixel.x;
        target.screenY = pixel.y;
        target.speed = speed;
        target.course = course;
        const auto [distance, bearing] = DistanceAndBearing(OwnShip.referencePosition, position);
        target.distance = float(distance);
        target.bearing = float(bearing);
        for (int k = 0; k < kHistoryPoints; ++k) {
            const int minutesAgo = kHistoryPoints - k;
            const cmgbase::GeoPoint past = MoveAlong(position, course + 180.0, speed * minutesAgo / 60.0);
            target.track[k][0] = past.x;
            target.track[k][1] = past.y;
            target.cogHistory[k] = Tenths(course);
            target.sogHistory[k] = Tenths(speed);
            target.timeHistory[k] = uint32_t(ClockSeconds - minutesAgo * 60);
        }
        target.count = kHistoryPoints;
        const std::string name = (ais ? "VESSEL " : "ECHO ") + std::to_string(index);
        SetFixedText(target.label, name);
        if (ais) {
            target.dynamic.mmsi = uint32_t(target.id);
            target.dynamic.positionX = position.x;
            target.dynamic.positionY = position.y;
            target.dynamic.cogTenths = Tenths(course);
            target.dynamic.sogTenths = Tenths(speed);
            target.dynamic.trueHeading = uint16_t(std::lround(course)) % 360;
            target.dynamic.rateOfTurn = int8_t(index % 7 == 0 ? 20 : 0);
            target.staticData.mmsi = uint32_t(target.id);
            SetFixedText(target.staticData.name, name);
            target.staticData.dimensionA = 80;
            target.staticData.dimensionB = 20;
            target.staticData.dimensionC = 8;
            target.staticData.dimensionD = 8;
        }
    }

    // CPA and TCPA of the target against the own ship as it is now.
    static std::pair<float, float> CpaTcpa(const TargetRecord& target)
    {
        float tcpa = 0.0f;
        float cpa = 0.0f;
        ComputeCpaTcpa(OwnShip.referencePosition, OwnShip.courseOverGround, OwnShip.speedOverGround,
                       {target.positionX, target.positionY}, target.course, target.speed, tcpa, cpa);
        return {cpa, tcpa};
    }

    // Every fifth target is dangerous: it meets the own ship 6 to 24 minutes ahead, from within
    // 9 nm. The others keep well clear of the danger limits, which the short run of the own ship
    // over kFixesPerRun fixes cannot change.
    void FillTargets()
    {
        std::mt19937 random(18);
        std::uniform_real_distribution<double> x(kMargin, kWidth - kMargin);
        std::uniform_real_distribution<double> y(kMargin, kHeight - kMargin);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        const float cpaLimit = kCpaTenths * 0.1f;
        for (int index = 0; index < TargetCount; ++index) {
            if (index % kDangerousEvery == 0) {
                for (;;) {
                    const double minutes = 6.0 + 18.0 * unit(random);
                    const float speed = float(5.0 + 15.0 * unit(random));
                    const cmgbase::GeoPoint meeting =
                        MoveAlong(OwnShip.referencePosition, kOwnCourse, kOwnSpeed * minutes / 60.0);
                    const double from = 360.0 * unit(random);
                    const cmgbase::GeoPoint position = MoveAlong(meeting, from, speed * minutes / 60.0);
                    if (!InsideView(position) || DistanceAndBearing(OwnShip.referencePosition, position).first > 9.0)
                        continue;
                    PlaceTarget(index, position, float(DistanceAndBearing(position, meeting).second), speed);
                    break;
                }
                const auto [cpa, tcpa] = CpaTcpa(TargetTable[size_t(index)]);
                Require(cpa <= cpaLimit / 2 && tcpa > 5.0f && tcpa < kTcpaMinutes - 5,
                        "a target meant to be dangerous is not");
            } else {
                for (;;) {
                    PlaceTarget(index, GeoAt(x(random), y(random)), float(360.0 * unit(random)),
                                float(2.0 + 18.0 * unit(random)));
                    const TargetRecord& target = TargetTable[size_t(index)];
                    const auto [cpa, tcpa] = CpaTcpa(target);
                    if (cpa > 2.0f * cpaLimit || tcpa < -2.0f || tcpa > kTcpaMinutes + 5 ||
                        target.distance > kDangerRange + 0.5f)
                        break;
                }
            }
        }
    }

    void SaveBearingLines()
    {
        StoredBearingLines = {{{GeoAt(600, 300), GeoAt(1100, 700)},
                               {GeoAt(300, 800), GeoAt(900, 200)},
                               {GeoAt(1500, 250), GeoAt(1300, 900)}}};
    }

    static void AddPoint(const PointRecord& point)
    {
        Require(UserIsam.addRecord(PointFile, platform::isam::bytesOf(point)) == platform::isam::Status::Ok,
                "a point record was not stored");
    }

    // A route of 500 waypoints meandering over the view in ten rows, every tenth waypoint named,
    // stored in data set A as the route dialog stores one; returns its id.
    int32_t StoreRoute()
    {
        constexpr int rows = 10;
        constexpr int perRow = MaxRouteWaypoints / rows;
        IdRecord object;
        object.objectType = ObjectType::ROUTE;
        object.id = NewObjectId(IdRange::Route);
        object.colour = 1;
        object.pointCount = MaxRouteWaypoints;
        object.time = uint32_t(ClockSeconds);
        SetFixedText(object.name, "Bench route");
        for (int i = 0; i < MaxRouteWaypoints; ++i) {
            const int row = i / perRow;
            const int column = row % 2 == 0 ? i % perRow : perRow - 1 - i % perRow;
            const cmgbase::GeoPoint position =
                GeoAt(60.0 + column * (kWidth - 120.0) / (perRow - 1), 60.0 + row * (kHeight - 120.0) / (rows - 1));
            PointRecord point;
            point.id = object.id;
            point.sequence = uint16_t(i + 1);
            point.latitude = StoredFromChart(position.y);
            point.longitude = StoredFromChart(position.x);
            point.attributes[RoutePointWord::Lane] = 10;
            point.attributes[RoutePointWord::TurnRadius] = 20;
            point.attributes[RoutePointWord::Speed] = Tenths(kOwnSpeed);
            if (i == 0) {
                object.latitude = point.latitude;
                object.longitude = point.longitude;
                point.attributes[RoutePointWord::DefaultLane] = 10;
                point.attributes[RoutePointWord::DefaultSpeed] = Tenths(kOwnSpeed);
            }
            AddPoint(point);
            if ((i + 1) % 10 == 0) {
                InfoRecord info;
                info.keyId = object.id;
                info.kind = point.sequence;
                const uint32_t length = SetInfoText(info, "WP " + std::to_string(i + 1));
                Require(UserIsam.addRecord(InfoFile, platform::isam::bytesOf(info).first(length)) ==
                            platform::isam::Status::Ok,
                        "a waypoint name was not stored");
            }
        }
        Require(AddIdRecord(object, IdRange::Route) == platform::isam::Status::Ok, "the route was not stored");
        return object.id;
    }

    // A track of 10,000 points, a spiral from the edges of the view to its middle, stored in data
    // set A as the track recording stores one.
    void StoreTrack()
    {
        IdRecord object;
        object.objectType = ObjectType::TRACK;
        object.id = NewObjectId(IdRange::Track);
        object.colour = 3;
        object.pointCount = kStoredTrackPoints;
        object.time = uint32_t(ClockSeconds);
        SetFixedText(object.name, "Bench track");
        constexpr double turns = 15.0;
        cmgbase::GeoPoint previous{};
        double length = 0.0;
        for (int i = 0; i < kStoredTrackPoints; ++i) {
            const double part = double(i) / kStoredTrackPoints;
            const double angle = 2.0 * std::numbers::pi * turns * part;
            const double radius = 1.0 - 0.95 * part;
            const cmgbase::GeoPoint position = GeoAt(kWidth / 2 + (kWidth / 2 - 60) * radius * std::cos(angle),
                                                     kHeight / 2 + (kHeight / 2 - 60) * radius * std::sin(angle));
            double course = 0.0;
            if (i > 0) {
                const auto [distance, bearing] = DistanceAndBearing(previous, position);
                length += distance;
                course = bearing;
            }
            PointRecord point;
            point.id = object.id;
            point.sequence = uint16_t(i + 1);
            point.latitude = StoredFromChart(position.y);
            point.longitude = StoredFromChart(position.x);
            point.time = uint32_t(ClockSeconds - (kStoredTrackPoints - i) * 20);
            point.attributes[TrackPointWord::Speed] = Tenths(kOwnSpeed);
            point.attributes[TrackPointWord::Course] = Tenths(course);
            point.attributes[TrackPointWord::WaterTemperature] = 1450;
            point.attributes[TrackPointWord::Depth] = point.attributes[TrackPointWord::DepthAgain] =
                uint16_t(50 + (i * 37) % 250);
            AddPoint(point);
            if (i == 0) {
                object.latitude = point.latitude;
                object.longitude = point.longitude;
            }
            object.endLatitude = point.latitude;
            object.endLongitude = point.longitude;
            previous = position;
        }
        object.value = Tenths(length);
        Require(AddIdRecord(object, IdRange::Track) == platform::isam::Status::Ok, "the track was not stored");
    }

    cmgbase::GeoPoint start_{};  // the own ship's GPS position at the first fix of a run
    int fix_ = 0;
    int32_t routeId_ = 0;
};

std::unique_ptr<OverlayScene> TheScene;

OverlayScene& Scene()
{
    if (!TheScene)
        TheScene = std::make_unique<OverlayScene>();
    return *TheScene;
}

void DynamicOverlayFullCall(benchmark::State& state)
{
    OverlayScene& scene = Scene();
    for (auto _ : state) {
        scene.NextFix();
        PaintDynamicOverlay(scene.form(), true);
    }
    // The rectangle the last call painted: the whole view once the overlay draws.
    state.counters["paintedWidth"] = OverlayDirtyRect.holdsArea ? OverlayDirtyRect.right - OverlayDirtyRect.left : 0;
    state.counters["paintedHeight"] = OverlayDirtyRect.holdsArea ? OverlayDirtyRect.bottom - OverlayDirtyRect.top : 0;
    scene.ResetOwnTrack();
}
BENCHMARK(DynamicOverlayFullCall)->Unit(benchmark::kMillisecond);

void StaticOverlay(benchmark::State& state)
{
    TForm1& form = Scene().form();
    for (auto _ : state)
        PaintChartOverlay(form);
}
BENCHMARK(StaticOverlay)->Unit(benchmark::kMillisecond);

void StaticOverlayWithStoredObjects(benchmark::State& state)
{
    OverlayScene& scene = Scene();
    scene.ShowStoredObjects(true);
    for (auto _ : state)
        PaintChartOverlay(scene.form());
    scene.ShowStoredObjects(false);
    scene.Compose();
}
BENCHMARK(StaticOverlayWithStoredObjects)->Unit(benchmark::kMillisecond);

void ChartDraw(benchmark::State& state)
{
    TForm1& form = Scene().form();
    chartengine::DeviceRect device;
    Require(WindowDeviceRect(form.chartRect, device), "the view has no device rectangle");
    const ScreenPoint centre = WindowCentre(form.chartRect);
    for (auto _ : state) {
        QPainter painter(&form.MainChartBitmap);
        painter.translate(centre.x, centre.y);
        painter.scale(1.0, -1.0);
        MainMapView->DrawChart(painter, device);
    }
    if (MainMapView->drawn != 1)
        state.SkipWithError("the chart was not drawn");
}
BENCHMARK(ChartDraw)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    return RunOffscreenWidgetBenchmarks(argc, argv, [] { TheScene.reset(); });
}
