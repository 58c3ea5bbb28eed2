#pragma once
// The controls of the main window: the tool bar, the chart paint boxes, the side panel with the
// tool dialog and its seven pages, the floating panels and the three drawing bars. Each member
// carries the system's name of its control, which is also the control's object name, so that
// the language loader and the handlers find the same widget.

#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTabWidget;
class QToolBar;
class QToolButton;
class QWidget;

struct MainWindowControls {
    // Tool bar along the top, in bar order.
    QToolBar* ToolBar1 = nullptr;
    QToolButton* ExitBtn = nullptr;
    QComboBox* Daylight = nullptr;  // display mode, 5 entries
    QComboBox* DispMode = nullptr;  // chart orientation, 4 entries
    QToolButton* S52Btn = nullptr;
    QToolButton* Show2DBtn = nullptr;
    QToolButton* Show3DBtn = nullptr;
    QToolButton* WeatherBtn = nullptr;
    QToolButton* RadarBtn = nullptr;
    QToolButton* ZoomInBtn = nullptr;
    QLabel* ZoomPanel = nullptr;  // displayed scale
    QToolButton* ZoomOutBtn = nullptr;
    QToolButton* Wbtn = nullptr;
    QToolButton* Abtn = nullptr;
    QToolButton* Bbtn = nullptr;
    QToolButton* Cbtn = nullptr;
    QToolButton* Dbtn = nullptr;
    QToolButton* Ebtn = nullptr;
    QToolButton* Fbtn = nullptr;
    QToolButton* Gbtn = nullptr;
    QToolButton* AutoBtn = nullptr;
    QToolButton* QueryBtn = nullptr;
    QToolButton* BearingBtn = nullptr;
    QToolButton* Arpa1Btn = nullptr;
    QToolButton* Arpa2Btn = nullptr;
    QToolButton* AisBtn = nullptr;
    QToolButton* EventMarkBtn = nullptr;
    QToolButton* RouteBtn = nullptr;
    QToolButton* TrackBtn = nullptr;
    QToolButton* SymbolBtn = nullptr;
    QToolButton* ToolBtn = nullptr;
    QCheckBox* ckHide = nullptr;

    // The main chart paint box, placed by the Hide boxes' handlers.
    QWidget* CM93 = nullptr;

    // Side panel along the right edge (MainPanelControls.h).
    QFrame* MainPanel = nullptr;
    QWidget* CM93mini = nullptr;  // mini chart paint box
    QLabel* TimeLabel = nullptr;
    QFrame* WpPanel = nullptr;  // route following
    QWidget* paintXTE = nullptr;  // cross-track bar
    QWidget* PaintCrs = nullptr;  // steering arrow
    QLabel* txXTE = nullptr;
    QLabel* txDev = nullptr;
    QGroupBox* boxETA = nullptr;
    QFrame* pnETA = nullptr;
    QLabel* txDTGend = nullptr;
    QLabel* txETA = nullptr;
    QLabel* txTTG = nullptr;
    QGroupBox* boxCTS = nullptr;
    QLabel* txCTS = nullptr;
    QLabel* txCTS2 = nullptr;
    QLabel* txDTGwp = nullptr;
    QTabWidget* ToolDlg = nullptr;  // the pages below
    QLabel* Notice = nullptr;       // message line
    QFrame* TrackBevel = nullptr;
    QFrame* TrackPanel = nullptr;
    QPushButton* btnTrack = nullptr;
    QLabel* txTrack = nullptr;
    QFrame* DepthBevel = nullptr;
    QFrame* DepthPanel = nullptr;
    QLabel* DepthLabel = nullptr;
    QLabel* txDpt = nullptr;
    QComboBox* cmbDepthSave = nullptr;
    QFrame* CursPanel = nullptr;
    QLabel* txCursor = nullptr;
    QLabel* txCursLat = nullptr;
    QLabel* txCursLon = nullptr;
    QLabel* txCurs3D = nullptr;
    QLabel* txCursEBL = nullptr;
    QLabel* txCursVRM = nullptr;
    QPushButton* btnPosition = nullptr;
    QPushButton* btnBearNm = nullptr;
    QCheckBox* ckHide2 = nullptr;
    QFrame* GpsPanel = nullptr;
    QLabel* txSats = nullptr;
    QLabel* txGPS = nullptr;
    QLabel* txLat = nullptr;
    QLabel* txLon = nullptr;
    QLabel* txCOG = nullptr;
    QLabel* txHDT = nullptr;
    QLabel* txSOG = nullptr;
    QLabel* txSTW = nullptr;
    QFrame* WindBevel = nullptr;
    QFrame* WindPanel = nullptr;
    QLabel* txWndSpd = nullptr;
    QLabel* txWndDir = nullptr;
    QSpinBox* udMiniSpeed = nullptr;  // knots, 0..6
    QLineEdit* edMiniSpeed = nullptr;
    QFrame* pnMiniAuto = nullptr;
    QToolButton* btnMiniAuto = nullptr;

