#include "radarweather/TWeatherDlg.h"

#include "frame/SharedTables.h"
#include "platform/system/TextCodec.h"
#include "radarweather/WeatherDates.h"
#include "radarweather/WeatherGraphView.h"
#include "radarweather/WeatherManager.h"

#include <QBarSeries>
#include <QChart>
#include <QDateTimeAxis>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

namespace {

template <typename T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

TWeatherDlg::TWeatherDlg(QWidget* owner) : QDialog(owner, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName("WeatherDlg");
    setWindowTitle("Weather");
    cklItem = Named(new QListWidget(this), "cklItem");
    for (const char* text : {"Wind", "Temperature", "Percipitation", "Pressure", "Waves", "Current"}) {
        auto* item = new QListWidgetItem(QString::fromLatin1(text), cklItem);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    panels = Named(new QStackedWidget(this), "panels");
    pnShow = Named(new QFrame, "pnShow");
    pnFrom = Named(new QLabel(pnShow), "pnFrom");
    pnTo = Named(new QLabel(pnShow), "pnTo");
    tbShow = Named(new QSlider(Qt::Horizontal, pnShow), "tbShow");
    tbShow->setRange(0, 480);
    tbShow->setPageStep(48);
    tbShow->setTickInterval(48);
    tbShow->setTickPosition(QSlider::TicksBelow);
    btnChart = Named(new QPushButton("Chart", pnShow), "btnChart");
    btnChart->setCheckable(true);
    btnChart->setChecked(true);
    btnNow = Named(new QPushButton("Now", pnShow), "btnNow");
    dtShowDay = Named(new QDateTimeEdit(pnShow), "dtShowDay");
    dtShowDay->setDisplayFormat("dd. MMM. yy");
    edShowHour = Named(new QLineEdit(pnShow), "edShowHour");
    edShowHour->setReadOnly(true);
    udShowHourUp = Named(new QToolButton(pnShow), "udShowHour");
    udShowHourUp->setArrowType(Qt::UpArrow);
    udShowHourDown = Named(new QToolButton(pnShow), "udShowHourDown");
    udShowHourDown->setArrowType(Qt::DownArrow);
    btnUpdate = Named(new QPushButton("Update", pnShow), "btnUpdate");
    btnHelp = Named(new QPushButton("?", pnShow), "btnHelp");
    btnEsc = Named(new QPushButton(pnShow), "btnEsc");
    btnEsc->setFixedSize(2, 2);
    auto* showLayout = new QGridLayout(pnShow);
    showLayout->addWidget(pnFrom, 0, 0);
    showLayout->addWidget(pnTo, 0, 3, Qt::AlignRight);
    showLayout->addWidget(tbShow, 1, 0, 1, 4);
    showLayout->addWidget(dtShowDay, 2, 0);
    showLayout->addWidget(edShowHour, 2, 1);
    auto* upDown = new QVBoxLayout;
    upDown->setSpacing(0);
    upDown->addWidget(udShowHourUp);
    upDown->addWidget(udShowHourDown);
    showLayout->addLayout(upDown, 2, 2);
    auto* showButtons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnChart, btnNow, btnUpdate, btnHelp, btnEsc})
        showButtons->addWidget(w);
    showLayout->addLayout(showButtons, 3, 0, 1, 4);

