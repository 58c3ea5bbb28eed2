#pragma once
// Own-track sampling, run by each full draw of the dynamic overlay while no chart redraw is
// pending. A sample is taken when the own ship has moved far enough on the main view for the
// course change since the last sample (every 80 px on a straight course, every 5 px in a sharp
// turn), on the first draw of a run, at once when a database track has no point yet, and when the
// track dialog asked for one. A sample goes into the database track being recorded, else into the
// track ring of the settings record, and the track length grows by the distance sailed unless
// that is a jump of 10 nm or more.
//
// Nothing is drawn here: the result says what the chart draws. The caller keeps the last
// sample's pixel; taken as the main view's pixel of TrackLastSample.position it follows the view.

#include "frame/PixelGeometry.h"
#include "userdata/TrackFix.h"

#include <cstdint>
#include <string>

// Main-view pixels of the own ship and of the last sample.
struct TrackScreen {
    ScreenPoint ownShip{};
    ScreenPoint lastSample{};
};

struct TrackSamplingResult {
    // Stored track length plus the distance since the last sample, nautical miles; the main
    // window shows it in txTrack as TrackLengthText(shownLength).
    double shownLength = 0.0;
    // A sample was taken: the own ship is now the last sample, its pixel screen.ownShip.
    bool sampled = false;
    // The ring slot the sample went into; -1 when none did.
    int32_t ringIndex = -1;
    // Draw the track line from screen.lastSample to screen.ownShip on ChartBackBitmap and
    // ChartWorkBitmap, TrackLineWidth() wide in the track colour.
    bool segment = false;
    // Draw a depth mark of the own depth at the own ship on ChartBackBitmap (track mode 2).
    bool depthMark = false;
    // A save request stored the ring or found fewer than two samples in it: redraw the chart on
    // the next tick.
    bool redrawRequested = false;
};

// Samples the own track: reads and writes the ring, index, length and track mode of
// SetupParameters, the state of TrackState.h and the clock's ClockSeconds. With a database track
// open the sample is its next point (StoreDatabaseTrackPoint); the ring takes it only without
// one, or as the track's first point, and a save request at that first point closes the track.
// A save request is served by SaveTrackBuffer when the ring then holds two samples or more,
// and asks for a redraw unless that save failed.
TrackSamplingResult SampleOwnTrack(const TrackFix& fix, const TrackScreen& screen);

// Whether the track line runs from the last sample to the own ship: a database track is being
// recorded, or the track mode is on and the ring holds a sample before its index. Both the
// segment of a new sample and the open line drawn on every own-ship draw follow it.
bool TrackLineReachesShip();

// Pixel width of the own track line: 2 in track mode 3, else 1.
int TrackLineWidth();

// A track length in nautical miles as the main window shows it: "%.0f" from 100, else "%.1f".
std::string TrackLengthText(double nauticalMiles);
