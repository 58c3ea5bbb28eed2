#include "userdata/SeabedTiles.h"

#include "userdata/DatabaseReports.h"
#include "userdata/UserDatabase.h"

#include <algorithm>
#include <cstring>

using namespace platform::isam;

namespace {

bool SeabedFileOpen()
{
    return UserIsam.fileMode(SeabedFile).has_value();
}

std::vector<std::byte> KeyOf(int32_t column, int32_t row)
{
    SeabedRecord& head = SeabedBuffer;
    head.tileRow = int16_t(row);
    head.tileColumn = int16_t(column);
    return UserKeyValue(SeabedKey, bytesOf(head).first(SeabedHeadLength));
}

// Reads the record of (column, row) into SeabedBuffer; its full length, 0 without one.
Status ReadTileRecord(int32_t column, int32_t row, uint32_t& length)
{
    length = 0;
    const Status read = CheckRecordStatus(
        "read", SeabedFile, UserIsam.readEqual(SeabedKey, KeyOf(column, row), bytesOf(SeabedBuffer)));
    if (read == Status::Ok)
        length = UserIsam.currentRecordLength(SeabedFile);
    return read;
}

void ReportMalformedRecord(const char* operation)
{
    ReportRecordFailure({operation, SeabedFile, Status::BadRecordLength});
}

}  // namespace

bool SeabedRecordCells(const SeabedRecord& record, uint32_t length, std::vector<StoredSeabedCell>& cells)
{
    cells.clear();
    if (length < SeabedHeadLength)
        return false;
    const uint32_t body = length - SeabedHeadLength;
    const uint32_t whole = std::min(body / SeabedCellLength, SeabedMaximumCells);
    cells.reserve(whole);
    for (uint32_t n = 0; n < whole; ++n) {
        const uint8_t* stored = record.cells + size_t(n) * SeabedCellLength;
        StoredSeabedCell cell;
        cell.i = stored[0];
        cell.j = stored[1];
        std::memcpy(&cell.depth, stored + 2, sizeof cell.depth);
        cell.count = stored[4];
        if (cell.depth != 0)
            cells.push_back(cell);
    }
    return body % SeabedCellLength == 0 && body / SeabedCellLength <= SeabedMaximumCells;
}

std::vector<StoredSeabedCell> SeabedTileCells(const SeabedTile& tile)
{
    std::vector<StoredSeabedCell> cells;
    for (int i = 0; i < SeabedTile::Side; ++i) {
        for (int j = 0; j < SeabedTile::Side; ++j) {
            const SeabedCell& cell = tile.at(i, j);
            if (cell.meanDepth != 0)
                cells.push_back({uint8_t(i), uint8_t(j), cell.meanDepth, uint8_t(std::min<uint16_t>(cell.count, 255))});
        }
    }
    return cells;
}

bool StoreSeabedTile(SeabedTile& tile)
{
    if (!SeabedFileOpen() || !tile.valid)
        return false;
    uint32_t storedLength = 0;
    const Status found = ReadTileRecord(tile.keyX, tile.keyY, storedLength);
    if (found != Status::Ok && found != Status::NoRecord)
        return false;

    const std::vector<StoredSeabedCell> cells = SeabedTileCells(tile);
    SeabedRecord& record = SeabedBuffer;
    record.reserved[0] = record.reserved[1] = 0;
    record.tileRow = int16_t(tile.keyY);
    record.tileColumn = int16_t(tile.keyX);
    for (size_t n = 0; n < cells.size(); ++n) {
        uint8_t* stored = record.cells + n * SeabedCellLength;
        stored[0] = cells[n].i;
        stored[1] = cells[n].j;
        std::memcpy(stored + 2, &cells[n].depth, sizeof cells[n].depth);
        stored[4] = cells[n].count;
        stored[5] = 0;
    }
    const auto bytes = bytesOf(record).first(SeabedHeadLength + cells.size() * SeabedCellLength);

    Status stored = Status::Ok;
    if (found == Status::Ok)
        stored = cells.empty() ? CheckRecordStatus("delete", SeabedFile, UserIsam.deleteRecord(SeabedFile))
                               : CheckRecordStatus("rewrite", SeabedFile, UserIsam.rewriteRecord(SeabedFile, bytes));
    else if (!cells.empty())
        stored = CheckRecordStatus("add", SeabedFile, UserIsam.addRecord(SeabedFile, bytes));
    if (stored == Status::KeyExists)
        ReportRecordFailure({"add", SeabedFile, stored});
    if (stored != Status::Ok)
        return false;
    tile.changed = false;
    return true;
}

bool LoadSeabedTile(SeabedTile& tile, int32_t column, int32_t row)
{
    tile.reset(column, row);
    if (!SeabedFileOpen())
        return false;
    uint32_t length = 0;
    if (ReadTileRecord(column, row, length) != Status::Ok)
        return false;
    std::vector<StoredSeabedCell> cells;
    if (!SeabedRecordCells(SeabedBuffer, length, cells))
        ReportMalformedRecord("load");
    for (const StoredSeabedCell& stored : cells) {
        SeabedCell& cell = tile.at(stored.i, stored.j);
        cell.column = stored.i;
        cell.row = stored.j;
        cell.meanDepth = stored.depth;
        cell.count = stored.count;
    }
    return true;
}

void FlushSeabedTile(SeabedTile& tile, bool load, bool store, int32_t column, int32_t row)
{
    if (store && tile.changed)
        StoreSeabedTile(tile);
    if (load)
        LoadSeabedTile(tile, column, row);
}

void StoreHeldSeabedTiles()
{
    for (SeabedTile* tile : {&SeabedFlushTile, &CurrentSeabedTile})
        FlushSeabedTile(*tile, false, true, 0, 0);
}

void ReloadCurrentSeabedTile()
{
    if (CurrentSeabedTile.valid)
        LoadSeabedTile(CurrentSeabedTile, CurrentSeabedTile.keyX, CurrentSeabedTile.keyY);
}
