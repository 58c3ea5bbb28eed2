// Every sentence kind through a real pseudo-terminal: the bytes an instrument sends, the line the
// assembler stores (fields normalised), the case that ran and what it changed.

#include "sensors/OwnShipState.h"
#include "sensors/ReceivedRoute.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorSettings.h"
#include "sensors/SensorTestSupport.h"
#include "sensors/SentenceParser.h"
#include "sensors/TargetTable.h"

#include <functional>
#include <string>

namespace {

struct SentenceCase {
    const char* name;
    std::string input;
    const char* storedLine;  // up to the '*'
    int32_t caseNumber;      // the case that ran; 0 when the line was dropped
    std::function<void()> before;
    std::function<void()> check;
};

std::vector<std::string> notices;

std::string Stored(const PortInputBuffer& b)
{
    const std::string line(b.line);
    return line.substr(0, line.find('*'));
}

const std::string Line121 = "$GPRMC," + std::string(113, 'A') + "\r\n";  // 121 characters before CR

std::vector<SentenceCase> Cases()
{
    auto seenGga = [] { OwnShip.ggaSeen = true; };
    auto routes = [] { SensorSetup.acceptRoutes = true; };
    auto warnings = [] { SensorSetup.aisWarnings = true; };
    auto known = [] { OwnShip.positionKnown = true; };
    return {
        {"GGA", Nmea("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
         "$??GGA 123519 4807.038 N 01131.000 E 1 08 0.9 545.4 M 46.9 M 0 ", CaseGga, nullptr,
         [] {
             EXPECT_TRUE(OwnShip.ggaSeen);
             EXPECT_EQ(OwnShip.gpsPort, 0);
             EXPECT_EQ(OwnShip.gpsQuality, 1);
             EXPECT_EQ(OwnShip.satellites, 8);
         }},
        {"GGA of a receiver of several satellite systems chooses the GPS port",
         Nmea("$GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
         "$??GGA 123519 4807.038 N 01131.000 E 1 08 0.9 545.4 M 46.9 M 0 ", CaseGga, nullptr,
         [] { EXPECT_EQ(OwnShip.gpsPort, 0); }},
        {"GGA of a talker that is no satellite receiver does not choose the GPS port",
         Nmea("$IIGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
         "$??GGA 123519 4807.038 N 01131.000 E 1 08 0.9 545.4 M 46.9 M 0 ", CaseGga, nullptr,
         [] { EXPECT_EQ(OwnShip.gpsPort, -1); }},
        {"GLL", Nmea("$GPGLL,4916.45,N,12311.12,W,225444,A"),
         "$??GLL 4916.45 N 12311.12 W 225444 A", CaseGll, nullptr,
         [] {
             EXPECT_TRUE(OwnShip.gllSeen);
             EXPECT_EQ(OwnShip.gpsQuality, 1);
         }},
        {"VTG", Nmea("$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K"),
         "$??VTG 054.7 T 034.4 M 005.5 N 010.2 K", CaseVtg, seenGga,
         [] {
             EXPECT_FLOAT_EQ(OwnShip.courseOverGround, 54.7f);
             EXPECT_FLOAT_EQ(OwnShip.speedOverGround, 5.5f);
             EXPECT_TRUE(OwnShip.vtgSeen);
         }},
        {"RMC with empty fields", Nmea("$GPRMC,,V,,,,,,,,,,N"),
         "$??RMC 0 V 0 0 0 0 0 0 0 0 0 N", CaseRmc, [] { OwnShip.gpsQuality = 1; },
         [] { EXPECT_EQ(OwnShip.gpsQuality, 1); }},  // no longitude letter: nothing taken
        {"RMC with a wrong checksum",
         "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6B\r\n",
         "$??RMC 123519 A 4807.038 N 01131.000 E 022.4 084.4 230394 003.1 W", CaseNone, nullptr,
         [] { EXPECT_FLOAT_EQ(OwnShip.speedOverGround, 0.0f); }},
        {"RMC without a checksum",
         "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W\r\n",
         "$??RMC 123519 A 4807.038 N 01131.000 E 022.4 084.4 230394 003.1 W", CaseRmc, nullptr,
         [] {
             EXPECT_FLOAT_EQ(OwnShip.speedOverGround, 22.4f);
             EXPECT_DOUBLE_EQ(OwnShip.lastFixLatitude, 48.0 + 7.038f / 60.0);
         }},
        {"'*' with one hex digit", "$GPHDT,123.4,T*3\r\n", "$??HDT 123.4 T", CaseNone, nullptr,
         [] { EXPECT_EQ(OwnShip.headingValidity, 0); }},
        {"'*' with no hex digits", "$GPHDT,123.4,T*G1\r\n", "$??HDT 123.4 T", CaseNone, nullptr,
         [] { EXPECT_EQ(OwnShip.headingValidity, 0); }},
        {"TTM", Nmea("$RATTM,01,1.5,45.0,T,10.0,90.0,T,0.5,10.0,N,TGT1,T,,120000,A"),
         "$??TTM 01 1.5 45.0 T 10.0 90.0 T 0.5 10.0 N TGT1 T 0 120000 A", CaseTtm, known,
         [] {
             EXPECT_EQ(int32_t{TargetTable[0].id}, 1);
             EXPECT_STREQ(TargetTable[0].label, "TGT1");
             EXPECT_FLOAT_EQ(float{TargetTable[0].tcpa}, 10.0f);
         }},
        {"HDT", Nmea("$HEHDT,274.07,T"), "$??HDT 274.07 T", CaseHdt, nullptr,
         [] {
             EXPECT_FLOAT_EQ(OwnShip.heading, 274.07f);
             EXPECT_EQ(OwnShip.headingValidity, 20);
             EXPECT_TRUE(OwnShip.gyroLock);
         }},
        {"HDT ended by LF alone", Nmea("$GPHDT,123.4,T", "\n"), "$??HDT 123.4 T", CaseHdt,
         nullptr, [] { EXPECT_FLOAT_EQ(OwnShip.heading, 123.4f); }},
        {"DPT", Nmea("$SDDPT,12.5,0.5"), "$??DPT 12.5 0.5", CaseDpt, nullptr,
         [] { EXPECT_FLOAT_EQ(OwnShip.depth, 13.0f); }},
        {"VBW", Nmea("$VWVBW,5.2,0.1,A,5.3,0.0,A"), "$??VBW 5.2 0.1 A 5.3 0.0 A", CaseVbw,
         nullptr, [] { EXPECT_FLOAT_EQ(OwnShip.speedThroughWater, 5.2f); }},
        {"DBT in feet", Nmea("$SDDBT,10.0,f,,M,,F"), "$??DBT 10.0 f 0 M 0 F", CaseDbt, nullptr,
         [] {
             EXPECT_FLOAT_EQ(OwnShip.depth, 3.048f);
             EXPECT_TRUE(OwnShip.dbtSeen);
         }},
        {"MTW", Nmea("$YXMTW,12.5,C"), "$??MTW 12.5 C", CaseMtw, nullptr,
         [] { EXPECT_FLOAT_EQ(OwnShip.waterTemperature, 12.5f); }},
        {"RSD", Nmea("$RARSD,0.0,0.0,1.5,45.0,0.0,0.0,0.0,0.0,2.0,120.0,6.0,N,N"),
         "$??RSD 0.0 0.0 1.5 45.0 0.0 0.0 0.0 0.0 2.0 120.0 6.0 N N", CaseRsd, nullptr,
         [] {
             EXPECT_EQ(OwnShip.markerRange, 200);
             EXPECT_FLOAT_EQ(OwnShip.markerBearing, 120.0f);
             EXPECT_EQ(OwnShip.radarPort, 0);
             EXPECT_EQ(OwnShip.transmitFlags[0], 1);
         }},
        {"OSD", Nmea("$RAOSD,274.0,A,270.0,T,6.0,W,0.0,0.0,N"),
         "$??OSD 274.0 A 270.0 T 6.0 W 0.0 0.0 N", CaseOsd, nullptr,
         [] {
             EXPECT_FLOAT_EQ(OwnShip.heading, 274.0f);
             EXPECT_FLOAT_EQ(OwnShip.speedThroughWater, 6.0f);
         }},
        {"VHW", Nmea("$VWVHW,270.0,T,272.0,M,6.1,N,11.3,K"),
         "$??VHW 270.0 T 272.0 M 6.1 N 11.3 K", CaseVhw, nullptr,
         [] { EXPECT_FLOAT_EQ(OwnShip.speedThroughWater, 6.1f); }},
        {"ZDA", Nmea("$GPZDA,160012.71,11,03,2024,-1,00"),
         "$??ZDA 160012.71 11 03 2024 -1 00", CaseZda, nullptr,
         [] {
             EXPECT_EQ(OwnShip.gpsHour, 16);
             EXPECT_EQ(OwnShip.gpsYear, 2024);
         }},
        {"MWV", Nmea("$WIMWV,045.0,T,10.0,M,A"), "$??MWV 045.0 T 10.0 M A", CaseMwv, nullptr,
         [] {
             EXPECT_FLOAT_EQ(OwnShip.windSpeed, 10.0f);
             EXPECT_FLOAT_EQ(OwnShip.windDirection, 45.0f);
         }},
        {"VWR keeps blanks", Nmea("$IIVWR,30.0,L,10.0,N,5.1,M, 1,K"),
         "$??VWR 30.0 L 10.0 N 5.1 M  1 K", CaseVwr, nullptr,
         [] { EXPECT_FLOAT_EQ(OwnShip.windSpeed, 5.1f); }},
        {"WPL", Nmea("$GPWPL,4807.038,N,01131.000,E,12"), "$??WPL 4807.038 N 01131.000 E 12",
         CaseWpl, routes, [] { EXPECT_TRUE(ReceivedRoutes.received[12]); }},
        {"RTE", Nmea("$GPRTE,1,1,c,0,12,13"), "$??RTE 1 1 c 0 12 13", CaseRte, routes,
         [] { EXPECT_EQ(ReceivedRoutes.lastSentence, 1); }},
        {"TGT", Nmea("$RATGT,02,1.5,45.0,T"), "$??TGT 02 1.5 45.0 T", CaseTgt, known,
         [] {
             EXPECT_EQ(int32_t{TargetTable[0].id}, 2);
             EXPECT_FLOAT_EQ(float{TargetTable[0].bearing}, 45.0f);
         }},
        {"ALR", Nmea("$AIALR,120000.00,7,A,V,AIS: antenna VSWR"),
         "$??ALR 120000.00 7 A V AIS:_antenna_VSWR", CaseAlr, warnings,
         [] { EXPECT_EQ(OwnShip.pendingAisAlarm, 7); }},
        {"ABK", Nmea("$AIABK,211234560,A,12,1,1"), "$??ABK 211234560 A 12 1 1", CaseAbk, warnings,
         [] {
             ASSERT_EQ(notices.size(), 1u);
             EXPECT_EQ(notices[0], "to MMSI 211234560 unsuccessful");
         }},
        {"VDM", Nmea("!AIVDM,1,1,,A,13aEOK?P00PD2wVMdLDRhgvL289?,0"),
         "!??VDM 1 1 0 A 13aEOK?P00PD2wVMdLDRhgvL289? 0", CaseVdm, known,
         [] {
             EXPECT_EQ(uint32_t{OwnShip.stagedAis.dynamic.mmsi}, 244670316u);
             EXPECT_EQ(int32_t{TargetTable[0].id}, 244670316);
         }},
        {"VDO", Nmea("!AIVDO,1,1,,B,13aEOK?P00PD2wVMdLDRhgvL289?,0"),
         "!??VDO 1 1 0 B 13aEOK?P00PD2wVMdLDRhgvL289? 0", CaseVdo,
         [] { SensorSetup.ownMmsi = 244670316; },
         [] {
             EXPECT_EQ(uint32_t{TargetTable[OwnAisRecord].dynamic.mmsi}, 244670316u);
             EXPECT_EQ(OwnShip.aisReplyPort, 0);
         }},
        {"DTM other than WGS 84", Nmea("$GPDTM,999,,0.0,N,0.0,E,0.0,W84"),
         "$??DTM 999 0 0.0 N 0.0 E 0.0 W84", CaseDtm, nullptr,
         [] { EXPECT_EQ(OwnShip.alarmKind, AlarmDatum); }},
        {"BRG", Nmea("$IIBRG,1,1,1,123.5,T"), "$??BRG 1 1 1 123.5 T", CaseBrg, nullptr,
         [] { EXPECT_EQ(OwnShip.finderBearing, 123); }},
        {"BRG relative to the head is kept true", Nmea("$IIBRG,1,1,1,300.0,R"), "$??BRG 1 1 1 300.0 R", CaseBrg,
         [] { OwnShip.heading = 100.0f; },
         [] { EXPECT_EQ(OwnShip.finderBearing, 40); }},
        {"$PFEC passes with a wrong checksum", "$PFEC,SSfkv,123,4.5*00\r\n",
         "$PFEC SSfkv 123 4.5", CaseSonarData, nullptr,
         [] { EXPECT_FLOAT_EQ(OwnShip.sonarCourse, 123.0f); }},
        {"$PRHO passes with a wrong checksum", "$PRHO,X,DFSTD,1,2,X,3,4,5,6,77*00\r\n",
         "$PRHO X DFSTD 1 2 X 3 4 5 6 77", CaseSonarHeading, nullptr,
         [] { EXPECT_EQ(OwnShip.finderBearing, 77); }},
        {"fixed-column heading", "$L270.5\r\n", "$ 270.5", CaseFixedHeading, nullptr,
         [] { EXPECT_FLOAT_EQ(OwnShip.heading, 270.5f); }},
        {"fixed-column marker", "$O1234512345612345671234561234567123456789\r\n",
         "$ 12345 1234 561234 56712 3 456123 4 567123 456789", CaseFixedMarker, known, nullptr},
        {"fixed-column target", "$T0123456789012345678901234567890123456789012345\r\n",
         "$ 01 2 3456 7 8901 2 34567 8 90123 4567 890 123456789012345", CaseFixedTarget,
         known,
         [] {
             EXPECT_EQ(int32_t{TargetTable[0].id}, 1);
             EXPECT_FLOAT_EQ(float{TargetTable[0].tcpa}, 890.0f);  // the north velocity's place
         }},
        {"header not in the table", Nmea("$GPXTE,A,A,0.67,L,N"), "$??XTE", CaseNone, nullptr,
         [] { EXPECT_EQ(PortSentenceStatistics[0].unknown, 1u); }},
        {"121-character line", Line121 + Nmea("$HEHDT,12.0,T"), "$??HDT 12.0 T", CaseHdt,
         nullptr,
         [] {
             EXPECT_EQ(PortSentenceStatistics[0].overlong, 1u);
             EXPECT_FLOAT_EQ(OwnShip.heading, 12.0f);
         }},
        {"noise before the start", "\x01\x00garbage,12*\r" + Nmea("$HEHDT,33.0,T"),
         "$??HDT 33.0 T", CaseHdt, nullptr, [] { EXPECT_FLOAT_EQ(OwnShip.heading, 33.0f); }},
    };
}

class SentenceTableTest : public SensorTest {};

TEST_F(SentenceTableTest, EverySentenceKindThroughASerialPort)
{
    for (const SentenceCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        ResetSensorSide();
        notices.clear();
        SensorHook.showNotice = [](const platform::MessageBoxRequest& r) {
            notices.push_back(r.text);
        };
        PseudoTerminal terminal;
        ASSERT_TRUE(ComPorts[0].open(terminal.path(), 38400));
        if (c.before)
            c.before();
        terminal.send(c.input);
        ASSERT_TRUE(PseudoTerminal::waitFor(ComPorts[0], int(c.input.size())));
        ReadComPort(0);
        EXPECT_EQ(ComPorts[0].clearErrors().waiting, 0);  // drained
        EXPECT_EQ(Stored(PortInputBuffers[0]), c.storedLine);
        EXPECT_EQ(PortInputBuffers[0].caseNumber, c.caseNumber);
        EXPECT_FALSE(PortInputBuffers[0].inSentence);
        if (c.check)
            c.check();
    }
}

}  // namespace
