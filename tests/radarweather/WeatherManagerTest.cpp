// The weather manager over the engine's real weather services and a real main view: its start
// against each failing step, its values, and a request through the update service.

#include "ChartWindowFixture.h"
#include "WeatherFixtures.h"

#include "TimeZone.h"

#include "chart/MapView.h"
#include "platform/chartengine/S52ColourTokens.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/SoundPlayer.h"
#include "frame/SharedTables.h"
#include "radarweather/TWeatherDlg.h"
#include "radarweather/WeatherDates.h"
#include "radarweather/WeatherGraphView.h"
#include "radarweather/WeatherManager.h"

#include <QChart>
#include <QCoreApplication>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

using namespace chartengine;

namespace {

// A tool whose steps fail as a test asks.
class TestTool : public WeatherTool {
public:
    using WeatherTool::WeatherTool;
    HResult initialize = kOk;
    HResult attach = kOk;
    bool adviseFails = false, createFails = false, noClient = false, clientAdviseFails = false;
    std::weak_ptr<WeatherClient> client;

    HResult Initialize(const std::string& grib, const std::string& cyclone, const WeatherProperty& codes,
                       int32_t smoothing) override
    {
        const HResult result = WeatherTool::Initialize(grib, cyclone, codes, smoothing);
        return initialize == kOk ? result : initialize;
    }
    HResult AttachUpdates(WeatherUpdate* update) override
    {
        return attach == kOk ? WeatherTool::AttachUpdates(update) : attach;
    }
    HResult Advise(WeatherListeners::Listener listener, int32_t* cookie) override
    {
        return adviseFails ? kFail : WeatherTool::Advise(std::move(listener), cookie);
    }
    HResult CreateClient(std::shared_ptr<WeatherClient>* out) override;
};

class TestClient : public WeatherClient {
public:
    TestClient(std::shared_ptr<WeatherTool> tool, bool adviseFails) : WeatherClient(std::move(tool)), fails(adviseFails) {}
    HResult Advise(WeatherListeners::Listener listener, int32_t* cookie) override
    {
        return fails ? kFail : WeatherClient::Advise(std::move(listener), cookie);
    }
    bool fails;
};

HResult TestTool::CreateClient(std::shared_ptr<WeatherClient>* out)
{
    if (createFails)
        return kFail;
    if (noClient) {
        out->reset();
        return kOk;
    }
    auto made = std::make_shared<TestClient>(shared_from_this(), clientAdviseFails);
    client = made;
    *out = made;
    return kOk;
}

class TestUpdate : public WeatherUpdate {
public:
    using WeatherUpdate::WeatherUpdate;
    bool adviseFails = false;
    HResult Advise(WeatherListeners::Listener listener, int32_t* cookie) override
    {
        return adviseFails ? kFail : WeatherUpdate::Advise(std::move(listener), cookie);
    }
};

bool WaitFor(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

struct Event {
    int32_t kind, code, a, b;
    std::string text;
};
std::vector<Event> Events;

bool Seen(int32_t kind)
{
    return std::any_of(Events.begin(), Events.end(), [kind](const Event& e) { return e.kind == kind; });
}

int32_t Record(int32_t kind, int32_t code, int32_t a, int32_t b, const char* text)
{
    Events.push_back({kind, code, a, b, text ? text : ""});
    return 0;
}

class WeatherManagerTest : public charttest::ChartWindowTest {
public:
    void SetUp() override
    {
        ChartWindowTest::SetUp();
        OfferWeather();
        StartEngine("");
        Events.clear();
        program = std::filesystem::path(dir.path().toStdString());
        config = program / "weather.ini";
        std::ofstream(config) << "[Source]\nLocation=inbox\n[SubZones]\nCount=1\n1\\Name=World\n1\\South=-90\n"
                                 "1\\West=-180\n1\\North=90\n1\\East=180\n1\\Expiry=2099-12-31\n";
    }

    WeatherServiceMaker Maker()
    {
        WeatherServiceMaker maker;
        maker.tool = [this]() -> std::shared_ptr<WeatherTool> {
            if (noTool)
                return nullptr;
            auto t = std::make_shared<TestTool>(program);
            setupTool(*t);
            tool = t;
            return t;
        };
        maker.update = [this]() -> std::shared_ptr<WeatherUpdate> {
            if (noUpdate)
                return nullptr;
            auto u = std::make_shared<TestUpdate>(program, config);
            u->adviseFails = updateAdviseFails;
            update = u;
            return u;
        };
        return maker;
    }

    // A small forecast of wind (3, 4), 1013 hPa and 288.1 K around the default chart area, from
    // 00 UTC of `day` at the steps of `hours`.
    void WriteForecast(const std::filesystem::path& file, long day = 20261211,
                       const std::vector<long>& hours = {0, 6, 12})
    {
        std::vector<GribGridField> fields;
        for (long hour : hours) {
            const auto constant = [](double value) { return [value](double, double) { return value; }; };
            for (auto [name, value] : {std::pair{"10u", 3.0}, {"10v", 4.0}, {"msl", 101300.0}, {"2t", 288.1}}) {
                GribGridField f = weatherfixtures::Field(name, -84, 30, 1, 25, 16, hour, constant(value));
                f.referenceDate = day;
                fields.push_back(f);
            }
        }
        ASSERT_TRUE(weatherfixtures::WriteGrib(file, fields));
    }

    // A manager started over yesterday's forecast beside the approach cell with the wind shown:
    // where every request test begins. Null when Init fails.
    std::unique_ptr<WeatherManager> StartOverYesterdaysForecast()
    {
        const QDate yesterday = QDate::currentDate().addDays(-1);
        WriteForecast(program / "gribdata.grb", yesterday.year() * 10000 + yesterday.month() * 100 + yesterday.day());
        MainMapView->SetCentre(charttest::kInApproachCell);
        auto manager = std::make_unique<WeatherManager>(Maker());
        manager->statusCallback = Record;
        if (manager->Init(MainMapView) != 0)
            return nullptr;
        manager->ShowGroup(0x200, 1);
        return manager;
    }

    TimeZone zone{"UTC"};
    QTemporaryDir dir;
    std::filesystem::path program, config;
    bool noTool = false, noUpdate = false, updateAdviseFails = false;
    std::function<void(TestTool&)> setupTool = [](TestTool&) {};
    std::weak_ptr<WeatherTool> tool;
    std::weak_ptr<WeatherUpdate> update;
};

// Init against each step that fails: its result, state and text, and nothing left connected to
// a service once the manager is deleted, whatever its state.
TEST_F(WeatherManagerTest, InitAgainstEachFailingStep)
{
    struct Case {
        const char* what;
        std::function<void(WeatherManagerTest&)> arrange;
        int32_t result, state;
        std::string text;
    };
    const std::string head = "<WeatherManager::Init()> ";
    const auto toolStep = [](std::function<void(TestTool&)> step) {
        return [step](WeatherManagerTest& t) { t.setupTool = step; };
    };
    const Case cases[] = {
        {"no tool", [](WeatherManagerTest& t) { t.noTool = true; }, 1, -1, head + "failed to initialize ICMWeatherTool interface"},
        {"no update service", [](WeatherManagerTest& t) { t.noUpdate = true; }, 1, -1,
         head + "failed to initialize ICMWeatherUpdate interface"},
        {"tool sink", toolStep([](TestTool& s) { s.adviseFails = true; }), 1, -1,
         head + "failed to connect Weather tool event sink."},
        {"update sink", [](WeatherManagerTest& t) { t.updateAdviseFails = true; }, 1, -1,
         head + "failed to connect Weather Update event sink."},
        {"data file missing", [](WeatherManagerTest&) {}, 0, 2,
         head + "m_pICMWeatherTool->Initialize failed to open data file."},
        {"no usable message", toolStep([](TestTool& s) { s.initialize = kFail; }), 0, 2,
         head + "m_pICMWeatherTool->Initialize failed to calculate itenerary."},
        {"unexpected", toolStep([](TestTool& s) { s.initialize = kUnexpected; }), 0, 2,
         head + "m_pICMWeatherTool->Initialize returned unexpected failure."},
        {"other", toolStep([](TestTool& s) { s.initialize = kInvalidArgument; }), 0, 2,
         head + "m_pICMWeatherTool->Initialize default failure (SHOULD NOT HAPPEN)."},
        {"attach false", toolStep([](TestTool& s) { s.attach = kFalse; }), 0, 2,
         head + "m_pICMWeatherTool->AttachUpdates update pointer is NULL."},
        {"attach failed", toolStep([](TestTool& s) { s.attach = kFail; }), 0, 2,
         head + "m_pICMWeatherTool->AttachUpdates internal error."},
        {"client", toolStep([](TestTool& s) { s.createFails = true; }), 1, -1,
         head + "m_pICMWeatherTool->CreateClient failed."},
        {"client interface", toolStep([](TestTool& s) { s.noClient = true; }), 1, -1,
         head + "failed to initialize ICMWeatherClient interface"},
        {"client sink", toolStep([](TestTool& s) { s.clientAdviseFails = true; }), 1, -1,
         head + "failed to connect Weather Client event sink."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        noTool = noUpdate = updateAdviseFails = false;
        setupTool = [](TestTool&) {};
        c.arrange(*this);
        if (c.state != 2 || std::string(c.what) != "data file missing")
            WriteForecast(program / "gribdata.grb");
        else
            std::filesystem::remove(program / "gribdata.grb");
        auto* manager = new WeatherManager(Maker());
        EXPECT_EQ(manager->ErrorText(), "No error (yet).");
        EXPECT_EQ(manager->Init(MainMapView), c.result);
        EXPECT_EQ(manager->state(), c.state);
        EXPECT_EQ(manager->ErrorText(), c.text);
        EXPECT_EQ(manager->state(), c.state) << "reading the text changes nothing";
        const auto heldTool = tool.lock();
        const auto heldUpdate = update.lock();
        std::shared_ptr<WeatherClient> heldClient;
        if (auto* t = dynamic_cast<TestTool*>(heldTool.get()))
            heldClient = t->client.lock();
        if (c.state == 2) {
            EXPECT_NE(manager->Client(), nullptr);
            EXPECT_EQ(manager->groups.size(), 6u);
        }
        delete manager;
        if (heldTool) {
            EXPECT_EQ(heldTool->ListenerCount(), heldClient ? 1u : 0u);  // the client's own
        }
        if (heldUpdate) {
            EXPECT_EQ(heldUpdate->ListenerCount(), 0u);
        }
        QCoreApplication::processEvents();
    }
}

// Refusals leave the state; UnInit opens the way to a new Init; values answer without data.
TEST_F(WeatherManagerTest, RefusalsValuesAndGroups)
{
    WriteForecast(program / "gribdata.grb");
    WeatherManager manager(Maker());
    EXPECT_EQ(manager.Init(nullptr), 1);
    EXPECT_EQ(manager.state(), 0);
    EXPECT_EQ(manager.ErrorText(), "<WeatherManager::Init()> Specified MapView was NULL.");
    EXPECT_EQ(manager.GetValueAt(0x300, 35, -75), WeatherNoValue);
    manager.ShowGroup(0x200, 1);
    EXPECT_EQ(manager.state(), 0) << "a refusal for not being initialised leaves the state";
    ASSERT_EQ(manager.Init(MainMapView), 0);
    EXPECT_EQ(manager.state(), 1) << manager.ErrorText();
    EXPECT_EQ(manager.Init(MainMapView), 1);
    EXPECT_EQ(manager.ErrorText(), "<WeatherManager::Init()> Manager already initialized.");
    EXPECT_EQ(manager.state(), 1);

    EXPECT_EQ(WeatherManager::GroupName(0x600), "");
    EXPECT_EQ(manager.GroupCode(6), 0);
    EXPECT_TRUE(manager.GroupHasData(0x200));
    EXPECT_FALSE(manager.GroupHasData(0x400));
    EXPECT_TRUE(manager.isReady());
    EXPECT_EQ(manager.GetSmooth(), 30);
    EXPECT_EQ(manager.GetPredictionsCount(), 24);  // 12 hours in 30 minutes

    // Every group shown and then every group off: no record stays drawn.
    manager.ShowGroup(0, 1);
    EXPECT_TRUE(manager.IsGroupShown(0x400));
    manager.ShowGroup(0x100, 0);
    EXPECT_FALSE(manager.Client()->IsShown(0x101));
    EXPECT_TRUE(manager.Client()->IsShown(0x201));

    EXPECT_DOUBLE_EQ(manager.GetValueAt(0x200, 35, -75), 5.0);
    double east = 0, north = 0;
    EXPECT_TRUE(manager.GetDirectionAt(0x200, 35, -75, &east, &north));
    EXPECT_NEAR(east, 3, 1e-3);
    EXPECT_EQ(manager.GetValueAt(0x400, 35, -75), WeatherNoValue);
    EXPECT_NEAR(manager.GetForecastValueAt(0x300, 12, 35, -75), 288.1, 1e-3);
    EXPECT_EQ(manager.GetForecastValueAt(0x300, 25, 35, -75), WeatherNoValue);
    EXPECT_NEAR(manager.forecastEnd - manager.forecastStart, 0.5, 1e-9);

    EXPECT_EQ(manager.UnInit(), 0);
    EXPECT_EQ(manager.state(), 0);
    EXPECT_EQ(manager.Init(MainMapView), 0);
}

// Requests against the real update service with a folder source.
TEST_F(WeatherManagerTest, RequestsThroughAFolderSource)
{
    const std::unique_ptr<WeatherManager> started = StartOverYesterdaysForecast();
    ASSERT_NE(started, nullptr);
    WeatherManager& manager = *started;

    // An empty inbox: the reason comes back as an error, the data and the layers stay.
    ASSERT_EQ(manager.StartWeatherRequest(), 1);
    ASSERT_TRUE(WaitFor([&] { return Seen(0); }));
    EXPECT_EQ(manager.weatherRequestPending, 0);
    EXPECT_NE(manager.statusText.find("inbox"), std::string::npos) << manager.statusText;
    EXPECT_TRUE(std::filesystem::is_directory(program / "inbox"));
    EXPECT_TRUE(manager.IsGroupShown(0x200));
    const double oldEnd = manager.forecastEnd;

    // A later forecast dropped in: the chain asks for the date and the zones, then downloads;
    // the new data hold before the event of new data, and the groups come back.
    // Two days from today's 00 UTC, so that the steps ahead of the clock are there at any hour.
    const QDate today = QDate::currentDate();
    WriteForecast(program / "inbox" / "new.grb", today.year() * 10000 + today.month() * 100 + today.day(),
                  {0, 6, 12, 18, 24, 30, 36, 42, 48});
    Events.clear();
    manager.forecastLength = 36;
    ASSERT_EQ(manager.StartWeatherRequest(), 1) << manager.ErrorText();
    ASSERT_TRUE(WaitFor([&] { return Seen(5) || Seen(0); })) << manager.statusText;
    ASSERT_TRUE(Seen(5)) << manager.statusText;
    WaitFor([&] { return manager.IsGroupShown(0x200); });
    EXPECT_EQ(manager.weatherRequestPending, 0);
    EXPECT_GT(manager.forecastEnd, oldEnd);
    EXPECT_TRUE(manager.IsGroupShown(0x200));
    EXPECT_FALSE(std::filesystem::exists(program / "gribdata.grb.part"));
    bool downloading = false;
    for (const Event& e : Events)
        downloading = downloading || (e.kind == 1 && e.text == "Downloading..");
    EXPECT_TRUE(downloading);
    // Stages 4 and 5 carry (done, total) the way the dialog reads them: B of A, never past it.
    std::set<int32_t> counted;
    for (const Event& e : Events)
        if (e.kind == 1 && (e.code == 4 || e.code == 5)) {
            counted.insert(e.code);
            EXPECT_GT(e.a, 0) << "stage " << e.code;
            EXPECT_LE(e.b, e.a) << "stage " << e.code;
        }
    EXPECT_EQ(counted, (std::set<int32_t>{4, 5}));

    // A view reaching past the forecast's west edge: the cut starts at its first column.
    MainMapView->SetScale(20000000);
    const QDate tomorrow = today.addDays(1);
    WriteForecast(program / "inbox" / "wide.grb", tomorrow.year() * 10000 + tomorrow.month() * 100 + tomorrow.day());
    Events.clear();
    ASSERT_EQ(manager.StartWeatherRequest(), 1) << manager.ErrorText();
    ASSERT_TRUE(WaitFor([&] { return Seen(5) || Seen(0); })) << manager.statusText;
    EXPECT_TRUE(Seen(5)) << manager.statusText;
    WaitFor([&] { return manager.IsGroupShown(0x200); });

    // The sub-zones and a refused request.
    ASSERT_EQ(manager.subZones.size(), 1u);
    EXPECT_TRUE(manager.subZones[0].IsWorld());
    manager.layerPressure = manager.layerTemperature = manager.layerWind = manager.layerWave = manager.layerPrecipitation = 0;
    EXPECT_EQ(manager.StartWeatherRequest(), 0);
    EXPECT_EQ(manager.statusText, "No weather Parameters Selected.");
    EXPECT_EQ(manager.ErrorText(), "<WeatherManager::StartWeatherRequest()> No weather parameters selected.");

    // A cancel at once leaves no file behind and no request pending.
    manager.layerWind = 1;
    ASSERT_EQ(manager.StartWeatherRequest(), 1);
    manager.CancelWeatherRequest();
    EXPECT_EQ(manager.weatherRequestPending, 0);
    EXPECT_EQ(manager.GetUpdateStatus(), 0);
}

// A GRIB file served over HTTP on 127.0.0.1: whole (in two parts), or half of it and then
// nothing more or a closed connection, or not found.
class GribServer {
public:
    enum class Answer { Whole, HalfThenWait, HalfThenClose, Missing };

    explicit GribServer(QByteArray body) : body_(std::move(body))
    {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Respond(socket); });
        });
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + "/forecast.grb"; }

    Answer answer = Answer::Whole;

