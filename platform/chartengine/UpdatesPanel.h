#pragma once
// The engine's chart update panel: the folder of S-57 update files the user picks, the cells of
// the current database with the update each holds, and Apply, which applies the folder's updates
// to the database handed to the panel (ChartUpdates.h) and reopens it. Its events come from the
// main loop, never inside a call into the panel.

#include "platform/chartengine/ChartUpdates.h"
#include "platform/chartengine/EngineStatus.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <string>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace chartengine {

class GeoDatabase;

// A notification's information: its kind (8, a remark) and text.
inline constexpr int32_t kUpdateNoticeRemark = 8;
struct UpdateNotice {
    int32_t kind = 0;
    std::string remark;
};
// Notification codes: 0 the database is up to date, 1 a notice with information.
inline constexpr int32_t kUpdateNotifyDone = 0;
inline constexpr int32_t kUpdateNotifyInformation = 1;
// Progress kind of an update out of sequence, whose answer is an UpdateAnswer.
inline constexpr int32_t kUpdateProgressOutOfSequence = 2;

class UpdatesPanel : public QWidget {
public:
    explicit UpdatesPanel(QWidget* parent = nullptr);

    // Takes the current database of the engine folder; raises databaseChanged with its name.
    void SetEngineFolder(const std::filesystem::path& engineFolder);
    // The database the updates go to (open, of the name the panel raised); null detaches it.
    void SetGeoDatabase(GeoDatabase* database);
    GeoDatabase* geoDatabase() const { return database_; }
    const std::string& databaseName() const { return databaseName_; }

    // Applies the updates of folder from the main loop: the questions, then a goToFrame for each
    // cell updated, a notification of the remarks, and s57Updates with the number of updates
    // applied, kUpdatesStopped, or the failure.
    void ApplyFolder(const std::filesystem::path& folder);

    std::function<void(const std::string& name)> databaseChanged;
    std::function<void(int32_t code, const UpdateNotice& information)> notify;
    std::function<void(int32_t result)> s57Updates;
    // The panel sets *answer before it asks; the event may change it.
    std::function<void(int32_t kind, int32_t* answer, const std::string& text)> s57UpdatesProgress;
    std::function<void(const std::string& frameIdentifier)> goToFrame;

    QLineEdit* folderEdit() const { return folder_; }
    QListWidget* cellList() const { return cells_; }
    QPushButton* applyButton() const { return apply_; }

private:
    void run(const std::filesystem::path& folder);
    void fillCells();

    QLineEdit* folder_;
    QPushButton* browse_;
    QPushButton* apply_;
    QListWidget* cells_;
    GeoDatabase* database_ = nullptr;
    std::string databaseName_;
};

}  // namespace chartengine
