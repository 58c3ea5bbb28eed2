// The target dialog offscreen over the real target table, with its sentences going through the
// real one-off sender and output thread to the AIS reply port, a pseudo-terminal (COM2), where
// nmea-simple reads them and gpsdecode decodes the messages they carry.

#include "sensors/IndependentReaders.h"
#include "sensors/OutputTestSupport.h"

#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/AisHooks.h"
#include "sensors/AisMessageHeader.h"
#include "sensors/ComOutThread.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorSettings.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TSimDlg.h"
#include "sensors/TargetDialogHooks.h"
#include "sensors/TargetTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstring>
#include <memory>
#include <mutex>

namespace {

using namespace std::chrono_literals;

constexpr uint32_t OwnMmsi = 211000001;
constexpr uint32_t VesselMmsi = 244123456;
constexpr int ReplyPort = 1;  // COM2

class TargetDialogTest : public OutputTest {
protected:
    void SetUp() override
    {
        OutputTest::SetUp();
        ASSERT_TRUE(NmeaSimpleInstalled()) << "nmea-simple is needed: npm ci --prefix bench/nmea/node";
        SensorSetup.ownMmsi = OwnMmsi;
        OwnShip.positionKnown = true;
        {
            const std::lock_guard lock(ComOutStateLock);
            OwnShip.aisReplyPort = ReplyPort;
        }
        ASSERT_TRUE(StartComOutThread());
        AisHook.storeTextMessage = [this](uint32_t time, const std::string& text) {
            stored.insert(stored.begin(), text);
            storedTimes.push_back(time);
        };
        TargetDialogHook.readTextMessages = [this](uint32_t) { return stored; };
        TargetDialogHook.redrawOverlay = [this] { ++redraws; };
        dialog = std::make_unique<TArpaDlg>();
        ArpaDlg = dialog.get();
        simulation = std::make_unique<TSimDlg>();
        SimDlg = simulation.get();
    }

    void TearDown() override
    {
        SimDlg = nullptr;
        ArpaDlg = nullptr;
        simulation.reset();
        dialog.reset();
        TargetDialogHook = {};
        AisHook = {};
        SetupParameters.PersonsOnBoard = 0;
        OutputTest::TearDown();
    }

    // An AIS vessel in record `index`, as the decoding leaves it.
    TargetRecord& vessel(int32_t index = 0)
    {
        TargetRecord& t = ClaimTarget(index, int32_t(VesselMmsi), TargetAisPosition);
        t.dynamic.mmsi = VesselMmsi;
        t.dynamic.channel = 'B';
        t.dynamic.trueHeading = 204;
        t.dynamic.rateOfTurn = -16;
        t.dynamic.reportSecond = 30;
        t.dynamic.navigationStatus = 0;
        const char name[] = "NORDIC STAR";
        SetTargetLabel(t, name, sizeof name);
        std::strcpy(t.staticData.callSign, "PDAB");
        std::strcpy(t.staticData.destination, "KIEL");
        t.staticData.mmsi = VesselMmsi;
        t.staticData.imoNumber = 9123456;
        t.staticData.shipType = 71;
        t.staticData.dimensionA = 100;
        t.staticData.dimensionB = 20;
        t.staticData.dimensionC = 8;
        t.staticData.dimensionD = 9;
        t.staticData.draughtDecimetres = 52;
        t.staticData.etaMonth = 6;
        t.staticData.etaDay = 10;
        t.staticData.etaHour = 14;
        t.staticData.etaMinute = 30;
        t.positionX = cmgbase::deg2nrm(10.5);
        t.positionY = cmgbase::deg2nrm(54.25);
        t.bearing = 45.26f;
        t.distance = 3.46f;
        t.course = 205.0f;
        t.speed = 12.0f;
        t.cpa = 0.123f;
        t.tcpa = 14.56f;
        t.status = 'T';
        return t;
    }

    // Record `index` shown with its message panel open, a new message begun.
    void beginMessage(int32_t index)
    {
        ShownTarget = index;
        dialog->UpdateTargetPanel();
        dialog->btnMess->click();
        dialog->btnNew->click();
    }

