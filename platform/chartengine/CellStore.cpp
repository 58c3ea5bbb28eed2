#include "platform/chartengine/CellStore.h"

#include <cstring>
#include <fstream>
#include <system_error>

namespace chartengine {

namespace {

constexpr char kCellMagic[8] = {'V', 'K', 'C', 'E', 'L', 'L', 0, 0};
constexpr char kCatalogMagic[8] = {'V', 'K', 'C', 'A', 'T', 'L', 'G', 0};
constexpr size_t kAlignment = 8;
// Limits a reader accepts, so that a damaged header cannot ask for absurd amounts of memory.
constexpr uint32_t kMaxGridSide = 4096;

size_t Padding(size_t size) { return (kAlignment - size % kAlignment) % kAlignment; }

// Writes the header and then each array, padded to the alignment, to "<path>.tmp", and renames
// that over path.
class StoreFileWriter {
public:
    explicit StoreFileWriter(const std::filesystem::path& path)
        : path_(path), temporary_(path.string() + ".tmp"), out_(temporary_, std::ios::binary | std::ios::trunc)
    {
    }

    template <typename T>
    void write(const T* data, size_t count)
    {
        static const char zeros[kAlignment] = {};
        const size_t bytes = count * sizeof(T);
        if (bytes)
            out_.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(bytes));
        out_.write(zeros, static_cast<std::streamsize>(Padding(bytes)));
    }

    HResult commit()
    {
        out_.close();
        std::error_code error;
        if (!out_) {
            std::filesystem::remove(temporary_, error);
            return kFail;
        }
        std::filesystem::rename(temporary_, path_, error);
        return error ? kFail : kOk;
    }

private:
    std::filesystem::path path_;
    std::filesystem::path temporary_;
    std::ofstream out_;
};

// Reads arrays of a file whose total size is known, refusing to read past its end.
class StoreFileReader {
public:
    explicit StoreFileReader(const std::filesystem::path& path) : in_(path, std::ios::binary)
    {
        std::error_code error;
        size_ = std::filesystem::file_size(path, error);
        if (error)
            in_.setstate(std::ios::failbit);
    }

    bool isOpen() const { return static_cast<bool>(in_); }

    template <typename T>
    bool read(std::vector<T>& data, uint64_t count)
    {
        const uint64_t bytes = count * sizeof(T);
        if (count > size_ || bytes + Padding(bytes) > size_ - offset_)
            return false;
        data.resize(count);
        if (bytes)
            in_.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(bytes));
        in_.ignore(static_cast<std::streamsize>(Padding(bytes)));
        offset_ += bytes + Padding(bytes);
        return static_cast<bool>(in_);
    }

    template <typename T>
    bool read(T& value)
    {
        std::vector<T> one;
        if (!read(one, 1))
            return false;
        value = one[0];
        return true;
    }

    bool atEnd() const { return offset_ == size_; }

private:
    std::ifstream in_;
    uint64_t size_ = 0;
    uint64_t offset_ = 0;
};

bool InRange(uint64_t first, uint64_t count, uint64_t size) { return first <= size && count <= size - first; }

bool CellHoldsTogether(const CellData& cell)
{
    const uint64_t objectCount = cell.objects.size();
    for (const ObjectRecord& object : cell.objects) {
        if (!InRange(object.firstPart, object.partCount, cell.parts.size()) ||
            !InRange(object.firstAttribute, object.attributeCount, cell.attributes.size()) ||
            !InRange(object.firstReferenced, object.referencedCount, cell.relations.size()) ||
            !InRange(object.firstReferring, object.referringCount, cell.relations.size()))
            return false;
        if (object.kind != kGeometryNone && object.kind != kGeometryPoint && object.kind != kGeometryLine &&
            object.kind != kGeometryArea && object.kind != kGeometryPointSet)
            return false;
    }
    for (const PartRecord& part : cell.parts)
        if (!InRange(part.firstPoint, part.pointCount, cell.points.size()))
            return false;
    for (const AttributeRecord& attribute : cell.attributes)
        if (!InRange(attribute.textOffset, attribute.textLength, cell.text.size()))
            return false;
    for (const uint32_t relation : cell.relations)
        if (relation >= objectCount)
            return false;
    if (cell.gridStarts.front() != 0 || cell.gridStarts.back() != cell.gridEntries.size())
        return false;
    for (size_t i = 1; i < cell.gridStarts.size(); ++i)
        if (cell.gridStarts[i] < cell.gridStarts[i - 1])
            return false;
    for (const uint32_t entry : cell.gridEntries)
        if (entry >= objectCount)
            return false;
    return true;
}

