#include "platform/chartengine/ChartUpdates.h"

#include "platform/chartengine/CellStore.h"
#include "platform/chartengine/ChartObject.h"
#include "platform/chartengine/ChartSourceReader.h"
#include "platform/chartengine/S57Codes.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <system_error>

namespace chartengine {

namespace {

// What is to be applied to one cell: the update numbers in order.
struct CellPlan {
    size_t catalogIndex = 0;
    std::vector<int> numbers;
};

// The update numbers of cell name in the folder that follow installed, in order.
std::vector<int> UpdatesOf(const std::filesystem::path& folder, const std::string& name, int32_t installed)
{
    std::vector<int> numbers;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string extension = entry.path().extension().string();
        int number = 0;
        if (entry.path().stem().string() != name || extension.size() != 4 ||
            std::from_chars(extension.data() + 1, extension.data() + 4, number).ptr != extension.data() + 4)
            continue;
        if (number > installed && number <= kLastUpdateNumber && entry.is_regular_file(error))
            numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The identifier of the cell's coverage object (CATCOV 1, else any M_COVR).
std::optional<Guid> CoverageObject(int32_t cellId, CellData data)
{
    auto cell = std::make_shared<LoadedCell>();
    cell->cellId = static_cast<uint32_t>(cellId);
    cell->data = std::move(data);
    const std::vector<ObjectRecord>& objects = cell->data.objects;
    std::optional<uint32_t> found;
    for (uint32_t i = 0; i < objects.size(); ++i) {
        if (objects[i].classCode != s57class::M_COVR)
            continue;
        for (const AttributeRecord& attribute : cell->data.attributesOf(objects[i]))
            if (attribute.code == s57attribute::CATCOV && cell->data.textOf(attribute) == "1")
                return ChartObject(cell, i).Identifier();
        if (!found)
            found = i;
    }
    if (!found)
        return std::nullopt;
    return ChartObject(cell, *found).Identifier();
}

}  // namespace

HResult ApplyChartUpdates(const std::filesystem::path& databaseFolder, const std::filesystem::path& updateFolder,
                          const UpdateQuestion& ask, UpdateRun& run)
{
    run = UpdateRun{};
    std::error_code error;
    if (!std::filesystem::is_directory(updateFolder, error))
        return kFileNotFound;
    Catalog catalog;
    if (const HResult read = ReadCatalog(databaseFolder, catalog); Failed(read))
        return read;
    const ChartDictionary* dictionary = ChartDictionary::Shared();
    if (!dictionary)
        return kFail;
    const std::filesystem::path kept = CellSourceFolder(databaseFolder);

    // The questions first: nothing is changed until every cell's plan is known.
    std::vector<CellPlan> plans;
    for (size_t i = 0; i < catalog.cells.size(); ++i) {
        const CatalogCell& cell = catalog.cells[i];
        CellPlan plan{i, UpdatesOf(updateFolder, cell.name, cell.updateNumber)};
        if (plan.numbers.empty())
            continue;
        if (!std::filesystem::exists(kept / (cell.name + UpdateExtension(0)), error)) {
            run.remarks.push_back(cell.name + ": its base cell is not kept in the database; install it again to update it");
            continue;
        }
        size_t inSequence = 0;
        while (inSequence < plan.numbers.size() && plan.numbers[inSequence] == cell.updateNumber + 1 + int(inSequence))
            ++inSequence;
        if (inSequence < plan.numbers.size()) {
            const int expected = cell.updateNumber + 1 + int(inSequence);
            const int32_t answer =
                ask ? ask(cell.name + ": update " + std::to_string(plan.numbers[inSequence]) +
                          " is out of sequence, update " + std::to_string(expected) + " is missing.")
                    : kUpdateSkip;
            if (answer == kUpdateSkip)
                continue;
            if (answer != kUpdateContinue)
                return kUpdatesStopped;
            plan.numbers.resize(inSequence);
        }
        if (!plan.numbers.empty())
            plans.push_back(std::move(plan));
    }

    for (const CellPlan& plan : plans) {
        CatalogCell& entry = catalog.cells[plan.catalogIndex];
        std::vector<std::filesystem::path> added;
        bool copied = true;
        for (int number : plan.numbers) {
            added.push_back(kept / (entry.name + UpdateExtension(number)));
            copied = std::filesystem::copy_file(updateFolder / (entry.name + UpdateExtension(number)), added.back(),
                                                std::filesystem::copy_options::overwrite_existing, error) &&
                     copied;
        }
        SourceCell cell;
        std::string problem;
        HResult result =
            copied ? ReadS57Cell(kept / (entry.name + UpdateExtension(0)), *dictionary, cell, problem) : kFileNotFound;
        for (const std::string& warning : cell.warnings)
            run.remarks.push_back(entry.name + ": " + warning);
        CellData data;
        if (!Failed(result)) {
            data = cell.builder.finish();
            result = WriteCellFile(CellFilePath(databaseFolder, entry.name), data);
        }
        if (Failed(result)) {
            // The kept files go back to what the store holds.
            for (const std::filesystem::path& file : added)
                std::filesystem::remove(file, error);
            if (!problem.empty())
                run.remarks.push_back(entry.name + ": " + problem);
            return result;
        }
        entry.edition = cell.edition;
        entry.updateNumber = plan.numbers.back();
        entry.issueDate = std::max(entry.issueDate, cell.issueDate);
        entry.bounds = data.bounds;
        entry.objectCount = static_cast<uint32_t>(data.objects.size());
        entry.coverage = std::move(cell.coverage);
        catalog.databaseVersion = std::max(catalog.databaseVersion, entry.issueDate);
        if (const HResult written = WriteCatalog(databaseFolder, catalog); Failed(written))
            return written;
        const int32_t cellId = static_cast<int32_t>(plan.catalogIndex) + 1;
        run.applied += static_cast<int32_t>(plan.numbers.size());
        run.cells.push_back({cellId, entry.name, entry.updateNumber, CoverageObject(cellId, std::move(data))});
    }
    return kOk;
}

}  // namespace chartengine
