#pragma once
// The radar manager's tests: a recording radar service, a main view made of real projection and
// viewport objects, and range files in a temporary folder.

#include "chart/MapView.h"
#include "platform/chartengine/GeoProjection.h"
#include "platform/chartengine/MapViewport.h"
#include "platform/chartengine/RadarService.h"
#include "radarweather/RadarManager.h"

#include <gmock/gmock.h>

#include <QObject>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

class MockRadarService : public chartengine::RadarService {
public:
    MOCK_METHOD(chartengine::HResult, Start, (QObject * owner), (override));
    MOCK_METHOD(chartengine::HResult, Stop, (), (override));
    MOCK_METHOD(chartengine::HResult, GetProperty, (int32_t code, chartengine::RadarValue* value), (override));
    MOCK_METHOD(chartengine::HResult, PutProperty, (int32_t code, const chartengine::RadarValue& value), (override));
    MOCK_METHOD(chartengine::HResult, GetOwnPosition, (double* latitude, double* longitude, double* heading),
                (override));
    MOCK_METHOD(chartengine::HResult, PutOwnPosition, (double latitude, double longitude, double heading), (override));
    MOCK_METHOD(chartengine::HResult, Draw, (QPainter & painter), (override));
    MOCK_METHOD(chartengine::HResult, Advise, (chartengine::RadarFrameListener * listener, uint32_t* cookie),
                (override));
    MOCK_METHOD(chartengine::HResult, Unadvise, (uint32_t cookie), (override));
    MOCK_METHOD(void, Destroyed, ());
    ~MockRadarService() override { Destroyed(); }
};

// A service that answers every call with success and the given range table and labels.
inline std::unique_ptr<testing::NiceMock<MockRadarService>> AnsweringService(std::vector<double> ranges,
                                                                              std::vector<std::string> labels)
{
    using testing::_;
    auto service = std::make_unique<testing::NiceMock<MockRadarService>>();
    ON_CALL(*service, GetProperty(_, _)).WillByDefault(testing::Return(chartengine::kOk));
    ON_CALL(*service, GetProperty(chartengine::RP_RANGETABLE, _))
        .WillByDefault(testing::DoAll(testing::SetArgPointee<1>(chartengine::RadarValue(ranges)),
                                      testing::Return(chartengine::kOk)));
    ON_CALL(*service, GetProperty(chartengine::RP_RANGELABELS, _))
        .WillByDefault(testing::DoAll(testing::SetArgPointee<1>(chartengine::RadarValue(labels)),
                                      testing::Return(chartengine::kOk)));
    ON_CALL(*service, GetProperty(chartengine::RP_PROCESSOR, _))
        .WillByDefault(testing::DoAll(testing::SetArgPointee<1>(chartengine::RadarValue(int32_t(1))),
                                      testing::Return(chartengine::kOk)));
    // Any call is allowed; a test's own expectations come later and take precedence.
    EXPECT_CALL(*service, GetProperty(_, _)).Times(testing::AnyNumber());
    EXPECT_CALL(*service, PutProperty(_, _)).Times(testing::AnyNumber());
    EXPECT_CALL(*service, Advise(_, _)).Times(testing::AnyNumber());
    return service;
}

// A main view as Init leaves it: state 1 with its projection and viewport.
struct ReadyView {
    MapView view;
    ReadyView()
    {
        view.state = 1;
        view.projection = std::make_shared<chartengine::GeoProjection>();
        view.viewport = std::make_unique<chartengine::MapViewport>(view.projection);
    }
};

// A manager over one service made beforehand.
inline RadarManager::ServiceFactory Handing(std::unique_ptr<chartengine::RadarService> service)
{
    auto held = std::make_shared<std::unique_ptr<chartengine::RadarService>>(std::move(service));
    return [held](MapView&) { return std::move(*held); };
}

inline std::string FileText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}
