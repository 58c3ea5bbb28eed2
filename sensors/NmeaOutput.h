#pragma once
// What the output thread sends each cycle: a one-off text (AIS messages and acknowledgements) to
// the AIS reply port, and RMC, RMB, APB, WPL and RTE (as the output sentence bits select) to
// every COM port whose transmit flag is set. A cycle builds all of it from one consistent state
// under ComOutStateLock and writes it after releasing the lock, so that the main thread never
// waits for a serial line.

#include "sensors/OwnShipState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Shared with the main thread; read and written under ComOutStateLock only.
//
// The output buffer: one-off texts waiting for the next cycle, and whether any waits.
extern std::string OneOffText;
extern bool OneOffPending;
// Set while the replay button is down: live output is muted, nothing is sent, and what waits
// keeps waiting.
extern bool OutputMutedByReplay;

// The most one-off text that waits at once.
constexpr size_t OneOffLimit = 4096;

// Queues `text` (whole sentences, each with its checksum and line end) for the AIS reply port
// and wakes the output thread, whose next cycle sends it. Texts queued before that cycle go out in order. False, and
// nothing is queued, when the waiting text would grow beyond OneOffLimit. Main thread; takes
// the lock.
bool SendOneOffText(std::string_view text);

// Mutes or unmutes the output for the replay button; takes the lock. Unmuting wakes the output
// thread for the one-off text that waited.
void SetOutputMutedByReplay(bool muted);

// What the output thread asks of the layer above it. Set before the thread starts and left
// alone while it runs.
struct ComOutHooks {
    // The output thread has handed text for the TCP connection over (TakeTcpText). Called on
    // the output thread: it only wakes the thread that owns the connection, which takes the text
    // and sends it. Unset, no one owns a connection and the texts for it are dropped.
    std::function<void()> tcpTextWaiting;
};
extern ComOutHooks ComOutHook;

// The one-off texts for the TCP connection that the output thread has handed over, in order,
// and taken off; empty when none waits. Guarded by a lock of its own.
std::string TakeTcpText();

// One cycle's output, built under the lock and written after it.
struct NmeaOutputBatch {
    std::string oneOff;      // the one-off text
    int32_t oneOffPort = -1;  // 0..11 a COM port, TcpPort, -1 none (the text is dropped)
    std::string sentences;   // for every transmitting COM port
    std::array<bool, SerialPortCount> transmit{};
};

// Fills `batch` from the shared state, taking the one-off text and the requests it answers off
// it; an empty batch while the output is muted. Without `positionSentences` only the one-off
// text is taken, and the route requests wait for a cycle with them. The caller holds
// ComOutStateLock.
void BuildNmeaOutput(NmeaOutputBatch& batch, bool positionSentences = true);

// Writes a batch with no lock held: each COM port gets its one-off text and the sentences as
// one text, whole; a one-off text for TCP is handed over (ComOutHook.tcpTextWaiting).
void WriteNmeaOutput(const NmeaOutputBatch& batch);

// One output cycle: BuildNmeaOutput under the lock, then WriteNmeaOutput. `batch` is the
// caller's, kept from cycle to cycle so that its buffers are reused.
void SendNmeaOutput(NmeaOutputBatch& batch, bool positionSentences = true);
