// The text editor dialog over real files: what it shows and saves, what it refuses to overwrite,
// its layout and language, and the buttons of the main window it releases.

#include "AppTestSupport.h"

#include "app/LanguageLoader.h"
#include "app/TDlgFileEdit.h"
#include "app/TForm1.h"
#include "platform/system/FileDialog.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>

#include <fstream>
#include <memory>

namespace {

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

// A position log as the program writes it: Windows-1252 with degree signs, CR LF.
const std::string DailyLog =
    "09.12.26 08:05  54\xB0" "12.345' N  010\xB0" "08.765' E   6.2 kt 123\xB0\r\n"
    "09.12.26 08:25  54\xB0" "14.001' N  010\xB0" "10.002' E   6.0 kt 121\xB0\r\n"
    "Sch\xF6n \x80 \xA0 \x96\r\n";

class TextEditorTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        platform::InstallFileDialogService(&fileDialogs);
        dialog = std::make_unique<TDlgFileEdit>();
    }
    void TearDown() override
    {
        dialog.reset();
        platform::InstallFileDialogService(nullptr);
        EditFilePath.clear();
        AppTest::TearDown();
    }

    void show(const std::filesystem::path& file)
    {
        EditFilePath = file;
        dialog->show();
    }

    // Types text at the end of the memo, as the operator would.
    void type(const QString& text)
    {
        QTextCursor cursor = dialog->Memo->textCursor();
        cursor.movePosition(QTextCursor::End);
        dialog->Memo->setTextCursor(cursor);
        dialog->Memo->insertPlainText(text);
    }

    platform::RecordingFileDialogService fileDialogs;
    std::unique_ptr<TDlgFileEdit> dialog;
};

TEST_F(TextEditorTest, AFileShownAndSavedKeepsItsBytesAndLineEnds)
{
    const std::pair<const char*, std::string> files[] = {
        {"CR LF", DailyLog},
        {"LF", "N 54\xB0\nE 10\xB0\n"},
        {"CR", "N 54\xB0\rE 10\xB0\r"},
        {"no end at the end", "N 54\xB0\r\nE 10\xB0"},
        {"empty", ""},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const auto file = folder / "261209.txt";
        Write(file, bytes);
        show(file);
        EXPECT_EQ(dialog->windowTitle().toStdString(), file.string());
        EXPECT_FALSE(dialog->OKBtn->isEnabled()) << "nothing changed yet";
        type("x");
        dialog->Memo->textCursor().deletePreviousChar();
        ASSERT_TRUE(dialog->OKBtn->isEnabled());
        dialog->OKBtn->click();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(Contents(file), bytes);
        EXPECT_FALSE(std::filesystem::exists(folder / "261209.txt.tmp"));
    }
    EXPECT_TRUE(boxes.shown.empty());

    // An edit is stored in the file's own bytes and line ends; and where the caller points
    // EditFilePath meanwhile does not matter: the file shown is the file saved.
    const auto file = folder / "261209.txt";
    Write(file, DailyLog);
    show(file);
    EXPECT_TRUE(dialog->Memo->toPlainText().contains(QString::fromUtf8("54\u00B012.345' N")));
    EditFilePath = folder / "other.txt";
    type(QString::fromUtf8("Fix 12\u00B0 \u20AC\n"));
    dialog->OKBtn->click();
    EXPECT_EQ(Contents(file), DailyLog + "Fix 12\xB0 \x80\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "other.txt"));
}

TEST_F(TextEditorTest, CancelLeavesTheFileAndShowingAgainReloadsIt)
{
    const auto file = folder / "ais.log";
    Write(file, DailyLog);
    show(file);
    type("scribble");
    dialog->CancelBtn->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Contents(file), DailyLog);

    Write(file, "A new day\r\n");
    show(file);
    EXPECT_EQ(dialog->Memo->toPlainText(), "A new day\n");
    EXPECT_FALSE(dialog->OKBtn->isEnabled());
}