private:
    void Respond(QTcpSocket* socket)
    {
        QByteArray& request = requests_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        if (answer == Answer::Missing) {
            socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nnot found");
            socket->disconnectFromHost();
            return;
        }
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\nContent-Length: " +
                      QByteArray::number(body_.size()) + "\r\n\r\n");
        const qsizetype half = body_.size() / 2;
        socket->write(body_.left(half));
        if (answer == Answer::HalfThenClose)
            socket->disconnectFromHost();
        else if (answer == Answer::Whole)
            QTimer::singleShot(30, socket, [socket, rest = body_.mid(half)] {
                socket->write(rest);
                socket->disconnectFromHost();
            });
    }

    QTcpServer server_;
    QByteArray body_;
    std::map<QTcpSocket*, QByteArray> requests_;
};

std::string FileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Requests against the real update service with an HTTP source: the example of today made by
// weather-example-make downloads; a cancel during the download, a missing file and a connection
// closed early leave "gribdata.grb", the layers and the program folder as they were, with a
// plain reason for the failures.
TEST_F(WeatherManagerTest, RequestsThroughAnHttpSource)
{
    const QDate today = QDate::currentDate();
    const std::filesystem::path served = program / "served.grb";
    ASSERT_EQ(QProcess::execute(WEATHER_EXAMPLE_MAKE,
                                {QString::fromStdString(served.string()), today.toString("yyyyMMdd")}),
              0);
    const std::string body = FileBytes(served);
    std::filesystem::remove(served);
    GribServer server(QByteArray::fromStdString(body));
    std::ofstream(config) << "[Source]\nLocation=" << server.Url()
                          << "\n[SubZones]\nCount=1\n1\\Name=World\n1\\South=-90\n1\\West=-180\n1\\North=90\n"
                             "1\\East=180\n1\\Expiry=2099-12-31\n";
    const std::unique_ptr<WeatherManager> started = StartOverYesterdaysForecast();
    ASSERT_NE(started, nullptr);
    WeatherManager& manager = *started;
    const std::filesystem::path download = program / "weather-download.grb.part";

    // The whole file: the chain asks for the date (a first download) and the zones, then
    // downloads again and cuts; the bar counts the kilobytes of the total.
    const double oldEnd = manager.forecastEnd;
    ASSERT_EQ(manager.StartWeatherRequest(), 1) << manager.ErrorText();
    ASSERT_TRUE(WaitFor([&] { return Seen(5) || Seen(0); })) << manager.statusText;
    ASSERT_TRUE(Seen(5)) << manager.statusText;
    WaitFor([&] { return manager.IsGroupShown(0x200); });
    EXPECT_GT(manager.forecastEnd, oldEnd);
    EXPECT_FALSE(std::filesystem::exists(download));
    const int32_t kilobytes = static_cast<int32_t>((body.size() + 1023) / 1024);
    bool counted = false;
    for (const Event& e : Events)
        if (e.kind == 1 && e.code == 4 && e.a == kilobytes) {
            counted = true;
            EXPECT_LE(e.b, e.a);
        }
    EXPECT_TRUE(counted);

    const auto unchanged = [&](const std::string& data) {
        EXPECT_EQ(FileBytes(program / "gribdata.grb"), data);
        EXPECT_FALSE(std::filesystem::exists(download));
        EXPECT_FALSE(std::filesystem::exists(program / "gribdata.grb.part"));
        EXPECT_TRUE(manager.IsGroupShown(0x200));
        EXPECT_EQ(manager.weatherRequestPending, 0);
        EXPECT_EQ(manager.GetUpdateStatus(), 0);
    };

    // A cancel while the file comes in.
    const std::string data = FileBytes(program / "gribdata.grb");
    server.answer = GribServer::Answer::HalfThenWait;
    Events.clear();
    ASSERT_EQ(manager.StartWeatherRequest(), 1) << manager.ErrorText();
    ASSERT_TRUE(WaitFor([&] {
        return std::any_of(Events.begin(), Events.end(), [](const Event& e) { return e.kind == 1 && e.code == 4 && e.b > 0; });
    }));
    EXPECT_TRUE(std::filesystem::exists(download)) << "the download streams into its file";
    manager.CancelWeatherRequest();
    EXPECT_EQ(manager.statusText, "Canceled by user");
    unchanged(data);
    Events.clear();
    QElapsedTimer pause;  // a while for late events
    pause.start();
    while (pause.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(Seen(5));
    EXPECT_FALSE(Seen(0));

    // The failures mid-way, each with its reason.
    const struct {
        GribServer::Answer answer;
        const char* reason;
    } failures[] = {
        {GribServer::Answer::Missing, "The weather server has no forecast at http://127.0.0.1"},
        {GribServer::Answer::HalfThenClose, "The weather server closed the connection before the forecast was complete."},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.reason);
        server.answer = failure.answer;
        Events.clear();
        ASSERT_EQ(manager.StartWeatherRequest(), 1) << manager.ErrorText();
        ASSERT_TRUE(WaitFor([&] { return Seen(0) || Seen(5); }));
        EXPECT_TRUE(Seen(0));
        EXPECT_EQ(manager.statusText.rfind(failure.reason, 0), 0u) << manager.statusText;
        unchanged(data);
    }
}

