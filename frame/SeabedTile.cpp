#include "frame/SeabedTile.h"

SeabedTile CurrentSeabedTile;
SeabedTile SeabedFlushTile;

void SeabedTile::reset(int32_t x, int32_t y)
{
    keyX = x;
    keyY = y;
    valid = true;
    changed = false;
    cells.fill(SeabedCell{});
}
