// Received AIS safety texts: their length from the fill bits, the header line written and read
// in one fixed layout, the info file record and the target dialog after the chunk.

#include "platform/system/SystemClock.h"
#include "sensors/AisHooks.h"
#include "sensors/AisMessageHeader.h"
#include "sensors/AisTestSupport.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorNotices.h"
#include "sensors/SensorSettings.h"
#include "sensors/SensorTestSupport.h"
#include "sensors/SentenceParser.h"
#include "sensors/TargetTable.h"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr uint32_t OwnMmsi = 211000001;

struct StoredMessage {
    uint32_t time;
    std::string text;
};

struct ShownMessage {
    int32_t record;
    bool safety;
};

class AisTextMessageTest : public SensorTest {
protected:
    void SetUp() override
    {
        SensorTest::SetUp();
        SensorSetup.ownMmsi = OwnMmsi;
        SensorSetup.aisMessages = true;
        AisHook.storeTextMessage = [this](uint32_t time, const std::string& text) {
            stored.push_back({time, text});
        };
        AisHook.showTextMessage = [this](int32_t record, bool safety) {
            shown.push_back({record, safety});
        };
    }

    static std::string Body(const std::string& record)
    {
        return record.substr(record.find('\n') + 1);
    }

    std::vector<StoredMessage> stored;
    std::vector<ShownMessage> shown;
};

TEST_F(AisTextMessageTest, TextsKeepTheirLastCharacterWhateverTheFillBits)
{
    const struct {
        const char* name;
        std::string sentence;
        std::string text;
    } cases[] = {
        {"public broadcast with 2 fill bits", "!AIVDM,1,1,,A,>5?Per18=HB1U:1@E=B0m<L,2*51\r\n",
         "RCVD YR TEST MSG"},
        {"addressed, no fill bits", AisSentence(SafetyText(244000001, OwnMmsi, "ANCHOR AHEAD!")),
         "ANCHOR AHEAD!"},
        {"broadcast of 14 characters", AisSentence(SafetyText(244000001, "SECURITE 1234Z")),
         "SECURITE 1234Z"},
        {"trailing blanks and at signs go", AisSentence(SafetyText(244000001, "END  @@")), "END"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        stored.clear();
        Feed(0, c.sentence);
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(Body(stored[0].text), c.text);
    }
}

TEST_F(AisTextMessageTest, ReceivedTextIsStoredAndOpenedForItsSender)
{
    // Fixed PC clock: 2024-06-10 08:15:42 UTC.
    const std::time_t now = 1718007342;
    platform::SetClock(std::chrono::system_clock::from_time_t(now));
    TargetTable[17].id = 244000001;
    TargetTable[17].dynamic.mmsi = 244000001;
    TargetTable[17].kind = 5;

    Feed(0, AisSentence(SafetyText(244000001, OwnMmsi, "PLS KEEP CLEAR")));
    Feed(0, AisSentence(SafetyText(244000002, "SECURITE")));
    Feed(0, AisSentence(SafetyText(244000003, 244009999, "NOT FOR US")));

    ASSERT_EQ(stored.size(), 2u);
    EXPECT_NEAR(double(stored[0].time), double(now), 2.0);
    AisMessageHeader header;
    ASSERT_TRUE(ParseAisMessageHeader(stored[0].text, header));
    EXPECT_EQ(header.mmsi, 244000001u);
    EXPECT_EQ(header.kind, "Ad.Safe");
    std::tm local{};
    const std::time_t storedTime = std::time_t(stored[0].time);
    localtime_r(&storedTime, &local);
    EXPECT_EQ(header.time.tm_hour, local.tm_hour);
    EXPECT_EQ(header.time.tm_mday, local.tm_mday);
    EXPECT_EQ(Body(stored[0].text), "PLS KEEP CLEAR");
    ASSERT_TRUE(ParseAisMessageHeader(stored[1].text, header));
    EXPECT_EQ(header.kind, "Bd.Safe");

    // The sender's target is opened (made an AIS position target); an unknown sender's message
    // opens the own AIS record as a message record.
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].record, 17);
    EXPECT_TRUE(shown[0].safety);
    EXPECT_EQ(TargetTable[17].kind, 4);
    EXPECT_EQ(shown[1].record, OwnAisRecord);
    EXPECT_EQ(TargetTable[OwnAisRecord].kind, 6);
    EXPECT_EQ(ShownTarget, OwnAisRecord);

    // With AIS messages not shown they are still kept, and the dialog keeps its record.
    SensorSetup.aisMessages = false;
    ShownTarget = 17;
    Feed(0, AisSentence(SafetyText(244000002, "AGAIN")));
    EXPECT_EQ(stored.size(), 3u);
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(ShownTarget, 17);
}

TEST_F(AisTextMessageTest, TextWorkWaitsUntilTheChunkIsParsed)
{
    const std::string text = AisSentence(SafetyText(244000002, "SECURITE"));
    ParseSensorInput(0, text.data(), text.size());
    EXPECT_TRUE(stored.empty());
    FlushSensorNotices();
    EXPECT_EQ(stored.size(), 1u);
}

TEST_F(AisTextMessageTest, HeaderHasOneLayoutWrittenAndReadHere)
{
    AisMessageHeader sent;
    sent.time.tm_year = 2024 - 1900;
    sent.time.tm_mon = 5;
    sent.time.tm_mday = 10;
    sent.time.tm_hour = 8;
    sent.time.tm_min = 5;
    sent.time.tm_sec = 9;
    sent.mmsi = 2191000;  // a coast station: 002191000
    sent.kind = "Tx Safe";
    sent.name = "PILOT  BOAT 3";
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // where it exists: no effect on the layout
    const std::string line = FormatAisMessageHeader(sent);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(line, "10.06.2024  08:05:09  002191000  Tx Safe  PILOT  BOAT 3");

    AisMessageHeader read;
    ASSERT_TRUE(ParseAisMessageHeader(line + "\nTHE TEXT", read));
    EXPECT_EQ(read, sent);

    for (const char* bad : {"", "10.06.2024  08:05:09  2191000  Tx", "10.06.2024 08:05:09  002191000  Tx",
                            "10.06.2024  08:05:09  002191000  ", "1O.06.2024  08:05:09  002191000  Tx"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseAisMessageHeader(bad, read));
    }
}

}  // namespace
