// Own-track sampling: when a sample is taken, what goes into the ring, how the ring wraps, how
// the track length grows, when the track line is drawn and how a save request is served.

#include "TrackTestSupport.h"
#include "userdata/TrackSampling.h"
#include "userdata/TrackRing.h"
#include "userdata/TrackStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

// Nautical miles; a normalised chart unit is about 1 cm.
constexpr double PositionTolerance = 1e-5;

TrackScreen Screen(ScreenPoint ownShip, ScreenPoint lastSample)
{
    return {ownShip, lastSample};
}

class TrackSamplingTest : public TrackDatabaseTest {};

// The first draw of a run has no sample to measure from: it samples, draws no line and adds no
// length, even with a ring stored from the last run.
TEST_F(TrackSamplingTest, FirstDrawOfARunSamplesWithoutLineOrLength)
{
    SetupParameters.TrackMode = 1;
    SetupParameters.TrackIndex = 3;
    SetupParameters.TrackLength = 52.0f;
    SetupParameters.TrackRing[2] = {-76.5, 38.9};

    const TrackSamplingResult result =
        SampleOwnTrack(FixAt(38.97, -76.45), Screen({500, 500}, {0, 0}));

    EXPECT_TRUE(result.sampled);
    EXPECT_FALSE(result.segment);
    EXPECT_EQ(result.ringIndex, 3);
    EXPECT_DOUBLE_EQ(result.shownLength, 5.2);
    EXPECT_FLOAT_EQ(SetupParameters.TrackLength, 52.0f);
    EXPECT_EQ(SetupParameters.TrackIndex, 4);
    EXPECT_TRUE(TrackLastSample.known);
}

// The pixel step falls with the course change since the last sample: below 4 degrees 80 px,
// below 8 40, below 16 20, below 32 10, else 5; a move in x or in y of at least the step samples.
TEST_F(TrackSamplingTest, PixelStepByCourseChange)
{
    struct Case {
        float lastCourse, course;
        int dx, dy;
        bool sampled;
    };
    const std::vector<Case> cases{
        {0, 3.9f, 79, 0, false},  {0, 3.9f, 80, 0, true},     // a step equal to the move samples
        {0, 0, 79, 79, false},    {0, 0, 0, -80, true},       // x and y apart, either direction
        {0, 4, 39, 0, false},     {0, 4, 40, 0, true},        // exactly 4 degrees: 40 px
        {100, 92, 0, 20, true},   {100, 92.1f, 0, 39, false}, // 8 and 7.9 degrees
        {0, 16, 9, 0, false},     {0, 16, 10, 0, true},
        {0, 32, 4, 0, false},     {0, 32, 5, 0, true},
        {10, 200, -4, 0, false},  {10, 200, -5, 0, true},     // 190 degrees counts as 170
        {350, 2, 19, 0, false},   {350, 2, 20, 0, true},      // 12 degrees across north
        {-1, 3, 39, 0, false},    {-1, 3, 40, 0, true},       // no course yet at the last sample
    };
    for (const Case& c : cases) {
        ResetTrackState();
        TrackLastSample = {true, cmgbase::GeoPoint{}, c.lastCourse};
        const TrackScreen screen = Screen({500 + c.dx, 500 + c.dy}, {500, 500});
        const TrackSamplingResult result = SampleOwnTrack(FixAt(0.01, 0.01, c.course), screen);
        EXPECT_EQ(result.sampled, c.sampled)
            << c.lastCourse << " -> " << c.course << " moved " << c.dx << ", " << c.dy;
        EXPECT_EQ(SetupParameters.TrackIndex, c.sampled ? 1 : 0);
    }
}

