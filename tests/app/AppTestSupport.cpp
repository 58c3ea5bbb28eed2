#include "AppTestSupport.h"

#include "app/ApplicationHints.h"
#include "frame/SharedTables.h"
#include "platform/system/ProgramEnd.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <fstream>
#include <random>

bool EventsUntil(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

void AppTest::SetUp()
{
    previousFolder_ = std::filesystem::current_path();
    folder = std::filesystem::temp_directory_path() /
             ("varnik-app-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    InitSharedTables();
    ProgramFolder = folder;
    platform::InstallMessageBoxService(&boxes);
    platform::SetProgramEndHandler([this] { ++programEndRequests; });
}

void AppTest::TearDown()
{
    SetApplicationHints(true);
    platform::SetProgramEndHandler({});
    platform::InstallMessageBoxService(nullptr);
    InitSharedTables();
    std::filesystem::current_path(previousFolder_);
    std::filesystem::remove_all(folder);
}

void AppTest::writeFile(const std::string& name, const std::string& text) const
{
    std::ofstream(folder / name, std::ios::binary) << text;
}
