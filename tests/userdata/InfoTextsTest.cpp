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
