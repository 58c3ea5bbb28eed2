#include "app/KeyboardShortcuts.h"

#include "app/AisLogs.h"
#include "app/ChartCursor.h"
#include "app/DataPage.h"
#include "app/EventMarks.h"
#include "app/NameBaseViewer.h"
#include "app/RouteBar.h"
#include "app/SymbolBar.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "app/TrackButton.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "frame/PortSettings.h"
#include "sensors/ComPortControl.h"
#include "sensors/OwnShipState.h"
#include "userdata/TTrackDlg.h"
#include "userdata/TrackState.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include <mutex>

bool KeyboardInUse = false;
bool MarkTrackToggle = false;

namespace {

constexpr float MarkSpeed = 1.0f;  // knots: the event-mark keys need the ship under way
constexpr uint16_t VkQ = 81;
constexpr uint16_t VkF3 = 114;
constexpr uint16_t VkF4 = 115;
constexpr uint16_t VkF5 = 116;
constexpr uint16_t VkF6 = 117;
constexpr uint16_t VkF7 = 118;
constexpr uint16_t VkF8 = 119;
constexpr uint16_t VkF9 = 120;
constexpr uint16_t VkF11 = 122;
constexpr uint16_t VkManOverboard = VkF12;
constexpr uint16_t VkL = 76;
constexpr uint16_t VkS = 83;
constexpr uint16_t VkT = 84;
constexpr uint16_t VkW = 87;
constexpr uint16_t VkX = 88;
constexpr uint16_t VkG = 71;
constexpr uint8_t TrackStartSymbol = 115;
constexpr uint8_t StartMarkSymbol = 117;
constexpr uint8_t StopMarkSymbol = 118;
constexpr int32_t LeftButton = 0;
constexpr int32_t RightButton = 1;
constexpr double PanStep = 0.7;  // of the chart's width or height
constexpr int TrackColours = 6;
constexpr int DepthSaveChoices = 4;
constexpr int DisplayModes = 5;
constexpr uint32_t DeadReckoningColour = 7;
const QPoint HelpPanelPlace{0, 30};

bool Shown(const QWidget* control) { return !control->isHidden(); }

bool Focused(const QWidget* control)
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == control || control->isAncestorOf(focus));
}

// A key of a panel that takes typing: the chain panel takes every key, the cross-bearing edit
// its digits and Backspace (to correct a digit), the dead-reckoning spin edits every key while
// one of them has the focus.
bool LeftToPanel(const TForm1& f, uint16_t key)
{
    if (Shown(f.ChainPanel))
        return true;
    if (Shown(f.CrossPanel) && ((key >= Vk0 && key <= Vk9) || key == VkBack))
        return true;
    return Shown(f.pnDR) && (Focused(f.csDRspd) || Focused(f.csDRcrs));
}

// A tool button toggled by its key: pressed when it was up, released when it was down.
void Toggle(QAbstractButton* button) { button->setChecked(!button->isChecked()); }

// The alarm acknowledged: route deviation, antigrounding and the anchor watch keep their alarm
// and relay, only the sound stops; any other alarm ends.
void AcknowledgeAlarm()
{
    if (!OwnShip.alarmActive)
        Alarm.ignoreNextClick = false;
    Alarm.sound = false;
    if (Alarm.routeDeviation || Alarm.depthAlarmRaised || OwnShip.alarmKind == AlarmNotClearable) {
        Alarm.acknowledged = true;
        return;
    }
    OwnShip.alarmActive = false;
    SetAlarmRelay(false);
}

// The main view centred on its centre pixel moved by a step of the chart's size.
void Pan(TForm1& f, int dx, int dy)
{
    f.AutoBtn->setChecked(false);
    if (!MainMapView)
        return;
    const WindowRect& rect = f.chartRect;
    const ScreenPoint centre{rect.right / 2, rect.bottom / 2};
    const ScreenPoint to{centre.x + dx * int32_t(rect.right * PanStep), centre.y + dy * int32_t(rect.bottom * PanStep)};
    MainMapView->CentreAtScreenPoint(rect, to);
    RedrawChart(f, true);
}

// An event mark of a mark key under way. The man-overboard key drops its mark at any speed once a
// position is known: a person in the water is never left unmarked because the ship has stopped.
void MarkKey(TForm1& f, uint16_t key)
{
    if (key != VkManOverboard && OwnShip.speedOverGround < MarkSpeed)
        return;
    DropMarkOfSymbol(f, uint8_t(key));
}

