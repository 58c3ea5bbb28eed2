#include "platform/system/IniFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using platform::IniFile;

namespace {

void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Lines(std::initializer_list<std::string> lines, const std::string& eol)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + eol;
    return text;
}

struct StringCase {
    const char* section;
    const char* key;
    const char* expected;  // nullptr: the default
};

TEST(IniFile, ReadsStringsAsWindowsDoesWithEitherLineEnd)
{
    const StringCase cases[] = {
        {"Paths", "Data", "C:\\Data\\"},
        {"PATHS", "dAtA", "C:\\Data\\"},
        {"Paths", "Empty", ""},
        {"Paths", "Blank", ""},
        {"Paths", "Quoted", "  spaced  "},
        {"Paths", "Single", "x"},
        {"Paths", "Unmatched", "\"abc"},
        {"Paths", "Degree", "12\xB0" "C"},
        {"Paths", "Dup", "first"},
        {"Paths", "Inner", "a = b"},
        {"Paths", "Hidden", nullptr},
        {"Paths", "NoEquals", nullptr},
        {"Paths", "Later", nullptr},  // only the first of two sections of one name is read
        {"Paths", "Orphan", nullptr},
        {"", "Orphan", nullptr},
        {"Spaced", "Key", "v"},
        {"Missing", "Data", nullptr},
    };
    for (const std::string eol : {"\r\n", "\n"}) {
        SCOPED_TRACE(eol == "\n" ? "LF" : "CR LF");
        TempFolder folder;
        WriteFile(folder / "a.ini",
                  Lines({"; comment", "Orphan=before any section", "[Paths]", "Data = C:\\Data\\ ",
                         "Empty=", "Blank =   ", "Quoted=\"  spaced  \"", "Single='x'",
                         "Unmatched=\"abc", "Degree=12\xB0" "C", "Dup=first", "dup=second",
                         "Inner=a = b", ";Hidden=commented", "NoEquals", "[paths]",
                         "Later=second section", "[ Spaced ]", "\tKey\t=\tv"},
                        eol));
        const IniFile ini(folder / "a.ini");
        for (const StringCase& c : cases) {
            SCOPED_TRACE(std::string(c.section) + "/" + c.key);
            EXPECT_EQ(ini.readString(c.section, c.key, "default"), c.expected ? c.expected : "default");
            EXPECT_EQ(ini.hasKey(c.section, c.key), c.expected != nullptr);
        }
        EXPECT_EQ(ini.sections(), (std::vector<std::string>{"Paths", "paths", "Spaced"}));
    }
}

TEST(IniFile, MissingFileGivesDefaults)
{
    TempFolder folder;
    const IniFile ini(folder / "none.ini");
    EXPECT_EQ(ini.readString("A", "b", "dflt"), "dflt");
    EXPECT_EQ(ini.readInteger("A", "b", -5), -5);
    EXPECT_TRUE(ini.readBool("A", "b", true));
    EXPECT_FALSE(ini.hasSection("A"));
}

TEST(IniFile, ReadsIntegersAndBooleansFromLeadingDigits)
{
    struct Case {
        const char* value;
        int32_t integer;
        bool boolean;
    };
    // Default 77 / true shows where the default is returned.
    const Case cases[] = {
        {"12", 12, true},          {"+7", 7, true},           {"-12", -12, true},
        {"12abc", 12, true},       {"abc", 0, false},         {"0", 0, false},
        {"0x1F", 31, true},        {"0X1f", 31, true},        {"-0x10", -16, true},
        {"0x", 0, false},          {"0xG", 0, false},         {"1.9", 1, true},
        {"\"5\"", 5, true},        {"- 3", 0, false},         {"4294967295", -1, true},
        {"4294967296", 0, false},  {"", 77, true},            {"\"\"", 77, true},
    };
    std::string content = "[N]\r\n";
    for (std::size_t i = 0; i < std::size(cases); ++i)
        content += "k" + std::to_string(i) + "=" + cases[i].value + "\r\n";
    TempFolder folder;
    WriteFile(folder / "n.ini", content);
    const IniFile ini(folder / "n.ini");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].value);
        const std::string key = "K" + std::to_string(i);
        EXPECT_EQ(ini.readInteger("n", key, 77), cases[i].integer);
        EXPECT_EQ(ini.readBool("n", key, true), cases[i].boolean);
    }
    EXPECT_EQ(ini.readInteger("N", "absent", 77), 77);
    EXPECT_FALSE(ini.readBool("N", "absent", false));
}

TEST(IniFile, WritesKeepNamesCommentsAndOrder)
{
    TempFolder folder;
    const auto file = folder / "w.ini";
    WriteFile(file, "; settings\n[Main]\nWidth = 800\nName=\"old\"\n; end of Main\n\n[Other]\nA=1\n");
    IniFile ini(file);
    ini.writeString("MAIN", "name", "new \xB0");
    ini.writeInteger("main", "Height", -600);
    ini.writeString("Added", "Key", "");
    ini.eraseKey("other", "a");
    ASSERT_TRUE(ini.save());

    EXPECT_EQ(ReadFile(file), "; settings\r\n[Main]\r\nWidth = 800\r\nName=new \xB0\r\nHeight=-600\r\n"
                              "; end of Main\r\n\r\n[Other]\r\n[Added]\r\nKey=\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "w.ini.tmp"));
    const IniFile again(file);
    EXPECT_EQ(again.readString("Main", "Name", "?"), "new \xB0");
    EXPECT_EQ(again.readInteger("Main", "Height", 0), -600);
    EXPECT_EQ(again.readString("Added", "Key", "?"), "");
    EXPECT_FALSE(again.hasKey("Other", "A"));
}

TEST(IniFile, LineBreaksInWrittenTextsCannotAddKeys)
{
    TempFolder folder;
    IniFile ini(folder / "b.ini");
    ini.writeString("S", "k", "a\r\n[T]\nevil=1");
    ASSERT_TRUE(ini.save());
    const IniFile again(folder / "b.ini");
    EXPECT_EQ(again.readString("S", "k", "?"), "a  [T] evil=1");
    EXPECT_FALSE(again.hasSection("T"));
}

TEST(IniFile, FailedSaveReportsFalseAndKeepsTheOldFile)
{
    TempFolder folder;
    const auto file = folder / "keep.ini";
    WriteFile(file, "[S]\r\nk=old\r\n");
    IniFile ini(file);
    ini.writeString("S", "k", "new");
    // The temporary file cannot be made where a folder of its name stands.
    std::filesystem::create_directory(folder / "keep.ini.tmp");
    EXPECT_FALSE(ini.save());
    EXPECT_EQ(ReadFile(file), "[S]\r\nk=old\r\n");

    IniFile nowhere(folder / "missing-folder" / "x.ini");
    nowhere.writeString("S", "k", "v");
    EXPECT_FALSE(nowhere.save());
}

TEST(IniFile, ParseProfileIntegerTellsWhetherDigitsWereFound)
{
    int64_t value = 99;
    EXPECT_TRUE(platform::ParseProfileInteger("  -0x7fffffff", value));
    EXPECT_EQ(value, -0x7fffffff);
    EXPECT_FALSE(platform::ParseProfileInteger("x1", value));
    EXPECT_EQ(value, 0);
}

}  // namespace
