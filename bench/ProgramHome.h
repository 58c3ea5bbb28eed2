#pragma once
// A program folder laid out as scripts/run lays one out, for the benchmarks that start varnikapp:
// the shipped files of data/ and the chart engine folder its registry.ini names, with the charts
// of one folder installed and the tides linked. Removed at the end of the run.

#include "bench/ScratchFolder.h"
#include "platform/chartengine/DatabaseManager.h"
#include "platform/chartengine/EngineRegistry.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

class ProgramHome {
public:
    // data: the repository's data/; charts: the folder whose charts are installed as `database`.
    ProgramHome(const std::string& prefix, const std::filesystem::path& data, const std::filesystem::path& charts,
                const std::string& database)
    {
        path_ = ScratchFolder() / (prefix + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path_);
        for (const char* file : {"Startup.ini", "registry.ini", "english.lng", "symbols.bmp", "IdPic.bmp"})
            std::filesystem::copy_file(data / file, path_ / file);
        std::filesystem::copy(data / "Palettes", path_ / "Palettes", std::filesystem::copy_options::recursive);
        const std::filesystem::path engine = path_ / "ChartEngine";
        chartengine::InstallReport report;
        if (chartengine::DatabaseManager(engine).Install(charts, database, &report) != chartengine::kOk) {
            std::fprintf(stderr, "%s could not be installed\n", charts.c_str());
            std::abort();
        }
        std::filesystem::create_directories(engine / chartengine::kTidesFolderName);
        std::filesystem::create_symlink(kHarmonicsFile, engine / chartengine::kTidesFolderName / "harmonics.tcd");
    }
    ~ProgramHome()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ProgramHome(const ProgramHome&) = delete;
    ProgramHome& operator=(const ProgramHome&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    static constexpr char kHarmonicsFile[] = "/usr/share/xtide/harmonics-dwf-20191229-free.tcd";
    std::filesystem::path path_;
};