// The corrections of a request and the outward rounding of the area.
TEST_F(WeatherManagerTest, RequestValuesAndArea)
{
    WriteForecast(program / "gribdata.grb");
    std::filesystem::create_directories(program / "inbox");
    WriteForecast(program / "inbox" / "a.grb");
    WeatherManager manager(Maker());
    ASSERT_EQ(manager.Init(MainMapView), 0);
    manager.lastWeatherDate = 1;
    manager.firstForecastHour = 0;
    manager.forecastLength = 252;
    manager.timeStep = 18;
    manager.ParseSubZones();
    // The zones are there once asked for.
    ASSERT_EQ(manager.StartSubZonesRequest(), 1);
    ASSERT_TRUE(WaitFor([&] { return manager.GetUpdateStatus() == 0; }));
    QCoreApplication::processEvents();
    manager.ParseSubZones();
    ASSERT_EQ(manager.subZones.size(), 1u);
    double s = 0, w = 0, n = 0, e = 0;
    ASSERT_TRUE(manager.BuildRequestArea(&s, &w, &n, &e));
    EXPECT_EQ(std::fmod(s, 3.0), 0.0);
    EXPECT_EQ(std::fmod(e, 6.0), 0.0);
    EXPECT_LT(s, n);
    EXPECT_LT(w, e);
    // An expired world zone and no other: no subscription.
    manager.subZones[0].expiry = 1;
    EXPECT_FALSE(manager.BuildRequestArea(&s, &w, &n, &e));
    EXPECT_EQ(manager.statusText, "No Subscription");
    // A zone over part of the view: the larger piece of it.
    SubZone part;
    part.name = "West";
    part.south = -90, part.west = -180, part.north = 90, part.east = cmgbase::nrm2deg(MainMapView->centre.x);
    part.expiry = 1e9;
    manager.subZones.push_back(part);
    double ps = 0, pw = 0, pn = 0, pe = 0;
    ASSERT_TRUE(manager.BuildRequestArea(&ps, &pw, &pn, &pe));
    EXPECT_NEAR(pe, part.east, 1e-6);
}

}  // namespace

