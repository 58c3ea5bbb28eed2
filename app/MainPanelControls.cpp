#include "app/MainPanelControls.h"

#include "app/ControlFactory.h"
#include "app/MainWindowControls.h"
#include "app/RouteEtaPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using namespace controls;

// The look-ahead controls in the mini chart: the button's panel at the corner, the minimum
// speed's edit and up-down further right on the same line.
constexpr int MiniCornerInset = 1;
constexpr int MiniSpeedEditLeft = 126;
constexpr int MiniSpeedUpDownLeft = 141;
constexpr int MiniSpeedUpDownWidth = 15;
constexpr int MiniSpeedHeight = 21;
constexpr int SteeringArrowSize = 45;
// The gap between the panels of the side panel's column: the tool dialog ends this far above
// the panel below it.
constexpr int ToolDialogGap = 2;
// The tool dialog's height: the tallest page's least height with the tabs; on a short screen it
// gives way down to the tabs and a few rows, so that the readouts below it stay whole.
constexpr int ToolDialogHeight = 500;
constexpr int ToolDialogLeastHeight = 160;
// The mini chart keeps room for the look-ahead button at its corner and a view around the ship
// however short the screen: the tool dialog gives way first.
constexpr int MiniChartLeastHeight = 100;

void BuildWaypointPanel(QWidget* parent, MainWindowControls& c)
{
    QFrame* panel = c.WpPanel = Panel(parent, "WpPanel");
    QGridLayout* grid = Grid(panel);
    c.PaintCrs = Named<QWidget>(panel, "PaintCrs");
    c.PaintCrs->setFixedSize(SteeringArrowSize, SteeringArrowSize);
    c.txXTE = Readout(panel, "txXTE");
    c.txDev = Readout(panel, "txDev");
    grid->addWidget(c.PaintCrs, 0, 0, 2, 1);
    grid->addWidget(c.txXTE, 0, 1);
    grid->addWidget(c.txDev, 1, 1);
    c.paintXTE = Named<QWidget>(panel, "paintXTE");
    c.paintXTE->setFixedHeight(10);
    grid->addWidget(c.paintXTE, 2, 0, 1, 2);

    c.boxETA = Group(panel, "boxETA", "To wp");
    c.pnETA = Panel(c.boxETA, "pnETA");
    QVBoxLayout* eta = Column(c.pnETA);
    c.txDTGend = Readout(c.pnETA, "txDTGend");
    c.txETA = Readout(c.pnETA, "txETA");
    c.txTTG = Readout(c.pnETA, "txTTG");
    AddAll(eta, {c.txDTGend, c.txETA, c.txTTG});
    Column(c.boxETA)->addWidget(c.pnETA);
    grid->addWidget(c.boxETA, 3, 0, 1, 2);

    c.boxCTS = Group(panel, "boxCTS", "Next WOP");
    QVBoxLayout* steer = Column(c.boxCTS);
    c.txCTS = Readout(c.boxCTS, "txCTS");
    c.txCTS2 = Readout(c.boxCTS, "txCTS2");
    c.txDTGwp = Readout(c.boxCTS, "txDTGwp");
    AddAll(steer, {c.txCTS, c.txCTS2, c.txDTGwp});
    grid->addWidget(c.boxCTS, 4, 0, 1, 2);
    InstallRoutePanelPainters(c);
    panel->hide();  // shown while a route is followed
}

// A bevel frame holding one panel; the two are shown and hidden together.
QFrame* Bevel(QWidget* parent, const char* bevelName, const char* panelName, QFrame*& panel)
{
    QFrame* bevel = Named<QFrame>(parent, bevelName);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel = Panel(bevel, panelName);
    Column(bevel)->addWidget(panel);
    return bevel;
}

