#pragma once
// Opening, closing and writing the COM ports at the baud rates of the port settings, and the
// alarm relay, which is the break line of the alarm port.
//
// The output thread writes the ports while the main thread may open or close them: both take
// ComPortLock, so that no port is written while it is opened or closed, and a descriptor number
// the system has given to something else since is never written. While the output thread runs,
// open and close the ports only through OpenComPort and CloseComPorts.

#include "frame/CheckedMutex.h"
#include "sensors/OwnShipState.h"

#include <array>
#include <cstdint>
#include <string_view>

// Held while a COM port is opened, closed or written (never across a wait for the line).
extern CheckedMutex ComPortLock;

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

// Clears the transmit flags and the AIS reply port, then purges and closes every open COM port;
// when a port was open it waits 200 ms, so that the instruments see the line drop. A second call
// finds nothing open. Stop the output thread first where it is to send nothing more; it never
// writes a port being closed either way.
void CloseComPorts();

// Writes all of `text` to COM port `port` (0..11), waiting for room in the port's queue for as
// long as the text takes on the line twice over and half a second more; ComPortLock is taken for
// each piece written and not held while waiting. False when the port is not open, is closed or
// reopened meanwhile (what is left goes with the port), a write fails, or the line did not take
// the text in time (noted as the port's LineErrorTxFull).
bool WriteComPort(int port, std::string_view text);

// Closes (true) or opens (false) the alarm relay contact by holding the alarm port's break line.
// Does nothing without an alarm port (255) or while that port is not open.
void SetAlarmRelay(bool on);

// True while the relay contact is held closed.
bool AlarmRelayClosed();