// A sample that is not due changes nothing but still reports the length to show.
TEST_F(TrackSamplingTest, NoSampleLeavesRingAndLastSample)
{
    const TrackFix start = FixAt(38.97, -76.45, 90);
    SampleOwnTrack(start, Screen({500, 500}, {0, 0}));
    SetupParameters.TrackLength = 12.0f;

    const TrackSamplingResult result =
        SampleOwnTrack(FixAt(38.98, -76.44, 90), Screen({579, 500}, {500, 500}));

    EXPECT_FALSE(result.sampled);
    EXPECT_EQ(result.ringIndex, -1);
    EXPECT_EQ(SetupParameters.TrackIndex, 1);
    EXPECT_FLOAT_EQ(SetupParameters.TrackLength, 12.0f);
    EXPECT_EQ(TrackLastSample.position, start.position);
    EXPECT_NEAR(result.shownLength, 1.2 + 1408.323324627 / 1852.0, PositionTolerance);
}

// Each sample adds the geodesic distance from the last one in tenths of a nautical mile, unless it
// is a jump of 10 nm or more. Distances from GeographicLib:
//   echo "38.97 -76.45 LAT LON" | GeodSolve -i -p 9
// 39.1366 -76.45: 18495.348655116 m; 39.1370 -76.45: 18539.755892257 m;
// 38.98 -76.44: 1408.323324627 m.
TEST_F(TrackSamplingTest, LengthGrowsByDistanceBelowTenMiles)
{
    struct Case {
        double latitude, longitude, metres;
        bool added;
    };
    const std::vector<Case> cases{
        {38.98, -76.44, 1408.323324627, true},
        {39.1366, -76.45, 18495.348655116, true},   // 9.987 nm
        {39.1370, -76.45, 18539.755892257, false},  // 10.011 nm: a jump
    };
    for (const Case& c : cases) {
        ResetTrackState();
        SampleOwnTrack(FixAt(38.97, -76.45), Screen({500, 500}, {0, 0}));
        SetupParameters.TrackLength = 30.0f;

        const TrackSamplingResult result =
            SampleOwnTrack(FixAt(c.latitude, c.longitude), Screen({500, 400}, {500, 500}));

        const double miles = c.metres / 1852.0;
        ASSERT_TRUE(result.sampled);
        EXPECT_NEAR(result.shownLength, 3.0 + miles, PositionTolerance) << c.latitude;
        EXPECT_NEAR(SetupParameters.TrackLength, c.added ? 30.0 + 10.0 * miles : 30.0, 1e-3)
            << c.latitude;
    }
}

// The sample holds the own position and the values scaled into unsigned words: a value below 0
// (-1.0 is "none yet") or not a number is 0, a value too large is 65535.
TEST_F(TrackSamplingTest, SampleHoldsScaledWordsClampedToTheirRange)
{
    struct Case {
        float course, speed, depth, temperature;
        uint16_t courseWord, speedWord, depthWord, temperatureWord;
    };
    const float none = std::numeric_limits<float>::quiet_NaN();
    const std::vector<Case> cases{
        {-1.0f, -1.0f, -1.0f, -1.0f, 0, 0, 0, 0},
        {359.96f, 12.34f, 7.25f, 18.5f, 3600, 123, 73, 1850},
        {0.0f, 6553.5f, 6600.0f, 655.36f, 0, 65535, 65535, 65535},
        {none, 1e30f, none, -1.8f, 0, 65535, 0, 0},
    };
    for (const Case& c : cases) {
        ResetTrackState();
        TrackFix fix = FixAt(38.97, -76.45, c.course);
        fix.speedOverGround = c.speed;
        fix.depth = c.depth;
        fix.waterTemperature = c.temperature;

        const TrackSamplingResult result = SampleOwnTrack(fix, Screen({1, 1}, {0, 0}));

        ASSERT_EQ(result.ringIndex, 0);
        const TrackSample& sample = SetupParameters.TrackRing[0];
        EXPECT_EQ(sample.courseOverGround, c.courseWord) << c.course;
        EXPECT_EQ(sample.speedOverGround, c.speedWord) << c.speed;
        EXPECT_EQ(sample.depth, c.depthWord) << c.depth;
        EXPECT_EQ(sample.waterTemperature, c.temperatureWord) << c.temperature;
        EXPECT_EQ(double{sample.longitude}, -76.45);
        EXPECT_EQ(double{sample.latitude}, 38.97);
        EXPECT_EQ(sample.chartPosition(), fix.position);
        EXPECT_EQ(uint32_t{sample.time}, uint32_t(SomeTime));
    }
}