void BuildReadoutPanels(QWidget* parent, QVBoxLayout* column, MainWindowControls& c)
{
    c.TrackBevel = Bevel(parent, "TrackBevel", "TrackPanel", c.TrackPanel);
    auto* track = new QHBoxLayout(c.TrackPanel);
    track->setContentsMargins(2, 2, 2, 2);
    c.btnTrack = Button(c.TrackPanel, "btnTrack", "Track", Press::Toggle);
    c.btnTrack->setToolTip(Text("Realtime saving track"));
    c.txTrack = Readout(c.TrackPanel, "txTrack");
    track->addWidget(c.btnTrack);
    track->addWidget(c.txTrack);
    column->addWidget(c.TrackBevel);

    c.DepthBevel = Bevel(parent, "DepthBevel", "DepthPanel", c.DepthPanel);
    auto* depth = new QHBoxLayout(c.DepthPanel);
    depth->setContentsMargins(2, 2, 2, 2);
    c.DepthLabel = Label(c.DepthPanel, "DepthLabel", "mtr.");
    c.txDpt = Readout(c.DepthPanel, "txDpt");
    c.cmbDepthSave = Combo(c.DepthPanel, "cmbDepthSave", {"off", "voy", "fld", "max"});
    depth->addWidget(c.DepthLabel);
    depth->addWidget(c.txDpt);
    depth->addWidget(c.cmbDepthSave);
    column->addWidget(c.DepthBevel);
    c.DepthPanel->hide();  // both appear with the first depth
    c.DepthBevel->hide();

    c.CursPanel = Panel(parent, "CursPanel");
    QGridLayout* cursor = Grid(c.CursPanel);
    c.txCursor = Label(c.CursPanel, "txCursor", "Cursor");
    c.txCurs3D = Label(c.CursPanel, "txCurs3D", "");
    c.txCursLat = Readout(c.CursPanel, "txCursLat");
    c.txCursLon = Readout(c.CursPanel, "txCursLon");
    c.txCursEBL = Readout(c.CursPanel, "txCursEBL");
    c.txCursVRM = Readout(c.CursPanel, "txCursVRM");
    c.btnPosition = Button(c.CursPanel, "btnPosition", "Pos", Press::Toggle);
    c.btnBearNm = Button(c.CursPanel, "btnBearNm", "Nm");
    AddRow(cursor, {c.txCursor, c.txCurs3D});
    AddRow(cursor, {c.txCursLat, c.btnPosition});
    AddRow(cursor, {c.txCursLon});
    AddRow(cursor, {c.txCursEBL, c.btnBearNm});
    AddRow(cursor, {c.txCursVRM});
    column->addWidget(c.CursPanel);

    c.ckHide2 = Check(parent, "ckHide2", "Hide");
    column->addWidget(c.ckHide2);

    c.GpsPanel = Panel(parent, "GpsPanel");
    QGridLayout* gps = Grid(c.GpsPanel);
    c.txGPS = Label(c.GpsPanel, "txGPS", "GPS");
    c.txSats = Label(c.GpsPanel, "txSats", "missing");
    c.txLat = Readout(c.GpsPanel, "txLat");
    c.txLon = Readout(c.GpsPanel, "txLon");
    c.txCOG = Readout(c.GpsPanel, "txCOG");
    c.txHDT = Readout(c.GpsPanel, "txHDT");
    c.txSOG = Readout(c.GpsPanel, "txSOG");
    c.txSTW = Readout(c.GpsPanel, "txSTW");
    AddRow(gps, {c.txGPS, c.txSats});
    AddRow(gps, {c.txLat});
    AddRow(gps, {c.txLon});
    AddRow(gps, {c.txCOG, c.txHDT});
    AddRow(gps, {c.txSOG, c.txSTW});
    column->addWidget(c.GpsPanel);

    c.WindBevel = Bevel(parent, "WindBevel", "WindPanel", c.WindPanel);
    auto* wind = new QHBoxLayout(c.WindPanel);
    wind->setContentsMargins(2, 2, 2, 2);
    c.txWndSpd = Readout(c.WindPanel, "txWndSpd");
    c.txWndDir = Readout(c.WindPanel, "txWndDir");
    wind->addWidget(c.txWndSpd);
    wind->addWidget(c.txWndDir);
    column->addWidget(c.WindBevel);
    c.WindPanel->hide();  // both appear with the first wind reading
    c.WindBevel->hide();
}

