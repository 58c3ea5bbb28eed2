// The depth edit dialog driven as a user does: shown modally, answered with OK or Del, or closed.

#include "userdata/TDptEdit.h"

#include <QApplication>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `act` on the dialog once it is shown modally; the answer of AskDepth.
std::optional<int32_t> Answer(TDptEdit& dialog, int32_t depth, const std::function<void()>& act)
{
    QTimer::singleShot(0, [&dialog, act] {
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        act();
    });
    return AskDepth(dialog, depth, QPoint(120, 80));
}

TEST(TDptEditTest, OkAnswersTheSpinEditAndDelAnswersZero)
{
    TDptEdit dialog;
    EXPECT_EQ(dialog.objectName(), "DptEdit");
    EXPECT_EQ(dialog.findChild<QSpinBox*>("csDpt"), dialog.csDpt);
    EXPECT_EQ(dialog.btnOK->text(), "OK");
    EXPECT_EQ(dialog.btnDel->text(), "Del");

    int32_t offered = -1;
    EXPECT_EQ(Answer(dialog, 12, [&] {
                  offered = dialog.csDpt->value();
                  dialog.csDpt->setValue(17);
                  dialog.btnOK->click();
              }),
              17);
    EXPECT_EQ(offered, 12);
    EXPECT_EQ(dialog.pos(), QPoint(120, 80));
    EXPECT_FALSE(dialog.isVisible());

    EXPECT_EQ(Answer(dialog, 12, [&] { dialog.btnDel->click(); }), 0);
}

TEST(TDptEditTest, ClosingWithoutAButtonAnswersNothing)
{
    TDptEdit dialog;
    EXPECT_EQ(Answer(dialog, 5, [&] { dialog.reject(); }), std::nullopt);
}

TEST(TDptEditTest, TheOfferedDepthIsHeldToTheSpinEditsRange)
{
    TDptEdit dialog;
    int32_t offered = -1;
    Answer(dialog, 4000, [&] {
        offered = dialog.csDpt->value();
        dialog.btnOK->click();
    });
    EXPECT_EQ(offered, 999);
    Answer(dialog, -3, [&] {
        offered = dialog.csDpt->value();
        dialog.btnOK->click();
    });
    EXPECT_EQ(offered, 0);
}

}  // namespace