// 500 samples fill the ring; the index wraps from 499 to 0 and the next sample overwrites the
// oldest, still joined to the one before by a segment.
TEST_F(TrackSamplingTest, RingWrapsAndKeepsTheSegment)
{
    SetupParameters.TrackMode = 1;
    ScreenPoint last{0, 0};
    for (int n = 0; n < TrackRingSize; ++n) {
        const ScreenPoint own{100 + 80 * n, 300};
        const TrackSamplingResult result =
            SampleOwnTrack(FixAt(38.0 + 0.001 * n, -76.45), Screen(own, last));
        ASSERT_TRUE(result.sampled) << n;
        ASSERT_EQ(result.ringIndex, n);
        EXPECT_EQ(result.segment, n > 0) << n;
        last = own;
    }
    EXPECT_EQ(SetupParameters.TrackIndex, 0);
    EXPECT_TRUE(TrackLineReachesShip());

    const ScreenPoint own{last.x + 80, 300};
    const TrackSamplingResult result = SampleOwnTrack(FixAt(38.5, -76.45), Screen(own, last));
    EXPECT_EQ(result.ringIndex, 0);
    EXPECT_TRUE(result.segment);
    EXPECT_EQ(SetupParameters.TrackIndex, 1);
    EXPECT_EQ(double{SetupParameters.TrackRing[0].latitude}, 38.5);
    EXPECT_EQ(double{SetupParameters.TrackRing[1].latitude}, 38.0 + 0.001 * 1);
}

// The line from the last sample to the ship: with a database track open, or with the track mode
// on and a sample before the index (also across the wrap); never before the first sample of a
// run. A damaged stored index starts the ring at 0.
TEST_F(TrackSamplingTest, SegmentNeedsAPreviousSample)
{
    struct Case {
        uint8_t mode;
        int32_t index;
        int previousSlot;  // filled slot, -1 none
        int32_t databaseTrack;
        bool segment;
        int ringIndex;
    };
    const std::vector<Case> cases{
        {1, 5, 4, 0, true, 5},      {3, 0, 499, 0, true, 0},  {1, 0, -1, 0, false, 0},
        {0, 5, 4, 0, false, 5},     {2, 5, -1, 0, false, 5},  {0, 5, -1, 9, true, -1},
        {1, 700, 499, 0, true, 0},  {1, -3, -1, 0, false, 0},
    };
    for (const Case& c : cases) {
        ResetTrackState();
        SetupParameters.TrackMode = c.mode;
        SetupParameters.TrackIndex = c.index;
        if (c.previousSlot >= 0)
            SetupParameters.TrackRing[std::size_t(c.previousSlot)] = {-76.45, 38.96};
        DatabaseTrackId = c.databaseTrack;
        DatabaseTrackPoints = c.databaseTrack ? 4 : 0;
        TrackLastSample = {true, FixAt(38.96, -76.45).position, 0.0f};

        const TrackSamplingResult result =
            SampleOwnTrack(FixAt(38.97, -76.45), Screen({500, 400}, {500, 500}));

        ASSERT_TRUE(result.sampled);
        EXPECT_EQ(result.segment, c.segment) << int(c.mode) << " at " << c.index;
        EXPECT_EQ(result.ringIndex, c.ringIndex) << int(c.mode) << " at " << c.index;
    }
}

