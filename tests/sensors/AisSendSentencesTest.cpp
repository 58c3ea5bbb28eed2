// The sentences the target dialog sends, read back by independent programs: nmea-simple reads
// each sentence (checksum and fields), gpsdecode decodes the AIS message that the transponder
// makes of a text message's payload.

#include "sensors/IndependentReaders.h"

#include "sensors/AisOutgoingText.h"
#include "sensors/AisSendSentences.h"

#include <gtest/gtest.h>

#include <QJsonObject>

namespace {

constexpr uint32_t OwnMmsi = 211000001;
constexpr uint32_t Mid = 211;
constexpr uint32_t Destination = 244123456;

// `length` characters of the text alphabet but '@', which decoders take as the end of a text,
// and not ending in a blank, which they drop as padding.
std::string Text(size_t length)
{
    const std::string alphabet = "THE QUICK BROWN FOX 0123456789 ?#%&()+-./:;<=>[]_\"'";
    std::string text;
    for (size_t i = 0; i < length; ++i)
        text += alphabet[i % alphabet.size()];
    if (!text.empty() && text.back() == ' ')
        text.back() = 'Z';
    return text;
}

std::string Joined(const std::vector<std::string>& sentences)
{
    std::string text;
    for (const std::string& sentence : sentences)
        text += sentence;
    return text;
}

std::string Bits(uint32_t value, int width)
{
    std::string bits;
    for (int i = width - 1; i >= 0; --i)
        bits += (value >> i & 1) ? '1' : '0';
    return bits;
}

std::string SixBitText(const std::string& bits)
{
    std::string text;
    for (size_t at = 0; at + 6 <= bits.size(); at += 6) {
        const int value = std::stoi(bits.substr(at, 6), nullptr, 2);
        text += char(value < 32 ? value + 64 : value);
    }
    return text;
}

class AisSendSentencesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(NmeaSimpleInstalled()) << "nmea-simple is needed: npm ci --prefix bench/nmea/node";
    }
};

}  // namespace

TEST(AisOutgoingText, OnlyTheUpperCaseTextAlphabetWithoutNmeaReservedCharactersGoesIn)
{
    for (char c = 32; c <= 95; ++c) {
        const bool reserved = c == '!' || c == '$' || c == '*' || c == ',' || c == '\\' || c == '^';
        EXPECT_EQ(AisTextCharacter(c), reserved ? 0 : c) << int(c);
    }
    EXPECT_EQ(AisTextCharacter('a'), 'A');
    EXPECT_EQ(AisTextCharacter('z'), 'Z');
    for (const char refused : {'`', '{', '|', '~', '\x7F', '\r', '\n', '\t', '\0', '\xB0', '\xE9'})
        EXPECT_EQ(AisTextCharacter(refused), 0) << int(refused);

    EXPECT_EQ(FilterAisText("Hello, world!\r\n~`ship^*$\\", AisTextLimit), "HELLO WORLDSHIP");
    EXPECT_EQ(FilterAisText(std::string(200, 'x'), AisTextLimit), std::string(150, 'X'));
    EXPECT_EQ(FilterAisText("**ab*cd", 3), "ABC");
}