// F6 and F7: a start mark (under way only) or a stop mark; F7 also starts or stops the database
// track.
void StartStopMark(TForm1& f, uint16_t key)
{
    const bool on = !MarkTrackToggle;
    if (on && OwnShip.speedOverGround < MarkSpeed)
        return;
    MarkTrackToggle = on;
    if (key == VkF7) {
        if (f.btnTrack->isChecked()) {
            f.btnTrack->setChecked(false);
            btnTrackClick(f);
            MarkTrackToggle = false;
        } else {
            f.TrackBtn->setChecked(true);
            SyncDataTab(f);
            f.btnTrack->setChecked(true);
            btnTrackClick(f);
            MarkTrackToggle = true;
        }
    }
    DropMarkOfSymbol(f, MarkTrackToggle ? StartMarkSymbol : StopMarkSymbol);
}

// Dead reckoning from the chart centre while no position sentences arrive. The centre is no fix:
// the fix quality goes to none, so that RMC sends it as void.
void StartDeadReckoning(TForm1& f)
{
    if (Shown(f.pnDR)) {
        f.pnDR->hide();
        return;
    }
    if (OwnShip.fixAlive || !MainMapView)
        return;
    const cmgbase::GeoPoint centre = MainMapView->centre;
    {
        const std::lock_guard lock(ComOutStateLock);
        OwnShip.gpsLongitude = cmgbase::nrm2deg(centre.x);
        OwnShip.gpsLatitude = cmgbase::nrm2deg(centre.y);
        OwnShip.gpsQuality = 0;
        OwnShip.positionKnown = true;
    }
    QPalette palette = f.pnDR->palette();
    palette.setColor(QPalette::Window, UserColour(DeadReckoningColour));
    f.pnDR->setAutoFillBackground(true);
    f.pnDR->setPalette(palette);
    f.pnDR->show();
    f.ckHide2Click(false);
}

void NextTrackColour(TForm1& f)
{
    SetupParameters.TrackColour = uint8_t(SetupParameters.TrackColour % TrackColours + 1);
    if (DatabaseTrackId != 0)
        SetTrackButtonColour(f, UserColour(SetupParameters.TrackColour));
    if (TrackDlg && TrackDlg->isVisible())
        TrackDlg->SetTrackColour(false);
    f.OverlayRedrawRequest = 1;
}

void NextEntry(QComboBox* box, int count) { box->setCurrentIndex((box->currentIndex() + 1) % count); }

void ToolKey(TForm1& f, uint16_t key)
{
    switch (key) {
    case Vk0:
        Toggle(f.SymbolBtn);
        SymbolExecute(f);
        break;
    case Vk0 + 1:
        Toggle(f.Show2DBtn);
        f.Show2DExecute();
        break;
    case Vk0 + 2:
        Toggle(f.WeatherBtn);
        f.WeatherExecute();
        break;
    case Vk0 + 3:
        Toggle(f.RadarBtn);
        f.RadarExecute();
        break;
    case Vk0 + 4:
        Toggle(f.QueryBtn);
        f.QueryExecute();
        break;
    case Vk0 + 5:
        Toggle(f.BearingBtn);
        f.BearingExecute();
        break;
    case Vk0 + 6:
        if (Shown(f.Arpa1Btn)) {
            Toggle(f.Arpa1Btn);
            f.Arpa1Execute();
        }
        break;
    case Vk0 + 7:
        Toggle(f.AisBtn);
        f.AisExecute();
        break;
    case Vk0 + 8:
        Toggle(f.RouteBtn);
        RouteExecute(f);
        if (f.RouteBtn->isChecked()) {
            f.btnPickRt->setChecked(true);
            RtSelectExecute(f);
        }
        break;
    case Vk9:
        Toggle(f.TrackBtn);
        TrackExecute(f);
        break;
    default:
        break;
    }
}

// A to G: the chart bands from the world chart to the plan.
void BandKey(TForm1& f, uint16_t key)
{
    switch (key - VkA) {
    case 0:
        f.WorldExecute();
        break;
    case 1:
        f.OverviewExecute();
        break;
    case 2:
        f.CrossingExecute();
        break;
    case 3:
        f.CoastalExecute();
        break;
    case 4:
        f.ApproachExecute();
        break;
    case 5:
        f.HarbourExecute();
        break;
    default:
        f.PlanExecute();
        break;
    }
}

