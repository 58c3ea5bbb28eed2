#include "platform/chartengine/GeoDatabase.h"

#include "platform/chartengine/CellStore.h"
#include "platform/chartengine/DatabaseManager.h"
#include "platform/chartengine/EngineTopics.h"

namespace chartengine {

GeoDatabase::GeoDatabase(std::filesystem::path engineFolder) : engineFolder_(std::move(engineFolder)) {}

HResult GeoDatabase::Topic(Guid* topic) const
{
    if (!topic)
        return kNullPointer;
    *topic = kS57ChartTopic;
    return kOk;
}

HResult GeoDatabase::Open(const std::string& name)
{
    std::filesystem::path folder;
    const HResult found = DatabaseManager(engineFolder_).DatabaseFolder(name, &folder);
    return Failed(found) ? found : OpenFolder(folder);
}

HResult GeoDatabase::OpenFolder(const std::filesystem::path& databaseFolder)
{
    const ChartDictionary* dictionary = ChartDictionary::Shared();
    if (!dictionary)
        return kFail;
    Catalog catalog;
    const HResult read = ReadCatalog(databaseFolder, catalog);
    if (Failed(read))
        return read;
    content_ = std::make_shared<DatabaseContent>(databaseFolder, std::move(catalog), dictionary);
    return kOk;
}

HResult GeoDatabase::Reload()
{
    if (!content_)
        return kNotReady;
    Catalog catalog;
    const HResult read = ReadCatalog(content_->folder(), catalog);
    if (Failed(read))
        return read;
    auto fresh = std::make_shared<DatabaseContent>(content_->folder(), std::move(catalog), content_->dictionary());
    fresh->adoptPriorityLists(*content_);
    content_ = std::move(fresh);
    return kOk;
}

std::filesystem::path GeoDatabase::Folder() const
{
    return content_ ? content_->folder() : std::filesystem::path();
}

HResult GeoDatabase::CellDescription(int32_t cellId, std::vector<int32_t>* words) const
{
    if (!words)
        return kNullPointer;
    if (!content_ || cellId < 1 || cellId > static_cast<int32_t>(content_->catalog().cells.size()))
        return kInvalidArgument;
    const CatalogCell& cell = content_->catalog().cells[cellId - 1];
    words->assign(kCellDescriptionWords, 0);
    (*words)[kCellWordId] = cellId;
    (*words)[kCellWordCompilationScale] = cell.compilationScale;
    (*words)[kCellWordEdition] = cell.edition;
    (*words)[kCellWordUpdateNumber] = cell.updateNumber;
    (*words)[kCellWordIntendedUsage] = cell.intendedUsage;
    (*words)[kCellWordUsageBand] = cell.usageBand;
    (*words)[kCellWordBoundsWest] = cell.bounds.x1;
    (*words)[kCellWordBoundsSouth] = cell.bounds.y1;
    (*words)[kCellWordBoundsEast] = cell.bounds.x2;
    (*words)[kCellWordBoundsNorth] = cell.bounds.y2;
    (*words)[kCellWordObjectCount] = static_cast<int32_t>(cell.objectCount);
    return kOk;
}

HResult GeoDatabase::ObjectByIdentifier(const Guid& identifier, ChartObject* object) const
{
    if (!object)
        return kNullPointer;
    if (!content_)
        return kInvalidArgument;
    const std::shared_ptr<const LoadedCell> cell = content_->cell(identifier.data1);
    const uint32_t index = (uint32_t(identifier.data2) << 16) | identifier.data3;
    if (!cell || index >= cell->data.objects.size())
        return kInvalidArgument;
    const ChartObject candidate(cell, index);
    if (!(candidate.Identifier() == identifier))
        return kInvalidArgument;
    *object = candidate;
    return kOk;
}

HResult GeoDatabase::NewQuery(std::unique_ptr<GeoDatabaseQuery>* query) const
{
    if (!query)
        return kNullPointer;
    if (!content_)
        return kNotReady;
    *query = std::make_unique<GeoDatabaseQuery>(content_);
    return kOk;
}

HResult GeoDatabase::InstallPriorityList(int32_t count, const PriorityRecord* records, int32_t* handle)
{
    if (!handle || (count > 0 && !records))
        return kNullPointer;
    if (!content_)
        return kNotReady;
    if (count < 0)
        return kInvalidArgument;
    std::unordered_map<int32_t, uint32_t> priorities;
    for (int32_t i = 0; i < count; ++i)
        priorities.emplace(static_cast<int32_t>(records[i].classCode), records[i].position);
    *handle = content_->installPriorityList(std::move(priorities));
    return kOk;
}

HResult GeoDatabase::WithdrawPriorityList(int32_t handle)
{
    return content_ && content_->withdrawPriorityList(handle) ? kOk : kInvalidArgument;
}

HResult GeoDatabase::NewCellEnumerator(std::unique_ptr<CellEnumerator>* enumerator) const
{
    if (!enumerator)
        return kNullPointer;
    if (!content_)
        return kNotReady;
    *enumerator = std::make_unique<CellEnumerator>(content_);
    return kOk;
}

HResult GeoDatabase::Search(const SearchRequest& request, std::unique_ptr<ObjectEnumerator>* objects) const
{
    if (!objects)
        return kNullPointer;
    if (!content_)
        return kNotReady;
    *objects = content_->search(request);
    return kOk;
}

HResult GeoDatabase::StartupValue(int32_t* value) const
{
    if (!value)
        return kNullPointer;
    if (!content_)
        return kNotReady;
    *value = static_cast<int32_t>(content_->catalog().cells.size());
    return kOk;
}

const ChartDictionary* GeoDatabase::Dictionary() const { return content_ ? content_->dictionary() : nullptr; }

}  // namespace chartengine
