#include "app/ProgramCursors.h"

#include <gtest/gtest.h>

TEST(ProgramCursors, FiveDrawnPointersWithTheirHotSpotAtTheCentre)
{
    LoadProgramCursors();
    for (int number : {CursorDelete, CursorCut, CursorHook, CursorDeleteArea, CursorEcs}) {
        const QCursor cursor = ProgramCursor(number);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << number;
        EXPECT_EQ(cursor.hotSpot(), QPoint(16, 16)) << number;
        EXPECT_FALSE(cursor.pixmap().isNull()) << number;
    }
    EXPECT_EQ(ProgramCursor(4).shape(), Qt::ArrowCursor);
    EXPECT_EQ(ProgramCursor(-1).shape(), Qt::ArrowCursor);
    EXPECT_EQ(ProgramCursor(10).shape(), Qt::ArrowCursor);
}
