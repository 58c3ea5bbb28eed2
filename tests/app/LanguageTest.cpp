#include "AppTestSupport.h"

#include "app/LanguageLoader.h"
#include "app/LanguageTable.h"
#include "app/TForm1.h"
#include "frame/SharedTables.h"
#include "platform/system/IniFile.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TSetupPort.h"
#include "userdata/TQueryDlg.h"
#include "userdata/TWpDlg.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

using LanguageFilesTest = AppTest;

TEST_F(LanguageFilesTest, LanguagesAreTheLngFilesSortedWithoutRegardToCase)
{
    writeFile("svenska.lng", "");
    writeFile("English.LNG", "");
    writeFile("deutsch.lng", "");
    writeFile("notes.txt", "");
    writeFile(".lng", "");
    EXPECT_EQ(FindLanguages(folder), (std::vector<std::string>{"deutsch", "English", "svenska"}));
    EXPECT_TRUE(FindLanguages(folder / "missing").empty());
}

TEST(LineBreaks, EveryBarBecomesALineBreakAndOneBlank)
{
    EXPECT_EQ(ExpandLineBreaks("Route|deleted?"), "Route\r\n deleted?");
    EXPECT_EQ(ExpandLineBreaks("||"), "\r\n \r\n ");
    EXPECT_EQ(ExpandLineBreaks("plain"), "plain");
}

// A main window and two dialogs with a few controls of the language table, loaded from a small
// language file.
class LanguageLoaderTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Form1 = new TForm1;
        ArpaDlg = new TArpaDlg;
        WpDlg = new TWpDlg;

        exitButton = addTo<QToolButton>(Form1, "ExitBtn");
        daylight = addTo<QComboBox>(Form1, "Daylight");
        daylight->addItems({"a", "b", "c", "d", "e"});
        daylight->setCurrentIndex(3);
        help = addTo<QListWidget>(Form1, "F1Text");
        for (int i = 0; i < 20; ++i)
            help->addItem(QStringLiteral("built-in"));
        cpa = ArpaDlg->ckCpa;
        grid = WpDlg->findChild<QTableWidget*>(QStringLiteral("Grid"));
        if (!grid)
            grid = addTo<QTableWidget>(WpDlg, "Grid");
        grid->setColumnCount(13);
        grid->setRowCount(2);
        grid->setItem(1, 4, new QTableWidgetItem(QStringLiteral("12.5")));

        writeFile("test.lng",
                  "[BtnHint]\r\n1=Close the program\r\n"
                  "[ComboList]\r\n1=Day bright\r\n4=Dusk\r\n"
                  "[ArpaDlg]\r\n9=Target\r\n10=CPA|alarm\r\n"
                  "[WpDlg]\r\n11=Distance\r\n"
                  "[Notice]\r\n1=Pick a point|then click\r\n"
                  "[AuxText]\r\n4=never read\r\n"
                  "[F1Text]\r\n2=Zoom in\r\n28=Last line\r\n");
    }

    void TearDown() override
    {
        delete WpDlg;
        delete ArpaDlg;
        delete Form1;
        WpDlg = nullptr;
        ArpaDlg = nullptr;
        Form1 = nullptr;
        AppTest::TearDown();
    }

    template <typename Widget>
    Widget* addTo(QWidget* form, const char* name)
    {
        auto* widget = new Widget(form);
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    }

    QToolButton* exitButton;
    QComboBox* daylight;
    QListWidget* help;
    QCheckBox* cpa;
    QTableWidget* grid;
};

TEST_F(LanguageLoaderTest, TextsGoToTheirControlsAndMissingKeysShowABang)
{
    LoadLanguage(folder / "test.lng");

    EXPECT_EQ(exitButton->toolTip(), "Close the program");
    EXPECT_EQ(ArpaDlg->windowTitle(), "Target");
    EXPECT_EQ(cpa->text(), "CPA|alarm");  // a control shows the bar as it is
    EXPECT_EQ(Form1->RadarBtn->toolTip(), "!");
    EXPECT_EQ(MessageTexts[0], "Pick a point\r\n then click");
    EXPECT_EQ(MessageTexts[1], "!");
    for (int slot : {16, 17, 23, 37})
        EXPECT_EQ(MessageTexts[slot], "") << slot;
}

TEST_F(LanguageLoaderTest, ListsAreReplacedByPositionAndKeepTheirSelection)
{
    LoadLanguage(folder / "test.lng");

    EXPECT_EQ(daylight->itemText(0), "Day bright");
    EXPECT_EQ(daylight->itemText(1), "!");
    EXPECT_EQ(daylight->itemText(3), "Dusk");
    EXPECT_EQ(daylight->count(), 5);
    EXPECT_EQ(daylight->currentIndex(), 3);
}

TEST_F(LanguageLoaderTest, AGridTitleLeavesTheColumnsCellsAlone)
{
    LoadLanguage(folder / "test.lng");

    EXPECT_EQ(grid->horizontalHeaderItem(4)->text(), "Distance");
    EXPECT_EQ(grid->horizontalHeaderItem(5)->text(), "!");
    ASSERT_NE(grid->item(1, 4), nullptr);
    EXPECT_EQ(grid->item(1, 4)->text(), "12.5");
}

