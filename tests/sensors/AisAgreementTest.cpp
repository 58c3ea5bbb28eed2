// The AIS decoding against an independent decoder: every message of the approach fixture, fed
// sentence by sentence through the sentence input, is compared field by field with what
// gpsdecode (gpsd-clients, unscaled values, message 24 parts apart) makes of the same file.

#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/AisHooks.h"
#include "sensors/AisMessageHeader.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorSettings.h"
#include "sensors/SensorTestSupport.h"
#include "sensors/AisTestSupport.h"
#include "sensors/TargetTable.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr uint32_t OwnMmsi = 211000001;
const std::string Fixture = VARNIK_FIXTURES_DIR "/ais/approach.nmea";

// What one complete message did.
struct Observation {
    enum Kind { Target, Static, Own, OwnStatic, Text } kind = Target;
    char channel = 0;  // of the message's last sentence
    StagedAisTarget staged{};
    SensorRecord record{};
    std::string stagedName;
    TargetRecord own{};
    std::string text;
};

std::vector<QJsonObject> GpsdecodeMessages()
{
    std::vector<QJsonObject> messages;
    const std::string command = "gpsdecode -u -s < '" + Fixture + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return messages;
    char line[2048];
    while (std::fgets(line, sizeof line, pipe) != nullptr)
        messages.push_back(QJsonDocument::fromJson(QByteArray(line)).object());
    pclose(pipe);
    return messages;
}

// The channel field of a VDM / VDO sentence.
char ChannelOf(const std::string& sentence)
{
    size_t at = 0;
    for (int field = 0; field < 4 && at != std::string::npos; ++field)
        at = sentence.find(',', at + 1);
    return at == std::string::npos ? 0 : sentence[at + 1];
}

std::string Text(const QJsonObject& m, const char* key)
{
    return m.value(key).toString().toStdString();
}

int Int(const QJsonObject& m, const char* key)
{
    return m.value(key).toInt(-99999);
}

class AisAgreementTest : public SensorTest {
protected:
    void SetUp() override
    {
        SensorTest::SetUp();
        SensorSetup.ownMmsi = OwnMmsi;
        SensorSetup.aisRange = AisRangeUnlimited;
        AisHook.storeTextMessage = [this](uint32_t, const std::string& text) {
            texts.push_back(text);
        };
    }

    // Feeds the fixture line by line and notes what each line that completed a message did.
    std::deque<Observation> FeedFixture()
    {
        std::deque<Observation> seen;
        std::ifstream file(Fixture, std::ios::binary);
        std::string line;
        const StagedAisTarget sentinel = SentinelStaging();
        TargetRecord& own = TargetTable[OwnAisRecord];
        while (std::getline(file, line)) {
            line += '\n';
            OwnShip.stagedAis = sentinel;
            std::memcpy(static_cast<void*>(&own.dynamic), &sentinel.dynamic, sizeof own.dynamic);
            std::memcpy(static_cast<void*>(&own.staticData), &sentinel.staticData,
                        sizeof own.staticData);
            texts.clear();
            Feed(0, line);
            Observation o;
            o.channel = ChannelOf(line);
            o.staged = OwnShip.stagedAis;
            o.record = OwnShip.sensorRecord;
            o.stagedName = OwnShip.stagedTargetName;
            o.own = own;
            auto note = [&](Observation::Kind kind, const void* block, const void* unchanged,
                            size_t size) {
                if (!SameBytes(block, unchanged, size)) {
                    o.kind = kind;
                    seen.push_back(o);
                }
            };
            note(Observation::Target, &o.staged.dynamic, &sentinel.dynamic, sizeof sentinel.dynamic);
            note(Observation::Static, &o.staged.staticData, &sentinel.staticData,
                 sizeof sentinel.staticData);
            note(Observation::Own, &own.dynamic, &sentinel.dynamic, sizeof sentinel.dynamic);
            note(Observation::OwnStatic, &own.staticData, &sentinel.staticData,
                 sizeof sentinel.staticData);
            for (const std::string& text : texts) {
                o.kind = Observation::Text;
                o.text = text;
                seen.push_back(o);
            }
        }
        return seen;
    }

