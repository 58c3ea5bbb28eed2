// The store's files: what is written is read back, and a damaged file is refused, never read
// past its arrays.

#include "platform/chartengine/ChartTestSupport.h"

#include "platform/chartengine/CellBuilder.h"
#include "platform/chartengine/CellStore.h"
#include "platform/chartengine/GeoDatabase.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <functional>
#include <fstream>

using namespace chartengine;
using cmgbase::GeoPoint;

namespace {

SourceObject Square(int32_t classCode, int32_t x, int32_t y, int32_t size, uint32_t featureId)
{
    SourceObject object;
    object.classCode = classCode;
    object.kind = kGeometryArea;
    object.agency = 550;
    object.featureId = featureId;
    object.longName = LongName(550, featureId, 1);
    object.subdivision = 1;
    object.parts = {{{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}, {x, y}}};
    object.attributes = {{87, AttributeType::Float, "12.5"}, {116, AttributeType::FreeText, "Area " + std::to_string(featureId)}};
    return object;
}

CellData ThreeObjects()
{
    CellBuilder builder;
    builder.add(Square(42, 0, 0, 1000, 1));
    builder.add(Square(42, 5000, 5000, 1000, 2));
    SourceObject aggregate;
    aggregate.classCode = 400;
    aggregate.longName = LongName(550, 3, 1);
    aggregate.referencedLongNames = {LongName(550, 1, 1), LongName(550, 2, 1), LongName(550, 99, 1)};
    builder.add(std::move(aggregate));
    return builder.finish();
}

std::vector<char> ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::filesystem::path& file, const std::vector<char>& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

TEST(CellStore, WhatIsWrittenIsReadBack)
{
    charttest::TemporaryFolder folder;
    const CellData cell = ThreeObjects();
    ASSERT_EQ(WriteCellFile(folder.path() / "A.vcell", cell), kOk);
    CellData read;
    ASSERT_EQ(ReadCellFile(folder.path() / "A.vcell", read), kOk);
    EXPECT_EQ(read.bounds, cell.bounds);
    ASSERT_EQ(read.objects.size(), 3u);
    EXPECT_EQ(std::memcmp(read.objects.data(), cell.objects.data(), sizeof(ObjectRecord) * 3), 0);
    EXPECT_EQ(read.points, cell.points);
    EXPECT_EQ(read.relations, cell.relations);
    EXPECT_EQ(read.gridStarts, cell.gridStarts);
    EXPECT_EQ(read.gridEntries, cell.gridEntries);
    EXPECT_EQ(read.text, cell.text);
    EXPECT_EQ(read.objects[2].kind, kGeometryNone);
    EXPECT_EQ(read.objects[2].referencedCount, 2u) << "the long name no object carries is dropped";
    EXPECT_EQ(read.objects[0].referringCount, 1u);
}

TEST(CellStore, DamagedCellFilesAreRefused)
{
    charttest::TemporaryFolder folder;
    const std::filesystem::path file = folder.path() / "A.vcell";
    ASSERT_EQ(WriteCellFile(file, ThreeObjects()), kOk);
    const std::vector<char> good = ReadBytes(file);
    const size_t objects = sizeof(CellFileHeader);
    const struct {
        const char* what;
        std::function<void(std::vector<char>&)> damage;
    } cases[] = {
        {"truncated", [](std::vector<char>& b) { b.erase(b.end() - 9, b.end()); }},
        {"longer", [](std::vector<char>& b) { b.insert(b.end(), 8, 0); }},
        {"not ours", [](std::vector<char>& b) { b[0] = 'X'; }},
        {"newer format", [](std::vector<char>& b) { b[8] = 2; }},
        {"object count beyond the file", [](std::vector<char>& b) { std::memset(&b[12], 0xFF, 4); }},
        {"part range beyond the parts",
         [&](std::vector<char>& b) { std::memset(&b[objects + offsetof(ObjectRecord, partCount)], 0x7F, 4); }},
        {"attribute text beyond the text",
         [&](std::vector<char>& b) {
             const size_t attributes = objects + 3 * sizeof(ObjectRecord) + 2 * sizeof(PartRecord) + 10 * sizeof(GeoPoint);
             std::memset(&b[attributes + offsetof(AttributeRecord, textLength)], 0x7F, 4);
         }},
        // From the end: 24 bytes of text, then the two grid entries.
        {"grid entry beyond the objects", [&](std::vector<char>& b) { std::memset(&b[b.size() - 32], 0x7F, 4); }},
    };
    for (const auto& c : cases) {
        std::vector<char> bytes = good;
        c.damage(bytes);
        WriteBytes(file, bytes);
        CellData cell;
        EXPECT_EQ(ReadCellFile(file, cell), kInvalidData) << c.what;
    }
    CellData cell;
    EXPECT_EQ(ReadCellFile(folder.path() / "missing.vcell", cell), kFileNotFound);
}

TEST(CellStore, CatalogNamesStayInsideTheDatabaseFolder)
{
    charttest::TemporaryFolder folder;
    for (const char* name : {"../outside", "a/b", ".."}) {
        Catalog catalog;
        catalog.cells.push_back({});
        catalog.cells.back().name = name;
        ASSERT_EQ(WriteCatalog(folder.path(), catalog), kOk);
        Catalog read;
        EXPECT_EQ(ReadCatalog(folder.path(), read), kInvalidData) << name;
        GeoDatabase database(folder.path());
        EXPECT_EQ(database.OpenFolder(folder.path()), kInvalidData) << name;
    }
}

TEST(CellStore, UnreadableCellGivesNoObjectsAndNoCrash)
{
    charttest::TemporaryFolder folder;
    Catalog catalog;
    CatalogCell entry;
    entry.name = "A";
    entry.usageBand = 4;
    const CellData cell = ThreeObjects();
    entry.bounds = cell.bounds;
    catalog.cells.push_back(entry);
    ASSERT_EQ(WriteCatalog(folder.path(), catalog), kOk);
    ASSERT_EQ(WriteCellFile(CellFilePath(folder.path(), "A"), cell), kOk);
    std::vector<char> bytes = ReadBytes(CellFilePath(folder.path(), "A"));
    bytes.resize(bytes.size() / 2);
    WriteBytes(CellFilePath(folder.path(), "A"), bytes);

    GeoDatabase database(folder.path());
    ASSERT_EQ(database.OpenFolder(folder.path()), kOk);
    std::unique_ptr<GeoDatabaseQuery> query;
    ASSERT_EQ(database.NewQuery(&query), kOk);
    cmgbase::GeoCover cover;
    cmgbase::GeoCover__asn_GeoRect(cover, {-10, -10, 10000, 10000});
    ASSERT_EQ(query->SetCover(cover, 1, 1, -1), kOk);
    ASSERT_EQ(query->Run(), kOk);
    std::unique_ptr<ObjectEnumerator> objects;
    ASSERT_EQ(query->Objects(&objects), kOk);
    EXPECT_EQ(objects->Count(), 0u);
    ChartObject none;
    EXPECT_EQ(database.ObjectByIdentifier(Guid{1, 0, 0, {}}, &none), kInvalidArgument);
}

}  // namespace
