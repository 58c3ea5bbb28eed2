#include "ChartWindowFixture.h"

#include "chart/ChartHooks.h"
#include "chart/ChartLevels.h"
#include "chart/ChartPresentation.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/OwnShipState.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>

#include <optional>

namespace charttest {

TemporaryFolder* ChartWindowTest::folder_ = nullptr;

cmgbase::GeoPoint Degrees(double longitude, double latitude)
{
    return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
}

namespace {

std::filesystem::path Registry(const TemporaryFolder& folder) { return folder.path() / "registry.ini"; }

template <typename Button>
Button* NewButton(QWidget* parent, bool checkable = true)
{
    auto* button = new Button(parent);
    button->setCheckable(checkable);
    return button;
}

}  // namespace

void ChartWindowTest::SetUpTestSuite()
{
    folder_ = new TemporaryFolder;
    std::vector<std::string> files = DefaultChartFiles();
    files.push_back("s58/AA500001.000");
    const auto engine = folder_->path() / "engine";
    InstallCachedDatabase(files, engine, "Default");
    LinkTides(engine);
    WriteRegistry(Registry(*folder_), engine, false);
}

void ChartWindowTest::OfferWeather()
{
    WriteRegistry(Registry(*folder_), folder_->path() / "engine", true);
}

void ChartWindowTest::TearDownTestSuite()
{
    delete folder_;
    folder_ = nullptr;
}

void ChartWindowTest::SetUp()
{
    InitSharedTables();
    window = ChartWindow{};
    SetupParameters = {};
    SetupParameters.DepthFactor = 1.0f;
    SetupParameters.SafetyContour = 10;
    OwnShip = {};
    StartupDone = true;

    ChartControls& c = window.controls;
    root.resize(800, 1000);
    c.CM93 = new QWidget(&root);
    c.CM93->setGeometry(0, 0, 600, 400);
    c.CM93mini = new QWidget(&root);
    c.CM93mini->setGeometry(620, 0, 158, 200);
    c.ZoomPanel = new QLabel(&root);
    c.ZoomPanel->setAutoFillBackground(true);
    for (QAbstractButton*& button : c.bandButtons)
        button = NewButton<QToolButton>(&root);
    c.AutoBtn = NewButton<QToolButton>(&root);
    c.Show2DBtn = NewButton<QToolButton>(&root);
    c.Show3DBtn = NewButton<QToolButton>(&root);
    c.btnMiniAuto = NewButton<QToolButton>(&root);
    c.rbBase = NewButton<QRadioButton>(&root);
    c.rbStd = NewButton<QRadioButton>(&root);
    c.rbFull = NewButton<QRadioButton>(&root);
    c.rbFull->setChecked(true);
    c.Daylight = new QComboBox(&root);
    c.Daylight->addItems({"1", "2", "3", "4", "5"});
    c.DispMode = new QComboBox(&root);
    c.DispMode->addItems({"1", "2", "3", "4"});
    c.cklChart = new QListWidget(&root);
    for (int i = 1; i <= 16; ++i) {
        auto* item = new QListWidgetItem(QStringLiteral("Layer %1").arg(i), c.cklChart);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    c.Notice = new QLabel(&root);
    c.Notice->setGeometry(620, 500, 158, 20);
    c.pnMiniAuto = new QWidget(&root);
    c.edMiniSpeed = new QWidget(&root);
    c.udMiniSpeed = new QWidget(&root);

    ChartHook = {};
    ChartHook.showMapMessage = [this](int32_t number, uint32_t flags) {
        messages.emplace_back(number, flags);
        return (flags & MapMessageStop) != 0;
    };
    ChartHook.startChartEngine = [this](const std::string& reason) { StartEngine(reason); };
    StartEngine("");
    ASSERT_NE(MainMapView, nullptr);
    ASSERT_NE(MiniMapView, nullptr);
    ASSERT_EQ(MainMapView->state, 1);
}

void ChartWindowTest::TearDown()
{
    ChartHook = {};
    delete MiniMapView;
    delete MainMapView;
    delete ChartEngine;
    MiniMapView = MainMapView = nullptr;
    ChartEngine = nullptr;
    InitSharedTables();
}

void ChartWindowTest::StartEngine(const std::string& reason)
{
    deepestEngineStart = std::max(deepestEngineStart, ++engineStartDepth);
    ChartRestartInProgress = true;
    if (!reason.empty())
        restartReasons.push_back(reason);
    std::optional<MapViewState> mainState, miniState;
    if (MainMapView)
        mainState = MainMapView->ViewState();
    if (MiniMapView)
        miniState = MiniMapView->ViewState();
    delete MiniMapView;
    delete MainMapView;
    delete ChartEngine;
    ChartEngine = new MapManager(Registry(*folder_));
    ASSERT_EQ(ChartEngine->Init(1), 1);
    MainMapView = mainState ? new MapView(*mainState) : new MapView;
    ASSERT_EQ(MainMapView->Init(0, ChartEngine), 1);
    MiniMapView = miniState ? new MapView(*miniState) : new MapView;
    ASSERT_EQ(MiniMapView->Init(1, ChartEngine), 1);
    if (sabotage)
        sabotage();
    ApplyPresentation(window, true, false, PresentationCategory | PresentationResolution);
    ApplyMiniPresentation(window);
    ChartRestartInProgress = false;
    --engineStartDepth;
}

unsigned ChartWindowTest::EnabledBands() const
{
    unsigned bands = 0;
    for (int b = 0; b < UsageBandCount; ++b)
        if (window.controls.bandButtons[b]->isEnabled())
            bands |= 1u << b;
    return bands;
}

int ChartWindowTest::CheckedBand() const
{
    for (int b = 0; b < UsageBandCount; ++b)
        if (window.controls.bandButtons[b]->isChecked())
            return b;
    return -1;
}

bool ChartWindowTest::ZoomPanelWarns() const
{
    return window.controls.ZoomPanel->palette().color(QPalette::Window) !=
           QApplication::palette().color(QPalette::Button);
}

}  // namespace charttest
