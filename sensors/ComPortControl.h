#pragma once
// Opening and closing the COM ports at the baud rates of the port settings, and the alarm relay,
// which is the break line of the alarm port.

#include "sensors/OwnShipState.h"

#include <array>
#include <cstdint>

// Set when an active port failed to open; the port set-up reports it.
extern bool ComPortError;

// The baud rate of a baud index of the port settings: 0 4800, 1 9600, 2 38400, 3 9600 (the alarm
// relay), 4 19200; any other index 4800.
int BaudRateOfIndex(uint8_t index);

// Opens COM port `port` (0..11) at its baud index, for this program alone; true when it opened.
// A missing device or one another program (or another port of this one) holds does not open and
// sets ComPortError.
bool OpenComPort(int port);

// Per COM port, whether it opened as the program started; an inactive port counts as opened.
// The port set-up reports an active port that did not.
extern std::array<bool, SerialPortCount> ComPortOpenedAtStart;
// Set as the ports are opened at start; the port set-up clears it once it has made that check.
extern bool ComPortLostCheckPending;

// Opens every active COM port at its baud index as the program starts and notes which opened.
void OpenComPortsAtStart();

// Purges and closes every open COM port and clears the transmit flags; when a port was open it
// waits 200 ms, so that the instruments see the line drop. A second call finds nothing open.
void CloseComPorts();

// Closes (true) or opens (false) the alarm relay contact by holding the alarm port's break line.
// Does nothing without an alarm port (255) or while that port is not open.
void SetAlarmRelay(bool on);

// True while the relay contact is held closed.
bool AlarmRelayClosed();
