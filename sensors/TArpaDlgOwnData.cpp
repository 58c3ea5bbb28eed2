// The target dialog's own-data panel: the own vessel's voyage data, shown from the own AIS record
// and the settings and sent to the transponder as "$AIVSD".

#include "sensors/TArpaDlg.h"

#include "frame/SetupParameters.h"
#include "platform/system/TextCodec.h"
#include "sensors/AisOutgoingText.h"
#include "sensors/AisSendSentences.h"
#include "sensors/NmeaOutput.h"
#include "sensors/TargetInfoText.h"
#include "sensors/TargetTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t SecondNoneCargo = 6;  // the last "---" of the cargo list: sent as 0
constexpr uint8_t DraughtNotAvailable = 255;

// Two digits of the ETA text at `at`, 0 when they are not both digits.
int32_t EtaField(const QString& text, int at)
{
    if (at + 2 > text.size() || !text[at].isDigit() || !text[at + 1].isDigit())
        return 0;
    return text[at].digitValue() * 10 + text[at + 1].digitValue();
}

}  // namespace

void TArpaDlg::btnOwnClick()
{
    const TargetRecord& own = TargetTable[OwnAisRecord];
    const AisStaticBlock& s = own.staticData;
    filling_ = true;
    edPersons->setText(QString::number(SetupParameters.PersonsOnBoard));
    cmbStatus->setCurrentIndex(NavigationStatusItem(own.dynamic.navigationStatus));
    cmbType->setCurrentIndex(ShipTypeItem(s.shipType));
    cmbCargo->setCurrentIndex(std::max(CargoItem(s.shipType), 0) % SecondNoneCargo);
    cmbCargo->setEnabled(ShipTypeCarriesCargo(cmbType->currentIndex()));
    edDest->setText(platform::FromCp1252(FieldText(s.destination, sizeof s.destination)));
    const int draught = s.draughtDecimetres == DraughtNotAvailable ? 0 : s.draughtDecimetres;
    edDraught->setText(QString::asprintf("%d.%d", draught / 10, draught % 10));
    edEta->setText(QString::asprintf("%02d.%02d  %02d:%02d", int(s.etaDay), int(s.etaMonth),
                                     std::min(int(s.etaHour), 99), std::min(int(s.etaMinute), 99)));
    filling_ = false;
    clearChangedMarks();
    showPanel(pnOwn);
}

void TArpaDlg::markChanged(QWidget* control)
{
    if (!filling_)
        control->setStyleSheet(QStringLiteral("color: #c00000"));
}

void TArpaDlg::clearChangedMarks()
{
    for (QWidget* control : std::initializer_list<QWidget*>{edPersons, cmbType, cmbStatus, edDest, edEta, cmbCargo, edDraught})
        control->setStyleSheet(QString());
}

void TArpaDlg::edPersonsChange()
{
    markChanged(edPersons);
}

void TArpaDlg::cmbTypeChange()
{
    markChanged(cmbType);
    cmbCargo->setEnabled(ShipTypeCarriesCargo(cmbType->currentIndex()));
}

void TArpaDlg::cmbStatusChange()
{
    markChanged(cmbStatus);
}

void TArpaDlg::edDestChange()
{
    const int cursor = edDest->cursorPosition();
    const QString filtered = platform::FromCp1252(FilterAisText(platform::ToCp1252(edDest->text()), AisDestinationLimit));
    if (filtered != edDest->text()) {
        edDest->setText(filtered);
        edDest->setCursorPosition(std::min(cursor, int(filtered.size())));
    }
    markChanged(edDest);
}

void TArpaDlg::edEtaChange()
{
    markChanged(edEta);
}

void TArpaDlg::cmbCargoChange()
{
    markChanged(cmbCargo);
}

void TArpaDlg::edDraughtChange()
{
    markChanged(edDraught);
}

void TArpaDlg::btnSetClick()
{
    VoyageEntry entry;
    entry.persons = std::clamp(edPersons->text().toInt(), 0, 8191);
    SetupParameters.PersonsOnBoard = uint16_t(entry.persons);
    const QString eta = edEta->displayText();
    entry.day = EtaField(eta, 0);
    entry.month = EtaField(eta, 3);
    entry.hour = EtaField(eta, 7);
    entry.minute = EtaField(eta, 10);
    if (cmbCargo->currentIndex() == SecondNoneCargo)
        cmbCargo->setCurrentIndex(0);
    const int cargo = cmbCargo->isEnabled() ? std::max(cmbCargo->currentIndex(), 0) : 0;
    entry.shipType = ShipTypeCode(cmbType->currentIndex()) + cargo;
    bool ok = false;
    const double draught = QLocale::c().toDouble(edDraught->text(), &ok);
    entry.draughtTenths = ok && std::isfinite(draught) ? int32_t(std::lround(std::clamp(draught, 0.0, 25.5) * 10.0)) : 0;
    entry.destination = platform::ToCp1252(edDest->text());
    entry.navigationStatus = std::max(cmbStatus->currentIndex(), 0);
    SendOneOffText(BuildVoyageSentence(entry));
    clearChangedMarks();
}

void TArpaDlg::btnCancelClick()
{
    showPanel(nullptr);
}