namespace {

// The example forecast drawn by the client through the main view at a small scale: wind barbs
// and isobars land on the picture where the view shows the forecast's area.
TEST_F(WeatherManagerTest, TheClientDrawsTheExampleOverTheView)
{
    std::filesystem::copy_file(weatherfixtures::ExampleForecast(), program / "gribdata.grb");
    MainMapView->SetCentre(charttest::Degrees(-72, 37.5));
    MainMapView->SetScale(20000000);
    WeatherManager manager(Maker());
    ASSERT_EQ(manager.Init(MainMapView), 0);
    EXPECT_EQ(manager.state(), 1) << manager.ErrorText();
    manager.ShowGroup(0x200, 1);
    manager.ShowGroup(0x100, 1);

    QImage picture(800, 600, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.translate(400, 300);
        painter.scale(1, -1);
        EXPECT_EQ(manager.Client()->Draw(&painter, 1), kOk);
    }
    int drawn = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            drawn += qAlpha(picture.pixel(x, y)) != 0;
    EXPECT_GT(drawn, 2000);
    EXPECT_EQ(qAlpha(picture.pixel(2, 2)), 0) << "the corner lies outside the forecast's area";
    if (const char* keep = std::getenv("WEATHER_PICTURE"))
        picture.save(keep);
}

}  // namespace