    pnUpdate = Named(new QFrame, "pnUpdate");
    btnGetStatus = Named(new QPushButton("Get Status", pnUpdate), "btnGetStatus");
    btnGetUpdate = Named(new QPushButton("Get Update", pnUpdate), "btnGetUpdate");
    rbMax = Named(new QRadioButton("Max", pnUpdate), "rbMax");
    rbMax->setChecked(true);
    rbMax->setToolTip("Get all available predictions (Best quality)");
    rbMin = Named(new QRadioButton("Min", pnUpdate), "rbMin");
    rbMin->setToolTip("Get one prediction per day (Lowest datasize)");
    txSelUpd = Named(new QLabel("<-- Update include", pnUpdate), "txSelUpd");
    txInfo = Named(new QLabel(pnUpdate), "txInfo");
    txInfo->setWordWrap(true);
    // A reason takes two lines in the panel's width.
    txInfo->setMinimumHeight(2 * txInfo->fontMetrics().lineSpacing());
    ProgressBar = Named(new QProgressBar(pnUpdate), "ProgressBar");
    ProgressBar->setRange(0, 100);
    csDays = Named(new QSpinBox(pnUpdate), "csDays");
    csDays->setRange(1, 10);
    csDays->setValue(10);
    txDays = Named(new QLabel("Days", pnUpdate), "txDays");
    btnOk = Named(new QPushButton("OK", pnUpdate), "btnOk");
    auto* updateLayout = new QGridLayout(pnUpdate);
    updateLayout->addWidget(txSelUpd, 0, 0, 1, 2);
    updateLayout->addWidget(rbMax, 1, 0);
    updateLayout->addWidget(rbMin, 1, 1);
    updateLayout->addWidget(csDays, 2, 0);
    updateLayout->addWidget(txDays, 2, 1);
    updateLayout->addWidget(btnGetStatus, 3, 0);
    updateLayout->addWidget(btnGetUpdate, 3, 1);
    updateLayout->addWidget(txInfo, 4, 0, 1, 2);
    updateLayout->addWidget(ProgressBar, 5, 0, 1, 2);
    updateLayout->addWidget(btnOk, 6, 1);

    pnHelp = Named(new QFrame, "pnHelp");
    imgHelp = Named(new QLabel(pnHelp), "imgHelp");
    btnOk2 = Named(new QPushButton("OK", pnHelp), "btnOk2");
    auto* helpLayout = new QVBoxLayout(pnHelp);
    helpLayout->addWidget(imgHelp);
    helpLayout->addWidget(btnOk2);
    panels->addWidget(pnShow);
    panels->addWidget(pnUpdate);
    panels->addWidget(pnHelp);

    Series1 = new QLineSeries;
    Series1->setObjectName("Series1");
    Series1->setPen(QPen(Qt::red, 2));
    Series2 = new QBarSeries;
    Series2->setObjectName("Series2");
    Series2->setBarWidth(1.0);
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->addSeries(Series1);
    chart->addSeries(Series2);
    auto* dates = new QDateTimeAxis;
    dates->setFormat("dd.MM");
    auto* values = new QValueAxis;
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    Series1->attachAxis(dates);
    Series1->attachAxis(values);
    Series2->attachAxis(values);
    m_Chart = Named(new WeatherGraphView(chart, this), "m_Chart");
    m_Chart->afterDraw = [this](QPainter& painter) { m_ChartAfterDraw(painter); };
    m_Chart->setMinimumHeight(160);
    pnStatus = Named(new QGroupBox(m_Chart), "pnStatus");
    Label3 = Named(new QLabel("Subscriptions:", pnStatus), "Label3");
    lbStatus = Named(new QListWidget(pnStatus), "lbStatus");
    auto* statusLayout = new QVBoxLayout(pnStatus);
    statusLayout->addWidget(Label3);
    statusLayout->addWidget(lbStatus);
    pnStatus->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(cklItem);
    top->addWidget(panels, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_Chart, 1);

    // Constructor state: list item 0 selected, items 0 to 4 ticked, nothing selected.
    cklItem->setCurrentRow(0);
    for (int i = 0; i < 5; ++i)
        cklItem->item(i)->setCheckState(Qt::Checked);
    selectedItem = -1;

