#pragma once
// The main window as the start-up makes it over the bay's chart database (the cell US4MD81M of
// usage band 4 and the world base), for the tests of its handlers; the own ship placed where a
// test wants it and the chart shown around it.

#include "SetupTestSupport.h"
#include "StartedProgram.h"

#include "app/ChartCursor.h"
#include "app/EditingState.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/ChartLevels.h"
#include "chart/MapView.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/ComPortControl.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorSettings.h"
#include "sensors/SensorTestSupport.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteTable.h"

#include <memory>

inline cmgbase::GeoPoint Degrees(double longitude, double latitude)
{
    return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
}

// Open water of the bay inside the cell: usage bands 0 and 4 (Coastal, level 10).
inline const cmgbase::GeoPoint InTheBay = Degrees(-76.45, 38.97);
// The Atlantic: the world base alone, band 0.
inline const cmgbase::GeoPoint AtSea = Degrees(-40.0, 30.0);

// The own ship at a position on a course at a speed, its position known; its antenna and
// reference in one place.
inline void PlaceShip(const cmgbase::GeoPoint& at, float course = 0.0f, float speed = 0.0f)
{
    OwnShip.positionKnown = true;
    OwnShip.gpsLongitude = cmgbase::nrm2deg(at.x);
    OwnShip.gpsLatitude = cmgbase::nrm2deg(at.y);
    OwnShip.referencePosition = at;
    OwnShip.antennaPosition = at;
    OwnShip.radarAntennaPosition = at;
    OwnShip.courseOverGround = course;
    OwnShip.displayCourse = course;
    OwnShip.speedOverGround = speed;
}

class BayWindowTest : public BayChartTest {
protected:
    void SetUp() override
    {
        BayChartTest::SetUp();
        ResetSensorSide();
        ResetTickState();
        ResetChartCursor();
        ResetEditingState();
        LayOutProgramFolder(folder, engine(), "[C-Map]\n13=Chart engine restarted\n");
        form = StartProgram(QSize(800, 600));
        ASSERT_TRUE(StartupDone);
        ASSERT_NE(MainMapView, nullptr);
        ASSERT_NE(MiniMapView, nullptr);
    }

    void TearDown() override
    {
        StopProgram(form);
        ClearRouteTable();
        RouteId = 0;
        CurrentWaypoint = 0;
        NextStopWaypoint = -1;
        ResetChartCursor();
        ResetEditingState();
        ResetSensorSide();
        platform::SetSerialDevicePath(AlarmPort, "");
        BayChartTest::TearDown();
    }

    // The main chart at a level, centred on a position, drawn.
    void ShowChart(int32_t level, const cmgbase::GeoPoint& centre)
    {
        MainMapView->SetCentre(centre);
        form->chartLevel = level;
        SetChartLevel(*form);
        form->ZoomPaintHold = 0;
    }

    // The turns and the main view's screen points of every route entry, as the static overlay
    // finds them before it draws the legs.
    void PlaceRouteEntries()
    {
        for (int32_t i = 0; i < RouteEntryCount(); ++i) {
            ComputeWaypointTurn(i);
            ScreenPoint pixel{};
            ASSERT_TRUE(MainMapView->GeoToScreen(form->chartRect, RouteTable[size_t(i)].position, pixel));
            RouteTable[size_t(i)].screenPoint = pixel;
        }
    }

    // The alarm relay on COM3, a pseudo-terminal's break line.
    void ConnectAlarmRelay()
    {
        platform::SetSerialDevicePath(AlarmPort, relay.path());
        ASSERT_TRUE(OpenComPort(AlarmPort));
        SensorSetup.alarmPort = AlarmPort;
        SetAlarmRelay(false);
    }

    static constexpr int AlarmPort = 2;
    std::unique_ptr<TForm1> form;
    PseudoTerminal relay;
};
