#include "platform/system/FileDialog.h"

#include "platform/system/TextCodec.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QStringList>

namespace platform {

namespace {

FileDialogService* installedService = nullptr;

QString QtPath(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

}  // namespace

FileDialogAnswer ShowFileDialog(const FileDialogRequest& request)
{
    if (installedService)
        return installedService->show(request);
    QtFileDialogService qtService;
    return qtService.show(request);
}

void InstallFileDialogService(FileDialogService* service)
{
    installedService = service;
}

QString QtFileFilter(const std::string& filter)
{
    const QStringList parts = FromCp1252(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

FileDialogAnswer QtFileDialogService::show(const FileDialogRequest& request)
{
    // Without a widget application no dialog can be shown: it counts as cancelled.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return std::nullopt;

    QFileDialog dialog(request.owner, QString(), QtPath(request.folder), QtFileFilter(request.filter));
    const bool saving = request.kind == FileDialogKind::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving                                         ? QFileDialog::AnyFile
                       : request.kind == FileDialogKind::Folder ? QFileDialog::Directory
                                                                : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ShowDirsOnly, request.kind == FileDialogKind::Folder);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmReplace);
    if (!request.fileName.empty())
        dialog.selectFile(QtPath(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(QFile::encodeName(dialog.selectedFiles().front()).toStdString());
}

FileDialogAnswer RecordingFileDialogService::show(const FileDialogRequest& request)
{
    shown.push_back(request);
    if (presetAnswers.empty())
        return std::nullopt;
    FileDialogAnswer answer = presetAnswers.front();
    presetAnswers.pop_front();
    return answer;
}

}  // namespace platform
