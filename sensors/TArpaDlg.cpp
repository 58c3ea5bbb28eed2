// The target dialog's controls, their layout and connections, its heights and panels.

#include "sensors/TArpaDlg.h"

#include "platform/system/NamedControl.h"
#include "sensors/TargetDialogHooks.h"
#include "sensors/TargetInfoText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

TargetDialogHooks TargetDialogHook;

namespace {

constexpr int SampleSize = ColourBox::SampleSize;

using platform::Captioned;
using platform::Named;

// A readout: a sunken box showing one value.
QLabel* Readout(QWidget* parent, const char* name)
{
    QLabel* label = Named<QLabel>(parent, name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(70);
    return label;
}

QLabel* Caption(QWidget* parent, const char* text)
{
    return new QLabel(QString::fromLatin1(text), parent);
}

// A readout with its caption before it in a grid.
struct ReadoutPlace {
    QLabel*& readout;
    const char* name;
    const char* caption;
    int row, column, span = 1;
};

void PlaceReadouts(QWidget* parent, QGridLayout* grid, std::initializer_list<ReadoutPlace> places)
{
    for (const ReadoutPlace& place : places) {
        place.readout = Readout(parent, place.name);
        grid->addWidget(Caption(parent, place.caption), place.row, place.column);
        grid->addWidget(place.readout, place.row, place.column + 1, 1, place.span);
    }
}

QComboBox* ListOf(QWidget* parent, const char* name, const auto& items)
{
    QComboBox* list = Named<QComboBox>(parent, name);
    for (const char* item : items)
        list->addItem(QString::fromLatin1(item));
    return list;
}

}  // namespace

AisMessageMemo::AisMessageMemo(QWidget* parent, std::function<bool(QKeyEvent&)> keyPress,
                               std::function<QString(const QString&)> paste)
    : QPlainTextEdit(parent), keyPress_(std::move(keyPress)), paste_(std::move(paste))
{
}

void AisMessageMemo::keyPressEvent(QKeyEvent* event)
{
    if (!keyPress_ || !keyPress_(*event))
        QPlainTextEdit::keyPressEvent(event);
}

void AisMessageMemo::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText())
        insertPlainText(paste_ ? paste_(source->text()) : source->text());
}