    // Tool dialog page 0, "Setup".
    QWidget* TabSetup = nullptr;
    QLabel* txLanguage = nullptr;
    QComboBox* cmbLanguage = nullptr;
    QComboBox* cmbSetup = nullptr;
    QSpinBox* udMonitor = nullptr;
    QLineEdit* edMonitor = nullptr;
    QCheckBox* ckAltNight = nullptr;
    QCheckBox* ckRouteLeg = nullptr;
    QCheckBox* ckHints = nullptr;
    QCheckBox* ckScreenKeyb = nullptr;
    QCheckBox* ckLoranPos = nullptr;
    QCheckBox* ckDeccaPos = nullptr;
    QGroupBox* cbSetupAlarm = nullptr;
    QCheckBox* ckAlarmGps = nullptr;
    QCheckBox* ckAlarmWp = nullptr;
    QCheckBox* ckAlarmXte = nullptr;
    QCheckBox* ckAlarmSafety = nullptr;
    QCheckBox* ckAlarmWarning = nullptr;

    // Page 1, "Chart".
    QWidget* TabChart = nullptr;
    QLabel* txShallow = nullptr;
    QSpinBox* udShallowCont = nullptr;
    QLineEdit* edShallowCont = nullptr;
    QLabel* txSafety = nullptr;
    QSpinBox* udSafety = nullptr;
    QLineEdit* edSafety = nullptr;
    QLabel* txDeep = nullptr;
    QSpinBox* udDeepCont = nullptr;
    QLineEdit* edDeepCont = nullptr;
    QSpinBox* udFwd = nullptr;
    QLineEdit* edFwd = nullptr;
    QSpinBox* udSector = nullptr;
    QLineEdit* edSector = nullptr;
    QLabel* txResolution = nullptr;
    QSpinBox* udResolution = nullptr;
    QLineEdit* edResolution = nullptr;
    QLabel* txDptUnit = nullptr;
    QComboBox* cmbDepthUnit = nullptr;
    QListWidget* cklChart = nullptr;  // 16 chart layers
    QGroupBox* gbPres = nullptr;
    QRadioButton* rbBase = nullptr;
    QRadioButton* rbStd = nullptr;
    QRadioButton* rbFull = nullptr;

    // Page 2, "Boat".
    QWidget* TabBoat = nullptr;
    QLabel* txBoatOff = nullptr;
    QSlider* tbBoatOff = nullptr;
    QLabel* txBoatSens = nullptr;
    QSlider* tbBoatSens = nullptr;
    QGroupBox* gbBoatVector = nullptr;
    QSpinBox* udBoatVector = nullptr;
    QLineEdit* edBoatVector = nullptr;
    QRadioButton* rbVectorMin = nullptr;
    QRadioButton* rbVectorNm = nullptr;
    QGroupBox* gbBoatConv = nullptr;
    QCheckBox* ckTrack2Route = nullptr;
    QLabel* txBoatConv = nullptr;
    QSpinBox* udBoatConv = nullptr;
    QLineEdit* edBoatConv = nullptr;
    QLabel* txLane = nullptr;
    QSpinBox* udWpLane = nullptr;
    QLineEdit* edWpLane = nullptr;
    QCheckBox* ckShowLane = nullptr;
    QLabel* txWpRadius = nullptr;
    QSpinBox* udWpRadius = nullptr;
    QLineEdit* edWpRadius = nullptr;
    QLabel* txBoatMag = nullptr;
    QSpinBox* udBoatMag = nullptr;
    QLineEdit* edBoatMag = nullptr;

