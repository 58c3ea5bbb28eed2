#include "platform/system/HotKey.h"

#include "platform/system/MessageBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <stdexcept>

using namespace platform;

namespace {

// A control of a dialog that counts the key presses it gets.
class KeyTarget : public QWidget {
public:
    explicit KeyTarget(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }
    int presses = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        ++presses;
        event->accept();
    }
};

class HotKeyTest : public testing::Test {
protected:
    void SetUp() override
    {
        InstallMessageBoxService(&boxes);
        new QVBoxLayout(&dialog);
        target = new KeyTarget(&dialog);
        dialog.layout()->addWidget(target);
        dialog.show();
        target->setFocus();
    }
    void TearDown() override { InstallMessageBoxService(nullptr); }

    // A key press as the window system delivers it: to the control with the focus.
    static void Press(QWidget* focused, int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(focused, &press);
    }

    RecordingMessageBoxService boxes;
    QDialog dialog;
    KeyTarget* target = nullptr;
};

TEST_F(HotKeyTest, OnlyItsExactCombinationRunsItAndGoesNoFurther)
{
    int runs = 0;
    ApplicationHotKey hotKey(Qt::Key_Print, Qt::ControlModifier, [&] { ++runs; });
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool autoRepeat;
        bool runs;
    };
    const Case cases[] = {
        {Qt::Key_Print, Qt::ControlModifier, false, true},
        {Qt::Key_Print, Qt::ControlModifier | Qt::KeypadModifier, false, true},
        {Qt::Key_Print, Qt::ControlModifier, true, false},  // held down: once only
        {Qt::Key_Print, Qt::NoModifier, false, false},
        {Qt::Key_Print, Qt::ControlModifier | Qt::AltModifier, false, false},
        {Qt::Key_Print, Qt::ControlModifier | Qt::ShiftModifier, false, false},
        {Qt::Key_P, Qt::ControlModifier, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " " << c.modifiers.toInt() << " " << c.autoRepeat);
        runs = 0;
        target->presses = 0;
        Press(target, c.key, c.modifiers, c.autoRepeat);
        EXPECT_EQ(runs, c.runs ? 1 : 0);
        const bool hotKeyCombination = c.key == Qt::Key_Print &&
                                       (c.modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
        EXPECT_EQ(target->presses, hotKeyCombination ? 0 : 1);
    }
}

TEST_F(HotKeyTest, TheCombinationIsFreeAgainOnceTheKeyIsGone)
{
    int runs = 0;
    {
        ApplicationHotKey hotKey(Qt::Key_Print, Qt::ControlModifier, [&] { ++runs; });
        Press(target, Qt::Key_Print, Qt::ControlModifier);
    }
    Press(target, Qt::Key_Print, Qt::ControlModifier);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(target->presses, 1);
}

TEST_F(HotKeyTest, AFailingActionIsReportedAndTheProgramCarriesOn)
{
    int runs = 0;
    ApplicationHotKey hotKey(Qt::Key_Print, Qt::ControlModifier, [&] {
        if (++runs == 1)
            throw std::runtime_error("The screen cannot be read");
    });
    Press(target, Qt::Key_Print, Qt::ControlModifier);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "The screen cannot be read");
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Exclamation);
    Press(target, Qt::Key_Print, Qt::ControlModifier);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(boxes.shown.size(), 1u);
}

}  // namespace
