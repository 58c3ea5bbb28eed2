#pragma once
// The user-object store's tests: the program started over the harbour's chart database with an
// empty data set A, tracks and symbols shown, every filter open; objects stored at pixels of the
// main view.

#include "SetupTestSupport.h"
#include "StartedProgram.h"
#include "userdata/ObjectFixtures.h"

#include "app/BackCanvas.h"
#include "app/ChartCursor.h"
#include "app/EditingState.h"
#include "app/StaticOverlay.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/ChartLevels.h"
#include "chart/MapView.h"
#include "frame/SharedTables.h"
#include "userdata/ObjectPoints.h"
#include "userdata/ObjectSelection.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteTable.h"
#include "userdata/TrackState.h"
#include "userdata/UserDatabase.h"

#include <QRadioButton>
#include <QToolButton>

#include <initializer_list>
#include <memory>
#include <vector>

inline const cmgbase::GeoPoint ObjectTestCentre = {cmgbase::deg2nrm(60.915), cmgbase::deg2nrm(-32.485)};
inline const QRgb ObjectTestBlank = qRgb(255, 255, 255);

class ObjectStoreTest : public HarbourProgramTest {
protected:
    void SetUp() override
    {
        HarbourProgramTest::SetUp();
        ResetTickState();
        LayOutProgramFolder(folder, engine(), "");
        form = StartProgram(QSize(640, 480));
        ASSERT_TRUE(StartupDone);
        MainMapView->SetCentre(ObjectTestCentre);
        form->chartLevel = 6;
        SetChartLevel(*form);
        form->ckDbA->setChecked(true);
        ASSERT_TRUE(UserIsam.isStarted());
        ASSERT_EQ(ClearObjectFiles(), platform::isam::Status::Ok);
        press(form->TrackBtn);
        press(form->SymbolBtn);
        SetupParameters.TrackFilterColours = 0x3F;
        SetupParameters.SymbolFilterColours = 0x3F;
        SetupParameters.FilterSymbols = 1;
        SetupParameters.FilterLines = 1;
        SetupParameters.TrackMode = 0;
        SetupParameters.TrackFlagsShown = 0;
        SetupParameters.TrackNamesShown = 1;
        SetupParameters.DepthFactor = 1.0f;
        FilterTimes = {-1, -1, -1, -1, -1, -1};
        resetObjectState();
        boxes.shown.clear();  // the start-up's, of the missing radar and weather
    }

    void TearDown() override
    {
        resetObjectState();
        StopProgram(form);
        HarbourProgramTest::TearDown();
    }

    static void resetObjectState()
    {
        ResetEditingState();
        ResetChartCursor();
        ClearShownTrackList();
        ObjectSelectionMode = 0;
        ClearRouteTable();
        RouteId = 0;
        RouteEditMode = 0;
        RouteForward = 1;
        OwnPositionInserted = 0;
        RouteLoadRequest = SecondRoute = GreatCircleRouteLoaded = 0;
        PickedWaypoint = SelectedWaypoint = -1;
        DatabaseTrackId = 0;
        IdShownBuffer = IdRecord();
    }

    static void press(QAbstractButton* button)
    {
        button->setCheckable(true);
        button->setChecked(true);
    }

    cmgbase::GeoPoint geoAt(int32_t x, int32_t y) const
    {
        cmgbase::GeoPoint position{};
        EXPECT_TRUE(MainMapView->ScreenToGeo(form->chartRect, {x, y}, position));
        return position;
    }

    // The points of object `id` at the pixels, from sequence 1.
    std::vector<PointRecord> pointsAt(int32_t id, std::initializer_list<QPoint> pixels) const
    {
        std::vector<PointRecord> points;
        for (const QPoint& pixel : pixels)
            points.push_back(StoredPoint(id, uint16_t(points.size() + 1), geoAt(pixel.x(), pixel.y())));
        return points;
    }

    // Where a stored point lies in the main view now.
    ScreenPoint pixelOf(const PointRecord& point) const
    {
        return MainViewPixel(*form, {ChartFromStored(point.longitude), ChartFromStored(point.latitude)}).value();
    }

    const QImage& paintOverBlank()
    {
        form->MainChartBitmap.fill(ObjectTestBlank);
        PaintChartOverlay(*form);
        return form->ChartBackBitmap;
    }

    std::unique_ptr<TForm1> form;
};

inline bool Stored(ObjectType type, int32_t id)
{
    IdRecord object;
    object.objectType = type;
    object.id = id;
    return UserIsam.readEqual(IdTypeKey, UserKeyValue(IdTypeKey, platform::isam::bytesOf(object)), platform::isam::bytesOf(object)) == platform::isam::Status::Ok;
}

inline IdRecord StoredRecord(ObjectType type, int32_t id)
{
    IdRecord object;
    object.objectType = type;
    object.id = id;
    EXPECT_EQ(UserIsam.readEqual(IdTypeKey, UserKeyValue(IdTypeKey, platform::isam::bytesOf(object)), platform::isam::bytesOf(object)), platform::isam::Status::Ok);
    return object;
}

// Whether anything of the object is left: its record, a point or a text.
inline bool AnythingLeftOf(ObjectType type, int32_t id)
{
    std::vector<PointRecord> points;
    EXPECT_TRUE(ReadObjectPoints(id, points));
    InfoRecord text;
    text.keyId = id;
    return Stored(type, id) || !points.empty() ||
           UserIsam.keyPresent(InfoKey, UserKeyValue(InfoKey, platform::isam::bytesOf(text).first(InfoHeadLength))) != 0;
}

