// The settings pages on the started program over the harbour's cell: each control writes its
// setting, shows its value and leaves its apply request for the one-second tick; an up-down's
// step by the user carries a direction, a position set by the program does not, and the
// handlers that need a direction ignore the latter.

#include "SetupTestSupport.h"
#include "StartedProgram.h"

#include "app/ApplicationHints.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/MapView.h"
#include "chart/ObjectClassTable.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/TextCodec.h"
#include "sensors/SensorSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <functional>
#include <memory>

namespace {

class SettingsPagesTest : public HarbourProgramTest {
protected:
    void SetUp() override
    {
        HarbourProgramTest::SetUp();
        ResetTickState();
        LayOutProgramFolder(folder, engine(), "");
        form = StartProgram(QSize(640, 480));
        ASSERT_TRUE(StartupDone);
        ResetTickState();
        form->OverlayRedrawRequest = 0;
    }

    void TearDown() override
    {
        StopProgram(form);
        HarbourProgramTest::TearDown();
    }

    QSpinBox* upDown(const char* name) const { return form->findChild<QSpinBox*>(QString::fromLatin1(name)); }
    QLineEdit* edit(const char* name) const { return form->findChild<QLineEdit*>(QString::fromLatin1(name)); }

    // The user clicks the item's check mark (the space key on the current item).
    void clickCheck(QListWidget* list, int item) const
    {
        list->setCurrentRow(item);
        QTest::keyClick(list, Qt::Key_Space);
    }

