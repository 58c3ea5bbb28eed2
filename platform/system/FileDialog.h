#pragma once
// One service for every open and save dialog of the programs: kind, start folder, proposed name
// and filter in, the chosen path out (none when the user cancels). Interactive runs use
// QtFileDialogService; tests install a RecordingFileDialogService with preset answers.

#include <QString>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace platform {

// Folder chooses an existing folder (filter and file name unused).
enum class FileDialogKind { Open, Save, Folder };

struct FileDialogRequest {
    QWidget* owner = nullptr;
    FileDialogKind kind = FileDialogKind::Open;
    std::filesystem::path folder;
    std::filesystem::path fileName;  // proposed name, for saving
    // Pairs of description and patterns, all separated by '|', patterns by ';', as the callers
    // hold them: "Varnik data|*.zip|Import data|*.lst". Windows-1252.
    std::string filter;
    // Saving: the dialog asks before an existing file is replaced; off for a caller that asks
    // in its own words.
    bool confirmReplace = true;
};

using FileDialogAnswer = std::optional<std::filesystem::path>;

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual FileDialogAnswer show(const FileDialogRequest& request) = 0;
};

// Shows request through the installed service (a QtFileDialogService unless one was installed).
FileDialogAnswer ShowFileDialog(const FileDialogRequest& request);

// Installs service for the whole process; nullptr goes back to the Qt service. Not owned.
void InstallFileDialogService(FileDialogService* service);

// The filter in Qt's form: "Varnik data (*.zip);;Import data (*.lst)".
QString QtFileFilter(const std::string& filter);

class QtFileDialogService final : public FileDialogService {
public:
    FileDialogAnswer show(const FileDialogRequest& request) override;
};

// Records every request and answers from a queue of preset answers; with the queue empty it
// answers as a cancelled dialog.
class RecordingFileDialogService final : public FileDialogService {
public:
    FileDialogAnswer show(const FileDialogRequest& request) override;

    std::vector<FileDialogRequest> shown;
    std::deque<FileDialogAnswer> presetAnswers;
};

}  // namespace platform
