#include "AppTestSupport.h"

#include "app/ApplicationHints.h"
#include "frame/SharedTables.h"
#include "platform/system/ProgramEnd.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

#include <fstream>
#include <random>

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

bool EventsUntil(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

QStringList ShownTexts(QWidget* widget)
{
    QStringList shown{widget->toolTip(), widget->windowTitle()};
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        shown << button->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        shown << label->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        shown << group->title();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
    if (auto* list = qobject_cast<QListWidget*>(widget))
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
    if (auto* tabs = qobject_cast<QTabWidget*>(widget))
        for (int i = 0; i < tabs->count(); ++i)
            shown << tabs->tabText(i);
    return shown;
}