    void type(const QString& text) { QTest::keyClicks(dialog->memoTxt, text); }

    // What the reply port receives for `lines` sentences, as nmea-simple reads it.
    std::vector<NmeaSimpleSentence> received(int lines)
    {
        return ReadWithNmeaSimple(ReadLines(com[ReplyPort], lines));
    }

    std::vector<std::string> stored;
    std::vector<uint32_t> storedTimes;
    int redraws = 0;
    std::unique_ptr<TArpaDlg> dialog;
    std::unique_ptr<TSimDlg> simulation;
};

std::string PayloadText(const std::vector<NmeaSimpleSentence>& sentences)
{
    const std::vector<QJsonObject> decoded = DecodeWithGpsdecode(OnAirMessage(sentences, OwnMmsi));
    return decoded.size() == 1 ? decoded.front()["text"].toString().toStdString() : std::string("?");
}

}  // namespace

// 48, 49 and 109 characters, addressed and broadcast: each reaches the reply port as one, two and
// three sentences, and the fifth message sent is on sequence id 0 again.
TEST_F(TargetDialogTest, TextsReachTheReplyPortAndTheFifthMessageIsOnSequenceZeroAgain)
{
    vessel(0);
    const QString text48 = "fire in engine room need assistance at 5412n 010";
    const QString text49 = "all ships keep clear of diving area north of buoy";
    const QString text109 = QString(109, QLatin1Char('w'));

    beginMessage(0);
    EXPECT_TRUE(dialog->rbB->isChecked()) << "the vessel's channel";
    EXPECT_TRUE(dialog->rbSafety->isChecked());
    EXPECT_EQ(dialog->pnMess->title(), "Message to NORDIC STAR");
    type(text48);
    dialog->btnSend->click();
    const std::vector<NmeaSimpleSentence> first = received(2);
    ASSERT_EQ(first.size(), 2u) << "48 characters addressed: 47 and 1";
    for (const NmeaSimpleSentence& s : first) {
        EXPECT_TRUE(s.checksumOk);
        EXPECT_EQ(s.id, "ABM");
    }
    EXPECT_EQ(first[0].fields, (std::vector<std::string>{"2", "1", "0", std::to_string(VesselMmsi), "2", "12",
                                                         first[0].fields[6], "0"}));
    EXPECT_EQ(PayloadText(first), "FIRE IN ENGINE ROOM NEED ASSISTANCE AT 5412N 010");

    AisMessageHeader header;
    ASSERT_EQ(stored.size(), 1u);
    ASSERT_TRUE(ParseAisMessageHeader(stored[0], header));
    EXPECT_EQ(header.mmsi, VesselMmsi);
    EXPECT_EQ(header.kind, "Tx Safe");
    EXPECT_EQ(header.name, "NORDIC STAR");
    EXPECT_EQ(stored[0].substr(stored[0].find('\n') + 1), "FIRE IN ENGINE ROOM NEED ASSISTANCE AT 5412N 010");

    TargetTable[OwnAisRecord].kind = 6;
    beginMessage(OwnAisRecord);
    EXPECT_EQ(dialog->pnMess->title(), "Broadcast message");
    dialog->rbAB->setChecked(true);
    type(text49);
    dialog->btnSend->click();
    const std::vector<NmeaSimpleSentence> second = received(2);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0].id, "BBM");
    EXPECT_EQ(second[0].fields[2], "1");
    EXPECT_EQ(second[0].fields[3], "3");
    EXPECT_EQ(second[0].fields[4], "14");
    EXPECT_EQ(second[0].fields[5].size(), 48u);
    EXPECT_EQ(second[1].fields[5].size(), 1u);
    EXPECT_EQ(PayloadText(second), "ALL SHIPS KEEP CLEAR OF DIVING AREA NORTH OF BUOY");
    ASSERT_TRUE(ParseAisMessageHeader(stored[0], header));
    EXPECT_EQ(header.mmsi, 0u);
    EXPECT_EQ(header.kind, "Tx Safe");

    dialog->btnNew->click();
    type(text109);
    dialog->btnSend->click();
    const std::vector<NmeaSimpleSentence> third = received(3);
    ASSERT_EQ(third.size(), 3u);
    EXPECT_EQ(third[0].fields[2], "2");
    EXPECT_EQ((std::vector<size_t>{third[0].fields[5].size(), third[1].fields[5].size(), third[2].fields[5].size()}),
              (std::vector<size_t>{42, 54, 13}));
    EXPECT_EQ(PayloadText(third), std::string(109, 'W'));

    dialog->btnNew->click();
    dialog->rbNormal->setChecked(true);
    type("x");
    dialog->btnSend->click();
    const std::vector<NmeaSimpleSentence> fourth = received(1);
    ASSERT_EQ(fourth.size(), 1u);
    EXPECT_EQ(fourth[0].fields[2], "3");
    EXPECT_EQ(fourth[0].fields[4], "8");
    // The MID of the own MMSI setting: the own AIS record holds none without a transponder.
    ASSERT_EQ(uint32_t{TargetTable[OwnAisRecord].dynamic.mmsi}, 0u);
    const std::vector<QJsonObject> binary = DecodeWithGpsdecode(OnAirMessage(fourth, OwnMmsi));
    ASSERT_EQ(binary.size(), 1u);
    EXPECT_EQ(BinaryMessageBits(binary.front()).substr(0, 18), "011010000011010011") << "26, MID 211";
    ASSERT_TRUE(ParseAisMessageHeader(stored[0], header));
    EXPECT_EQ(header.kind, "Tx");

    dialog->btnNew->click();
    type("y");
    dialog->btnSend->click();
    const std::vector<NmeaSimpleSentence> fifth = received(1);
    ASSERT_EQ(fifth.size(), 1u);
    EXPECT_TRUE(fifth[0].checksumOk);
    EXPECT_EQ(fifth[0].fields[2], "0") << "the fifth message";
    EXPECT_EQ(stored.size(), 5u);
}