TEST_F(LanguageLoaderTest, TheKeyboardHelpGrowsTo41EntriesWithTheButtonHints)
{
    LoadLanguage(folder / "test.lng");
    LoadLanguage(folder / "test.lng");  // a second load rewrites, it does not grow further

    ASSERT_EQ(help->count(), 41);
    EXPECT_EQ(help->item(2)->text(), "3   !");  // RadarBtn's hint from this load
    EXPECT_EQ(help->item(10)->text(), "");
    EXPECT_EQ(help->item(11)->text(), "Zoom in");
    EXPECT_EQ(help->item(12)->text(), "!");
    EXPECT_EQ(help->item(40)->text(), "Last line");
}

TEST_F(LanguageLoaderTest, WithoutALanguageFileEveryTextIsABang)
{
    LoadLanguage(folder / ".lng");

    EXPECT_EQ(exitButton->toolTip(), "!");
    EXPECT_EQ(cpa->text(), "!");
    EXPECT_EQ(MessageTexts[38], "!");
}

// Every text the program reads from a language file must be in the English file it ships.
TEST(EnglishLanguageFile, HoldsEverySectionAndKeyTheProgramReads)
{
    const platform::IniFile english(std::filesystem::path(VARNIK_SOURCE_DIR) / "data/english.lng");
    ASSERT_TRUE(english.hasSection("BtnHint"));
    auto expectKey = [&](const std::string& section, int key) {
        EXPECT_TRUE(english.hasKey(section, std::to_string(key))) << section << " " << key;
    };
    for (const LanguageRow& row : LanguageRows())
        if (row.section)
            expectKey(row.section, row.key);
    for (int key = 2; key <= 28; ++key)
        expectKey("F1Text", key);
    for (int key = 4; key <= 13; ++key)
        expectKey("C-Map", key);
}

// Every text of the main window and its controls comes from the shipped English file.
TEST_F(LanguageFilesTest, TheEnglishFileLeavesNoMissingTextInTheMainWindow)
{
    TForm1 form;
    Form1 = &form;
    LoadLanguage(std::filesystem::path(VARNIK_SOURCE_DIR) / "data/english.lng");
    Form1 = nullptr;

    int checked = 0;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        for (const QString& text : ShownTexts(widget))
            EXPECT_NE(text, "!") << widget->objectName().toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 300);
    for (int slot = 0; slot < 40; ++slot)
        EXPECT_NE(MessageTexts[slot], "!") << slot;
}

// The port set-up takes its texts from the shipped English file by its controls' names.
TEST_F(LanguageFilesTest, TheEnglishFileLeavesNoMissingTextInThePortSetup)
{
    TSetupPort dialog;
    LoadLanguage(std::filesystem::path(VARNIK_SOURCE_DIR) / "data/english.lng");

    EXPECT_EQ(dialog.windowTitle(), "Setup Ports");
    EXPECT_EQ(dialog.txUse->text(), "<-- Use");
    EXPECT_EQ(dialog.txTransmit->text(), "<-- Tramsmit");
    EXPECT_EQ(dialog.ckAutoRTE->text(), "Auto RTE route");
    EXPECT_EQ(dialog.ckSave->text(), "Save to file");
    EXPECT_FALSE(dialog.ckAutoRTE->toolTip().isEmpty());
    EXPECT_FALSE(dialog.cmbPort->toolTip().isEmpty());
    for (QWidget* widget : dialog.findChildren<QWidget*>())
        for (const QString& text : ShownTexts(widget))
            EXPECT_NE(text, "!") << widget->objectName().toStdString();
}

// The information dialog's controls take their captions and hints by their names.
TEST_F(LanguageFilesTest, TheEnglishFileGivesTheInformationDialogItsTexts)
{
    TQueryDlg dialog;
    LoadLanguage(std::filesystem::path(VARNIK_SOURCE_DIR) / "data/english.lng");

    EXPECT_EQ(dialog.QueryBtn->text(), "Query chart");
    EXPECT_EQ(dialog.FileBtn->text(), "Info file");
    EXPECT_EQ(dialog.ckAnchor->text(), "Anchor guard");
    EXPECT_EQ(dialog.ckAisLog->text(), "Ais activity log");
    EXPECT_EQ(dialog.Text->toolTip(), "Name of the object");
    EXPECT_EQ(dialog.WpBtn->toolTip(), "Show waypoint 1");
    for (QWidget* widget : dialog.findChildren<QWidget*>())
        for (const QString& text : ShownTexts(widget))
            EXPECT_NE(text, "!") << widget->objectName().toStdString();
}

// Hints whose wording is fixed, as the shipped English file gives them.
TEST_F(LanguageFilesTest, TheEnglishFileGivesTheQuotedHints)
{
    TForm1 form;
    Form1 = &form;
    LoadLanguage(std::filesystem::path(VARNIK_SOURCE_DIR) / "data/english.lng");
    Form1 = nullptr;

    const struct {
        const QWidget* control;
        const char* hint;
    } quoted[] = {
        {form.ZoomPanel, "Displayed scale"},
        {form.Daylight, "Day/Night mode"},
        {form.DispMode, "Chart orientation"},
        {form.cmbDepthSave, "Saving 3D depths"},
        {form.cklDataCopy, "Select objects"},
        {form.AutoBtn, "Auto"},
        {form.btnMiniAuto, "AntiGrounding"},
        {form.btnTrack, "Realtime saving track"},
        {form.btnPrintRt, "Make, edit and print waypoint list"},
        {form.SymbBar, "Select symbol and colour"},
        {form.LineBar, "Select type and colour"},
    };
    for (const auto& [control, hint] : quoted)
        EXPECT_EQ(control->toolTip().toStdString(), hint) << control->objectName().toStdString();
}