    std::unique_ptr<TForm1> form;
};

QString Degrees(const char* text)
{
    return platform::FromCp1252(text);
}

// How a case moves the up-down: the user's step from the position next to the value, or the
// program setting the value.
enum class Move { StepUp, StepDown, Set };

TEST_F(SettingsPagesTest, AnUpDownWritesItsSettingShowsItsValueAndAsksForItsApply)
{
    const struct Case {
        const char* control;
        int value;
        Move move;
        std::function<int32_t()> field;
        int32_t stored;  // the field afterwards; fields start at -7
        const char* edit;
        QString shown;
        std::function<int32_t()> request;
        int32_t requested;
    } cases[] = {
        {"ud3DTo", 101, Move::StepUp, [] { return SetupParameters.ThreeDDepthTo; }, 0, "ed3DTo", "auto",
         [] { return Countdowns.threeDRefresh; }, 3},
        {"ud3DTo", 40, Move::Set, [] { return SetupParameters.ThreeDDepthTo; }, -7, "ed3DTo", "400",
         [] { return Countdowns.threeDRefresh; }, 0},
        {"ud3DTide", -15, Move::Set, [] { return SetupParameters.ThreeDTide; }, -15, "ed3DTide", "-1.5",
         [] { return Countdowns.threeDRefresh; }, 0},
        {"ud3DCont", 4, Move::Set, [] { return SetupParameters.ThreeDContourInterval; }, 10, "ed3DCont", "10",
         [] { return Countdowns.threeDRefresh; }, 3},
        {"udBoatMag", -25, Move::Set, [] { return SensorSetup.magneticVariation; }, -25, "edBoatMag",
         Degrees("2.5 \xB0 E"), [] { return SetupParameters.MagneticVariation; }, -25},
        {"udBoatMag", 0, Move::Set, [] { return SensorSetup.magneticVariation; }, 0, "edBoatMag", Degrees("0 \xB0 E"),
         [] { return SetupParameters.MagneticVariation; }, 0},
        {"udBoatMag", 15, Move::Set, [] { return SensorSetup.magneticVariation; }, 15, "edBoatMag",
         Degrees("1.5 \xB0 W"), [] { return SetupParameters.MagneticVariation; }, 15},
        {"udBoatConv", 30, Move::StepUp, [] { return SetupParameters.TrackConversionTolerance; }, 30, "edBoatConv",
         "0.3 Nm", [] { return Countdowns.chartRedraw; }, 0},
        {"udWpLane", 3, Move::StepDown, [] { return SetupParameters.WaypointLane; }, 3, "edWpLane", "0.03 Nm",
         [this] { return form->OverlayRedrawRequest; }, 10},
        {"udWpLane", 3, Move::Set, [] { return SetupParameters.WaypointLane; }, -7, "edWpLane", "0.03 Nm",
         [this] { return form->OverlayRedrawRequest; }, 0},
        {"udWpRadius", -1, Move::StepDown, [] { return SetupParameters.WaypointRadius; }, -1, "edWpRadius", "------",
         [] { return Countdowns.chartRedraw; }, 0},
        {"udCpaDist", 3, Move::StepUp, [] { return SetupParameters.CpaDistance; }, 3, "edCpaDist", "0.3 Nm",
         [] { return Countdowns.chartRedraw; }, 0},
        {"udShallowCont", 6, Move::StepUp, [] { return SetupParameters.ShallowContourDepth; }, 10, "edShallowCont",
         "10", [] { return Countdowns.chartRedraw; }, 3},
        {"udDeepCont", 6, Move::StepUp, [] { return SetupParameters.DeepContourDepth; }, 100, "edDeepCont", "100",
         [] { return Countdowns.chartRedraw; }, 3},
        {"udSafety", 12, Move::StepDown, [] { return SetupParameters.SafetyContour; }, 12, "edSafety", "12",
         [] { return int32_t(TickRequest.safetyContourChange); }, 1},
        {"udSafety", 12, Move::Set, [] { return SetupParameters.SafetyContour; }, -7, "edSafety", "12",
         [] { return Countdowns.chartRedraw; }, 0},
        {"udMonitor", 19, Move::Set, [] { return SetupParameters.MonitorSize; }, 19, "edMonitor", "19",
         [] { return Countdowns.chartRedraw; }, 3},
        {"udFwd", 7, Move::StepUp, [] { return SetupParameters.LookAheadTime; }, 7, "edFwd", "7 m",
         [] { return Countdowns.chartRedraw; }, 0},
        {"udSector", 20, Move::StepUp, [] { return SetupParameters.LookAheadSector; }, 20, "edSector",
         Degrees("20 \xB0"), [] { return Countdowns.chartRedraw; }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " " + std::to_string(c.value));
        QSpinBox* control = upDown(c.control);
        ASSERT_NE(control, nullptr);
        control->setValue(c.move == Move::StepUp ? c.value - 1 : c.move == Move::StepDown ? c.value + 1 : c.value + 2);
        ResetTickState();
        form->OverlayRedrawRequest = 0;
        SetupParametersRecord& r = SetupParameters;
        r.ThreeDTide = r.MagneticVariation = r.TrackConversionTolerance = r.WaypointLane = r.WaypointRadius = -7;
        r.CpaDistance = r.SafetyContour = r.LookAheadTime = r.LookAheadSector = r.ThreeDContourInterval = -7;
        r.ThreeDDepthTo = r.ShallowContourDepth = r.DeepContourDepth = -7;
        r.MonitorSize = -7;
        SensorSetup.magneticVariation = -7;

        if (c.move == Move::Set)
            control->setValue(c.value);
        else
            control->stepBy(c.move == Move::StepUp ? 1 : -1);

        EXPECT_EQ(control->value(), c.value);
        EXPECT_EQ(c.field(), c.stored);
        EXPECT_EQ(edit(c.edit)->text(), c.shown);
        EXPECT_EQ(c.request(), c.requested);
    }
}

// The depth range keeps "from" above "to" by pushing the other up-down, within its range; "to"
// at 0 sets no limit and pushes nothing.
TEST_F(SettingsPagesTest, TheThreeDDepthRangePushesTheOtherEndOnlyForARealLimit)
{
    form->ud3DTo->setValue(20);
    form->ud3DFrom->setValue(19);
    form->ud3DFrom->stepBy(1);
    EXPECT_EQ(form->ud3DFrom->value(), 20);
    EXPECT_EQ(+SetupParameters.ThreeDDepthFrom, 200);
    EXPECT_EQ(form->ud3DTo->value(), 21);
    EXPECT_EQ(+SetupParameters.ThreeDDepthTo, 210);
    EXPECT_EQ(form->ed3DTo->text(), "210");
    EXPECT_EQ(SensorSetup.depthTo, 210);

    form->ud3DTo->stepBy(-1);
    EXPECT_EQ(form->ud3DFrom->value(), 19) << "from pushed down below to";
    EXPECT_EQ(+SetupParameters.ThreeDDepthFrom, 190);

    form->ud3DFrom->setValue(5);
    form->ud3DTo->setValue(1);
    form->ud3DTo->stepBy(-1);
    EXPECT_EQ(form->ud3DTo->value(), 0);
    EXPECT_EQ(form->ud3DFrom->value(), 5);
    EXPECT_EQ(+SetupParameters.ThreeDDepthTo, 0);
    EXPECT_EQ(form->ed3DTo->text(), "auto");
}

TEST_F(SettingsPagesTest, TheTargetListsStoreTheirTableValues)
{
    form->ckAisTracks->setChecked(true);
    form->cmbAisTrack->setCurrentIndex(12);
    emit form->cmbAisTrack->activated(12);
    EXPECT_EQ(+SetupParameters.AisTrackIndex, 12);
    EXPECT_EQ(+SetupParameters.AisTrackPoints, 120);
    EXPECT_EQ(+SetupParameters.AisTrackInterval, 11);
    EXPECT_EQ(Countdowns.chartRedraw, 1);

    form->cmbAisTrack->setCurrentIndex(4);
    emit form->cmbAisTrack->activated(4);
    EXPECT_EQ(+SetupParameters.AisTrackPoints, 30);
    EXPECT_EQ(+SetupParameters.AisTrackInterval, 0);

    form->cmbAisRange->setCurrentIndex(7);
    emit form->cmbAisRange->activated(7);
    EXPECT_EQ(+SetupParameters.AisRangeIndex, 7);
    EXPECT_EQ(+SetupParameters.AisRange, 9999);
    EXPECT_EQ(SensorSetup.aisRange, 9999);
    EXPECT_FALSE(form->ckAisTracks->isChecked());
    EXPECT_FALSE(form->ckAisTracks->isEnabled());

    form->cmbAisRange->setCurrentIndex(2);
    emit form->cmbAisRange->activated(2);
    EXPECT_EQ(+SetupParameters.AisRange, 15);
    EXPECT_TRUE(form->ckAisTracks->isEnabled());

    form->cmbCpaTime->setCurrentIndex(3);
    emit form->cmbCpaTime->activated(3);
    EXPECT_EQ(+SetupParameters.CpaTime, 20);
}

// Layer 9 unchecked by the user: the presentation is to be made anew, and the full presentation
// hides class entry 120 in both views; the tick's count-down runs it.
TEST_F(SettingsPagesTest, TheFullPresentationHidesTheClassesOfAnUncheckedLayerInBothViews)
{
    ASSERT_NE(MiniMapView, nullptr);
    form->rbStd->setChecked(true);
    EXPECT_EQ(MainMapView->displayCategory, 1);
    form->rbBase->setChecked(true);
    EXPECT_EQ(MainMapView->displayCategory, 0);
    for (int i = 0; i < 16; ++i)
        form->cklChart->item(i)->setCheckState(Qt::Checked);
    std::fill(std::begin(SetupParameters.ChartLayers), std::end(SetupParameters.ChartLayers), uint8_t(1));
    ResetTickState();

    clickCheck(form->cklChart, 3);
    EXPECT_EQ(+SetupParameters.ChartLayers[3], 0);
    EXPECT_FALSE(TickRequest.presentationRebuild) << "layer 3 hides no class";
    EXPECT_EQ(Countdowns.chartRedraw, 2);

    clickCheck(form->cklChart, 9);
    EXPECT_EQ(+SetupParameters.ChartLayers[9], 0);
    EXPECT_TRUE(TickRequest.presentationRebuild);

    form->cklChart->item(8)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(+SetupParameters.ChartLayers[8], 1) << "a mark set by the program is no click";

    Countdowns.chartRedraw = 1;
    form->Timer2Timer();
    EXPECT_FALSE(TickRequest.presentationRebuild);
    EXPECT_EQ(MainMapView->displayCategory, 3) << "made anew (category 4) with the classes of category 3";
    for (const MapView* view : {MainMapView, MiniMapView}) {
        EXPECT_EQ(view->objectClassTable[120], 0);
        EXPECT_FALSE(ObjectClassShown(view->objectClassTable, 121));
        EXPECT_EQ(view->objectClassTable[19], 0) << "layer 8 is unchecked in the list";
        EXPECT_EQ(view->objectClassTable[63], 1);
        EXPECT_EQ(std::count(view->objectClassTable.begin(), view->objectClassTable.end(), 0), 7);
    }

    form->cklChart->item(8)->setCheckState(Qt::Checked);
    form->cklChart->item(9)->setCheckState(Qt::Checked);
    form->rbFull->setChecked(false);
    form->rbStd->setChecked(true);
    form->rbFull->setChecked(true);
    for (const MapView* view : {MainMapView, MiniMapView})
        EXPECT_EQ(std::count(view->objectClassTable.begin(), view->objectClassTable.end(), 0), 0);
    EXPECT_EQ(Countdowns.chartRedraw, 1);
}

TEST_F(SettingsPagesTest, CheckBoxesWriteTheirSettingsAndTheirEffects)
{
    form->ckAlarmXte->setChecked(false);
    form->ckShowLane->setChecked(false);
    form->ckAlarmXte->setChecked(true);
    EXPECT_EQ(+SetupParameters.AlarmXte, 1);
    EXPECT_TRUE(form->ckShowLane->isChecked());
    EXPECT_FALSE(form->ckShowLane->isEnabled());
    EXPECT_EQ(+SetupParameters.ShowLane, 1);
    EXPECT_EQ(form->OverlayRedrawRequest, 1);
    form->ckAlarmXte->setChecked(false);
    EXPECT_TRUE(form->ckShowLane->isEnabled());

    form->ckHints->setChecked(true);
    EXPECT_TRUE(ApplicationHintsShown());
    form->ckHints->setChecked(false);
    EXPECT_EQ(+SetupParameters.Hints, 0);
    EXPECT_FALSE(ApplicationHintsShown());

    form->ck3DMark->setChecked(false);
    form->ck3DMark->setChecked(true);
    EXPECT_EQ(+SetupParameters.ThreeDMarks, 1);
    EXPECT_FALSE(form->btn3DCheck->isHidden());
    EXPECT_EQ(Countdowns.threeDRefresh, 3);

    form->rb3DDot20->setChecked(true);
    EXPECT_EQ(+SetupParameters.ThreeDDotSize, 20);
    form->rbVectorNm->setChecked(true);
    EXPECT_EQ(+SetupParameters.VectorInMinutes, 0);
    form->rbVectorMin->setChecked(true);
    EXPECT_EQ(+SetupParameters.VectorInMinutes, 1);
}

}  // namespace
