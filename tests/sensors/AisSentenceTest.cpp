// VDM and VDO through the sentence input: checksums, the joining of messages of several
// sentences, bad input of every kind (none may reach the target table or move the own ship),
// the AIS range and the own transponder's reports.

#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/AisHooks.h"
#include "sensors/AisTestSupport.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorSettings.h"
#include "sensors/SensorTestSupport.h"
#include "sensors/SentenceParser.h"
#include "sensors/TargetTable.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr uint32_t OwnMmsi = 211000001;

// A VDM / VDO sentence from its fields, with its checksum.
std::string Fragment(int count, int number, const std::string& sequence, char channel,
                     const std::string& payload, int fill, const std::string& talker = "!AIVDM")
{
    return Nmea(talker + "," + std::to_string(count) + "," + std::to_string(number) + "," +
                sequence + "," + channel + "," + payload + "," + std::to_string(fill));
}

std::string Payload(const AisBitWriter& message, int& fill)
{
    return message.armoured(fill);
}

// The same sentence without its checksum.
std::string Unchecked(const std::string& sentence)
{
    return sentence.substr(0, sentence.find('*')) + "\r\n";
}

using Lines = std::vector<std::pair<int, std::string>>;  // port and sentence

Lines OnPort(int port, const std::vector<std::string>& sentences)
{
    Lines lines;
    for (const std::string& s : sentences)
        lines.emplace_back(port, s);
    return lines;
}

// What a run of sentences did: what was staged for the table, what reached the own AIS record
// and the own ship, and the text messages stored.
struct Outcome {
    bool stagedTarget = false;  // a position report for the table (kind 4)
    bool stagedStatic = false;  // static data for the table (kind 5)
    bool ownReport = false;     // the own AIS record's dynamic block
    bool ownStatic = false;
    bool ownMotion = false;  // own course, speed or heading
    bool ownPosition = false;
    int texts = 0;
    int32_t result = 0;  // the parse results, or-ed

    friend bool operator==(const Outcome&, const Outcome&) = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& o)
{
    return out << "target " << o.stagedTarget << ", static " << o.stagedStatic << ", own report "
               << o.ownReport << ", own static " << o.ownStatic << ", own motion " << o.ownMotion
               << ", own position " << o.ownPosition << ", texts " << o.texts << ", result "
               << o.result;
}

constexpr Outcome Nothing{};
constexpr Outcome Target{.stagedTarget = true, .result = 0};
constexpr Outcome Static{.stagedStatic = true};

class AisSentenceTest : public SensorTest {
protected:
    void SetUp() override
    {
        SensorTest::SetUp();
        SensorSetup.ownMmsi = OwnMmsi;
        AisHook.storeTextMessage = [this](uint32_t, const std::string& text) {
            stored.push_back(text);
        };
    }

    // Feeds the lines from a known state and tells what they did.
    Outcome Run(const Lines& lines)
    {
        const StagedAisTarget sentinel = SentinelStaging();
        OwnShip.stagedAis = sentinel;
        TargetRecord& own = TargetTable[OwnAisRecord];
        own = TargetRecord{};
        OwnShip.courseOverGround = 11.0f;
        OwnShip.speedOverGround = 2.0f;
        OwnShip.heading = 33.0f;
        OwnShip.gpsLongitude = OwnShip.lastFixLongitude = 1.5;  // a fix is remembered already
        OwnShip.gpsLatitude = OwnShip.lastFixLatitude = 2.5;
        stored.clear();
        Outcome o;
        for (const auto& [port, sentence] : lines)
            o.result |= Feed(port, sentence);
        o.stagedTarget = !SameBytes(&OwnShip.stagedAis.dynamic, &sentinel.dynamic,
                                    sizeof sentinel.dynamic);
        o.stagedStatic = !SameBytes(&OwnShip.stagedAis.staticData, &sentinel.staticData,
                                    sizeof sentinel.staticData);
        o.ownReport = own.dynamic.mmsi != 0;
        o.ownStatic = own.staticData.mmsi != 0;
        o.ownMotion = OwnShip.courseOverGround != 11.0f || OwnShip.speedOverGround != 2.0f ||
                      OwnShip.heading != 33.0f;
        o.ownPosition = OwnShip.gpsLongitude != 1.5 || OwnShip.gpsLatitude != 2.5;
        o.texts = int(stored.size());
        return o;
    }

