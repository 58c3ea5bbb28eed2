#include "app/LineBar.h"
#include "app/RouteBar.h"
#include "app/SymbolBar.h"
#include "app/TForm1.h"

#include "app/AppEntry.h"
#include "app/BoatPage.h"
#include "app/ChartPage.h"
#include "app/DataPage.h"
#include "app/LogPage.h"
#include "app/FilesPanel.h"
#include "app/KeyboardShortcuts.h"
#include "app/LanguageLoader.h"
#include "app/ProgramCursors.h"
#include "app/ProgramExit.h"
#include "app/SetupPage.h"
#include "app/Startup.h"
#include "app/TargetPage.h"
#include "app/TcpClient.h"
#include "app/TfrmSplash.h"
#include "app/ThreadTimers.h"
#include "app/TrackButton.h"
#include "app/ViewPage.h"
#include "chart/ChartPresentation.h"
#include "chart/MapView.h"
#include "frame/PhaseCounters.h"
#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/HotKey.h"
#include "platform/system/ProgramEnd.h"
#include "platform/system/TextCodec.h"
#include "sensors/DeccaConverter.h"
#include "sensors/LoranConverter.h"
#include "sensors/OwnShipState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QCursor>
#include <QPalette>
#include <QPushButton>
#include <QTcpSocket>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* owner)
    : QMainWindow(owner),
      Timer1(new QTimer(this)),
      Timer2(new QTimer(this)),
      iThreadTimers1(new TiThreadTimers(this)),
      ClientSocket1(new QTcpSocket(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowFlag(Qt::FramelessWindowHint);
    resize(1024, 768);
    BuildMainWindowControls(*this, *this);
    ConnectChartHandlers();
    ConnectPanelHandlers();
    ConnectDisplayModes();
    ConnectViewButtons();
    ConnectPanelLayout();
    ConnectLoranDeccaRows();
    ConnectClientSocket(*this);
    ConnectSymbolBar(*this);
    ConnectLineBar(*this);
    ConnectRouteBar(*this);
    ConnectTrackButtons(*this);
    InstallKeyPreview(*this);
    ConnectChartMouse();

    Timer1->setInterval(100);
    Timer2->setInterval(1000);
    iThreadTimers1->SetInterval(1, 100);
    iThreadTimers1->SetInterval(2, 200);
    iThreadTimers1->SetOnTimer(2, [this](TiThreadTimers* sender) { iThreadTimers1Timer2(sender); });
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(cmbLanguage, &QComboBox::activated, this, &TForm1::cmbLanguageChange);
    connect(cmbSetup, &QComboBox::activated, this, &TForm1::cmbSetupChange);
    connect(ExitBtn, &QToolButton::clicked, this, &TForm1::ExitExecute);
    ConnectSetupPage(*this);
    ConnectChartPage(*this);
    ConnectBoatPage(*this);
    ConnectViewPage(*this);
    ConnectDataPage(*this);
    ConnectLogPage(*this);
    ConnectFilesPanel(*this);
    ConnectTargetPage(*this);

    StartupDone = false;
    if (frmSplash)
        resize(frmSplash->size());
    // The chart paint box covers itself whole on every paint; the window's own background stays
    // erased, or the panels' uncovered parts would show stale pixels.
    CM93->setAttribute(Qt::WA_OpaquePaintEvent);
    Timer2->start();
    SplashSetStatus(frmSplash, QStringLiteral("Building UI"));
}

// The input and output have ended before (ShutdownIo, as the event loop ended). The thread timer
// goes first: its handler uses this window.
TForm1::~TForm1()
{
    delete iThreadTimers1;
    StopRadarWhileRunning();
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    ScreenshotHotKey.reset();
    // The socket closes with the window's children; its last events must not reach the window.
    QObject::disconnect(ClientSocket1, nullptr, this, nullptr);
    for (QImage* bitmap : {&MainChartBitmap, &ChartBackBitmap, &ChartWorkBitmap, &RadarBitmap,
                           &WeatherBitmap, &MiniChartBitmap, &SymbolStrip, &SymbolStripPixels})
        *bitmap = QImage();
    IdPic = QPixmap();
    ReleaseChartEngine();
    delete Loran;
    Loran = nullptr;
    delete Decca;
    Decca = nullptr;
}


void TForm1::iThreadTimers1Timer2(TiThreadTimers*)
{
    if (AppRunning)
        AdvancePhaseCounters();
}

// The start-up branch of the first tick: the start-up steps, then the controls that depend on
// their results.
void TForm1::RunStartup()
{
    AppRunning = false;
    SplashSetStatus(frmSplash, QStringLiteral("StartUp"));
    StartupInit();
    if (StartupAbort)
        return;
    // An exception must not unwind through the event loop: the one that the stored settings
    // cause while they are applied is handled here as the entry would handle it.
    try {
        StartupSetup(*this);
    } catch (const std::exception& error) {
        HandleEntryException(&error);
        StartupAbort = true;
        platform::RequestProgramEnd();
    }
    if (StartupAbort)
        return;

    SplashSetStatus(frmSplash, QStringLiteral("Initialize"));
    StartupDone = true;
    ToolBar1->hide();
    ToolBar1->show();
    MainPanel->show();
    // Both charts open on the own ship: the main chart and the mini chart's overview around it.
    for (MapView* view : {MainMapView, MiniMapView})
        if (view)
            view->SetCentre(OwnShip.referencePosition);
    ApplyPresentation(*this, 1, 1, 2);
    LoadProgramCursors();
    FillLanguageList();
    DaylightChange();
    for (MapView* view : {MainMapView, MiniMapView})
        if (view)
            ApplyMonitorGeometry(*view);
    SyncDataTab(*this);
    cbLogIntervalChange(*this);

    ToolDlg->setCurrentIndex(1);
    const QPoint chartCentre = CM93->geometry().center();
    CheckPanel->move(chartCentre.x() - 124, chartCentre.y() - 24);
    CheckPanel->setPalette(QPalette(palette().color(QPalette::ToolTipBase)));
    btnAisLog->setEnabled(std::filesystem::exists(DataPaths[DataPathLog] / "ais.log"));
    OwnShip.positionTimeoutCounter = 0;

    if (frmSplash) {
        QCursor::setPos(frmSplash->btnOK->mapToGlobal(QPoint(20, 15)));
        frmSplash->btnOK->show();
    }
    SplashSetStatus(frmSplash, QStringLiteral("Ready"));
    AppRunning = true;
    if (ReadPortSettings().active[TcpPort])
        OpenClientSocket(*this);
}

// Lists the language files of the program folder, corrects the stored choice and loads it.
void TForm1::FillLanguageList()
{
    cmbLanguage->clear();
    for (const std::string& language : FindLanguages(ProgramFolder))
        cmbLanguage->addItem(platform::FromCp1252(language));
    if (SetupParameters.LanguageIndex < 0 || SetupParameters.LanguageIndex >= cmbLanguage->count())
        SetupParameters.LanguageIndex = 0;
    // With no language file there is nothing to select; the loader then shows "!" everywhere.
    cmbLanguage->setCurrentIndex(cmbLanguage->count() > 0 ? SetupParameters.LanguageIndex : -1);
    cmbLanguageChange();
}

void TForm1::cmbLanguageChange()
{
    SetupParameters.LanguageIndex = cmbLanguage->currentIndex();
    const std::string language =
        SetupParameters.LanguageIndex >= 0 ? platform::ToCp1252(cmbLanguage->currentText()) : std::string();
    LoadLanguage(ProgramFolder / (language + ".lng"));
}
