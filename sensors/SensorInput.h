#pragma once
// The readers the 100 ms tick calls: every open COM port, then the TCP text, each drained
// completely in chunks of up to 120 bytes. What a chunk brought (a committed fix, changed targets,
// a seabed tile to store) is turned into the own-ship flags the tick acts on, and a fix is sent to
// the sensor-feed library.
//
// The tick calls, in this order:
//     for (int port = 0; port < SerialPortCount; ++port)
//         ReadComPort(port);
//     while (ReadTcpInput()) {}

#include "platform/system/SerialPort.h"
#include "sensors/OwnShipState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

constexpr int InputChunkSize = 120;
// A tick takes at most this many chunks from one port (7680 bytes, two seconds of 38400 baud),
// so a port that never stops sending cannot hold the main thread.
constexpr int MaxChunksPerTick = 64;

// The COM ports COM1..COM12; the port set-up opens and closes them.
extern std::array<platform::SerialPort, SerialPortCount> ComPorts;

// Reads everything waiting on COM port `port` (0..11) into the parser. On the alarm port nothing
// is parsed: any input or line error there is a press of the event-mark button.
void ReadComPort(int port);

// The unread TCP text kept at most: a peer that sends faster than the ticks read loses its
// oldest text, never the newest.
constexpr size_t TcpInputLimit = 64 * 1024;

// Appends text received on the TCP connection (the client socket's read handler), every byte
// as it came (NUL included), dropping the oldest unread text beyond TcpInputLimit.
void AppendTcpInput(const char* data, size_t size);

// Feeds the next chunk of TCP text to the parser as port 12; true while text is left. The text
// fed is dropped once all of it was read.
bool ReadTcpInput();

// The TCP text not yet read (for tests).
size_t PendingTcpInput();

// Acts on a chunk's parse result (ParseResultFlag bits).
void HandleParseResult(int32_t result);
