#include "radarweather/TRadarCtrl.h"

#include "chart/ChartWindow.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "radarweather/RadarManager.h"
#include "radarweather/RadarOverlayPainting.h"
#include "radarweather/TRadar.h"
#include "sensors/OwnShipState.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>

#include <algorithm>
#include <functional>

namespace {

constexpr int ChartItem = 0;
constexpr int RadarItem = 1;
constexpr int RangeFontPixels = 10;
constexpr int ThreeDViewMode = 3;  // DispMode's fourth item
// The overlay's opacity under each day / night mode.
constexpr float DaylightFactors[] = {1.0f, 0.9f, 0.8f, 0.4f, 0.3f};

// A panel used as a button: a click is the left button released over it.
class PanelButton : public QWidget {
public:
    PanelButton(QWidget* parent, const char* name, QColor colour, std::function<void()> click)
        : QWidget(parent), click_(std::move(click))
    {
        setObjectName(QString::fromLatin1(name));
        setAutoFillBackground(true);
        QPalette shades = palette();
        shades.setColor(QPalette::Window, colour);
        setPalette(shades);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            click_();
    }

private:
    std::function<void()> click_;
};

bool RadarSentencesArrive() { return OwnShip.markerValidity > 0; }

QSlider* Bar(QWidget* parent, const char* name, int minimum, int maximum, int position, int ticks, int left)
{
    auto* bar = new QSlider(Qt::Vertical, parent);
    bar->setObjectName(QString::fromLatin1(name));
    // The minimum at the top, as the framework's vertical track bars have it.
    bar->setInvertedAppearance(true);
    bar->setRange(minimum, maximum);
    bar->setValue(position);
    bar->setPageStep(1);
    bar->setTickInterval(ticks);
    bar->setTickPosition(QSlider::TicksRight);
    bar->setGeometry(left, 40, 10, 280);
    return bar;
}

QLabel* Caption(QWidget* parent, const char* name, const char* text, int left)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, 22, 10, 16);
    label->setToolTip(label->text());
    return label;
}

}  // namespace

TRadarCtrl::TRadarCtrl(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("RadarCtrl"));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    resize(NarrowWidth, PanelHeight);

    txPulse = new QLabel(QStringLiteral("--"), this);
    txPulse->setObjectName(QStringLiteral("txPulse"));
    txPulse->setAlignment(Qt::AlignCenter);
    txPulse->setGeometry(0, 2, NarrowWidth, 18);
    Label1 = Caption(this, "Label1", "Bright", 1);
    Label2 = Caption(this, "Label2", "Sea", 11);
    Label3 = Caption(this, "Label3", "Rain", 21);
    Label4 = Caption(this, "Label4", "Gain", 31);
    tbAlpha = Bar(this, "tbAlpha", 3, 15, 12, 3, 1);
    tbSea = Bar(this, "tbSea", 0, 99, 99, 25, 11);
    tbRain = Bar(this, "tbRain", 0, 99, 99, 25, 21);
    tbGain = Bar(this, "tbGain", 1, 48, 48, 12, 31);
    Green = new PanelButton(this, "Green", QColor(0, 160, 0), [this] { GreenClick(); });
    Green->setGeometry(1, 326, 20, 20);
    Red = new PanelButton(this, "Red", QColor(200, 0, 0), [this] { RedClick(); });
    Red->setGeometry(21, 326, 20, 20);
    // The range texts fit the 40 pixels of the button and the list only in a compact font.
    QFont compact = bold;
    compact.setBold(false);
    compact.setPixelSize(RangeFontPixels);
    btRange = new QPushButton(this);
    btRange->setObjectName(QStringLiteral("btRange"));
    btRange->setGeometry(1, 352, 40, 30);
    btRange->setFont(compact);
    lbRange = new QListWidget(this);
    lbRange->setObjectName(QStringLiteral("lbRange"));
    lbRange->setGeometry(NarrowWidth, 0, WideWidth - NarrowWidth, PanelHeight);
    lbRange->setFont(compact);
    lbRange->setFrameShape(QFrame::NoFrame);
    lbRange->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lbRange->hide();

    connect(tbAlpha, &QSlider::valueChanged, this, [this] { tbAlphaChange(); });
    connect(tbSea, &QSlider::valueChanged, this, [this] { tbSeaChange(); });
    connect(tbRain, &QSlider::valueChanged, this, [this] { tbRainChange(); });
    connect(tbGain, &QSlider::valueChanged, this, [this] { tbGainChange(); });
    connect(btRange, &QPushButton::clicked, this, [this] { btRangeClick(); });
    connect(lbRange, &QListWidget::itemClicked, this, [this] { lbRangeClick(); });
}

