#pragma once
// The AIS history search wired to the main window and the replay: placed beside MainPanel,
// btnAisDb released when it goes, the shown ship the one the replay centres on, and "Show"
// replaying the shown record's day and minute.

class QDateTime;
class TForm1;

void WireAisHistory(TForm1& form);

// Replay mode on (btnReplay pressed unless it is down), the replay panel set to `time`'s day and
// minute and that minute opened and played.
void ReplayRecordedMinute(TForm1& form, const QDateTime& time);
