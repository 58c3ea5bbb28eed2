// The target dialog's target side: showing the record, its readouts and AIS panel, and the
// label, colour, track and save / delete handlers.

#include "sensors/TArpaDlg.h"

#include "frame/PositionText.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/TextCodec.h"
#include "sensors/OwnShipState.h"
#include "sensors/TSimDlg.h"
#include "sensors/TargetDialogHooks.h"
#include "sensors/TargetInfoText.h"
#include "sensors/TargetTable.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace {

constexpr uint8_t ReplayOrBroadcastKind = 6;
constexpr uint8_t LastSampleColour = 5;  // colours above show a black sample
constexpr uint32_t Black = 0;
constexpr int16_t SavableTrackPoints = 5;
// Position texts and raw AIS positions (1/10000 minute) are both degrees x 600000.
constexpr double UnitsPerDegree = 600000.0;

QString Text(const std::string& cp1252)
{
    return platform::FromCp1252(cp1252);
}

QString Number(const char* format, double value)
{
    return QString::asprintf(format, value);
}

int32_t PositionUnits(int32_t normalised)
{
    return int32_t(std::lround(cmgbase::nrm2deg(normalised) * UnitsPerDegree));
}

}  // namespace

TargetRecord* TArpaDlg::selected() const
{
    if (ShownTarget < 0 || ShownTarget > OwnAisRecord)
        return nullptr;
    return &TargetTable[size_t(ShownTarget)];
}

void TArpaDlg::FormShow()
{
    if (TargetDialogHook.dialogPlace)
        move(TargetDialogHook.dialogPlace(frameGeometry().width()));
    showColourSamples();
    btnMess->setChecked(false);
}

void TArpaDlg::FormHide()
{
    if (ShownTarget >= 0 && ShownTarget < TargetCount) {
        TargetRecord& target = TargetTable[size_t(ShownTarget)];
        if (target.id != -1 && target.status == 'L') {
            FreeTarget(target);
            redrawOverlay();
        }
    }
    OwnShip.pendingAisAlarm = -1;
}

void TArpaDlg::UpdateTargetPanel()
{
    btnMess->setChecked(false);
    TargetRecord* target = selected();
    if (!target)
        return;
    filling_ = true;
    edArpaId->setText(Text(FieldText(target->label, sizeof target->label)));
    filling_ = false;
    QRadioButton* const modes[]{rbArpaTrack1, rbArpaTrack2, rbArpaTrack3};
    if (target->trackMode < 3)
        modes[target->trackMode]->setChecked(true);
    if (target->kind == TargetSimulated)
        ckCpa->setChecked(false);
    showColourSamples();
    const bool ais = target->kind > TargetSimulated;
    btnAis->setVisible(ais);
    btnMess->setVisible(ais);
    btnOwn->setVisible(ShownTarget == OwnAisRecord);
    show();
    showPanel(ais && btnAis->isChecked() ? pnAis : nullptr);
    if (target->kind == TargetSimulated && SimDlg)
        SimDlg->show();
    ShowTargetInfo();
}

void TArpaDlg::ShowTargetInfo()
{
    TargetRecord* target = selected();
    if (!target)
        return;
    if (ShownTarget == OwnAisRecord) {
        const AisDynamicBlock& own = target->dynamic;
        target->positionX = cmgbase::deg2nrm(double(own.rawLongitude) / UnitsPerDegree);
        target->positionY = cmgbase::deg2nrm(double(own.rawLatitude) / UnitsPerDegree);
        target->speed = float(own.sogTenths) * 0.1f;
        target->course = float(own.cogTenths) * 0.1f;
        target->id = int32_t(own.mmsi);
    }
    gbArpaTrack->setVisible(target->kind != ReplayOrBroadcastKind);
    txArpaBrg->setText(Text(DegreesText(target->bearing)));
    txArpaDst->setText(Number("%.1f", double(target->distance)));
    txArpaHdg->setText(Text(DegreesText(target->course)));
    txArpaSog->setText(Number("%.1f", double(target->speed)));
    const bool simulated = target->kind == TargetSimulated;
    txArpaCpa->setText(simulated ? QString() : Number("%.2f", double(target->cpa)));
    txArpaTcpa->setText(simulated ? QString() : Number("%.1f", double(target->tcpa)));
    txArpaLat->setText(Text(FormatLatLon(PositionUnits(target->positionY), false)));
    txArpaLon->setText(Text(FormatLatLon(PositionUnits(target->positionX), true)));
    txArpaId->setText(QStringLiteral(" Id:") + Text(TargetIdText(*target)));
    Save->setEnabled(ShownTarget < TargetCount && target->count >= SavableTrackPoints);
    if (btnAis->isChecked())
        showAisDetails(*target);
}

