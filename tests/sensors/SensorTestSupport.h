#pragma once
// Helpers of the sensor tests: NMEA text with its checksum, a real pseudo-terminal standing in
// for a serial port, and a fixture that starts every test from a fresh sensor side.

#include "platform/system/SerialPort.h"
#include "platform/system/SystemClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

// "$GPGGA,..." -> "$GPGGA,...*hh\r\n".
std::string Nmea(std::string_view body, std::string_view end = "\r\n");

// Feeds text to the parser of `port` in one chunk and acts on the result like a reader: the
// work queued for after the chunk is done too.
int32_t Feed(int port, std::string_view text);

// A pseudo-terminal: the program opens the slave path as its serial port, the test writes to
// the master as the instrument would.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& path() const { return path_; }
    int master() const { return master_; }
    // Writes all of text to the master.
    void send(std::string_view text);
    // Waits until `port` reports `bytes` waiting (at most two seconds).
    static bool waitFor(platform::SerialPort& port, int bytes);

private:
    int master_ = -1;
    std::string path_;
};

// Resets every global of the sensor side and keeps the machine clock out of reach: clock
// settings are recorded in `clockSettings` and refused, as for a program without the right.
class SensorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::vector<platform::ClockTime> clockSettings;
};

// Every global of the sensor side back to its start value.
void ResetSensorSide();