namespace {

QImage DrawMainChart()
{
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    painter.translate(300, 200);
    painter.scale(1, -1);
    MainMapView->DrawChart(painter, {-300, 200, 300, -200});
    return image;
}

QRgb TokenColour(int token)
{
    const auto& t = MainMapView->chartColourTable;
    return qRgb(t[3 * token], t[3 * token + 1], t[3 * token + 2]);
}

// Temperature is drawn by the chart draw: a translucent tint over the depth areas (each still
// told from the others), under the contours, soundings and symbols; it goes with the group.
TEST_F(WeatherManagerTest, TemperatureTintsTheChartUnderItsContoursSoundingsAndSymbols)
{
    WriteForecast(program / "gribdata.grb");
    MainMapView->SetCentre(charttest::kInApproachCell);
    MainMapView->SetScale(60000);
    WeatherManager manager(Maker());
    ASSERT_EQ(manager.Init(MainMapView), 0);
    const QImage plain = DrawMainChart();
    manager.ShowGroup(0x300, 1);
    const QImage tinted = DrawMainChart();
    manager.ShowGroup(0x300, 0);
    EXPECT_EQ(DrawMainChart(), plain) << "the tint goes with the group";

    int changed = 0, ink = 0, inkChanged = 0, depth = 0, depthUntinted = 0;
    std::map<int, QRgb> depthShades;  // depth colour token -> its tinted colour
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb before = plain.pixel(x, y), after = tinted.pixel(x, y);
            changed += before != after;
            for (int token : {kCHBLK, kSNDG1, kSNDG2, kDEPCN, kDEPSC})
                if (before == TokenColour(token)) {
                    ++ink;
                    inkChanged += after != before;
                }
            for (int token : {kDEPIT, kDEPVS, kDEPMS, kDEPMD, kDEPDW})
                if (before == TokenColour(token)) {
                    ++depth;
                    depthUntinted += after == before;
                    depthShades.emplace(token, after);
                }
        }
    EXPECT_GT(changed, plain.width() * plain.height() / 2);
    EXPECT_GT(ink, 200) << "contours, soundings and symbols to look at";
    // An edge pixel may blend to a token's colour by chance; drawn under the tint, all would change.
    EXPECT_LE(inkChanged, ink / 500) << "of " << ink << " pixels of contours, soundings and symbols";
    // A hazard's area over the depths (an obstruction's) keeps its own fill over the tint.
    EXPECT_LT(depthUntinted, depth / 10) << "of " << depth << " pixels of depth areas";
    ASSERT_GE(depthShades.size(), 2u);
    std::set<QRgb> distinct;
    for (const auto& [token, shade] : depthShades)
        distinct.insert(shade);
    EXPECT_EQ(distinct.size(), depthShades.size()) << "depth shading stays readable";
    if (const char* keep = std::getenv("WEATHER_PICTURE")) {
        tinted.save(keep);
        plain.save(QString(keep) + ".plain.png");
    }
}

}  // namespace

