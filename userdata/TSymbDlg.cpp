#include "userdata/TSymbDlg.h"

#include "frame/SetupParameters.h"
#include "platform/system/MessageBox.h"
#include "platform/system/NamedControl.h"
#include "userdata/FilterSelection.h"
#include "userdata/ObjectDialogHooks.h"
#include "userdata/PointList.h"
#include "userdata/TDbObj.h"

#include <QCheckBox>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

constexpr int32_t LineList = 3;  // the object list's kind for lines

}  // namespace

TSymbDlg::TSymbDlg(QWidget* owner) : FormDialog(owner)
{
    using platform::Captioned;
    using platform::Named;
    setObjectName(QStringLiteral("SymbDlg"));
    setWindowTitle(QStringLiteral("User Objects"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);

    btnShow = Captioned<QPushButton>(this, "btnShow", "Show");
    btnHide = Captioned<QPushButton>(this, "btnHide", "Hide");
    btnEditSymb = Captioned<QPushButton>(this, "btnEditSymb", "Edit Symbol");
    btnEditLine = Captioned<QPushButton>(this, "btnEditLine", "Edit Line/Area");
    btnEditLine->setToolTip(QStringLiteral("Store new or edit old "));
    gbSelection = new FilterSelection(this, "cklSelObjColor", FilterKind::Symbols);
    ckSymbols = Captioned<QCheckBox>(this, "ckSymbols", "Symbols");
    ckLines = Captioned<QCheckBox>(this, "ckLines", "Lines / areas");
    ckShowDate = Captioned<QCheckBox>(this, "ckShowDate", "Show time");
    btnSelect = Captioned<QPushButton>(this, "btnSelect", "Select");
    btnSelect->setToolTip(QStringLiteral("Select important line"));
    btnPrint = Captioned<QPushButton>(this, "btnPrint", "Print");
    btnPrint->setToolTip(QStringLiteral("Make, edit and print line pos. list"));
    btnPrint->setEnabled(false);

    SoundingPanel = Named<QFrame>(this, "SoundingPanel");
    txSounding = Captioned<QLabel>(SoundingPanel, "txSounding", "Autosave soundings every");
    edSounding = Named<QLineEdit>(SoundingPanel, "edSounding");
    edSounding->setReadOnly(true);
    edSounding->setText(QStringLiteral("off"));
    udSounding = Named<QSpinBox>(SoundingPanel, "udSounding");
    udSounding->setRange(0, 100);
    udSounding->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    udSounding->setFixedWidth(20);
    auto* sounding = new QHBoxLayout(SoundingPanel);
    sounding->addWidget(txSounding);
    sounding->addWidget(edSounding);
    sounding->addWidget(udSounding);
    SoundingPanel->hide();

    auto* grid = new QGridLayout(this);
    grid->addWidget(btnShow, 0, 0);
    grid->addWidget(btnHide, 0, 1);
    grid->addWidget(btnEditSymb, 1, 0);
    grid->addWidget(btnEditLine, 1, 1);
    grid->addWidget(gbSelection, 2, 0, 1, 2);
    grid->addWidget(ckSymbols, 3, 0);
    grid->addWidget(ckLines, 3, 1);
    grid->addWidget(ckShowDate, 4, 0);
    grid->addWidget(btnSelect, 5, 0);
    grid->addWidget(btnPrint, 5, 1);
    grid->addWidget(SoundingPanel, 6, 0, 1, 2);

    connect(btnShow, &QPushButton::clicked, this, [this] { btnShowClick(); });
    connect(btnHide, &QPushButton::clicked, this, [this] { btnHideClick(); });
    connect(btnEditSymb, &QPushButton::clicked, this, [this] { btnEditSymbClick(); });
    connect(btnEditLine, &QPushButton::clicked, this, [this] { btnEditLineClick(); });
    connect(ckSymbols, &QCheckBox::clicked, this, [this] { ckSymbolsClick(); });
    connect(ckLines, &QCheckBox::clicked, this, [this] { ckLinesClick(); });
    connect(ckShowDate, &QCheckBox::clicked, this, [this] { ckShowDateClick(); });
    connect(btnSelect, &QPushButton::clicked, this, [this] { btnSelectClick(); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
    connect(udSounding, &QSpinBox::valueChanged, this, [this] { udSoundingChangingEx(); });
}

void TSymbDlg::FormShow()
{
    gbSelection->ShowFilter();
    ckSymbols->setChecked(SetupParameters.FilterSymbols != 0);
    ckLines->setChecked(SetupParameters.FilterLines != 0);
    ckShowDate->setChecked(SetupParameters.SymbolDatesShown != 0);
    AskChart(ChartRefresh::Redraw);
    btnPrint->setEnabled(ObjectDialogHook.lineId && ObjectDialogHook.lineId() != 0);
    // The pointer over the first control, which takes the focus (best effort).
    QCursor::setPos(mapToGlobal(QPoint(120, btnShow->geometry().top() + 40)));
    btnShow->setFocus();
}

void TSymbDlg::FormHide()
{
    if (ObjectDialogHook.syncDataTab)
        ObjectDialogHook.syncDataTab();
}

void TSymbDlg::ckSymbolsClick() { storeKinds(ckSymbols, ckLines); }
void TSymbDlg::ckLinesClick() { storeKinds(ckLines, ckSymbols); }

// One of symbols and lines stays shown: switching one off switches the other on.
void TSymbDlg::storeKinds(const QCheckBox* clicked, QCheckBox* other)
{
    if (!clicked->isChecked())
        other->setChecked(true);
    SetupParameters.FilterSymbols = ckSymbols->isChecked();
    SetupParameters.FilterLines = ckLines->isChecked();
    AskChart(ChartRefresh::Objects);
}

void TSymbDlg::ckShowDateClick()
{
    SetupParameters.SymbolDatesShown = ckShowDate->isChecked();
    AskChart(ChartRefresh::Redraw);
}

void TSymbDlg::TimeFromChange() { gbSelection->TimeFromChange(); }
void TSymbDlg::TimeToChange() { gbSelection->TimeToChange(); }
void TSymbDlg::TimeAfterChange() { gbSelection->TimeAfterChange(); }
void TSymbDlg::cklSelObjColorClick() { gbSelection->ColourClick(); }

void TSymbDlg::btnEditSymbClick()
{
    if (ObjectDialogHook.openObjectBar)
        ObjectDialogHook.openObjectBar(ObjectBar::Symbols);
    hide();
}

void TSymbDlg::btnEditLineClick()
{
    if (ObjectDialogHook.openObjectBar)
        ObjectDialogHook.openObjectBar(ObjectBar::Lines);
    hide();
}

void TSymbDlg::btnShowClick()
{
    hide();
    AskChart(ChartRefresh::Objects);
}

void TSymbDlg::btnHideClick()
{
    if (ObjectDialogHook.closeObjectBars)
        ObjectDialogHook.closeObjectBars();
    AskChart(ChartRefresh::Objects);
}

void TSymbDlg::btnSelectClick()
{
    OpenObjectList(LineList);
    AskChart(ChartRefresh::Objects);
    hide();
}

// The editor opens the file written, and only when it was written.
void TSymbDlg::btnPrintClick()
{
    const int32_t line = ObjectDialogHook.lineId ? ObjectDialogHook.lineId() : 0;
    if (line == 0)
        return;
    if (!WritePointList(line)) {
        platform::MessageBoxRequest request;
        request.owner = this;
        request.text = "The point list could not be written to " + PointListPath().string();
        request.icon = platform::MsgIcon::Exclamation;
        platform::ShowMessageBox(request);
        return;
    }
    if (ObjectDialogHook.editFile)
        ObjectDialogHook.editFile(PointListPath(), QSize(PointListWidth, PointListHeight));
}

void TSymbDlg::udSoundingChangingEx()
{
    const int value = udSounding->value();
    edSounding->setText(value == 0 ? QStringLiteral("off") : QString::asprintf("%.1f Nm", value * 0.1));
}

int32_t SoundingMarkInterval()
{
    return SymbDlg ? SymbDlg->udSounding->value() : 0;
}
