#pragma once
// The automatic import of data set A: another program drops a list "varnvts.lst" into the data
// folder, and the one-second tick replaces the user objects of data set A with what it names.
//
// A list is taken only when its size and time are those the previous tick saw, so that a list
// another station is still writing over a shared folder is not taken half-written.
//
// The user's objects are emptied only for a list that can be read and names something. A list
// that fails (unreadable, empty, the clearing or the import failing) is renamed "varnvts.bad" so
// that it is not taken again; a list that can be neither deleted nor renamed is remembered by
// its size and time and not taken again while it stays as it is.

#include <filesystem>
#include <functional>

// "Data/varnvts.lst" under the program folder (the data folder the start-up makes there).
std::filesystem::path AutomaticImportList();

enum class AutomaticImportResult {
    NoList,      // nothing to import
    Settling,    // the list is new or changed since the previous tick: taken when it stays so
    Skipped,     // the list already failed and has not changed since
    Refused,     // the list could not be read or names nothing: data kept, list set aside
    Failed,      // the object files could not be emptied or the import failed
    Imported,
};

// Imports the list at `list` with `transfer` (true when the import succeeded) after emptying the
// object files.
AutomaticImportResult RunAutomaticImport(const std::filesystem::path& list,
                                         const std::function<bool(const std::filesystem::path&)>& transfer);

// The automatic import's transfer (TransferUserData.h): the list with tracks, routes, symbols
// and lines; true when it was imported.
bool ImportAutomaticList(const std::filesystem::path& list);

// Forgets the list remembered as failed and the one last seen (tests).
void ForgetFailedImportList();