// The look-ahead button and its minimum speed lie over the mini chart's top-left corner: children
// of the paint box, drawn over its chart.
void BuildMiniChartCorner(MainWindowControls& c)
{
    QWidget* mini = c.CM93mini;
    c.pnMiniAuto = Panel(mini, "pnMiniAuto");
    c.btnMiniAuto = Named<QToolButton>(c.pnMiniAuto, "btnMiniAuto");
    c.btnMiniAuto->setText(Text("Look"));
    c.btnMiniAuto->setCheckable(true);
    c.btnMiniAuto->setEnabled(false);
    Column(c.pnMiniAuto)->addWidget(c.btnMiniAuto);
    c.pnMiniAuto->adjustSize();
    c.pnMiniAuto->move(MiniCornerInset, MiniCornerInset);
    c.edMiniSpeed = ValueEdit(mini, "edMiniSpeed");
    c.edMiniSpeed->setGeometry(MiniSpeedEditLeft, MiniCornerInset, MiniSpeedUpDownLeft - MiniSpeedEditLeft,
                               MiniSpeedHeight);
    c.udMiniSpeed = UpDown(mini, "udMiniSpeed", 0, 6);
    c.udMiniSpeed->setFixedWidth(MiniSpeedUpDownWidth);
    c.udMiniSpeed->setGeometry(MiniSpeedUpDownLeft, MiniCornerInset, MiniSpeedUpDownWidth, MiniSpeedHeight);
    c.udMiniSpeed->hide();  // shown while the look-ahead runs
    c.edMiniSpeed->hide();
}

// Places the bars at the window's edges whenever the window is resized or the tool bar is shown
// or hidden.
class EdgeBars : public QObject {
public:
    EdgeBars(QMainWindow& window, MainWindowControls& c) : QObject(&window), window_(window), c_(c)
    {
        window.installEventFilter(this);
        c.ToolBar1->installEventFilter(this);
        place();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((watched == &window_ && type == QEvent::Resize) ||
            (watched == c_.ToolBar1 && (type == QEvent::Show || type == QEvent::Hide)))
            place();
        return false;
    }

private:
    void place()
    {
        const int width = window_.width();
        c_.ToolBar1->setGeometry(0, 0, width, ToolBarHeight);
        const int top = c_.ToolBar1->isHidden() ? 0 : ToolBarHeight;
        c_.MainPanel->setGeometry(width - MainPanelWidth, top, MainPanelWidth, window_.height() - top);
    }

    QMainWindow& window_;
    MainWindowControls& c_;
};

}  // namespace

void BuildMainPanel(QMainWindow& window, MainWindowControls& c)
{
    // No frame: the look-ahead controls at the mini chart's corner need its whole width.
    QFrame* panel = c.MainPanel = Named<QFrame>(&window, "MainPanel");
    panel->setAutoFillBackground(true);
    QVBoxLayout* column = Column(panel);
    column->setSpacing(ToolDialogGap);

    c.CM93mini = Named<QWidget>(panel, "CM93mini");
    c.CM93mini->setMinimumHeight(MiniChartLeastHeight);
    column->addWidget(c.CM93mini, 1);
    BuildMiniChartCorner(c);
    c.TimeLabel = Label(panel, "TimeLabel", "");
    c.TimeLabel->setAlignment(Qt::AlignCenter);
    column->addWidget(c.TimeLabel);
    // The mini chart takes what the tool dialog leaves above it.
    BuildToolDialog(panel, c);
    c.ToolDlg->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    c.ToolDlg->setMinimumHeight(ToolDialogLeastHeight);
    c.ToolDlg->setMaximumHeight(ToolDialogHeight);
    column->addWidget(c.ToolDlg);
    BuildWaypointPanel(panel, c);
    column->addWidget(c.WpPanel);
    c.Notice = Label(panel, "Notice", "");
    c.Notice->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c.Notice->setAutoFillBackground(true);
    column->addWidget(c.Notice);
    BuildReadoutPanels(panel, column, c);
    panel->hide();  // shown at the end of the start-up
}

void KeepBarsAtEdges(QMainWindow& window, MainWindowControls& c)
{
    new EdgeBars(window, c);
}
