#pragma once
// The chart database operations of the set-up program over the engine's database manager. Each
// returns a result: 0 success; 2 nothing on the medium to install; 3 the medium cannot be read;
// 4 no such database; 5 the store cannot be written; 6 the list of databases cannot be written;
// 7 the list cannot be read; 1 any other failure. After a success the installed list is read
// again and User.ini rewritten.

#include "setup/SetupState.h"

#include "platform/chartengine/EngineStatus.h"

inline constexpr char kUserIniFileName[] = "User.ini";
inline constexpr char kUserIniSection[] = "Cmap DB";

// The result of a manager status, for an operation that knows the results in known (0 and 1
// always).
int ResultOfStatus(chartengine::HResult status, std::initializer_list<int> known = {2, 3, 4, 5, 6, 7});

void EnumInstalledDatabases(SetupState& state);
void IdentifyCdDatabase(SetupState& state);
int InstallDatabase(SetupState& state);
int UpdateDatabase(SetupState& state);
int RemoveDatabase(SetupState& state, int32_t index);
int SetDefaultDatabase(SetupState& state, int32_t index);
// Rewrites section "Cmap DB" of User.ini: name = version for each database, and DEFAULT =
// "name(version)" of the default one; false when the file could not be written.
bool WriteDatabaseIni(const SetupState& state);
