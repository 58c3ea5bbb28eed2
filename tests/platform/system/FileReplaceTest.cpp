#include "platform/system/FileReplace.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ReplaceFile, WritesTheBytesWholeAndLeavesNoTemporary)
{
    TempFolder folder;
    const auto target = folder / "route.txt";
    std::ofstream(target) << "an older and longer text than the new one";
    const std::string bytes("new\r\n\xB0\0end", 10);

    ASSERT_TRUE(platform::ReplaceFile(target, bytes));
    EXPECT_EQ(Contents(target), bytes);
    EXPECT_FALSE(std::filesystem::exists(folder / "route.txt.tmp"));
    ASSERT_TRUE(platform::ReplaceFile(folder / "new.txt", ""));
    EXPECT_EQ(Contents(folder / "new.txt"), "");
}

// Whatever step fails, the file keeps its old bytes and no temporary stays behind (these hold for
// root too: no permission is involved).
TEST(ReplaceFile, AFailingStepLeavesTheFileAsItWas)
{
    TempFolder folder;
    const auto target = folder / "ais.log";
    std::ofstream(target) << "kept";
    // The temporary's name is taken by a folder: nothing can be written.
    std::filesystem::create_directory(folder / "ais.log.tmp");
    EXPECT_FALSE(platform::ReplaceFile(target, "lost"));
    EXPECT_EQ(Contents(target), "kept");
    std::filesystem::remove(folder / "ais.log.tmp");

    // The target is a folder with something in it: the rename fails after the write.
    std::filesystem::create_directories(folder / "busy" / "inside");
    EXPECT_FALSE(platform::ReplaceFile(folder / "busy", "lost"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "busy" / "inside"));
    EXPECT_FALSE(std::filesystem::exists(folder / "busy.tmp"));

    EXPECT_FALSE(platform::ReplaceFile(folder / "missing" / "ais.log", "lost"));
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

}  // namespace
