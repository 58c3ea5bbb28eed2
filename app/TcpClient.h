#pragma once
// The TCP sensor connection: the main window's client socket ClientSocket1 collects the text a
// multiplexer sends, for the 100 ms tick to parse as port 12. The one-second tick reconnects a
// lost connection about every 31 seconds and drops one that stays silent for more than 60. No
// failure is ever shown: a refused or lost connection just waits for the next retry.

#include <string>

class TForm1;

// Makes the socket's events reach the window's handlers (the window's constructor).
void ConnectClientSocket(TForm1& form);

// Opens the connection to the address and port of the port settings, read anew for every open
// (the port set-up or the main INI file may have changed them). A port outside 1..65535 opens
// nothing. A connection still being made is dropped first.
void OpenClientSocket(TForm1& form);

// Clears SocketConnected and closes the socket at once.
void CloseClientSocket(TForm1& form);

// Sends text on the main window's connection while it is connected; drops it otherwise.
// Main thread only: the output thread hands its texts over to it.
void SendTcpText(const std::string& text);
