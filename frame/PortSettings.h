#pragma once
// The port fields of the settings record, which the output thread reads while the main thread
// may change them. Both sides take ComOutStateLock around these fields.

#include <array>
#include <cstdint>
#include <mutex>
#include <string>

// Guards what the output thread reads of the main thread's state: the port fields and the
// magnetic variation of the settings record, the own-ship state, the clock, the route table and
// the route-following values. Never held across a message box or a file operation.
extern std::mutex ComOutStateLock;

constexpr int PortCount = 13;  // COM1..COM12, then the TCP connection
constexpr uint8_t NoAlarmPort = 255;

struct PortSettings {
    std::array<uint8_t, PortCount> active{};
    std::array<uint8_t, PortCount> baud{};  // baud index 0..4
    int32_t outputSentences = 0;             // 1 APB, 2 RMB, 4 RMC, 8 WPL and RTE
    uint8_t automaticRte = 0;
    uint8_t alarmPort = NoAlarmPort;
    std::string tcpAddress;                  // at most 15 characters
    int32_t tcpPort = 0;
};

// A consistent copy of the port fields, taken under the lock.
PortSettings ReadPortSettings();
// Stores all port fields under the lock; the address is cut after 15 characters.
void WritePortSettings(const PortSettings& settings);
