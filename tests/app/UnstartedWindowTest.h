#pragma once
// The main window as the program makes it before its first tick: the first half of the start-up
// run, the window (Form1) built with its handlers connected, nothing of StartupSetup done yet;
// and the tear-down of what StartupSetup may have made.

#include "SetupTestSupport.h"

#include "app/ExternalLibraries.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "chart/MapManager.h"
#include "userdata/UserDatabase.h"

#include <filesystem>

class UnstartedWindowTest : public SetupTest {
protected:
    void SetUp() override
    {
        SetupTest::SetUp();
        StartupInit();
        form = new TForm1;
        Form1 = form;
    }
    void TearDown() override
    {
        CloseUserDatabase();
        UnbindExternalLibraries();
        delete ChartEngine;
        ChartEngine = nullptr;
        Form1 = nullptr;
        delete form;
        SetupTest::TearDown();
    }

    // The pictures StartupSetup loads, from the shipped data.
    void shipPictures() const
    {
        const std::filesystem::path shipped = std::filesystem::path(VARNIK_SOURCE_DIR) / "data";
        for (const char* name : {"symbols.bmp", "IdPic.bmp"})
            std::filesystem::copy_file(shipped / name, folder / name);
    }

    TForm1* form = nullptr;
};
