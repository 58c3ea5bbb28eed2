// The radar manager over the chart radar itself and, where the order of its calls or a failing
// step is the behaviour, over a recording service.

#include "RadarTestSupport.h"

#include "platform/chartengine/ChartRadar.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using chartengine::RadarValue;
using testing::_;
using testing::DoAll;
using testing::Return;
using testing::SaveArg;
using testing::SetArgPointee;

namespace {

const std::filesystem::path kShippedRangeFile = std::filesystem::path(VARNIK_SOURCE_DIR) / "data/RPFiles/Rp.ini";

std::vector<int32_t> StatusCalls;
int32_t RecordStatus(int32_t kind, int32_t value, const char* text)
{
    EXPECT_STREQ(text, "");
    StatusCalls.push_back(kind * 1000 + value);
    return 7;
}

// The manager over the chart radar (no chart) and the shipped range file.
class RadarManagerOverChartRadar : public testing::Test {
protected:
    RadarManagerOverChartRadar()
        : manager([this](MapView&) {
                      auto made = std::make_unique<chartengine::ChartRadar>(nullptr, kShippedRangeFile,
                                                                            chartengine::ChartRadar::TargetSource{});
                      radar = made.get();
                      return made;
                  },
                  kShippedRangeFile)
    {
        StatusCalls.clear();
    }

    int32_t ServiceInteger(int32_t code)
    {
        RadarValue value;
        EXPECT_EQ(radar->GetProperty(code, &value), chartengine::kOk);
        int32_t result = 0;
        EXPECT_TRUE(chartengine::RadarValueToInteger(value, &result));
        return result;
    }

