// The seabed file on real ISAM files: tiles stored and loaded byte for byte, records rewritten,
// added and deleted, and damaged records read safely.

#include "UserDatabaseFixture.h"

#include "userdata/SeabedTiles.h"

#include <cstring>
#include <memory>

namespace {

using platform::isam::bytesOf;
using platform::isam::Status;

class SeabedTilesTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        open();
        tile->reset(-7, 12);
    }

    // The stored record of tile (column, row): its bytes, empty when there is none.
    std::vector<uint8_t> storedRecord(int32_t column, int32_t row)
    {
        SeabedRecord& head = SeabedBuffer;
        head.tileRow = int16_t(row);
        head.tileColumn = int16_t(column);
        const auto key = UserKeyValue(SeabedKey, bytesOf(head).first(SeabedHeadLength));
        auto record = std::make_unique<SeabedRecord>();
        if (UserIsam.readEqual(SeabedKey, key, bytesOf(*record)) != Status::Ok)
            return {};
        const auto* bytes = reinterpret_cast<const uint8_t*>(record.get());
        return {bytes, bytes + UserIsam.currentRecordLength(SeabedFile)};
    }

    void addRecord(const std::vector<uint8_t>& bytes)
    {
        ASSERT_EQ(UserIsam.addRecord(SeabedFile, std::as_bytes(std::span(bytes))), Status::Ok);
    }

    void record(int i, int j, uint16_t depth, uint16_t count)
    {
        SeabedCell& cell = tile->at(i, j);
        cell = {uint8_t(i), uint8_t(j), depth, count};
        tile->changed = true;
    }

    std::unique_ptr<SeabedTile> tile = std::make_unique<SeabedTile>();
};

// The head (row 12 = 0x000C, column -7 = 0xFFF9), then the cells by i and within i by j: the
// tile holds them in rows, so (3, 200) comes before (4, 0) although its row is further on.
TEST_F(SeabedTilesTest, StoresTheNonEmptyCellsByIThenJAndLoadsThemBack)
{
    record(4, 0, 0x1234, 255);
    record(3, 200, 37, 1);
    record(255, 255, 65535, 2);
    ASSERT_TRUE(StoreSeabedTile(*tile));
    EXPECT_FALSE(tile->changed);

    const std::vector<uint8_t> expected = {
        0, 0, 0x0C, 0x00, 0xF9, 0xFF,
        3, 200, 37, 0, 1, 0,
        4, 0, 0x34, 0x12, 255, 0,
        255, 255, 0xFF, 0xFF, 2, 0,
    };
    EXPECT_EQ(storedRecord(-7, 12), expected);

    auto loaded = std::make_unique<SeabedTile>();
    loaded->at(9, 9).meanDepth = 99;  // whatever it held before goes
    ASSERT_TRUE(LoadSeabedTile(*loaded, -7, 12));
    EXPECT_EQ(loaded->keyX, -7);
    EXPECT_EQ(loaded->keyY, 12);
    EXPECT_TRUE(loaded->valid);
    EXPECT_FALSE(loaded->changed);
    EXPECT_EQ(std::memcmp(loaded->cells.data(), tile->cells.data(), sizeof tile->cells), 0);
}

TEST_F(SeabedTilesTest, ARecordIsRewrittenAndDeletedWithItsLastCell)
{
    record(1, 1, 100, 3);
    ASSERT_TRUE(StoreSeabedTile(*tile));
    record(2, 1, 120, 1);
    ASSERT_TRUE(StoreSeabedTile(*tile));
    EXPECT_EQ(storedRecord(-7, 12).size(), 6u + 2 * 6);

    tile->at(1, 1).meanDepth = 0;
    tile->at(2, 1).meanDepth = 0;
    tile->changed = true;
    ASSERT_TRUE(StoreSeabedTile(*tile));
    EXPECT_TRUE(storedRecord(-7, 12).empty());
    EXPECT_EQ(countRecords(SeabedKey), 0);
    EXPECT_TRUE(failures.empty());
}

TEST_F(SeabedTilesTest, ALoadWithoutARecordGivesAnEmptyTileWithTheAskedKey)
{
    record(5, 5, 50, 1);
    EXPECT_FALSE(LoadSeabedTile(*tile, 300, -400));
    EXPECT_TRUE(tile->valid);
    EXPECT_FALSE(tile->changed);
    EXPECT_EQ(tile->keyX, 300);
    EXPECT_EQ(tile->keyY, -400);
    EXPECT_EQ(tile->at(5, 5).meanDepth, 0);
    EXPECT_TRUE(failures.empty());
}

// A record whose length is no whole number of cells gives the whole cells it holds, each at the
// place it was stored for, and the damage is reported; a cell stored empty stays empty.
TEST_F(SeabedTilesTest, ADamagedRecordGivesItsWholeCells)
{
    addRecord({0, 0, 12, 0, 0xF9, 0xFF,
               7, 9, 80, 0, 4, 0,
               7, 10, 0, 0, 3, 0,
               200, 1, 90, 0, 1, 0,
               1, 2, 3});
    ASSERT_TRUE(LoadSeabedTile(*tile, -7, 12));
    EXPECT_EQ(tile->at(7, 9).meanDepth, 80);
    EXPECT_EQ(tile->at(7, 9).count, 4);
    EXPECT_EQ(tile->at(200, 1).meanDepth, 90);
    EXPECT_EQ(tile->at(7, 10).count, 0);
    EXPECT_EQ(tile->at(1, 2).meanDepth, 0);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].file, SeabedFile);
    EXPECT_EQ(failures[0].status, Status::BadRecordLength);

    std::vector<StoredSeabedCell> cells;
    SeabedRecord& head = SeabedBuffer;
    EXPECT_FALSE(SeabedRecordCells(head, SeabedHeadLength - 1, cells));
    EXPECT_TRUE(cells.empty());
    EXPECT_FALSE(SeabedRecordCells(head, SeabedHeadLength + SeabedCellBytesMaximum + 6, cells));
    EXPECT_TRUE(SeabedRecordCells(head, SeabedHeadLength + 12, cells));
}

// A flush stores only a tile that holds unstored cells, then loads what was asked.
TEST_F(SeabedTilesTest, AFlushStoresAChangedTileAndLoadsTheNextOne)
{
    record(0, 0, 10, 1);
    tile->changed = false;
    FlushSeabedTile(*tile, false, true, 0, 0);
    EXPECT_TRUE(storedRecord(-7, 12).empty());

    record(0, 0, 10, 1);
    FlushSeabedTile(*tile, true, true, -8, 12);
    EXPECT_EQ(storedRecord(-7, 12).size(), 12u);
    EXPECT_EQ(tile->keyX, -8);
    EXPECT_EQ(tile->at(0, 0).meanDepth, 0);
}

}  // namespace
