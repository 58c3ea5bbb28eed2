#include "sensors/TSimDlg.h"

#include "frame/SharedTables.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorHooks.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TargetTable.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t SpeedLimitTenths = 4990;  // no step up from 499.0 knots
constexpr int32_t MaximumAgeHours = 99;

template <typename Control>
Control* Named(QWidget* parent, const char* name)
{
    auto* control = new Control(parent);
    control->setObjectName(name);
    return control;
}

QLabel* Label(QWidget* parent, const char* name, const char* text)
{
    QLabel* label = Named<QLabel>(parent, name);
    label->setText(text);
    return label;
}

// An edit with its up-down: the up-down's value shows in the edit, a number typed into the edit
// moves the up-down.
void Associate(QLineEdit* edit, QSpinBox* upDown)
{
    upDown->setFixedWidth(20);
    edit->setValidator(new QIntValidator(upDown->minimum(), upDown->maximum(), edit));
    edit->setText(QString::number(upDown->value()));
    QObject::connect(upDown, &QSpinBox::valueChanged, edit,
                     [edit](int value) { edit->setText(QString::number(value)); });
    QObject::connect(edit, &QLineEdit::textEdited, upDown, [upDown](const QString& text) {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (ok) {
            const QSignalBlocker blocker(upDown);
            upDown->setValue(value);
        }
    });
}

QSpinBox* UpDown(QWidget* parent, const char* name, int maximum)
{
    QSpinBox* upDown = Named<QSpinBox>(parent, name);
    upDown->setRange(0, maximum);
    return upDown;
}

// The step of the speed going up or down from `tenths`.
int32_t SpeedStep(int32_t tenths, bool up)
{
    if (up)
        return tenths < 49 ? 1 : tenths < 99 ? 2 : tenths < 990 ? 10 : 100;
    return tenths < 51 ? 1 : tenths < 101 ? 2 : tenths < 1010 ? 10 : 100;
}

// The simulated target the target dialog shows, -1 when it shows none.
int32_t EditedTarget()
{
    if (!ArpaDlg || !ArpaDlg->isVisible() || ShownTarget < 0 || ShownTarget >= TargetCount)
        return -1;
    const TargetRecord& target = TargetTable[size_t(ShownTarget)];
    return target.id != -1 && target.kind == TargetSimulated ? ShownTarget : -1;
}

// A new simulated target at the main chart's centre in the first free record; -1 when the
// table is full.
int32_t NewSimulatedTarget()
{
    const int32_t index = FirstFreeTarget();
    if (index < 0)
        return -1;
    const cmgbase::GeoPoint centre =
        SensorHook.mainViewCentre ? SensorHook.mainViewCentre() : OwnShip.referencePosition;
    TargetRecord& target = ClaimTarget(index, SimulatedTargetId(index), TargetSimulated);
    target.positionX = target.previousX = centre.x;
    target.positionY = target.previousY = centre.y;
    const char name[] = "SIM. TARGET";
    SetTargetLabel(target, name, sizeof name);
    target.status = 'T';
    return index;
}

}  // namespace

UpDownArrows::UpDownArrows(QWidget* parent, std::function<void(bool up)> step)
    : QAbstractSpinBox(parent), step_(std::move(step))
{
    setFixedWidth(20);
}

void UpDownArrows::stepBy(int steps)
{
    if (steps != 0 && step_)
        step_(steps > 0);
}

QAbstractSpinBox::StepEnabled UpDownArrows::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