void TRadarCtrl::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TRadarCtrl::FormShow()
{
    move(0, ScreenHeight - height());
    resize(NarrowWidth, height());
    lbRange->hide();
    SetupParameters.RadarAlpha = std::max(SetupParameters.RadarAlpha, 2);
    tbAlpha->setValue(SetupParameters.RadarAlpha);
    if (SetupParameters.RadarGain == 0)
        SetupParameters.RadarGain = 50;
    // Read all three first: each bar's handler stores its own value as it moves.
    const int32_t sea = SetupParameters.RadarSea, rain = SetupParameters.RadarRain, gain = SetupParameters.RadarGain;
    tbSea->setValue(99 - sea);
    tbRain->setValue(99 - rain);
    tbGain->setValue(99 - gain);

    lbRange->clear();
    lbRange->addItem(QStringLiteral("Chart"));
    lbRange->addItem(RadarSentencesArrive() ? QStringLiteral("Radar") : QStringLiteral("- - -"));
    if (RadarService)
        for (const std::string& label : RadarService->rangeLabels)
            lbRange->addItem(QString::fromStdString(label));
    lbRange->setCurrentRow(ChartItem);
    btRange->setText(QStringLiteral("Chart"));
    raise();
    ApplyRadarRange(*this);
}

void TRadarCtrl::tbAlphaChange()
{
    SetupParameters.RadarAlpha = tbAlpha->value();
    opacity = float(20 - tbAlpha->value()) * 0.05f;
    int daylight = chart ? chart->DisplayModeIndex : 0;
    if (chart && chart->controls.Daylight)
        daylight = chart->controls.Daylight->currentIndex();
    if (daylight >= 0 && daylight < int(std::size(DaylightFactors)))
        opacity *= DaylightFactors[daylight];
    if (Radar)
        Radar->SetAlpha(int(255.0f * opacity));
}

void TRadarCtrl::SendClutter()
{
    if (RadarAvailable && RadarService)
        RadarService->SetClutter(SetupParameters.RadarSea, SetupParameters.RadarRain, SetupParameters.RadarGain);
}

void TRadarCtrl::tbSeaChange()
{
    SetupParameters.RadarSea = 99 - tbSea->value();
    SendClutter();
}

void TRadarCtrl::tbRainChange()
{
    SetupParameters.RadarRain = 99 - tbRain->value();
    SendClutter();
}

void TRadarCtrl::tbGainChange()
{
    SetupParameters.RadarGain = 99 - tbGain->value();
    SendClutter();
}

void TRadarCtrl::GreenClick()
{
    if (RadarService)
        RadarService->SetPalette(0);
}

void TRadarCtrl::RedClick()
{
    if (RadarService)
        RadarService->SetPalette(1);
}

void TRadarCtrl::btRangeClick()
{
    const bool wide = width() != WideWidth;
    resize(wide ? WideWidth : NarrowWidth, height());
    lbRange->setVisible(wide);
}

void TRadarCtrl::lbRangeClick()
{
    if (lbRange->currentRow() == RadarItem && !RadarSentencesArrive())
        lbRange->setCurrentRow(ChartItem);
    if (const QListWidgetItem* item = lbRange->currentItem())
        btRange->setText(item->text());
    ApplyRadarRange(*this);
    resize(NarrowWidth, height());
    lbRange->hide();
}

double ChartItemRange(int32_t scale, int32_t monitorInches)
{
    // In double: the old unsigned 32-bit product wrapped to a small wrong range at large scales.
    double range = double(scale) * double(monitorInches) * 0.014;
    if (RadarService && !RadarService->ranges.empty())
        range = std::min(range, *std::max_element(RadarService->ranges.begin(), RadarService->ranges.end()));
    return range;
}

double RadarItemRange(float rangeScale) { return double(rangeScale) * 1851.8518 * 1.5; }

void ApplyRadarRange(TRadarCtrl& panel)
{
    QListWidget* list = panel.lbRange;
    const bool threeDView = panel.chart && panel.chart->controls.DispMode &&
                            panel.chart->controls.DispMode->currentIndex() == ThreeDViewMode;
    if (list->currentRow() == RadarItem && threeDView) {
        list->setCurrentRow(ChartItem);
        panel.btRange->setText(QStringLiteral("Chart"));
    }
    if (!RadarService || RadarService->running == 0)
        return;
    const int row = list->currentRow();
    if (row == ChartItem)
        RadarService->SetRange(ChartItemRange(panel.chart ? panel.chart->mainScale : 0, SetupParameters.MonitorSize));
    else if (row == RadarItem)
        RadarService->SetRange(RadarItemRange(OwnShip.radarRangeScale));
    else if (row - 2 >= 0 && size_t(row - 2) < RadarService->ranges.size())
        RadarService->SetRange(RadarService->ranges[size_t(row - 2)]);
}

std::string PulseText(int32_t frameInfo)
{
    switch (frameInfo) {
    case 4: return "SP";
    case 5: return "MP1";
    case 6: return "MP2";
    case 7: return "LP";
    default: return "----";
    }
}

int32_t ShowRadarStatus(int32_t kind, int32_t, const char*)
{
    if (kind != 0 || !RadarService)
        return 0;
    std::string text;
    if (RadarService->state() > 0)
        text = PulseText(RadarService->frameInfo);
    if (RadarService->state() == RadarManager::CallFailed) {
        text += " !";
        RadarService->ClearCallFailure();
    }
    if (RadarCtrl)
        RadarCtrl->txPulse->setText(QString::fromStdString(text));
    if (RadarCtrl && RadarCtrl->chart)
        PaintRadarOverlay(*RadarCtrl->chart);
    return 0;
}
