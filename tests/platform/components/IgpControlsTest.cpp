#include "platform/components/IgpControls.h"
#include "platform/components/IgpKeyboard.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

using namespace Igpfunctions;

TEST(Keyboard, ReportsTheModifierHeldDown)
{
    QWindow window;
    window.show();
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifier modifier;
    };
    for (const Case c : {Case{Qt::Key_Shift, Qt::ShiftModifier},
                         Case{Qt::Key_Control, Qt::ControlModifier},
                         Case{Qt::Key_Alt, Qt::AltModifier}}) {
        QTest::keyPress(&window, c.key, c.modifier);
        EXPECT_EQ(GetShiftDown(), c.modifier == Qt::ShiftModifier) << c.key;
        EXPECT_EQ(GetCtrlDown(), c.modifier == Qt::ControlModifier) << c.key;
        EXPECT_EQ(GetAltDown(), c.modifier == Qt::AltModifier) << c.key;
        QTest::keyRelease(&window, c.key, Qt::NoModifier);
        EXPECT_FALSE(GetShiftDown() || GetCtrlDown() || GetAltDown()) << c.key;
    }
}

// A form with a label inside a frame further down and an edit beside it.
struct Form {
    QWidget window;
    QWidget* frame = new QWidget(&window);
    QLabel* label = new QLabel(QStringLiteral("Speed"), frame);
    QLineEdit* edit = new QLineEdit(&window);

    Form()
    {
        window.resize(300, 200);
        frame->setGeometry(10, 50, 200, 100);
        label->setGeometry(5, 31, 60, 17);
        edit->setGeometry(100, 0, 80, 30);
    }
};

TEST(Controls, FormOwnerAndVerticalCentring)
{
    Form form;
    form.window.show();
    EXPECT_EQ(GetCustomFormOwner(form.label), &form.window);
    EXPECT_EQ(GetCustomFormOwner(&form.window), &form.window);
    EXPECT_EQ(GetCustomFormOwner(nullptr), nullptr);

    // The label's middle lies at 50 + 31 + 8 = 89 in the window; the edit, 30 high, moves to 74.
    iAlignVCenterControl(form.edit, form.label);
    EXPECT_EQ(form.edit->geometry(), QRect(100, 74, 80, 30));
}

TEST(Controls, FocusOnlyWhereItCanGo)
{
    Form form;
    form.window.show();
    QLineEdit hidden(&form.window);
    hidden.hide();
    QLineEdit disabled(&form.window);
    disabled.setEnabled(false);

    EXPECT_FALSE(iSetFocus(&hidden));
    EXPECT_FALSE(iSetFocus(&disabled));
    EXPECT_FALSE(iSetFocus(form.label));  // takes no focus
    EXPECT_FALSE(iSetFocus(nullptr));
    EXPECT_TRUE(iSetFocus(form.edit));
    EXPECT_EQ(form.window.focusWidget(), form.edit);
}

TEST(Controls, ActivePage)
{
    QTabWidget pages;
    for (const char* name : {"Display", "Ship", "Ports"})
        pages.addTab(new QWidget, QString::fromLatin1(name));
    SetActivePageIndex(&pages, 2);
    EXPECT_EQ(GetActivePageIndex(&pages), 2);
    SetActivePageIndex(&pages, 3);
    SetActivePageIndex(&pages, -1);
    EXPECT_EQ(GetActivePageIndex(&pages), 2);
    EXPECT_EQ(GetActivePageIndex(nullptr), -1);
}

}  // namespace
