// AIS text messages in the info file, on real files.

#include "UserDatabaseFixture.h"
#include "userdata/InfoTexts.h"

using namespace platform::isam;

TEST_F(UserDatabaseTest, AisMessagesOfOneSecondAreAllKept)
{
    open();
    const uint32_t second = 1700000000;
    for (const char* text : {"first", "second", "third"})
        ASSERT_EQ(AddAisTextMessage(second, text), Status::Ok);
    ASSERT_EQ(AddAisTextMessage(second + 1, "next second"), Status::Ok);

    std::vector<std::tuple<int32_t, uint16_t, std::string>> stored;
    for (auto status = UserIsam.readFirst(InfoKey, bytesOf(InfoBuffer)); status == Status::Ok;
         status = UserIsam.readNext(InfoKey, bytesOf(InfoBuffer)))
        stored.emplace_back(int32_t{InfoBuffer.keyId}, uint16_t{InfoBuffer.kind},
                            InfoText(InfoBuffer, UserIsam.currentRecordLength(InfoFile)));
    const int32_t id = static_cast<int32_t>(second);
    EXPECT_EQ(stored, (std::vector<std::tuple<int32_t, uint16_t, std::string>>{
                          {id, 0, "first"},
                          {id, 1, "second"},
                          {id, 2, "third"},
                          {id + 1, 0, "next second"}}));
}

// The dialog's walk: newest first from the current second back, messages older than 31 days
// deleted, the objects' own texts (small ids) and later times left alone.
TEST_F(UserDatabaseTest, AisMessagesAreReadNewestFirstAndThoseOlderThan31DaysGo)
{
    open();
    const uint32_t now = 1700000000;
    const uint32_t day = 86400;
    ASSERT_EQ(AddAisTextMessage(now - 32 * day, "too old"), Status::Ok);
    ASSERT_EQ(AddAisTextMessage(now - AisMessageKeepSeconds, "31 days"), Status::Ok);
    ASSERT_EQ(AddAisTextMessage(now - 2 * day, "older"), Status::Ok);
    ASSERT_EQ(AddAisTextMessage(now, "newest"), Status::Ok);
    ASSERT_EQ(AddAisTextMessage(now, "same second"), Status::Ok);
    ASSERT_EQ(AddAisTextMessage(now + 1, "next second"), Status::Ok);
    InfoRecord objectText;
    objectText.keyId = 5;
    const uint32_t length = SetInfoText(objectText, "an object's text");
    ASSERT_EQ(UserIsam.addRecord(InfoFile, bytesOf(objectText).first(length)), Status::Ok);

    EXPECT_EQ(ReadAisTextMessages(now),
              (std::vector<std::string>{"same second", "newest", "older", "31 days"}));

    std::vector<std::string> left;
    for (auto status = UserIsam.readFirst(InfoKey, bytesOf(InfoBuffer)); status == Status::Ok;
         status = UserIsam.readNext(InfoKey, bytesOf(InfoBuffer)))
        left.push_back(InfoText(InfoBuffer, UserIsam.currentRecordLength(InfoFile)));
    EXPECT_EQ(left, (std::vector<std::string>{"an object's text", "31 days", "older", "newest",
                                              "same second", "next second"}));
}
