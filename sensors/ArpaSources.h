#pragma once
// The ARPA radars the radar targets come from: up to two input ports, and which of them is used.
//
// ArpaSource, one state for the target table, the 100 ms tick and the ARPA buttons:
//    0      no ARPA target seen yet
//    1      the first radar (ArpaPorts[0]) is used
//    2      the second radar (ArpaPorts[1]) is used
//   -1, -2  the same, with a new ARPA port that the 100 ms tick has still to announce
//
// The target table (ArpaSourceGate, for every ARPA target):
//    0:      the port becomes the first radar; ArpaSource -1; the target is used.
//    1 / -1: the first radar's targets are used. Another port, while no second radar is known,
//            becomes the second one and nothing more is done with its target (result 2); the
//            lower port number is always the first radar, so when the new port is below the
//            first one the two swap and ArpaSource becomes -2 (still the radar in use), else -1.
//            Targets of any other port: result 2.
//    2 / -2: only the second radar's targets are used; the others: result 2.
// The 100 ms tick (TakeNewArpaSource): a negative state is made positive; Arpa1Btn is shown when
// hidden, else Arpa2Btn when it is hidden and a second radar is known.
// The ARPA buttons (SwitchArpaRadar): the first button turns 2 into 1, the second 1 into 2,
// keeping an announcement still due; a switch frees every ARPA target of the old radar.

#include <array>
#include <cstdint>

extern int32_t ArpaSource;
extern std::array<int32_t, 2> ArpaPorts;  // input ports of the two radars, -1 unknown

// For an ARPA target from `port`: -1 when the target is to be used, else the result
// UpdateTargetTable returns without using it.
int32_t ArpaSourceGate(int port);

// The new state once a new ARPA port was seen (1 or 2), made positive; 0 when none is new.
int32_t TakeNewArpaSource();

bool SecondArpaPortKnown();

// The ARPA button of radar 1 or 2 was pressed: true when the radar in use changed, the table's
// ARPA targets then freed (the caller hides the target dialog and redraws).
bool SwitchArpaRadar(int radar);