namespace {

// The columns of the graph's plot drawn black from top to bottom, in viewport pixels, and where
// the graph puts the time shown.
std::vector<int> MarkedColumns(const TWeatherDlg& dialog)
{
    QCoreApplication::processEvents();
    const QImage shot = dialog.m_Chart->viewport()->grab().toImage();
    QChart* chart = dialog.m_Chart->chart();
    const QRect plot = dialog.m_Chart->mapFromScene(chart->mapRectToScene(chart->plotArea())).boundingRect();
    std::vector<int> columns;
    // The plot's own edges carry the axes.
    for (int x = plot.left() + 3; x <= plot.right() - 3; ++x) {
        int black = 0;
        for (int y = plot.top() + 2; y <= plot.bottom() - 2; ++y)
            black += qGray(shot.pixel(x, y)) < 60;
        if (black > (plot.height() - 4) * 9 / 10)
            columns.push_back(x);
    }
    return columns;
}

int ShownTimeColumn(const TWeatherDlg& dialog)
{
    QChart* chart = dialog.m_Chart->chart();
    const auto ms = static_cast<qreal>(WeatherDateTime(dialog.shownTime).toMSecsSinceEpoch());
    return dialog.m_Chart->mapFromScene(chart->mapToScene(chart->mapToPosition(QPointF(ms, 0), dialog.Series1))).x();
}

// The graph marks the time shown with a black line through its plot, while the manager is
// initialised; each layer's help shows its own legend picture of the program folder.
TEST_F(WeatherManagerTest, TheGraphMarksTheTimeShownAndEachLayerHasItsLegend)
{
    std::filesystem::copy_file(weatherfixtures::ExampleForecast(), program / "gribdata.grb");
    const char* const legends[] = {"wind.bmp",     "temperature.bmp", "precipitation.bmp",
                                   "pressure.bmp", "waves.bmp",       "current.bmp"};
    for (const char* name : legends)
        std::filesystem::copy_file(weatherfixtures::ExampleForecast().parent_path() / name, program / name);
    const std::filesystem::path previousFolder = ProgramFolder;
    ProgramFolder = program;
    WeatherService = new WeatherManager(Maker());
    ASSERT_EQ(WeatherService->Init(MainMapView), 0);
    {
        TWeatherDlg dialog;
        WeatherDlg = &dialog;
        dialog.resize(700, 520);
        dialog.show();
        ASSERT_TRUE(dialog.HasTimes());
        dialog.tbShow->setValue(40);
        dialog.ShowGraph(37.5, -72);
        const int first = ShownTimeColumn(dialog);
        std::vector<int> marked = MarkedColumns(dialog);
        ASSERT_FALSE(marked.empty());
        EXPECT_LE(std::abs(marked.front() - first), 1);
        EXPECT_LE(std::abs(marked.back() - first), 1);

        dialog.tbShow->setValue(40 + 96);  // two days on
        const int later = ShownTimeColumn(dialog);
        EXPECT_GT(later, first + 20);
        marked = MarkedColumns(dialog);
        ASSERT_FALSE(marked.empty());
        EXPECT_LE(std::abs(marked.front() - later), 1);
        EXPECT_LE(std::abs(marked.back() - later), 1);

        std::vector<QImage> shown;
        for (int item = 0; item < WeatherItemCount; ++item) {
            SCOPED_TRACE(legends[item]);
            dialog.cklItem->setCurrentRow(item);
            dialog.btnHelpClick();
            const QImage legend = dialog.imgHelp->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(legend.isNull());
            EXPECT_EQ(legend, QImage(QString::fromStdString((program / legends[item]).string()))
                                  .convertToFormat(QImage::Format_RGB32));
            for (const QImage& other : shown)
                EXPECT_NE(legend, other);
            shown.push_back(legend);
        }

        WeatherService->UnInit();
        dialog.m_Chart->viewport()->update();
        EXPECT_TRUE(MarkedColumns(dialog).empty()) << "no line without an initialised manager";
        WeatherDlg = nullptr;
    }
    delete WeatherService;
    WeatherService = nullptr;
    ProgramFolder = previousFolder;
}

}  // namespace