    // Page 3, "2D/3D".
    QWidget* Tab3D = nullptr;
    QLabel* tx3Ddata = nullptr;
    QComboBox* cmb3Ddata = nullptr;
    QLabel* tx3DPal = nullptr;
    QComboBox* cmb3DPal = nullptr;
    QLabel* tx3DFrom = nullptr;
    QSpinBox* ud3DFrom = nullptr;
    QLineEdit* ed3DFrom = nullptr;
    QLabel* tx3DTo = nullptr;
    QSpinBox* ud3DTo = nullptr;
    QLineEdit* ed3DTo = nullptr;
    QGroupBox* gb3DCont = nullptr;
    QCheckBox* ck3DCont = nullptr;
    QLabel* tx3DCont = nullptr;
    QSpinBox* ud3DCont = nullptr;
    QLineEdit* ed3DCont = nullptr;
    QComboBox* cmb3DCont = nullptr;
    QCheckBox* ck3DRelief = nullptr;
    QCheckBox* ck3DMark = nullptr;
    QPushButton* btn3DCheck = nullptr;
    QSpinBox* ud3DDepth = nullptr;
    QLineEdit* ed3DDepth = nullptr;
    QGroupBox* gb3DTide = nullptr;
    QLabel* tx3DPrediction = nullptr;
    QLabel* txTide = nullptr;
    QPushButton* btn3DTide = nullptr;  // shows the nearest tide port
    QLabel* tx3DTideCorr = nullptr;
    QSpinBox* ud3DTide = nullptr;
    QLineEdit* ed3DTide = nullptr;
    QGroupBox* gb3DDot = nullptr;
    QRadioButton* rb3DDot5 = nullptr;
    QRadioButton* rb3DDot10 = nullptr;
    QRadioButton* rb3DDot20 = nullptr;

    // Page 4, "Data".
    QWidget* TabData = nullptr;
    QGroupBox* gbDataBase = nullptr;  // the data set in use
    QRadioButton* ckDbA = nullptr;
    QRadioButton* ckDbB = nullptr;
    QRadioButton* ckDbC = nullptr;
    QRadioButton* ckDbD = nullptr;
    QRadioButton* ckDbE = nullptr;
    QRadioButton* ckDbF = nullptr;
    QGroupBox* gbDisplayData = nullptr;  // data sets drawn besides
    QCheckBox* ckDbxA = nullptr;
    QCheckBox* ckDbxB = nullptr;
    QCheckBox* ckDbxC = nullptr;
    QCheckBox* ckDbxD = nullptr;
    QCheckBox* ckDbxE = nullptr;
    QCheckBox* ckDbxF = nullptr;
    QGroupBox* rgDataData = nullptr;   // radio group: copy out, copy in, delete
    QListWidget* cklDataCopy = nullptr;  // object kinds, 5
    QGroupBox* gbDataSelection = nullptr;
    QRadioButton* rbDataAll = nullptr;
    QRadioButton* rbDataShown = nullptr;
    QCheckBox* ckDataArea = nullptr;
    QDateEdit* dtCopyFrom = nullptr;
    QCheckBox* ckDataPass = nullptr;
    QPushButton* btnDataExecute = nullptr;
    QPushButton* btnDataInfo = nullptr;
    QPushButton* btnFiles = nullptr;
    QFrame* pnFiles = nullptr;  // files imported into data set F, over the page
    QListWidget* lbFiles = nullptr;
    QPushButton* btnFilesOk = nullptr;
    QPushButton* btnFilesAllDel = nullptr;
    QPushButton* btnFilesSelDel = nullptr;

