// The target dialog's AIS messages: the stored messages of a vessel, writing and sending a new
// one, and the AIS alarm with its acknowledgement.

#include "sensors/TArpaDlg.h"

#include "platform/system/SystemClock.h"
#include "platform/system/TextCodec.h"
#include "sensors/AisHooks.h"
#include "sensors/AisMessageHeader.h"
#include "sensors/AisOutgoingText.h"
#include "sensors/AisSendSentences.h"
#include "sensors/NmeaOutput.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorSettings.h"
#include "sensors/TargetDialogHooks.h"
#include "sensors/TargetInfoText.h"
#include "sensors/TargetTable.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <chrono>
#include <ctime>

namespace {

constexpr uint8_t AlarmRecordKind = 6;  // the own AIS record while it shows an alarm
constexpr const char* AlarmHeading = "ALARM -- ALARM -- ALARM -- ALARM";
constexpr int32_t SequenceIds = 4;
constexpr uint32_t MmsiPerMid = 1000000;  // the MID is an MMSI's first three of nine digits

std::time_t Now()
{
    return std::chrono::system_clock::to_time_t(platform::ClockNow());
}

// The own MID: from the own MMSI setting, or the own transponder's MMSI while it is not set.
uint32_t OwnMid()
{
    const uint32_t mmsi = SensorSetup.ownMmsi != 0 ? SensorSetup.ownMmsi : TargetTable[OwnAisRecord].dynamic.mmsi;
    return mmsi / MmsiPerMid;
}

int32_t Channel(const TArpaDlg& d)
{
    if (d.rbA->isChecked())
        return 1;
    if (d.rbB->isChecked())
        return 2;
    return d.rbAB->isChecked() ? 3 : 0;
}

}  // namespace

void TArpaDlg::btnAisClick()
{
    if (btnAis->isChecked())
        showPanel(pnAis);
    else
        showPanel(btnMess->isChecked() ? pnMess : nullptr);
    OwnShip.pendingAisAlarm = -1;
    ShowTargetInfo();
}

void TArpaDlg::btnMessClick()
{
    const TargetRecord* target = selected();
    if (!btnMess->isChecked() || !target) {
        btnAisClick();
        return;
    }
    if (target->dynamic.channel == 'A')
        rbA->setChecked(true);
    else if (target->dynamic.channel == 'B')
        rbB->setChecked(true);
    rbSafety->setChecked(true);
    for (QWidget* control : std::initializer_list<QWidget*>{cmbMess, btnNew, btnSend, btnConfirm})
        control->show();
    OwnShip.pendingAisAlarm = -1;
    memoTxt->setReadOnly(true);
    memoTxt->clear();
    cmbMess->clear();
    const std::vector<std::string> stored =
        TargetDialogHook.readTextMessages ? TargetDialogHook.readTextMessages(uint32_t(Now())) : std::vector<std::string>();
    for (const std::string& text : stored) {
        const size_t lineEnd = text.find('\n');
        AisMessageHeader header;
        const bool parsed = ParseAisMessageHeader(text, header);
        if (ShownTarget != OwnAisRecord && (!parsed || header.mmsi != target->dynamic.mmsi))
            continue;
        const std::string message = lineEnd == std::string::npos ? std::string() : text.substr(lineEnd + 1);
        cmbMess->addItem(platform::FromCp1252(text.substr(0, lineEnd)), platform::FromCp1252(message));
    }
    if (cmbMess->count() > 0) {
        cmbMess->setCurrentIndex(0);
        cmbMessChange();
    }
    showPanel(pnMess);
}

void TArpaDlg::cmbMessChange()
{
    memoTxt->setReadOnly(true);
    memoTxt->setPlainText(cmbMess->currentData().toString());
}

void TArpaDlg::btnNewClick()
{
    const TargetRecord* target = selected();
    if (!target)
        return;
    memoTxt->setReadOnly(false);
    memoTxt->clear();
    memoTxt->setFocus();
    pnMess->setTitle(ShownTarget == OwnAisRecord
                         ? QStringLiteral("Broadcast message")
                         : QStringLiteral("Message to ") +
                               platform::FromCp1252(FieldText(target->label, sizeof target->label)));
}

