#include "platform/chartengine/UpdatesPanel.h"

#include "platform/chartengine/CellStore.h"
#include "platform/chartengine/DatabaseManager.h"
#include "platform/chartengine/GeoDatabase.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace chartengine {

UpdatesPanel::UpdatesPanel(QWidget* parent)
    : QWidget(parent),
      folder_(new QLineEdit(this)),
      browse_(new QPushButton(QStringLiteral("Folder..."), this)),
      apply_(new QPushButton(QStringLiteral("Apply updates"), this)),
      cells_(new QListWidget(this))
{
    folder_->setObjectName("UpdateFolder");
    folder_->setPlaceholderText(QStringLiteral("Folder of the S-57 update files (cell.001, cell.002 ...)"));
    cells_->setObjectName("UpdateCells");
    auto* row = new QHBoxLayout;
    row->addWidget(folder_, 1);
    row->addWidget(browse_);
    row->addWidget(apply_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(cells_, 1);
    connect(browse_, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("S-57 update folder"), folder_->text());
        if (!folder.isEmpty())
            folder_->setText(folder);
    });
    connect(apply_, &QPushButton::clicked, this, [this] { ApplyFolder(folder_->text().toStdString()); });
}

void UpdatesPanel::SetEngineFolder(const std::filesystem::path& engineFolder)
{
    const DatabaseManager manager(engineFolder);
    int32_t current = -1;
    std::string name;
    if (manager.CurrentIndex(&current) == kOk)
        manager.Name(current, &name);
    databaseName_ = name;
    QTimer::singleShot(0, this, [this, name] {
        if (databaseChanged)
            databaseChanged(name);
    });
}

void UpdatesPanel::SetGeoDatabase(GeoDatabase* database)
{
    database_ = database;
    fillCells();
}

void UpdatesPanel::fillCells()
{
    cells_->clear();
    Catalog catalog;
    if (!database_ || Failed(ReadCatalog(database_->Folder(), catalog)))
        return;
    for (const CatalogCell& cell : catalog.cells)
        if (cell.usageBand > 0)
            cells_->addItem(QStringLiteral("%1    edition %2    update %3")
                                .arg(QString::fromStdString(cell.name))
                                .arg(cell.edition)
                                .arg(cell.updateNumber));
}

void UpdatesPanel::ApplyFolder(const std::filesystem::path& folder)
{
    QTimer::singleShot(0, this, [this, folder] { run(folder); });
}

void UpdatesPanel::run(const std::filesystem::path& folder)
{
    if (!database_ || !database_->isOpen()) {
        if (s57Updates)
            s57Updates(kNotReady);
        return;
    }
    const std::filesystem::path databaseFolder = database_->Folder();
    UpdateRun updates;
    const HResult result = ApplyChartUpdates(databaseFolder, folder, [this](const std::string& text) {
        int32_t answer = kUpdateSkip;
        if (s57UpdatesProgress)
            s57UpdatesProgress(kUpdateProgressOutOfSequence, &answer, text);
        return answer;
    }, updates);
    // The database shows what its store now holds, cells updated before a failure included.
    if (!updates.cells.empty())
        database_->Reload();
    fillCells();
    if (goToFrame)
        for (const UpdatedCell& cell : updates.cells)
            if (cell.coverage)
                goToFrame(GuidToText(*cell.coverage));
    if (notify && !updates.remarks.empty()) {
        std::string remark;
        for (const std::string& line : updates.remarks)
            remark += (remark.empty() ? "" : "\n") + line;
        notify(kUpdateNotifyInformation, {kUpdateNoticeRemark, remark});
    }
    if (s57Updates)
        s57Updates(Failed(result) ? result : updates.applied);
}

}  // namespace chartengine
