// The saved fuzzing corpus as a plain test: every input runs through the fuzz target, under the
// sanitizers of the test build.

#include "sensors/SensorTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

class NmeaCorpusTest : public SensorTest {};

TEST_F(NmeaCorpusTest, EveryInputRunsClean)
{
    const std::filesystem::path corpus = VARNIK_FIXTURES_DIR "/nmea-corpus";
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<uint8_t> data{std::istreambuf_iterator<char>(file), {}};
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_EQ(LLVMFuzzerTestOneInput(data.data(), data.size()), 0);
        ++inputs;
    }
    EXPECT_GE(inputs, 4);
}

}  // namespace
