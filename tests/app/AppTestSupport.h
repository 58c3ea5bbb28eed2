#pragma once
// Test support for the application frame: a fresh program folder as the working folder, the
// shared tables reset, message boxes recorded and the program end observed.

#include "platform/system/MessageBox.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

class QWidget;

class AppTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes text into a file of the program folder.
    void writeFile(const std::string& name, const std::string& text) const;

    std::filesystem::path folder;
    platform::RecordingMessageBoxService boxes;
    int programEndRequests = 0;

private:
    std::filesystem::path previousFolder_;
};

// Runs the event loop until `done` holds (at most five seconds); whether it holds.
bool EventsUntil(const std::function<bool()>& done);

// Every text a control shows: tool tip, window title, caption or title, and list entries and tab
// titles; for the check that no text is missing ("!").
QStringList ShownTexts(QWidget* widget);