TEST_F(TargetDialogTest, TheMemoTakesTheTextAlphabetUpperCasedUpTo150Characters)
{
    vessel(0);
    beginMessage(0);
    dialog->btnSend->hide();
    type("ahoy`~!$*,\\^ you_2#");
    EXPECT_EQ(dialog->memoTxt->toPlainText(), "AHOY YOU_2#");
    EXPECT_FALSE(dialog->btnSend->isHidden()) << "a typed character shows Send";
    QTest::keyClick(dialog->memoTxt, Qt::Key_Return);
    QTest::keyClick(dialog->memoTxt, Qt::Key_Backspace);
    EXPECT_EQ(dialog->memoTxt->toPlainText(), "AHOY YOU_2");

    dialog->memoTxt->clear();
    type(QString(150, QLatin1Char('q')));
    type("r");
    EXPECT_EQ(dialog->memoTxt->toPlainText(), QString(150, QLatin1Char('Q'))) << "the 151st character is refused";

    dialog->memoTxt->clear();
    type(QString(140, QLatin1Char('a')));
    QApplication::clipboard()->setText("pasted, text!\r\nwith ~ more");
    dialog->memoTxt->paste();
    EXPECT_EQ(dialog->memoTxt->toPlainText(), QString(140, QLatin1Char('A')) + "PASTED TEX");

    dialog->memoTxt->clear();
    dialog->btnSend->click();
    EXPECT_EQ(ReadFor(com[ReplyPort], 300ms), "") << "an empty text is not sent";
    EXPECT_TRUE(stored.empty());
}

