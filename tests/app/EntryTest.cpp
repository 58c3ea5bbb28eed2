#include "AppTestSupport.h"

#include "app/AppEntry.h"
#include "app/Forms.h"
#include "app/TForm1.h"
#include "frame/SharedTables.h"

#include <QApplication>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

using EntryTest = AppTest;

TEST(SplashOption, NoSplashIsFoundInAnyCaseAnywhereOnTheCommandLine)
{
    const struct {
        const char* commandLine;
        bool suppressed;
    } cases[] = {
        {"varnikapp", false},
        {"varnikapp /NOSPLASH", true},
        {"varnikapp /nosplash", true},
        {"varnikapp -x /NoSplash -y", true},
        {"varnikapp/nosplashes", true},
        {"varnikapp NOSPLASH", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplashSuppressed(c.commandLine), c.suppressed) << c.commandLine;
}

TEST_F(EntryTest, FormsAreCreatedInTheirOrderAndDestroyedWithTheirPointers)
{
    CreateForms();
    const std::vector<std::string> expected{
        "Form1",   "OffDlg",      "SymbDlg",   "ArpaDlg",      "TrackDlg",   "SetupPort",
        "SetupSensor", "DbObj",   "QueryDlg",  "PositionDlg",  "SimDlg",     "DptEdit",
        "SarDlg",  "WpDlg",       "Radar",     "RadarCtrl",    "TideWin",    "CM93Inspector",
        "ListDlg", "ReplayDlg",   "AisDbDlg",  "WeatherDlg",   "UpdateMsgDlg", "DlgFileEdit"};
    EXPECT_EQ(CreatedFormNames(), expected);
    ASSERT_NE(Form1, nullptr);
    EXPECT_TRUE(Form1->Timer2->isActive());
    EXPECT_FALSE(Form1->Timer1->isActive());
    EXPECT_EQ(Form1->Timer2->interval(), 1000);

    DestroyForms();
    EXPECT_EQ(Form1, nullptr);
    EXPECT_TRUE(CreatedFormNames().empty());
}

TEST_F(EntryTest, AnExceptionWhileSettingsAreAppliedMovesThemAsideAndReportsThem)
{
    writeFile("dta.res", std::string(18586, '\x5a'));
    SetupLoadMarker = 99;
    const std::runtime_error error("bad value");
    HandleEntryException(&error);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Corrupted setup parameters");
    EXPECT_EQ(boxes.shown[0].text, "Loading defaut. RESTART Varnik !");
    EXPECT_EQ(boxes.shown[0].icon, platform::MsgIcon::Stop);
    EXPECT_TRUE(boxes.shown[0].topMost);
    EXPECT_FALSE(std::filesystem::exists(folder / "dta.res"));
    // The record is kept for inspection instead of being deleted.
    EXPECT_EQ(std::filesystem::file_size(folder / "dta.res.bad"), 18586u);
}

TEST_F(EntryTest, AnyOtherExceptionLeavesTheSettingsFileAlone)
{
    writeFile("dta.res", "x");
    SetupLoadMarker = 0;
    const std::runtime_error error("disk on fire");
    HandleEntryException(&error);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "disk on fire");
    EXPECT_TRUE(std::filesystem::exists(folder / "dta.res"));
    EXPECT_FALSE(std::filesystem::exists(folder / "dta.res.bad"));
}

TEST(ApplicationName, WindowsKeepTheirOwnCaptions)
{
    const QString previousName = QCoreApplication::applicationName();
    NameApplication(*QCoreApplication::instance());
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Varnik V3"));
    // No display name of its own, which the window system would append to every caption: the
    // display name merely follows the application's name.
    QCoreApplication::setApplicationName(QStringLiteral("another"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("another"));

    QString title;
    QTimer::singleShot(0, [&title] {
        QWidget* box = QApplication::activeModalWidget();
        title = box->windowTitle();
        box->close();
    });
    platform::MessageBoxRequest request;
    request.caption = "Radar Error";
    request.text = "<RadarManager::Start()> Provided hWnd was NULL.";
    platform::QtMessageBoxService().show(request);
    EXPECT_EQ(title, QStringLiteral("Radar Error"));
    QCoreApplication::setApplicationName(previousName);
}

// A user's locale with a decimal comma, as Qt hands it to the C library at start, leaves the
// program's number formats with the decimal point.
TEST(DecimalPoint, AUsersDecimalCommaDoesNotReachTheNumberFormats)
{
    const std::filesystem::path locales = std::filesystem::temp_directory_path() / "varnik-locales";
    std::filesystem::create_directories(locales);
    const std::string make = "localedef -i de_DE -f UTF-8 " + (locales / "de_DE.UTF-8").string() + " 2>/dev/null";
    if (std::system(make.c_str()) != 0)
        GTEST_SKIP() << "no locale source to make a decimal-comma locale from";
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    setenv("LOCPATH", locales.c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 2.5);
    EXPECT_STREQ(text, "2,5") << "the locale has the comma";

    KeepDecimalPoint();
    std::snprintf(text, sizeof text, "%.1f", 2.5);
    EXPECT_STREQ(text, "2.5");
    double read = 0.0;
    EXPECT_EQ(std::sscanf("3.25", "%lf", &read), 1);
    EXPECT_EQ(read, 3.25);

    std::setlocale(LC_ALL, saved.c_str());
    unsetenv("LOCPATH");
    std::filesystem::remove_all(locales);
}