    // Page 5, "Log".
    QWidget* TabLog = nullptr;
    QGroupBox* gbLogFile = nullptr;
    QCheckBox* ckLogActive = nullptr;
    QLabel* txLogInterval = nullptr;
    QComboBox* cbLogInterval = nullptr;
    QGroupBox* boxLogData = nullptr;
    QDateEdit* dtLogDate = nullptr;
    QPushButton* btnLogLog = nullptr;
    QPushButton* btnLogRoute = nullptr;
    QGroupBox* gbHistory = nullptr;
    QPushButton* btnReplay = nullptr;
    QPushButton* btnAisDb = nullptr;
    QPushButton* btnAisLog = nullptr;
    QPushButton* btnScreenshots = nullptr;

    // Page 6, "Target".
    QWidget* TabAis = nullptr;
    QLabel* txAisRange = nullptr;
    QComboBox* cmbAisRange = nullptr;
    QLabel* txTrackTime = nullptr;
    QComboBox* cmbAisTrack = nullptr;
    QCheckBox* ckAisTracks = nullptr;
    QCheckBox* ckAisNames = nullptr;
    QGroupBox* gbCpa = nullptr;
    QLabel* txCpaDist = nullptr;
    QSpinBox* udCpaDist = nullptr;
    QLineEdit* edCpaDist = nullptr;
    QLabel* txCpaTime = nullptr;
    QComboBox* cmbCpaTime = nullptr;
    QCheckBox* ckCpaShow = nullptr;
    QCheckBox* ckAisWarnings = nullptr;
    QCheckBox* ckAisMsgs = nullptr;
    QCheckBox* ckAisLog = nullptr;

    // Floating panels over the chart, hidden until needed.
    QFrame* SlavePanel = nullptr;  // the cursor readout while the side panel is hidden
    QLabel* txCursor2 = nullptr;
    QLabel* txCursLat2 = nullptr;
    QLabel* txCursLon2 = nullptr;
    QLabel* txCurs3D2 = nullptr;
    QLabel* txCursEBL2 = nullptr;
    QLabel* txCursVRM2 = nullptr;
    QPushButton* btnPosition2 = nullptr;
    QPushButton* btnBearNm2 = nullptr;
    QFrame* LoranPanel = nullptr;  // LORAN-C or Decca readings
    QLabel* txLn1 = nullptr;  // the V secondary's row, shown for the one chain that has it
    QLabel* txLnVal1 = nullptr;
    QLabel* txLn2 = nullptr;
    QLabel* txLnVal2 = nullptr;
    QLabel* txLn3 = nullptr;
    QLabel* txLnVal3 = nullptr;
    QLabel* txLn4 = nullptr;
    QLabel* txLnVal4 = nullptr;
    QLabel* txLn5 = nullptr;
    QLabel* txLnVal5 = nullptr;
    QFrame* ChainPanel = nullptr;  // chain choice, Decca corrections in its second row
    QComboBox* cmbLoran = nullptr;
    QPushButton* btnChainOk = nullptr;
    QSpinBox* csRedCorr = nullptr;
    QSpinBox* csGreenCorr = nullptr;
    QSpinBox* csPurpleCorr = nullptr;
    QFrame* CrossPanel = nullptr;
    QLineEdit* edCross = nullptr;  // cross bearing
    QFrame* CheckPanel = nullptr;
    QFrame* EtaPanel = nullptr;
    QLabel* txEtaEta = nullptr;
    QFrame* pnDR = nullptr;  // dead reckoning
    QSpinBox* csDRcrs = nullptr;
    QSpinBox* csDRspd = nullptr;
    QFrame* F1Panel = nullptr;  // keyboard help
    QGroupBox* gbF1 = nullptr;
    QListWidget* F1Text = nullptr;