void TArpaDlg::showAisDetails(const TargetRecord& target)
{
    const AisStaticBlock& s = target.staticData;
    const AisDynamicBlock& d = target.dynamic;
    txAisHead->setVisible(ShownTarget < TargetCount && target.kind == TargetReplay);
    const uint32_t mmsi = d.mmsi != 0 ? d.mmsi : s.mmsi;
    pnMmsi->setText(QString::number(mmsi));
    const std::string callSign = FieldText(s.callSign, sizeof s.callSign);
    pnCall->setText(Text(callSign.empty() ? NotAvailableText : callSign));
    pnImo->setText(s.imoNumber == 0 ? QString::fromLatin1(NotAvailableText) : QString::number(s.imoNumber));
    pnHdg->setText(Text(TrueHeadingText(d.trueHeading)));
    pnRot->setText(Text(RateOfTurnText(d.rateOfTurn)));
    const int32_t type = ShipTypeItem(s.shipType);
    pnType->setText(type >= 0 ? QString::fromLatin1(ShipTypeItems[size_t(type)]) : QString());
    const int32_t cargo = CargoItem(s.shipType);
    pnCargo->setText(QString::fromLatin1(cargo >= 0 ? CargoItems[size_t(cargo)] : NotAvailableText));
    pnSize->setText(Text(ShipSizeText(s)));
    pnDest->setText(Text(FieldText(s.destination, sizeof s.destination)));
    pnEta->setText(Text(EtaText(s)));
    pnStatus->setText(QString::fromLatin1(NavigationStatusItems[size_t(NavigationStatusItem(d.navigationStatus))]));
    pnUtc->setText(Text(ReportSecondText(d.reportSecond)));
}

void TArpaDlg::setTrackMode(uint8_t mode)
{
    if (TargetRecord* target = selected()) {
        target->trackMode = mode;
        redrawOverlay();
    }
}

void TArpaDlg::rbArpaTrack1MouseDown()
{
    setTrackMode(0);
}

void TArpaDlg::rbArpaTrack2MouseDown()
{
    setTrackMode(1);
}

void TArpaDlg::rbArpaTrack3MouseDown()
{
    setTrackMode(2);
}

void TArpaDlg::setColour(uint8_t colour)
{
    if (TargetRecord* target = selected()) {
        target->colour = colour;
        showColourSamples();
        redrawOverlay();
    }
}

void TArpaDlg::pRedClick()
{
    setColour(1);
}

void TArpaDlg::pBlueClick()
{
    setColour(2);
}

void TArpaDlg::pGreenClick()
{
    setColour(3);
}

void TArpaDlg::pYellowClick()
{
    setColour(4);
}

void TArpaDlg::pMagentaClick()
{
    setColour(5);
}

void TArpaDlg::pBlackClick()
{
    setColour(6);
}

void TArpaDlg::showColourSamples()
{
    ColourBox* const pickers[]{pRed, pBlue, pGreen, pYellow, pMagenta, pBlack};
    for (size_t i = 0; i < std::size(pickers); ++i)
        pickers[i]->setColour(UserColourTable[i + 1]);
    const TargetRecord* target = selected();
    const uint8_t colour = target ? target->colour : 0;
    const uint32_t sample = colour >= 1 && colour <= LastSampleColour ? UserColourTable[colour] : Black;
    pArpaTrackN->setColour(sample);
    pArpaTrackW->setColour(sample);
}

void TArpaDlg::edArpaIdChange()
{
    TargetRecord* target = selected();
    if (filling_ || !target)
        return;
    const std::string label = platform::ToCp1252(edArpaId->text());
    SetTargetLabel(*target, label.c_str(), label.size());
}

void TArpaDlg::SaveClick()
{
    if (ShownTarget >= 0 && ShownTarget < TargetCount && TargetDialogHook.saveArpaTrack)
        TargetDialogHook.saveArpaTrack(ShownTarget);
    hide();
}

void TArpaDlg::DeleteClick()
{
    if (TargetRecord* target = selected()) {
        target->count = 0;
        redrawOverlay();
    }
}

void TArpaDlg::btnOKClick()
{
    hide();
}

bool TArpaDlg::CpaShown() const
{
    return ckCpa->isChecked();
}
