#include "chart/TCm93Database.h"

#include "chart/ChartHooks.h"
#include "chart/ChartLevels.h"
#include "chart/ChartWindow.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "platform/system/MessageBox.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QColor Teal(0x00, 0x80, 0x80);

}  // namespace

TCm93Database::TCm93Database(QWidget* owner)
    : QDialog(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowStaysOnTopHint)
{
    setObjectName("Cm93Database");
    setWindowTitle(QStringLiteral("C-Map CM93/3 database"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Teal);
    setPalette(colours);
    setAutoFillBackground(true);
    DBPanelAx1 = new chartengine::DatabasePanel(this);
    DBPanelAx1->setObjectName("DBPanelAx1");
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName("btnOK");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DBPanelAx1);
    layout->addWidget(btnOK, 0, Qt::AlignHCenter);
    resize(360, 240);
    DBPanelAx1->report = [this](const std::string& text) {
        platform::ShowMessageBox({this, text, "C-Map CM93/3 database", platform::MsgIcon::Exclamation});
    };
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
}

void TCm93Database::showEvent(QShowEvent* event)
{
    if (ChartEngine)
        if (const auto folder = ChartEngine->EngineFolder())
            DBPanelAx1->SetEngineFolder(*folder);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

// The engine is built anew on the current database; Global then works on the new objects only
// when the restart gave them.
void TCm93Database::btnOKClick()
{
    if (ChartHook.startChartEngine)
        ChartHook.startChartEngine("");
    if (chart && ChartEngine && ChartEngine->state == 1 && MainMapView && MainMapView->state == 1)
        SelectUsageBand(*chart, 0);
    close();
}