    // The MMSIs whose messages the lines completed, one by one (0 for the own transponder's).
    std::vector<uint32_t> Completed(const Lines& lines)
    {
        std::vector<uint32_t> mmsis;
        for (const auto& line : lines) {
            const Outcome o = Run({line});
            if (o.stagedStatic)
                mmsis.push_back(+OwnShip.stagedAis.staticData.mmsi);
            if (o.ownStatic)
                mmsis.push_back(0);
            if (o.texts > 0)
                mmsis.push_back(1);
        }
        return mmsis;
    }

    std::vector<std::string> stored;
};

TEST_F(AisSentenceTest, OnlyAPresentMatchingChecksumIsTaken)
{
    // A report whose correct checksum is 00.
    PositionReport report;
    std::string zero;
    for (; zero.find("*00") == std::string::npos; ++report.mmsi)
        zero = AisSentence(Encode(report));
    const std::string plain = AisSentence(Encode(PositionReport{}));
    std::string wrong = plain;
    wrong[wrong.find('*') + 2] ^= 1;
    const struct {
        const char* name;
        std::string sentence;
        Outcome expected;
    } cases[] = {
        {"checksum 00", zero, Target},
        {"checksum", plain, Target},
        {"wrong checksum", wrong, Nothing},
        {"no checksum", Unchecked(plain), Nothing},
        {"star without digits", plain.substr(0, plain.find('*') + 1) + "\r\n", Nothing},
        {"own report without checksum",
         Unchecked(AisSentence(Encode(PositionReport{.mmsi = OwnMmsi}), 'A', "!AIVDO")), Nothing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Run({{0, c.sentence}}), c.expected);
    }
}

