// VarnikV3.ini read over the settings record and written back from it.

#include "SetupTestSupport.h"

#include "app/MainIni.h"
#include "frame/PortSettings.h"
#include "platform/system/IniFile.h"

namespace {

class MainIniTest : public SetupTest {
protected:
    void SetUp() override
    {
        SetupTest::SetUp();
        SetupParameters.Length = 30;
        SetupParameters.Beam = 8;
        SetupParameters.Draught = 2;
        SetupParameters.Mmsi = 257000000;
        SetupParameters.PortBaud[0] = 2;
        SetupParameters.OutputSentences = 5;
        SetupParameters.TcpPort = 10110;
        SetTcpAddress(SetupParameters, "10.0.0.1");
        before_ = SetupParameters;
    }

    bool recordUnchanged() const
    {
        return std::memcmp(&SetupParameters, &before_, sizeof before_) == 0;
    }

    SetupParametersRecord before_{};
};

TEST_F(MainIniTest, WithoutTheFileTheRecordKeepsItsValues)
{
    LoadMainIni();
    EXPECT_TRUE(recordUnchanged());
}

TEST_F(MainIniTest, AKeyPresentOverridesOnlyItsField)
{
    writeFile("VarnikV3.ini", "[OwnShip]\r\nLength=35\r\n");
    LoadMainIni();

    EXPECT_EQ(Value(SetupParameters.Length), 35);
    SetupParameters.Length = before_.Length;
    EXPECT_TRUE(recordUnchanged());
}

struct OverlayCase {
    const char* file;
    std::size_t offset;
    int size;  // bytes of the field
    int64_t expected;
};

int64_t FieldAt(std::size_t offset, int size)
{
    switch (size) {
    case 1: return RecordValue<uint8_t>(offset);
    case 2: return RecordValue<int16_t>(offset);
    default: return RecordValue<uint32_t>(offset);
    }
}

TEST_F(MainIniTest, MalformedOrOutOfRangeValuesKeepTheRecordsValue)
{
    const OverlayCase cases[] = {
        {"[OwnShip]\nLength=42", 18190, 2, 42},
        {"[OwnShip]\nLength= +42 ", 18190, 2, 42},
        {"[ownship]\nlength=42", 18190, 2, 42},
        {"[OwnShip]\nLength=abc", 18190, 2, 30},
        {"[OwnShip]\nLength=35m", 18190, 2, 30},
        {"[OwnShip]\nLength=", 18190, 2, 30},
        {"[OwnShip]\nLength=70000", 18190, 2, 30},
        {"[OwnShip]\nLength=-5", 18190, 2, 30},
        {"[OwnShip]\nLength=0", 18190, 2, 30},
        {"[OwnShip]\nBeam=0", 18192, 2, 8},
        {"[OwnShip]\nDraught=-1", 18194, 2, 2},
        {"[OwnShip]\nDraught=0", 18194, 2, 0},
        {"[OwnShip]\nMmsi=-1", 18576, 4, 257000000},
        {"[OwnShip]\nMmsi=4294967296", 18576, 4, 257000000},
        {"[OwnShip]\nMmsi=211234560", 18576, 4, 211234560},
        {"[OwnShip]\nAutoGyro=2", 18222, 1, 1},
        {"[PortActive]\n1=yes", 18008, 1, 0},
        {"[PortActive]\nIP=1", 18020, 1, 1},
        {"[PortBaud]\n1=5", 18028, 1, 2},
        {"[PortBaud]\n1=-1", 18028, 1, 2},
        {"[PortBaud]\n1=4", 18028, 1, 4},
        {"[PortBaud]\nIP=3", 18040, 1, 3},
        {"[PortXmit]\nXmit=16", 18048, 4, 5},
        {"[PortXmit]\nXmit=15", 18048, 4, 15},
        {"[TCP/IP]\nPort=70000", 18572, 4, 10110},
        {"[TCP/IP]\nPort=2000", 18572, 4, 2000},
    };
    for (const OverlayCase& c : cases) {
        SCOPED_TRACE(c.file);
        SetupParameters = before_;
        writeFile("VarnikV3.ini", c.file);
        LoadMainIni();
        EXPECT_EQ(FieldAt(c.offset, c.size), c.expected);
    }
}

TEST_F(MainIniTest, TheAddressIsCutAfterFifteenCharacters)
{
    writeFile("VarnikV3.ini", "[TCP/IP]\nAdr=192.168.100.200:99\n");
    LoadMainIni();
    EXPECT_EQ(TcpAddressText(SetupParameters), "192.168.100.200");
    EXPECT_EQ(ReadPortSettings().tcpAddress, "192.168.100.200");
}

TEST_F(MainIniTest, SavedKeysReadBackToTheSameValuesAndOtherSectionsStay)
{
    writeFile("VarnikV3.ini", "; installation notes\r\n[Other]\r\nKeep=1\r\n");
    SetupParametersRecord& r = SetupParameters;
    r.Length = 120;
    r.Beam = 18;
    r.Draught = 6;
    r.Height = 30;
    r.Mmsi = 999999999;
    r.ConningBow = 40;
    r.ConningHeight = 14;
    r.GpsBow = 41;
    r.GpsStbd = 9;
    r.DepthBow = 60;
    r.DepthSurf = 5;
    r.RadarBow = 42;
    r.RadarStbd = 8;
    r.AutoGyro = 1;
    for (int port = 0; port < PortCount; ++port) {
        r.PortActive[port] = uint8_t(port % 2);
        r.PortBaud[port] = uint8_t(port % 5);
    }
    r.OutputSentences = 13;
    r.TcpPort = 65535;
    SetTcpAddress(r, "192.168.100.200");
    const SetupParametersRecord saved = r;

    ASSERT_TRUE(SaveMainIni());
    SetupParameters = SetupParametersRecord{};
    LoadMainIni();

    // The ports and the own ship lie together from 18008 to 18222.
    EXPECT_EQ(std::memcmp(&SetupParameters.PortActive, &saved.PortActive,
                          offsetof(SetupParametersRecord, AutoGyro) + 1
                              - offsetof(SetupParametersRecord, PortActive)),
              0);
    EXPECT_EQ(Value(SetupParameters.Mmsi), saved.Mmsi);
    EXPECT_EQ(Value(SetupParameters.ConningHeight), saved.ConningHeight);
    EXPECT_EQ(Value(SetupParameters.TcpPort), saved.TcpPort);
    EXPECT_EQ(TcpAddressText(SetupParameters), "192.168.100.200");

    const platform::IniFile ini(folder / "VarnikV3.ini");
    EXPECT_EQ(ini.readString("Other", "Keep", ""), "1");
    EXPECT_EQ(ini.keys("OwnShip").size() + ini.keys("PortActive").size()
                  + ini.keys("PortBaud").size() + ini.keys("PortXmit").size()
                  + ini.keys("TCP/IP").size(),
              43u);
}

TEST_F(MainIniTest, AFailedSaveIsReportedAndChangesNothing)
{
    writeFile("VarnikV3.ini", "[OwnShip]\r\nLength=35\r\n");
    std::filesystem::create_directory(folder / "VarnikV3.ini.tmp");

    EXPECT_FALSE(SaveMainIni());
    EXPECT_TRUE(recordUnchanged());
    EXPECT_EQ(platform::IniFile(folder / "VarnikV3.ini").readInteger("OwnShip", "Length", 0), 35);
}

}  // namespace
