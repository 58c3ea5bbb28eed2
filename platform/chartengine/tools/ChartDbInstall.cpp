// chartdb-install: installs a folder of chart sources as a chart database of the engine.
//
//   chartdb-install [--name NAME] [--tides HARMONICS.tcd] SOURCE_FOLDER ENGINE_FOLDER
//
// The database NAME (by default the source folder's name) is written to a folder of its own in
// ENGINE_FOLDER, replacing an installed one of that name, and listed in ENGINE_FOLDER/databases.ini;
// the first database installed becomes the current one.
// --tides links the harmonics file into ENGINE_FOLDER/TIDES (copying it where a link cannot be
// made). Skipped cells and GDAL's warnings go to the standard error. Exit status: 0 installed,
// 1 the installation failed, 2 wrong arguments.

#include "platform/chartengine/DatabaseManager.h"
#include "platform/chartengine/EngineRegistry.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

void PrintUsage()
{
    std::fprintf(stderr, "usage: chartdb-install [--name NAME] [--tides HARMONICS.tcd] SOURCE_FOLDER ENGINE_FOLDER\n");
}

bool InstallTides(const std::filesystem::path& harmonics, const std::filesystem::path& engineFolder)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(harmonics, error))
        return false;
    const std::filesystem::path folder = engineFolder / chartengine::kTidesFolderName;
    std::filesystem::create_directories(folder, error);
    const std::filesystem::path target = folder / harmonics.filename();
    std::filesystem::remove(target, error);
    std::filesystem::create_symlink(std::filesystem::absolute(harmonics), target, error);
    if (error)
        std::filesystem::copy_file(harmonics, target, error);
    return !error;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string name;
    std::filesystem::path tides;
    std::vector<std::filesystem::path> folders;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--name" || argument == "--tides") && i + 1 < argc) {
            if (argument == "--name")
                name = argv[++i];
            else
                tides = argv[++i];
            continue;
        }
        if (argument.starts_with("--")) {
            PrintUsage();
            return 2;
        }
        folders.emplace_back(argument);
    }
    if (folders.size() != 2) {
        PrintUsage();
        return 2;
    }
    const std::filesystem::path source = folders[0];
    const std::filesystem::path engine = folders[1];
    if (name.empty()) {
        std::filesystem::path folder = std::filesystem::absolute(source).lexically_normal();
        if (!folder.has_filename())
            folder = folder.parent_path();
        name = folder.filename().string();
    }
    if (!chartengine::DatabaseManager::IsValidName(name)) {
        std::fprintf(stderr, "chartdb-install: \"%s\" cannot name a database\n", name.c_str());
        return 2;
    }

    chartengine::InstallReport report;
    const chartengine::HResult result = chartengine::DatabaseManager(engine).Install(source, name, &report);
    for (const std::string& message : report.messages)
        std::fprintf(stderr, "%s\n", message.c_str());
    if (chartengine::Failed(result)) {
        std::fprintf(stderr, "chartdb-install: %s was not installed (status 0x%08X)\n", source.c_str(),
                     static_cast<unsigned>(result));
        return 1;
    }
    std::printf("installed %d cells of %s as database \"%s\" (version %d); %d skipped\n", report.cellsInstalled,
                source.c_str(), name.c_str(), report.databaseVersion, report.cellsSkipped);
    if (!tides.empty() && !InstallTides(tides, engine)) {
        std::fprintf(stderr, "chartdb-install: the tides file %s could not be installed\n", tides.c_str());
        return 1;
    }
    return 0;
}
