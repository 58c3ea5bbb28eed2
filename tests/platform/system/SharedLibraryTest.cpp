#include "platform/system/SharedLibrary.h"

#include <gtest/gtest.h>

#include <cstdint>

using platform::SharedLibrary;

namespace {

using SumFn = int32_t (*)(const int32_t*, int32_t);
using StatusFn = int32_t (*)();

TEST(SharedLibrary, FileNameForWindowsNames)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Brolund.DLL", "libBrolund.so"},   {"Vestrin.dll", "libVestrin.so"},
        {"Halvmark.Dll", "libHalvmark.so"}, {"Plain", "libPlain.so"},
        {"a.dll.DLL", "liba.dll.so"},       {"Name.dl", "libName.dl.so"},
    };
    for (const auto& [windowsName, fileName] : cases)
        EXPECT_EQ(SharedLibrary::fileNameFor(windowsName), fileName) << windowsName;
}

TEST(SharedLibrary, BindsEveryEntryOfACompleteLibrary)
{
    SharedLibrary library;
    ASSERT_TRUE(library.load(VARNIK_TEST_LIBS_DIR, "SampleFull.DLL"));
    const auto sum = library.entry<SumFn>("SampleSum");
    const auto status = library.entry<StatusFn>("SampleStatus");
    ASSERT_NE(sum, nullptr);
    ASSERT_NE(status, nullptr);
    const int32_t values[] = {125, -25, 7};
    EXPECT_EQ(sum(values, 3), 107);
    EXPECT_EQ(status(), 42);
    EXPECT_EQ(library.symbol("NoSuchEntry"), nullptr);
}

TEST(SharedLibrary, EntryMissingFromTheLibraryStaysUnbound)
{
    SharedLibrary library;
    ASSERT_TRUE(library.load(VARNIK_TEST_LIBS_DIR, "SamplePartial.DLL"));
    EXPECT_NE(library.entry<SumFn>("SampleSum"), nullptr);
    EXPECT_EQ(library.entry<StatusFn>("SampleStatus"), nullptr);
}

TEST(SharedLibrary, MissingLibraryLeavesEveryEntryUnbound)
{
    SharedLibrary library;
    EXPECT_FALSE(library.load(VARNIK_TEST_LIBS_DIR, "Missing.DLL"));
    EXPECT_FALSE(library.isLoaded());
    EXPECT_EQ(library.symbol("SampleSum"), nullptr);

    // The folder is where the library is looked for: the same name elsewhere is not found.
    EXPECT_FALSE(library.load(VARNIK_SOURCE_DIR, "SampleFull.DLL"));
}

TEST(SharedLibrary, MovingPassesOnTheLoadedLibrary)
{
    SharedLibrary first;
    ASSERT_TRUE(first.load(VARNIK_TEST_LIBS_DIR, "SampleFull.DLL"));
    SharedLibrary second(std::move(first));
    EXPECT_FALSE(first.isLoaded());
    EXPECT_EQ(first.symbol("SampleStatus"), nullptr);
    EXPECT_EQ(second.entry<StatusFn>("SampleStatus")(), 42);

    second.unload();
    EXPECT_EQ(second.symbol("SampleStatus"), nullptr);
}

}  // namespace