TSimDlg::TSimDlg(QWidget* owner) : QDialog(owner)
{
    setObjectName("SimDlg");
    setWindowTitle("Simulated target");
    txTop = Label(this, "txTop", "From chart centre");
    txCourse = Label(this, "txCourse", "Course");
    edCourse = Named<QLineEdit>(this, "edCourse");
    udCourse = UpDown(this, "udCourse", 359);
    udCourse->setWrapping(true);
    Associate(edCourse, udCourse);
    txSpeed = Label(this, "txSpeed", "Speed");
    edSpeed = Named<QLineEdit>(this, "edSpeed");
    udSpeed = new UpDownArrows(this, [this](bool up) { udSpeedChangingEx(up); });
    udSpeed->setObjectName("udSpeed");
    txAge = Label(this, "txAge", "Age");
    edHour = Named<QLineEdit>(this, "edHour");
    udHour = UpDown(this, "udHour", MaximumAgeHours);
    Associate(edHour, udHour);
    txHour = Label(this, "txHour", "h");
    edMinute = Named<QLineEdit>(this, "edMinute");
    udMinute = UpDown(this, "udMinute", 59);
    Associate(edMinute, udMinute);
    txMinute = Label(this, "txMinute", "m");
    OKBtn = Named<QPushButton>(this, "OKBtn");
    OKBtn->setText("OK");
    OKBtn->setDefault(true);
    CancelBtn = Named<QPushButton>(this, "CancelBtn");
    CancelBtn->setText("Cancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(txTop, 0, 0, 1, 5);
    grid->addWidget(txCourse, 1, 0);
    grid->addWidget(edCourse, 1, 1);
    grid->addWidget(udCourse, 1, 2);
    grid->addWidget(txSpeed, 2, 0);
    grid->addWidget(edSpeed, 2, 1);
    grid->addWidget(udSpeed, 2, 2);
    grid->addWidget(txAge, 3, 0);
    grid->addWidget(edHour, 3, 1);
    grid->addWidget(udHour, 3, 2);
    grid->addWidget(txHour, 3, 3);
    grid->addWidget(edMinute, 4, 1);
    grid->addWidget(udMinute, 4, 2);
    grid->addWidget(txMinute, 4, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    grid->addLayout(buttons, 5, 0, 1, 5);

    connect(edSpeed, &QLineEdit::textEdited, this, [this](const QString& text) {
        bool ok = false;
        const double knots = QLocale::c().toDouble(text, &ok);
        if (ok && std::isfinite(knots))
            speedTenths_ = int32_t(std::lround(std::clamp(knots, 0.0, 9999.9) * 10.0));
    });
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
    showSpeed();
}

void TSimDlg::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TSimDlg::showSpeed()
{
    edSpeed->setText(QString::asprintf("%.1f", speedTenths_ / 10.0));
}

void TSimDlg::FormShow()
{
    if (ArpaDlg && ArpaDlg->isVisible())
        move(ArpaDlg->frameGeometry().right() + 1, ArpaDlg->frameGeometry().top());
    const int32_t index = EditedTarget();
    int32_t course = 0;
    int64_t age = 0;
    speedTenths_ = 0;
    if (index >= 0) {
        const TargetRecord& target = TargetTable[size_t(index)];
        course = std::isfinite(target.course) ? int32_t(target.course) : 0;
        if (std::isfinite(target.speed) && target.speed > 0.0f)
            speedTenths_ = int32_t(std::lround(double(target.speed) * 10.0));
        age = std::max<int64_t>(ClockSeconds - int64_t(target.reportTime), 0);
        txTop->setText("From start");
        CancelBtn->setText("Delete");
    } else {
        txTop->setText("From chart centre");
        CancelBtn->setText("Cancel");
    }
    udCourse->setValue(course);
    udHour->setValue(int(std::min<int64_t>(age / 3600, MaximumAgeHours)));
    udMinute->setValue(int(age % 3600 / 60));
    showSpeed();
}

void TSimDlg::udSpeedChangingEx(bool up)
{
    if (up ? speedTenths_ >= SpeedLimitTenths : speedTenths_ <= 0)
        return;
    const int32_t step = SpeedStep(speedTenths_, up);
    speedTenths_ = std::max(speedTenths_ + (up ? step : -step), 0);
    showSpeed();
}

void TSimDlg::OKBtnClick()
{
    bool ok = false;
    const double speed = QLocale::c().toDouble(edSpeed->text(), &ok);
    if (!ok || !std::isfinite(speed) || speed < 0.0)
        return;
    int32_t index = EditedTarget();
    if (index < 0)
        index = NewSimulatedTarget();
    if (index >= 0) {
        TargetRecord& target = TargetTable[size_t(index)];
        target.course = float(udCourse->value());
        target.speed = float(speed);
        const int64_t start = ClockSeconds - int64_t(udHour->value()) * 3600 - int64_t(udMinute->value()) * 60;
        target.reportTime = uint32_t(std::max<int64_t>(start, 0));
        if (SensorHook.showArpaButton)
            SensorHook.showArpaButton();
    }
    hide();
}

void TSimDlg::CancelBtnClick()
{
    if (const int32_t index = EditedTarget(); index >= 0) {
        FreeTarget(TargetTable[size_t(index)]);
        ArpaDlg->hide();
    }
    hide();
}