    // Colour swatches of the seven user colours; their pictures are the bars' colour glyphs.
    QLabel* imgRed = nullptr;
    QLabel* imgBlue = nullptr;
    QLabel* imgGreen = nullptr;
    QLabel* imgYellow = nullptr;
    QLabel* imgMagenta = nullptr;
    QLabel* imgBlack = nullptr;
    QLabel* imgOrange = nullptr;

    // Symbol bar at the left edge; buttons 24..29 are the six symbol colours.
    QToolBar* SymbBar = nullptr;
    QToolButton* btnSyDel = nullptr;
    QToolButton* btnSyEdit = nullptr;
    QToolButton* btnSyDraw = nullptr;
    QToolButton* btnSyOk = nullptr;
    QToolButton* SyBtn1 = nullptr;
    QToolButton* SyBtn2 = nullptr;
    QToolButton* SyBtn3 = nullptr;
    QToolButton* SyBtn4 = nullptr;
    QToolButton* SyBtn5 = nullptr;
    QToolButton* SyBtn6 = nullptr;
    QToolButton* SyBtn7 = nullptr;
    QToolButton* SyBtn8 = nullptr;
    QToolButton* SyBtn9 = nullptr;
    QToolButton* SyBtn10 = nullptr;
    QToolButton* SyBtn11 = nullptr;
    QToolButton* SyBtn12 = nullptr;
    QToolButton* SyBtn13 = nullptr;
    QToolButton* SyBtn14 = nullptr;
    QToolButton* SyBtn15 = nullptr;
    QToolButton* SyBtn16 = nullptr;
    QToolButton* SyBtn17 = nullptr;
    QToolButton* SymbSelBtn = nullptr;
    QFrame* SymbSelection = nullptr;  // palette of the 50 symbol images

    // Line bar; buttons 11..16 are the six line colours.
    QToolBar* LineBar = nullptr;
    QToolButton* btnLiList = nullptr;
    QToolButton* btnLiDel = nullptr;
    QToolButton* btnLiEdit = nullptr;
    QToolButton* btnLiDraw = nullptr;
    QToolButton* btnLiOk = nullptr;
    QToolButton* btnLine = nullptr;
    QToolButton* btnPoly = nullptr;
    QToolButton* btnCircle = nullptr;
    QToolButton* btnRect = nullptr;

    // Route bar.
    QToolBar* RouteBar = nullptr;
    QToolButton* btnPrintRt = nullptr;
    QToolButton* btnListRt = nullptr;
    QToolButton* btnCalcRt = nullptr;
    QToolButton* btnCopyRt = nullptr;
    QToolButton* btnAddRt = nullptr;
    QToolButton* btnPickRt = nullptr;
    QToolButton* btnDelRt = nullptr;
    QToolButton* btnChangeRt = nullptr;
    QToolButton* btnDrawRt = nullptr;
    QToolButton* btnSar = nullptr;
    QToolButton* btnRtOk = nullptr;
    QFrame* VoyPlanPanel = nullptr;

    // Every member above with its name, in declaration order.
    std::vector<std::pair<const char*, QWidget*>> NamedControls() const;
};

// Creates every control as a child of the window: the chart CM93 lowest, ToolBar1 along the top
// and MainPanel along the right edge over it (both hidden until the start-up ends), the floating
// panels and the drawing bars hidden.
void BuildMainWindowControls(QMainWindow& window, MainWindowControls& controls);

// The tool dialog with its seven pages, as a child of parent; its page indexes are fixed: the 3D
// page is 3 and the target page 6.
void BuildToolDialog(QWidget* parent, MainWindowControls& controls);

// Shows or hides a control. A control on a tool bar goes through its bar action, since the bar
// sets its widgets' visibility from their actions and would undo a plain show() or hide(); the
// control itself follows at once, so that whether it is hidden reads true before the bar's next
// layout.
void SetBarControlVisible(QWidget* control, bool visible);

// The button at a drawing bar's button number (separators count), nullptr where there is none.
QToolButton* BarButton(const QToolBar* bar, int number);

// The palette button of symbol image imageIndex (0..49), nullptr outside that range.
QToolButton* SymbolPaletteButton(const MainWindowControls& controls, int imageIndex);
