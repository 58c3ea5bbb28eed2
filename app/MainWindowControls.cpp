#include "app/MainWindowControls.h"

#include "app/ControlFactory.h"
#include "app/MainPanelControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace {

using namespace controls;

// Design sizes in pixels.
constexpr QSize ToolButtonSize(27, 26);
constexpr int ModeComboWidth = 38;  // Daylight and DispMode
constexpr int ZoomPanelWidth = 80;
constexpr int DrawingBarWidth = 32;
constexpr QSize DrawingButtonSize(28, 26);
constexpr QSize SlavePanelSize(160, 73);
constexpr QSize LoranPanelSize(113, 89);
constexpr QSize ChainPanelSize(220, 54);
constexpr QSize CheckPanelSize(248, 48);
constexpr int SwatchSize = 20;
constexpr int ToolPageFontPixels = 11;
constexpr int PaletteColumns = 5;
constexpr int PaletteImages = 50;

// Six colour buttons, red, blue, green, yellow, magenta, black: the user colours 1..6.
void AddColourButtons(QToolBar* bar)
{
    constexpr const char* Colours[][2] = {{"R", "Red"},    {"B", "Blue"},    {"G", "Green"},
                                          {"Y", "Yellow"}, {"M", "Magenta"}, {"K", "Black"}};
    for (const auto& colour : Colours) {
        auto* button = new QToolButton(bar);
        button->setText(Text(colour[0]));
        button->setToolTip(Text(colour[1]));
        button->setCheckable(true);
        button->setFixedSize(DrawingButtonSize);
        bar->addWidget(button);
    }
}

void BuildToolBar(QMainWindow& window, MainWindowControls& c)
{
    QToolBar* bar = c.ToolBar1 = Named<QToolBar>(&window, "ToolBar1");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setFixedHeight(ToolBarHeight);
    bar->setAutoFillBackground(true);  // it lies over the chart while the chart takes the top
    // The controls sit edge to edge: the buttons share the bar's width less a fixed room for the
    // others (ToolBarButtons.h).
    bar->layout()->setSpacing(0);
    bar->layout()->setContentsMargins(0, 0, 0, 0);

    auto once = [bar](const char* name, const char* text, const char* hint = nullptr) {
        return AddToolButton(bar, name, text, hint, Press::Once, ToolButtonSize);
    };
    auto toggle = [bar](const char* name, const char* text, const char* hint = nullptr) {
        return AddToolButton(bar, name, text, hint, Press::Toggle, ToolButtonSize);
    };

    c.ExitBtn = once("ExitBtn", "Exit");
    c.Daylight = Combo(bar, "Daylight", {"1", "2", "3", "4", "5"});
    c.Daylight->setFixedWidth(ModeComboWidth);
    bar->addWidget(c.Daylight);
    c.DispMode = Combo(bar, "DispMode", {"1", "2", "3", "4"});
    c.DispMode->setFixedWidth(ModeComboWidth);
    bar->addWidget(c.DispMode);
    c.S52Btn = toggle("S52Btn", "S52");
    c.Show2DBtn = toggle("Show2DBtn", "2D");
    c.Show3DBtn = toggle("Show3DBtn", "3D");
    c.WeatherBtn = toggle("WeatherBtn", "Wx");
    c.RadarBtn = toggle("RadarBtn", "Radar");
    c.ZoomInBtn = once("ZoomInBtn", "+");
    c.ZoomPanel = Label(bar, "ZoomPanel", "1:30000");
    c.ZoomPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c.ZoomPanel->setAlignment(Qt::AlignCenter);
    c.ZoomPanel->setFixedWidth(ZoomPanelWidth);
    c.ZoomPanel->setAutoFillBackground(true);
    QFont scaleFont = c.ZoomPanel->font();
    scaleFont.setBold(true);
    scaleFont.setPixelSize(13);
    c.ZoomPanel->setFont(scaleFont);
    bar->addWidget(c.ZoomPanel);
    c.ZoomOutBtn = once("ZoomOutBtn", "-");
    c.Wbtn = toggle("Wbtn", "Global", "Global");
    c.Abtn = toggle("Abtn", "World", "Zone");
    c.Bbtn = toggle("Bbtn", "Overview", "Overview");
    c.Cbtn = toggle("Cbtn", "Crossing", "General");
    c.Dbtn = toggle("Dbtn", "Coastal", "Coastal");
    c.Ebtn = toggle("Ebtn", "Approach", "Approach");
    c.Fbtn = toggle("Fbtn", "Harbour", "Harbour");
    c.Gbtn = toggle("Gbtn", "Plan", "Berthing");
    c.AutoBtn = toggle("AutoBtn", "Auto", "Auto");
    c.AutoBtn->setEnabled(false);
    c.QueryBtn = toggle("QueryBtn", "?");
    c.BearingBtn = toggle("BearingBtn", "Brg");
    c.Arpa1Btn = toggle("Arpa1Btn", "ARPA");
    c.Arpa2Btn = toggle("Arpa2Btn", "ARPA2");
    c.AisBtn = toggle("AisBtn", "AIS");
    c.EventMarkBtn = once("EventMarkBtn", "Mark");
    c.RouteBtn = toggle("RouteBtn", "Route");
    c.TrackBtn = toggle("TrackBtn", "Track");
    c.SymbolBtn = toggle("SymbolBtn", "Symbol");
    c.ToolBtn = toggle("ToolBtn", "Tools");
    c.ToolBtn->setChecked(true);  // the tool dialog shows from the start
    bar->addSeparator();
    c.ckHide = Check(bar, "ckHide", "Hide");
    bar->addWidget(c.ckHide);
    bar->hide();  // shown at the end of the start-up
}

void BuildSetupPage(QTabWidget* dialog, MainWindowControls& c)
{
    QWidget* page = c.TabSetup = Named<QWidget>(dialog, "TabSetup");
    QGridLayout* grid = Grid(page);
    c.txLanguage = Label(page, "txLanguage", "Language");
    c.cmbLanguage = Named<QComboBox>(page, "cmbLanguage");
    AddWide(grid, {c.txLanguage, c.cmbLanguage});
    c.cmbSetup = Combo(page, "cmbSetup",
                       {"System setup:", "Mnea data ports", "Own ship and sensors",
                        "CM93/3 database", "C-Map online chart update"});
    AddWide(grid, {c.cmbSetup});
    c.edMonitor = ValueEdit(page, "edMonitor");
    c.udMonitor = UpDown(page, "udMonitor", 10, 50);
    AddRow(grid, {nullptr, c.edMonitor, c.udMonitor});
    c.ckAltNight = Check(page, "ckAltNight", "Night colours");
    c.ckRouteLeg = Check(page, "ckRouteLeg", "Route legs");
    c.ckHints = Check(page, "ckHints", "Hints");
    c.ckScreenKeyb = Check(page, "ckScreenKeyb", "Screen keyboard");
    c.ckLoranPos = Check(page, "ckLoranPos", "LORAN-C");
    c.ckDeccaPos = Check(page, "ckDeccaPos", "Decca");
    AddWide(grid, {c.ckAltNight, c.ckRouteLeg, c.ckHints, c.ckScreenKeyb, c.ckLoranPos,
                   c.ckDeccaPos});

    c.cbSetupAlarm = Group(page, "cbSetupAlarm", "Alarms");
    QVBoxLayout* alarms = Column(c.cbSetupAlarm);
    c.ckAlarmGps = Check(c.cbSetupAlarm, "ckAlarmGps", "GPS");
    c.ckAlarmWp = Check(c.cbSetupAlarm, "ckAlarmWp", "Waypoint");
    c.ckAlarmXte = Check(c.cbSetupAlarm, "ckAlarmXte", "Cross track");
    c.ckAlarmSafety = Check(c.cbSetupAlarm, "ckAlarmSafety", "Safety contour");
    c.ckAlarmWarning = Check(c.cbSetupAlarm, "ckAlarmWarning", "Warning");
    AddAll(alarms, {c.ckAlarmGps, c.ckAlarmWp, c.ckAlarmXte, c.ckAlarmSafety, c.ckAlarmWarning});
    AddWide(grid, {c.cbSetupAlarm});
    EndPage(grid);
    dialog->addTab(page, Text("Setup"));
}

