// The main window's keyboard on the started program over the bay: Qt key presses delivered to a
// control of the window that has the focus reach the window's key handler first, which acts on
// them and stops them (a character key still types its character), or leaves them to the panels
// that take typing.

#include "BayWindowTest.h"

#include "app/KeyboardShortcuts.h"
#include "app/NameBaseViewer.h"
#include "app/StartupIni.h"
#include "chart/TPositionDlg.h"
#include "frame/SetupParameters.h"
#include "sensors/ComPortControl.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

#include <functional>
#include <string>
#include <vector>

namespace {

// A control that would take the typing; it notes every key that reaches it.
class Probe : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::vector<int> received;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        received.push_back(event->key());
        QLineEdit::keyPressEvent(event);
    }
};

TEST(VirtualKeyTest, QtKeysBecomeTheTablesCodes)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        uint16_t code;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, 65},         {Qt::Key_W, Qt::ShiftModifier, 87},
        {Qt::Key_5, Qt::NoModifier, 53},         {Qt::Key_5, Qt::KeypadModifier, 101},
        {Qt::Key_0, Qt::KeypadModifier, 96},     {Qt::Key_Asterisk, Qt::KeypadModifier, 106},
        {Qt::Key_Plus, Qt::KeypadModifier, 107}, {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {Qt::Key_Plus, Qt::NoModifier, 0},       {Qt::Key_Minus, Qt::NoModifier, 0},
        {Qt::Key_Asterisk, Qt::NoModifier, 0},   {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Return, Qt::NoModifier, 13},    {Qt::Key_Escape, Qt::NoModifier, 27},
        {Qt::Key_Space, Qt::NoModifier, 32},     {Qt::Key_PageUp, Qt::NoModifier, 33},
        {Qt::Key_PageDown, Qt::NoModifier, 34},  {Qt::Key_Home, Qt::NoModifier, 36},
        {Qt::Key_Left, Qt::NoModifier, 37},      {Qt::Key_Down, Qt::NoModifier, 40},
        {Qt::Key_Insert, Qt::NoModifier, 45},    {Qt::Key_Backspace, Qt::NoModifier, 8},
        {Qt::Key_F1, Qt::NoModifier, 112},       {Qt::Key_F12, Qt::NoModifier, 123},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        EXPECT_EQ(VirtualKeyOf(event), c.code);
    }
}

class KeyboardShortcutsTest : public BayWindowTest {
protected:
    void SetUp() override
    {
        BayWindowTest::SetUp();
        ConnectAlarmRelay();
        PlaceShip(InTheBay, 30.0f, 8.0f);
        ShowChart(10, InTheBay);
        KeyboardInUse = false;
        MarkTrackToggle = false;
        // A control of the main window with the focus, which would take the typing.
        probe = new Probe(form.get());
        probe->show();
        form->activateWindow();
        QApplication::setActiveWindow(form.get());
        probe->setFocus();
        PositionDlg = &positionDialog;
    }

    void TearDown() override
    {
        PositionDlg = nullptr;
        BayWindowTest::TearDown();
    }

    // A key press as the window system delivers it: to the control with the focus. True when the
    // window's key handler consumed it (the control never saw it).
    bool press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QWidget* to = nullptr)
    {
        QWidget* target = to ? to : probe;
        target->setFocus();
        probe->received.clear();
        QKeyEvent event(QEvent::KeyPress, key, modifiers, key < 0x80 ? QString(QChar(key)) : QString());
        QApplication::sendEvent(target, &event);
        return target == probe && probe->received.empty();
    }

    Probe* probe = nullptr;
    TPositionDlg positionDialog;
};

TEST_F(KeyboardShortcutsTest, KeysLeftToThePanelsThatTakeTyping)
{
    // The cross-bearing edit takes its digits and Backspace; other keys still work.
    form->CrossPanel->show();
    press(Qt::Key_4, Qt::NoModifier, form->edCross);
    press(Qt::Key_5, Qt::NoModifier, form->edCross);
    press(Qt::Key_Backspace, Qt::NoModifier, form->edCross);
    EXPECT_EQ(form->edCross->text(), "4");
    EXPECT_TRUE(KeyboardInUse);
    press(Qt::Key_W, Qt::NoModifier, form->edCross);
    EXPECT_EQ(form->chartLevel, 16);
    form->CrossPanel->hide();

    // The chain panel takes every key.
    ShowChart(10, InTheBay);
    form->ChainPanel->show();
    EXPECT_FALSE(press(Qt::Key_W));
    EXPECT_EQ(probe->text(), "W");
    EXPECT_EQ(form->chartLevel, 10);
    form->ChainPanel->hide();

    // The dead-reckoning spin edits take every key while one has the focus.
    form->pnDR->show();
    form->csDRspd->setValue(1);
    form->csDRspd->setFocus();
    press(Qt::Key_Up, Qt::NoModifier, form->csDRspd);
    EXPECT_EQ(form->csDRspd->value(), 2);
    EXPECT_EQ(form->chartLevel, 10);
}