TArpaDlg::TArpaDlg(QWidget* owner) : FormDialog(owner)
{
    setObjectName(QStringLiteral("ArpaDlg"));
    setWindowTitle(QStringLiteral("Arpa target"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    buildTop();
    lowerPanels_ = new QStackedWidget(this);
    lowerPanels_->setFixedHeight(LowerPanelHeight);
    buildAisPanel();
    buildMessagePanel();
    buildOwnPanel();
    layout->addWidget(lowerPanels_);
    connectHandlers();

    const QSize full = layout->sizeHint();
    fullHeight_ = full.height();
    setFixedSize(full.width(), fullHeight_);
}

void TArpaDlg::buildTop()
{
    auto* top = new QWidget(this);
    auto* grid = new QGridLayout(top);
    grid->setContentsMargins(0, 0, 0, 6);

    edArpaId = Named<QLineEdit>(top, "edArpaId");
    edArpaId->setMaxLength(29);
    txArpaId = Named<QLabel>(top, "txArpaId");
    grid->addWidget(edArpaId, 0, 0, 1, 3);
    grid->addWidget(txArpaId, 0, 3);

    gbArpaTrack = Named<QGroupBox>(top, "gbArpaTrack");
    gbArpaTrack->setTitle(QStringLiteral("Track"));
    rbArpaTrack1 = Captioned<QRadioButton>(gbArpaTrack, "rbArpaTrack1", "Off");
    rbArpaTrack2 = Captioned<QRadioButton>(gbArpaTrack, "rbArpaTrack2", "On");
    rbArpaTrack3 = Captioned<QRadioButton>(gbArpaTrack, "rbArpaTrack3", "Wide");
    auto* track = new QHBoxLayout(gbArpaTrack);
    for (QRadioButton* button : {rbArpaTrack1, rbArpaTrack2, rbArpaTrack3})
        track->addWidget(button);
    grid->addWidget(gbArpaTrack, 1, 0, 1, 4);

    auto* colours = new QHBoxLayout;
    pArpaTrackN = new ColourBox(top);
    pArpaTrackN->setObjectName(QStringLiteral("pArpaTrackN"));
    pArpaTrackW = new ColourBox(top);
    pArpaTrackW->setObjectName(QStringLiteral("pArpaTrackW"));
    pArpaTrackW->setFixedSize(2 * SampleSize, SampleSize);
    colours->addWidget(pArpaTrackN);
    colours->addWidget(pArpaTrackW);
    colours->addSpacing(12);
    const struct {
        ColourBox*& box;
        const char* name;
        void (TArpaDlg::*click)();
    } pickers[]{
        {pRed, "pRed", &TArpaDlg::pRedClick},
        {pBlue, "pBlue", &TArpaDlg::pBlueClick},
        {pGreen, "pGreen", &TArpaDlg::pGreenClick},
        {pYellow, "pYellow", &TArpaDlg::pYellowClick},
        {pMagenta, "pMagenta", &TArpaDlg::pMagentaClick},
        {pBlack, "pBlack", &TArpaDlg::pBlackClick},
    };
    for (const auto& picker : pickers) {
        picker.box = new ColourBox(top, [this, click = picker.click] { (this->*click)(); });
        picker.box->setObjectName(QString::fromLatin1(picker.name));
        colours->addWidget(picker.box);
    }
    colours->addStretch();
    grid->addLayout(colours, 2, 0, 1, 4);

    PlaceReadouts(top, grid,
                  {
                      {txArpaBrg, "txArpaBrg", "Brg", 3, 0},  {txArpaDst, "txArpaDst", "Dist", 3, 2},
                      {txArpaHdg, "txArpaHdg", "Crs", 4, 0},  {txArpaSog, "txArpaSog", "Spd", 4, 2},
                      {txArpaCpa, "txArpaCpa", "CPA", 5, 0},  {txArpaTcpa, "txArpaTcpa", "TCPA", 5, 2},
                      {txArpaLat, "txArpaLat", "Lat", 6, 0},  {txArpaLon, "txArpaLon", "Lon", 6, 2},
                  });

    ckCpa = Captioned<QCheckBox>(top, "ckCpa", "CPA");
    btnAis = Captioned<QPushButton>(top, "btnAis", "Ais info");
    btnMess = Captioned<QPushButton>(top, "btnMess", "Messages");
    btnOwn = Captioned<QPushButton>(top, "btnOwn", "Own data");
    btnAis->setCheckable(true);
    btnMess->setCheckable(true);
    auto* aisButtons = new QHBoxLayout;
    aisButtons->addWidget(ckCpa);
    aisButtons->addWidget(btnAis);
    aisButtons->addWidget(btnMess);
    aisButtons->addWidget(btnOwn);
    grid->addLayout(aisButtons, 7, 0, 1, 4);

    Save = Captioned<QPushButton>(top, "Save", "Save");
    Delete = Captioned<QPushButton>(top, "Delete", "Delete");
    btnOK = Captioned<QPushButton>(top, "btnOK", "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Save);
    buttons->addWidget(Delete);
    buttons->addWidget(btnOK);
    grid->addLayout(buttons, 8, 0, 1, 4);

    layout()->addWidget(top);
}

void TArpaDlg::buildAisPanel()
{
    pnAis = Named<QFrame>(lowerPanels_, "pnAis");
    pnAis->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* grid = new QGridLayout(pnAis);
    txAisHead = Captioned<QLabel>(pnAis, "txAisHead", ReplayedTargetHeading);
    txAisHead->hide();
    grid->addWidget(txAisHead, 0, 0, 1, 4);
    PlaceReadouts(pnAis, grid,
                  {
                      {pnMmsi, "pnMmsi", "MMSI", 1, 0},       {pnCall, "pnCall", "Call", 1, 2},
                      {pnImo, "pnImo", "IMO", 2, 0},          {pnUtc, "pnUtc", "UTC", 2, 2},
                      {pnType, "pnType", "Type", 3, 0, 3},    {pnCargo, "pnCargo", "Cargo", 4, 0, 3},
                      {pnSize, "pnSize", "Size", 5, 0, 3},    {pnDest, "pnDest", "Dest", 6, 0},
                      {pnEta, "pnEta", "ETA", 6, 2},          {pnStatus, "pnStatus", "Status", 7, 0, 3},
                      {pnHdg, "pnHdg", "Hdg", 8, 0},          {pnRot, "pnRot", "ROT", 8, 2},
                  });
    lowerPanels_->addWidget(pnAis);
}

void TArpaDlg::buildMessagePanel()
{
    pnMess = Named<QGroupBox>(lowerPanels_, "pnMess");
    auto* grid = new QGridLayout(pnMess);
    cmbMess = Named<QComboBox>(pnMess, "cmbMess");
    grid->addWidget(cmbMess, 0, 0, 1, 5);
    memoTxt = new AisMessageMemo(
        pnMess, [this](QKeyEvent& key) { return memoTxtKeyPress(key); },
        [this](const QString& text) { return memoTxtPaste(text); });
    memoTxt->setObjectName(QStringLiteral("memoTxt"));
    memoTxt->setReadOnly(true);
    grid->addWidget(memoTxt, 1, 0, 1, 5);

    auto* channel = new QWidget(pnMess);
    auto* channelRow = new QHBoxLayout(channel);
    channelRow->setContentsMargins(0, 0, 0, 0);
    rbA = Captioned<QRadioButton>(channel, "rbA", "A");
    rbB = Captioned<QRadioButton>(channel, "rbB", "B");
    rbAB = Captioned<QRadioButton>(channel, "rbAB", "A+B");
    for (QRadioButton* button : {rbA, rbB, rbAB})
        channelRow->addWidget(button);
    auto* kind = new QWidget(pnMess);
    auto* kindRow = new QHBoxLayout(kind);
    kindRow->setContentsMargins(0, 0, 0, 0);
    rbNormal = Captioned<QRadioButton>(kind, "rbNormal", "Normal");
    rbSafety = Captioned<QRadioButton>(kind, "rbSafety", "Safety");
    rbSafety->setChecked(true);
    kindRow->addWidget(rbNormal);
    kindRow->addWidget(rbSafety);
    grid->addWidget(channel, 2, 0, 1, 2);
    grid->addWidget(kind, 2, 2, 1, 3);

    btnNew = Captioned<QPushButton>(pnMess, "btnNew", "New");
    btnSend = Captioned<QPushButton>(pnMess, "btnSend", "Send");
    btnConfirm = Captioned<QPushButton>(pnMess, "btnConfirm", "Confirm");
    grid->addWidget(btnNew, 3, 0);
    grid->addWidget(btnSend, 3, 1);
    grid->addWidget(btnConfirm, 3, 4);
    lowerPanels_->addWidget(pnMess);
}

void TArpaDlg::buildOwnPanel()
{
    pnOwn = Named<QFrame>(lowerPanels_, "pnOwn");
    pnOwn->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* grid = new QGridLayout(pnOwn);
    cmbType = ListOf(pnOwn, "cmbType", ShipTypeItems);
    cmbCargo = ListOf(pnOwn, "cmbCargo", CargoItems);
    cmbStatus = ListOf(pnOwn, "cmbStatus", NavigationStatusItems);
    edDest = Named<QLineEdit>(pnOwn, "edDest");
    edDest->setMaxLength(20);
    edEta = Named<QLineEdit>(pnOwn, "edEta");
    edEta->setInputMask(QStringLiteral("00.00  00:00;_"));
    edDraught = Named<QLineEdit>(pnOwn, "edDraught");
    auto* draught = new QDoubleValidator(0.0, 25.5, 1, edDraught);
    draught->setLocale(QLocale::c());
    draught->setNotation(QDoubleValidator::StandardNotation);
    edDraught->setValidator(draught);
    edPersons = Named<QLineEdit>(pnOwn, "edPersons");
    edPersons->setValidator(new QIntValidator(0, 8191, edPersons));
    btnSet = Captioned<QPushButton>(pnOwn, "btnSet", "Set");
    btnCancel = Captioned<QPushButton>(pnOwn, "btnCancel", "Cancel");

    const struct {
        const char* caption;
        QWidget* control;
    } rows[]{
        {"Type", cmbType},       {"Cargo", cmbCargo},     {"Status", cmbStatus},
        {"Destination", edDest}, {"ETA", edEta},          {"Draught", edDraught},
        {"Persons", edPersons},
    };
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(Caption(pnOwn, r.caption), row, 0);
        grid->addWidget(r.control, row++, 1, 1, 2);
    }
    grid->addWidget(btnSet, row, 1);
    grid->addWidget(btnCancel, row, 2);
    lowerPanels_->addWidget(pnOwn);
}

void TArpaDlg::connectHandlers()
{
    connect(rbArpaTrack1, &QRadioButton::clicked, this, [this] { rbArpaTrack1MouseDown(); });
    connect(rbArpaTrack2, &QRadioButton::clicked, this, [this] { rbArpaTrack2MouseDown(); });
    connect(rbArpaTrack3, &QRadioButton::clicked, this, [this] { rbArpaTrack3MouseDown(); });
    connect(edArpaId, &QLineEdit::textEdited, this, [this] { edArpaIdChange(); });
    connect(Save, &QPushButton::clicked, this, [this] { SaveClick(); });
    connect(Delete, &QPushButton::clicked, this, [this] { DeleteClick(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    // "Ais info" and "Messages" are down one at a time, or neither.
    connect(btnAis, &QPushButton::clicked, this, [this](bool down) {
        if (down)
            btnMess->setChecked(false);
        btnAisClick();
    });
    connect(btnMess, &QPushButton::clicked, this, [this](bool down) {
        if (down)
            btnAis->setChecked(false);
        btnMessClick();
    });
    connect(btnOwn, &QPushButton::clicked, this, [this] { btnOwnClick(); });
    connect(cmbMess, &QComboBox::activated, this, [this] { cmbMessChange(); });
    connect(btnNew, &QPushButton::clicked, this, [this] { btnNewClick(); });
    connect(btnSend, &QPushButton::clicked, this, [this] { btnSendClick(); });
    connect(btnConfirm, &QPushButton::clicked, this, [this] { btnConfirmClick(); });
    connect(edPersons, &QLineEdit::textEdited, this, [this] { edPersonsChange(); });
    connect(cmbType, &QComboBox::activated, this, [this] { cmbTypeChange(); });
    connect(cmbStatus, &QComboBox::activated, this, [this] { cmbStatusChange(); });
    connect(edDest, &QLineEdit::textEdited, this, [this] { edDestChange(); });
    connect(edEta, &QLineEdit::textEdited, this, [this] { edEtaChange(); });
    connect(cmbCargo, &QComboBox::activated, this, [this] { cmbCargoChange(); });
    connect(edDraught, &QLineEdit::textEdited, this, [this] { edDraughtChange(); });
    connect(btnSet, &QPushButton::clicked, this, [this] { btnSetClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
}

void TArpaDlg::showPanel(QWidget* panel)
{
    if (panel) {
        lowerPanels_->setCurrentWidget(panel);
        lowerPanels_->show();
        setFixedHeight(fullHeight_);
    } else {
        lowerPanels_->hide();
        setFixedHeight(ReducedHeight());
    }
}

void TArpaDlg::ApplyRememberedHeight()
{
    showPanel(nullptr);
}

void TArpaDlg::redrawOverlay()
{
    if (TargetDialogHook.redrawOverlay)
        TargetDialogHook.redrawOverlay();
}
