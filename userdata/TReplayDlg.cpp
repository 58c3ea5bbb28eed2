#include "userdata/TReplayDlg.h"

#include "frame/SharedTables.h"
#include "platform/system/TextCodec.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimeEdit>

#include <algorithm>

namespace {

QString MessageOr(size_t entry, const char* fallback)
{
    return MessageTexts[entry].empty() ? QString::fromLatin1(fallback) : platform::FromCp1252(MessageTexts[entry]);
}

}  // namespace

TReplayDlg::TReplayDlg(QWidget* owner) : QDialog(owner, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName("ReplayDlg");
    setWindowTitle("Replay");
    dtDate = new QDateEdit(QDate::currentDate(), this);
    dtDate->setObjectName("dtDate");
    dtDate->setDisplayFormat("dddd, MMMM d, yyyy");
    dtDate->setCalendarPopup(true);
    dtTime = new QTimeEdit(QTime(0, 0), this);
    dtTime->setObjectName("dtTime");
    dtTime->setDisplayFormat("HH:mm");
    btnStart = new QPushButton("Show positions", this);
    btnStart->setObjectName("btnStart");
    ckDR = new QCheckBox("Use DR", this);
    ckDR->setObjectName("ckDR");
    ckDR->setChecked(true);
    btnSpd = new QPushButton("Start", this);
    btnSpd->setObjectName("btnSpd");
    btnSpd->setCheckable(true);
    btnSpd->setEnabled(false);
    tbSpd = new QSlider(Qt::Horizontal, this);
    tbSpd->setObjectName("tbSpd");
    tbSpd->setRange(0, int(ReplaySpeedFactors.size()) - 1);
    tbSpd->setPageStep(1);
    edSpd = new QLineEdit(this);
    edSpd->setObjectName("edSpd");
    edSpd->setReadOnly(true);
    edSpd->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(dtDate, 0, 0, 1, 2);
    layout->addWidget(dtTime, 0, 2);
    layout->addWidget(btnStart, 1, 0);
    layout->addWidget(ckDR, 1, 1);
    layout->addWidget(btnSpd, 1, 2);
    layout->addWidget(tbSpd, 2, 0, 1, 2);
    layout->addWidget(edSpd, 2, 2);

    connect(btnStart, &QPushButton::clicked, this, [this] { btnStartClick(); });
    connect(btnSpd, &QPushButton::clicked, this, [this] { btnSpdClick(); });
    connect(tbSpd, &QSlider::valueChanged, this, [this] { tbSpdChange(); });
    connect(dtTime, &QTimeEdit::userTimeChanged, this, [this] {
        if (dtTime->hasFocus())
            dtTimeChange();
    });
    tbSpdChange();
}

void TReplayDlg::btnStartClick()
{
    if (hooks.start)
        hooks.start();
}

void TReplayDlg::tbSpdChange()
{
    const size_t position = size_t(std::clamp(tbSpd->value(), 0, int(ReplaySpeedFactors.size()) - 1));
    const int32_t before = ticksPerStep;
    speedFactor = ReplaySpeedFactors[position];
    ticksPerStep = ReplayTicksPerStep[position];
    edSpd->setText(QString::asprintf(" x %d", int(speedFactor)));
    if (before != ticksPerStep && hooks.ticksPerStepChanged)
        hooks.ticksPerStepChanged(before, ticksPerStep);
}

void TReplayDlg::btnSpdClick()
{
    playing = btnSpd->isChecked();
    btnSpd->setText(playing ? MessageOr(39, "Pause") : MessageOr(38, "Start"));
    for (QWidget* control : {static_cast<QWidget*>(btnStart), static_cast<QWidget*>(dtDate),
                             static_cast<QWidget*>(dtTime)})
        control->setEnabled(!playing);
}

void TReplayDlg::dtTimeChange()
{
    btnSpd->setEnabled(false);
}

void TReplayDlg::ReplayClosed()
{
    btnSpd->setChecked(false);
    btnSpdClick();
    btnSpd->setEnabled(false);
}

bool TReplayDlg::FormKeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (btnStart->isEnabled())
            btnStartClick();
        return true;
    }
    if (key == Qt::Key_Space) {
        if (btnSpd->isEnabled()) {
            btnSpd->toggle();
            btnSpdClick();
        }
        return true;
    }
    return false;
}

void TReplayDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    dtDate->setEnabled(true);
    dtTime->setEnabled(true);
    btnStart->setEnabled(true);
    btnSpd->setEnabled(false);
    if (hooks.shown)
        hooks.shown();
}

void TReplayDlg::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (hooks.hidden)
        hooks.hidden();
}

void TReplayDlg::keyPressEvent(QKeyEvent* event)
{
    if (!FormKeyDown(event->key()))
        QDialog::keyPressEvent(event);
}