TEST_F(AisSentenceTest, MessagesAreJoinedPerPortSentenceAndSequenceIdInOrder)
{
    const VoyageData first{.mmsi = 244000010};
    const VoyageData second{.mmsi = 244000020};
    const VoyageData own{.mmsi = OwnMmsi};
    const auto a = AisSentences(Encode(first), 'A', "!AIVDM", 1);
    const auto b = AisSentences(Encode(second), 'B', "!AIVDM", 2);
    const auto bSameId = AisSentences(Encode(second), 'A', "!AIVDM", 1);
    const auto bOtherChannel = AisSentences(Encode(first), 'B', "!AIVDM", 1);
    const auto o = AisSentences(Encode(own), 'A', "!AIVDO", 1);
    ASSERT_EQ(a.size(), 2u);
    int fill = 0;
    const std::string payload = Payload(Encode(first), fill);
    const std::string countChanged = Fragment(3, 2, "1", 'A', payload.substr(60), fill);
    // A broadcast text joined from four sentences: 200 characters, then 201.
    const std::string text193(193, 'X');
    const auto longest = AisSentences(SafetyText(244000030, text193), 'A', "!AIVDM", 4);
    const auto overlong = AisSentences(SafetyText(244000030, text193 + "Y"), 'A', "!AIVDM", 4);
    ASSERT_EQ(Payload(SafetyText(244000030, text193), fill).size(), 200u);

    const struct {
        const char* name;
        Lines lines;
        std::vector<uint32_t> expected;
    } cases[] = {
        {"in order", OnPort(0, a), {244000010}},
        {"second without first", {{0, a[1]}}, {}},
        {"second twice", OnPort(0, {a[0], a[1], a[1]}), {244000010}},
        {"first again starts anew", OnPort(0, {a[0], bSameId[0], bSameId[1]}), {244000020}},
        {"interleaved sequence ids", OnPort(0, {a[0], b[0], a[1], b[1]}), {244000010, 244000020}},
        {"interleaved ports", {{0, a[0]}, {1, bSameId[0]}, {0, a[1]}, {1, bSameId[1]}},
         {244000010, 244000020}},
        {"interleaved VDM and VDO", OnPort(0, {a[0], o[0], a[1], o[1]}), {244000010, 0}},
        {"second on the other channel", OnPort(0, {a[0], bOtherChannel[1]}), {}},
        {"count changed", OnPort(0, {a[0], countChanged}), {}},
        {"third right after the first", OnPort(0, {Fragment(3, 1, "1", 'A', payload.substr(0, 30), 0),
                                                   Fragment(3, 3, "1", 'A', payload.substr(30), fill)}),
         {}},
        {"join of 200 characters", OnPort(0, longest), {1}},
        {"join of 201 characters", OnPort(0, overlong), {}},
        {"one-sentence message beside a join", OnPort(0, {a[0], AisSentence(Encode(PositionReport{})), a[1]}),
         {244000010}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetSensorSide();
        SensorSetup.ownMmsi = OwnMmsi;
        AisHook.storeTextMessage = [this](uint32_t, const std::string& t) { stored.push_back(t); };
        EXPECT_EQ(Completed(c.lines), c.expected);
    }
    ASSERT_EQ(Run(OnPort(0, longest)).texts, 1);
    EXPECT_EQ(stored[0].substr(stored[0].find('\n') + 1), text193);  // all of it, none cut
}

TEST_F(AisSentenceTest, BadInputReachesNeitherTheTableNorTheOwnShip)
{
    int fill = 0;
    const std::string report = Payload(Encode(PositionReport{}), fill);
    std::string outsideArmour = report;
    outsideArmour[10] = 'X';
    std::string tilde = report;
    tilde[3] = '~';
    auto vdo = [](const AisBitWriter& m) { return AisSentence(m, 'B', "!AIVDO"); };
    auto own = [](auto change) {
        PositionReport r{.mmsi = OwnMmsi};
        change(r);
        return r;
    };
    constexpr Outcome OwnPosition{.ownReport = true, .ownPosition = true, .result = ParseFix};
    const struct {
        const char* name;
        std::vector<std::string> sentences;
        Outcome expected;
    } cases[] = {
        {"truncated payload", {Fragment(1, 1, "", 'A', report.substr(0, 20), 0)}, Nothing},
        {"character outside the armour", {Fragment(1, 1, "", 'A', outsideArmour, 0)}, Nothing},
        {"tilde in the payload", {Fragment(1, 1, "", 'A', tilde, 0)}, Nothing},
        {"fill bits 6", {Fragment(1, 1, "", 'A', report, 6)}, Nothing},
        {"two-letter channel", {Nmea("!AIVDM,1,1,,AB," + report + ",0")}, Nothing},
        {"count 0", {Fragment(0, 1, "", 'A', report, 0)}, Nothing},
        {"number above count", {Fragment(1, 2, "", 'A', report, 0)}, Nothing},
        {"MMSI 0", {AisSentence(Encode(PositionReport{.mmsi = 0}))}, Nothing},
        {"own MMSI", {AisSentence(Encode(PositionReport{.mmsi = OwnMmsi}))}, Nothing},
        {"voyage data of MMSI 0", AisSentences(Encode(VoyageData{.mmsi = 0})), Nothing},
        {"class B of own MMSI",
         {AisSentence(Encode(PositionReport{.type = 18, .mmsi = OwnMmsi}))}, Nothing},
        {"class B static of MMSI 0", {AisSentence(Encode(StaticPart{.mmsi = 0}))}, Nothing},
        {"longitude 181", {AisSentence(Encode(PositionReport{.longitude = 181 * 600000}))},
         Nothing},
        {"latitude 91", {AisSentence(Encode(PositionReport{.latitude = 91 * 600000}))}, Nothing},
        {"class B latitude 91",
         {AisSentence(Encode(PositionReport{.type = 18, .latitude = 91 * 600000}))}, Nothing},
        {"message 24 part 2", {AisSentence(Encode(StaticPart{.part = 2}))}, Nothing},
        {"message 24 part 3", {AisSentence(Encode(StaticPart{.part = 3}))}, Nothing},
        {"message 19",
         {AisSentence(AisBitWriter().put(19, 6).put(0, 2).put(244000005, 30).put(0, 274))},
         Nothing},
        {"text from MMSI 0", {AisSentence(SafetyText(0, "HELLO"))}, Nothing},
        {"own report of another MMSI", {vdo(Encode(PositionReport{}))}, Nothing},
        {"own report at longitude 181",
         {vdo(Encode(own([](auto& r) { r.longitude = 181 * 600000; })))}, Nothing},
        {"own report with SOG 1023, COG 3600, heading 511",
         {vdo(Encode(own([](auto& r) {
             r.sog = 1023;
             r.cog = 3600;
             r.heading = 511;
         })))},
         OwnPosition},
        {"own class B report", {vdo(Encode(PositionReport{.type = 18, .mmsi = OwnMmsi}))}, Nothing},
        {"own static part", {vdo(Encode(StaticPart{.mmsi = OwnMmsi}))}, Nothing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Run(OnPort(0, c.sentences)), c.expected);
    }
}

TEST_F(AisSentenceTest, ValuesNotAvailablePassAsTheirMarks)
{
    // SOG 1023, COG 3600 and heading 511 reach the table as they are (it shows them as not
    // available); an ETA month of 15 is no date: the whole ETA is staged as not available.
    PositionReport report{.rateOfTurn = -128, .sog = 1023, .cog = 3600, .heading = 511};
    ASSERT_EQ(Run({{0, AisSentence(Encode(report))}}), Target);
    const AisDynamicBlock& d = OwnShip.stagedAis.dynamic;
    EXPECT_EQ(+d.sogTenths, 1023);
    EXPECT_EQ(+d.cogTenths, 3600);
    EXPECT_EQ(+d.trueHeading, 511);
    EXPECT_EQ(+d.rateOfTurn, -128);

    ASSERT_EQ(Run(OnPort(0, AisSentences(Encode(VoyageData{.month = 15})))), Static);
    const AisStaticBlock& s = OwnShip.stagedAis.staticData;
    EXPECT_EQ(+s.etaMonth, 0);
    EXPECT_EQ(+s.etaDay, 0);
    EXPECT_EQ(+s.etaHour, 24);
    EXPECT_EQ(+s.etaMinute, 60);
    EXPECT_STREQ(s.name, "NORDIC STAR");
}

TEST_F(AisSentenceTest, PositionsAreSignedByTheirTopBitAndKeptWithinTheAisRange)
{
    // Own ship at 54.47 N 10.23 E; a target 0.1 degree of latitude north is 6.0 nm away.
    OwnShip.referencePosition = {cmgbase::deg2nrm(10.23), cmgbase::deg2nrm(54.47)};
    const int64_t north = int64_t(54.57 * 600000);
    const struct {
        const char* name;
        int64_t longitude, latitude;
        int32_t range;
        bool taken;
        double degreesEast;
    } cases[] = {
        {"west by one unit (2^28 - 1)", (1 << 28) - 1, north, AisRangeUnlimited, true, -1.0 / 600000},
        {"108600000 is 181 east, not a position", 108600000, north, AisRangeUnlimited, false, 0},
        {"180 east", 108000000, north, AisRangeUnlimited, true, 180.0},
        {"180 west", -108000000, north, AisRangeUnlimited, true, -180.0},
        {"south pole", 6138000, -90 * 600000, AisRangeUnlimited, true, 10.23},
        {"6 nm inside a range of 7", 6138000, north, 7, true, 10.23},
        {"6 nm outside a range of 5", 6138000, north, 5, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SensorSetup.aisRange = c.range;
        const Outcome o = Run({{0, AisSentence(Encode(PositionReport{.longitude = c.longitude,
                                                                     .latitude = c.latitude}))}});
        ASSERT_EQ(o.stagedTarget, c.taken);
        if (c.taken) {
            EXPECT_NEAR(cmgbase::nrm2deg(OwnShip.stagedAis.dynamic.positionX), c.degreesEast,
                        1e-6);
        }
    }
}

TEST_F(AisSentenceTest, OwnTransponderGivesHeadingMotionAndPositionWhileNothingBetterDoes)
{
    int course = -1;
    SensorHook.showDeadReckoningCourse = [&course](int32_t degrees) { course = degrees; };
    const std::string report = AisSentence(
        Encode(PositionReport{.mmsi = OwnMmsi, .sog = 118, .longitude = -6138000,
                              .latitude = -32682000, .cog = 2050, .heading = 204}),
        'B', "!AIVDO");

    // Alone: heading, motion and position, a fix that makes the position known, with the text
    // parts RMC sends; the port answers AIS from now on.
    OwnShip.positionKnown = false;
    EXPECT_EQ(Run({{3, report}}).result, ParseFix);
    EXPECT_TRUE(OwnShip.positionKnown);
    EXPECT_EQ(OwnShip.latitudeDegrees, 54);
    EXPECT_NEAR(OwnShip.latitudeMinutes, 28.2f, 1e-4f);
    EXPECT_EQ(OwnShip.latitudeHemisphere, 'S');
    EXPECT_EQ(OwnShip.longitudeDegrees, 10);
    EXPECT_NEAR(OwnShip.longitudeMinutes, 13.8f, 1e-4f);
    EXPECT_EQ(OwnShip.longitudeHemisphere, 'W');
    EXPECT_FLOAT_EQ(OwnShip.heading, 204.0f);
    EXPECT_EQ(OwnShip.headingValidity, SensorValidSeconds);
    EXPECT_FLOAT_EQ(OwnShip.displayCourse, 204.0f);
    EXPECT_EQ(course, 204);
    EXPECT_FLOAT_EQ(OwnShip.courseOverGround, 205.0f);
    EXPECT_FLOAT_EQ(OwnShip.speedOverGround, 11.8f);
    EXPECT_DOUBLE_EQ(OwnShip.gpsLongitude, -10.23);
    EXPECT_DOUBLE_EQ(OwnShip.gpsLatitude, -54.47);
    EXPECT_EQ(OwnShip.sensorRecord.fixSequence, 1);
    EXPECT_EQ(OwnShip.aisReplyPort, 3);
    EXPECT_EQ(+TargetTable[OwnAisRecord].dynamic.channel, +'B');

    // With a GPS port the transponder gives the heading only; with a gyro, not even that.
    OwnShip.gpsPort = 0;
    Outcome o = Run({{4, report}});
    EXPECT_EQ(o.result, 0);
    EXPECT_FALSE(o.ownPosition);
    EXPECT_FLOAT_EQ(OwnShip.heading, 204.0f);
    EXPECT_FLOAT_EQ(OwnShip.courseOverGround, 11.0f);
    EXPECT_EQ(OwnShip.aisReplyPort, 3);  // the first port stays
    OwnShip.hdtSeen = true;
    o = Run({{3, report}});
    EXPECT_FALSE(o.ownMotion);
    EXPECT_TRUE(o.ownReport);
}

TEST_F(AisSentenceTest, OwnVoyageDataFillTheOwnRecordAndRefreshTheDialogAfterTheChunk)
{
    int refreshed = 0;
    AisHook.ownStaticDataChanged = [&refreshed] { ++refreshed; };
    const VoyageData own{.mmsi = OwnMmsi, .name = "VARNIK TEST"};
    EXPECT_EQ(Run(OnPort(0, AisSentences(Encode(own), 'A', "!AIVDO"))),
              (Outcome{.ownStatic = true}));
    EXPECT_STREQ(TargetTable[OwnAisRecord].label, "VARNIK TEST");
    EXPECT_STREQ(TargetTable[OwnAisRecord].staticData.destination, "KIEL");
    EXPECT_EQ(refreshed, 1);
}

}  // namespace
