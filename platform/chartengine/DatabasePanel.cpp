#include "platform/chartengine/DatabasePanel.h"

#include "platform/chartengine/DatabaseManager.h"
#include "platform/chartengine/GeoDatabase.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace chartengine {

DatabasePanel::DatabasePanel(QWidget* parent) : QWidget(parent), list_(new QListWidget(this))
{
    list_->setObjectName("DatabaseList");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_ && row >= 0)
            Choose(row);
    });
}

void DatabasePanel::SetEngineFolder(const std::filesystem::path& engineFolder)
{
    engineFolder_ = engineFolder;
    changed_ = false;
    fill();
}

void DatabasePanel::fill()
{
    filling_ = true;
    list_->clear();
    const DatabaseManager manager(engineFolder_);
    int32_t count = 0;
    manager.Count(&count);
    for (int32_t i = 0; i < count; ++i) {
        std::string name;
        int32_t version = 0;
        manager.Name(i, &name);
        manager.Version(i, &version);
        list_->addItem(QStringLiteral("%1    %2").arg(QString::fromStdString(name)).arg(version));
    }
    int32_t current = -1;
    if (manager.CurrentIndex(&current) == kOk)
        list_->setCurrentRow(current);
    filling_ = false;
}

HResult DatabasePanel::Choose(int32_t index)
{
    DatabaseManager manager(engineFolder_);
    int32_t current = -1;
    manager.CurrentIndex(&current);
    std::string name;
    HResult result = manager.Name(index, &name);
    if (!Failed(result) && index != current) {
        GeoDatabase probe(engineFolder_);
        result = probe.Open(name);
        if (!Failed(result))
            result = manager.SetCurrent(index);
    }
    if (Failed(result)) {
        if (report)
            report("The chart database \"" + name + "\" cannot be opened; the database in use stays.");
        fill();
        return result;
    }
    changed_ = changed_ || index != current;
    return kOk;
}

}  // namespace chartengine