    connect(cklItem, &QListWidget::itemChanged, this, [this] { cklItemClick(); });
    connect(cklItem, &QListWidget::currentRowChanged, this, [this] { cklItemClick(); });
    connect(tbShow, &QSlider::valueChanged, this, [this] {
        if (!updatingTrack_)
            tbShowChange();
    });
    connect(dtShowDay, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (!updatingTrack_)
            dtShowDayChange();
    });
    connect(udShowHourUp, &QToolButton::clicked, this, [this] { udShowHourChangingEx(true); });
    connect(udShowHourDown, &QToolButton::clicked, this, [this] { udShowHourChangingEx(false); });
    connect(btnChart, &QPushButton::clicked, this, [this] { btnChartClick(); });
    connect(btnNow, &QPushButton::clicked, this, [this] { btnNowClick(); });
    connect(btnUpdate, &QPushButton::clicked, this, [this] { btnUpdateClick(); });
    connect(btnHelp, &QPushButton::clicked, this, [this] { btnHelpClick(); });
    connect(btnEsc, &QPushButton::clicked, this, [this] { btnEscClick(); });
    connect(btnGetStatus, &QPushButton::clicked, this, [this] { btnGetStatusClick(); });
    connect(btnGetUpdate, &QPushButton::clicked, this, [this] { btnGetUpdateClick(); });
    connect(rbMax, &QRadioButton::clicked, this, [this] { rbMaxClick(); });
    connect(rbMin, &QRadioButton::clicked, this, [this] { rbMinClick(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { FormShow(); });
    connect(btnOk2, &QPushButton::clicked, this, [this] { FormShow(); });
}

QString TWeatherDlg::CaptionText(int key)
{
    const size_t slot = static_cast<size_t>(key + 17);
    return slot < MessageTexts.size() ? platform::FromCp1252(MessageTexts[slot]) : QString();
}

bool TWeatherDlg::ItemTicked(int item) const
{
    const QListWidgetItem* entry = cklItem->item(item);
    return entry && entry->checkState() == Qt::Checked;
}

int32_t TWeatherDlg::ItemGroup(int item) const
{
    if (!WeatherService || item < 0 || item >= WeatherItemCount)
        return 0;
    return WeatherService->GroupCode(WeatherItemGroupIndex[item]);
}

bool TWeatherDlg::HasTimes() const
{
    return stepCount > 0 && smoothing > 0 && stepLength > 0 && firstTime > 0 && lastTime > firstTime;
}

void TWeatherDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TWeatherDlg::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    FormHide();
}

void TWeatherDlg::FormShow()
{
    const QSignalBlocker blockList(cklItem);
    for (int i = 0; i < 5; ++i) {
        QListWidgetItem* item = cklItem->item(i);
        const bool data = WeatherService && WeatherService->GroupHasData(ItemGroup(i));
        item->setFlags(data ? item->flags() | Qt::ItemIsEnabled : item->flags() & ~Qt::ItemIsEnabled);
        if (!data)
            item->setCheckState(Qt::Unchecked);
    }
    cklItem->item(5)->setFlags(cklItem->item(5)->flags() | Qt::ItemIsEnabled);
    panels->setCurrentWidget(pnShow);
    pnStatus->hide();
    btnHelp->setEnabled(!hooks.dayNightIndex || hooks.dayNightIndex() < 3);
    selectedItem = std::max(0, cklItem->currentRow());

    firstTime = WeatherService ? WeatherService->forecastStart : 0;
    lastTime = WeatherService ? WeatherService->forecastEnd : 0;
    smoothing = WeatherService ? WeatherService->GetSmooth() : 0;
    const int32_t count = WeatherService ? WeatherService->GetPredictionsCount() : 0;
    stepCount = smoothing > 0 ? static_cast<int32_t>(static_cast<int64_t>(count) * smoothing / 30) : 0;
    stepLength = stepCount > 0 ? (lastTime - firstTime) / stepCount : 0;
    // Without times, steps and smoothing there is nothing to choose: the time controls rest.
    const bool times = HasTimes();
    for (QWidget* w : std::initializer_list<QWidget*>{tbShow, dtShowDay, edShowHour, udShowHourUp, udShowHourDown, btnNow})
        w->setEnabled(times);
    m_Chart->setEnabled(times);
    if (!times) {
        pnFrom->clear();
        pnTo->clear();
        edShowHour->clear();
    } else {
        pnFrom->setText(WeatherDateText(firstTime, "dd.MM.yyyy hh:mm"));
        pnTo->setText(WeatherDateText(lastTime, "dd.MM.yyyy hh:mm"));
        const double now = WeatherNowDays();
        updatingTrack_ = true;
        dtShowDay->setMinimumDateTime(WeatherDateTime(std::floor(firstTime)));
        dtShowDay->setMaximumDateTime(WeatherDateTime(std::floor(lastTime) + 0.99999));
        dtShowDay->setDateTime(WeatherDateTime(lastTime > now ? now : lastTime));
        const double day = std::floor(firstTime);
        tbShow->setMaximum(static_cast<int>((firstTime - day) / stepLength) + stepCount - 1);
        updatingTrack_ = false;
        tbShow->setValue(static_cast<int>((now - day) / stepLength));
        tbShowChange();
    }
    btnChartClick();
    if (WeatherService)
        WeatherService->ShowGroup(0, ItemTicked(1) ? 1 : 0);
    cklItemClick();
    if (WeatherService && WeatherService->weatherRequestPending)
        WeatherService->CancelWeatherRequest();
}

