// The on-screen keyboard with the information dialog: a small real program started as the
// dialog shows with the option on, asked to end as it hides and killed only when it will not
// end; a missing program leaves the dialog working.

#include "QueryDialogFixture.h"

#include <QThread>

#include <chrono>
#include <csignal>
#include <fstream>
#include <sys/stat.h>

namespace {

// A keyboard that notes its process number and, when asked to end, that it was asked; one that
// ignores the request stays until it is killed.
std::filesystem::path WriteKeyboard(const std::filesystem::path& folder, bool endsWhenAsked)
{
    const std::filesystem::path script = folder / (endsWhenAsked ? "keyboard" : "stubborn-keyboard");
    std::ofstream(script) << "#!/bin/sh\n"
                          << (endsWhenAsked ? "trap 'echo asked > \"$2\"; exit 0' TERM\n" : "trap '' TERM\n")
                          << "echo $$ > \"$1\"\n"
                          << "while :; do sleep 0.05; done\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    return script;
}

std::string Contents(const std::filesystem::path& file)
{
    std::string text;
    std::ifstream(file) >> text;
    return text;
}

// Waits up to two seconds for the file to be written.
bool Appears(const std::filesystem::path& file)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!std::filesystem::exists(file) || Contents(file).empty()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        QThread::msleep(10);
    }
    return true;
}

class ScreenKeyboardTest : public QueryDialogTest {
protected:
    IdRecord symbol()
    {
        IdRecord record;
        record.objectType = ObjectType::SYMBOL;
        record.id = ++lastId;
        record.longitude = record.id;  // one position each
        return record;
    }
    int32_t lastId = 20000;
};

TEST_F(ScreenKeyboardTest, TheKeyboardRunsWhileTheDialogIsShownAndIsAskedToEnd)
{
    const std::filesystem::path pidFile = folder / "pid";
    const std::filesystem::path askedFile = folder / "asked";
    ScreenKeyboardCommand = WriteKeyboard(folder.path(), true).string() + " " + pidFile.string() + " " +
                            askedFile.string();
    SetupParameters.ScreenKeyboard = 1;
    show(symbol());
    ASSERT_TRUE(Appears(pidFile));
    EXPECT_TRUE(ScreenKeyboardProgram.isRunning());
    EXPECT_EQ(Contents(pidFile), std::to_string(ScreenKeyboardProgram.pid()));
    dialog->hide();
    EXPECT_FALSE(ScreenKeyboardProgram.isRunning());
    EXPECT_EQ(Contents(askedFile), "asked") << "it was asked to end, not killed";
}

TEST_F(ScreenKeyboardTest, AKeyboardThatWillNotEndIsKilledAfterAShortWait)
{
    const std::filesystem::path pidFile = folder / "pid";
    ScreenKeyboardCommand = WriteKeyboard(folder.path(), false).string() + " " + pidFile.string();
    SetupParameters.ScreenKeyboard = 1;
    show(symbol());
    ASSERT_TRUE(Appears(pidFile));
    const pid_t pid = ScreenKeyboardProgram.pid();
    const auto start = std::chrono::steady_clock::now();
    dialog->hide();
    EXPECT_FALSE(ScreenKeyboardProgram.isRunning());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_NE(::kill(pid, 0), 0) << "the process is gone";
}

TEST_F(ScreenKeyboardTest, WithoutTheOptionOrWithoutTheProgramTheDialogWorksAlone)
{
    const std::filesystem::path pidFile = folder / "pid";
    ScreenKeyboardCommand = WriteKeyboard(folder.path(), true).string() + " " + pidFile.string();
    SetupParameters.ScreenKeyboard = 0;
    show(symbol());
    EXPECT_FALSE(ScreenKeyboardProgram.isRunning());
    dialog->hide();
    EXPECT_FALSE(std::filesystem::exists(pidFile));

    ScreenKeyboardCommand = (folder / "no-such-keyboard").string();
    SetupParameters.ScreenKeyboard = 1;
    const IdRecord named = symbol();
    show(named);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(ScreenKeyboardProgram.isRunning());
    dialog->Text->setText("Named");
    dialog->Text->setModified(true);
    dialog->hide();
    EXPECT_EQ(FixedText(Stored(ObjectType::SYMBOL, named.id).name), "Named");
}

}  // namespace
