#pragma once
// The ageing of the target table once a second: how long a target goes unreported before it
// counts as lost ("L") and then as removed ("X"), and how far a dead-reckoned target has run.

#include "sensors/TargetRecord.h"

#include <cstdint>

constexpr uint8_t TargetKindDeadReckoned = 3;
constexpr uint8_t TargetKindAis = 4;
constexpr int32_t DeadReckonedLifetime = 172800;  // seconds (48 hours)

// The status an aged target takes: 'X' (removed) or 'L' (lost) once its age passes the limits of
// its kind, else its status unchanged. AIS stations that lie still (moored, aground, at anchor
// or with stored static data, and at most 3 knots) get longer limits.
char AgedTargetStatus(const TargetRecord& target);

// Nautical miles a dead-reckoned target ran from its last report at `speed` knots until `now`
// (seconds since 1970). A clock set back before the report gives 0, never a negative or huge run.
double DeadReckonedDistance(int64_t now, int64_t lastReport, float speed);

// When the target was last reported: the time of its newest track point; 0 without one.
int64_t LastReportTime(const TargetRecord& target);
