#include "platform/system/RegistryStore.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

using platform::RegistryStore;

namespace {

TEST(RegistryStore, ReadsValuesUnderKeyPaths)
{
    TempFolder folder;
    std::ofstream(folder / "registry.ini", std::ios::binary)
        << "[SOFTWARE\\Maker\\Product]\r\nPath=C:\\Prog\r\nCount=12\r\nMask=0x1F\r\n"
           "Big=4294967295\r\nTooBig=4294967296\r\nWord=12abc\r\nNegative=-1\r\nEmpty=\r\n"
           "[SOFTWARE\\Maker]\r\n";
    const RegistryStore store(folder / "registry.ini");

    EXPECT_EQ(store.readString("software\\maker\\PRODUCT", "path"), "C:\\Prog");
    EXPECT_EQ(store.readString("SOFTWARE\\Maker\\Product", "Empty"), "");
    EXPECT_EQ(store.readString("SOFTWARE\\Maker\\Product", "None"), std::nullopt);
    EXPECT_EQ(store.readString("SOFTWARE/Maker/Product", "Path"), std::nullopt);

    const std::pair<const char*, std::optional<uint32_t>> dwords[] = {
        {"Count", 12u},          {"Mask", 31u},           {"Big", 4294967295u},
        {"TooBig", std::nullopt}, {"Word", std::nullopt}, {"Negative", std::nullopt},
        {"Empty", std::nullopt}, {"None", std::nullopt},
    };
    for (const auto& [name, expected] : dwords) {
        SCOPED_TRACE(name);
        EXPECT_EQ(store.readDword("SOFTWARE\\Maker\\Product", name), expected);
    }

    EXPECT_TRUE(store.keyExists("Software\\Maker"));
    EXPECT_FALSE(store.keyExists("Software\\Other"));
}

TEST(RegistryStore, MissingStoreHasNoKeys)
{
    TempFolder folder;
    const RegistryStore store(folder / "none.ini");
    EXPECT_FALSE(store.keyExists("SOFTWARE"));
    EXPECT_EQ(store.readDword("SOFTWARE", "x"), std::nullopt);
}

TEST(RegistryStore, DefaultStoreFileFollowsTheEnvironment)
{
    const char* saved = std::getenv("VARNIK_REGISTRY");
    const std::string savedValue = saved ? saved : "";

    ::setenv("VARNIK_REGISTRY", "/etc/varnik/registry.ini", 1);
    EXPECT_EQ(platform::DefaultRegistryStoreFile("/opt/prog"), "/etc/varnik/registry.ini");
    ::setenv("VARNIK_REGISTRY", "", 1);
    EXPECT_EQ(platform::DefaultRegistryStoreFile("/opt/prog"), "/opt/prog/registry.ini");
    ::unsetenv("VARNIK_REGISTRY");
    EXPECT_EQ(platform::DefaultRegistryStoreFile("/opt/prog"), "/opt/prog/registry.ini");

    if (saved)
        ::setenv("VARNIK_REGISTRY", savedValue.c_str(), 1);
}

}  // namespace
