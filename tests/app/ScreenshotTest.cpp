// Screenshots as the start-up wires them: Ctrl+PrintScreen pressed in a dialog writes the screen
// as a JPEG file named by the ticks' clock into the screenshot folder.

#include "StartedProgram.h"
#include "../TimeZone.h"

#include "app/Screenshot.h"
#include "app/TForm1.h"
#include "app/TickClock.h"
#include "app/TickState.h"
#include "frame/SharedTables.h"
#include "platform/system/JpegTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QImageReader>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <ctime>
#include <fstream>
#include <memory>

namespace {

platform::ClockTime LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    return std::chrono::system_clock::from_time_t(LocalSeconds(year, month, day, hour, minute, second));
}

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(ScreenshotName, IsTheLocalDateAndTimeInTwelveDigits)
{
    EXPECT_EQ(ScreenshotName(LocalTime(2026, 12, 9, 8, 5, 7)), "261209080507");
    EXPECT_EQ(ScreenshotName(LocalTime(2030, 1, 2, 23, 59, 0)), "300102235900");
}

class ScreenshotTest : public HarbourProgramTest {
protected:
    void SetUp() override
    {
        HarbourProgramTest::SetUp();
        ResetTickState();
        LayOutProgramFolder(folder, engine(), "");
        form = StartProgram();
        ASSERT_TRUE(StartupDone);
        boxes.shown.clear();  // the radar and weather services' start
        SetTickClock([] { return LocalTime(2026, 12, 9, 8, 5, 7); });

        // A dialog of the program with the focus in one of its edits.
        new QVBoxLayout(&dialog);
        edit = new QLineEdit(&dialog);
        dialog.layout()->addWidget(edit);
        dialog.show();
        edit->setFocus();
    }

    void TearDown() override
    {
        if (form)
            StopProgram(form);
        HarbourProgramTest::TearDown();
    }

    // A key press as the window system delivers it: to the control with the focus.
    void press(Qt::KeyboardModifiers modifiers)
    {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Print, modifiers);
        QApplication::sendEvent(edit, &event);
    }

    std::unique_ptr<TForm1> form;
    QDialog dialog;
    QLineEdit* edit = nullptr;
};

TEST_F(ScreenshotTest, CtrlPrintScreenInADialogWritesTheWholeScreenNamedByTheClock)
{
    const std::filesystem::path screens = DataPaths[DataPathScreens];
    ASSERT_EQ(screens, folder / "Screens");
    const std::filesystem::path shot = screens / "261209080507.jpg";

    press(Qt::NoModifier);
    press(Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(FilesIn(screens).empty());

    // An earlier shot of the same second is replaced.
    std::ofstream(shot) << "an earlier shot";
    press(Qt::ControlModifier);
    EXPECT_EQ(FilesIn(screens), std::vector<std::string>{"261209080507.jpg"});
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const JpegFacts facts = ReadJpeg(Contents(shot));
    ASSERT_TRUE(facts.decoded);
    EXPECT_EQ(facts.frameMarker, 0xC0) << "baseline";
    EXPECT_EQ(facts.components, 3);
    EXPECT_EQ(QSize(facts.width, facts.height), screen);
    QImageReader reader(QString::fromStdString(shot.string()));
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.read().size(), screen);
    EXPECT_TRUE(boxes.shown.empty());

    // The key is the program's only while its main window lives.
    std::filesystem::remove(shot);
    StopProgram(form);
    press(Qt::ControlModifier);
    EXPECT_TRUE(FilesIn(screens).empty());
}

TEST_F(ScreenshotTest, AFolderThatCannotTakeTheShotIsReportedAndTheProgramCarriesOn)
{
    // A file where the folder should be: no one can write into it, root included.
    const std::filesystem::path notAFolder = folder / "ScreensFile";
    std::ofstream(notAFolder) << "not a folder";
    DataPaths[DataPathScreens] = notAFolder;
    press(Qt::ControlModifier);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(notAFolder.string()), std::string::npos) << boxes.shown[0].text;
    EXPECT_NE(boxes.shown[0].text.find("261209080507.jpg"), std::string::npos);
    EXPECT_EQ(Contents(notAFolder), "not a folder");

    DataPaths[DataPathScreens] = folder / "Screens";
    press(Qt::ControlModifier);
    EXPECT_EQ(FilesIn(folder / "Screens"), std::vector<std::string>{"261209080507.jpg"});
    EXPECT_EQ(boxes.shown.size(), 1u);
}

}  // namespace
