#pragma once
// Startup.ini in the program folder: the data, replay, log and screenshot folders, the share
// switches, the depth-tile resolution and the commands of the outside programs. Read only.

#include "platform/system/PowerOff.h"

#include <filesystem>
#include <string>

struct OutsidePrograms {
    std::string threeDGenerator = "Korvane";
    std::string threeDViewer = "Mirelux";
    std::string screenKeyboard = "osk";
    // The name-base viewer of key F3, on the name base's location file.
    std::string nameBaseViewer = "dfrun vrnkloc1.vd5";
    // What the switch-off runs to power the computer down; empty: it only ends the program.
    std::string powerOff = platform::DefaultPowerOffCommand;
};
extern OutsidePrograms OutsideProgramCommands;

// Fills DataPaths, the share switches, the depth-tile resolution of the own ship and
// OutsideProgramCommands from programFolder/Startup.ini, with their defaults where a file or
// key is missing. A key present with an empty value gives an empty path.
void ReadStartupIni(const std::filesystem::path& programFolder);