void BuildChartPage(QTabWidget* dialog, MainWindowControls& c)
{
    QWidget* page = c.TabChart = Named<QWidget>(dialog, "TabChart");
    QGridLayout* grid = Grid(page);
    c.txShallow = Label(page, "txShallow", "Shallow");
    c.edShallowCont = ValueEdit(page, "edShallowCont");
    c.udShallowCont = UpDown(page, "udShallowCont", 1, 10);
    AddRow(grid, {c.txShallow, c.edShallowCont, c.udShallowCont});
    c.txSafety = Label(page, "txSafety", "Safety");
    c.edSafety = ValueEdit(page, "edSafety");
    c.udSafety = UpDown(page, "udSafety", 0, 30);
    AddRow(grid, {c.txSafety, c.edSafety, c.udSafety});
    c.txDeep = Label(page, "txDeep", "Deep");
    c.edDeepCont = ValueEdit(page, "edDeepCont");
    c.udDeepCont = UpDown(page, "udDeepCont", 1, 6);
    AddRow(grid, {c.txDeep, c.edDeepCont, c.udDeepCont});
    c.edFwd = ValueEdit(page, "edFwd");
    c.udFwd = UpDown(page, "udFwd", 1, 30);
    AddRow(grid, {nullptr, c.edFwd, c.udFwd});
    c.edSector = ValueEdit(page, "edSector");
    c.udSector = UpDown(page, "udSector", 5, 45);
    AddRow(grid, {nullptr, c.edSector, c.udSector});
    c.txResolution = Label(page, "txResolution", "Resolution");
    c.edResolution = ValueEdit(page, "edResolution");
    c.udResolution = UpDown(page, "udResolution", 1, 12);
    AddRow(grid, {c.txResolution, c.edResolution, c.udResolution});
    c.txDptUnit = Label(page, "txDptUnit", "Depth unit");
    c.cmbDepthUnit = Combo(page, "cmbDepthUnit", {"mtr.", "feet", "fath"});
    AddRow(grid, {c.txDptUnit, c.cmbDepthUnit});
    c.cklChart = CheckList(page, "cklChart",
                           {"Layer 1", "Layer 2", "Layer 3", "Layer 4", "Layer 5", "Layer 6",
                            "Layer 7", "Layer 8", "Layer 9", "Layer 10", "Layer 11", "Layer 12",
                            "Layer 13", "Layer 14", "Layer 15", "Layer 16"});
    AddWide(grid, {c.cklChart});

    c.gbPres = Group(page, "gbPres", "Presentation");
    QVBoxLayout* presentation = Column(c.gbPres);
    c.rbBase = Radio(c.gbPres, "rbBase", "Base");
    c.rbStd = Radio(c.gbPres, "rbStd", "Standard");
    c.rbFull = Radio(c.gbPres, "rbFull", "Full");
    AddAll(presentation, {c.rbBase, c.rbStd, c.rbFull});
    AddWide(grid, {c.gbPres});
    EndPage(grid);
    dialog->addTab(page, Text("Chart"));
}

void BuildBoatPage(QTabWidget* dialog, MainWindowControls& c)
{
    QWidget* page = c.TabBoat = Named<QWidget>(dialog, "TabBoat");
    QGridLayout* grid = Grid(page);
    c.txBoatOff = Label(page, "txBoatOff", "Offset");
    c.tbBoatOff = TrackBar(page, "tbBoatOff", 0, 10);
    c.txBoatSens = Label(page, "txBoatSens", "Sensitivity");
    c.tbBoatSens = TrackBar(page, "tbBoatSens", 0, 10);
    AddWide(grid, {c.txBoatOff, c.tbBoatOff, c.txBoatSens, c.tbBoatSens});

    c.gbBoatVector = Group(page, "gbBoatVector", "Vector");
    QGridLayout* vector = Grid(c.gbBoatVector);
    c.edBoatVector = ValueEdit(c.gbBoatVector, "edBoatVector");
    c.udBoatVector = UpDown(c.gbBoatVector, "udBoatVector", 0, 60);
    c.rbVectorMin = Radio(c.gbBoatVector, "rbVectorMin", "min");
    c.rbVectorNm = Radio(c.gbBoatVector, "rbVectorNm", "Nm");
    AddRow(vector, {c.edBoatVector, c.udBoatVector});
    AddRow(vector, {c.rbVectorMin, c.rbVectorNm});
    AddWide(grid, {c.gbBoatVector});

    c.gbBoatConv = Group(page, "gbBoatConv", "Track");
    QGridLayout* conversion = Grid(c.gbBoatConv);
    c.ckTrack2Route = Check(c.gbBoatConv, "ckTrack2Route", "Track to route");
    conversion->addWidget(c.ckTrack2Route, 0, 0, 1, 3);
    c.txBoatConv = Label(c.gbBoatConv, "txBoatConv", "Tolerance");
    c.edBoatConv = ValueEdit(c.gbBoatConv, "edBoatConv");
    c.udBoatConv = UpDown(c.gbBoatConv, "udBoatConv", 0, 100);
    AddRow(conversion, {c.txBoatConv, c.edBoatConv, c.udBoatConv});
    AddWide(grid, {c.gbBoatConv});

    c.txLane = Label(page, "txLane", "Lane");
    c.edWpLane = ValueEdit(page, "edWpLane");
    c.udWpLane = UpDown(page, "udWpLane", 0, 100);
    AddRow(grid, {c.txLane, c.edWpLane, c.udWpLane});
    c.ckShowLane = Check(page, "ckShowLane", "Show lane");
    AddWide(grid, {c.ckShowLane});
    c.txWpRadius = Label(page, "txWpRadius", "Radius");
    c.edWpRadius = ValueEdit(page, "edWpRadius");
    c.udWpRadius = UpDown(page, "udWpRadius", -1, 100);
    AddRow(grid, {c.txWpRadius, c.edWpRadius, c.udWpRadius});
    c.txBoatMag = Label(page, "txBoatMag", "Variation");
    c.edBoatMag = ValueEdit(page, "edBoatMag");
    c.udBoatMag = UpDown(page, "udBoatMag", -500, 500);
    AddRow(grid, {c.txBoatMag, c.edBoatMag, c.udBoatMag});
    EndPage(grid);
    dialog->addTab(page, Text("Boat"));
}

