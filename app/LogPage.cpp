#include "app/LogPage.h"

#include "app/LogRoute.h"
#include "app/PositionLog.h"
#include "app/ReplayPlayer.h"
#include "app/TDlgFileEdit.h"
#include "app/TForm1.h"
#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/DesktopOpen.h"
#include "platform/system/FileDialog.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteTable.h"
#include "userdata/TAisDbDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>

#include <mutex>

namespace {

constexpr QSize LogViewerSize(485, 400);
constexpr QSize AisLogViewerSize(915, 600);

std::filesystem::path LogFilePath;

void ShowEditor(const std::filesystem::path& file, QSize size)
{
    if (!DlgFileEdit)
        return;
    EditFilePath = file;
    DlgFileEdit->resize(size);
    DlgFileEdit->show();
}

}  // namespace

void ckLogActiveClick(TForm1& form)
{
    SetupParameters.PositionLogOn = form.ckLogActive->isChecked() ? 1 : 0;
}

void cbLogIntervalChange(TForm1& form)
{
    if (!StartupDone)
        return;
    const int32_t item = form.cbLogInterval->currentIndex();
    SetupParameters.LogInterval = item;
    if (const int32_t seconds = LogIntervalOf(item); seconds > 0)
        LogIntervalSeconds = seconds;
    ScheduleNextLogTime();
}

void dtLogDateChange(TForm1& form)
{
    const QDate day = form.dtLogDate->date();
    LogFilePath = DataPaths[DataPathLog] /
                  QString::asprintf("%02d%02d%02d.txt", day.year() - 2000, day.month(), day.day()).toStdString();
    const bool exists = std::filesystem::exists(LogFilePath);
    form.btnLogLog->setEnabled(exists);
    form.btnLogRoute->setEnabled(exists);
}

void btnLogLogClick(TForm1&)
{
    ShowEditor(LogFilePath, LogViewerSize);
}

bool btnLogRouteClick(TForm1&)
{
    if (RouteEditMode != 0)
        return false;
    const std::vector<LogWaypoint> waypoints = ReadLogRoute(LogFilePath, size_t(MaxRouteWaypoints));
    ClearRouteTable();
    const std::lock_guard lock(ComOutStateLock);
    for (size_t n = 0; n < waypoints.size(); ++n) {
        WP_typ& entry = RouteTable[n];
        entry.position = waypoints[n].position;
        entry.legBearing = waypoints[n].course;
        entry.speed = waypoints[n].speedTenths;
        entry.pointFlag = 1;
        entry.setName(waypoints[n].name);
    }
    WaypointCount = int32_t(waypoints.size());
    // A route needs two points; fewer leave an empty table and nothing to follow.
    if (waypoints.size() < 2)
        return false;
    RouteId = RouteNotStored;
    RouteStartRequest = 1;
    return true;
}

void btnAisDbClick(TForm1& form)
{
    if (AisDbDlg)
        AisDbDlg->setVisible(form.btnAisDb->isChecked());
}

void btnAisLogClick(TForm1& form)
{
    if (!form.btnAisLog->isChecked()) {
        if (DlgFileEdit)
            DlgFileEdit->hide();
        return;
    }
    ShowEditor(DataPaths[DataPathLog] / "ais.log", AisLogViewerSize);
}

std::optional<std::filesystem::path> ScreenshotToOpen(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(file, error)))
        return std::nullopt;
    const QString extension = QString::fromStdString(file.extension().string());
    if (extension.compare(QStringLiteral(".jpg"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return file;
}

void btnScreenshotsClick(TForm1& form)
{
    platform::FileDialogRequest request;
    request.owner = &form;
    request.folder = DataPaths[DataPathScreens];
    request.filter = "Screenshots|*.jpg";
    const platform::FileDialogAnswer chosen = platform::ShowFileDialog(request);
    if (!chosen)
        return;
    if (const auto file = ScreenshotToOpen(*chosen))
        platform::OpenWithDesktop(*file);
}

void ConnectLogPage(TForm1& form)
{
    TForm1* f = &form;
    QObject::connect(form.ckLogActive, &QCheckBox::clicked, &form, [f] { ckLogActiveClick(*f); });
    QObject::connect(form.cbLogInterval, &QComboBox::activated, &form, [f] { cbLogIntervalChange(*f); });
    QObject::connect(form.dtLogDate, &QDateEdit::dateChanged, &form, [f] { dtLogDateChange(*f); });
    QObject::connect(form.btnLogLog, &QPushButton::clicked, &form, [f] { btnLogLogClick(*f); });
    QObject::connect(form.btnLogRoute, &QPushButton::clicked, &form, [f] { btnLogRouteClick(*f); });
    QObject::connect(form.btnAisDb, &QPushButton::clicked, &form, [f] { btnAisDbClick(*f); });
    QObject::connect(form.btnAisLog, &QPushButton::clicked, &form, [f] { btnAisLogClick(*f); });
    QObject::connect(form.btnScreenshots, &QPushButton::clicked, &form, [f] { btnScreenshotsClick(*f); });
}
