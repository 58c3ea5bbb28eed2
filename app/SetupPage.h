#pragma once
// The "Setup" page of the tool dialog: the monitor size, the night colours, route legs, hints,
// the screen keyboard and the alarm switches. The setup list is SetupChoice.cpp's; the LORAN-C
// and Decca rows have handlers of their own.

class TForm1;

void ConnectSetupPage(TForm1& form);

// Both chart views take the monitor size as the start-up gives it them; a chart redraw follows.
void udMonitorChangingEx(TForm1& form);
