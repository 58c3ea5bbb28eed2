#pragma once
// Opening and closing the COM ports at the baud rates of the port settings, and the alarm relay,
// which is the break line of the alarm port.

#include <cstdint>

// Set when an active port failed to open; the port set-up reports it.
extern bool ComPortError;

// The baud rate of a baud index of the port settings: 0 4800, 1 9600, 2 38400, 3 9600 (the alarm
// relay), 4 19200; any other index 4800.
int BaudRateOfIndex(uint8_t index);

// Opens COM port `port` (0..11) at its baud index; true when it opened. A port that does not open
// sets ComPortError.
bool OpenComPort(int port);

// Purges and closes every open COM port and clears the transmit flags; when a port was open it
// waits 200 ms, so that the instruments see the line drop. A second call finds nothing open.
void CloseComPorts();

// Closes (true) or opens (false) the alarm relay contact by holding the alarm port's break line.
// Does nothing without an alarm port (255) or while that port is not open.
void SetAlarmRelay(bool on);

// True while the relay contact is held closed.
bool AlarmRelayClosed();
