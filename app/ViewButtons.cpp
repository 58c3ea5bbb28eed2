// The tool bar's view handlers: the tool dialog, the chart orientation, the S-52 presentation and
// the 2D view, and the wiring of all the view buttons (the 3D view is ThreeDView.cpp, weather and
// radar WeatherRadarButtons.cpp).

#include "app/ViewButtons.h"

#include "app/ChildPrograms.h"
#include "app/ControlBehaviour.h"
#include "app/DataPage.h"
#include "app/TForm1.h"
#include "app/ToolTabs.h"
#include "chart/ChartHooks.h"
#include "chart/ChartLayerItems.h"
#include "chart/ChartPresentation.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "sensors/OwnShipState.h"
#include "userdata/SeabedExport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <system_error>

namespace {

// DispMode's entries.
constexpr int NorthUp = 0;
constexpr int ThreeDViewOrientation = 3;
constexpr int OrientationCount = 4;
// The data tab's functions.
constexpr int32_t DataCopyIn = 1;
constexpr int32_t DataDelete = 2;

// The display mode field: the S-52 symbolization, or the engine's own with the program's colours.
constexpr uint8_t S52Presentation = 0;
constexpr uint8_t EnginePresentation = 1;

}  // namespace

void EnterProgramFolder()
{
    std::error_code ignored;
    std::filesystem::current_path(ProgramFolder, ignored);
}

void EnableOrientationChoice(TForm1& form)
{
    form.DispMode->setEnabled(!form.Show2DBtn->isChecked() && !form.Show3DBtn->isChecked());
}

void ChooseFullPresentation(TForm1& form)
{
    if (form.rbFull->isChecked())
        return;
    form.rbFull->setChecked(true);
}

void LeaveDataDelete(TForm1& form)
{
    if (SetupParameters.DataChoice != DataDelete && RadioGroupItem(form.rgDataData) != DataDelete)
        return;
    SetupParameters.DataChoice = DataCopyIn;
    SetRadioGroupItem(form.rgDataData, DataCopyIn);
}

void ShowToolTabsForViews(TForm1& form)
{
    const bool viewOn = form.Show2DBtn->isChecked() || form.Show3DBtn->isChecked();
    ShowToolTabSide(form, viewOn ? ToolTabSide::ThreeD : ToolTabSide::Target);
}

void TForm1::ConnectViewButtons()
{
    connect(ToolBtn, &QToolButton::clicked, this, &TForm1::ToolsExecute);
    connect(DispMode, &QComboBox::activated, this, &TForm1::DispModeChange);
    connect(S52Btn, &QToolButton::clicked, this, &TForm1::S52Execute);
    connect(Show2DBtn, &QToolButton::clicked, this, &TForm1::Show2DExecute);
    connect(Show3DBtn, &QToolButton::clicked, this, &TForm1::Show3DExecute);
    connect(WeatherBtn, &QToolButton::clicked, this, &TForm1::WeatherExecute);
    connect(RadarBtn, &QToolButton::clicked, this, &TForm1::RadarExecute);
    // The chart side releases Show3DBtn when the chart goes beyond the 3D view's levels or the
    // viewer's window is gone.
    ChartHook.closeThreeDView = [this] { Show3DExecute(); };
    ChartHook.threeDViewShown = [] { return ThreeDViewer.isRunning(); };
    ChartHook.exportRecordedDepths = [](const cmgbase::GeoRect& area) { ExportSeabed(area, SeabedPointsMode); };
}

void TForm1::ToolsExecute()
{
    LeaveDataDelete(*this);
    const bool shown = ToolBtn->isChecked();
    ToolDlg->setVisible(shown);
    // The side panel's column puts the tool dialog 2 px above WpPanel (Notice while no route is
    // followed) and gives the mini chart what is left above it: laid out now, so that the mini
    // chart is drawn once, at its new size.
    MainPanel->layout()->activate();
    if (shown)
        ToolDlg->raise();
    if (MiniMapView)
        ApplyPresentation(*this, false, true, PresentationColours);
}

// The rotation follows DispMode's orientation: north up, head up and course up turn the chart by
// 0 or the displayed course; the 3D view mode (3) starts from the course the radar last reported
// for its course-up display, and the redraw then turns the chart as the 3D view's orientation
// says.
void TForm1::DispModeChange()
{
    const int orientation = DispMode->currentIndex();
    if (orientation < 0 || orientation >= OrientationCount)
        return;
    const bool northUp = orientation == NorthUp;
    Show2DBtn->setEnabled(northUp);
    Show3DBtn->setEnabled(northUp);
    threeDViewMode = threeDRedrawPending = orientation == ThreeDViewOrientation;
    viewRotation = northUp                                    ? 0.0f
                   : orientation == ThreeDViewOrientation ? OwnShip.courseUpReference
                                                              : OwnShip.displayCourse;
    // The redraw hands the rotation to the main view's projection.
    RedrawChart(*this, true);
    if (QListWidgetItem* graduation = cklChart->item(BorderGraduationItem))
        graduation->setFlags(northUp ? graduation->flags() | Qt::ItemIsEnabled
                                     : graduation->flags() & ~Qt::ItemIsEnabled);
}

void TForm1::S52Execute()
{
    if (S52Btn->isChecked()) {
        SetupParameters.DisplayMode = S52Presentation;
        ChooseFullPresentation(*this);
        // A 2D or 3D view that is on is closed through its own handler.
        if (Show2DBtn->isChecked()) {
            Show2DBtn->setChecked(false);
            Show2DExecute();
        }
        if (Show3DBtn->isChecked()) {
            Show3DBtn->setChecked(false);
            Show3DExecute();
        }
    } else {
        SetupParameters.DisplayMode = EnginePresentation;
    }
    ApplyPresentation(*this, true, true, PresentationCategory | PresentationColours);
    cklChart->update();
}

void TForm1::Show2DExecute()
{
    EnterProgramFolder();
    EnableOrientationChoice(*this);
    ChooseFullPresentation(*this);
    RedrawChart(*this, true);
    LeaveDataDelete(*this);
    SyncDataTab(*this);
    ShowToolTabsForViews(*this);
}
