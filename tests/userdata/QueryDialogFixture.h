#pragma once
// The information dialog over a real user database in a temporary program folder, with the file
// dialogs answered from a list and the redraw and chart query requests counted.

#include "RouteTestSupport.h"
#include "TimeZone.h"
#include "UserDatabaseFixture.h"
#include "platform/system/FileDialog.h"
#include "userdata/AnchorGuard.h"
#include "userdata/InfoTexts.h"
#include "userdata/ObjectDialogHooks.h"
#include "userdata/ScreenKeyboard.h"
#include "userdata/TQueryDlg.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QueryDialogTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        open();
        ResetRouteState();
        oldProgramFolder = ProgramFolder;
        ProgramFolder = folder.path();
        SetupParameters.DepthFactor = 1.0f;
        SetupParameters.ScreenKeyboard = 0;
        platform::InstallFileDialogService(&fileDialogs);
        RouteHook.requestRedraw = [this] { ++redraws; };
        ObjectDialogHook.queryChartObjects = [this](const cmgbase::GeoPoint& at) { queries.push_back(at); };
        dialog = std::make_unique<TQueryDlg>();
        QueryDlg = dialog.get();
    }
    void TearDown() override
    {
        QueryDlg = nullptr;
        dialog.reset();
        EndScreenKeyboard();
        ScreenKeyboardCommand = "osk";
        SetupParameters.ScreenKeyboard = 0;
        ClearAnchorGuard();
        ObjectDialogHook = {};
        platform::InstallFileDialogService(nullptr);
        ProgramFolder = oldProgramFolder;
        ResetRouteState();
        UserDatabaseTest::TearDown();
    }

    // Stores the object and shows it as the chart pick does.
    void show(const IdRecord& object, int32_t waypoint = -1)
    {
        ASSERT_EQ(UserIsam.addRecord(IdFile, platform::isam::bytesOf(object)), platform::isam::Status::Ok);
        showStored(object, waypoint);
    }
    void showStored(const IdRecord& object, int32_t waypoint = -1)
    {
        IdShownBuffer = object;
        dialog->TrackSample = -1;
        dialog->SelectedWaypoint = waypoint;
        dialog->show();
    }

    static IdRecord Stored(ObjectType type, int32_t id)
    {
        IdRecord record;
        record.objectType = type;
        record.id = id;
        if (UserIsam.readEqual(IdTypeKey, UserKeyValue(IdTypeKey, platform::isam::bytesOf(record)),
                               platform::isam::bytesOf(record)) != platform::isam::Status::Ok)
            ADD_FAILURE() << "object " << id << " is not stored";
        return record;
    }

    const TimeZone utc{"UTC"};
    std::filesystem::path oldProgramFolder;
    platform::RecordingFileDialogService fileDialogs;
    int redraws = 0;
    std::vector<cmgbase::GeoPoint> queries;
    std::unique_ptr<TQueryDlg> dialog;
};
