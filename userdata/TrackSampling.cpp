#include "userdata/TrackSampling.h"

#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/PositionComputation.h"
#include "userdata/TrackRing.h"
#include "userdata/TrackState.h"
#include "userdata/TrackStore.h"
#include "userdata/UserRecords.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double JumpDistance = 10.0;  // nm; a longer move between samples is not sailed

bool RingHoldsPreviousSample()
{
    const int previous = (RingIndex() + TrackRingSize - 1) % TrackRingSize;
    return !SetupParameters.TrackRing[std::size_t(previous)].empty();
}

// Course change between two courses, 0..180 degrees.
double CourseChange(double from, double to)
{
    const double change = std::fmod(std::fabs(from - to), 360.0);
    return change > 180.0 ? 360.0 - change : change;
}

// Pixels the ship must move on the main view before the next sample.
int PixelStep(double courseChange)
{
    if (DatabaseTrackId != 0 && DatabaseTrackPoints == 0)
        return 0;
    if (courseChange < 4.0)
        return 80;
    if (courseChange < 8.0)
        return 40;
    if (courseChange < 16.0)
        return 20;
    if (courseChange < 32.0)
        return 10;
    return 5;
}

// value x scale as an unsigned word: 0 for no value (negative or not a number), at most 65535.
uint16_t ScaledWord(float value, double scale)
{
    const double scaled = double(value) * scale;
    if (!(scaled > 0.0))
        return 0;
    return uint16_t(std::lround(std::min(scaled, 65535.0)));
}

TrackSample MakeSample(const TrackFix& fix)
{
    TrackSample sample;
    sample.longitude = fix.longitude;
    sample.latitude = fix.latitude;
    sample.chartX = fix.position.x;
    sample.chartY = fix.position.y;
    sample.courseOverGround = ScaledWord(fix.courseOverGround, 10.0);
    sample.speedOverGround = ScaledWord(fix.speedOverGround, 10.0);
    sample.depth = ScaledWord(fix.depth, 10.0);
    sample.waterTemperature = ScaledWord(fix.waterTemperature, 100.0);
    sample.time = StoredTime(ClockSeconds);
    return sample;
}

// Nautical miles from the last sample to the own position; 0 before the first sample.
double DistanceSinceLastSample(const TrackFix& fix)
{
    double distance = 0.0;
    if (TrackLastSample.known)
        cmgbase::InvPosComputation(TrackLastSample.position, fix.position, &distance, nullptr, 0);
    return distance;
}

bool SampleDue(const TrackFix& fix, const TrackScreen& screen)
{
    if (!TrackLastSample.known || TrackSaveRequest)
        return true;
    const int64_t dx = std::abs(int64_t{screen.lastSample.x} - screen.ownShip.x);
    const int64_t dy = std::abs(int64_t{screen.lastSample.y} - screen.ownShip.y);
    const int step = PixelStep(CourseChange(TrackLastSample.course, fix.courseOverGround));
    return std::max(dx, dy) >= step;
}

}  // namespace

TrackSamplingResult SampleOwnTrack(const TrackFix& fix, const TrackScreen& screen)
{
    TrackSamplingResult result;
    const double distance = DistanceSinceLastSample(fix);
    result.shownLength = SetupParameters.TrackLength / 10.0 + distance;
    if (!SampleDue(fix, screen))
        return result;

    result.sampled = true;
    result.segment = TrackLineReachesShip();
    if (TrackLastSample.known && distance < JumpDistance)
        SetupParameters.TrackLength += float(distance * 10.0);
    TrackLastSample = {true, fix.position, fix.courseOverGround};

    const TrackSample sample = MakeSample(fix);
    const bool databaseTrackOpen = DatabaseTrackId != 0;
    const bool firstDatabasePoint = databaseTrackOpen && DatabaseTrackPoints == 0;
    if (databaseTrackOpen) {
        StoreDatabaseTrackPoint(sample);
        if (TrackSaveRequest && firstDatabasePoint)
            DatabaseTrackId = 0;
    }
    if (!databaseTrackOpen || firstDatabasePoint) {
        const int index = RingIndex();
        SetupParameters.TrackRing[std::size_t(index)] = sample;
        SetupParameters.TrackIndex = (index + 1) % TrackRingSize;
        result.ringIndex = index;
    }

    if (TrackSaveRequest) {
        TrackSaveRequest = false;
        result.redrawRequested = RingSampleCount() < 2 || SaveTrackBuffer();
    }
    result.depthMark = SetupParameters.TrackMode == 2;
    return result;
}

bool TrackLineReachesShip()
{
    if (!TrackLastSample.known)
        return false;
    return DatabaseTrackId != 0 || (SetupParameters.TrackMode != 0 && RingHoldsPreviousSample());
}

int TrackLineWidth()
{
    return SetupParameters.TrackMode > 2 ? 2 : 1;
}

std::string TrackLengthText(double nauticalMiles)
{
    char text[32];
    std::snprintf(text, sizeof text, nauticalMiles >= 100.0 ? "%.0f" : "%.1f", nauticalMiles);
    return text;
}