void Build3DPage(QTabWidget* dialog, MainWindowControls& c)
{
    QWidget* page = c.Tab3D = Named<QWidget>(dialog, "Tab3D");
    QGridLayout* grid = Grid(page);
    c.tx3Ddata = Label(page, "tx3Ddata", "Data");
    c.cmb3Ddata = Combo(page, "cmb3Ddata", {"chart", "sound", "both"});
    AddRow(grid, {c.tx3Ddata, c.cmb3Ddata});
    c.tx3DPal = Label(page, "tx3DPal", "Palette");
    c.cmb3DPal = Combo(page, "cmb3DPal", {"grey", "blue", "blue-red", "multi"});
    AddRow(grid, {c.tx3DPal, c.cmb3DPal});
    c.tx3DFrom = Label(page, "tx3DFrom", "From");
    c.ed3DFrom = ValueEdit(page, "ed3DFrom");
    c.ud3DFrom = UpDown(page, "ud3DFrom", 0, 100);
    AddRow(grid, {c.tx3DFrom, c.ed3DFrom, c.ud3DFrom});
    c.tx3DTo = Label(page, "tx3DTo", "To");
    c.ed3DTo = ValueEdit(page, "ed3DTo");
    c.ud3DTo = UpDown(page, "ud3DTo", 0, 101);
    AddRow(grid, {c.tx3DTo, c.ed3DTo, c.ud3DTo});

    c.gb3DCont = Group(page, "gb3DCont", "Contours");
    QGridLayout* contours = Grid(c.gb3DCont);
    c.ck3DCont = Check(c.gb3DCont, "ck3DCont", "Show");
    contours->addWidget(c.ck3DCont, 0, 0, 1, 3);
    c.tx3DCont = Label(c.gb3DCont, "tx3DCont", "Interval");
    c.ed3DCont = ValueEdit(c.gb3DCont, "ed3DCont");
    c.ud3DCont = UpDown(c.gb3DCont, "ud3DCont", 1, 8);
    AddRow(contours, {c.tx3DCont, c.ed3DCont, c.ud3DCont});
    c.cmb3DCont =
        Combo(c.gb3DCont, "cmb3DCont", {"black", "grey", "white", "blue", "green", "brown"});
    contours->addWidget(c.cmb3DCont, contours->rowCount(), 0, 1, 3);
    AddWide(grid, {c.gb3DCont});

    c.ck3DRelief = Check(page, "ck3DRelief", "Relief");
    c.ck3DMark = Check(page, "ck3DMark", "Marks");
    c.btn3DCheck = Button(page, "btn3DCheck", "Check");
    c.btn3DCheck->hide();  // shown on a 2D view east of longitude 0
    AddWide(grid, {c.ck3DRelief, c.ck3DMark, c.btn3DCheck});
    c.ed3DDepth = ValueEdit(page, "ed3DDepth");
    c.ud3DDepth = UpDown(page, "ud3DDepth", 1, 20);
    AddRow(grid, {nullptr, c.ed3DDepth, c.ud3DDepth});

    c.gb3DTide = Group(page, "gb3DTide", "Tide");
    QGridLayout* tide = Grid(c.gb3DTide);
    c.tx3DPrediction = Label(c.gb3DTide, "tx3DPrediction", "Prediction");
    c.txTide = Readout(c.gb3DTide, "txTide");
    AddRow(tide, {c.tx3DPrediction, c.txTide});
    c.btn3DTide = Button(c.gb3DTide, "btn3DTide", "Tide port");
    tide->addWidget(c.btn3DTide, tide->rowCount(), 0, 1, 3);
    c.tx3DTideCorr = Label(c.gb3DTide, "tx3DTideCorr", "Correction");
    c.ed3DTide = ValueEdit(c.gb3DTide, "ed3DTide");
    c.ud3DTide = UpDown(c.gb3DTide, "ud3DTide", -100, 100);
    AddRow(tide, {c.tx3DTideCorr, c.ed3DTide, c.ud3DTide});
    AddWide(grid, {c.gb3DTide});

    c.gb3DDot = Group(page, "gb3DDot", "Dots");
    auto* dots = new QHBoxLayout(c.gb3DDot);
    c.rb3DDot5 = Radio(c.gb3DDot, "rb3DDot5", "5");
    c.rb3DDot10 = Radio(c.gb3DDot, "rb3DDot10", "10");
    c.rb3DDot20 = Radio(c.gb3DDot, "rb3DDot20", "20");
    AddAll(dots, {c.rb3DDot5, c.rb3DDot10, c.rb3DDot20});
    AddWide(grid, {c.gb3DDot});
    EndPage(grid);
    dialog->addTab(page, Text("2D/3D"));
}

