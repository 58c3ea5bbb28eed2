// Loading, clamping and saving dta.res, checked at the file's own byte offsets.

#include "SetupTestSupport.h"

#include "app/MainIni.h"
#include "app/SetupLoad.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"

#include <sys/resource.h>

#include <csignal>
#include <limits>
#include <random>

namespace {

// The start-up order: the record, the controls (not here), the main INI file, the clamps.
bool LoadAsAtStartup()
{
    const bool read = LoadSetupParameters();
    SetupLoadMarker = 0;
    LoadMainIni();
    ClampSetupParameters();
    return read;
}

void SetSample(TrackSample& sample, int i, bool empty)
{
    sample.latitude = empty ? 0.0 : 50.0 + i * 0.001;
    sample.longitude = 4.0 + i * 0.001;
    sample.chartX = 1000 + i;
    sample.chartY = 2000 + i;
}

using SetupLoadTest = SetupTest;

TEST_F(SetupLoadTest, WithoutAFileTheDefaultsAreClampedAndNothingIsWritten)
{
    EXPECT_FALSE(LoadAsAtStartup());

    EXPECT_EQ(SetupLoadMarker, 0);
    EXPECT_EQ(Value(SetupParameters.Length), 20);
    EXPECT_EQ(Value(SetupParameters.Beam), 5);
    EXPECT_EQ(Value(SetupParameters.Draught), 3);
    EXPECT_EQ(Value(SetupParameters.DepthFactor), 1.0f);
    EXPECT_EQ(Value(SetupParameters.MonitorSize), 17);
    EXPECT_EQ(Value(SetupParameters.DataSetsShown), 1);
    EXPECT_EQ(Value(SetupParameters.DefaultRouteSpeed), 100);
    EXPECT_EQ(Value(SetupParameters.TrackColour), 1);
    EXPECT_EQ(Value(SetupParameters.TrackIndex), 0);
    EXPECT_EQ(Value(SetupParameters.DataChoice), 0);  // set from a stored file only
    EXPECT_EQ(TcpAddressText(SetupParameters), "");
    EXPECT_EQ(Value(SetupParameters.AlarmPort), NoAlarmPort);
    EXPECT_FALSE(std::filesystem::exists(folder / "dta.res"));
}

TEST_F(SetupLoadTest, AFileReadLeavesTheMarkerForTheControls)
{
    SetupImage().at<int16_t>(18190, 30).writeTo(folder / "dta.res");

    EXPECT_TRUE(LoadSetupParameters());
    EXPECT_EQ(SetupLoadMarker, 99);
    EXPECT_EQ(Value(SetupParameters.Length), 30);
}

TEST_F(SetupLoadTest, TheShippedFileIsCopiedOnceAndNeverOverAnExistingOne)
{
    const SetupImage shipped = SetupImage().at<int16_t>(18190, 33);
    shipped.writeTo(folder / "Data" / "dta.res");

    EXPECT_TRUE(LoadAsAtStartup());
    EXPECT_EQ(Value(SetupParameters.Length), 33);
    EXPECT_EQ(FileBytes(folder / "dta.res"), shipped.bytes());

    const SetupImage own = SetupImage().at<int16_t>(18190, 44);
    own.writeTo(folder / "dta.res");
    EXPECT_TRUE(LoadAsAtStartup());
    EXPECT_EQ(Value(SetupParameters.Length), 44);
    EXPECT_EQ(FileBytes(folder / "dta.res"), own.bytes());
}

TEST_F(SetupLoadTest, AShortFileFillsTheRecordAsFarAsItGoes)
{
    SetupImage image = SetupImage().at<int32_t>(18000, 7).at<float>(18004, 12.5f);
    image.resize(18008);
    image.writeTo(folder / "dta.res");

    EXPECT_TRUE(LoadAsAtStartup());
    EXPECT_EQ(Value(SetupParameters.TrackIndex), 7);
    EXPECT_EQ(Value(SetupParameters.TrackLength), 12.5f);
    EXPECT_EQ(Value(SetupParameters.Length), 20);  // zero, then clamped
    EXPECT_EQ(Value(SetupParameters.Mmsi), 0u);
}

enum class Width { U8, I16, I32, F32 };

struct ClampCase {
    const char* field;
    std::size_t offset;
    Width width;
    double stored;
    double loaded;
};

void Put(SetupImage& image, const ClampCase& c)
{
    switch (c.width) {
    case Width::U8: image.at<uint8_t>(c.offset, uint8_t(c.stored)); break;
    case Width::I16: image.at<int16_t>(c.offset, int16_t(c.stored)); break;
    case Width::I32: image.at<int32_t>(c.offset, int32_t(c.stored)); break;
    case Width::F32: image.at<float>(c.offset, float(c.stored)); break;
    }
}

double Loaded(const ClampCase& c)
{
    switch (c.width) {
    case Width::U8: return RecordValue<uint8_t>(c.offset);
    case Width::I16: return RecordValue<int16_t>(c.offset);
    case Width::I32: return RecordValue<int32_t>(c.offset);
    case Width::F32: return RecordValue<float>(c.offset);
    }
    return 0;
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Each row: a file of zeros with one stored value, and that field after the start-up load.
const ClampCase ClampCases[] = {
    {"monitor size", 18224, Width::I16, 9, 17},
    {"monitor size", 18224, Width::I16, 51, 17},
    {"monitor size", 18224, Width::I16, 10, 10},
    {"monitor size", 18224, Width::I16, 50, 50},
    {"length", 18190, Width::I16, 0, 20},
    {"length", 18190, Width::I16, -5, 20},
    {"beam", 18192, Width::I16, 0, 5},
    {"beam", 18192, Width::I16, -1, 5},
    {"depth factor", 18282, Width::F32, 0.05, 1.0},
    {"depth factor", 18282, Width::F32, 12.0, 1.0},
    {"depth factor", 18282, Width::F32, NaN, 1.0},
    {"depth factor", 18282, Width::F32, double(0.5468f), double(0.5468f)},
    {"depth factor", 18282, Width::F32, double(3.2808f), double(3.2808f)},
    {"resolution", 18304, Width::I16, 13, 5},
    {"resolution", 18304, Width::I16, -1, 5},
    {"resolution", 18304, Width::I16, 12, 12},
    {"data sets shown", 18362, Width::I32, 64, 1},
    {"data sets shown", 18362, Width::I32, 4, 4},
    {"current symbol", 18432, Width::U8, 50, 0},
    {"current symbol", 18432, Width::U8, 17, 17},
    {"current symbol beyond the first 18", 18432, Width::U8, 49, 49},
    {"symbol colour", 18433, Width::U8, 7, 1},
    {"symbol colour", 18433, Width::U8, 6, 6},
    {"symbol-bar button", 18414, Width::U8, 17, 0},
    {"line kind", 18434, Width::U8, 4, 0},
    {"line colour", 18435, Width::U8, 0, 1},
    {"track colour", 18470, Width::U8, 7, 1},
    {"default route speed", 18488, Width::I16, 0, 100},
    {"default lane", 18490, Width::I16, -1, 10},
    {"default lane", 18490, Width::I16, 0, 0},
    {"default turn radius", 18492, Width::I16, -1, 20},
    {"depth save choice", 18472, Width::I32, 2, 0},
    {"3D depth scale", 18356, Width::I16, 0, 5},
    {"3D depth scale", 18356, Width::I16, 12, 12},
    {"track index", 18000, Width::I32, 500, 0},
    {"track index", 18000, Width::I32, -1, 0},
    {"track index", 18000, Width::I32, 499, 499},
    {"LORAN chain", 18248, Width::I32, 15, 0},
    {"LORAN chain", 18248, Width::I32, 14, 14},
    {"Decca chain", 18520, Width::I32, 6, 0},
    {"Decca chain", 18520, Width::I32, 5, 5},
    {"data choice", 18370, Width::I32, 3, 1},
    {"data scope", 18374, Width::I32, 4, 1},
    {"COM1 baud", 18028, Width::U8, 5, 0},
    {"TCP baud slot", 18040, Width::U8, 255, 0},
    {"COM12 baud", 18039, Width::U8, 4, 4},
    {"alarm port", 18189, Width::U8, 12, 255},
    {"alarm port", 18189, Width::U8, 11, 11},
    {"alarm port", 18189, Width::U8, 255, 255},
    {"AIS range index", 18540, Width::I16, 8, 0},
    {"AIS range index", 18540, Width::I16, 7, 7},
    {"AIS track index", 18544, Width::I16, 13, 0},
    {"CPA time index", 18550, Width::I16, 5, 0},
    {"log interval", 18380, Width::I32, 7, 0},
    {"3D data", 18328, Width::I16, 3, 0},
    {"3D palette", 18330, Width::I16, 4, 0},
    {"3D contour choice", 18350, Width::I32, 6, 0},
    {"first symbol-bar image", 18415, Width::U8, 50, 0},
    {"last symbol-bar image", 18431, Width::U8, 200, 0},
    {"last symbol-bar image", 18431, Width::U8, 49, 49},
    {"ETA zone hours", 18496, Width::I16, 13, 0},
    {"ETA zone hours", 18496, Width::I16, -13, 0},
    {"ETA zone hours", 18496, Width::I16, -12, -12},
    {"wheel-over distance", 18268, Width::I16, -1, -1},
    {"persons on board", 18274, Width::I16, 12, 12},
    {"chart level", 18277, Width::U8, 18, 0},
    {"chart level", 18277, Width::U8, 17, 17},
    {"mini chart level", 18278, Width::U8, 17, 0},
    {"mini chart level", 18278, Width::U8, 16, 16},
};

TEST_F(SetupLoadTest, StoredValuesAreBroughtIntoRange)
{
    for (const ClampCase& c : ClampCases) {
        SCOPED_TRACE(testing::Message() << c.field << " stored " << c.stored);
        SetupImage image;
        Put(image, c);
        image.writeTo(folder / "dta.res");

        ASSERT_TRUE(LoadAsAtStartup());
        EXPECT_EQ(Loaded(c), c.loaded);
    }
}

TEST_F(SetupLoadTest, TheChartsStartAtTheSavedLevelsOrAtTheGlobalLevelWhenNoneWereSaved)
{
    const struct {
        const char* name;
        uint8_t saved;
        uint8_t chart;
        uint8_t mini;
        StartLevels start;
    } cases[] = {
        {"a record that never saved them", 0, 0, 0, {16, 16}},
        {"levels without the mark", 0, 10, 14, {16, 16}},
        {"coastal and overview", 1, 10, 14, {10, 14}},
        {"the finest levels", 1, 0, 0, {0, 0}},
        {"beyond the tables", 1, 18, 17, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetupImage()
            .at<uint8_t>(18276, c.saved)
            .at<uint8_t>(18277, c.chart)
            .at<uint8_t>(18278, c.mini)
            .writeTo(folder / "dta.res");

        ASSERT_TRUE(LoadAsAtStartup());
        const StartLevels start = ChartStartLevels(SetupParameters);
        EXPECT_EQ(start.chart, c.start.chart);
        EXPECT_EQ(start.mini, c.start.mini);
    }
}

TEST_F(SetupLoadTest, SensorPositionsStayOnTheHull)
{
    SetupImage()
        .at<int16_t>(18190, 0)    // length
        .at<int16_t>(18192, 0)    // beam
        .at<int16_t>(18202, 40)   // GPS from the bow
        .at<int16_t>(18204, -2)   // GPS from starboard
        .at<int16_t>(18198, -3)   // conning position from the bow
        .writeTo(folder / "dta.res");

    ASSERT_TRUE(LoadAsAtStartup());
    EXPECT_EQ(Value(SetupParameters.Length), 20);
    EXPECT_EQ(Value(SetupParameters.Beam), 5);
    EXPECT_EQ(Value(SetupParameters.GpsBow), 20);
    EXPECT_EQ(Value(SetupParameters.GpsStbd), 0);
    EXPECT_EQ(Value(SetupParameters.ConningBow), 0);
}

TEST_F(SetupLoadTest, AnUnterminatedTcpAddressIsCutToFifteenCharacters)
{
    SetupImage().text(18555, "12345678901234567").writeTo(folder / "dta.res");

    ASSERT_TRUE(LoadAsAtStartup());
    EXPECT_EQ(TcpAddressText(SetupParameters), "123456789012345");
    EXPECT_EQ(RecordValue<char>(18570), '\0');
    EXPECT_EQ(RecordValue<char>(18571), '\0');
    EXPECT_EQ(ReadPortSettings().tcpAddress, "123456789012345");
}

struct StartCase {
    int32_t index;
    bool firstSampleEmpty;
    int expectedSample;
};

TEST_F(SetupLoadTest, TheChartOpensAtTheNewestTrackSample)
{
    const StartCase cases[] = {
        {499, false, 498},
        {1, true, 0},
        {500, true, 0},   // out of range: index 0, the place the last save noted
        {0, true, 0},
        {0, false, 499},  // a wrapped ring: sample 0 is the oldest, 499 the newest
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "index " << c.index);
        SetupParametersRecord record{};
        for (int i = 0; i < TrackRingSize; ++i)
            SetSample(record.TrackRing[std::size_t(i)], i, i == 0 && c.firstSampleEmpty);
        record.TrackIndex = c.index;
        std::ofstream(folder / "dta.res", std::ios::binary)
            .write(reinterpret_cast<const char*>(&record), sizeof record);

        ASSERT_TRUE(LoadSetupParameters());
        const cmgbase::GeoPoint expected{1000 + c.expectedSample, 2000 + c.expectedSample};
        EXPECT_EQ(ChartStartPosition(SetupParameters), expected);
        EXPECT_EQ(OwnShip.referencePosition, expected);
    }
}

// A record whose every value is valid, with a full track ring and non-zero spare bytes.
SetupImage ValidImage()
{
    SetupImage image;
    std::mt19937 random(7);
    for (int i = 0; i < TrackRingSize; ++i) {
        const std::size_t at = std::size_t(i) * 36;
        image.at<double>(at, 4.0 + i * 0.01)
            .at<double>(at + 8, 51.0 + i * 0.01)
            .at<int32_t>(at + 16, int32_t(random()))
            .at<int32_t>(at + 20, int32_t(random() | 1))
            .at<uint16_t>(at + 24, uint16_t(i))
            .at<uint32_t>(at + 32, 1700000000u + uint32_t(i));
    }
    for (std::size_t spare = 18052; spare < 18188; ++spare)
        image.at<uint8_t>(spare, 0xAB);
    image.at<int32_t>(18000, 123)
        .at<float>(18004, 57.5f)
        .at<uint8_t>(18008, 1)
        .at<uint8_t>(18028, 2)
        .at<int32_t>(18048, 6)
        .at<uint8_t>(18189, 255)
        .at<int16_t>(18190, 30)
        .at<int16_t>(18192, 8)
        .at<int16_t>(18194, 2)
        .at<int16_t>(18198, 12)
        .at<int16_t>(18202, 10)
        .at<int16_t>(18204, 4)
        .at<int16_t>(18224, 21)
        .at<int16_t>(18268, -1)
        .at<uint16_t>(18274, 12)
        .at<float>(18282, 3.2808f)
        .at<int16_t>(18304, 5)
        .at<int16_t>(18356, 5)
        .at<int32_t>(18362, 2)
        .at<int32_t>(18370, 1)
        .at<int32_t>(18374, 1)
        .at<double>(18388, 45000.5)
        .at<uint8_t>(18433, 2)
        .at<uint8_t>(18435, 3)
        .at<uint8_t>(18467, 3)
        .at<uint8_t>(18470, 4)
        .at<int16_t>(18476, 100)
        .at<int16_t>(18478, 100)
        .at<int16_t>(18480, 640)
        .at<int16_t>(18482, 480)
        .at<int16_t>(18488, 80)
        .at<int16_t>(18496, -2)
        .at<int16_t>(18540, 7)
        .at<int16_t>(18542, 120)
        .text(18555, "10.0.0.1")
        .at<int32_t>(18572, 10110)
        .at<uint32_t>(18576, 257123450u);
    return image;
}

TEST_F(SetupLoadTest, LoadThenSaveGivesTheSameBytes)
{
    const SetupImage image = ValidImage();
    image.writeTo(folder / "dta.res");
    ASSERT_TRUE(LoadAsAtStartup());

    // The 3D window goes to the 3D library at start-up and comes back from it at the save.
    ThreeDExchange.windowX = SetupParameters.ThreeDWindowX;
    ThreeDExchange.windowY = SetupParameters.ThreeDWindowY;
    ThreeDExchange.windowWidth = SetupParameters.ThreeDWindowWidth;
    ThreeDExchange.windowHeight = SetupParameters.ThreeDWindowHeight;
    ScreenWidth = 1920;
    ScreenHeight = 1080;
    StartupDone = true;
    ASSERT_TRUE(SaveSetupParameters(false));

    EXPECT_EQ(FileBytes(folder / "dta.res"), image.bytes());
    ASSERT_TRUE(LoadAsAtStartup());
    ASSERT_TRUE(SaveSetupParameters(false));
    EXPECT_EQ(FileBytes(folder / "dta.res"), image.bytes());
}

TEST_F(SetupLoadTest, PortSettingsAreCopiedWhole)
{
    PortSettings settings;
    settings.active[0] = 1;
    settings.active[12] = 1;
    settings.baud[12] = 4;
    settings.outputSentences = 15;
    settings.alarmPort = 3;
    settings.tcpAddress = "192.168.100.200:99";
    settings.tcpPort = 2000;
    WritePortSettings(settings);

    settings.tcpAddress.resize(15);
    const PortSettings read = ReadPortSettings();
    EXPECT_EQ(read.active, settings.active);
    EXPECT_EQ(read.baud, settings.baud);
    EXPECT_EQ(read.outputSentences, 15);
    EXPECT_EQ(read.alarmPort, 3);
    EXPECT_EQ(read.tcpAddress, settings.tcpAddress);
    EXPECT_EQ(RecordValue<uint8_t>(18020), 1);
    EXPECT_EQ(RecordValue<uint8_t>(18040), 4);
    EXPECT_EQ(RecordValue<int32_t>(18572), 2000);
}

class SetupSaveTest : public SetupTest {
protected:
    void SetUp() override
    {
        SetupTest::SetUp();
        ScreenWidth = 1024;
        ScreenHeight = 768;
        ThreeDExchange.windowX = 10;
        ThreeDExchange.windowY = 40;
        ThreeDExchange.windowWidth = 400;
        ThreeDExchange.windowHeight = 300;
        StartupDone = true;
    }

    std::vector<char> savedBytes() const { return FileBytes(folder / "dta.res"); }
};

TEST_F(SetupSaveTest, NothingIsWrittenBeforeStartUpHasFinished)
{
    StartupDone = false;
    EXPECT_FALSE(SaveSetupParameters(false));
    EXPECT_FALSE(std::filesystem::exists(folder / "dta.res"));
}

TEST_F(SetupSaveTest, TheThreeDWindowIsKeptOnTheScreen)
{
    ThreeDExchange.windowX = -40;
    ThreeDExchange.windowWidth = 100;
    ASSERT_TRUE(SaveSetupParameters(false));

    ASSERT_TRUE(LoadSetupParameters());
    EXPECT_EQ(Value(SetupParameters.ThreeDWindowX), 0);
    EXPECT_EQ(Value(SetupParameters.ThreeDWindowWidth), 300);
    EXPECT_EQ(Value(SetupParameters.ThreeDWindowY), 40);
    EXPECT_EQ(Value(SetupParameters.ThreeDWindowHeight), 300);
}

struct CentreCase {
    const char* name;
    int32_t index;
    int sample;       // the sample at the ring's end
    bool sampleEmpty;
    bool takesCentre;
};

TEST_F(SetupSaveTest, TheChartCentreGoesOnlyIntoAnEmptySample)
{
    MapView view;
    view.centre = {-123456, 654321};
    MainMapView = &view;
    const CentreCase cases[] = {
        {"finished track", 0, 0, true, true},
        {"wrapped ring", 0, 0, false, false},
        {"open track end", 5, 4, true, true},
        {"real sample on the equator line", 5, 4, false, false},
    };
    for (const CentreCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetupParameters = SetupParametersRecord{};
        SetupParameters.TrackIndex = c.index;
        TrackSample& sample = SetupParameters.TrackRing[std::size_t(c.sample)];
        SetSample(sample, c.sample, c.sampleEmpty);
        sample.chartY = 0;
        const TrackSample before = sample;

        ASSERT_TRUE(SaveSetupParameters(false));
        const std::vector<char> bytes = savedBytes();
        int32_t x, y;
        std::memcpy(&x, bytes.data() + c.sample * 36 + 16, 4);
        std::memcpy(&y, bytes.data() + c.sample * 36 + 20, 4);
        if (c.takesCentre) {
            EXPECT_EQ(x, view.centre.x);
            EXPECT_EQ(y, view.centre.y);
        } else {
            EXPECT_EQ(x, Value(before.chartX));
            EXPECT_EQ(y, Value(before.chartY));
        }
    }
}

TEST_F(SetupSaveTest, ASaveCutShortLeavesThePreviousFileWhole)
{
    const SetupImage previous = ValidImage();
    previous.writeTo(folder / "dta.res");
    SetupParameters.Length = 77;

    // A file size limit stops the write part way, as a full disk would.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{4096, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = SaveSetupParameters(false);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(savedBytes(), previous.bytes());
    EXPECT_FALSE(std::filesystem::exists(folder / "dta.res.tmp"));
}

TEST_F(SetupSaveTest, ATemporaryFileLeftByACrashIsNeitherReadNorInTheWay)
{
    const SetupImage previous = ValidImage();
    previous.writeTo(folder / "dta.res");
    SetupImage truncated = SetupImage().at<int16_t>(18190, 99);
    truncated.resize(18200);
    truncated.writeTo(folder / "dta.res.tmp");

    ASSERT_TRUE(LoadAsAtStartup());
    EXPECT_EQ(Value(SetupParameters.Length), 30);
    EXPECT_TRUE(SaveSetupParameters(false));
    EXPECT_EQ(savedBytes().size(), SetupImage::Size);
    EXPECT_FALSE(std::filesystem::exists(folder / "dta.res.tmp"));
}

TEST_F(SetupSaveTest, TheFileGoesToTheProgramFolderWhateverTheWorkingFolder)
{
    const std::filesystem::path elsewhere = folder / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    std::filesystem::current_path(elsewhere);

    EXPECT_TRUE(SaveSetupParameters(false));
    EXPECT_EQ(std::filesystem::current_path(), elsewhere);
    EXPECT_EQ(savedBytes().size(), SetupImage::Size);
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere));
}

TEST_F(SetupSaveTest, AFailedSaveStillRestoresTheColoursWhenAsked)
{
    int restored = 0;
    RestoreSystemColours = [&restored] { ++restored; };
    std::filesystem::create_directory(folder / "dta.res.tmp");

    EXPECT_FALSE(SaveSetupParameters(true));
    EXPECT_FALSE(SaveSetupParameters(false));
    RestoreSystemColours = nullptr;

    EXPECT_EQ(restored, 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "dta.res"));
}

}  // namespace
