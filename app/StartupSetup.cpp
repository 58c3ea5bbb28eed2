// The second half of the start: the settings record and the main INI file, the controls set
// from them, the tool bars, the bitmaps and the services in their order.

#include "app/Startup.h"

#include "app/AisHistoryWiring.h"
#include "app/ApplicationHints.h"
#include "app/BarImages.h"
#include "app/ControlBehaviour.h"
#include "app/EditingState.h"
#include "app/ExternalLibraries.h"
#include "app/FilesPanel.h"
#include "app/ImageList2.h"
#include "app/ImageList3.h"
#include "app/LoranDeccaRows.h"
#include "app/MainIni.h"
#include "app/ObjectDialogWiring.h"
#include "app/PositionDialogWiring.h"
#include "app/RouteDialogWiring.h"
#include "app/OutputThreadWiring.h"
#include "app/Screenshot.h"
#include "app/ObjectListWiring.h"
#include "app/SeabedWiring.h"
#include "app/TransferWiring.h"
#include "app/SearchPatternWiring.h"
#include "app/SensorWiring.h"
#include "app/SetupLoad.h"
#include "app/SetupPortWiring.h"
#include "app/SetupSensorWiring.h"
#include "app/ReplayPlayer.h"
#include "app/WeatherDisplay.h"
#include "app/TForm1.h"
#include "app/ToolBarButtons.h"
#include "app/ToolTabs.h"
#include "app/TfrmSplash.h"
#include "app/ThreadTimers.h"
#include "chart/ChartLevels.h"
#include "chart/MapView.h"
#include "chart/TCM93Inspector.h"
#include "chart/TTideWin.h"
#include "frame/PickerDate.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "frame/ShipGeometry.h"
#include "platform/system/HotKey.h"
#include "platform/system/MessageBox.h"
#include "platform/system/ProgramEnd.h"
#include "platform/system/TextCodec.h"
#include "sensors/ComPortControl.h"
#include "sensors/DeccaConverter.h"
#include "sensors/LoranConverter.h"
#include "sensors/TArpaDlg.h"
#include "userdata/DisplayFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>