void BuildDataPage(QTabWidget* dialog, MainWindowControls& c)
{
    QWidget* page = c.TabData = Named<QWidget>(dialog, "TabData");
    QGridLayout* grid = Grid(page);

    c.gbDataBase = Group(page, "gbDataBase", "Select databases");
    QGridLayout* inUse = Grid(c.gbDataBase);
    c.ckDbA = Radio(c.gbDataBase, "ckDbA", "A");
    c.ckDbB = Radio(c.gbDataBase, "ckDbB", "B");
    c.ckDbC = Radio(c.gbDataBase, "ckDbC", "C");
    c.ckDbD = Radio(c.gbDataBase, "ckDbD", "D");
    c.ckDbE = Radio(c.gbDataBase, "ckDbE", "E");
    c.ckDbF = Radio(c.gbDataBase, "ckDbF", "F");
    AddRow(inUse, {c.ckDbA, c.ckDbB, c.ckDbC});
    AddRow(inUse, {c.ckDbD, c.ckDbE, c.ckDbF});
    AddWide(grid, {c.gbDataBase});

    c.gbDisplayData = Group(page, "gbDisplayData", "Display");
    QGridLayout* drawn = Grid(c.gbDisplayData);
    c.ckDbxA = Check(c.gbDisplayData, "ckDbxA", "A");
    c.ckDbxB = Check(c.gbDisplayData, "ckDbxB", "B");
    c.ckDbxC = Check(c.gbDisplayData, "ckDbxC", "C");
    c.ckDbxD = Check(c.gbDisplayData, "ckDbxD", "D");
    c.ckDbxE = Check(c.gbDisplayData, "ckDbxE", "E");
    c.ckDbxF = Check(c.gbDisplayData, "ckDbxF", "F");
    AddRow(drawn, {c.ckDbxA, c.ckDbxB, c.ckDbxC});
    AddRow(drawn, {c.ckDbxD, c.ckDbxE, c.ckDbxF});
    AddWide(grid, {c.gbDisplayData});

    // A radio group: its items are its radio buttons, in order.
    c.rgDataData = Group(page, "rgDataData", "Function");
    QVBoxLayout* function = Column(c.rgDataData);
    for (const char* item : {"Copy OUT", "Copy IN", "Delete"})
        function->addWidget(new QRadioButton(Text(item), c.rgDataData));
    AddWide(grid, {c.rgDataData});

    c.cklDataCopy = CheckList(page, "cklDataCopy",
                              {"Routes", "Tracks", "Symbols", "Line/areas", "3D Depths"});
    c.cklDataCopy->setToolTip(Text("Select objects"));
    AddWide(grid, {c.cklDataCopy});

    c.gbDataSelection = Group(page, "gbDataSelection", "Selection");
    QVBoxLayout* selection = Column(c.gbDataSelection);
    c.rbDataAll = Radio(c.gbDataSelection, "rbDataAll", "All");
    c.rbDataShown = Radio(c.gbDataSelection, "rbDataShown", "Display selection");
    c.ckDataArea = Check(c.gbDataSelection, "ckDataArea", "Limited area");
    c.dtCopyFrom = DatePicker(c.gbDataSelection, "dtCopyFrom", "dd.MMM.yy -->");
    AddAll(selection, {c.rbDataAll, c.rbDataShown, c.ckDataArea, c.dtCopyFrom});
    AddWide(grid, {c.gbDataSelection});

    c.ckDataPass = Check(page, "ckDataPass", "Password protect");
    AddWide(grid, {c.ckDataPass});
    c.btnDataExecute = Button(page, "btnDataExecute", "Execute");
    c.btnDataInfo = Button(page, "btnDataInfo", "Info");
    c.btnFiles = Button(page, "btnFiles", "Files");
    AddRow(grid, {c.btnDataExecute, c.btnDataInfo, c.btnFiles});
    EndPage(grid);

    // The file list of data set F lies over the page while it is open.
    c.pnFiles = Panel(page, "pnFiles");
    QVBoxLayout* files = Column(c.pnFiles);
    c.lbFiles = Named<QListWidget>(c.pnFiles, "lbFiles");
    c.lbFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    c.btnFilesOk = Button(c.pnFiles, "btnFilesOk", "OK");
    c.btnFilesAllDel = Button(c.pnFiles, "btnFilesAllDel", "Delet ALL (incl. stored)");
    c.btnFilesSelDel = Button(c.pnFiles, "btnFilesSelDel", "Delete selected data");
    AddAll(files, {c.lbFiles, c.btnFilesOk, c.btnFilesAllDel, c.btnFilesSelDel});
    c.pnFiles->setGeometry(0, 0, MainPanelWidth - 8, 300);
    c.pnFiles->hide();
    dialog->addTab(page, Text("Data"));
}

void BuildLogPage(QTabWidget* dialog, MainWindowControls& c)
{
    QWidget* page = c.TabLog = Named<QWidget>(dialog, "TabLog");
    QGridLayout* grid = Grid(page);

    c.gbLogFile = Group(page, "gbLogFile", "Log text file");
    QGridLayout* log = Grid(c.gbLogFile);
    c.ckLogActive = Check(c.gbLogFile, "ckLogActive", "Activate auto log");
    log->addWidget(c.ckLogActive, 0, 0, 1, 2);
    c.txLogInterval = Label(c.gbLogFile, "txLogInterval", "Interval");
    c.cbLogInterval = Combo(c.gbLogFile, "cbLogInterval",
                            {"20 min", "1 hour", "4 hour", "1 min", "2 min", "5 min", "10 min"});
    AddRow(log, {c.txLogInterval, c.cbLogInterval});
    AddWide(grid, {c.gbLogFile});

    c.boxLogData = Group(page, "boxLogData", "Date");
    QGridLayout* day = Grid(c.boxLogData);
    c.dtLogDate = DatePicker(c.boxLogData, "dtLogDate", " dd. MMM. yyyy");
    day->addWidget(c.dtLogDate, 0, 0, 1, 2);
    c.btnLogLog = Button(c.boxLogData, "btnLogLog", "Access");
    c.btnLogRoute = Button(c.boxLogData, "btnLogRoute", "As route");
    c.btnLogLog->setEnabled(false);
    c.btnLogRoute->setEnabled(false);
    AddRow(day, {c.btnLogLog, c.btnLogRoute});
    AddWide(grid, {c.boxLogData});

    c.gbHistory = Group(page, "gbHistory", "History ");
    QVBoxLayout* history = Column(c.gbHistory);
    c.btnReplay = Button(c.gbHistory, "btnReplay", "Replay situation", Press::Toggle);
    c.btnAisDb = Button(c.gbHistory, "btnAisDb", "Query ais ship data", Press::Toggle);
    c.btnAisLog = Button(c.gbHistory, "btnAisLog", "Ais guardzone log", Press::Toggle);
    c.btnScreenshots = Button(c.gbHistory, "btnScreenshots", "Screenshots");
    AddAll(history, {c.btnReplay, c.btnAisDb, c.btnAisLog, c.btnScreenshots});
    AddWide(grid, {c.gbHistory});
    EndPage(grid);
    dialog->addTab(page, Text("Log"));
}

void BuildTargetPage(QTabWidget* dialog, MainWindowControls& c)
{
    QWidget* page = c.TabAis = Named<QWidget>(dialog, "TabAis");
    QGridLayout* grid = Grid(page);
    c.txAisRange = Label(page, "txAisRange", "Range");
    c.cmbAisRange = Combo(page, "cmbAisRange", {"5 Nm", "10 Nm", "15 Nm", "20 Nm", "30 Nm", "40 Nm",
                                                "50 Nm", "no limit"});
    AddRow(grid, {c.txAisRange, c.cmbAisRange});
    c.txTrackTime = Label(page, "txTrackTime", "Tracks");
    c.cmbAisTrack = Combo(page, "cmbAisTrack",
                          {"3 min.", "6 min.", "12 min.", "20 min.", "30 min.", "45 min.", "1 h.",
                           "1.5 h.", "2 h.", "4 h.", "6 h.", "12 h.", "24 h."});
    AddRow(grid, {c.txTrackTime, c.cmbAisTrack});
    c.ckAisTracks = Check(page, "ckAisTracks", "Show tracks");
    c.ckAisNames = Check(page, "ckAisNames", "Show names");
    AddWide(grid, {c.ckAisTracks, c.ckAisNames});

    c.gbCpa = Group(page, "gbCpa", "CPA");
    QGridLayout* cpa = Grid(c.gbCpa);
    c.txCpaDist = Label(c.gbCpa, "txCpaDist", "Distance");
    c.edCpaDist = ValueEdit(c.gbCpa, "edCpaDist");
    c.udCpaDist = UpDown(c.gbCpa, "udCpaDist", 0, 20);
    AddRow(cpa, {c.txCpaDist, c.edCpaDist, c.udCpaDist});
    c.txCpaTime = Label(c.gbCpa, "txCpaTime", "Time");
    c.cmbCpaTime =
        Combo(c.gbCpa, "cmbCpaTime", {"3 min.", "6 min.", "12 min.", "20 min.", "30 min."});
    AddRow(cpa, {c.txCpaTime, c.cmbCpaTime});
    c.ckCpaShow = Check(c.gbCpa, "ckCpaShow", "Show CPA");
    cpa->addWidget(c.ckCpaShow, cpa->rowCount(), 0, 1, 3);
    AddWide(grid, {c.gbCpa});

    c.ckAisWarnings = Check(page, "ckAisWarnings", "Warnings");
    c.ckAisMsgs = Check(page, "ckAisMsgs", "Messages");
    c.ckAisLog = Check(page, "ckAisLog", "Guard zone log");
    AddWide(grid, {c.ckAisWarnings, c.ckAisMsgs, c.ckAisLog});
    EndPage(grid);
    dialog->addTab(page, Text("Target"));
}

