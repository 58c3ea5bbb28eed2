#pragma once
// The replay player: a day's replay file read back minute by minute against the replay clock
// of the one-second tick, the own ship and the targets fed from it as if the sensors had
// reported them, and run on by dead reckoning between recorded minutes. At most one file is
// open. Main thread only.
//
// Replay mode is btnReplay down: the serial input is ignored (the sentence parser asks
// ReplayModeOn through its hook) and the output thread sends nothing (its replay flag, set under
// its lock when the button turns). A replayed record never carries a time, so it never reaches
// the machine clock.

#include <cstdint>
#include <filesystem>

class TForm1;

// The MMSI the chart centres on when it next comes up in playback, once; -1 none.
extern int32_t ReplayCentreMmsi;

// btnReplay down.
bool ReplayModeOn();
// Replay mode on and the replay clock running (btnSpd down).
bool ReplayPlaying();

// Opens `file` (closing any open one) and reads up to the first record whose minute of the day
// is not below `minute`, which stays buffered. False when the file does not open or ends first.
bool OpenReplay(const std::filesystem::path& file, int32_t minute);

// Plays the buffered record's minute: every record of it applied, the 100 ms tick run after each.
// False when no file is open or the file ends during the step.
bool PlayReplayStep(TForm1& form);

// Closes the file, stops the clock and disables btnSpd.
void CloseReplay();

// "Show positions": the target table and the recorded track emptied, the day and minute of the
// panel opened and played.
void StartReplayPlayback(TForm1& form);

// The one-second tick in replay mode: the replay clock and its steps.
void ReplayTick(TForm1& form);

// How many recorded seconds a real second of a target's age stands for: 1 outside replay mode;
// in it the speed factor while the clock runs with "Use DR", else 0 (targets stay where they
// were recorded).
int32_t TargetAgeFactor();

// The 100 ms tick's dead reckoning of the own ship during playback with "Use DR": along its
// recorded course at its speed times the speed factor for the real time since the last call,
// until the last tick before the next recorded minute. True when it moved.
bool DeadReckonReplayedOwnShip(int64_t nowMs);

// The panel's hooks and the replay button's handler wired to the player.
void WireReplay(TForm1& form);

// btnReplay's handler: enters or leaves replay mode.
void btnReplayClick(TForm1& form);