namespace {

const SetupParametersRecord& Setup = SetupParameters;

int Bit(int32_t bits, int bit)
{
    return (bits >> bit) & 1;
}

// The stored values shown in the controls of the main window and its tool dialog. Setting a
// check box or radio button runs its click handler, as it always has.
void SetControlsFromSetup(TForm1& f)
{
    f.cmbAisRange->setCurrentIndex(Setup.AisRangeIndex);
    f.cmbAisTrack->setCurrentIndex(Setup.AisTrackIndex);
    SetUpDownPosition(f.udCpaDist, Setup.CpaDistance);
    f.cmbCpaTime->setCurrentIndex(Setup.CpaTimeIndex);
    f.udMonitor->setValue(Setup.MonitorSize);

    f.ckAisNames->setChecked(Setup.AisNames);
    f.ckAisTracks->setChecked(Setup.AisTracks);
    f.ckAisTracks->setEnabled(Setup.AisRangeIndex != 7);
    f.ckCpaShow->setChecked(Setup.CpaShown);
    f.ckAisWarnings->setChecked(Setup.AisWarnings);
    f.ckAisMsgs->setChecked(Setup.AisMessages);
    f.ckRouteLeg->setChecked(Setup.RouteLegs);
    f.ckHints->setChecked(Setup.Hints);
    SetApplicationHints(f.ckHints->isChecked());
    f.ckAltNight->setChecked(Setup.AltNightColours);
    f.ckScreenKeyb->setChecked(Setup.ScreenKeyboard);
    f.ckAlarmGps->setChecked(Setup.AlarmGps);
    f.ckAlarmWp->setChecked(Setup.AlarmWp);
    f.ckAlarmXte->setChecked(Setup.AlarmXte);
    f.ckAlarmSafety->setChecked(Setup.AlarmSafety);
    f.ckAlarmWarning->setChecked(Setup.AlarmWarning);

    for (int i = 0; i < 16 && i < f.cklChart->count(); ++i)
        f.cklChart->item(i)->setCheckState(Setup.ChartLayers[i] ? Qt::Checked : Qt::Unchecked);

    f.udShallowCont->setValue(Setup.ShallowContour);
    f.udSafety->setValue(Setup.SafetyContour);
    f.udDeepCont->setValue(Setup.DeepContour);
    SetUpDownPosition(f.udFwd, Setup.LookAheadTime);
    SetUpDownPosition(f.udSector, Setup.LookAheadSector);
    SetUpDownPosition(f.udResolution, Setup.Resolution);
    f.tbBoatOff->setValue(Setup.BoatOffset);
    f.tbBoatSens->setValue(Setup.BoatSensitivity);
    f.rbVectorMin->setChecked(Setup.VectorInMinutes);
    f.rbVectorNm->setChecked(!Setup.VectorInMinutes);
    SetUpDownPosition(f.udBoatVector, Setup.BoatVector);
    f.ckShowLane->setChecked(Setup.ShowLane);
    SetUpDownPosition(f.udWpLane, Setup.WaypointLane);
    SetUpDownPosition(f.udWpRadius, Setup.WaypointRadius);
    SetUpDownPosition(f.udBoatMag, Setup.MagneticVariation);
    f.ckTrack2Route->setChecked(Setup.TrackToRoute);
    SetUpDownPosition(f.udBoatConv, Setup.TrackConversionTolerance);

    f.cmb3Ddata->setCurrentIndex(Setup.ThreeDData);
    f.cmb3DPal->setCurrentIndex(Setup.ThreeDPalette);
    SetUpDownPosition(f.ud3DFrom, Setup.ThreeDFromPosition);
    SetUpDownPosition(f.ud3DTo, Setup.ThreeDToPosition);
    f.ck3DCont->setChecked(Setup.ThreeDContours);
    f.cmb3DCont->setCurrentIndex(Setup.ThreeDContourChoice);
    f.ed3DCont->setText(QString::number(Setup.ThreeDContourInterval));
    SetUpDownPosition(f.ud3DCont, Setup.ThreeDContourPosition);
    f.ck3DRelief->setChecked(Setup.ThreeDRelief);
    f.ck3DMark->setChecked(Setup.ThreeDMarks);
    SetUpDownPosition(f.ud3DDepth, Setup.ThreeDDepthScale);
    SetUpDownPosition(f.ud3DTide, Setup.ThreeDTide);
    f.rb3DDot5->setChecked(Setup.ThreeDDotSize == 5);
    f.rb3DDot10->setChecked(Setup.ThreeDDotSize == 10);
    f.rb3DDot20->setChecked(Setup.ThreeDDotSize == 20);

    // The data set in use opens as its button is checked. Its click handler clears the boxes of
    // the sets drawn too, so the boxes follow the buttons.
    QRadioButton* dataSets[] = {f.ckDbA, f.ckDbB, f.ckDbC, f.ckDbD, f.ckDbE, f.ckDbF};
    QCheckBox* exchanged[] = {f.ckDbxA, f.ckDbxB, f.ckDbxC, f.ckDbxD, f.ckDbxE, f.ckDbxF};
    const int32_t shown = Setup.DataSetsShown;
    const int32_t exchangedBits = Setup.DataSetsExchanged;
    for (int i = 0; i < 6; ++i)
        if (Bit(shown, i))
            dataSets[i]->setChecked(true);
    for (int i = 0; i < 6; ++i)
        exchanged[i]->setChecked(Bit(exchangedBits, i));
    SetupParameters.DataChoice = 1;
    SetRadioGroupItem(f.rgDataData, 1);

    f.ckLoranPos->setChecked(Setup.LoranPosition);
    f.ckDeccaPos->setChecked(Setup.DeccaPosition);
    f.csRedCorr->setValue(Setup.DeccaRedCorrection);
    f.csGreenCorr->setValue(Setup.DeccaGreenCorrection);
    f.csPurpleCorr->setValue(Setup.DeccaPurpleCorrection);

    SetupParameters.DataScope = 1;
    f.rbDataAll->setChecked(true);
    f.rbDataShown->setChecked(false);
    f.ckDataArea->setChecked(false);
    if (Setup.CopyFromDate > 0.0)
        f.dtCopyFrom->setDate(DateFromDays(Setup.CopyFromDate));

    f.ckLogActive->setChecked(Setup.PositionLogOn);
    f.cbLogInterval->setCurrentIndex(Setup.LogInterval);
    f.udMiniSpeed->setValue(Setup.AntigroundingMinSpeed);

    UpdateFilterTimes();

    f.S52Btn->setChecked(Setup.DisplayMode == 0);
}

// The controls whose texts follow the clamped values.
void ShowClampedValues(TForm1& f)
{
    if (Setup.ThreeDDepthFrom == 0)
        f.ed3DFrom->setText(QStringLiteral("auto"));
    if (Setup.ThreeDTide == 0)
        f.ed3DTide->setText(QStringLiteral("0.0"));
    const float factor = Setup.DepthFactor;
    f.cmbDepthUnit->setCurrentIndex(factor == 1.0f ? 0 : factor > 1.0f ? 1 : 2);
}

// The pressed buttons of the symbol and line bars, the tool bar's button width and the pages
// and panels that show at start.
void LayOutToolBars(TForm1& f)
{
    ShowDrawingBarImages(f);
    BarButton(f.SymbBar, 5 + Setup.SymbolBarButton)->setChecked(true);
    BarButton(f.SymbBar, 23 + Setup.SymbolColour)->setChecked(true);
    BarButton(f.LineBar, 6 + Setup.LineKind)->setChecked(true);
    BarButton(f.LineBar, 10 + Setup.LineColour)->setChecked(true);

    if (ArpaDlg)
        ArpaDlg->ApplyRememberedHeight();
    SetupParameters.DepthSaveChoice = 0;
    f.Daylight->setCurrentIndex(0);
    f.DispMode->setCurrentIndex(0);

    ShowToolTabSide(f, ToolTabSide::Target);
    f.ckHide->setChecked(true);
    SetBarControlVisible(f.Arpa1Btn, false);
    SetBarControlVisible(f.Arpa2Btn, false);
    FitToolBarButtons(f);
    SetBarControlVisible(f.VoyPlanPanel, true);
    SetBarControlVisible(f.btnListRt, false);
    for (QToolBar* bar : {f.SymbBar, f.LineBar, f.RouteBar})
        bar->move(0, f.ToolBar1->height());

    f.dtLogDate->setDate(QDate::currentDate());
}

// Sends the 3D window's place and clears the status words of the 3D programs.
void PrepareThreeDExchange()
{
    if (!DualMonitor) {
        ThreeDExchange.windowX = Setup.ThreeDWindowX;
        ThreeDExchange.windowY = Setup.ThreeDWindowY;
        ThreeDExchange.windowWidth = Setup.ThreeDWindowWidth;
        ThreeDExchange.windowHeight = Setup.ThreeDWindowHeight;
    }
    const ExternalEntries& e = ExternalEntryTable;
    if (!ThreeDAvailable)
        return;
    e.tPutRec(&ThreeDExchange, sizeof ThreeDExchange);
    e.tPutStatA(0);
    e.tPutStatB(0);
    e.tPutStatC(0);
}

// A picture the program cannot draw without stops the start with a message naming it.
bool LoadPicture(const char* name, QImage& image)
{
    if (image.load(QString::fromStdString((ProgramFolder / name).string())))
        return true;
    platform::MessageBoxRequest request;
    request.text = std::string("The file ") + name + " is missing or damaged in " +
                   ProgramFolder.string() + ". The program cannot start without it.";
    request.caption = "Varnik V3";
    request.icon = platform::MsgIcon::Stop;
    request.systemModal = true;
    request.topMost = true;
    platform::ShowMessageBox(request);
    StartupAbort = true;
    platform::RequestProgramEnd();
    return false;
}

// The LORAN-C and Decca converters with the stored chains; a stored Decca chain outside the table
// takes the first chain.
void StartConverters()
{
    delete Loran;
    Loran = new LoranConverter;
    Loran->SelectChain(Setup.LoranChain);

    delete Decca;
    Decca = new DeccaConverter;
    if (!SelectStoredDeccaChain(Setup.DeccaChain))
        SelectStoredDeccaChain(0);
}

}  // namespace