void BuildSlavePanel(QMainWindow& window, MainWindowControls& c)
{
    QFrame* panel = c.SlavePanel = Panel(&window, "SlavePanel");
    QGridLayout* grid = Grid(panel);
    c.txCursor2 = Label(panel, "txCursor2", "Cursor");
    c.txCurs3D2 = Label(panel, "txCurs3D2", "");
    c.txCursLat2 = Readout(panel, "txCursLat2");
    c.txCursLon2 = Readout(panel, "txCursLon2");
    c.txCursEBL2 = Readout(panel, "txCursEBL2");
    c.txCursVRM2 = Readout(panel, "txCursVRM2");
    c.btnPosition2 = Button(panel, "btnPosition2", "Pos", Press::Toggle);
    c.btnBearNm2 = Button(panel, "btnBearNm2", "Nm");
    AddRow(grid, {c.txCursor2, c.txCursLat2, c.btnPosition2});
    AddRow(grid, {c.txCurs3D2, c.txCursLon2});
    AddRow(grid, {nullptr, c.txCursEBL2, c.btnBearNm2});
    AddRow(grid, {nullptr, c.txCursVRM2});
    panel->resize(SlavePanelSize);
}

void BuildLoranPanel(QMainWindow& window, MainWindowControls& c)
{
    QFrame* panel = c.LoranPanel = Panel(&window, "LoranPanel");
    QGridLayout* grid = Grid(panel);
    c.txLn1 = Label(panel, "txLn1", "V:");
    c.txLnVal1 = Label(panel, "txLnVal1", "");
    c.txLn1->hide();
    c.txLnVal1->hide();
    c.txLn2 = Label(panel, "txLn2", "W:");
    c.txLnVal2 = Label(panel, "txLnVal2", "");
    c.txLn3 = Label(panel, "txLn3", "X:");
    c.txLnVal3 = Label(panel, "txLnVal3", "");
    c.txLn4 = Label(panel, "txLn4", "Y:");
    c.txLnVal4 = Label(panel, "txLnVal4", "");
    c.txLn5 = Label(panel, "txLn5", "Z:");
    c.txLnVal5 = Label(panel, "txLnVal5", "");
    AddRow(grid, {c.txLn1, c.txLnVal1});
    AddRow(grid, {c.txLn2, c.txLnVal2});
    AddRow(grid, {c.txLn3, c.txLnVal3});
    AddRow(grid, {c.txLn4, c.txLnVal4});
    AddRow(grid, {c.txLn5, c.txLnVal5});
    panel->resize(LoranPanelSize);
}

void BuildChainPanel(QMainWindow& window, MainWindowControls& c)
{
    QFrame* panel = c.ChainPanel = Panel(&window, "ChainPanel");
    QGridLayout* grid = Grid(panel);
    c.cmbLoran = Named<QComboBox>(panel, "cmbLoran");
    c.btnChainOk = Button(panel, "btnChainOk", "OK");
    grid->addWidget(c.cmbLoran, 0, 0, 1, 2);
    grid->addWidget(c.btnChainOk, 0, 2);
    c.csRedCorr = SpinEdit(panel, "csRedCorr", -9999, 9999);
    c.csGreenCorr = SpinEdit(panel, "csGreenCorr", -9999, 9999);
    c.csPurpleCorr = SpinEdit(panel, "csPurpleCorr", -9999, 9999);
    AddRow(grid, {c.csRedCorr, c.csGreenCorr, c.csPurpleCorr});
    panel->resize(ChainPanelSize);
}

void BuildSmallPanels(QMainWindow& window, MainWindowControls& c)
{
    c.CrossPanel = Panel(&window, "CrossPanel");
    c.edCross = Named<QLineEdit>(c.CrossPanel, "edCross");
    c.edCross->setMaxLength(3);
    Column(c.CrossPanel)->addWidget(c.edCross);
    c.CrossPanel->resize(60, 30);

    c.CheckPanel = Panel(&window, "CheckPanel");
    c.CheckPanel->setAutoFillBackground(true);
    auto* wait = new QLabel(Text("Wait while checking data !"), c.CheckPanel);
    wait->setAlignment(Qt::AlignCenter);
    Column(c.CheckPanel)->addWidget(wait);
    c.CheckPanel->resize(CheckPanelSize);

    c.EtaPanel = Panel(&window, "EtaPanel");
    c.txEtaEta = Readout(c.EtaPanel, "txEtaEta");
    Column(c.EtaPanel)->addWidget(c.txEtaEta);
    c.EtaPanel->resize(70, 30);

    c.pnDR = Panel(&window, "pnDR");
    auto* deadReckoning = new QHBoxLayout(c.pnDR);
    deadReckoning->setContentsMargins(2, 2, 2, 2);
    c.csDRcrs = SpinEdit(c.pnDR, "csDRcrs", 0, 359);
    c.csDRcrs->setWrapping(true);  // a course stepped past 359 comes round to 0 and back
    c.csDRspd = SpinEdit(c.pnDR, "csDRspd", 0, 100);
    deadReckoning->addWidget(c.csDRcrs);
    deadReckoning->addWidget(c.csDRspd);
    c.pnDR->resize(LoranPanelSize.width(), 30);

    c.F1Panel = Panel(&window, "F1Panel");
    c.gbF1 = Group(c.F1Panel, "gbF1", "Keys");
    Column(c.F1Panel)->addWidget(c.gbF1);
    c.F1Text = Named<QListWidget>(c.gbF1, "F1Text");
    constexpr const char* DigitKeys[] = {"1   2D chart", "2   Weather", "3   Radar", "4   Query",
                                         "5   Bearing",  "6   ARPA",    "7   AIS",   "8   Route",
                                         "9   Track",    "0   Symbol"};
    for (const char* key : DigitKeys)
        c.F1Text->addItem(Text(key));
    while (c.F1Text->count() < 20)
        c.F1Text->addItem(QString());
    Column(c.gbF1)->addWidget(c.F1Text);
    c.F1Panel->resize(320, 480);

    for (QWidget* panel : {c.SlavePanel, c.LoranPanel, c.ChainPanel, c.CrossPanel, c.CheckPanel,
                           c.EtaPanel, c.pnDR, c.F1Panel})
        panel->hide();
}

