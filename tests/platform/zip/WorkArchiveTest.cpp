#include "platform/zip/WorkArchive.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace platform::zip;

namespace {

class WorkArchiveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("workarchive_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder / "out");
        content.clear();
        for (int i = 0; i < 20000; ++i)
            content.push_back(char(i * 7 % 251));
        write(folder / "varnv.dat", content);
    }
    void TearDown() override { fs::remove_all(folder); }

    static void write(const fs::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // An archive holding one entry of the given name and content, as another program makes it.
    fs::path archiveWith(const std::string& entryName, const std::string& bytes)
    {
        const fs::path path = folder / "made.zip";
        int error = 0;
        zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
        zip_file_add(zip, entryName.c_str(), source, ZIP_FL_ENC_RAW);
        EXPECT_EQ(zip_close(zip), 0);
        return path;
    }
    std::vector<fs::path> outFiles() const
    {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(folder / "out"))
            files.push_back(entry.path());
        return files;
    }

    fs::path folder;
    std::string content;
};

TEST_F(WorkArchiveTest, PackedArchiveUnpacksAndOtherToolsReadIt)
{
    const std::string password = "K\xE6re 1";  // Windows-1252 bytes
    for (const std::string& pw : {std::string(), password}) {
        SCOPED_TRACE(pw.empty() ? "plain" : "password");
        const fs::path archive = folder / "backup.zip";
        ASSERT_EQ(PackWorkFile(archive, folder / "varnv.dat", pw), ArchiveOk);
        EXPECT_FALSE(fs::exists(folder / "backup.zip.part"));
        ASSERT_EQ(UnpackWorkFile(archive, folder / "out", pw), ArchiveOk);
        EXPECT_EQ(read(folder / "out" / "varnv.dat"), content);

        const std::string testCommand = "unzip -qq -t " + (pw.empty() ? std::string() : "-P '" + pw + "' ") +
                                        archive.string() + " >/dev/null 2>&1";
        EXPECT_EQ(std::system(testCommand.c_str()), 0);
        const std::string python =
            "python3 -c \"import os,sys,zipfile; z=zipfile.ZipFile(sys.argv[1]); "
            "d=z.read('varnv.dat', pwd=os.fsencode(sys.argv[2])); sys.exit(0 if len(d)==20000 else 1)\" " +
            archive.string() + " '" + pw + "' >/dev/null 2>&1";
        if (std::system("python3 -c pass >/dev/null 2>&1") == 0) {
            EXPECT_EQ(std::system(python.c_str()), 0);
        }
        fs::remove(folder / "out" / "varnv.dat");
    }
}

TEST_F(WorkArchiveTest, EntryFoundInAnyCaseUnderAnyFolder)
{
    const fs::path archive = archiveWith("Backup/Old/VARNV.DAT", "abc");
    ASSERT_EQ(UnpackWorkFile(archive, folder / "out", ""), ArchiveOk);
    EXPECT_EQ(read(folder / "out" / "varnv.dat"), "abc");
}

TEST_F(WorkArchiveTest, DamagedOrForeignArchivesLeaveNothingBehind)
{
    const fs::path good = folder / "good.zip";
    ASSERT_EQ(PackWorkFile(good, folder / "varnv.dat", "secret"), ArchiveOk);
    const std::string bytes = read(good);

    struct Case {
        const char* name;
        std::string archive;  // bytes of the archive
        const char* password;
    };
    std::string flipped = bytes;
    flipped[bytes.size() / 2] = char(flipped[bytes.size() / 2] ^ 0x20);
    std::vector<Case> cases = {
        {"truncated", bytes.substr(0, bytes.size() - 40), "secret"},
        {"flipped byte", flipped, "secret"},
        {"wrong password", bytes, "Secret"},
        {"no password", bytes, ""},
        {"not a zip", "PK\x03\x04 this is no archive", ""},
        {"empty file", "", ""},
    };
    const fs::path broken = folder / "broken.zip";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        write(broken, c.archive);
        EXPECT_NE(UnpackWorkFile(broken, folder / "out", c.password), ArchiveOk);
        EXPECT_TRUE(outFiles().empty());
    }

    struct Entry {
        const char* name;
        int result;
    };
    for (const Entry& e : {Entry{"other.dat", ArchiveNoEntry}, Entry{"../varnv.dat", ArchiveUnsafeEntry},
                           Entry{"/tmp/varnv.dat", ArchiveUnsafeEntry}, Entry{"a/../../varnv.dat", ArchiveUnsafeEntry},
                           Entry{"C:\\varnv.dat", ArchiveUnsafeEntry}}) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(UnpackWorkFile(archiveWith(e.name, "abc"), folder / "out", ""), e.result);
        EXPECT_TRUE(outFiles().empty());
    }
    EXPECT_EQ(UnpackWorkFile(folder / "missing.zip", folder / "out", ""), ArchiveUnreadable);
}

TEST_F(WorkArchiveTest, FailedPackKeepsTheOldArchive)
{
    const fs::path archive = folder / "backup.zip";
    write(archive, "old archive");
    EXPECT_NE(PackWorkFile(archive, folder / "missing.dat", ""), ArchiveOk);
    EXPECT_EQ(read(archive), "old archive");
    EXPECT_FALSE(fs::exists(folder / "backup.zip.part"));
    EXPECT_NE(PackWorkFile(folder / "no folder" / "backup.zip", folder / "varnv.dat", ""), ArchiveOk);
}

}  // namespace