namespace {

// The weather dialog offscreen: without data its time controls rest (no division by a zero count); a
// progress past its total shows "ERROR !"; an error shows its reason and puts the captions back;
// new data beep and refresh the dialog.
TEST_F(WeatherManagerTest, TheDialogWithAndWithoutData)
{
    std::vector<std::pair<int32_t, int32_t>> tones;
    platform::SetToneSink([&](int32_t hz, int32_t ms) { tones.emplace_back(hz, ms); });
    WeatherService = new WeatherManager(Maker());
    ASSERT_EQ(WeatherService->Init(MainMapView), 0);
    EXPECT_EQ(WeatherService->state(), 2) << "no data file";
    TWeatherDlg dialog;
    WeatherDlg = &dialog;
    dialog.FormShow();
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(dialog.cklItem->item(i)->flags() & Qt::ItemIsEnabled) << i;
        EXPECT_EQ(dialog.cklItem->item(i)->checkState(), Qt::Unchecked);
    }
    EXPECT_FALSE(dialog.btnGetUpdate->isEnabled());
    EXPECT_FALSE(dialog.tbShow->isEnabled());
    EXPECT_TRUE(dialog.pnFrom->text().isEmpty());
    dialog.tbShowChange();
    dialog.dtShowDayChange();

    ShowWeatherStatus(1, 4, 100, 120, "Downloading..");
    EXPECT_EQ(dialog.txInfo->text(), "ERROR !");
    ShowWeatherStatus(1, 4, 1000, 250, "Downloading..");
    EXPECT_EQ(dialog.ProgressBar->maximum(), 1000);
    EXPECT_EQ(dialog.ProgressBar->value(), 250);