void BuildSwatches(QMainWindow& window, MainWindowControls& c)
{
    using Swatch = QLabel* MainWindowControls::*;
    const std::pair<Swatch, const char*> swatches[] = {
        {&MainWindowControls::imgRed, "imgRed"},
        {&MainWindowControls::imgBlue, "imgBlue"},
        {&MainWindowControls::imgGreen, "imgGreen"},
        {&MainWindowControls::imgYellow, "imgYellow"},
        {&MainWindowControls::imgMagenta, "imgMagenta"},
        {&MainWindowControls::imgBlack, "imgBlack"},
        {&MainWindowControls::imgOrange, "imgOrange"}};
    for (const auto& [member, name] : swatches) {
        QLabel* swatch = c.*member = Named<QLabel>(&window, name);
        swatch->resize(SwatchSize, SwatchSize);
        swatch->hide();
    }
}

// A vertical bar at the chart's left edge, directly below ToolBar1, hidden until opened.
QToolBar* DrawingBar(QMainWindow& window, const char* name, const char* hint)
{
    auto* bar = Named<QToolBar>(&window, name);
    if (hint)
        bar->setToolTip(Text(hint));
    bar->setOrientation(Qt::Vertical);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setFixedWidth(DrawingBarWidth);
    return bar;
}

void PlaceDrawingBar(QToolBar* bar)
{
    bar->adjustSize();
    bar->move(0, ToolBarHeight);
    bar->hide();
}

// Button numbers: 0..3 the tools, 5..21 the symbols, 22 the palette, 24..29 the colours.
void BuildSymbolBar(QMainWindow& window, MainWindowControls& c)
{
    QToolBar* bar = c.SymbBar = DrawingBar(window, "SymbBar", "Select symbol and colour");
    auto tool = [bar](const char* name, const char* text, const char* hint) {
        return AddToolButton(bar, name, text, hint, Press::Toggle, DrawingButtonSize);
    };
    c.btnSyDel = tool("btnSyDel", "Del", "Delete");
    c.btnSyEdit = tool("btnSyEdit", "Mov", "Change / Move symbol");
    c.btnSyDraw = tool("btnSyDraw", "New", "New symbol");
    c.btnSyOk = tool("btnSyOk", "OK", "Finish");
    bar->addSeparator();
    QToolButton* MainWindowControls::* const symbols[] = {
        &MainWindowControls::SyBtn1,  &MainWindowControls::SyBtn2,  &MainWindowControls::SyBtn3,
        &MainWindowControls::SyBtn4,  &MainWindowControls::SyBtn5,  &MainWindowControls::SyBtn6,
        &MainWindowControls::SyBtn7,  &MainWindowControls::SyBtn8,  &MainWindowControls::SyBtn9,
        &MainWindowControls::SyBtn10, &MainWindowControls::SyBtn11, &MainWindowControls::SyBtn12,
        &MainWindowControls::SyBtn13, &MainWindowControls::SyBtn14, &MainWindowControls::SyBtn15,
        &MainWindowControls::SyBtn16, &MainWindowControls::SyBtn17};
    int number = 1;
    for (QToolButton* MainWindowControls::* symbol : symbols) {
        c.*symbol = AddToolButton(bar, QStringLiteral("SyBtn%1").arg(number),
                                  QByteArray::number(number).constData(), nullptr, Press::Toggle,
                                  DrawingButtonSize);
        ++number;
    }
    c.SymbSelBtn = tool("SymbSelBtn", "...", "Open symbol selection");
    bar->addSeparator();
    AddColourButtons(bar);
    PlaceDrawingBar(bar);

    // The palette beside the bar: image k in row k / 5, column k % 5.
    c.SymbSelection = Panel(&window, "SymbSelection");
    c.SymbSelection->setToolTip(Text("Select new symbol for button"));
    QGridLayout* palette = Grid(c.SymbSelection);
    for (int image = 0; image < PaletteImages; ++image) {
        auto* button = new QToolButton(c.SymbSelection);
        button->setText(QString::number(image));
        button->setFixedSize(DrawingButtonSize);
        palette->addWidget(button, image / PaletteColumns, image % PaletteColumns);
    }
    c.SymbSelection->adjustSize();
    c.SymbSelection->move(DrawingBarWidth, ToolBarHeight);
    c.SymbSelection->hide();
}

// Button numbers: 0..4 the tools, 6..9 the line kinds, 11..16 the colours.
void BuildLineBar(QMainWindow& window, MainWindowControls& c)
{
    QToolBar* bar = c.LineBar = DrawingBar(window, "LineBar", "Select type and colour");
    auto tool = [bar](const char* name, const char* text, const char* hint = nullptr) {
        return AddToolButton(bar, name, text, hint, Press::Toggle, DrawingButtonSize);
    };
    c.btnLiList = tool("btnLiList", "List");
    c.btnLiDel = tool("btnLiDel", "Del", "Delete");
    c.btnLiEdit = tool("btnLiEdit", "Edit", "Edit");
    c.btnLiDraw = tool("btnLiDraw", "New", "Draw new");
    c.btnLiOk = tool("btnLiOk", "OK", "Finish");
    bar->addSeparator();
    c.btnLine = tool("btnLine", "/", "Line");
    c.btnPoly = tool("btnPoly", "W", "Polyline");
    c.btnCircle = tool("btnCircle", "O", "Circle");
    c.btnRect = tool("btnRect", "[]", "Rectangle");
    bar->addSeparator();
    AddColourButtons(bar);
    PlaceDrawingBar(bar);
}

void BuildRouteBar(QMainWindow& window, MainWindowControls& c)
{
    QToolBar* bar = c.RouteBar = DrawingBar(window, "RouteBar", nullptr);
    auto once = [bar](const char* name, const char* text, const char* hint = nullptr) {
        return AddToolButton(bar, name, text, hint, Press::Once, DrawingButtonSize);
    };
    auto toggle = [bar](const char* name, const char* text, const char* hint = nullptr) {
        return AddToolButton(bar, name, text, hint, Press::Toggle, DrawingButtonSize);
    };
    c.btnPrintRt = once("btnPrintRt", "Prt", "Make, edit and print waypoint list");
    c.btnListRt = toggle("btnListRt", "List");
    c.btnCalcRt = once("btnCalcRt", "Calc", "Waypoint calculator");
    c.btnCopyRt = toggle("btnCopyRt", "Copy", "Copy route");
    c.btnAddRt = toggle("btnAddRt", "Add", "Add a route");
    c.btnPickRt = toggle("btnPickRt", "Sel", "Select Route");
    c.btnDelRt = toggle("btnDelRt", "Del", "Delete");
    c.btnChangeRt = toggle("btnChangeRt", "Edit", "Edit");
    c.btnDrawRt = toggle("btnDrawRt", "New", "Draw new route");
    c.btnSar = once("btnSar", "SAR", "SAR");
    c.btnRtOk = toggle("btnRtOk", "OK", "Finish");
    c.VoyPlanPanel = Panel(bar, "VoyPlanPanel");
    c.VoyPlanPanel->setFixedSize(DrawingButtonSize);
    bar->addWidget(c.VoyPlanPanel);
    SetBarControlVisible(c.VoyPlanPanel, false);
    PlaceDrawingBar(bar);
}

}  // namespace