TEST_F(TextEditorTest, ALogWrittenToWhileShownIsNotOverwrittenWithoutAsking)
{
    const auto file = folder / "ais.log";
    Write(file, DailyLog);
    show(file);
    type("edited\n");
    // The one-second tick appends a line meanwhile.
    std::ofstream(file, std::ios::binary | std::ios::app) << "09.12.26 08:45 appended\r\n";
    const std::string appended = Contents(file);

    boxes.presetAnswers = {platform::MsgAnswer::No};
    dialog->OKBtn->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].buttons, platform::MsgButtons::YesNo);
    EXPECT_NE(boxes.shown[0].text.find(file.string()), std::string::npos);
    EXPECT_EQ(Contents(file), appended);
    EXPECT_TRUE(dialog->isVisible());

    // "Save as" writes the chosen file and leaves the log alone.
    fileDialogs.presetAnswers = {folder / "copy.log"};
    dialog->SaveBtn->click();
    ASSERT_EQ(fileDialogs.shown.size(), 1u);
    EXPECT_EQ(fileDialogs.shown[0].kind, platform::FileDialogKind::Save);
    EXPECT_EQ(fileDialogs.shown[0].folder, folder);
    EXPECT_EQ(Contents(folder / "copy.log"), DailyLog + "edited\r\n");
    EXPECT_EQ(Contents(file), appended);
    EXPECT_FALSE(dialog->isVisible());

    // Confirmed, the text shown replaces it.
    show(file);
    std::ofstream(file, std::ios::binary | std::ios::app) << "one more\r\n";
    type("edited\n");
    boxes.presetAnswers = {platform::MsgAnswer::Yes};
    dialog->OKBtn->click();
    EXPECT_EQ(Contents(file), appended + "edited\r\n");
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(TextEditorTest, AFailingSaveLeavesTheFileWholeAndTheTextShown)
{
    const auto file = folder / "route.txt";
    Write(file, DailyLog);
    show(file);
    type("edited");
    // The temporary cannot be made (for root too): the file must not be touched at all.
    std::filesystem::create_directory(folder / "route.txt.tmp");
    dialog->OKBtn->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("cannot be written"), std::string::npos) << boxes.shown[0].text;
    EXPECT_EQ(Contents(file), DailyLog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->Memo->toPlainText().endsWith("edited"));

    // Cancelling "Save as" does nothing.
    dialog->SaveBtn->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(TextEditorTest, AFileThatCannotBeReadIsReportedAndCanBeWrittenAnew)
{
    const auto file = folder / "Info" / "set A.txt";
    std::filesystem::create_directory(folder / "Info");
    show(file);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(file.string()), std::string::npos) << boxes.shown[0].text;
    EXPECT_TRUE(dialog->Memo->toPlainText().isEmpty());
    EXPECT_FALSE(dialog->OKBtn->isEnabled());

    type("Data set A\n");
    dialog->OKBtn->click();
    EXPECT_EQ(boxes.shown.size(), 1u) << "still missing, so nothing to overwrite";
    EXPECT_EQ(Contents(file), "Data set A\r\n");
}

TEST_F(TextEditorTest, FormAndButtonsAreLaidOutAsTheMemoIsWide)
{
    EXPECT_EQ(dialog->windowTitle(), "Text Edit");
    EXPECT_EQ(dialog->pos(), QPoint(0, 30));
    EXPECT_EQ(dialog->size(), QSize(749, 233));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(dialog->Memo->font().bold());
    EXPECT_EQ(dialog->Memo->font().pixelSize(), 13);
    EXPECT_TRUE(QFontInfo(dialog->Memo->font()).fixedPitch());

    Write(folder / "route.txt", DailyLog);
    show(folder / "route.txt");
    dialog->resize(800, 400);
    ASSERT_EQ(dialog->Memo->width(), 800);
    const std::pair<QPushButton*, int> buttons[] = {
        {dialog->CancelBtn, 0}, {dialog->OKBtn, 200}, {dialog->SaveBtn, 400}, {dialog->PrintBtn, 600}};
    for (const auto& [button, left] : buttons) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_EQ(button->x(), left);
        EXPECT_EQ(button->width(), 200);
        EXPECT_GE(button->y(), dialog->Memo->geometry().bottom());
        EXPECT_LE(button->geometry().bottom(), dialog->height());
    }
}

TEST_F(TextEditorTest, TheLanguageFileNamesItsButtons)
{
    writeFile("deutsch.lng", "[ArpaDlg]\r\n11=Sichern\r\n13=Abbruch\r\n");
    LoadLanguage(folder / "deutsch.lng");
    EXPECT_EQ(dialog->OKBtn->text(), "Sichern");
    EXPECT_EQ(dialog->CancelBtn->text(), "Abbruch");
}

TEST_F(TextEditorTest, HidingReleasesTheButtonsThatOpenedIt)
{
    auto form = std::make_unique<TForm1>();
    Form1 = form.get();
    form->Timer2->stop();
    form->btnAisLog->setChecked(true);
    form->btnPrintRt->setDown(true);
    Write(folder / "ais.log", DailyLog);
    show(folder / "ais.log");
    dialog->CancelBtn->click();
    EXPECT_FALSE(form->btnAisLog->isChecked());
    EXPECT_FALSE(form->btnPrintRt->isDown());
    Form1 = nullptr;
}

TEST_F(TextEditorTest, WithoutAPrinterPrintingSaysSo)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer";
    Write(folder / "route.txt", DailyLog);
    show(folder / "route.txt");
    dialog->PrintBtn->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("No printer"), std::string::npos);
}

}  // namespace
