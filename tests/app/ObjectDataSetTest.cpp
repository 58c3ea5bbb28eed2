// The data set of one object of each kind (app/tools/ObjectDataSet.h) over the bay's chart at
// 1:100,000, where a first start opens: what it holds, and the overlay drawing every kind. The
// picture is left in the temporary folder ("object-dataset.png") to look at.

#include "SetupTestSupport.h"
#include "StartedProgram.h"
#include "chart/PixelCount.h"

#include "app/EditingState.h"
#include "app/StaticOverlay.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "app/tools/ObjectDataSet.h"
#include "app/tools/ShippedSetup.h"
#include "chart/ChartLevels.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "userdata/ObjectSelection.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteTable.h"
#include "userdata/UserDatabase.h"

#include <QRadioButton>
#include <QToolButton>

#include <map>

using namespace platform::isam;

namespace {

class ObjectDataSetTest : public BayChartTest {
protected:
    void SetUp() override
    {
        BayChartTest::SetUp();
        ResetTickState();
        LayOutProgramFolder(folder, engine(), "");
        form = StartProgram(QSize(1280, 960));
        ASSERT_TRUE(StartupDone);
        MainMapView->SetCentre({cmgbase::deg2nrm(ShippedStartLongitude), cmgbase::deg2nrm(ShippedStartLatitude)});
        form->chartLevel = 10;  // 1:100,000
        SetChartLevel(*form);
        form->ckDbA->setChecked(true);
        ASSERT_EQ(ClearObjectFiles(), Status::Ok);
    }

    void TearDown() override
    {
        ResetEditingState();
        ClearRouteTable();
        RouteId = 0;
        RouteEditMode = 0;
        RouteLoadRequest = 0;
        GreatCircleRouteLoaded = 0;
        StopProgram(form);
        BayChartTest::TearDown();
    }

    std::unique_ptr<TForm1> form;
};

std::map<ObjectType, int> ObjectsByType()
{
    std::map<ObjectType, int> count;
    IdRecord object;
    for (Status s = UserIsam.readFirst(IdTypeKey, bytesOf(object)); s == Status::Ok;
         s = UserIsam.readNext(IdTypeKey, bytesOf(object)))
        ++count[object.objectType];
    return count;
}

}  // namespace

TEST_F(ObjectDataSetTest, OneOfEachKindOnTheChartAFirstStartShows)
{
    const cmgbase::GeoPoint centre{cmgbase::deg2nrm(ShippedStartLongitude), cmgbase::deg2nrm(ShippedStartLatitude)};
    ASSERT_TRUE(WriteObjectDataSet(centre, 6.0, uint32_t(ClockSeconds)));
    const std::map<ObjectType, int> expected{{ObjectType::TRACK, 2}, {ObjectType::ROUTE, 2}, {ObjectType::LINE, 3},
                                             {ObjectType::SYMBOL, 4}, {ObjectType::ZONE, 1}, {ObjectType::FIELD, 1}};
    EXPECT_EQ(ObjectsByType(), expected);

    for (QAbstractButton* button : {static_cast<QAbstractButton*>(form->TrackBtn), static_cast<QAbstractButton*>(form->SymbolBtn)}) {
        button->setCheckable(true);
        button->setChecked(true);
    }
    SetupParameters.TrackFilterColours = SetupParameters.SymbolFilterColours = 0x3F;
    SetupParameters.FilterSymbols = SetupParameters.FilterLines = 1;
    SetupParameters.TrackFlagsShown = SetupParameters.TrackNamesShown = 1;
    SetupParameters.ChartLayers[0] = 1;
    FilterTimes = {-1, -1, -1, -1, -1, -1};
    PickMode = int32_t(ObjectType::ROUTE);

    PaintChartOverlay(*form);
    form->ChartBackBitmap.save(QString::fromStdString((std::filesystem::temp_directory_path() / "object-dataset.png").string()));
    form->MainChartBitmap.fill(Qt::white);
    PaintChartOverlay(*form);
    const QImage& drawn = form->ChartBackBitmap;
    for (const int colour : {1, 2, 3, 4, 5})
        EXPECT_GT(CountOf(drawn, drawn.rect(), UserColour(colour).rgb()), 100) << "colour " << colour;

    // The ocean passage chosen to be loaded: its great-circle leg comes in steps.
    PickMode = 0;
    IdRecord passage;
    for (Status s = UserIsam.readFirst(IdTypeKey, bytesOf(passage)); s == Status::Ok;
         s = UserIsam.readNext(IdTypeKey, bytesOf(passage)))
        if (FixedText(passage.name) == "Ocean passage")
            break;
    RouteId = passage.id;
    RouteEditMode = RouteShown;
    RouteLoadRequest = 1;
    PaintChartOverlay(*form);
    EXPECT_EQ(WaypointCount, 7) << "3 waypoints and the 4 steps of about 1,200 nm";
    EXPECT_EQ(GreatCircleRouteLoaded, 1);
}