bool TypesCharacter(const QKeyEvent& press)
{
    const QString text = press.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

class KeyPreview : public QObject {
public:
    explicit KeyPreview(TForm1& form) : QObject(&form), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != &form_)
            return false;
        const auto* press = static_cast<QKeyEvent*>(event);
        if (press->key() == Qt::Key_Print)
            return false;
        uint16_t key = VirtualKeyOf(*press);
        form_.FormKeyDown(&form_, key, press->modifiers());
        // A used key goes no further; its character, as with the key's character message of the
        // system's window framework, still reaches the control (a check list's Space, a letter).
        return key == 0 && !TypesCharacter(*press);
    }

private:
    TForm1& form_;
};

}  // namespace

uint16_t VirtualKeyOf(const QKeyEvent& event)
{
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return uint16_t(VkNumpad0 + (key - Qt::Key_0));
        switch (key) {
        case Qt::Key_Asterisk:
            return VkMultiply;
        case Qt::Key_Plus:
            return VkAdd;
        case Qt::Key_Minus:
            return VkSubtract;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 110;
        case Qt::Key_Slash:
            return 111;
        default:
            break;
        }
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return uint16_t(key);  // Qt's codes of these are their characters, as the virtual keys
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return uint16_t(VkF1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace:
        return VkBack;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VkReturn;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return VkEscape;
    case Qt::Key_Space:
        return VkSpace;
    case Qt::Key_PageUp:
        return VkPrior;
    case Qt::Key_PageDown:
        return VkNext;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return VkHome;
    case Qt::Key_Left:
        return VkLeft;
    case Qt::Key_Up:
        return VkUp;
    case Qt::Key_Right:
        return VkRight;
    case Qt::Key_Down:
        return VkDown;
    case Qt::Key_Insert:
        return VkInsert;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

void InstallKeyPreview(TForm1& form)
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(new KeyPreview(form));
}

void TForm1::FormKeyDown(QObject*, uint16_t& key, Qt::KeyboardModifiers shift)
{
    KeyboardInUse = true;
    if (!StartupDone || LeftToPanel(*this, key))
        return;
    if (Shown(F1Panel))
        F1Panel->hide();
    const ScreenPoint centre{chartCentreX, chartCentreY};
    switch (key) {
    case VkReturn:
        CM93MouseDown(nullptr, LeftButton, shift, CursorPixel.x, CursorPixel.y);
        break;
    case VkEscape:
    case VkSpace:
        AcknowledgeAlarm();
        break;
    case VkPrior:
        if (ZoomOutBtn->isEnabled())
            ZoomOutExecute();
        break;
    case VkNext:
        if (ZoomInBtn->isEnabled())
            ZoomInExecute();
        break;
    case VkHome:
        AutoBtn->setChecked(true);
        break;
    case VkLeft:
        Pan(*this, -1, 0);
        break;
    case VkUp:
        Pan(*this, 0, -1);
        break;
    case VkRight:
        Pan(*this, 1, 0);
        break;
    case VkDown:
        Pan(*this, 0, 1);
        break;
    case VkInsert:
        Toggle(btnPosition);
        btnPositionClick();
        break;
    case VkW:
        GlobalExecute();
        break;
    case VkL:
        ExportAisTargets();
        break;
    case VkQ:
    case VkF5:
    case VkF9:
    case VkF9 + 1:
    case VkF11:
    case VkManOverboard:
        MarkKey(*this, key);
        break;
    case VkS:
        StartDeadReckoning(*this);
        break;
    case VkT:
        NextTrackColour(*this);
        break;
    case VkX:
        NextEntry(cmbDepthSave, DepthSaveChoices);
        cmbDepthSaveChange();
        break;
    case VkMultiply:
        NextEntry(Daylight, DisplayModes);
        DaylightChange();
        break;
    case VkAdd:
        CM93MouseDown(this, LeftButton, shift, centre.x, centre.y);
        break;
    case VkSubtract:
        CM93MouseDown(this, RightButton, shift, centre.x, centre.y);
        break;
    case VkF1:
        F1Panel->move(HelpPanelPlace);
        F1Panel->show();
        F1Panel->raise();
        break;
    case VkF3:
        ShowNameBaseViewer();
        break;
    case VkF4: {
        const uint8_t chosen = SetupParameters.CurrentSymbol;
        SetupParameters.CurrentSymbol = TrackStartSymbol;
        btnTrackClick(*this);
        SetupParameters.CurrentSymbol = chosen;
        break;
    }
    case VkF6:
    case VkF7:
        StartStopMark(*this, key);
        break;
    case VkF8:
        EventMarkExecute(this);
        break;
    default:
        if (key >= Vk0 && key <= Vk9)
            ToolKey(*this, key);
        else if (key >= VkA && key <= VkG)
            BandKey(*this, key);
        break;
    }
    key = 0;
}
