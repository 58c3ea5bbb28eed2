#pragma once
// A data set for the backup and import tests: the user database in a temporary program folder,
// message boxes recorded, the transfer's shared inputs reset.

#include "UserDatabaseFixture.h"

#include "frame/SharedTables.h"
#include "platform/system/MessageBox.h"
#include "userdata/TransferHooks.h"
#include "userdata/TransferUserData.h"

#include <fstream>
#include <iterator>
#include <map>
#include <string>

class TransferTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        open();
        ProgramFolder = folder.path();
        std::filesystem::create_directories(folder / "Data");
        platform::InstallMessageBoxService(&boxes);
        MessageTexts[22] = "File exists. Overwrite?";
        MessageTexts[24] = "Check file !";
        TransferArea = {};
        TransferFile.clear();
        TransferPassword.clear();
        TransferFromTime = 0;
        TransferHook = {};
    }
    void TearDown() override
    {
        platform::InstallMessageBoxService(nullptr);
        TransferHook = {};
        UserDatabaseTest::TearDown();
    }

    static std::string Read(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Write(const std::filesystem::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // The bytes of the data set's object files, to see that a failed transfer changed nothing.
    std::map<std::string, std::string> dataSetBytes() const
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(location.objectFolder))
            files[entry.path().filename().string()] = Read(entry.path());
        return files;
    }

    platform::RecordingMessageBoxService boxes;
};