TEST_F(TargetDialogTest, ConfirmingAnAlarmSendsItsAcknowledgement)
{
    OwnShip.pendingAisAlarm = 7;
    dialog->ShowAisAlarm("AIS: antenna VSWR exceeds limit");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(ShownTarget, OwnAisRecord);
    EXPECT_EQ(TargetTable[OwnAisRecord].kind, 6);
    EXPECT_TRUE(dialog->btnMess->isChecked());
    EXPECT_TRUE(dialog->btnNew->isHidden());
    EXPECT_TRUE(dialog->btnSend->isHidden());
    EXPECT_FALSE(dialog->btnConfirm->isHidden());
    EXPECT_EQ(dialog->cmbMess->currentText(), "ALARM -- ALARM -- ALARM -- ALARM");
    EXPECT_EQ(dialog->memoTxt->toPlainText(), "AIS: antenna VSWR exceeds limit");
    EXPECT_EQ(dialog->height(), dialog->FullHeight());
    EXPECT_EQ(OwnShip.pendingAisAlarm, 7);

    dialog->btnConfirm->click();
    const std::vector<NmeaSimpleSentence> ack = received(1);
    ASSERT_EQ(ack.size(), 1u);
    EXPECT_TRUE(ack[0].checksumOk);
    EXPECT_EQ(ack[0].id, "ACK");
    EXPECT_EQ(ack[0].fields, std::vector<std::string>{"7"});
    EXPECT_EQ(OwnShip.pendingAisAlarm, -1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(dialog->btnMess->isChecked());

    // Without a pending alarm nothing is acknowledged.
    dialog->ShowAisAlarm("again");
    dialog->btnConfirm->click();
    EXPECT_EQ(ReadFor(com[ReplyPort], 300ms), "");
}

TEST_F(TargetDialogTest, OwnVoyageDataAreShownFromTheOwnRecordAndSentClamped)
{
    TargetRecord& own = TargetTable[OwnAisRecord];
    own.kind = 6;
    own.dynamic.navigationStatus = 1;
    own.staticData.shipType = 72;
    own.staticData.draughtDecimetres = 58;
    std::strcpy(own.staticData.destination, "HAMBURG");
    own.staticData.etaDay = 21;
    own.staticData.etaMonth = 3;
    own.staticData.etaHour = 12;
    own.staticData.etaMinute = 34;
    SetupParameters.PersonsOnBoard = 14;
    ShownTarget = OwnAisRecord;
    dialog->UpdateTargetPanel();
    ASSERT_FALSE(dialog->btnOwn->isHidden());
    dialog->btnOwn->click();
    EXPECT_EQ(dialog->height(), dialog->FullHeight());
    EXPECT_EQ(dialog->edPersons->text(), "14");
    EXPECT_EQ(dialog->cmbStatus->currentText(), "At anchor");
    EXPECT_EQ(dialog->cmbType->currentText(), "70  Cargo ship");
    EXPECT_EQ(dialog->cmbCargo->currentText(), "Hazard or pollutant cat. B");
    EXPECT_TRUE(dialog->cmbCargo->isEnabled());
    EXPECT_EQ(dialog->edDest->text(), "HAMBURG");
    EXPECT_EQ(dialog->edDraught->text(), "5.8");
    EXPECT_EQ(dialog->edEta->displayText(), "21.03  12:34");

    dialog->edPersons->clear();
    QTest::keyClicks(dialog->edPersons, "23");
    EXPECT_FALSE(dialog->edPersons->styleSheet().isEmpty()) << "marked as changed";
    dialog->edEta->setText("32.13  25:61");
    dialog->edDest->clear();
    QTest::keyClicks(dialog->edDest, "kiel, holtenau!");
    EXPECT_EQ(dialog->edDest->text(), "KIEL HOLTENAU");
    dialog->btnSet->click();
    const std::vector<NmeaSimpleSentence> voyage = received(1);
    ASSERT_EQ(voyage.size(), 1u);
    EXPECT_TRUE(voyage[0].checksumOk);
    EXPECT_EQ(voyage[0].id, "VSD");
    EXPECT_EQ(voyage[0].fields,
              (std::vector<std::string>{"72", "5.8", "23", "KIEL HOLTENAU", "235900", "31", "12", "1", ""}));
    EXPECT_EQ(SetupParameters.PersonsOnBoard, 23);
    EXPECT_TRUE(dialog->edPersons->styleSheet().isEmpty());

    // A type without a cargo category sends its own code.
    dialog->cmbType->setCurrentIndex(8);  // 37 pleasure craft
    dialog->cmbTypeChange();
    EXPECT_FALSE(dialog->cmbCargo->isEnabled());
    dialog->btnSet->click();
    const std::vector<NmeaSimpleSentence> pleasure = received(1);
    ASSERT_EQ(pleasure.size(), 1u);
    EXPECT_EQ(pleasure[0].fields[0], "37");

    dialog->btnCancel->click();
    EXPECT_EQ(dialog->height(), dialog->ReducedHeight());
}

TEST_F(TargetDialogTest, AnAisVesselShowsItsValuesAndItsAisPanel)
{
    vessel(3);
    ShownTarget = 3;
    dialog->btnAis->setChecked(true);
    dialog->UpdateTargetPanel();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->height(), dialog->FullHeight());
    EXPECT_EQ(dialog->edArpaId->text(), "NORDIC STAR");
    EXPECT_EQ(dialog->txArpaBrg->text(), QString::fromUtf8("045.3 °"));
    EXPECT_EQ(dialog->txArpaDst->text(), "3.5");
    EXPECT_EQ(dialog->txArpaHdg->text(), QString::fromUtf8("205.0 °"));
    EXPECT_EQ(dialog->txArpaSog->text(), "12.0");
    EXPECT_EQ(dialog->txArpaCpa->text(), "0.12");
    EXPECT_EQ(dialog->txArpaTcpa->text(), "14.6");
    EXPECT_EQ(dialog->txArpaLat->text(), QString::fromUtf8(" 54° 15.000' N"));
    EXPECT_EQ(dialog->txArpaLon->text(), QString::fromUtf8(" 10° 30.000' E"));
    EXPECT_EQ(dialog->txArpaId->text(), " Id:244123456");
    EXPECT_EQ(dialog->pnMmsi->text(), "244123456");
    EXPECT_EQ(dialog->pnCall->text(), "PDAB");
    EXPECT_EQ(dialog->pnImo->text(), "9123456");
    EXPECT_EQ(dialog->pnType->text(), "70  Cargo ship");
    EXPECT_EQ(dialog->pnCargo->text(), "Hazard or pollutant cat. A");
    EXPECT_EQ(dialog->pnSize->text(), "len:120  brd:17  drg:5.2 m.");
    EXPECT_EQ(dialog->pnDest->text(), "KIEL");
    EXPECT_EQ(dialog->pnEta->text(), "10.06  14:30");
    EXPECT_EQ(dialog->pnStatus->text(), "Under way using engine");
    EXPECT_EQ(dialog->pnHdg->text(), QString::fromUtf8("204 °"));
    EXPECT_EQ(dialog->pnRot->text(), QString::fromUtf8("-11 °/m."));
    EXPECT_EQ(dialog->pnUtc->text(), "30 s");
    EXPECT_TRUE(dialog->txAisHead->isHidden());
    EXPECT_FALSE(dialog->gbArpaTrack->isHidden());

    dialog->btnAis->click();  // released
    EXPECT_EQ(dialog->height(), dialog->ReducedHeight());

    // A replayed record is headed as one, and has no track choice.
    TargetTable[3].kind = TargetReplay;
    dialog->btnAis->click();
    EXPECT_FALSE(dialog->txAisHead->isHidden());
    EXPECT_EQ(dialog->txAisHead->text(), "Last recorded target info");
    EXPECT_TRUE(dialog->gbArpaTrack->isHidden());
}

