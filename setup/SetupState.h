#pragma once
// The one state of the set-up program: its folders, the texts of the chosen language, the chart
// database manager with the databases it lists, and what was found on the chosen medium.

#include "platform/chartengine/ChartDatabaseInstaller.h"
#include "platform/chartengine/DatabaseManager.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

inline constexpr char kSetupTitle[] = "Varnik V3 Setup v1.4";
inline constexpr int kSetupTextCount = 120;
inline constexpr char kMissingText[] = "??";

// Medium states.
inline constexpr int32_t kMediumNotRead = 0;
inline constexpr int32_t kMediumNoDatabase = -1;
inline constexpr int32_t kMediumNotInstalled = 1;
inline constexpr int32_t kMediumSameVersion = 2;
inline constexpr int32_t kMediumNewer = 3;
inline constexpr int32_t kMediumOlder = 4;

struct InstalledDatabase {
    std::string name;
    int32_t version = 0;
    int32_t isDefault = 0;
};

struct SetupState {
    std::filesystem::path setupFolder;        // Varsetup.ini and User.ini lie here
    std::filesystem::path chartSystemFolder;  // the engine's folder; empty when unknown
    std::string languageName;
    std::vector<std::string> texts = std::vector<std::string>(kSetupTextCount, kMissingText);  // Windows-1252
    uint8_t managerUsable = 0;
    uint8_t mapsInstalled = 0;
    uint8_t worldPresent = 0;
    std::unique_ptr<chartengine::DatabaseManager> manager;
    std::filesystem::path mediumPath;
    std::string mediumDatabaseName;
    int32_t mediumDatabaseVersion = 0;
    int32_t mediumFound = 0;
    int32_t mediumState = kMediumNotRead;
    int32_t mediumIndex = -1;
    std::vector<InstalledDatabase> installed;
    int32_t defaultIndex = -1;
    // What the last install or update reported of the files it skipped.
    std::vector<std::string> skippedFiles;

    // Text number n; "??" outside the list.
    const std::string& Text(int n) const;
};

// The state of a run started in setupFolder: the engine's folder from the registry store the
// chart program reads, its manager and installed databases when the folder is known.
std::unique_ptr<SetupState> CreateSetupState(const std::filesystem::path& setupFolder);