    std::vector<std::string> texts;
};

// The vendor id as seven six-bit characters: gpsdecode's manufacturer (its first three) and its
// model and serial number, trailing blanks and at signs removed.
std::string VendorText(const QJsonObject& m)
{
    std::string text = Text(m, "vendorid").substr(0, 3);
    const uint32_t unit = uint32_t(Int(m, "model")) << 20 | uint32_t(Int(m, "serial"));
    for (int shift = 18; shift >= 0; shift -= 6) {
        const uint32_t value = unit >> shift & 63;
        text += char(value < 32 ? value + 64 : value);
    }
    return text.substr(0, text.find_last_not_of(" @") + 1);
}

void ExpectPosition(const QJsonObject& m, const AisDynamicBlock& d, char channel)
{
    const int type = Int(m, "type");
    EXPECT_EQ(+d.mmsi, uint32_t(Int(m, "mmsi")));
    EXPECT_EQ(+d.navigationStatus, type == 18 ? 9 : Int(m, "status"));
    EXPECT_EQ(+d.rateOfTurn, type == 18 ? -128 : Int(m, "turn"));
    EXPECT_EQ(+d.sogTenths, Int(m, "speed"));
    EXPECT_EQ(d.positionAccuracy != 0, m.value("accuracy").toBool());
    EXPECT_EQ(+d.rawLongitude, Int(m, "lon"));
    EXPECT_EQ(+d.rawLatitude, Int(m, "lat"));
    EXPECT_NEAR(cmgbase::nrm2deg(d.positionX) * 600000.0, Int(m, "lon"), 0.1);
    EXPECT_NEAR(cmgbase::nrm2deg(d.positionY) * 600000.0, Int(m, "lat"), 0.1);
    EXPECT_EQ(+d.cogTenths, Int(m, "course"));
    EXPECT_EQ(+d.trueHeading, Int(m, "heading"));
    EXPECT_EQ(+d.reportSecond, Int(m, "second"));
    EXPECT_EQ(+d.channel, +channel);
}

void ExpectVoyageData(const QJsonObject& m, const AisStaticBlock& s)
{
    EXPECT_EQ(+s.mmsi, uint32_t(Int(m, "mmsi")));
    EXPECT_EQ(+s.imoNumber, uint32_t(Int(m, "imo")));
    EXPECT_EQ(s.callSign, Text(m, "callsign"));
    EXPECT_EQ(s.name, Text(m, "shipname"));
    EXPECT_EQ(+s.shipType, Int(m, "shiptype"));
    EXPECT_EQ(+s.dimensionA, Int(m, "to_bow"));
    EXPECT_EQ(+s.dimensionB, Int(m, "to_stern"));
    EXPECT_EQ(+s.dimensionC, Int(m, "to_port"));
    EXPECT_EQ(+s.dimensionD, Int(m, "to_starboard"));
    int month = 0, day = 0, hour = 0, minute = 0;
    ASSERT_EQ(std::sscanf(Text(m, "eta").c_str(), "%d-%dT%d:%dZ", &month, &day, &hour, &minute), 4);
    EXPECT_EQ(+s.etaMonth, month);
    EXPECT_EQ(+s.etaDay, day);
    EXPECT_EQ(+s.etaHour, hour);
    EXPECT_EQ(+s.etaMinute, minute);
    EXPECT_EQ(+s.draughtDecimetres, Int(m, "draught"));
    EXPECT_EQ(s.destination, Text(m, "destination"));
    EXPECT_EQ(+s.dteFlag, Int(m, "dte"));
}