// A cell name names a file in the database folder, nothing outside it.
bool IsPlainFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

void CopyName(char (&field)[32], const std::string& name)
{
    std::memset(field, 0, sizeof field);
    std::memcpy(field, name.data(), std::min(name.size(), sizeof field - 1));
}

}  // namespace

HResult WriteCellFile(const std::filesystem::path& path, const CellData& cell)
{
    CellFileHeader header{};
    std::memcpy(header.magic, kCellMagic, sizeof header.magic);
    header.formatVersion = kStoreFormatVersion;
    header.objectCount = static_cast<uint32_t>(cell.objects.size());
    header.partCount = static_cast<uint32_t>(cell.parts.size());
    header.pointCount = static_cast<uint32_t>(cell.points.size());
    header.attributeCount = static_cast<uint32_t>(cell.attributes.size());
    header.relationCount = static_cast<uint32_t>(cell.relations.size());
    header.gridColumns = cell.gridColumns;
    header.gridRows = cell.gridRows;
    header.gridEntryCount = static_cast<uint32_t>(cell.gridEntries.size());
    header.textBytes = static_cast<uint32_t>(cell.text.size());
    header.bounds = cell.bounds;

    StoreFileWriter writer(path);
    writer.write(&header, 1);
    writer.write(cell.objects.data(), cell.objects.size());
    writer.write(cell.parts.data(), cell.parts.size());
    writer.write(cell.points.data(), cell.points.size());
    writer.write(cell.attributes.data(), cell.attributes.size());
    writer.write(cell.relations.data(), cell.relations.size());
    writer.write(cell.gridStarts.data(), cell.gridStarts.size());
    writer.write(cell.gridEntries.data(), cell.gridEntries.size());
    writer.write(cell.text.data(), cell.text.size());
    return writer.commit();
}

HResult ReadCellFile(const std::filesystem::path& path, CellData& cell)
{
    StoreFileReader reader(path);
    if (!reader.isOpen())
        return kFileNotFound;
    CellFileHeader header{};
    if (!reader.read(header) || std::memcmp(header.magic, kCellMagic, sizeof header.magic) != 0 ||
        header.formatVersion != kStoreFormatVersion || header.gridColumns == 0 || header.gridRows == 0 ||
        header.gridColumns > kMaxGridSide || header.gridRows > kMaxGridSide)
        return kInvalidData;
    std::vector<char> text;
    const uint64_t gridStartCount = uint64_t(header.gridColumns) * header.gridRows + 1;
    if (!reader.read(cell.objects, header.objectCount) || !reader.read(cell.parts, header.partCount) ||
        !reader.read(cell.points, header.pointCount) || !reader.read(cell.attributes, header.attributeCount) ||
        !reader.read(cell.relations, header.relationCount) || !reader.read(cell.gridStarts, gridStartCount) ||
        !reader.read(cell.gridEntries, header.gridEntryCount) || !reader.read(text, header.textBytes) ||
        !reader.atEnd())
        return kInvalidData;
    cell.bounds = header.bounds;
    cell.gridColumns = header.gridColumns;
    cell.gridRows = header.gridRows;
    cell.text.assign(text.begin(), text.end());
    return CellHoldsTogether(cell) ? kOk : kInvalidData;
}