bool TArpaDlg::memoTxtKeyPress(QKeyEvent& key)
{
    if (memoTxt->isReadOnly())
        return false;
    if (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Paste) ||
        key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete || key.text().isEmpty())
        return false;
    key.accept();
    const QString typed = key.text();
    const char accepted = typed.size() == 1 ? AisTextCharacter(platform::ToCp1252(typed).front()) : 0;
    const int kept = memoTxt->toPlainText().size() - memoTxt->textCursor().selectedText().size();
    if (accepted == 0 || kept >= int(AisTextLimit))
        return true;
    memoTxt->insertPlainText(QString(QLatin1Char(accepted)));
    btnSend->show();
    return true;
}

QString TArpaDlg::memoTxtPaste(const QString& text)
{
    if (memoTxt->isReadOnly())
        return {};
    const int kept = memoTxt->toPlainText().size() - memoTxt->textCursor().selectedText().size();
    const size_t room = kept < int(AisTextLimit) ? AisTextLimit - size_t(kept) : 0;
    const QString pasted = platform::FromCp1252(FilterAisText(platform::ToCp1252(text), room));
    if (!pasted.isEmpty())
        btnSend->show();
    return pasted;
}

void TArpaDlg::btnSendClick()
{
    const TargetRecord* target = selected();
    if (!target || memoTxt->isReadOnly())
        return;
    const std::string text = FilterAisText(platform::ToCp1252(memoTxt->toPlainText()), AisTextLimit);
    const bool broadcast = ShownTarget == OwnAisRecord;
    const uint32_t destination = broadcast ? 0 : target->dynamic.mmsi;
    if (text.empty() || (!broadcast && destination == 0))
        return;
    AisTextMessage message;
    message.text = text;
    message.safety = rbSafety->isChecked();
    message.broadcast = broadcast;
    message.destination = destination;
    message.channel = Channel(*this);
    message.mid = OwnMid();
    message.sequenceId = sequenceId_;
    std::string sentences;
    for (const std::string& sentence : BuildAisTextSentences(message))
        sentences += sentence;
    if (!SendOneOffText(sentences))
        return;
    sequenceId_ = (sequenceId_ + 1) % SequenceIds;

    const std::time_t now = Now();
    AisMessageHeader header;
    localtime_r(&now, &header.time);
    header.mmsi = destination;
    header.kind = message.safety ? "Tx Safe" : "Tx";
    header.name = broadcast ? "Broadcast" : FieldText(target->label, sizeof target->label);
    if (AisHook.storeTextMessage)
        AisHook.storeTextMessage(uint32_t(now), FormatAisMessageHeader(header) + '\n' + text);
}

void TArpaDlg::btnConfirmClick()
{
    if (OwnShip.pendingAisAlarm >= 0)
        SendOneOffText(BuildAisAcknowledgement(OwnShip.pendingAisAlarm));
    OwnShip.pendingAisAlarm = -1;
    btnMess->setChecked(false);
    showPanel(nullptr);
    hide();
}

void TArpaDlg::ShowAisMessages(int32_t index, bool safety)
{
    ShownTarget = index;
    UpdateTargetPanel();
    btnAis->setChecked(false);
    btnMess->setChecked(true);
    btnMessClick();
    if (safety)
        rbSafety->setChecked(true);
}

void TArpaDlg::ShowAisAlarm(const std::string& text)
{
    ShownTarget = OwnAisRecord;
    TargetTable[OwnAisRecord].kind = AlarmRecordKind;
    UpdateTargetPanel();
    btnAis->setChecked(false);
    btnMess->setChecked(true);
    btnNew->hide();
    btnSend->hide();
    btnConfirm->show();
    cmbMess->clear();
    cmbMess->addItem(QString::fromLatin1(AlarmHeading));
    memoTxt->setReadOnly(true);
    memoTxt->setPlainText(platform::FromCp1252(text));
    showPanel(pnMess);
}