// A save request forces a sample without a move and is consumed; the ring is stored when it holds
// at least two samples after it, counted over the whole ring (a wrapped ring at index 0 or 1
// holds 500), and the chart is redrawn either way.
TEST_F(TrackSamplingTest, SaveRequestSavesRingOfTwoSamplesOrMore)
{
    struct Case {
        int filled;  // samples in the ring before, from slot 0
        int32_t index;
        size_t storedPoints;  // 0: nothing stored
    };
    const std::vector<Case> cases{
        {0, 0, 0}, {1, 1, 2}, {TrackRingSize, 0, 500}, {TrackRingSize, 1, 500},
    };
    for (const Case& c : cases) {
        ResetTrackState();
        ClearObjectFiles();
        for (int n = 0; n < c.filled; ++n)
            SetupParameters.TrackRing[std::size_t(n)] = {-76.45, 38.0 + 0.001 * n};
        SetupParameters.TrackIndex = c.index;
        TrackLastSample = {true, FixAt(38.97, -76.45).position, 0.0f};
        TrackSaveRequest = true;

        const TrackSamplingResult result =
            SampleOwnTrack(FixAt(38.97, -76.45), Screen({500, 500}, {500, 500}));

        EXPECT_TRUE(result.sampled) << c.filled << " at " << c.index;
        EXPECT_FALSE(TrackSaveRequest);
        EXPECT_TRUE(result.redrawRequested);
        const std::vector<IdRecord> objects = StoredObjects();
        ASSERT_EQ(objects.size(), c.storedPoints ? 1u : 0u) << c.filled << " at " << c.index;
        if (c.storedPoints) {
            EXPECT_EQ(StoredPoints(objects[0].id).size(), c.storedPoints);
            EXPECT_EQ(RingSampleCount(), 0);
        } else {
            EXPECT_EQ(RingSampleCount(), 1);
        }
    }
}

// A database track takes every sample as its next point; its first point samples without a
// move and goes into the ring too. A save request at the first point closes the track.
TEST_F(TrackSamplingTest, DatabaseTrackTakesEveryPoint)
{
    ASSERT_TRUE(StartTrack(FixAt(38.97, -76.45)));
    const int32_t track = DatabaseTrackId;

    const TrackSamplingResult first =
        SampleOwnTrack(FixAt(38.97, -76.45), Screen({500, 500}, {500, 500}));
    const TrackSamplingResult still =
        SampleOwnTrack(FixAt(38.97, -76.45), Screen({579, 500}, {500, 500}));
    const TrackSamplingResult second =
        SampleOwnTrack(FixAt(38.98, -76.45), Screen({580, 500}, {500, 500}));

    EXPECT_TRUE(first.sampled);
    EXPECT_EQ(first.ringIndex, 0);
    EXPECT_FALSE(still.sampled);
    EXPECT_TRUE(second.sampled);
    EXPECT_TRUE(second.segment);
    EXPECT_EQ(second.ringIndex, -1);
    EXPECT_EQ(StoredSequencesAndLatitudes(track),
              (std::vector<SequenceAndLatitude>{{0, Stored(38.97)}, {1, Stored(38.98)}}));
    EXPECT_EQ(DatabaseTrackPoints, 2);

    ResetTrackState();
    ASSERT_TRUE(StartTrack(FixAt(38.97, -76.45)));
    TrackSaveRequest = true;
    SampleOwnTrack(FixAt(38.97, -76.45), Screen({500, 500}, {500, 500}));
    EXPECT_EQ(DatabaseTrackId, 0);
    EXPECT_EQ(SetupParameters.TrackIndex, 1);
}

// Track mode: 2 marks the depth at each sample, 3 draws the line 2 px wide.
TEST_F(TrackSamplingTest, TrackModeGivesDepthMarkAndWidth)
{
    struct Case {
        uint8_t mode;
        bool depthMark;
        int width;
    };
    for (const Case& c : {Case{0, false, 1}, Case{1, false, 1}, Case{2, true, 1},
                          Case{3, false, 2}}) {
        ResetTrackState();
        SetupParameters.TrackMode = c.mode;
        const TrackSamplingResult result =
            SampleOwnTrack(FixAt(38.97, -76.45), Screen({500, 500}, {0, 0}));
        EXPECT_EQ(result.depthMark, c.depthMark) << int(c.mode);
        EXPECT_EQ(TrackLineWidth(), c.width) << int(c.mode);
    }
}

TEST(TrackLengthText, WholeMilesFromOneHundred)
{
    struct Case {
        double miles;
        const char* text;
    };
    for (const Case& c : {Case{0.0, "0.0"}, Case{12.34, "12.3"}, Case{99.94, "99.9"},
                          Case{99.96, "100.0"}, Case{100.0, "100"}, Case{123.6, "124"}})
        EXPECT_EQ(TrackLengthText(c.miles), c.text) << c.miles;
}

}  // namespace
