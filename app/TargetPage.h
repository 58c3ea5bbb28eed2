#pragma once
// The "Target" page of the tool dialog: AIS range and tracks, names, CPA limits, warnings and
// messages.

class TForm1;

void ConnectTargetPage(TForm1& form);
