#pragma once
// Helpers of the output tests: what the far end of a pseudo-terminal receives, the sentences as
// pynmea2 (an independent parser) reads them, and a fixture with COM1..COM3 on pseudo-terminals
// and the route and output state cleared.

#include "sensors/OutputStates.h"
#include "sensors/SensorTestSupport.h"

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Pynmea2Sentence {
    std::string error;  // set when pynmea2 refused the sentence (its checksum included)
    std::string type;
    std::string talker;
    std::vector<std::string> data;
    std::optional<double> latitude;
    std::optional<double> longitude;
};

// The sentences of `text` (each ended by CR LF) as pynmea2 reads them, in order.
std::vector<Pynmea2Sentence> ParseWithPynmea2(const std::string& text);

// The fields of a sentence body after its name: "$GPRTE,1,1,w,," -> {"1", "1", "w", "", ""}.
std::vector<std::string> Fields(std::string_view body);

// What the master of `terminal` receives until `lines` line ends have come (or `timeout`).
std::string ReadLines(const PseudoTerminal& terminal, int lines,
                      std::chrono::milliseconds timeout = std::chrono::seconds(5));
// What the master receives within `quiet`.
std::string ReadFor(const PseudoTerminal& terminal, std::chrono::milliseconds quiet);

// The route table, route following's values, the output buffer and mute and the output
// sentence bits back to their start values.
void ResetOutputSide();

class OutputTest : public SensorTest {
protected:
    void SetUp() override;
    void TearDown() override;

    std::array<PseudoTerminal, 3> com;  // COM1..COM3, opened through OpenComPort
};
