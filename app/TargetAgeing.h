#pragma once
// The ageing of the target table once a second: how long a target goes unreported before it
// counts as lost ("L") and then as removed ("X"), and for how long a target has run since its
// report.

#include "sensors/TargetRecord.h"

#include <cstdint>

constexpr int32_t DeadReckonedLifetime = 172800;  // seconds (48 hours)

// The status an aged target takes: 'X' (removed) or 'L' (lost) once its age passes the limits of
// its kind, else its status unchanged. AIS stations that lie still (moored, aground, at anchor
// or with stored static data, and at most 3 knots) get longer limits.
char AgedTargetStatus(const TargetRecord& target);

// When the target was last reported (seconds since 1970); a simulated target's start.
int64_t LastReportTime(const TargetRecord& target);

// Seconds the target has run on since its report at `now`: for a simulated target the time since
// its start by the clock (a clock set back before it gives 0, never a negative or huge run),
// for the others their age, counted by the ageing (held while a replay stands still), in
// replay mode in recorded seconds (TargetAgeFactor).
int64_t SecondsSinceReport(const TargetRecord& target, int64_t now);
