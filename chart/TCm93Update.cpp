#include "chart/TCm93Update.h"

#include "chart/ChartHooks.h"
#include "chart/ChartLevels.h"
#include "chart/ChartWindow.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/TUpdateMsgDlg.h"
#include "platform/chartengine/Guid.h"
#include "platform/system/MessageBox.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor Teal(0x00, 0x80, 0x80);
constexpr char UpdateCaption[] = "CMap Update";
constexpr int32_t UpdateFinishedMessage = 7;  // "C-Map" 7

void ShowUpdateFinished()
{
    if (ChartHook.showMapMessage)
        ChartHook.showMapMessage(UpdateFinishedMessage, MapMessageExclamation);
}

}  // namespace

TCm93Update::TCm93Update(QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("Cm93Update");
    setWindowTitle(QStringLiteral("C-Map CM93/3 update"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Teal);
    setPalette(colours);
    setAutoFillBackground(true);
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    UpdatesPanelAX1 = new chartengine::UpdatesPanel(Panel1);
    UpdatesPanelAX1->setObjectName("UpdatesPanelAX1");
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(UpdatesPanelAX1);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName("btnOK");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1, 1);
    layout->addWidget(btnOK, 0, Qt::AlignHCenter);
    resize(640, 200);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    UpdatesPanelAX1->databaseChanged = [this](const std::string& name) { UpdatesPanelAX1DatabaseChanged(name); };
    UpdatesPanelAX1->notify = [this](int32_t code, const chartengine::UpdateNotice& information) {
        UpdatesPanelAX1Notify(code, information);
    };
    UpdatesPanelAX1->s57Updates = [this](int32_t result) { UpdatesPanelAX1S57Updates(result); };
    UpdatesPanelAX1->s57UpdatesProgress = [this](int32_t kind, int32_t* answer, const std::string& text) {
        UpdatesPanelAX1S57UpdatesProgress(kind, answer, text);
    };
    UpdatesPanelAX1->goToFrame = [this](const std::string& frame) { UpdatesPanelAX1GoToFrame(frame); };
}

void TCm93Update::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

// The highlighted frame covers the whole cell: it goes with the window, unless the chart has
// highlighted another object since.
void TCm93Update::hideEvent(QHideEvent* event)
{
    if (!highlightedFrame.empty() && MainMapView &&
        chartengine::GuidFromText(highlightedFrame) == MainMapView->selectedObject) {
        MainMapView->ShowObject("", 0);
        if (chart)
            chart->OverlayRedrawRequest = 1;
    }
    highlightedFrame.clear();
    QDialog::hideEvent(event);
}

// Along the bottom of the main window, as wide as the chart.
void TCm93Update::FormShow()
{
    if (chart && chart->controls.CM93) {
        const QWidget* box = chart->controls.CM93;
        const QRect main = box->window()->geometry();
        resize(box->width(), height());
        move(main.left(), main.top() + main.height() - frameGeometry().height());
    }
    UpdateFrameShown = 0;
    if (ChartEngine)
        if (const auto folder = ChartEngine->EngineFolder())
            UpdatesPanelAX1->SetEngineFolder(*folder);
}

void TCm93Update::btnOKClick()
{
    UpdateFrameShown = 0;
    close();
}

// A database the engine has not open is not handed over: the panel then applies nothing.
void TCm93Update::UpdatesPanelAX1DatabaseChanged(const std::string& name)
{
    if (!ChartEngine || !UpdatesPanelAX1)
        return;
    databaseName = name;
    chartengine::GeoDatabase* database = nullptr;
    ChartEngine->FindGeoDatabase(name, &database, nullptr);
    UpdatesPanelAX1->SetGeoDatabase(database);
}

void TCm93Update::UpdatesPanelAX1Notify(int32_t code, const chartengine::UpdateNotice& information)
{
    if (code == chartengine::kUpdateNotifyDone)
        ShowUpdateFinished();
    else if (code == chartengine::kUpdateNotifyInformation && information.kind == chartengine::kUpdateNoticeRemark)
        platform::ShowMessageBox(
            {this, information.remark.empty() ? "No Remark" : information.remark, UpdateCaption});
}

void TCm93Update::UpdatesPanelAX1S57Updates(int32_t result)
{
    if (result == chartengine::kUpdatesStopped)
        return;
    if (chartengine::Failed(result)) {
        platform::MessageBoxRequest box{this, chartengine::StatusText(result), UpdateCaption,
                                        platform::MsgIcon::Exclamation};
        box.taskModal = true;
        box.topMost = true;
        platform::ShowMessageBox(box);
        return;
    }
    ShowUpdateFinished();
}

void TCm93Update::UpdatesPanelAX1S57UpdatesProgress(int32_t kind, int32_t* answer, const std::string& text)
{
    if ((kind != chartengine::kUpdateProgressOutOfSequence && kind != chartengine::kUpdateNoticeRemark) ||
        text.empty() || !answer || !UpdateMsgDlg)
        return;
    UpdateMsgDlg->txInfo->setText(QString::fromStdString(text));
    const int result = UpdateMsgDlg->exec();
    *answer = result == QDialog::Accepted ? chartengine::kUpdateContinue
              : result == QDialog::Rejected ? chartengine::kUpdateSkip
                                            : chartengine::kUpdateStop;
}

void TCm93Update::UpdatesPanelAX1GoToFrame(const std::string& frameIdentifier)
{
    if (MainMapView && MainMapView->state == 1 && MainMapView->ShowObject(frameIdentifier, 1))
        highlightedFrame = frameIdentifier;
    if (chart)
        chart->chartRedrawRequest = true;
    UpdateFrameShown = 1;
}

void TakeUpdateFrame(ChartWindow& chart)
{
    if (!Cm93Update || !Cm93Update->UpdateFrameShown || !MainMapView)
        return;
    Cm93Update->UpdateFrameShown = 0;
    const int32_t scale = MainMapView->scale;
    chart.mainScale = scale;
    UpdateScaleButtons(chart, scale, scale);
    chart.chartLevel = LevelShowing(scale);
}
