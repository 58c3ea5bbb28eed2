#pragma once
// The handlers of the own-ship sentences and the helpers they share. Each handler reads its
// fields from the normalised line and returns 0, 1 (a fix was committed), 2 or 3 (a target
// changed) or 4 (the seabed tile changed). All run on the main thread under ComOutStateLock.

#include "sensors/SensorHooks.h"

#include <cstdint>

// Runs the handler of `caseNumber`; 0 for a case without one. The caller holds ComOutStateLock.
int32_t DispatchSentence(int32_t caseNumber, const SentenceContext& sentence);

// Position sentences.
int32_t HandleGga(const SentenceContext& sentence);
int32_t HandleGll(const SentenceContext& sentence);
int32_t HandleVtg(const SentenceContext& sentence);
int32_t HandleRmc(const SentenceContext& sentence);
int32_t HandleZda(const SentenceContext& sentence);

// Heading, water speed, temperature and wind.
int32_t HandleHdt(const SentenceContext& sentence);
int32_t HandleFixedHeading(const SentenceContext& sentence);
int32_t HandleVbw(const SentenceContext& sentence);
int32_t HandleVhw(const SentenceContext& sentence);
int32_t HandleOsd(const SentenceContext& sentence);
int32_t HandleMtw(const SentenceContext& sentence);
int32_t HandleMwv(const SentenceContext& sentence);
int32_t HandleVwr(const SentenceContext& sentence);

// Depth and the sonar / sounder sentence.
int32_t HandleDpt(const SentenceContext& sentence);
int32_t HandleDbt(const SentenceContext& sentence);
int32_t HandleSonarData(const SentenceContext& sentence);

// Radar marker and bearings.
int32_t HandleRsd(const SentenceContext& sentence);
int32_t HandleFixedMarker(const SentenceContext& sentence);
int32_t HandleBrg(const SentenceContext& sentence);
int32_t HandleSonarHeading(const SentenceContext& sentence);

// Waypoints and routes from another navigator.
int32_t HandleWpl(const SentenceContext& sentence);
int32_t HandleRte(const SentenceContext& sentence);

// Radar and sonar targets: TTM, TGT and the fixed-column target sentence.
int32_t HandleTtm(const SentenceContext& sentence);
int32_t HandleTgt(const SentenceContext& sentence);
int32_t HandleFixedTarget(const SentenceContext& sentence);

// AIS messages received (VDM) and the own transponder's (VDO).
int32_t HandleVdm(const SentenceContext& sentence);
int32_t HandleVdo(const SentenceContext& sentence);

// AIS alarm and acknowledgement, datum.
int32_t HandleAlr(const SentenceContext& sentence);
int32_t HandleAbk(const SentenceContext& sentence);
int32_t HandleDtm(const SentenceContext& sentence);

// The heading as every heading source applies it: value, validity, dead-reckoning course field,
// heading alarm cleared. False when the value is out of range (nothing changes then).
bool ApplyHeading(float degrees);
// The speed through water as VBW applies it.
bool ApplyWaterSpeed(float knots);

// Adds the magnetic variation setting (west positive) to a true bearing, giving the magnetic one,
// unless `isTrue` is set; then brings the result into 0..360 with one step each way.
float NormaliseBearing(float angle, bool isTrue);
// A magnetic bearing made true with the variation setting (west positive), in 0..360.
float MagneticToTrue(float magnetic);

// The true wind from the received wind angle and speed (relative to the bow when `relative`).
void ComputeTrueWind(bool relative);
