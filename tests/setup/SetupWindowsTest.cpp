// The set-up program's windows offscreen in a temporary program folder: language file, window
// position, the chart database window's options and results, User.ini, with the recording
// message box answering.

#include "setup/DatabaseOperations.h"
#include "setup/SetupLanguage.h"
#include "setup/TDBWin.h"
#include "setup/TMainWindow.h"
#include "setup/TWaitWin.h"

#include "platform/chartengine/DatabaseManager.h"
#include "platform/system/IniFile.h"
#include "platform/system/MessageBox.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>

namespace {

std::filesystem::path FixtureChart(const std::string& file)
{
    return std::filesystem::path(VARNIK_FIXTURES_DIR) / "charts" / file;
}

// A program folder: the registry store names its "ChartEngine" when engine is asked for.
class ProgramFolder {
public:
    explicit ProgramFolder(bool engine)
    {
        unsetenv("VARNIK_REGISTRY");
        if (engine)
            std::ofstream(path() / "registry.ini") << "[SOFTWARE\\C-Map\\CM93v3\\Enum]\nKeyPath=ChartEngine\n";
    }
    std::filesystem::path path() const { return folder_.path().toStdString(); }
    std::filesystem::path engine() const { return path() / "ChartEngine"; }

    // A language file whose texts are "T<number>" in "Test", and a second language.
    void WriteLanguages(const std::string& chosen) const
    {
        std::ofstream out(path() / kSetupIniFileName, std::ios::binary);
        out << "[Config]\nTop=40\nLeft=70\nLanguage=" << chosen << "\n[Test]\n";
        for (int n = 0; n < kSetupTextCount; ++n)
            out << n << "=T" << n << "\n";
        out << "[Norsk]\n1=Status\n12=F\xf8rste linje\\nandre linje\n";
    }

private:
    QTemporaryDir folder_;
};

// The three forms as the entry creates them, with message boxes recorded.
struct SetupForms {
    explicit SetupForms(const std::filesystem::path& folder) : main(folder)
    {
        platform::InstallMessageBoxService(&boxes);
    }
    ~SetupForms() { platform::InstallMessageBoxService(nullptr); }
    platform::RecordingMessageBoxService boxes;
    TMainWindow main;
    TDBWin database;
    TWaitWin wait;
};

std::string Read(const std::filesystem::path& file, const std::string& section, const std::string& key)
{
    return platform::IniFile(file).readString(section, key, "(none)");
}

TEST(SetupMainWindow, FirstRunWithoutLanguageFile)
{
    ProgramFolder folder(false);
    SetupForms forms(folder.path());
    forms.main.show();
    EXPECT_EQ(forms.main.pos(), QPoint(100, 100));
    EXPECT_EQ(forms.main.m_comboLanguage->count(), 0);
    EXPECT_EQ(forms.main.lblStatus->text(), "??") << "text 12 of no language";
    EXPECT_EQ(forms.main.btnExit->text(), "??");
    EXPECT_TRUE(forms.main.btnInstallMaps->isHidden()) << "no engine folder, no database button";
    EXPECT_EQ(forms.main.state()->texts.size(), size_t(kSetupTextCount));
    forms.main.btnExitClick();
    const auto file = folder.path() / kSetupIniFileName;
    EXPECT_EQ(Read(file, "Config", "Language"), "Norsk");
    EXPECT_EQ(Read(file, "Config", "Top"), "100");
    EXPECT_EQ(Read(file, "Config", "Left"), "100");
}

TEST(SetupMainWindow, LanguageChosenIsUsedAtTheNextStart)
{
    ProgramFolder folder(true);
    folder.WriteLanguages("Norsk");
    {
        SetupForms forms(folder.path());
        forms.main.show();
        EXPECT_EQ(forms.main.pos(), QPoint(70, 40));
        EXPECT_EQ(forms.main.m_comboLanguage->count(), 2) << "Config is no language";
        EXPECT_EQ(forms.main.m_comboLanguage->currentText(), "Norsk");
        EXPECT_EQ(forms.main.lblStatusCaption->text(), "Status");
        EXPECT_EQ(forms.main.lblStatus->text(), "??") << "an engine folder without databases: text 15, not in Norsk";
        EXPECT_FALSE(forms.main.btnInstallMaps->isHidden());
        EXPECT_TRUE(forms.main.imgMapsInstalled->isHidden());

        EXPECT_EQ(LoadLanguage(*forms.main.state(), "Missing"), 1);
        EXPECT_EQ(forms.main.state()->languageName, "Norsk") << "a missing section changes nothing";
        forms.main.m_comboLanguage->setCurrentText("Test");
        EXPECT_EQ(forms.main.lblStatus->text(), "T15");
        forms.main.move(30, 20);
        forms.main.btnExitClick();
    }
    SetupForms again(folder.path());
    again.main.show();
    EXPECT_EQ(again.main.pos(), QPoint(30, 20));
    EXPECT_EQ(again.main.m_comboLanguage->currentText(), "Test");
    EXPECT_EQ(again.main.btnExit->text(), "T10");
}

TEST(SetupMainWindow, LineBreaksAndWindows1252Texts)
{
    ProgramFolder folder(false);
    folder.WriteLanguages("Norsk");
    SetupForms forms(folder.path());
    forms.main.show();
    EXPECT_EQ(forms.main.lblStatus->text(), QString::fromUtf8("F\u00f8rste linje\nandre linje"));
}

struct OptionCase {
    int32_t state;
    bool mediumIsDefault;
    std::vector<std::string> shown;
    std::string checked;
    std::string status;
};

TEST(SetupDatabaseWindow, OptionsByMediumState)
{
    ProgramFolder folder(true);
    folder.WriteLanguages("Test");
    SetupForms forms(folder.path());
    SetupState& state = *forms.main.state();
    const std::vector<OptionCase> cases = {
        {kMediumNotRead, false, {}, "", ""},
        {kMediumNoDatabase, false, {}, "", "T37"},
        {kMediumNotInstalled, false, {"rbInstall"}, "rbInstall", "T38"},
        {kMediumSameVersion, false, {"rbSetDefault", "rbRemove"}, "rbSetDefault", "T40"},
        {kMediumSameVersion, true, {"rbRemove"}, "rbRemove", "T40"},
        {kMediumNewer, false, {"rbUpdate", "rbSetDefault", "rbRemove"}, "rbUpdate", "T41"},
        {kMediumNewer, true, {"rbUpdate", "rbRemove"}, "rbUpdate", "T41"},
        {kMediumOlder, false, {"rbSetDefault", "rbRemove"}, "rbSetDefault", "T39"},
    };
    for (const OptionCase& c : cases) {
        state.installed = {{"World", 20240101, c.mediumIsDefault ? 0 : 1}, {"Chesapeake", 20250730, c.mediumIsDefault}};
        state.mediumState = c.state;
        state.mediumIndex = c.state >= kMediumSameVersion ? 1 : -1;
        state.mediumDatabaseName = "Chesapeake";
        state.mediumDatabaseVersion = 20250923;
        forms.database.Refresh();
        std::vector<std::string> shown;
        std::string checked;
        for (QRadioButton* option : {forms.database.rbInstall, forms.database.rbUpdate, forms.database.rbSetDefault,
                                     forms.database.rbRemove}) {
            if (!option->isHidden())
                shown.push_back(option->objectName().toStdString());
            if (!option->isHidden() && option->isChecked())
                checked = option->objectName().toStdString();
        }
        EXPECT_EQ(shown, c.shown) << c.state;
        EXPECT_EQ(checked, c.checked) << c.state;
        EXPECT_EQ(forms.database.lblMediumStatus->text().toStdString(), c.status) << c.state;
        EXPECT_EQ(forms.database.btnDBExecute->isHidden(), c.state <= 0) << c.state;
        EXPECT_EQ(forms.database.imgError->isHidden(), c.state != kMediumNoDatabase) << c.state;
        if (c.state > 0) {
            EXPECT_EQ(forms.database.lblMediumHeader->text(), "T42Chesapeake(20250923)");
        }
    }
    EXPECT_EQ(forms.database.InstalledMaps->text().toStdString(), "T34   World(20240101,T35)   Chesapeake(20250730)   ");
    state.installed.clear();
    forms.database.Refresh();
    EXPECT_EQ(forms.database.InstalledMaps->text(), "T33");
}

TEST(SetupDatabaseWindow, ResultMessagesByNumber)
{
    const std::vector<std::pair<chartengine::HResult, int>> statuses = {
        {chartengine::kOk, 0},           {chartengine::kNothingToInstall, 2}, {chartengine::kMediumUnreadable, 3},
        {chartengine::kNoSuchDatabase, 4}, {chartengine::kStoreNotWritable, 5}, {chartengine::kListNotWritable, 6},
        {chartengine::kListUnreadable, 7}, {chartengine::kFail, 1},            {1, 1}};
    for (const auto& [status, result] : statuses)
        EXPECT_EQ(ResultOfStatus(status), result) << std::hex << status;
    EXPECT_EQ(ResultOfStatus(chartengine::kStoreNotWritable, {4, 6, 7}), 1) << "remove knows 4, 6 and 7 only";
    EXPECT_EQ(ResultOfStatus(chartengine::kListUnreadable, {4, 7}), 7);

    // Through the window: an install from a medium that went away, and an update after a
    // failed install, which must not run the update.
    ProgramFolder folder(true);
    folder.WriteLanguages("Test");
    SetupForms forms(folder.path());
    SetupState& state = *forms.main.state();
    state.mediumPath = folder.path() / "gone" / "Chesapeake";
    state.mediumDatabaseName = "Chesapeake";
    state.mediumState = kMediumNotInstalled;
    forms.database.Refresh();
    forms.database.btnDBExecuteClick();
    ASSERT_EQ(forms.boxes.shown.size(), 1u);
    EXPECT_EQ(forms.boxes.shown[0].caption, "T45");
    EXPECT_EQ(forms.boxes.shown[0].text, "T104");

    state.installed = {{"Chesapeake", 20250730, 1}};
    state.mediumIndex = 0;
    state.mediumState = kMediumNewer;
    forms.database.Refresh();
    forms.boxes.presetAnswers = {platform::MsgAnswer::Yes};
    forms.database.btnDBExecuteClick();
    ASSERT_EQ(forms.boxes.shown.size(), 3u);
    EXPECT_EQ(forms.boxes.shown[1].text, "T51");
    EXPECT_EQ(forms.boxes.shown[2].text, "T99");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / kUserIniFileName)) << "no success, no User.ini";
}