TEST_F(TargetDialogTest, TheMessageListHoldsTheVesselsStoredMessagesNewestFirst)
{
    vessel(0);
    const auto message = [](uint32_t mmsi, const char* kind, const char* text) {
        AisMessageHeader header;
        header.time.tm_year = 126;
        header.time.tm_mon = 2;
        header.time.tm_mday = 21;
        header.mmsi = mmsi;
        header.kind = kind;
        return FormatAisMessageHeader(header) + '\n' + text;
    };
    stored = {message(VesselMmsi, "Ad.Safe", "SECOND"), message(219000002, "Bd.Safe", "OTHER"),
              message(VesselMmsi, "Tx", "FIRST"), "not a header line\nLOOSE"};
    OwnShip.pendingAisAlarm = 3;
    ShownTarget = 0;
    dialog->UpdateTargetPanel();
    dialog->btnMess->click();
    EXPECT_EQ(OwnShip.pendingAisAlarm, -1);
    EXPECT_EQ(dialog->height(), dialog->FullHeight());
    ASSERT_EQ(dialog->cmbMess->count(), 2);
    EXPECT_TRUE(dialog->cmbMess->itemText(0).endsWith("Ad.Safe"));
    EXPECT_EQ(dialog->memoTxt->toPlainText(), "SECOND");
    EXPECT_TRUE(dialog->memoTxt->isReadOnly());
    dialog->cmbMess->setCurrentIndex(1);
    dialog->cmbMessChange();
    EXPECT_EQ(dialog->memoTxt->toPlainText(), "FIRST");
    dialog->btnSend->click();
    EXPECT_EQ(ReadFor(com[ReplyPort], 300ms), "") << "a stored message is not sent again";

    TargetTable[OwnAisRecord].kind = 6;
    ShownTarget = OwnAisRecord;
    dialog->UpdateTargetPanel();
    dialog->btnMess->click();
    EXPECT_EQ(dialog->cmbMess->count(), 4) << "the own record lists them all";
}