void StartupSetup(TForm1& form)
{
    SplashSetStatus(frmSplash, QStringLiteral("Setup"));
    const bool loaded = LoadSetupParameters();
    LoadMainIni();
    if (StartupAbort)
        return;
    ClampSetupParameters();
    ComputeShipGeometry();
    QImage idPicture;
    if (!LoadPicture("symbols.bmp", form.SymbolStrip) || !LoadPicture("IdPic.bmp", idPicture))
        return;
    form.IdPic = QPixmap::fromImage(idPicture);
    form.ImageList2 = MakeImageList2(form.SymbolStrip);
    form.ImageList3 = MakeImageList3();

    // The controls show the values after the clamps, so that none shows a value the program
    // does not use.
    if (loaded)
        SetControlsFromSetup(form);
    SetupLoadMarker = 0;
    ShowClampedValues(form);
    LayOutToolBars(form);
    PrepareThreeDExchange();
    LoadFileList(form);

    StartConverters();
    form.presentationChanged = true;
    StartChartEngine(form, "");
    if (StartupAbort)
        return;

    const StartLevels levels = ChartStartLevels(Setup);
    form.chartLevel = levels.chart;
    SetChartLevel(form);
    form.miniChartLevel = levels.mini;
    if (MiniMapView)
        SetMiniChartLevel(form);
    form.ckHideClick();
    form.ckHide2Click(true);

    // The sensor side: its settings and hooks and the set-up dialogs', the output thread, then
    // the active ports; the route code's, the object bar's and the object dialogs' hooks. An active
    // port that did not open brings up the port set-up, which reports it.
    WireSensors(form);
    WireSeabedHooks();
    WireTransferHooks();
    WireSetupPort();
    WireSetupSensor();
    StartOutputThread(form);
    OpenComPortsAtStart();
    PortDialogRequested = ComPortError;
    WireRouteHooks();
    WireObjectDialogs();
    WirePositionDialog();
    WireSearchPatterns();
    WireRouteDialog();
    WireReplay(form);
    WireWeatherDialog(form);
    WireAisHistory(form);
    WireObjectList();
    if (TideWin)
        TideWin->chart = &form;
    if (CM93Inspector)
        CM93Inspector->chart = &form;

    form.ScreenshotHotKey = RegisterScreenshotHotKey();
    form.Timer1->start();
    form.iThreadTimers1->SetEnabled(2, true);
}
