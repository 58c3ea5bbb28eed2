#include "userdata/TTrackDlg.h"

#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/ColourBox.h"
#include "platform/system/NamedControl.h"
#include "userdata/FilterSelection.h"
#include "userdata/ObjectDialogHooks.h"
#include "userdata/ObjectSelection.h"
#include "userdata/TDbObj.h"
#include "userdata/TrackState.h"
#include "userdata/TrackStore.h"

#include <QCheckBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace {

using platform::Captioned;
using platform::Named;

constexpr int32_t TrackList = 1;  // the object list's kind for tracks

uint32_t TrackColourValue()
{
    const uint8_t colour = SetupParameters.TrackColour;
    return UserColourTable[colour < UserColourTable.size() ? colour : 1];
}

void SetTrackButton(bool down)
{
    if (ObjectDialogHook.setTrackButton)
        ObjectDialogHook.setTrackButton(down);
}

// The radio button of `style` in the group's order checked; the first when none is.
void CheckStyle(const std::array<QRadioButton*, 4>& buttons, uint8_t style)
{
    QRadioButton* button = style < buttons.size() ? buttons[style] : nullptr;
    (button ? button : buttons[1])->setChecked(true);
}

uint8_t CheckedStyle(const std::array<QRadioButton*, 4>& buttons, uint8_t otherwise)
{
    for (size_t style = 0; style < buttons.size(); ++style)
        if (buttons[style] && buttons[style]->isChecked())
            return uint8_t(style);
    return otherwise;
}

}  // namespace

