#pragma once
// The seabed file (seadpt): one record per tile, its head the tile row and column (key 9) and
// then the tile's non-empty cells, 6 bytes each (i, j, depth in 0.1 m, count, 0) in the order
// i = 0..255 with j = 0..255 within i. Tiles in memory hold their cells in rows (SeabedTile.h).
// Store failures are reported (DatabaseReports.h). Main thread only.

#include "frame/SeabedTile.h"
#include "userdata/UserRecords.h"

#include <cstdint>
#include <vector>

inline constexpr uint32_t SeabedCellLength = 6;
inline constexpr uint32_t SeabedMaximumCells = SeabedCellBytesMaximum / SeabedCellLength;

// A cell as stored.
struct StoredSeabedCell {
    uint8_t i = 0;
    uint8_t j = 0;
    uint16_t depth = 0;  // 0.1 m as recorded, not 0
    uint8_t count = 0;
};

// The cells of a record read whole or cut at the record buffer, `length` being its full stored
// length: the whole 6-byte cells after the head, at most SeabedMaximumCells, each with the i and
// j it was stored with; cells stored empty are left out. False when the length is not 6 + 6n
// with n at most SeabedMaximumCells: the whole cells the buffer holds are still given.
bool SeabedRecordCells(const SeabedRecord& record, uint32_t length, std::vector<StoredSeabedCell>& cells);

// The non-empty cells of a tile in stored order.
std::vector<StoredSeabedCell> SeabedTileCells(const SeabedTile& tile);

// Writes the tile's non-empty cells as the record of its key: the record is rewritten when the
// key has one, added when not, and deleted when no cell is left. Clears the tile's changed flag
// once stored. False when the seabed file is not open or the store failed.
bool StoreSeabedTile(SeabedTile& tile);

// Makes `tile` tile (column, row): its cells from the record, or none when there is no record.
// False when there is no record or it could not be read.
bool LoadSeabedTile(SeabedTile& tile, int32_t column, int32_t row);

// Stores the tile when `store` is asked and it holds unstored cells, then, when `load` is asked,
// loads tile (column, row) into it.
void FlushSeabedTile(SeabedTile& tile, bool load, bool store, int32_t column, int32_t row);

// Stores the tile a tile change left (SeabedFlushTile) and the tile being recorded
// (CurrentSeabedTile), each when it holds unstored cells. Every data-set switch calls it before
// the database closes, the shut-down at every program end, and the data tab before a transfer
// with depths ("3D Depths"), so that the transfer finds every recorded cell in the file.
void StoreHeldSeabedTiles();

// Reads the tile being recorded again from the seabed file now open (after the file was
// changed), so that no cell of the file before goes into this one. Nothing while no tile is held.
void ReloadCurrentSeabedTile();
