// The shut-down dialog as it is drawn and as the language file words it.

#include "AppTestSupport.h"

#include "app/LanguageLoader.h"
#include "app/SystemColours.h"
#include "app/TOffDlg.h"

#include <QCursor>
#include <QPushButton>

namespace {

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

}  // namespace