TEST(SetupDatabaseWindow, InstallRemoveAndUserIni)
{
    ProgramFolder folder(true);
    folder.WriteLanguages("Test");
    const auto media = folder.path() / "media";
    const auto medium = media / "Chesapeake";
    std::filesystem::create_directories(medium);
    for (const char* file : {"s58/AA500001.000", "s58/AA500003.000", "s58/AA500003.001"})
        std::filesystem::copy_file(FixtureChart(file), medium / std::filesystem::path(file).filename());
    std::filesystem::copy_file(std::filesystem::path(VARNIK_SOURCE_DIR) / "data" / "Valid.png", folder.path() / "Valid.png");
    SetupForms forms(folder.path());
    SetupState& state = *forms.main.state();
    forms.database.mediaRoots = {media};
    forms.main.show();
    forms.main.btnInstallMapsClick();
    EXPECT_TRUE(forms.main.isHidden());
    ASSERT_EQ(forms.database.DriveSelect->count(), 2);
    EXPECT_EQ(forms.database.DriveSelect->currentIndex(), 1);
    EXPECT_EQ(state.mediumState, kMediumNotRead) << "selecting by program reads nothing";
    forms.database.DriveSelectChange();
    ASSERT_EQ(state.mediumState, kMediumNotInstalled);
    EXPECT_EQ(state.mediumDatabaseVersion, 20171213);
    EXPECT_FALSE(forms.database.imgValid->isHidden());
    EXPECT_EQ(forms.database.imgValid->pixmap().size(), QSize(48, 48));

    forms.database.btnDBExecuteClick();
    ASSERT_EQ(forms.boxes.shown.size(), 1u);
    EXPECT_EQ(forms.boxes.shown[0].caption, "T48");
    EXPECT_EQ(forms.boxes.shown[0].text.rfind("T49\n\nT64\n", 0), 0u) << forms.boxes.shown[0].text;
    EXPECT_NE(forms.boxes.shown[0].text.find("AA500003: intended usage 65 is not one of 1 to 6"), std::string::npos)
        << "a success lists the skipped cell";
    EXPECT_EQ(forms.wait.ProgressBar1->value(), 100);
    EXPECT_TRUE(forms.wait.isHidden());
    EXPECT_FALSE(forms.database.isHidden());
    EXPECT_EQ(forms.database.DriveSelect->currentIndex(), 1) << "the window comes back on its medium";
    const auto userIni = folder.path() / kUserIniFileName;
    EXPECT_EQ(platform::IniFile(userIni).keys(kUserIniSection), (std::vector<std::string>{"Chesapeake", "DEFAULT"}));
    EXPECT_EQ(Read(userIni, kUserIniSection, "Chesapeake"), "20171213");
    EXPECT_EQ(Read(userIni, kUserIniSection, "DEFAULT"), "Chesapeake(20171213)");
    EXPECT_EQ(state.mediumState, kMediumSameVersion);
    EXPECT_TRUE(forms.database.rbSetDefault->isHidden()) << "it is the default";

    forms.boxes.presetAnswers = {platform::MsgAnswer::No};
    forms.database.btnDBExecuteClick();
    ASSERT_EQ(forms.boxes.shown.size(), 2u) << "No on Remove ends there";
    EXPECT_EQ(forms.boxes.shown[1].text, "T60");
    EXPECT_EQ(state.installed.size(), 1u);
    forms.boxes.presetAnswers = {platform::MsgAnswer::Yes};
    forms.database.btnDBExecuteClick();
    ASSERT_EQ(forms.boxes.shown.size(), 4u);
    EXPECT_EQ(forms.boxes.shown[3].text, "T62");
    EXPECT_TRUE(state.installed.empty());
    EXPECT_TRUE(platform::IniFile(userIni).keys(kUserIniSection).empty());
    EXPECT_EQ(state.mediumState, kMediumNotInstalled);

    forms.database.btnReturnClick();
    EXPECT_TRUE(forms.database.isHidden());
    EXPECT_FALSE(forms.main.isHidden());
}

TEST(SetupDatabaseWindow, DriveListAndProgress)
{
    ProgramFolder folder(true);
    SetupForms forms(folder.path());
    forms.database.mediaRoots = {folder.path() / "none"};
    forms.database.show();
    EXPECT_EQ(forms.database.DriveSelect->count(), 1) << "the folder chooser only";
    EXPECT_EQ(forms.database.DriveSelect->currentIndex(), -1);

    const int before = forms.wait.ProgressBar1->value();
    forms.wait.ShowInstallProgress(40);
    EXPECT_EQ(forms.wait.ProgressBar1->value(), before) << "hidden: nothing";
    forms.wait.show();
    for (const auto& [percent, shown] : std::vector<std::pair<int, int>>{{40, 40}, {101, 40}, {-1, 40}, {100, 100}, {0, 0}}) {
        forms.wait.ShowInstallProgress(percent);
        EXPECT_EQ(forms.wait.ProgressBar1->value(), shown) << percent;
    }
}

}  // namespace