void TWeatherDlg::FormHide()
{
    if (hooks.releaseButton)
        hooks.releaseButton();
    selectedItem = -1;
    if (WeatherService)
        WeatherService->ShowGroup(0, 0);
    if (hooks.repaintChart)
        hooks.repaintChart();
}

void TWeatherDlg::btnEscClick()
{
    close();
}

void TWeatherDlg::btnNowClick()
{
    FormShow();
}

void TWeatherDlg::cklItemClick()
{
    btnChartClick();
    if (panels->currentWidget() == pnHelp)
        loadLegend();
    selectedItem = std::max(0, cklItem->currentRow());
    weatherChangedMark = 1;
    bool anyTicked = false;
    for (int i = 0; i < WeatherItemCount; ++i) {
        const bool ticked = ItemTicked(i);
        anyTicked = anyTicked || (i < 5 && ticked);
        const int32_t group = ItemGroup(i);
        if (WeatherService && group != 0 && ticked != WeatherService->IsGroupShown(group)) {
            temperatureChanged = i == 1 ? 1 : 0;
            WeatherService->ShowGroup(group, ticked ? 1 : 0);
        }
    }
    btnGetUpdate->setEnabled(anyTicked);
    if (hooks.showAtCursor)
        hooks.showAtCursor();
}

void TWeatherDlg::tbShowChange()
{
    if (!HasTimes())
        return;
    const double day = std::floor(firstTime);
    const int start = static_cast<int>((firstTime - day) / stepLength);
    int position = tbShow->value();
    if (position < start) {
        const QSignalBlocker block(tbShow);
        tbShow->setValue(start);
        position = start;
    }
    shownIndex = position - start;
    shownTime = day + position * stepLength;
    updatingTrack_ = true;
    dtShowDay->setDateTime(WeatherDateTime(shownTime));
    updatingTrack_ = false;
    // The hour of the time shown, whatever the step length.
    edShowHour->setText(WeatherDateText(shownTime + 0.5 / 86400.0, "hh:mm"));
    if (hooks.showAtCursor)
        hooks.showAtCursor();
    if (WeatherService)
        WeatherService->SetActivePredictionIndex(shownIndex);
    temperatureChanged = ItemTicked(1) ? 1 : 0;
    m_Chart->viewport()->update();
}

void TWeatherDlg::m_ChartAfterDraw(QPainter& painter)
{
    if (!WeatherService || WeatherService->state() <= 0)
        return;
    QChart* chart = m_Chart->chart();
    const QRectF plot = chart->mapRectToScene(chart->plotArea());
    const QPointF at = chart->mapToScene(
        chart->mapToPosition(QPointF(static_cast<qreal>(WeatherDateTime(shownTime).toMSecsSinceEpoch()), 0), Series1));
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(at.x(), plot.top()), QPointF(at.x(), plot.bottom()));
    painter.restore();
}

void TWeatherDlg::dtShowDayChange()
{
    if (!HasTimes())
        return;
    shownTime = WeatherDays(dtShowDay->dateTime());
    tbShow->setValue(static_cast<int>((shownTime - std::floor(firstTime)) / stepLength));
}