void BuildToolDialog(QWidget* parent, MainWindowControls& c)
{
    c.ToolDlg = Named<QTabWidget>(parent, "ToolDlg");
    // The pages fit the side panel's 160 pixels only in a compact font: at a larger desktop
    // default their captions are cut off.
    QFont compact = c.ToolDlg->font();
    compact.setPixelSize(ToolPageFontPixels);
    c.ToolDlg->setFont(compact);
    BuildSetupPage(c.ToolDlg, c);
    BuildChartPage(c.ToolDlg, c);
    BuildBoatPage(c.ToolDlg, c);
    // "2D/3D" and "Target" take turns in one place, so the hidden one is never the last tab:
    // a hidden last tab leaves the tab bar's scroll arrows unable to reach the tabs after the
    // first few in the narrow side panel.
    Build3DPage(c.ToolDlg, c);
    BuildTargetPage(c.ToolDlg, c);
    BuildDataPage(c.ToolDlg, c);
    BuildLogPage(c.ToolDlg, c);
}

void BuildMainWindowControls(QMainWindow& window, MainWindowControls& c)
{
    // The window's own area is a bare placeholder; every control has its place by the layout
    // rules, and the ones made later lie over the ones made earlier, the chart lowest.
    window.setCentralWidget(new QWidget(&window));
    c.CM93 = Named<QWidget>(&window, "CM93");
    BuildToolBar(window, c);
    BuildMainPanel(window, c);
    BuildSlavePanel(window, c);
    BuildLoranPanel(window, c);
    BuildChainPanel(window, c);
    BuildSmallPanels(window, c);
    BuildSwatches(window, c);
    BuildSymbolBar(window, c);
    BuildLineBar(window, c);
    BuildRouteBar(window, c);
    KeepBarsAtEdges(window, c);
}

void SetBarControlVisible(QWidget* control, bool visible)
{
    if (auto* bar = qobject_cast<QToolBar*>(control->parentWidget()))
        for (QAction* action : bar->actions())
            if (bar->widgetForAction(action) == control)
                action->setVisible(visible);
    control->setVisible(visible);
}

QToolButton* BarButton(const QToolBar* bar, int number)
{
    const QList<QAction*> actions = bar->actions();
    if (number < 0 || number >= actions.size())
        return nullptr;
    return qobject_cast<QToolButton*>(bar->widgetForAction(actions[number]));
}

QToolButton* SymbolPaletteButton(const MainWindowControls& controls, int imageIndex)
{
    if (imageIndex < 0 || imageIndex >= PaletteImages)
        return nullptr;
    const auto* palette = static_cast<const QGridLayout*>(controls.SymbSelection->layout());
    QLayoutItem* item =
        palette->itemAtPosition(imageIndex / PaletteColumns, imageIndex % PaletteColumns);
    return qobject_cast<QToolButton*>(item->widget());
}

#define NAMED(member) {#member, member}

