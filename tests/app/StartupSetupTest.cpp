#include "UnstartedWindowTest.h"

#include "app/ApplicationHints.h"
#include "app/SetupLoad.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "chart/MapManager.h"
#include "frame/SharedTables.h"
#include "platform/system/TextCodec.h"
#include "sensors/DeccaConverter.h"
#include "sensors/LoranConverter.h"
#include "sensors/TArpaDlg.h"
#include "userdata/UserDatabase.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHelpEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

namespace {

class StartupSetupTest : public UnstartedWindowTest {};

}  // namespace

TEST_F(StartupSetupTest, TheControlsShowTheStoredSettingsAndTheDataSetInUseOpens)
{
    shipPictures();
    SetupImage()
        .at<int16_t>(18224, 21)          // monitor size
        .at<int16_t>(18540, 7)           // AIS range index: no limit
        .at<uint8_t>(18239, 1)           // route legs
        .at<int16_t>(18286, 4)           // shallow contour position
        .at<float>(18282, 3.2808f)       // depth factor: feet
        .at<int32_t>(18362, 0b000100)    // data set C shown
        .at<int32_t>(18380, 3)           // log interval item
        .at<int32_t>(18248, 2)           // LORAN chain
        .at<int32_t>(18520, 9)           // Decca chain
        .writeTo(folder / "dta.res");

    StartupSetup(*form);

    EXPECT_EQ(form->udMonitor->value(), 21);
    EXPECT_EQ(form->cmbAisRange->currentIndex(), 7);
    EXPECT_FALSE(form->ckAisTracks->isEnabled());
    EXPECT_TRUE(form->ckRouteLeg->isChecked());
    EXPECT_EQ(form->udShallowCont->value(), 4);
    EXPECT_EQ(form->cmbDepthUnit->currentIndex(), 1);
    EXPECT_EQ(form->cbLogInterval->currentIndex(), 3);
    EXPECT_TRUE(form->ckDbC->isChecked());
    EXPECT_FALSE(form->ckDbxC->isEnabled());
    EXPECT_TRUE(std::filesystem::exists(DataPaths[DataPathSetA + 2] / "id.dat"));
    EXPECT_EQ(SetupLoadMarker, 0);
    ASSERT_NE(Loran, nullptr);
    EXPECT_EQ(Loran->SelectedChainIndex(), 2);
    ASSERT_NE(Decca, nullptr);
    ASSERT_NE(Decca->SelectedChain(), nullptr);
    EXPECT_EQ(Decca->SelectedChain()->number, Decca->Chain(0)->number);  // stored 9 is outside
}

TEST_F(StartupSetupTest, WithoutAStoredRecordNoDataSetIsOpened)
{
    shipPictures();
    StartupSetup(*form);

    EXPECT_FALSE(form->ckDbA->isChecked());
    EXPECT_FALSE(std::filesystem::exists(DataPaths[DataPathSetA] / "id.dat"));
}

TEST_F(StartupSetupTest, TheTargetDialogTakesItsRememberedHeight)
{
    shipPictures();
    TArpaDlg dialog;
    ArpaDlg = &dialog;
    ASSERT_EQ(dialog.height(), dialog.FullHeight());
    StartupSetup(*form);
    ArpaDlg = nullptr;

    EXPECT_EQ(dialog.height(), dialog.FullHeight() - TArpaDlg::LowerPanelHeight);
    EXPECT_EQ(dialog.height(), dialog.ReducedHeight());
}

TEST_F(StartupSetupTest, AMissingSymbolPictureStopsTheStartWithAMessage)
{
    StartupSetup(*form);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("symbols.bmp"), std::string::npos);
    EXPECT_EQ(boxes.shown[0].icon, platform::MsgIcon::Stop);
    EXPECT_TRUE(StartupAbort);
    EXPECT_EQ(programEndRequests, 1);
    EXPECT_EQ(ChartEngine, nullptr);  // no later step ran
    EXPECT_FALSE(form->Timer1->isActive());
}

TEST_F(StartupSetupTest, AChartEngineThatDoesNotStartLeavesTheTimersOff)
{
    shipPictures();
    StartupSetup(*form);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "C-Map");
    EXPECT_TRUE(StartupAbort);
    EXPECT_FALSE(form->Timer1->isActive());
}

TEST_F(StartupSetupTest, TheSetsDrawnTooKeepTheirBoxesBesideTheSetInUse)
{
    shipPictures();
    SetupImage()
        .at<int32_t>(18362, 0b000100)    // data set C in use
        .at<int32_t>(18366, 0b001011)    // A, B and D drawn too
        .writeTo(folder / "dta.res");

    StartupSetup(*form);

    EXPECT_TRUE(form->ckDbC->isChecked());
    const QCheckBox* drawnToo[] = {form->ckDbxA, form->ckDbxB, form->ckDbxC,
                                   form->ckDbxD, form->ckDbxE, form->ckDbxF};
    const bool expected[] = {true, true, false, true, false, false};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(drawnToo[i]->isChecked(), expected[i]) << "data set " << char('A' + i);
}

TEST_F(StartupSetupTest, StoredHintsSwitchTheToolTipsOfTheProgram)
{
    shipPictures();
    form->ExitBtn->setToolTip(QStringLiteral("Exit"));
    for (const uint8_t hints : {0, 1}) {
        SCOPED_TRACE(int(hints));
        SetupImage().at<uint8_t>(18240, hints).writeTo(folder / "dta.res");
        StartupAbort = false;  // the chart engine, missing here, stopped the previous start
        StartupSetup(*form);

        EXPECT_EQ(form->ckHints->isChecked(), hints == 1);
        EXPECT_EQ(ApplicationHintsShown(), hints == 1);
        form->show();
        QToolTip::hideText();
        QHelpEvent request(QEvent::ToolTip, QPoint(2, 2), form->ExitBtn->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(form->ExitBtn, &request);
        EXPECT_EQ(QToolTip::isVisible(), hints == 1);
        QToolTip::hideText();
        form->hide();
    }
}

TEST_F(StartupSetupTest, TheCopyFromDateIsSavedFromItsPicker)
{
    shipPictures();
    SetupImage().at<double>(18532, 45000.0).writeTo(folder / "dta.res");  // 15 March 2023
    StartupSetup(*form);
    ASSERT_EQ(form->dtCopyFrom->date(), QDate(2023, 3, 15));

    form->dtCopyFrom->setDate(QDate(2024, 2, 29));
    StartupDone = true;
    ASSERT_TRUE(SaveSetupParameters(false));

    ASSERT_TRUE(LoadSetupParameters());
    EXPECT_EQ(Value(SetupParameters.CopyFromDate), 45351.0);
}

// A stored position the up-down holds already (0 of a zero record) still shows its text.
TEST_F(StartupSetupTest, TheTextsBesideTheUpDownsShowTheStoredPositions)
{
    shipPictures();
    SetupImage().writeTo(folder / "dta.res");
    StartupSetup(*form);

    EXPECT_EQ(form->edBoatMag->text(), platform::FromCp1252("0 \xB0 E"));
    for (const QLineEdit* text : {form->edBoatMag, form->edWpRadius, form->edWpLane, form->edBoatConv,
                                  form->edBoatVector, form->edFwd, form->edSector, form->edResolution,
                                  form->edCpaDist, form->ed3DFrom, form->ed3DTo, form->ed3DTide})
        EXPECT_FALSE(text->text().isEmpty()) << text->objectName().toStdString();
}