TTrackDlg::TTrackDlg(QWidget* owner) : FormDialog(owner)
{
    setObjectName(QStringLiteral("TrackDlg"));
    setWindowTitle(QStringLiteral("Track"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);

    btnShow = Captioned<QPushButton>(this, "btnShow", "Show");
    btnHide = Captioned<QPushButton>(this, "btnHide", "Hide");
    txShow = Captioned<QLabel>(this, "txShow", "Show");

    gbTrack = Named<QGroupBox>(this, "gbTrack");
    gbTrack->setTitle(QStringLiteral("CurrentTrack"));
    ckTrackOff = Captioned<QRadioButton>(gbTrack, "ckTrackOff", "Off");
    ckTrackThin = Captioned<QRadioButton>(gbTrack, "ckTrackThin", "Thin");
    ckTrackDpt = Captioned<QRadioButton>(gbTrack, "ckTrackDpt", "Depth");
    ckTrackWide = Captioned<QRadioButton>(gbTrack, "ckTrackWide", "Wide");
    ckTrackThin->setChecked(true);
    pTrackN = new ColourBox(gbTrack);
    pTrackN->setObjectName(QStringLiteral("pTrackN"));
    pTrackW = new ColourBox(gbTrack);
    pTrackW->setObjectName(QStringLiteral("pTrackW"));
    pTrackX = new ColourBox(gbTrack);
    pTrackX->setObjectName(QStringLiteral("pTrackX"));
    const std::pair<ColourBox*&, const char*> pickers[] = {{pRed, "pRed"},       {pBlue, "pBlue"},
                                                           {pGreen, "pGreen"},   {pYellow, "pYellow"},
                                                           {pMagenta, "pMagenta"}, {pBlack, "pBlack"}};
    for (uint8_t colour = 1; const auto& [box, name] : pickers) {
        box = new ColourBox(gbTrack, [this, colour] { pickColour(colour); });
        box->setObjectName(QString::fromLatin1(name));
        ++colour;
    }
    btnSave = Captioned<QPushButton>(gbTrack, "btnSave", "Save");
    btnDelete = Captioned<QPushButton>(gbTrack, "btnDelete", "Delete");
    auto* current = new QGridLayout(gbTrack);
    const std::pair<QRadioButton*, ColourBox*> styles[] = {
        {ckTrackOff, nullptr}, {ckTrackThin, pTrackN}, {ckTrackDpt, pTrackX}, {ckTrackWide, pTrackW}};
    for (int row = 0; const auto& [button, sample] : styles) {
        current->addWidget(button, row, 0);
        if (sample)
            current->addWidget(sample, row, 1);
        ++row;
    }
    pTrackW->setFixedSize(2 * ColourBox::SampleSize, ColourBox::SampleSize);
    auto* colours = new QHBoxLayout;
    for (ColourBox* box : {pRed, pBlue, pGreen, pYellow, pMagenta, pBlack})
        colours->addWidget(box);
    current->addLayout(colours, 4, 0, 1, 2);
    current->addWidget(btnSave, 5, 0);
    current->addWidget(btnDelete, 5, 1);

    gbKeel = Named<QGroupBox>(this, "gbKeel");
    gbKeel->setTitle(QStringLiteral("Saved tracks"));
    gbSelection = new FilterSelection(gbKeel, "cklSelTrkColor", FilterKind::Tracks);
    gbSelection->setTitle(QStringLiteral("Selection group"));
    ckShowFlag = Captioned<QCheckBox>(gbKeel, "ckShowFlag", "Flags");
    ckShowDate = Captioned<QCheckBox>(gbKeel, "ckShowDate", "Date/time");
    ckShowName = Captioned<QCheckBox>(gbKeel, "ckShowName", "Name");
    ckShowName->setChecked(true);
    gbSingle = Named<QGroupBox>(gbKeel, "gbSingle");
    gbSingle->setTitle(QStringLiteral("Select single"));
    ckSelThin = Captioned<QRadioButton>(gbSingle, "ckSelThin", "Thin");
    ckSelDpt = Captioned<QRadioButton>(gbSingle, "ckSelDpt", "Depth");
    ckSelWide = Captioned<QRadioButton>(gbSingle, "ckSelWide", "Wide");
    ckSelWide->setChecked(true);
    btnSelect = Captioned<QPushButton>(gbSingle, "btnSelect", "Select");
    auto* single = new QVBoxLayout(gbSingle);
    for (QWidget* control : std::initializer_list<QWidget*>{ckSelThin, ckSelDpt, ckSelWide, btnSelect})
        single->addWidget(control);
    btnDel = Captioned<QPushButton>(gbKeel, "btnDel", "Del");
    btnDel->setToolTip(QStringLiteral("Delete"));
    btnCut = Captioned<QPushButton>(gbKeel, "btnCut", "Cut");
    btnCut->setToolTip(QStringLiteral("Cut"));
    auto* saved = new QGridLayout(gbKeel);
    saved->addWidget(gbSelection, 0, 0, 1, 3);
    saved->addWidget(ckShowFlag, 1, 0);
    saved->addWidget(ckShowDate, 1, 1);
    saved->addWidget(ckShowName, 1, 2);
    saved->addWidget(gbSingle, 2, 0, 2, 2);
    saved->addWidget(btnDel, 2, 2);
    saved->addWidget(btnCut, 3, 2);

    gbArpa = Named<QGroupBox>(this, "gbArpa");
    gbArpa->setTitle(QStringLiteral("Arpa track"));
    btnSaveArpa = Captioned<QPushButton>(gbArpa, "btnSaveArpa", "Save all");
    ckLostArpa = Captioned<QCheckBox>(gbArpa, "ckLostArpa", "? for lost target");
    btnSimTarget = Captioned<QPushButton>(gbArpa, "btnSimTarget", "Simulated");
    auto* arpa = new QHBoxLayout(gbArpa);
    arpa->addWidget(btnSaveArpa);
    arpa->addWidget(ckLostArpa);
    arpa->addWidget(btnSimTarget);

    auto* layout = new QGridLayout(this);
    layout->addWidget(txShow, 0, 0);
    layout->addWidget(btnShow, 0, 1);
    layout->addWidget(btnHide, 0, 2);
    layout->addWidget(gbTrack, 1, 0, 1, 3);
    layout->addWidget(gbKeel, 2, 0, 1, 3);
    layout->addWidget(gbArpa, 3, 0, 1, 3);

    connect(btnShow, &QPushButton::clicked, this, [this] { btnShowClick(); });
    connect(btnHide, &QPushButton::clicked, this, [this] { btnHideClick(); });
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnDelete, &QPushButton::clicked, this, [this] { btnDeleteClick(true); });
    connect(ckShowFlag, &QCheckBox::clicked, this, [this] { ckShowFlagClick(); });
    connect(ckShowDate, &QCheckBox::clicked, this, [this] { ckShowDateClick(); });
    connect(ckShowName, &QCheckBox::clicked, this, [this] { ckShowNameClick(); });
    connect(btnSelect, &QPushButton::clicked, this, [this] { btnSelectClick(); });
    connect(btnDel, &QPushButton::clicked, this, [this] { btnDelClick(); });
    connect(btnCut, &QPushButton::clicked, this, [this] { btnCutClick(); });
    connect(btnSaveArpa, &QPushButton::clicked, this, [this] { btnSaveArpaClick(); });
    connect(btnSimTarget, &QPushButton::clicked, this, [this] { btnSimTargetClick(); });
}

void TTrackDlg::FormShow()
{
    gbSelection->ShowFilter();
    ckShowName->setChecked(SetupParameters.TrackNamesShown != 0);
    ckShowFlag->setChecked(SetupParameters.TrackFlagsShown != 0);
    ckShowDate->setChecked(SetupParameters.TrackDatesShown != 0);
    CheckStyle({ckTrackOff, ckTrackThin, ckTrackDpt, ckTrackWide}, SetupParameters.TrackMode);
    CheckStyle({nullptr, ckSelThin, ckSelDpt, ckSelWide}, SetupParameters.SelectedTrackStyle);
    ckLostArpa->setChecked(SetupParameters.LostTargetShown != 0);
    SetTrackColour(true);
    // The pointer over the first control, which takes the focus (best effort).
    QCursor::setPos(mapToGlobal(QPoint(266, btnShow->geometry().top() + 40)));
    btnShow->setFocus();
}

