#pragma once
// The engine's chart database panel: the databases installed in the engine folder with their
// versions, the current one marked. Choosing another makes it current once it opens; one that
// does not open is reported and the database in use stays current.

#include "platform/chartengine/EngineStatus.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <string>

class QListWidget;

namespace chartengine {

class DatabasePanel : public QWidget {
public:
    explicit DatabasePanel(QWidget* parent = nullptr);

    // Lists the databases of the engine folder and selects the current one.
    void SetEngineFolder(const std::filesystem::path& engineFolder);
    // Makes database index current; kOk, or the failure (then reported, nothing changed).
    HResult Choose(int32_t index);
    // Whether a choice changed the current database since the list was filled.
    bool changed() const { return changed_; }

    // Receives the report of a database that could not be made current.
    std::function<void(const std::string& text)> report;

    QListWidget* list() const { return list_; }

private:
    void fill();

    QListWidget* list_;
    std::filesystem::path engineFolder_;
    bool changed_ = false;
    bool filling_ = false;
};

}  // namespace chartengine
