#pragma once
// A user database in a temporary folder: the data set, seabed and replay folders of its own,
// with the numbered messages and record failures recorded instead of shown.

#include "platform/system/TempFolder.h"
#include "userdata/DatabaseReports.h"
#include "userdata/UserDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

struct ShownMessage {
    std::string section;
    int32_t number = 0;
    uint32_t flags = 0;
    bool operator==(const ShownMessage&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const ShownMessage& message)
{
    return out << message.section << ' ' << message.number << " flags " << message.flags;
}

class UserDatabaseTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const auto& made : {location.objectFolder, location.seabedFolder, location.aisFolder})
            std::filesystem::create_directories(made);
        InstallNumberedMessageHook([this](const std::string& section, int32_t number,
                                          uint32_t flags) {
            messages.push_back({section, number, flags});
            return flags == DatabaseMessageFatal;
        });
        InstallRecordFailureReporter([this](const RecordFailure& failure) {
            failures.push_back(failure);
        });
        ResetRecordFailureCount();
    }

    void TearDown() override
    {
        CloseUserDatabase();
        InstallNumberedMessageHook(nullptr);
        InstallRecordFailureReporter(nullptr);
    }

    // Opens the database at the fixture's location and expects no message.
    void open()
    {
        ASSERT_TRUE(OpenUserDatabase(location));
        ASSERT_TRUE(messages.empty()) << messages.front();
    }

    static IdRecord Object(ObjectType type, int32_t id, int32_t latitude = 0,
                           int32_t longitude = 0)
    {
        IdRecord record;
        record.objectType = type;
        record.id = id;
        record.latitude = latitude;
        record.longitude = longitude;
        return record;
    }

    // Records met walking the key from the first to the last.
    static int countRecords(UserKey key)
    {
        std::vector<std::byte> buffer(sizeof(InfoRecord));
        int count = 0;
        for (auto status = UserIsam.readFirst(key, buffer); status == platform::isam::Status::Ok;
             status = UserIsam.readNext(key, buffer))
            ++count;
        return count;
    }

    TempFolder folder;
    UserDatabaseLocation location{folder / "DataA", folder / "Data_A", folder / "Replay"};
    std::vector<ShownMessage> messages;
    std::vector<RecordFailure> failures;
};
