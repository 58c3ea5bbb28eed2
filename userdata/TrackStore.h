#pragma once
// The own track in the user database: the database track, recorded point by point while it is
// open (TrackState.h), and the track ring of the settings record stored as a TRACK object.
// Every failed record operation is reported (DatabaseReports.h). Main thread only.
//
// A track never takes a sequence above MaxPointSequence (UserRecords.h): the database track that
// reaches it is finished there and recording goes on in a continuation track that starts with
// the same point. No point is ever written twice.

#include "frame/TrackSample.h"
#include "userdata/PointStore.h"
#include "userdata/TrackFix.h"

#include <cstdint>

// Opens a database track at the own position: a new TRACK object (id range 1, the track colour,
// no points yet) whose first point the next sampling takes at once. With the on-screen keyboard
// option the object is shown in the information dialog to be named. False, and no track is
// open, when the object could not be added.
bool StartTrack(const TrackFix& own);

// Completes the open database track (end position the own position, time now, the track colour,
// its length and point count) and closes it. The ring's samples from before the track began are
// not dropped: with two or more they are stored first as a track of their own (SaveTrackBuffer);
// when that fails the ring stays as it is. Otherwise the ring is emptied. Then the track length
// is 0 and a save request makes the next sampling take a sample and redraw the chart.
void FinishTrack(const TrackFix& own);

// Stores ring sample `sample` as point `sequence` of object `objectId`: position, time, speed,
// course, water temperature and depth (twice) as the sample holds them.
PointStore StoreTrackPoint(const TrackSample& sample, int32_t objectId, int32_t sequence);

// Stores the sample as the next point of the open database track; after MaxPointSequence the
// track is finished at the sample and a continuation track opened with the sample as its first
// point. A point that fails is reported and its sequence passed over.
void StoreDatabaseTrackPoint(const TrackSample& sample);

// Stores the ring as a TRACK object, oldest sample first with sequences from 0: the object
// (id range 1) goes in first, starting at the newest sample (one unit further north while a
// database track is open, whose first point that sample is) and ending at the oldest. Then the
// ring is emptied and its length taken off the track length. With the on-screen keyboard option
// the object is shown in the information dialog. False when the ring holds no sample or the
// object could not be stored whole: what was written is removed and the ring stays.
bool SaveTrackBuffer();

// Drops the recorded track without storing it: the ring emptied (every sample's latitude 0,
// index 0), the track length 0 and a save request, so that the next sampling starts the track
// again at the ship and redraws the chart. The track dialog's Delete and the start of a replay.
void DeleteRecordedTrack();