TEST_F(AisAgreementTest, EveryMessageOfTheApproachAsGpsdecodeReadsIt)
{
    const std::vector<QJsonObject> reference = GpsdecodeMessages();
    ASSERT_GT(reference.size(), 2000u) << "gpsdecode (gpsd-clients) is needed: scripts/install-deps";
    std::deque<Observation> seen = FeedFixture();
    int compared = 0;
    for (const QJsonObject& m : reference) {
        const int type = Int(m, "type");
        const uint32_t mmsi = uint32_t(Int(m, "mmsi"));
        const bool own = mmsi == OwnMmsi;
        const bool taken = (type >= 1 && type <= 3) || type == 5 || type == 18 || type == 24 ||
                           type == 14 || (type == 12 && uint32_t(Int(m, "dest_mmsi")) == OwnMmsi);
        if (!taken)
            continue;
        SCOPED_TRACE(QJsonDocument(m).toJson(QJsonDocument::Compact).toStdString());
        ASSERT_FALSE(seen.empty()) << "gpsdecode read more messages";
        const Observation o = seen.front();
        seen.pop_front();
        ++compared;
        switch (type) {
        case 1:
        case 2:
        case 3:
        case 18:
            ASSERT_EQ(o.kind, own ? Observation::Own : Observation::Target);
            ExpectPosition(m, own ? o.own.dynamic : o.staged.dynamic, o.channel);
            if (!own) {
                EXPECT_EQ(+o.record.targetId, int32_t(mmsi));
                EXPECT_EQ(+o.record.targetStatus, +'T');
            }
            break;
        case 5:
            ASSERT_EQ(o.kind, own ? Observation::OwnStatic : Observation::Static);
            ExpectVoyageData(m, own ? o.own.staticData : o.staged.staticData);
            if (own) {
                EXPECT_EQ(std::string(o.own.label), Text(m, "shipname"));
            } else {
                EXPECT_EQ(o.staged.staticPart, AisMessage5);
                EXPECT_EQ(o.staged.positionFixDevice, Int(m, "epfd"));
                EXPECT_EQ(o.stagedName, Text(m, "shipname"));
                EXPECT_EQ(+o.record.targetId, int32_t(mmsi));
                EXPECT_EQ(+o.record.targetStatus, +'T');
            }
            break;
        case 24: {
            ASSERT_EQ(o.kind, Observation::Static);
            const AisStaticBlock& s = o.staged.staticData;
            EXPECT_EQ(+s.mmsi, mmsi);
            EXPECT_EQ(+s.draughtDecimetres, 255);
            EXPECT_EQ(+o.record.targetId, int32_t(mmsi));
            if (m.contains("shiptype")) {
                EXPECT_EQ(o.staged.staticPart, AisPartB);
                EXPECT_EQ(+s.shipType, Int(m, "shiptype"));
                EXPECT_EQ(s.destination, VendorText(m) + " AiS class B");
                EXPECT_EQ(s.callSign, Text(m, "callsign"));
                EXPECT_EQ(+s.dimensionA, Int(m, "to_bow"));
                EXPECT_EQ(+s.dimensionB, Int(m, "to_stern"));
                EXPECT_EQ(+s.dimensionC, Int(m, "to_port"));
                EXPECT_EQ(+s.dimensionD, Int(m, "to_starboard"));
            } else {
                EXPECT_EQ(o.staged.staticPart, AisPartA);
                EXPECT_EQ(s.name, Text(m, "shipname"));
                EXPECT_EQ(o.stagedName, Text(m, "shipname"));
            }
            break;
        }
        default: {  // 12 and 14
            ASSERT_EQ(o.kind, Observation::Text);
            const size_t newline = o.text.find('\n');
            ASSERT_NE(newline, std::string::npos);
            EXPECT_EQ(o.text.substr(newline + 1), Text(m, "text"));
            AisMessageHeader header;
            ASSERT_TRUE(ParseAisMessageHeader(o.text, header));
            EXPECT_EQ(header.mmsi, mmsi);
            EXPECT_EQ(header.kind, type == 12 ? "Ad.Safe" : "Bd.Safe");
        }
        }
    }
    EXPECT_TRUE(seen.empty()) << seen.size() << " messages more than gpsdecode read";
    EXPECT_GT(compared, 1900);
}

}  // namespace
