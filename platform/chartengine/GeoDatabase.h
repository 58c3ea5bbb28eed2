#pragma once
// An open chart database of the engine's store: its cells and objects, queries over them, the
// drawing-priority lists handed to it, and the S-57 dictionary.

#include "platform/chartengine/CellEnumerator.h"
#include "platform/chartengine/ChartDictionary.h"
#include "platform/chartengine/ChartObject.h"
#include "platform/chartengine/DatabaseContent.h"
#include "platform/chartengine/GeoDatabaseQuery.h"
#include "platform/chartengine/Guid.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace chartengine {

// One entry of a priority list: an object class and its place in the drawing order.
struct PriorityRecord {
    uint32_t classCode;
    uint32_t reserved1;  // 0
    uint32_t position;
    uint32_t reserved2;  // 0
};
static_assert(sizeof(PriorityRecord) == 16);

// The words of a cell description.
enum CellDescriptionWord {
    kCellWordId = 0,
    kCellWordCompilationScale = 1,
    kCellWordEdition = 2,
    kCellWordUpdateNumber = 3,
    kCellWordIntendedUsage = 4,  // as the cell declares it
    kCellWordUsageBand = 5,
    kCellWordBoundsWest = 6,
    kCellWordBoundsSouth = 7,
    kCellWordBoundsEast = 8,
    kCellWordBoundsNorth = 9,
    kCellWordObjectCount = 10,
    kCellDescriptionWords = 11,
};

class GeoDatabase {
public:
    // The databases installed in engineFolder (DatabaseManager.h) can be opened by name.
    explicit GeoDatabase(std::filesystem::path engineFolder);

    HResult Topic(Guid* topic) const;
    // Opens the installed database name, or the current one for an empty name. kFileNotFound
    // when there is no such database, kInvalidData for a damaged catalog, kFail without the
    // S-57 dictionary.
    HResult Open(const std::string& name);
    // Opens the store in databaseFolder directly.
    HResult OpenFolder(const std::filesystem::path& databaseFolder);
    bool isOpen() const { return content_ != nullptr; }
    // Reads the open database's store again (after updates were applied to it), keeping the
    // priority lists handed to it. kNotReady before Open.
    HResult Reload();
    // The store folder of the open database; empty before Open.
    std::filesystem::path Folder() const;

    // The cell's description (CellDescriptionWord); kInvalidArgument for an unknown cell.
    HResult CellDescription(int32_t cellId, std::vector<int32_t>* words) const;
    // kInvalidArgument for an identifier of no object of this database.
    HResult ObjectByIdentifier(const Guid& identifier, ChartObject* object) const;
    HResult NewQuery(std::unique_ptr<GeoDatabaseQuery>* query) const;
    HResult InstallPriorityList(int32_t count, const PriorityRecord* records, int32_t* handle);
    HResult WithdrawPriorityList(int32_t handle);
    HResult NewCellEnumerator(std::unique_ptr<CellEnumerator>* enumerator) const;
    // The objects of a search over any area (DatabaseContent.h); kNotReady before Open.
    HResult Search(const SearchRequest& request, std::unique_ptr<ObjectEnumerator>* objects) const;
    // The number of cells, known once the database is open.
    HResult StartupValue(int32_t* value) const;
    // Null until the database is open.
    const ChartDictionary* Dictionary() const;

private:
    std::filesystem::path engineFolder_;
    std::shared_ptr<DatabaseContent> content_;
};

}  // namespace chartengine
