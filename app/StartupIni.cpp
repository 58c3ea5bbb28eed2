#include "app/StartupIni.h"

#include "frame/SharedTables.h"
#include "platform/system/IniFile.h"
#include "sensors/OwnShipState.h"

#include <array>

OutsidePrograms OutsideProgramCommands;

namespace {

struct PathKey {
    const char* key;
    const char* defaultFolder;
};

constexpr std::array<PathKey, DataPathCount> PathKeys{{
    {"Data", "Data"},
    {"DataA", "Data_A"},
    {"DataB", "Data_B"},
    {"DataC", "Data_C"},
    {"DataD", "Data_D"},
    {"DataE", "Data_E"},
    {"DataF", "Data_F"},
    {"Replay", "Replay"},
    {"Log", "Log"},
    {"Screens", "Screens"},
}};

int32_t DepthTileResolutionFrom(int32_t configured)
{
    switch (configured) {
    case 128000:
    case 256000:
    case 512000:
        return configured;
    default:
        return 512000;
    }
}

}  // namespace

void ReadStartupIni(const std::filesystem::path& programFolder)
{
    const platform::IniFile ini(programFolder / "Startup.ini");

    for (int i = 0; i < DataPathCount; ++i) {
        const std::string defaultPath = (programFolder / PathKeys[i].defaultFolder).string();
        DataPaths[i] = ini.readString("Paths", PathKeys[i].key, defaultPath);
    }

    const char* setLetters = "ABCDEF";
    for (int i = 0; i < 6; ++i)
        ShareData[i] = ini.readBool("Control", std::string("ShareData") + setLetters[i], false);
    ShareReplay = ini.readBool("Control", "ShareReplay", false);
    ReplaySlave = ini.readBool("Control", "ReplaySlave", false);
    OwnShip.depthTileResolution =
        DepthTileResolutionFrom(ini.readInteger("Control", "DepthTileResolution", 512000));

    const OutsidePrograms defaults;
    OutsideProgramCommands.threeDGenerator =
        ini.readString("Programs", "ThreeDGenerator", defaults.threeDGenerator);
    OutsideProgramCommands.threeDViewer =
        ini.readString("Programs", "ThreeDViewer", defaults.threeDViewer);
    OutsideProgramCommands.screenKeyboard =
        ini.readString("Programs", "ScreenKeyboard", defaults.screenKeyboard);
    OutsideProgramCommands.nameBaseViewer =
        ini.readString("Programs", "NameBaseViewer", defaults.nameBaseViewer);
    OutsideProgramCommands.powerOff = ini.readString("Programs", "PowerOff", defaults.powerOff);
}