// Safety texts carry their characters with no fill bits; binary texts n + 5 units, the last with
// the final character's low bits and 2 fill bits; each part fits its sentence.
TEST_F(AisSendSentencesTest, TextsAreSplitIntoSentencesOfAtMost82CharactersThatDecodeBack)
{
    const struct {
        bool broadcast;
        bool safety;
        size_t length;
        std::vector<size_t> parts;  // payload characters per sentence
    } cases[]{
        {true, true, 48, {48}},
        {true, true, 49, {48, 1}},
        {true, true, 109, {42, 54, 13}},
        {true, true, 150, {42, 54, 54}},
        {false, true, 47, {47}},
        {false, true, 48, {47, 1}},  // 48 would make an 83-character first sentence
        {false, true, 109, {42, 54, 13}},
        {true, false, 1, {6}},
        {true, false, 43, {48}},
        {true, false, 48, {48, 5}},
        {true, false, 150, {42, 54, 59}},
        {false, false, 48, {48, 5}},  // message id 6 leaves room for 48
        {false, false, 150, {42, 54, 59}},
    };
    for (const auto& c : cases) {
        const std::string text = Text(c.length);
        AisTextMessage message;
        message.text = text;
        message.safety = c.safety;
        message.broadcast = c.broadcast;
        message.destination = Destination;
        message.channel = 3;
        message.mid = Mid;
        message.sequenceId = 2;
        const std::vector<std::string> sentences = BuildAisTextSentences(message);
        const std::string what = std::string(c.broadcast ? "broadcast " : "addressed ") +
                                 (c.safety ? "safety " : "binary ") + std::to_string(c.length);
        for (const std::string& sentence : sentences)
            EXPECT_LE(sentence.size(), NmeaSentenceLimit) << what << ": " << sentence;

        const std::vector<NmeaSimpleSentence> read = ReadWithNmeaSimple(Joined(sentences));
        ASSERT_EQ(read.size(), c.parts.size()) << what;
        const std::string count = std::to_string(c.parts.size());
        const std::string id = c.broadcast ? (c.safety ? "14" : "8") : (c.safety ? "12" : "6");
        for (size_t n = 0; n < read.size(); ++n) {
            const NmeaSimpleSentence& s = read[n];
            EXPECT_EQ(s.error, "") << what;
            EXPECT_TRUE(s.checksumOk) << what << " " << n;
            EXPECT_EQ(s.talker, "AI");
            EXPECT_EQ(s.id, c.broadcast ? "BBM" : "ABM");
            const std::string fill = n + 1 < read.size() ? "0" : c.safety ? "0" : "2";
            std::vector<std::string> expected{count, std::to_string(n + 1), "2"};
            if (n == 0 && !c.broadcast)
                expected.push_back(std::to_string(Destination));
            else if (!c.broadcast)
                expected.push_back("");
            expected.push_back(n == 0 ? "3" : "");
            expected.push_back(n == 0 ? id : "");
            ASSERT_EQ(s.fields.size(), expected.size() + 2) << what;
            EXPECT_EQ(std::vector<std::string>(s.fields.begin(), s.fields.end() - 2), expected) << what << " " << n;
            EXPECT_EQ(s.fields[s.fields.size() - 2].size(), c.parts[n]) << what << " " << n;
            EXPECT_EQ(s.fields.back(), fill) << what << " " << n;
        }

        const std::vector<QJsonObject> decoded = DecodeWithGpsdecode(OnAirMessage(read, OwnMmsi));
        ASSERT_EQ(decoded.size(), 1u) << what;
        const QJsonObject& m = decoded.front();
        EXPECT_EQ(m["type"].toInt(), std::stoi(id)) << what;
        EXPECT_EQ(m["mmsi"].toInteger(), OwnMmsi);
        if (!c.broadcast) {
            EXPECT_EQ(m["dest_mmsi"].toInteger(), Destination) << what;
        }
        if (c.safety) {
            EXPECT_EQ(m["text"].toString().toStdString(), text) << what;
            continue;
        }
        const std::string bits = BinaryMessageBits(m);
        ASSERT_EQ(bits.size(), 28 + 6 * c.length) << what << ": every character whole";
        EXPECT_EQ(bits.substr(0, 28), Bits(26, 6) + Bits(Mid, 12) + Bits(0, 6) + "1010") << what;
        EXPECT_EQ(SixBitText(bits.substr(28)), text) << what;
    }
}

TEST_F(AisSendSentencesTest, AnAcknowledgementCarriesTheAlarmNumber)
{
    const std::string sentence = BuildAisAcknowledgement(7);
    EXPECT_EQ(sentence.substr(0, 9), "$AIACK,7*");
    EXPECT_EQ(sentence.substr(sentence.size() - 2), "\r\n");
    const std::vector<NmeaSimpleSentence> read = ReadWithNmeaSimple(sentence);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_TRUE(read[0].checksumOk);
    EXPECT_EQ(read[0].id, "ACK");
    EXPECT_EQ(read[0].fields, std::vector<std::string>{"7"});
}

TEST_F(AisSendSentencesTest, VoyageDataAreClampedToTheirRanges)
{
    const struct {
        VoyageEntry entry;
        std::vector<std::string> fields;
    } cases[]{
        {{70, 52, 12, "HAMBURG", 21, 3, 12, 34, 0}, {"70", "5.2", "12", "HAMBURG", "123400", "21", "3", "0", ""}},
        {{31, 0, 0, "", 32, 13, 12, 61, 5}, {"31", "0.0", "0", "", "125900", "31", "12", "5", ""}},
        {{60, 300, 9000, "kiel, de!", 1, 1, 24, 10, 1}, {"60", "25.5", "8191", "KIEL DE", "235900", "1", "1", "1", ""}},
        {{80, -4, -1, "ROTTERDAM EUROPOORT EAST", 0, 0, -3, -1, 8},
         {"80", "0.0", "0", "ROTTERDAM EUROPOORT ", "000000", "0", "0", "8", ""}},
    };
    for (const auto& c : cases) {
        const std::string sentence = BuildVoyageSentence(c.entry);
        EXPECT_LE(sentence.size(), NmeaSentenceLimit);
        const std::vector<NmeaSimpleSentence> read = ReadWithNmeaSimple(sentence);
        ASSERT_EQ(read.size(), 1u) << sentence;
        EXPECT_TRUE(read[0].checksumOk) << sentence;
        EXPECT_EQ(read[0].id, "VSD");
        EXPECT_EQ(read[0].fields, c.fields) << sentence;
    }
}
