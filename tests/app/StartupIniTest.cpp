#include "AppTestSupport.h"

#include "app/StartupIni.h"
#include "frame/SharedTables.h"
#include "sensors/OwnShipState.h"

using StartupIniTest = AppTest;

TEST_F(StartupIniTest, MissingFileGivesDefaultFoldersUnderTheProgramFolder)
{
    ReadStartupIni(folder);
    const char* expected[DataPathCount] = {"Data",   "Data_A", "Data_B", "Data_C", "Data_D",
                                           "Data_E", "Data_F", "Replay", "Log",    "Screens"};
    for (int i = 0; i < DataPathCount; ++i)
        EXPECT_EQ(DataPaths[i], folder / expected[i]) << i;
    EXPECT_FALSE(ShareData[0]);
    EXPECT_FALSE(ShareReplay);
    EXPECT_FALSE(ReplaySlave);
    EXPECT_EQ(OwnShip.depthTileResolution, 512000);
    EXPECT_EQ(OutsideProgramCommands.threeDGenerator, "Korvane");
    EXPECT_EQ(OutsideProgramCommands.powerOff, "systemctl poweroff");
}

TEST_F(StartupIniTest, PresentKeysOverrideAndAnEmptyValueGivesAnEmptyPath)
{
    const std::string longPath = "/srv/" + std::string(150, 'x');
    writeFile("Startup.ini",
              "[paths]\r\nDATAB=/mnt/shared/b\r\nLog=\r\nReplay=" + longPath +
                  "\r\n[Control]\r\nShareDataC=1\r\nsharereplay=7\r\nReplaySlave=0\r\n"
                  "DepthTileResolution=256000\r\n[Programs]\r\nThreeDGenerator=\r\nPowerOff=\r\n");
    ReadStartupIni(folder);
    EXPECT_EQ(DataPaths[DataPathSetA + 1], "/mnt/shared/b");
    EXPECT_EQ(DataPaths[DataPathLog], "");
    EXPECT_EQ(DataPaths[DataPathReplay], longPath);  // no length limit
    EXPECT_EQ(DataPaths[DataPathData], folder / "Data");
    EXPECT_TRUE(ShareData[2]);
    EXPECT_FALSE(ShareData[1]);
    EXPECT_TRUE(ShareReplay);
    EXPECT_FALSE(ReplaySlave);
    EXPECT_EQ(OwnShip.depthTileResolution, 256000);
    EXPECT_EQ(OutsideProgramCommands.threeDGenerator, "");
    EXPECT_EQ(OutsideProgramCommands.powerOff, "");
}

TEST_F(StartupIniTest, AnUnknownDepthTileResolutionFallsBackToTheDefault)
{
    writeFile("Startup.ini", "[Control]\nDepthTileResolution=1000\n");
    ReadStartupIni(folder);
    EXPECT_EQ(OwnShip.depthTileResolution, 512000);
}
