#include "app/TForm1.h"

#include "app/AppEntry.h"
#include "app/LanguageLoader.h"
#include "app/SetupParameters.h"
#include "app/SharedTables.h"
#include "app/Startup.h"
#include "app/TfrmSplash.h"
#include "chart/ChartPresentation.h"
#include "chart/MapView.h"
#include "platform/system/ProgramEnd.h"
#include "platform/system/TextCodec.h"
#include "sensors/OwnShipState.h"

#include <QComboBox>
#include <QCursor>
#include <QDockWidget>
#include <QFrame>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* owner)
    : QMainWindow(owner),
      CM93(new QWidget(this)),
      CM93mini(new QWidget(this)),
      Timer1(new QTimer(this)),
      Timer2(new QTimer(this)),
      ToolBar1(new QToolBar(this)),
      RadarBtn(new QToolButton(this)),
      WeatherBtn(new QToolButton(this)),
      ToolDlg(new QTabWidget(this)),
      cmbLanguage(new QComboBox(this)),
      btnAisLog(new QPushButton(this)),
      CheckPanel(new QFrame(this))
{
    setObjectName(QStringLiteral("Form1"));
    resize(1024, 768);

    CM93->setObjectName(QStringLiteral("CM93"));
    CM93mini->setObjectName(QStringLiteral("CM93mini"));
    CM93->setAutoFillBackground(true);
    CM93->setPalette(QPalette(Qt::black));
    setCentralWidget(CM93);

    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    RadarBtn->setObjectName(QStringLiteral("RadarBtn"));
    WeatherBtn->setObjectName(QStringLiteral("WeatherBtn"));
    ToolBar1->addWidget(RadarBtn);
    ToolBar1->addWidget(WeatherBtn);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    ToolDlg->setObjectName(QStringLiteral("ToolDlg"));
    auto* toolDock = new QDockWidget(this);
    toolDock->setObjectName(QStringLiteral("ToolDock"));
    toolDock->setWidget(ToolDlg);
    addDockWidget(Qt::RightDockWidgetArea, toolDock);
    cmbLanguage->setObjectName(QStringLiteral("cmbLanguage"));
    btnAisLog->setObjectName(QStringLiteral("btnAisLog"));
    cmbLanguage->hide();
    btnAisLog->hide();

    CheckPanel->setObjectName(QStringLiteral("CheckPanel"));
    CheckPanel->hide();

    Timer1->setInterval(100);
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(cmbLanguage, &QComboBox::activated, this, &TForm1::cmbLanguageChange);

    StartupDone = false;
    if (frmSplash)
        resize(frmSplash->size());
    setAttribute(Qt::WA_OpaquePaintEvent);
    CM93->setAttribute(Qt::WA_OpaquePaintEvent);
    Timer2->start();
    SplashSetStatus(frmSplash, QStringLiteral("Building UI"));
}

TForm1::~TForm1() = default;

void TForm1::Timer2Timer()
{
    if (!AppRunning || ChartRestartInProgress)
        return;
    if (!StartupDone)
        RunStartup();
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
    if (MainMapView)
        MainMapView->SetCentre(OwnShip.referencePosition);
    ApplyPresentation(*this, 1, 1, 2);
    FillLanguageList();

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