TEST_F(KeyboardShortcutsTest, EveryOtherKeyIsConsumedAndRunsItsRow)
{
    struct Case {
        const char* row;
        int key;
        Qt::KeyboardModifiers modifiers;
        std::function<void()> before;
        std::function<bool()> done;
    };
    const Case cases[] = {
        {"W global", Qt::Key_W, Qt::NoModifier, [] {}, [&] { return form->chartLevel == 16; }},
        {"E approach", Qt::Key_E, Qt::NoModifier, [] {}, [&] { return form->bandLevel == 7; }},
        {"Page Down zooms in", Qt::Key_PageDown, Qt::NoModifier, [&] { form->ZoomInBtn->setEnabled(true); },
         [&] { return form->chartLevel == 6; }},
        {"Page Up zooms out", Qt::Key_PageUp, Qt::NoModifier, [&] { form->ZoomOutBtn->setEnabled(true); },
         [&] { return form->chartLevel == 7; }},
        {"unlisted key", Qt::Key_J, Qt::NoModifier, [] {}, [] { return true; }},
        {"keypad digit is no tool key", Qt::Key_0, Qt::KeypadModifier, [&] { form->SymbolBtn->setChecked(false); },
         [&] { return !form->SymbolBtn->isChecked(); }},
        {"0 symbols", Qt::Key_0, Qt::NoModifier, [&] { form->SymbolBtn->setChecked(false); },
         [&] { return form->SymbolBtn->isChecked(); }},
        {"Home follows", Qt::Key_Home, Qt::NoModifier, [&] { form->AutoBtn->setChecked(false); },
         [&] { return form->AutoBtn->isChecked(); }},
        {"T next track colour", Qt::Key_T, Qt::NoModifier, [] { SetupParameters.TrackColour = 6; },
         [] { return SetupParameters.TrackColour == 1; }},
        {"X next depth saving", Qt::Key_X, Qt::NoModifier, [&] { form->cmbDepthSave->setCurrentIndex(3); },
         [&] { return form->cmbDepthSave->currentIndex() == 0; }},
        {"keypad * next display mode", Qt::Key_Asterisk, Qt::KeypadModifier,
         [&] { form->Daylight->setCurrentIndex(4); }, [&] { return form->Daylight->currentIndex() == 0; }},
        {"Insert position dialog", Qt::Key_Insert, Qt::NoModifier, [] {},
         [] { return PositionDlg && PositionDlg->isVisible(); }},
        {"F1 help", Qt::Key_F1, Qt::NoModifier, [] {},
         [&] { return !form->F1Panel->isHidden() && form->F1Panel->pos() == QPoint(0, 30); }},
        {"any key after F1 hides the help", Qt::Key_J, Qt::NoModifier, [] {},
         [&] { return form->F1Panel->isHidden(); }},
        {"F1 again shows it", Qt::Key_F1, Qt::NoModifier, [] {}, [&] { return !form->F1Panel->isHidden(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        c.before();
        press(c.key, c.modifiers);
        EXPECT_TRUE(c.done());
    }
}

// The keys that move, edit and call are used up; a character key still types its character into
// the control once the window has acted on it.
TEST_F(KeyboardShortcutsTest, UsedKeysStopButTheirCharactersAreTyped)
{
    for (const int key : {Qt::Key_F1, Qt::Key_PageUp, Qt::Key_Escape, Qt::Key_Insert, Qt::Key_F11, Qt::Key_Delete}) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(press(key));
    }
    probe->clear();
    ShowChart(10, InTheBay);
    EXPECT_FALSE(press(Qt::Key_W));
    EXPECT_EQ(form->chartLevel, 16);
    EXPECT_EQ(probe->text(), "W");
}

TEST_F(KeyboardShortcutsTest, ArrowsPanTheChartBySevenTenthsOfItsSize)
{
    form->AutoBtn->setChecked(true);
    const cmgbase::GeoPoint before = MainMapView->centre;
    ScreenPoint west{};
    const WindowRect& rect = form->chartRect;
    cmgbase::GeoPoint expected{};
    ASSERT_TRUE(MainMapView->ScreenToGeo(rect, {rect.right / 2 - int32_t(rect.right * 0.7), rect.bottom / 2}, expected));
    EXPECT_TRUE(press(Qt::Key_Left));
    EXPECT_FALSE(form->AutoBtn->isChecked());
    EXPECT_LT(MainMapView->centre.x, before.x);
    ASSERT_TRUE(MainMapView->GeoToScreen(rect, expected, west));
    EXPECT_NEAR(west.x, rect.right / 2, 1);
    EXPECT_NEAR(west.y, rect.bottom / 2, 1);
}

TEST_F(KeyboardShortcutsTest, EscapeAndSpaceAcknowledgeTheAlarm)
{
    OwnShip.alarmKind = AlarmNoGps;
    OwnShip.alarmActive = true;
    Alarm.sound = true;
    SetAlarmRelay(true);
    EXPECT_TRUE(press(Qt::Key_Escape));
    EXPECT_FALSE(OwnShip.alarmActive);
    EXPECT_FALSE(Alarm.sound);
    EXPECT_FALSE(AlarmRelayClosed());

    // A route deviation keeps its alarm and relay; only the sound stops.
    Alarm.routeDeviation = true;
    OwnShip.alarmActive = true;
    Alarm.sound = true;
    SetAlarmRelay(true);
    press(Qt::Key_Space);
    EXPECT_TRUE(OwnShip.alarmActive);
    EXPECT_TRUE(Alarm.acknowledged);
    EXPECT_FALSE(Alarm.sound);
    EXPECT_TRUE(AlarmRelayClosed());

    // With no alarm, a click swallowed for a notice is let through again.
    OwnShip.alarmActive = false;
    Alarm.ignoreNextClick = true;
    press(Qt::Key_Escape);
    EXPECT_FALSE(Alarm.ignoreNextClick);
}

// The event mark shows in SymbolBtn going down; the symbol bar's choice stays.
TEST_F(KeyboardShortcutsTest, MarkKeysUnderWayAndManOverboardAtAnySpeed)
{
    struct Case {
        int key;
        float knots;
        bool marked;
    };
    const Case cases[] = {
        {Qt::Key_Q, 0.9f, false}, {Qt::Key_Q, 1.0f, true},   {Qt::Key_F5, 0.9f, false}, {Qt::Key_F9, 1.0f, true},
        {Qt::Key_F11, 0.5f, false}, {Qt::Key_F12, 0.0f, true}, {Qt::Key_F8, 0.0f, true},
    };
    SetupParameters.CurrentSymbol = 7;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        PlaceShip(InTheBay, 30.0f, c.knots);
        form->SymbolBtn->setChecked(false);
        press(c.key);
        EXPECT_EQ(form->SymbolBtn->isChecked(), c.marked);
        EXPECT_EQ(SetupParameters.CurrentSymbol, 7);
    }
    // No position, no mark, man overboard included.
    OwnShip.positionKnown = false;
    form->SymbolBtn->setChecked(false);
    press(Qt::Key_F12);
    EXPECT_FALSE(form->SymbolBtn->isChecked());
}

TEST_F(KeyboardShortcutsTest, StartAndStopMarksSwitchOnOnlyUnderWay)
{
    PlaceShip(InTheBay, 30.0f, 0.5f);
    press(Qt::Key_F6);
    EXPECT_FALSE(MarkTrackToggle);
    PlaceShip(InTheBay, 30.0f, 5.0f);
    press(Qt::Key_F6);
    EXPECT_TRUE(MarkTrackToggle);
    PlaceShip(InTheBay, 30.0f, 0.0f);
    form->SymbolBtn->setChecked(false);
    press(Qt::Key_F6);  // off is always allowed, with its stop mark
    EXPECT_FALSE(MarkTrackToggle);
    EXPECT_TRUE(form->SymbolBtn->isChecked());
}

TEST_F(KeyboardShortcutsTest, DeadReckoningStartsFromTheChartCentreAsNoFix)
{
    OwnShip.fixAlive = true;
    press(Qt::Key_S);
    EXPECT_TRUE(form->pnDR->isHidden());

    OwnShip.fixAlive = false;
    OwnShip.gpsQuality = 1;
    press(Qt::Key_S);
    EXPECT_FALSE(form->pnDR->isHidden());
    EXPECT_DOUBLE_EQ(OwnShip.gpsLongitude, cmgbase::nrm2deg(MainMapView->centre.x));
    EXPECT_DOUBLE_EQ(OwnShip.gpsLatitude, cmgbase::nrm2deg(MainMapView->centre.y));
    EXPECT_TRUE(OwnShip.positionKnown);
    EXPECT_EQ(OwnShip.gpsQuality, 0);  // RMC sends it void ('V')

    press(Qt::Key_S);
    EXPECT_TRUE(form->pnDR->isHidden());
}

TEST_F(KeyboardShortcutsTest, TheNameBaseViewerStartsOnceAndAMissingOneIsReported)
{
    OutsideProgramCommands.nameBaseViewer = "sleep 30";
    EXPECT_TRUE(press(Qt::Key_F3));
    ASSERT_TRUE(NameBaseViewerProgram.isRunning());
    const pid_t viewer = NameBaseViewerProgram.pid();
    press(Qt::Key_F3);
    EXPECT_EQ(NameBaseViewerProgram.pid(), viewer);
    NameBaseViewerProgram.endAfter(0);

    boxes.shown.clear();
    OutsideProgramCommands.nameBaseViewer = "no-such-name-base-viewer";
    press(Qt::Key_F3);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("no-such-name-base-viewer"), std::string::npos);
    OutsideProgramCommands = OutsidePrograms{};
}

TEST_F(KeyboardShortcutsTest, PrintScreenIsLeftToTheScreenshotKey)
{
    EXPECT_FALSE(press(Qt::Key_Print));
}

}  // namespace
