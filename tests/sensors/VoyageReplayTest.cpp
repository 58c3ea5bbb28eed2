// Ten minutes of a recorded voyage (GPS, gyro, sounder, wind) replayed through a pseudo-terminal
// at the byte rate of 38400 baud, one 100 ms tick at a time: every sentence is taken and the own
// ship follows the GPS track of the log.

#include "sensors/OwnShipState.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorTestSupport.h"
#include "sensors/SentenceParser.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string ReadLog()
{
    std::ifstream file(VARNIK_FIXTURES_DIR "/nmea/voyage.nmea", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Degrees of "ddmm.mmmm" / "dddmm.mmmm", read as the instrument wrote them.
double Degrees(const std::string& field, size_t degreeDigits, char hemisphere)
{
    const double value = std::stoi(field.substr(0, degreeDigits)) +
                         std::stof(field.substr(degreeDigits)) / 60.0;
    return hemisphere == 'S' || hemisphere == 'W' ? -value : value;
}

// The GGA positions of the log, longitude and latitude.
std::vector<std::pair<double, double>> GgaTrack(const std::string& log)
{
    std::vector<std::pair<double, double>> track;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("$GPGGA", 0) != 0)
            continue;
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');)
            f.push_back(field);
        track.emplace_back(Degrees(f[4], 3, f[5][0]), Degrees(f[2], 2, f[3][0]));
    }
    return track;
}

class VoyageReplayTest : public SensorTest {};

TEST_F(VoyageReplayTest, EverySentenceTakenAndTheTrackFollowed)
{
    const std::string log = ReadLog();
    ASSERT_GT(log.size(), 200000u);
    const auto expected = GgaTrack(log);
    ASSERT_EQ(expected.size(), 600u);

    std::vector<std::pair<double, double>> sent;
    SensorHook.putSensorRecord = [&sent](int32_t, const void* record, int32_t) {
        const auto* r = static_cast<const SensorRecord*>(record);
        sent.emplace_back(double{r->longitude}, double{r->latitude});
    };
    PseudoTerminal terminal;
    ASSERT_TRUE(ComPorts[0].open(terminal.path(), 38400));
    constexpr size_t BytesPerTick = 38400 / 10 / 10;  // 10 bits a byte, 10 ticks a second
    for (size_t offset = 0; offset < log.size(); offset += BytesPerTick) {
        const std::string slice = log.substr(offset, BytesPerTick);
        terminal.send(slice);
        ASSERT_TRUE(PseudoTerminal::waitFor(ComPorts[0], int(slice.size())));
        ReadComPort(0);
        if (offset % 3840 == 0)
            CountDownSensorTimeouts();
    }

    const PortSentenceCounts& counts = PortSentenceStatistics[0];
    EXPECT_EQ(counts.dispatched, size_t(std::count(log.begin(), log.end(), '\n')));
    EXPECT_EQ(counts.checksumFailures, 0u);
    EXPECT_EQ(counts.overlong, 0u);
    EXPECT_EQ(counts.unknown, 0u);

    // The first RMC is only remembered; from then on every GGA (VTG seen) commits.
    ASSERT_EQ(sent.size(), expected.size() - 1);
    for (size_t i = 0; i < sent.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(sent[i].first, expected[i + 1].first);
        EXPECT_DOUBLE_EQ(sent[i].second, expected[i + 1].second);
    }
    EXPECT_EQ(OwnShip.gpsPort, 0);
    EXPECT_EQ(OwnShip.gpsQuality, 1);
    EXPECT_EQ(OwnShip.satellites, 9);
    EXPECT_TRUE(OwnShip.ggaSeen && OwnShip.vtgSeen && OwnShip.hdtSeen);
    EXPECT_GT(OwnShip.headingValidity, 0);
    EXPECT_GT(OwnShip.depthValidity, 0);
    EXPECT_NEAR(OwnShip.speedOverGround, 12.0f, 0.5f);
    EXPECT_GT(OwnShip.depth, 10.0f);
    EXPECT_GT(OwnShip.windSpeed, 0.0f);
    EXPECT_EQ(OwnShip.latitudeHemisphere, 'N');
}

}  // namespace