HResult WriteCatalog(const std::filesystem::path& databaseFolder, const Catalog& catalog)
{
    std::vector<CatalogCellRecord> records;
    std::vector<PartRecord> rings;
    std::vector<cmgbase::GeoPoint> points;
    for (const CatalogCell& cell : catalog.cells) {
        CatalogCellRecord record{};
        CopyName(record.name, cell.name);
        record.usageBand = cell.usageBand;
        record.intendedUsage = cell.intendedUsage;
        record.compilationScale = cell.compilationScale;
        record.edition = cell.edition;
        record.updateNumber = cell.updateNumber;
        record.issueDate = cell.issueDate;
        record.bounds = cell.bounds;
        record.objectCount = cell.objectCount;
        record.firstCoverageRing = static_cast<uint32_t>(rings.size());
        record.coverageRingCount = static_cast<uint32_t>(cell.coverage.size());
        for (const auto& ring : cell.coverage) {
            rings.push_back({static_cast<uint32_t>(points.size()), static_cast<uint32_t>(ring.size())});
            points.insert(points.end(), ring.begin(), ring.end());
        }
        records.push_back(record);
    }
    CatalogFileHeader header{};
    std::memcpy(header.magic, kCatalogMagic, sizeof header.magic);
    header.formatVersion = kStoreFormatVersion;
    header.cellCount = static_cast<uint32_t>(records.size());
    header.coverageRingCount = static_cast<uint32_t>(rings.size());
    header.coveragePointCount = static_cast<uint32_t>(points.size());
    header.databaseVersion = catalog.databaseVersion;

    StoreFileWriter writer(databaseFolder / kCatalogFileName);
    writer.write(&header, 1);
    writer.write(records.data(), records.size());
    writer.write(rings.data(), rings.size());
    writer.write(points.data(), points.size());
    return writer.commit();
}

HResult ReadCatalog(const std::filesystem::path& databaseFolder, Catalog& catalog)
{
    StoreFileReader reader(databaseFolder / kCatalogFileName);
    if (!reader.isOpen())
        return kFileNotFound;
    CatalogFileHeader header{};
    std::vector<CatalogCellRecord> records;
    std::vector<PartRecord> rings;
    std::vector<cmgbase::GeoPoint> points;
    if (!reader.read(header) || std::memcmp(header.magic, kCatalogMagic, sizeof header.magic) != 0 ||
        header.formatVersion != kStoreFormatVersion || !reader.read(records, header.cellCount) ||
        !reader.read(rings, header.coverageRingCount) || !reader.read(points, header.coveragePointCount) ||
        !reader.atEnd())
        return kInvalidData;
    catalog = Catalog{};
    catalog.databaseVersion = header.databaseVersion;
    for (const CatalogCellRecord& record : records) {
        if (record.name[sizeof record.name - 1] != 0 || !InRange(record.firstCoverageRing, record.coverageRingCount, rings.size()))
            return kInvalidData;
        CatalogCell cell;
        cell.name = record.name;
        if (!IsPlainFileName(cell.name))
            return kInvalidData;
        cell.usageBand = record.usageBand;
        cell.intendedUsage = record.intendedUsage;
        cell.compilationScale = record.compilationScale;
        cell.edition = record.edition;
        cell.updateNumber = record.updateNumber;
        cell.issueDate = record.issueDate;
        cell.bounds = record.bounds;
        cell.objectCount = record.objectCount;
        for (uint32_t r = 0; r < record.coverageRingCount; ++r) {
            const PartRecord& ring = rings[record.firstCoverageRing + r];
            if (!InRange(ring.firstPoint, ring.pointCount, points.size()))
                return kInvalidData;
            cell.coverage.emplace_back(points.begin() + ring.firstPoint,
                                       points.begin() + ring.firstPoint + ring.pointCount);
        }
        catalog.cells.push_back(std::move(cell));
    }
    return kOk;
}

std::filesystem::path CellFilePath(const std::filesystem::path& databaseFolder, const std::string& cellName)
{
    return databaseFolder / (cellName + kCellFileExtension);
}

std::filesystem::path CellSourceFolder(const std::filesystem::path& databaseFolder)
{
    return databaseFolder / "S57";
}

}  // namespace chartengine
