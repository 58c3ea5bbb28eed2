#include "frame/PaintBounds.h"

#include "frame/SharedTables.h"

#include <gtest/gtest.h>

namespace {

class PaintBoundsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ScreenWidth = 1920;
        ScreenHeight = 1080;
        OverlayDirtyRect = {};
    }
    void TearDown() override { InitSharedTables(); }

    static void ExpectRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
    {
        const OverlayRect& r = OverlayDirtyRect;
        EXPECT_TRUE(r.holdsArea);
        EXPECT_EQ(r.left, left);
        EXPECT_EQ(r.top, top);
        EXPECT_EQ(r.right, right);
        EXPECT_EQ(r.bottom, bottom);
    }
};

TEST_F(PaintBoundsTest, FirstRectangleIsTakenAsItIs)
{
    ExtendPaintBounds(-30, -20, 2000, 1100);
    ExpectRect(-30, -20, 2000, 1100);
}

TEST_F(PaintBoundsTest, LaterRectanglesWidenItWithinTheScreen)
{
    ExtendPaintBounds(100, 100, 200, 200);
    ExtendPaintBounds(150, 120, 180, 160);  // inside: no change
    ExpectRect(100, 100, 200, 200);
    ExtendPaintBounds(50, 180, 300, 250);
    ExpectRect(50, 100, 300, 250);
    ExtendPaintBounds(-40, -10, 5000, 3000);  // a target drawn partly off screen
    ExpectRect(0, 0, 1920, 1080);
}

TEST_F(PaintBoundsTest, ClearedFlagStartsAnew)
{
    ExtendPaintBounds(0, 0, 1000, 1000);
    OverlayDirtyRect.holdsArea = 0;
    ExtendPaintBounds(400, 300, 420, 330);
    ExpectRect(400, 300, 420, 330);
}

}  // namespace
