#pragma once
// Reading and writing the store's files (StoreFormat.h). Writers replace a file whole (a
// temporary file renamed over it); readers refuse a file that is not ours or does not hold
// together, so a damaged store is an error, never an out-of-range read.

#include "platform/chartengine/CellData.h"
#include "platform/chartengine/EngineStatus.h"

#include <filesystem>

namespace chartengine {

HResult WriteCellFile(const std::filesystem::path& path, const CellData& cell);
// kOk, kFileNotFound, or kInvalidData (cell then unspecified).
HResult ReadCellFile(const std::filesystem::path& path, CellData& cell);

HResult WriteCatalog(const std::filesystem::path& databaseFolder, const Catalog& catalog);
HResult ReadCatalog(const std::filesystem::path& databaseFolder, Catalog& catalog);

// The file of a catalogued cell in its database folder.
std::filesystem::path CellFilePath(const std::filesystem::path& databaseFolder, const std::string& cellName);
// The folder of a database where each S-57 cell's exchange files (base cell and the updates
// applied) are kept, so that later updates can be applied through GDAL.
std::filesystem::path CellSourceFolder(const std::filesystem::path& databaseFolder);

}  // namespace chartengine