    // A stage without counts shows the bar busy; the error that ends it stops the bar.
    ShowWeatherStatus(1, 1, 0, 0, "Open Comm");
    EXPECT_EQ(dialog.ProgressBar->maximum(), 0);
    WeatherService->statusText = "The weather inbox holds no GRIB file.";
    dialog.btnGetUpdate->setText("busy");
    ShowWeatherStatus(0, static_cast<int32_t>(0x80020003u), 0, 0, "Update error occurred.");
    EXPECT_EQ(dialog.txInfo->text(), "The weather inbox holds no GRIB file.");
    EXPECT_NE(dialog.btnGetUpdate->text(), "busy");
    EXPECT_EQ(dialog.ProgressBar->maximum(), 100);
    EXPECT_EQ(dialog.ProgressBar->value(), 0);

    // New data: the example arrives, the beep sounds and the dialog shows its times.
    std::filesystem::copy_file(weatherfixtures::ExampleForecast(), program / "gribdata.grb");
    ASSERT_EQ(tool.lock()->Reload(), kOk);
    WeatherService->UpdateParams(0);
    WeatherService->_UpdateProperties();
    ShowWeatherStatus(5, 0, 0, 0, "");
    ASSERT_EQ(tones.size(), 1u);
    EXPECT_EQ(tones[0], std::make_pair(440, 100));
    EXPECT_TRUE(dialog.cklItem->item(0)->flags() & Qt::ItemIsEnabled);
    EXPECT_FALSE(dialog.pnFrom->text().isEmpty());
    EXPECT_EQ(dialog.stepCount, 240);  // five days of 30 minutes
    // Data from midnight with 30-minute steps: position 25 shows 12:30.
    dialog.tbShow->setValue(25);
    EXPECT_EQ(dialog.edShowHour->text(), "12:30");
    EXPECT_EQ(dialog.shownIndex, 25);

    WeatherDlg = nullptr;
    delete WeatherService;
    WeatherService = nullptr;
    platform::SetToneSink({});
}

}  // namespace
