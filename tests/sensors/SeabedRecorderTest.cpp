// The seabed depth recorder: tile changes, the averaging of a cell and the cells at the far edge
// of a tile.

#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/OwnShipState.h"
#include "sensors/SeabedRecorder.h"
#include "sensors/SensorSettings.h"
#include "sensors/SensorTestSupport.h"

namespace {

class SeabedRecorderTest : public SensorTest {
protected:
    void SetUp() override
    {
        SensorTest::SetUp();
        SensorSetup.depthRecordingMode = 3;  // "max": every cell written
        OwnShip.speedOverGround = 5.0f;
        OwnShip.depthTileResolution = 512000;
    }

    // A reading at chart position (x, y) as the handlers pass it.
    int32_t Sounding(int32_t x, int32_t y, float depth)
    {
        OwnShip.transducerPosition = {x, y};
        OwnShip.depthHistory[0] = OwnShip.depthHistory[1] = OwnShip.depthHistory[2] = 0.0f;
        return HandleDepthReading(depth);
    }

    static int WrittenCells(int level)
    {
        int n = 0;
        for (const SeabedCell& c : CurrentSeabedTile.cells)
            n += c.count > 0 && c.column % (1 << level) == level;
        return n;
    }
};

TEST_F(SeabedRecorderTest, LongitudeFactorGrowsTowardsThePoles)
{
    EXPECT_FLOAT_EQ(SeabedGridLonFactor(0, false), 1.1f);
    const int32_t sixty = cmgbase::deg2nrm(60.2);  // the tile row starts near 60 degrees
    EXPECT_NEAR(SeabedGridLonFactor(sixty, false), 2.0f + 0.1f, 0.11f);
    EXPECT_FLOAT_EQ(SeabedGridLonFactor(sixty / 512000, true), SeabedGridLonFactor(sixty, false));
}

TEST_F(SeabedRecorderTest, EnteringATileHandsTheOldOneOver)
{
    const int32_t y = 512000 * 100 + 1000;
    DepthRecorder.lonFactor = SeabedGridLonFactor(y, false);
    EXPECT_EQ(Sounding(0, y, 20.0f), 4);  // the first reading opens the tile
    for (int32_t x = 2000; x < 40000; x += 2500)
        EXPECT_EQ(Sounding(x, y, 20.0f), 0);
    EXPECT_TRUE(CurrentSeabedTile.changed);
    EXPECT_GT(WrittenCells(0), 5);
    const int32_t key = CurrentSeabedTile.keyX;
    EXPECT_EQ(Sounding(-5000, y, 20.0f), 4);  // west into the next tile
    EXPECT_EQ(CurrentSeabedTile.keyX, key - 1);
    EXPECT_FALSE(CurrentSeabedTile.changed);
    EXPECT_TRUE(SeabedFlushTile.changed);
    EXPECT_EQ(SeabedFlushTile.keyX, key);
}

TEST_F(SeabedRecorderTest, CellsAtTheFarEdgeStayInsideTheTile)
{
    const int32_t y = 512000 * 7 - 1;  // the last row of its tile
    DepthRecorder.lonFactor = SeabedGridLonFactor(y, false);
    const double width = 512000.0 * DepthRecorder.lonFactor;
    const int32_t lastX = int32_t(width * 3) - 1;  // the last column of its tile
    Sounding(lastX - 10000, y, 30.0f);
    for (int32_t x = lastX - 8000; x <= lastX; x += 1000)
        Sounding(x, y, 30.0f);
    Sounding(lastX - 3000, y - 3000, 30.0f);
    int edge = 0;
    for (const SeabedCell& c : CurrentSeabedTile.cells)
        edge += c.count > 0 && (c.column == 255 || c.row == 255);
    EXPECT_GT(edge, 0);
}

TEST_F(SeabedRecorderTest, ACellAveragesItsSamples)
{
    const int32_t y = 512000 * 50 + 100000;
    DepthRecorder.lonFactor = SeabedGridLonFactor(y, false);
    const int32_t x = 512000 * 10;
    Sounding(x, y, 10.0f);  // opens the tile
    Sounding(x + 100, y, 10.0f);
    Sounding(x + 200, y, 12.0f);
    Sounding(x + 300, y, 14.0f);
    Sounding(x + 20000, y, 50.0f);  // the next cell writes the mean of the three
    const auto& cells = CurrentSeabedTile.cells;
    bool found = false;
    for (const SeabedCell& c : cells)
        found |= c.count == 1 && c.meanDepth == 120;
    EXPECT_TRUE(found);
}

TEST_F(SeabedRecorderTest, RecordingPausesWhenDriftingOrStopped)
{
    const int32_t y = 512000 * 50 + 100000;
    Sounding(0, y, 10.0f);
    OwnShip.heading = 1.0f;
    OwnShip.headingValidity = 20;
    OwnShip.courseOverGround = 359.0f;  // two degrees apart across north: recorded
    EXPECT_EQ(Sounding(600000, y, 10.0f), 4);
    OwnShip.courseOverGround = 300.0f;  // crabbing sideways: not recorded
    EXPECT_EQ(Sounding(3000000, y, 10.0f), 0);
    OwnShip.courseOverGround = 1.0f;
    OwnShip.speedOverGround = 0.5f;
    EXPECT_EQ(Sounding(3000000, y, 10.0f), 0);
    EXPECT_FLOAT_EQ(OwnShip.depth, 10.0f);
}

}  // namespace
