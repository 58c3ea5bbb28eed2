#pragma once
// VarnikV3.ini in the program folder: the installation's own ship, ports, output sentences and
// TCP connection, read over the settings record at start-up and written back when the port or
// sensor set-up closes. Keys of other sections are left as they are.

#include <filesystem>

std::filesystem::path MainIniPath();

// Reads every key present over SetupParameters. A missing file, section or key, a value that is
// not a whole decimal number, and a number outside the field's valid range keep the record's
// value. The TCP address is cut after 15 characters.
void LoadMainIni();

// Writes the record's values of every key; false, with a line on the error output, when the file
// could not be written (the record is unchanged either way).
bool SaveMainIni();