void TWeatherDlg::udShowHourChangingEx(bool up)
{
    if (HasTimes())
        tbShow->setValue(tbShow->value() + (up ? 1 : -1));
}

void TWeatherDlg::placeForGraph(bool graphShown)
{
    const int mainHeight = hooks.mainWindowHeight ? hooks.mainWindowHeight() : 0;
    if (mainHeight <= 0)
        return;
    const int top = mainHeight - height() + (graphShown ? 0 : m_Chart->height() + 5);
    move(x(), top);
}

void TWeatherDlg::btnChartClick()
{
    placeForGraph(btnChart->isChecked());
}

void TWeatherDlg::loadLegend()
{
    static const char* const files[] = {"wind.bmp", "temperature.bmp", "precipitation.bmp", "pressure.bmp",
                                        "waves.bmp", "current.bmp"};
    const int item = cklItem->currentRow();
    const char* file = item >= 0 && item < WeatherItemCount ? files[item] : files[0];
    imgHelp->setPixmap(QPixmap(QString::fromStdString((ProgramFolder / file).string())));
    if (item == 5)
        placeForGraph(false);
}

void TWeatherDlg::btnHelpClick()
{
    loadLegend();
    panels->setCurrentWidget(pnHelp);
}

void TWeatherDlg::btnUpdateClick()
{
    panels->setCurrentWidget(pnUpdate);
    btnGetUpdate->setText(CaptionText(18));
    txInfo->setText("Ready");
    const QSignalBlocker block(cklItem);
    for (int i = 0; i < 5; ++i)
        cklItem->item(i)->setFlags(cklItem->item(i)->flags() | Qt::ItemIsEnabled);
    cklItem->item(5)->setFlags(cklItem->item(5)->flags() & ~Qt::ItemIsEnabled);
    ProgressBar->setValue(0);
}

void TWeatherDlg::btnGetStatusClick()
{
    ProgressBar->setValue(0);
    if (!WeatherService)
        return;
    if (!WeatherService->statusRequestPending) {
        btnGetStatus->setText(CaptionText(19));
        if (!WeatherService->StartStatusRequest()) {
            btnGetStatus->setText(CaptionText(17));
            txInfo->setText(QString::fromStdString(WeatherService->ErrorText()));
        }
    } else {
        btnGetStatus->setText(CaptionText(17));
        WeatherService->CancelStatusRequest();
    }
}

void TWeatherDlg::btnGetUpdateClick()
{
    ProgressBar->setValue(0);
    if (!WeatherService)
        return;
    if (WeatherService->weatherRequestPending) {
        btnGetUpdate->setText(CaptionText(18));
        WeatherService->CancelWeatherRequest();
        txInfo->setText("Cancelled");
        return;
    }
    btnGetUpdate->setText(CaptionText(19));
    WeatherService->forecastLength = csDays->value() * 24 + 12;
    WeatherService->layerWind = ItemTicked(0);
    WeatherService->layerTemperature = ItemTicked(1);
    WeatherService->layerPrecipitation = ItemTicked(2);
    WeatherService->layerPressure = ItemTicked(3);
    WeatherService->layerWave = ItemTicked(4);
    if (WeatherService->StartWeatherRequest()) {
        txInfo->setText("Open Comm");
    } else {
        // Refused at once: the reason, and the caption back.
        btnGetUpdate->setText(CaptionText(18));
        txInfo->setText(QString::fromStdString(WeatherService->statusText));
    }
}

void TWeatherDlg::rbMaxClick()
{
    if (WeatherService)
        WeatherService->timeStep = 6;
    csDays->setValue(10);
    const QSignalBlocker block(cklItem);
    for (int i = 0; i < 5; ++i)
        cklItem->item(i)->setCheckState(Qt::Checked);
    cklItemClick();
}

void TWeatherDlg::rbMinClick()
{
    if (WeatherService)
        WeatherService->timeStep = 24;
    csDays->setValue(1);
    const QSignalBlocker block(cklItem);
    for (int i = 0; i < 5; ++i)
        cklItem->item(i)->setCheckState(i == 0 ? Qt::Checked : Qt::Unchecked);
    cklItemClick();
}
