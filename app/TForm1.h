#pragma once
// The main window: the chart paint boxes, the timers, the tool bar and the tool dialog. Its
// handlers are where most user actions and all periodic work enter the program.

#include "app/EventMarks.h"
#include "app/ImageList.h"
#include "app/MainWindowControls.h"
#include "chart/ChartWindow.h"
#include "platform/geodesy/GeoTypes.h"

#include <QAbstractSocket>
#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <memory>

class QCloseEvent;
class QPainter;
class QRect;
class QTcpSocket;
class QTimer;
class TiThreadTimers;
namespace platform {
class ApplicationHotKey;
}

class TForm1 : public QMainWindow, public MainWindowControls, public ChartWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* owner = nullptr);
    ~TForm1() override;

    QTimer* Timer1;  // 100 ms
    QTimer* Timer2;  // one second
    TiThreadTimers* iThreadTimers1;  // timer 2 at 200 ms steps the phase counters
    QPixmap IdPic;  // shown when the program runs as a slave display
    // The TCP sensor connection (TcpClient.cpp) and whether it is up: set by its connect event,
    // cleared by a disconnect, an error or the silence time-out.
    QTcpSocket* ClientSocket1;
    bool SocketConnected = false;
    // Display modes (DisplayModes.cpp): the main tool bar's pictures by day and at night, the
    // symbol bar's and the line bar's, and which of the first two the bar shows.
    ImageList ImageList1;
    ImageList ImageList5;
    ImageList ImageList2;
    ImageList ImageList3;
    bool DayImagesActive = false;
    // The next one-second tick recentres the chart on the own ship, off centre or not.
    bool ForceRecentre = false;
    // Ctrl+PrintScreen, registered by the start-up (Screenshot.h).
    std::unique_ptr<platform::ApplicationHotKey> ScreenshotHotKey;

public slots:
    void Timer1Timer();
    void Timer2Timer();
    void iThreadTimers1Timer2(TiThreadTimers* sender);
    void cmbLanguageChange();
    void cmbSetupChange();
    void DaylightChange();
    void ckDbAClick();
    void ClientSocket1Connect();
    void ClientSocket1Read();
    void ClientSocket1Disconnect();
    void ClientSocket1Error(QAbstractSocket::SocketError error);

public:
    // Chart levels, zoom and the chart paint boxes (ChartHandlers.cpp).
    void ConnectChartHandlers();
    void ZoomInExecute();
    void ZoomOutExecute();
    void GlobalExecute();
    void WorldExecute();
    void OverviewExecute();
    void CrossingExecute();
    void CoastalExecute();
    void ApproachExecute();
    void HarbourExecute();
    void PlanExecute();
    void AutoExecute();
    // Composes the chart picture: the chart with its static overlay (and the weather layer) into
    // ChartBackBitmap, that with the dynamic overlay into ChartWorkBitmap, then CM93 shows it.
    // Run whenever the program asks for the picture anew: after a chart redraw, when
    // OverlayRedrawRequest runs out, and when an automatic zoom has been redrawn.
    void CM93Paint();
    // The paint events of the two paint boxes: they only show their bitmaps' exposed rectangle.
    void CM93Exposed(QPainter& canvas, const QRect& exposed);
    void CM93miniPaint(QPainter& canvas, const QRect& exposed);

    // The chart's mouse input (ChartMouse*.cpp), wired by ConnectChartMouse: presses on CM93
    // (the second press of a double click too) and moves over it, presses on CM93mini, and the
    // wheel anywhere in the window. Buttons: 0 left, 1 right, 2 middle. The sender is null for a
    // click that another handler sends on; only a real click zooms.
    void ConnectChartMouse();
    void CM93MouseDown(QObject* sender, int32_t button, Qt::KeyboardModifiers shift, int32_t x, int32_t y);
    void CM93MouseMove(QObject* sender, Qt::KeyboardModifiers shift, int32_t x, int32_t y);
    void CM93miniMouseDown(QObject* sender, int32_t button, Qt::KeyboardModifiers shift, int32_t x, int32_t y);
    void FormMouseWheel(QObject* sender, Qt::KeyboardModifiers shift, int32_t delta, const QPoint& position,
                        bool& handled);

    // The tool bar's view buttons (ViewButtons.cpp, ThreeDView.cpp, WeatherRadarButtons.cpp),
    // wired by ConnectViewButtons: the tool dialog, the chart orientation (DispMode), the S-52
    // presentation, the 2D and the 3D view, the weather dialog and the radar overlay.
    void ConnectViewButtons();
    void ToolsExecute();
    void DispModeChange();
    void S52Execute();
    void Show2DExecute();
    void Show3DExecute();
    void WeatherExecute();
    void RadarExecute();

    // The key preview (KeyboardShortcuts.cpp): key is a virtual key code, set to 0 when the key
    // was used; a key left to a panel that takes typing keeps its code.
    void FormKeyDown(QObject* sender, uint16_t& key, Qt::KeyboardModifiers shift);

    // The target buttons (TargetButtons.cpp), the event mark (EventMarks.cpp) and the side and
    // floating panels (SidePanelHandlers.cpp, which connects them all).
    void ConnectPanelHandlers();
    void QueryExecute();
    void Arpa1Execute();
    void Arpa2Execute();
    void AisExecute();
    void BearingExecute();
    // A quick mark at the own ship (at the last sounding for a depth mark): the current symbol's
    // from a button, the symbol bar's event mark (999) from the timers' null sender. Nothing while
    // no own position is known; else what it handed to the quick-mark store.
    std::optional<QuickMarkRequest> EventMarkExecute(QObject* sender);
    void GpsPanelClick();
    void btnMiniAutoClick();
    void udMiniSpeedChangingEx();
    void NoticeClick();
    void pnETAClick();
    void boxETAClick();
    void btnPositionClick();
    void btnBearNmClick();
    void csDRcrsChange();
    void csDRspdChange();
    // The depth recording choice "off", "voy", "fld", "max" (DepthSaveChoice.cpp).
    void cmbDepthSaveChange();

    // The window's layout (PanelLayout.cpp). ckHide checked: the chart takes the whole height
    // under the tool bar; ckHide2 checked: the chart takes the whole width under the side panel,
    // with the cursor readout in SlavePanel. ckHide2Click lays out the floating panels on the
    // right, with resize also the chart's width.
    void ckHideClick();
    void ckHide2Click(bool resize);
    // The pop-up dialogs in the chart's top-left corner, beside the tool bars that are open.
    void PlaceToolPanel();

    // The Setup page's LORAN-C and Decca boxes and the chain panel (LoranDeccaRows.cpp). At start-up
    // the stored box runs its click without showing the chain panel.
    void ckLoranPosClick();
    void ckDeccaPosClick();
    void cmbLoranChange();
    void btnChainOkClick();
    void csRedCorrChange();
    void csGreenCorrChange();
    void csPurpleCorrChange();

    // The shut-down (ExitHandlers.cpp). A close of the window (its close button, Alt+F4) is
    // refused and shows the shut-down dialog; only while the program ends does it go through.
    void FormCloseQuery(bool& canClose);
    // ExitBtn: the shut-down dialog, unless the name base is active (state 1 or 2).
    void ExitExecute();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectDisplayModes();
    void ConnectPanelLayout();
    void ConnectLoranDeccaRows();
    void RunStartup();
    void FillLanguageList();

    std::array<cmgbase::GeoPoint, 6> chartHandlerPoints_{};
    bool weatherReadoutFollowsCursor_ = true;
    bool chartInputArmed_ = true;
};

extern TForm1* Form1;