    ReadyView ready;
    QObject window;
    chartengine::ChartRadar* radar = nullptr;
    RadarManager manager;
};

TEST_F(RadarManagerOverChartRadar, InitRefusalsAndTheirStates)
{
    EXPECT_EQ(manager.ErrorText(), "No error (yet).");
    EXPECT_EQ(manager.drawMaxRange, 1);

    EXPECT_EQ(manager.Init(nullptr), 1);
    EXPECT_EQ(manager.state(), 0);
    EXPECT_EQ(manager.ErrorText(), "<RadarManager::Init()> Specified MapView was NULL.");

    MapView unready;
    EXPECT_EQ(manager.Init(&unready), 1);
    EXPECT_EQ(manager.state(), -1);
    EXPECT_EQ(manager.ErrorText(), "<RadarManager::Init()> MapView not initialized.");
    EXPECT_EQ(manager.Init(&ready.view), 1);
    EXPECT_EQ(manager.state(), -1);
    EXPECT_EQ(manager.ErrorText(), "<RadarManager::Init()> Call UnInit before Init after critical error.");
    manager.UnInit();

    ASSERT_EQ(manager.Init(&ready.view), 0);
    EXPECT_EQ(manager.state(), 1) << manager.ErrorText();  // the shipped Rp.ini reads
    EXPECT_EQ(manager.ranges, chartengine::ChartRadar::Ranges());
    EXPECT_EQ(manager.rangeLabels, chartengine::ChartRadar::RangeLabels());
    EXPECT_EQ(manager.rangeLevels, (std::vector<int32_t>{1, 1, 1, 2, 2, 2, 3, 3, 4, 4}));
    EXPECT_EQ(manager.scaleCount, 4);
    EXPECT_EQ(manager.drawMaxRange, 1);

    EXPECT_EQ(manager.Init(&ready.view), 1);
    EXPECT_EQ(manager.state(), 1);
    EXPECT_EQ(manager.ErrorText(), "<RadarManager::Init()> Manager already initialized.");
}

TEST_F(RadarManagerOverChartRadar, CallsBeforeInitAreRefusedWithoutAStateChange)
{
    EXPECT_EQ(manager.Start(&window), 1);
    EXPECT_EQ(manager.ErrorText(), "<RadarManager::Start()> RadarManager not initialized.");
    manager.SetClutter(0, 0, 0);
    EXPECT_EQ(manager.ErrorText(), "<RadarManager::SetClutter()> RadarManager not initialized.");
    manager.SetScale(0);
    EXPECT_EQ(manager.ErrorText(), "<RadarManager::SetScale()> RadarManager not initialized.");
    EXPECT_EQ(manager.GetAzimuthCorrection(0), 0);
    EXPECT_EQ(manager.ErrorText(), "<RadarManager::GetAzimuthCorrection()> RadarManager not initialized.");
    EXPECT_EQ(manager.state(), 0);
}

TEST_F(RadarManagerOverChartRadar, SettingsReachTheServiceOrAreRefused)
{
    ASSERT_EQ(manager.Init(&ready.view), 0);

    struct Case {
        const char* name;
        std::function<void()> call;
        const char* error;  // empty: accepted
    };
    const Case cases[] = {
        {"sea 100", [&] { manager.SetClutter(100, 0, 0); }, "<RadarManager::SetClutter()> Sea param out of bounds."},
        {"rain -1", [&] { manager.SetClutter(0, -1, 0); }, "<RadarManager::SetClutter()> Rain param out of bounds."},
        {"gain 99", [&] { manager.SetClutter(0, 0, 99); }, ""},
        {"palette 2", [&] { manager.SetPalette(2); }, "<RadarManager::SetPalette()> Illegal pallette value specified."},
        {"palette 1", [&] { manager.SetPalette(1); }, ""},
        {"range 9.999", [&] { manager.SetAdjustments(0, 9.999, -9.999, 9.999); }, ""},
        {"range 10", [&] { manager.SetAdjustments(0, 10.0, 0, 0); },
         "<RadarManager::SetAdjustments()> Illegal range adjustment specified."},
        {"orientation 200", [&] { manager.SetAdjustments(200, 1.0, 0.5, -0.5); },
         "<RadarManager::SetAdjustments()> Illegal orientation adjustment specified."},
        {"no window", [&] { manager.Start(nullptr); }, "<RadarManager::Start()> Provided hWnd was NULL."},
        {"stop while stopped", [&] { manager.Stop(); }, "<RadarManager::Stop()> Radar overlay is not running."},
    };
    for (const Case& c : cases) {
        manager.ClearCallFailure();
        const std::string before = manager.ErrorText();
        c.call();
        if (*c.error) {
            EXPECT_EQ(manager.state(), 2) << c.name;
            EXPECT_EQ(manager.ErrorText(), c.error) << c.name;
            EXPECT_EQ(manager.state(), 2) << c.name << ": reading the text changes nothing";
        } else {
            EXPECT_EQ(manager.state(), 1) << c.name << " " << manager.ErrorText();
            EXPECT_EQ(manager.ErrorText(), before) << c.name;
        }
    }
    EXPECT_EQ(ServiceInteger(chartengine::RP_CLUTTER), 0x630000);
    EXPECT_EQ(manager.gain, 99);
    EXPECT_EQ(manager.palette, 1);
    EXPECT_EQ(ServiceInteger(chartengine::RP_PALETTE), 1);
    // The refused orientation is neither sent nor kept; the other three went on.
    EXPECT_EQ(manager.orientationAdjustment, 0);
    EXPECT_DOUBLE_EQ(manager.rangeAdjustment, 1.0);
    EXPECT_DOUBLE_EQ(manager.dyAdjustment, -0.5);
    RadarValue value;
    ASSERT_EQ(radar->GetProperty(chartengine::RP_ADJUSTPOS_X, &value), chartengine::kOk);
    EXPECT_DOUBLE_EQ(std::get<double>(value), 0.5);
}

TEST_F(RadarManagerOverChartRadar, FramesReachTheCallbackWhileRunningOnly)
{
    ASSERT_EQ(manager.Init(&ready.view), 0);
    ASSERT_EQ(manager.Start(&window), 0);
    EXPECT_EQ(manager.running, 1);
    EXPECT_EQ(manager.Start(&window), 1);
    EXPECT_EQ(manager.ErrorText(), "<RadarManager::Start()> Radar overlay already running.");
    EXPECT_EQ(manager.running, 1);

    manager.SetRange(13300);
    radar->StepFrame();
    QCoreApplication::processEvents();
    EXPECT_EQ(manager.frameInfo, 6);  // a frame without a callback only updates the frame info
    EXPECT_EQ(manager.CMRadar_OnNewFrame(), 0);

    manager.statusCallback = RecordStatus;
    manager.SetRange(1000);
    radar->StepFrame();
    QCoreApplication::processEvents();
    EXPECT_EQ(StatusCalls, std::vector<int32_t>{4});

    manager.SetPos(38.95, -76.41, 45.0);
    double latitude = 0, longitude = 0, heading = 0;
    ASSERT_EQ(radar->GetOwnPosition(&latitude, &longitude, &heading), chartengine::kOk);
    EXPECT_EQ(latitude, 38.95);
    EXPECT_EQ(longitude, -76.41);
    EXPECT_EQ(heading, 45.0);

    radar->StepFrame();
    ASSERT_EQ(manager.Stop(), 0);
    EXPECT_EQ(manager.running, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(StatusCalls.size(), 1u);
}

TEST(RadarManagerOverRecordingService, InitCallsInOrderAndStartsItsReadsWhenReady)
{
    auto service = AnsweringService({100, 200, 300, 400, 500}, {"a", "b", "c", "d"});
    {
        testing::InSequence order;
        EXPECT_CALL(*service, Advise(_, _));
        EXPECT_CALL(*service, PutProperty(chartengine::RP_PROJECTION, _));
        EXPECT_CALL(*service, PutProperty(chartengine::RP_VIEWPORT, _));
        EXPECT_CALL(*service, GetProperty(chartengine::RP_RANGETABLE, _));
        EXPECT_CALL(*service, GetProperty(chartengine::RP_RANGELABELS, _));
        EXPECT_CALL(*service, GetOwnPosition(_, _, _));
        EXPECT_CALL(*service, GetProperty(chartengine::RP_RANGE, _));
        EXPECT_CALL(*service, GetProperty(chartengine::RP_DRAWMAXRANGE, _));
        EXPECT_CALL(*service, GetProperty(chartengine::RP_CLUTTER, _))
            .WillOnce(DoAll(SetArgPointee<1>(RadarValue(int32_t(5 + 6 * 256 + 7 * 65536))), Return(0)));
        EXPECT_CALL(*service, GetProperty(chartengine::RP_PALETTE, _));
        EXPECT_CALL(*service, GetProperty(chartengine::RP_ADJUSTORIENT, _));
        EXPECT_CALL(*service, GetProperty(chartengine::RP_ADJUSTRANGE, _));
        EXPECT_CALL(*service, GetProperty(chartengine::RP_ADJUSTPOS_X, _));
        EXPECT_CALL(*service, GetProperty(chartengine::RP_ADJUSTPOS_Y, _));
    }
    ReadyView ready;
    RadarManager manager(Handing(std::move(service)), "missing-Rp.ini");
    ASSERT_EQ(manager.Init(&ready.view), 0);
    // Five ranges with four labels give four of each.
    EXPECT_EQ(manager.ranges, (std::vector<double>{100, 200, 300, 400}));
    EXPECT_EQ(manager.rangeLabels.size(), 4u);
    EXPECT_EQ(manager.sea, 5);
    EXPECT_EQ(manager.rain, 6);
    EXPECT_EQ(manager.gain, 7);
    // A missing range file fails ReadScales, not Init.
    EXPECT_EQ(manager.state(), 2);
    EXPECT_EQ(manager.ErrorText(), "<RadarManager::ReadScales()> Unreadable rp.ini. (does not contain nMaxRange entry)");
}

TEST(RadarManagerOverRecordingService, StartFailuresLeaveNoServiceRunning)
{
    ReadyView ready;
    QObject window;
    auto service = AnsweringService({100}, {"a"});
    MockRadarService& radar = *service;
    RadarManager manager(Handing(std::move(service)), "missing-Rp.ini");
    ASSERT_EQ(manager.Init(&ready.view), 0);

    EXPECT_CALL(radar, Start(&window)).WillOnce(Return(chartengine::kFail));
    EXPECT_EQ(manager.Start(&window), 1);
    EXPECT_EQ(manager.ErrorText(), "<RadarManager::Start()> ICMRadar->Start failed. (80004005)");

    // The service started but its processor reads 0: it is stopped again, and the next Start
    // starts it once.
    {
        testing::InSequence order;
        EXPECT_CALL(radar, Start(&window)).WillOnce(Return(chartengine::kOk));
        EXPECT_CALL(radar, GetProperty(chartengine::RP_PROCESSOR, _))
            .WillOnce(DoAll(SetArgPointee<1>(RadarValue(int32_t(0))), Return(chartengine::kOk)));
        EXPECT_CALL(radar, Stop()).WillOnce(Return(chartengine::kOk));
        EXPECT_CALL(radar, Start(&window)).WillOnce(Return(chartengine::kOk));
        EXPECT_CALL(radar, GetProperty(chartengine::RP_PROCESSOR, _))
            .WillOnce(Return(chartengine::kFail));
        EXPECT_CALL(radar, Stop()).WillOnce(Return(chartengine::kOk));
    }
    EXPECT_EQ(manager.Start(&window), 1);
    EXPECT_EQ(manager.ErrorText(), "<RadarManager::Start()> Could not start radar processor.");
    EXPECT_EQ(manager.running, 0);
    EXPECT_EQ(manager.Start(&window), 1);
    EXPECT_EQ(manager.ErrorText(), "<RadarManager::Start()> ICMRadar->get_Property failed.");
    EXPECT_EQ(manager.running, 0);
}

// A critical failure after the sink was connected: deleting the manager still disconnects the
// sink (its owner cleared first) and releases the service.
TEST(RadarManagerOverRecordingService, DeletingAfterACriticalInitFailureReleasesEverything)
{
    ReadyView ready;
    auto service = AnsweringService({100}, {"a"});
    MockRadarService& radar = *service;
    chartengine::RadarFrameListener* sink = nullptr;
    EXPECT_CALL(radar, Advise(_, _)).WillOnce(DoAll(SaveArg<0>(&sink), SetArgPointee<1>(42u), Return(0)));
    EXPECT_CALL(radar, PutProperty(chartengine::RP_VIEWPORT, _)).WillOnce(Return(chartengine::kFail));
    StatusCalls.clear();
    auto manager = std::make_unique<RadarManager>(Handing(std::move(service)), "missing-Rp.ini");
    manager->statusCallback = RecordStatus;
    ASSERT_EQ(manager->Init(&ready.view), 1);
    EXPECT_EQ(manager->state(), -1);
    EXPECT_EQ(manager->ErrorText(), "<RadarManager::SetMapView()> failed to initialize ICMRadar with MapViewport.");

    {
        testing::InSequence order;
        // A frame that arrives while the sink is disconnected does nothing.
        EXPECT_CALL(radar, Unadvise(42u)).WillOnce([&](uint32_t) {
            sink->OnNewFrame();
            return chartengine::kOk;
        });
        EXPECT_CALL(radar, Destroyed());
    }
    manager.reset();
    EXPECT_TRUE(StatusCalls.empty());
}

TEST(RadarManagerOverRecordingService, CriticalInitFailures)
{
    struct Case {
        const char* name;
        std::function<void(MockRadarService&)> failing;
        const char* error;
    };
    const Case cases[] = {
        {"sink", [](MockRadarService& s) { EXPECT_CALL(s, Advise(_, _)).WillOnce(Return(chartengine::kFail)); },
         "<RadarManager::Init()> failed to connect Radar event sink."},
        {"projection",
         [](MockRadarService& s) {
             EXPECT_CALL(s, PutProperty(chartengine::RP_PROJECTION, _)).WillOnce(Return(chartengine::kFail));
         },
         "<RadarManager::SetMapView()> failed to initialize ICMRadar with GeoProjection."},
        {"ranges",
         [](MockRadarService& s) {
             EXPECT_CALL(s, GetProperty(chartengine::RP_RANGELABELS, _)).WillOnce(Return(chartengine::kFail));
         },
         "<RadarManager::Init()> failed to retrieve radar ranges."},
    };
    for (const Case& c : cases) {
        ReadyView ready;
        auto service = AnsweringService({100}, {"a"});
        c.failing(*service);
        RadarManager manager(Handing(std::move(service)), "missing-Rp.ini");
        EXPECT_EQ(manager.Init(&ready.view), 1) << c.name;
        EXPECT_EQ(manager.state(), -1) << c.name;
        EXPECT_EQ(manager.ErrorText(), c.error) << c.name;
    }
    ReadyView ready;
    RadarManager none([](MapView&) { return nullptr; }, "missing-Rp.ini");
    EXPECT_EQ(none.Init(&ready.view), 1);
    EXPECT_EQ(none.state(), -1);
    EXPECT_EQ(none.ErrorText(), "<RadarManager::Init()> failed to initialize ICMRadar interface.");
}

}  // namespace