TEST_F(TargetDialogTest, LabelColourTrackAndDeleteChangeTheRecord)
{
    TargetRecord& t = vessel(5);
    t.count = 7;
    ShownTarget = 5;
    dialog->UpdateTargetPanel();
    EXPECT_TRUE(dialog->rbArpaTrack2->isChecked()) << "track mode 1 when allocated";
    EXPECT_TRUE(dialog->Save->isEnabled());

    const uint8_t after[4] = {0xA5, 0xA5, 0xA5, 0xA5};
    std::memcpy(t.reserved7, after, sizeof after);
    const QString longName = QString(40, QLatin1Char('N'));
    dialog->edArpaId->setMaxLength(100);
    dialog->edArpaId->setText(longName);
    emit dialog->edArpaId->textEdited(longName);
    EXPECT_EQ(std::string(t.label), std::string(29, 'N'));
    EXPECT_EQ(std::memcmp(t.reserved7, after, sizeof after), 0) << "nothing written past the label";

    dialog->rbArpaTrack3->click();
    EXPECT_EQ(t.trackMode, 2);
    dialog->rbArpaTrack1->click();
    EXPECT_EQ(t.trackMode, 0);
    QTest::mouseClick(dialog->pMagenta, Qt::LeftButton);
    EXPECT_EQ(t.colour, 5);
    EXPECT_EQ(dialog->pArpaTrackN->palette().color(QPalette::Window), dialog->pMagenta->palette().color(QPalette::Window));
    QTest::mouseClick(dialog->pBlack, Qt::LeftButton);
    EXPECT_EQ(t.colour, 6);
    dialog->Delete->click();
    EXPECT_EQ(int16_t{t.count}, 0);
    EXPECT_EQ(redraws, 5);
}

TEST_F(TargetDialogTest, ClosingFreesALostTargetAndASimulatedTargetOpensItsDialog)
{
    TargetRecord& lost = vessel(2);
    lost.status = 'L';
    OwnShip.pendingAisAlarm = 4;
    ShownTarget = 2;
    dialog->UpdateTargetPanel();
    dialog->btnOK->click();
    EXPECT_EQ(int32_t{lost.id}, -1);
    EXPECT_EQ(OwnShip.pendingAisAlarm, -1);

    TargetRecord& simulated = ClaimTarget(4, SimulatedTargetId(4), TargetSimulated);
    simulated.cpa = 1.0f;
    simulated.tcpa = 2.0f;
    ShownTarget = 4;
    dialog->ckCpa->setChecked(true);
    dialog->UpdateTargetPanel();
    EXPECT_FALSE(dialog->ckCpa->isChecked());
    EXPECT_TRUE(SimDlg->isVisible());
    EXPECT_EQ(dialog->txArpaCpa->text(), "");
    EXPECT_EQ(dialog->txArpaTcpa->text(), "");
    EXPECT_EQ(dialog->txArpaId->text(), " Id:s5");
    EXPECT_TRUE(dialog->btnAis->isHidden());
    EXPECT_EQ(dialog->height(), dialog->ReducedHeight());
}