std::vector<std::pair<const char*, QWidget*>> MainWindowControls::NamedControls() const
{
    return {
        NAMED(ToolBar1), NAMED(ExitBtn), NAMED(Daylight), NAMED(DispMode), NAMED(S52Btn),
        NAMED(Show2DBtn), NAMED(Show3DBtn), NAMED(WeatherBtn), NAMED(RadarBtn), NAMED(ZoomInBtn),
        NAMED(ZoomPanel), NAMED(ZoomOutBtn), NAMED(Wbtn), NAMED(Abtn), NAMED(Bbtn), NAMED(Cbtn),
        NAMED(Dbtn), NAMED(Ebtn), NAMED(Fbtn), NAMED(Gbtn), NAMED(AutoBtn), NAMED(QueryBtn),
        NAMED(BearingBtn), NAMED(Arpa1Btn), NAMED(Arpa2Btn), NAMED(AisBtn), NAMED(EventMarkBtn),
        NAMED(RouteBtn), NAMED(TrackBtn), NAMED(SymbolBtn), NAMED(ToolBtn), NAMED(ckHide),

        NAMED(CM93),

        NAMED(MainPanel), NAMED(CM93mini), NAMED(TimeLabel), NAMED(WpPanel), NAMED(paintXTE),
        NAMED(PaintCrs), NAMED(txXTE), NAMED(txDev), NAMED(boxETA), NAMED(pnETA), NAMED(txDTGend),
        NAMED(txETA), NAMED(txTTG), NAMED(boxCTS), NAMED(txCTS), NAMED(txCTS2), NAMED(txDTGwp),
        NAMED(ToolDlg), NAMED(Notice), NAMED(TrackBevel), NAMED(TrackPanel), NAMED(btnTrack),
        NAMED(txTrack), NAMED(DepthBevel), NAMED(DepthPanel), NAMED(DepthLabel), NAMED(txDpt),
        NAMED(cmbDepthSave), NAMED(CursPanel), NAMED(txCursor), NAMED(txCursLat), NAMED(txCursLon),
        NAMED(txCurs3D), NAMED(txCursEBL), NAMED(txCursVRM), NAMED(btnPosition), NAMED(btnBearNm),
        NAMED(ckHide2), NAMED(GpsPanel), NAMED(txSats), NAMED(txGPS), NAMED(txLat), NAMED(txLon),
        NAMED(txCOG), NAMED(txHDT), NAMED(txSOG), NAMED(txSTW), NAMED(WindBevel), NAMED(WindPanel),
        NAMED(txWndSpd), NAMED(txWndDir), NAMED(udMiniSpeed), NAMED(edMiniSpeed), NAMED(pnMiniAuto),
        NAMED(btnMiniAuto),

        NAMED(TabSetup), NAMED(txLanguage), NAMED(cmbLanguage), NAMED(cmbSetup), NAMED(udMonitor),
        NAMED(edMonitor), NAMED(ckAltNight), NAMED(ckRouteLeg), NAMED(ckHints), NAMED(ckScreenKeyb),
        NAMED(ckLoranPos), NAMED(ckDeccaPos), NAMED(cbSetupAlarm), NAMED(ckAlarmGps),
        NAMED(ckAlarmWp), NAMED(ckAlarmXte), NAMED(ckAlarmSafety), NAMED(ckAlarmWarning),

        NAMED(TabChart), NAMED(txShallow), NAMED(udShallowCont), NAMED(edShallowCont),
        NAMED(txSafety), NAMED(udSafety), NAMED(edSafety), NAMED(txDeep), NAMED(udDeepCont),
        NAMED(edDeepCont), NAMED(udFwd), NAMED(edFwd), NAMED(udSector), NAMED(edSector),
        NAMED(txResolution), NAMED(udResolution), NAMED(edResolution), NAMED(txDptUnit),
        NAMED(cmbDepthUnit), NAMED(cklChart), NAMED(gbPres), NAMED(rbBase), NAMED(rbStd),
        NAMED(rbFull),

        NAMED(TabBoat), NAMED(txBoatOff), NAMED(tbBoatOff), NAMED(txBoatSens), NAMED(tbBoatSens),
        NAMED(gbBoatVector), NAMED(udBoatVector), NAMED(edBoatVector), NAMED(rbVectorMin),
        NAMED(rbVectorNm), NAMED(gbBoatConv), NAMED(ckTrack2Route), NAMED(txBoatConv),
        NAMED(udBoatConv), NAMED(edBoatConv), NAMED(txLane), NAMED(udWpLane), NAMED(edWpLane),
        NAMED(ckShowLane), NAMED(txWpRadius), NAMED(udWpRadius), NAMED(edWpRadius),
        NAMED(txBoatMag), NAMED(udBoatMag), NAMED(edBoatMag),

        NAMED(Tab3D), NAMED(tx3Ddata), NAMED(cmb3Ddata), NAMED(tx3DPal), NAMED(cmb3DPal),
        NAMED(tx3DFrom), NAMED(ud3DFrom), NAMED(ed3DFrom), NAMED(tx3DTo), NAMED(ud3DTo),
        NAMED(ed3DTo), NAMED(gb3DCont), NAMED(ck3DCont), NAMED(tx3DCont), NAMED(ud3DCont),
        NAMED(ed3DCont), NAMED(cmb3DCont), NAMED(ck3DRelief), NAMED(ck3DMark), NAMED(btn3DCheck),
        NAMED(ud3DDepth), NAMED(ed3DDepth), NAMED(gb3DTide), NAMED(tx3DPrediction), NAMED(txTide),
        NAMED(btn3DTide), NAMED(tx3DTideCorr), NAMED(ud3DTide), NAMED(ed3DTide), NAMED(gb3DDot),
        NAMED(rb3DDot5), NAMED(rb3DDot10), NAMED(rb3DDot20),

        NAMED(TabData), NAMED(gbDataBase), NAMED(ckDbA), NAMED(ckDbB), NAMED(ckDbC), NAMED(ckDbD),
        NAMED(ckDbE), NAMED(ckDbF), NAMED(gbDisplayData), NAMED(ckDbxA), NAMED(ckDbxB),
        NAMED(ckDbxC), NAMED(ckDbxD), NAMED(ckDbxE), NAMED(ckDbxF), NAMED(rgDataData),
        NAMED(cklDataCopy), NAMED(gbDataSelection), NAMED(rbDataAll), NAMED(rbDataShown),
        NAMED(ckDataArea), NAMED(dtCopyFrom), NAMED(ckDataPass), NAMED(btnDataExecute),
        NAMED(btnDataInfo), NAMED(btnFiles), NAMED(pnFiles), NAMED(lbFiles), NAMED(btnFilesOk),
        NAMED(btnFilesAllDel), NAMED(btnFilesSelDel),

        NAMED(TabLog), NAMED(gbLogFile), NAMED(ckLogActive), NAMED(txLogInterval),
        NAMED(cbLogInterval), NAMED(boxLogData), NAMED(dtLogDate), NAMED(btnLogLog),
        NAMED(btnLogRoute), NAMED(gbHistory), NAMED(btnReplay), NAMED(btnAisDb), NAMED(btnAisLog),
        NAMED(btnScreenshots),

        NAMED(TabAis), NAMED(txAisRange), NAMED(cmbAisRange), NAMED(txTrackTime),
        NAMED(cmbAisTrack), NAMED(ckAisTracks), NAMED(ckAisNames), NAMED(gbCpa), NAMED(txCpaDist),
        NAMED(udCpaDist), NAMED(edCpaDist), NAMED(txCpaTime), NAMED(cmbCpaTime), NAMED(ckCpaShow),
        NAMED(ckAisWarnings), NAMED(ckAisMsgs), NAMED(ckAisLog),

        NAMED(SlavePanel), NAMED(txCursor2), NAMED(txCursLat2), NAMED(txCursLon2),
        NAMED(txCurs3D2), NAMED(txCursEBL2), NAMED(txCursVRM2), NAMED(btnPosition2),
        NAMED(btnBearNm2), NAMED(LoranPanel), NAMED(txLn1), NAMED(txLnVal1), NAMED(txLn2), NAMED(txLnVal2), NAMED(txLn3),
        NAMED(txLnVal3), NAMED(txLn4), NAMED(txLnVal4), NAMED(txLn5), NAMED(txLnVal5),
        NAMED(ChainPanel), NAMED(cmbLoran), NAMED(btnChainOk), NAMED(csRedCorr),
        NAMED(csGreenCorr), NAMED(csPurpleCorr), NAMED(CrossPanel), NAMED(edCross),
        NAMED(CheckPanel), NAMED(EtaPanel), NAMED(txEtaEta), NAMED(pnDR), NAMED(csDRcrs),
        NAMED(csDRspd), NAMED(F1Panel), NAMED(gbF1), NAMED(F1Text),

        NAMED(imgRed), NAMED(imgBlue), NAMED(imgGreen), NAMED(imgYellow), NAMED(imgMagenta),
        NAMED(imgBlack), NAMED(imgOrange),

        NAMED(SymbBar), NAMED(btnSyDel), NAMED(btnSyEdit), NAMED(btnSyDraw), NAMED(btnSyOk),
        NAMED(SyBtn1), NAMED(SyBtn2), NAMED(SyBtn3), NAMED(SyBtn4), NAMED(SyBtn5), NAMED(SyBtn6),
        NAMED(SyBtn7), NAMED(SyBtn8), NAMED(SyBtn9), NAMED(SyBtn10), NAMED(SyBtn11),
        NAMED(SyBtn12), NAMED(SyBtn13), NAMED(SyBtn14), NAMED(SyBtn15), NAMED(SyBtn16),
        NAMED(SyBtn17), NAMED(SymbSelBtn), NAMED(SymbSelection),

        NAMED(LineBar), NAMED(btnLiList), NAMED(btnLiDel), NAMED(btnLiEdit), NAMED(btnLiDraw),
        NAMED(btnLiOk), NAMED(btnLine), NAMED(btnPoly), NAMED(btnCircle), NAMED(btnRect),

        NAMED(RouteBar), NAMED(btnPrintRt), NAMED(btnListRt), NAMED(btnCalcRt), NAMED(btnCopyRt),
        NAMED(btnAddRt), NAMED(btnPickRt), NAMED(btnDelRt), NAMED(btnChangeRt), NAMED(btnDrawRt),
        NAMED(btnSar), NAMED(btnRtOk), NAMED(VoyPlanPanel),
    };
}

#undef NAMED
