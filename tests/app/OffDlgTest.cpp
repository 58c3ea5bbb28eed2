// The shut-down dialog as it is drawn, and the end of the child programs it leads to.

#include "AppTestSupport.h"

#include "app/ChildPrograms.h"
#include "app/LanguageLoader.h"
#include "app/SystemColours.h"
#include "app/TOffDlg.h"
#include "app/TimerClock.h"

#include <QCursor>
#include <QPushButton>

#include <sys/wait.h>

namespace {

using namespace std::chrono_literals;

using OffDlgTest = AppTest;

TEST_F(OffDlgTest, TheDialogIsDrawnWithItsFourButtonsInTheActiveCaptionColour)
{
    TOffDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Varnik");
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(dialog.size(), QSize(246, 69));

    const struct {
        QPushButton* button;
        QRect place;
        const char* caption;
        const char* hint;
    } buttons[] = {
        {dialog.ExitBtn, {8, 8, 75, 25}, "Exit", "Exit to Windows desktop"},
        {dialog.MiniBtn, {86, 8, 75, 25}, "Minimize", "Run Varnik in background"},
        {dialog.CancelBtn, {164, 8, 75, 25}, "Cancel", ""},
        {dialog.OffBtn, {8, 37, 231, 25}, "Shut down", "Shut down Varnik AND computer"},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.caption);
        EXPECT_EQ(b.button->geometry(), b.place);
        EXPECT_EQ(b.button->text(), b.caption);
        EXPECT_EQ(b.button->toolTip(), b.hint);
        EXPECT_TRUE(b.button->font().bold());
        EXPECT_EQ(b.button->font().pixelSize(), 13);
        EXPECT_EQ(b.button->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(b.button->isDefault(), b.button == dialog.CancelBtn);
    }

    dialog.show();
    EXPECT_EQ(dialog.palette().color(QPalette::Window), ActiveCaptionColour());
    const QImage shown = dialog.grab().toImage();
    EXPECT_EQ(shown.pixelColor(240, 66), ActiveCaptionColour()) << "the client area's corner";

    // Escape cancels: the dialog goes, nothing else happens.
    dialog.reject();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(programEndRequests, 0);
}

TEST_F(OffDlgTest, TheLanguageFileReplacesTheButtonsTextsAndHints)
{
    TOffDlg dialog;
    writeFile("deutsch.lng", "[OffDlg]\n1=Zum Desktop\n2=Im Hintergrund\n3=Rechner aus\n4=Ende\n"
                             "5=Klein\n6=Abbruch\n7=Ausschalten\n");
    LoadLanguage(folder / "deutsch.lng");

    EXPECT_EQ(dialog.ExitBtn->text(), "Ende");
    EXPECT_EQ(dialog.ExitBtn->toolTip(), "Zum Desktop");
    EXPECT_EQ(dialog.MiniBtn->text(), "Klein");
    EXPECT_EQ(dialog.MiniBtn->toolTip(), "Im Hintergrund");
    EXPECT_EQ(dialog.CancelBtn->text(), "Abbruch");
    EXPECT_EQ(dialog.OffBtn->text(), "Ausschalten");
    EXPECT_EQ(dialog.OffBtn->toolTip(), "Rechner aus");
}

TEST_F(OffDlgTest, ActivatingTheDialogPutsThePointerOnCancel)
{
    TOffDlg dialog;
    dialog.show();
    QCursor::setPos(0, 0);
    dialog.FormActivate();
    const QRect cancel(dialog.CancelBtn->mapToGlobal(QPoint(0, 0)), dialog.CancelBtn->size());
    EXPECT_TRUE(cancel.contains(QCursor::pos())) << QCursor::pos().x() << "," << QCursor::pos().y();
}

// The shut-down's wait for the child programs: a clock that, while it waits, lets a test end one
// of them by itself.
class WaitingClock final : public TimerClock {
public:
    bool Wait(std::chrono::milliseconds interval, std::stop_token) override
    {
        waits.push_back(interval);
        if (duringWait)
            duringWait();
        return true;
    }
    std::vector<std::chrono::milliseconds> waits;
    std::function<void()> duringWait;
};

void WaitUntilEnded(pid_t pid)
{
    siginfo_t info{};
    ::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT);
}

// After the wait each program is looked at again: only one still running is terminated; one that
// ended before or during the wait, or none at all, is left alone.
TEST_F(OffDlgTest, AChildProgramIsTerminatedOnlyWhenStillRunningAfterItsWait)
{
    const struct {
        const char* name;
        const char* command;  // none: no program is started
        bool endsBefore;
        bool endsDuringWait;
        size_t waits;
        int terminated;
    } cases[] = {
        {"none started here", nullptr, false, false, 0, 0},
        {"ended before", "true", true, false, 0, 0},
        {"ends during the wait", "sleep 0.2", false, true, 1, 0},
        {"still running", "sleep 30", false, false, 1, 1},
    };
    WaitingClock clock;
    SetShutdownClock(&clock);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        clock.waits.clear();
        clock.duringWait = nullptr;
        platform::ChildProcess& viewer = ThreeDViewer;
        if (c.command) {
            ASSERT_TRUE(viewer.start(c.command));
            if (c.endsBefore)
                WaitUntilEnded(viewer.pid());
            if (c.endsDuringWait)
                clock.duringWait = [&viewer] { WaitUntilEnded(viewer.pid()); };
        }
        EXPECT_EQ(EndChildPrograms(), c.terminated);
        EXPECT_EQ(clock.waits.size(), c.waits);
        EXPECT_FALSE(viewer.isRunning());
        EXPECT_EQ(EndChildPrograms(), 0) << "a second end finds nothing";
    }
    SetShutdownClock(nullptr);
}

}  // namespace
