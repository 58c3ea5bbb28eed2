#include "chart/TTideWin.h"

#include "chart/ChartWindow.h"
#include "chart/TidePortTime.h"
#include "frame/SharedTables.h"
#include "platform/system/PointerMove.h"
#include "platform/system/TextCodec.h"

#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

using namespace chartengine;

namespace {

constexpr double HalfHourStep = 0.5;
constexpr int ScaleSteps = 10;  // track bar positions 0..10; 10 is the automatic scale
constexpr int CaptionSuffixSlot = 29;
constexpr QPoint ActivationPointer(537, 250);

QLabel* Panel(QWidget* owner, const char* name, const QString& text = {})
{
    auto* panel = new QLabel(text, owner);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumWidth(110);
    return panel;
}

QLabel* Label(QWidget* owner, const char* name, const char* text)
{
    auto* label = new QLabel(QString::fromLatin1(text), owner);
    label->setObjectName(name);
    return label;
}

QPushButton* Button(QWidget* owner, const char* name, const char* text)
{
    auto* button = new QPushButton(QString::fromLatin1(text), owner);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// "hh:mm" of a half-hour sample index.
QString SampleTime(int32_t index) { return QString::asprintf("%02d:%02d", index * 30 / 60, index * 30 % 60); }

}  // namespace

TTideWin::TTideWin(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("TideWin");
    m_axTide = new TidesWindow(this);
    m_axTide->setObjectName("m_axTide");
    m_axTide->setMinimumSize(480, 260);
    m_trbMaxScale = new QSlider(Qt::Vertical, this);
    m_trbMaxScale->setObjectName("m_trbMaxScale");
    m_trbMaxScale->setRange(0, ScaleSteps);
    m_trbMaxScale->setInvertedAppearance(true);
    m_trbMaxScale->setValue(ScaleSteps);
    m_dtpDate = new QDateEdit(this);
    m_dtpDate->setObjectName("m_dtpDate");
    m_dtpDate->setCalendarPopup(true);
    m_btnPrevDate = Button(this, "m_btnPrevDate", "<");
    m_btnNextDate = Button(this, "m_btnNextDate", ">");
    m_btnClose = Button(this, "m_btnClose", "Close");
    m_pnlScale = Panel(this, "m_pnlScale", QStringLiteral("Auto"));
    m_pnlMaxTide = Panel(this, "m_pnlMaxTide");
    m_pnlMinTide = Panel(this, "m_pnlMinTide");
    m_pnlCurTime = Panel(this, "m_pnlCurTime");
    m_pnlCurTide = Panel(this, "m_pnlCurTide");
    m_lblVerticalScale = Label(this, "m_lblVerticalScale", "Vertical scale");
    m_lblMaxTide = Label(this, "m_lblMaxTide", "High tide");
    m_lblMinTide = Label(this, "m_lblMinTide", "Low tide");
    m_lblTime = Label(this, "m_lblTime", "Time");
    m_lblTide = Label(this, "m_lblTide", "Tide");
    m_lblDate = Label(this, "m_lblDate", "Date");

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_axTide, 0, 0, 9, 1);
    grid->addWidget(m_trbMaxScale, 0, 1, 9, 1);
    grid->addWidget(m_lblVerticalScale, 0, 2, 1, 3);
    grid->addWidget(m_pnlScale, 1, 2, 1, 3);
    grid->addWidget(m_lblMaxTide, 2, 2, 1, 3);
    grid->addWidget(m_pnlMaxTide, 3, 2, 1, 3);
    grid->addWidget(m_lblMinTide, 4, 2, 1, 3);
    grid->addWidget(m_pnlMinTide, 5, 2, 1, 3);
    grid->addWidget(m_lblTime, 6, 2);
    grid->addWidget(m_pnlCurTime, 7, 2);
    grid->addWidget(m_lblTide, 6, 3, 1, 2);
    grid->addWidget(m_pnlCurTide, 7, 3, 1, 2);
    grid->addWidget(m_lblDate, 9, 0);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_btnPrevDate);
    dateRow->addWidget(m_dtpDate, 1);
    dateRow->addWidget(m_btnNextDate);
    grid->addLayout(dateRow, 10, 0, 1, 2);
    grid->addWidget(m_btnClose, 10, 2, 1, 3);

    connect(m_trbMaxScale, &QSlider::valueChanged, this, [this] { m_trbMaxScaleChange(); });
    connect(m_dtpDate, &QDateEdit::dateChanged, this, [this] { m_dtpDateChange(); });
    connect(m_btnPrevDate, &QPushButton::clicked, this, [this] { m_btnPrevDateClick(); });
    connect(m_btnNextDate, &QPushButton::clicked, this, [this] { m_btnNextDateClick(); });
    connect(m_btnClose, &QPushButton::clicked, this, [this] { m_btnCloseClick(); });
    m_axTide->mouseAction = [this](double height, const QDateTime& time) { m_axTideMouseAction(height, time); };
}