void TTrackDlg::FormHide()
{
    SetupParameters.TrackMode = CheckedStyle({ckTrackOff, ckTrackThin, ckTrackDpt, ckTrackWide}, 1);
    SetupParameters.SelectedTrackStyle = CheckedStyle({nullptr, ckSelThin, ckSelDpt, ckSelWide}, 3);
    SetupParameters.LostTargetShown = ckLostArpa->isChecked();
    AskChart(ChartRefresh::Objects);
    if (ObjectDialogHook.syncDataTab)
        ObjectDialogHook.syncDataTab();
}

void TTrackDlg::TimeFromChange() { gbSelection->TimeFromChange(); }
void TTrackDlg::TimeToChange() { gbSelection->TimeToChange(); }
void TTrackDlg::TimeAfterChange() { gbSelection->TimeAfterChange(); }
void TTrackDlg::cklSelTrkColorClick() { gbSelection->ColourClick(); }

void TTrackDlg::SetTrackColour(bool palette)
{
    const uint32_t colour = TrackColourValue();
    for (ColourBox* sample : {pTrackN, pTrackW, pTrackX})
        sample->setColour(colour);
    if (palette) {
        uint32_t index = 1;
        for (ColourBox* box : {pRed, pBlue, pGreen, pYellow, pMagenta, pBlack})
            box->setColour(UserColourTable[index++]);
    }
    if (DatabaseTrackId != 0 && ObjectDialogHook.recordingColour)
        ObjectDialogHook.recordingColour(
            QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF)));
}

void TTrackDlg::pickColour(uint8_t colour)
{
    SetupParameters.TrackColour = colour;
    SetTrackColour(false);
    AskChart(ChartRefresh::Redraw);
}

void TTrackDlg::pRedClick() { pickColour(1); }
void TTrackDlg::pBlueClick() { pickColour(2); }
void TTrackDlg::pGreenClick() { pickColour(3); }
void TTrackDlg::pYellowClick() { pickColour(4); }
void TTrackDlg::pMagentaClick() { pickColour(5); }
void TTrackDlg::pBlackClick() { pickColour(6); }

void TTrackDlg::btnShowClick()
{
    SetTrackButton(true);
    hide();
}

void TTrackDlg::btnHideClick()
{
    ClearShownTrackList();
    SetTrackButton(false);
    hide();
}

void TTrackDlg::btnDeleteClick(bool fromButton)
{
    if (fromButton && ObjectDialogHook.toggleTrackButton)
        ObjectDialogHook.toggleTrackButton();
    DeleteRecordedTrack();
    AskChart(ChartRefresh::Redraw);
    if (isVisible())
        hide();
}

void TTrackDlg::btnDelFuncClick()
{
    if (ObjectDialogHook.armTrackPick)
        ObjectDialogHook.armTrackPick(TrackPick::Delete);
}

void TTrackDlg::ckShowNameClick()
{
    SetupParameters.TrackNamesShown = ckShowName->isChecked();
    AskChart(ChartRefresh::Redraw);
}

void TTrackDlg::ckShowFlagClick()
{
    SetupParameters.TrackFlagsShown = ckShowFlag->isChecked();
    AskChart(ChartRefresh::Redraw);
}

void TTrackDlg::ckShowDateClick()
{
    SetupParameters.TrackDatesShown = ckShowDate->isChecked();
    AskChart(ChartRefresh::Redraw);
}

// The next sampling stores the ring as a track.
void TTrackDlg::btnSaveClick()
{
    TrackSaveRequest = true;
    SetTrackButton(true);
    hide();
}

void TTrackDlg::btnSelectClick()
{
    OpenObjectList(TrackList);
    SetTrackButton(true);
    hide();
}

void TTrackDlg::btnSaveArpaClick()
{
    if (ObjectDialogHook.saveAllTargetTracks)
        ObjectDialogHook.saveAllTargetTracks();
    hide();
}

void TTrackDlg::btnCutClick()
{
    if (ObjectDialogHook.armTrackPick)
        ObjectDialogHook.armTrackPick(TrackPick::Cut);
    SetTrackButton(true);
    hide();
}

void TTrackDlg::btnDelClick()
{
    btnDelFuncClick();
    SetTrackButton(true);
    hide();
}

void TTrackDlg::btnSimTargetClick()
{
    hide();
    if (ObjectDialogHook.showSimulatedTarget)
        ObjectDialogHook.showSimulatedTarget();
}

bool KeepLostArpaTargets()
{
    if (TrackDlg && TrackDlg->isVisible())
        return TrackDlg->ckLostArpa->isChecked();
    return SetupParameters.LostTargetShown != 0;
}