void TTideWin::OpenPort(std::unique_ptr<TidesPort> port)
{
    if (!port)
        return;
    port_.reset();
    show();
    port_ = std::move(port);
    m_axTide->SetPort(port_.get());
    const QString name = platform::FromCp1252(port_->PortName());
    setWindowTitle(QStringLiteral(" %1  ").arg(name) + platform::FromCp1252(MessageTexts[CaptionSuffixSlot]));
    CalculateDay();
}

void TTideWin::CalculateDay()
{
    if (!port_)
        return;
    const QDate date = m_dtpDate->date();
    m_axTide->Calculate(date, HalfHourStep);
    if (Failed(port_->Calculate(HalfHourStep, date)))
        return;
    int32_t index = 0;
    double height = 0.0;
    if (port_->HighestIndex(&index) == kOk && port_->HeightAt(index, &height) == kOk)
        m_pnlMaxTide->setText(SampleTime(index) + QString::asprintf(" %.2f m.", height));
    if (port_->LowestIndex(&index) == kOk && port_->HeightAt(index, &height) == kOk)
        m_pnlMinTide->setText(SampleTime(index) + QString::asprintf(" %.2f m.", height));
    showPresentTide();
    m_axTide->update();
}

// The tide now at the port: the sample at or after the port's present time, read from the
// port's own present day even when another day is shown.
void TTideWin::showPresentTide()
{
    int32_t hoursWest = 0;
    if (Failed(port_->TimeZone(&hoursWest)))
        return;
    const PortTime now = PortStandardTime(ClockSeconds, hoursWest);
    TidesPort today = *port_;
    if (now.date != m_dtpDate->date() && Failed(today.Calculate(HalfHourStep, now.date)))
        return;
    double height = 0.0;
    if (Failed(today.HeightAt(SampleAtOrAfter(now), &height)))
        return;
    m_pnlCurTide->setText(QString::asprintf("%.2f m.", height));
    m_pnlCurTime->setText(QString::asprintf("%02d:%02d", now.hour, now.minute));
}

void TTideWin::FormShow()
{
    if (chart)
        savedMouse_ = chart->lastMousePoint;
    m_trbMaxScale->setFocus();
    m_dtpDate->setDate(QDateTime::fromSecsSinceEpoch(ClockSeconds, TideLocalZone).date());
}

void TTideWin::FormActivate() { platform::MovePointer(frameGeometry().topLeft() + ActivationPointer); }

void TTideWin::FormHide()
{
    if (chart && chart->controls.CM93)
        platform::MovePointer(chart->controls.CM93->mapToGlobal(QPoint(savedMouse_.x, savedMouse_.y)));
    m_axTide->SetPort(nullptr);
    port_.reset();
}

void TTideWin::m_trbMaxScaleChange()
{
    const int scale = ScaleSteps - m_trbMaxScale->value();
    m_axTide->SetScale(0.0, scale);
    m_axTide->update();
    m_pnlScale->setText(scale == 0 ? QStringLiteral("Auto") : QString::asprintf("%d m", scale));
}

void TTideWin::m_btnCloseClick() { hide(); }

void TTideWin::m_dtpDateChange() { CalculateDay(); }

void TTideWin::m_btnNextDateClick() { m_dtpDate->setDate(m_dtpDate->date().addDays(1)); }

void TTideWin::m_btnPrevDateClick() { m_dtpDate->setDate(m_dtpDate->date().addDays(-1)); }

void TTideWin::m_axTideMouseAction(double height, const QDateTime& time)
{
    if (!time.isValid())
        return;
    m_pnlCurTide->setText(QString::asprintf("%.2f m.", height));
    m_pnlCurTime->setText(QString::asprintf("%02d:%02d", time.time().hour(), time.time().minute()));
}

void TTideWin::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TTideWin::hideEvent(QHideEvent* event)
{
    FormHide();
    QDialog::hideEvent(event);
}

bool TTideWin::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}
