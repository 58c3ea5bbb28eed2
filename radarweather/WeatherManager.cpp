#include "radarweather/WeatherManager.h"

#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "frame/SharedTables.h"
#include "platform/chartengine/SymbolizationRegistry.h"
#include "radarweather/WeatherDates.h"


#include <algorithm>

using namespace chartengine;

WeatherManager* WeatherService = nullptr;

namespace {

constexpr int32_t kDispatchMemberNotFound = static_cast<int32_t>(0x80020003u);
constexpr int32_t kParameterCodes[] = {0x101, 0x103, 0x201, 0x301, 0x401, 0x501, 0x502, 0x701};
constexpr int32_t kGroupOrder[] = {0x100, 0x300, 0x200, 0x400, 0x500, 0x700};
// The count Initialize takes: minutes between two forecast steps of the client.
constexpr int32_t kSmoothingMinutes = 30;

}  // namespace

class WeatherManager::WeatherToolSink : public Sink {
public:
    int32_t InvokeEvent(int32_t dispatchId, const std::vector<int32_t>& arguments) override
    {
        if (!owner)
            return 0;
        return dispatchId == 1 && arguments.size() == 2 ? 0 : kDispatchMemberNotFound;
    }
};

class WeatherManager::WeatherClientSink : public Sink {
public:
    int32_t InvokeEvent(int32_t dispatchId, const std::vector<int32_t>& arguments) override
    {
        if (!owner)
            return 0;
        if (dispatchId == 1)
            return 0;
        if (dispatchId == 2 && arguments.size() == 1) {
            owner->OnClientNotify();
            return 0;
        }
        return kDispatchMemberNotFound;
    }
};

class WeatherManager::WeatherUpdateSink : public Sink {
public:
    int32_t InvokeEvent(int32_t dispatchId, const std::vector<int32_t>& arguments) override
    {
        if (!owner)
            return 0;
        if (dispatchId == 1 && arguments.size() == 3) {
            owner->OnProgress(arguments[2], arguments[1], arguments[0]);
            return 0;
        }
        return kDispatchMemberNotFound;
    }
};

WeatherServiceMaker ProgramWeatherServices()
{
    WeatherServiceMaker maker;
    maker.tool = [] { return std::make_shared<WeatherTool>(ProgramFolder); };
    maker.update = [] {
        const auto engine = ChartEngine ? ChartEngine->EngineFolder() : std::nullopt;
        const std::filesystem::path config = (engine ? *engine : ProgramFolder) / kWeatherConfigFileName;
        return std::make_shared<WeatherUpdate>(ProgramFolder, config);
    };
    return maker;
}

WeatherManager::WeatherManager(WeatherServiceMaker services) : now(WeatherNowDays), services_(std::move(services)) {}

WeatherManager::~WeatherManager()
{
    // Whatever exists goes, in any state: a sink must never call into a deleted manager.
    for (Sink* sink : {toolSink_.get(), clientSink_.get(), updateSink_.get()})
        if (sink)
            sink->owner = nullptr;
    UnInit();
}

void WeatherManager::fail(const std::string& text)
{
    state_ = WeatherCallFailed;
    errorText_ = text;
}

void WeatherManager::report(int32_t kind, int32_t code, int32_t a, int32_t b, const char* text)
{
    if (statusCallback)
        statusCallback(kind, code, a, b, text);
}

int32_t WeatherManager::Init(MapView* view)
{
    if (state_ > 0) {
        errorText_ = "<WeatherManager::Init()> Manager already initialized.";
        return 1;
    }
    if (state_ == WeatherInitFailed) {
        errorText_ = "<WeatherManager::Init> Call UnInit before Init after critical error.";
        return 1;
    }
    if (!view) {
        errorText_ = "<WeatherManager::Init()> Specified MapView was NULL.";
        return 1;
    }
    const auto critical = [this](const char* text) {
        state_ = WeatherInitFailed;
        errorText_ = text;
        return 1;
    };
    view_ = view;
    tool_ = services_.tool ? services_.tool() : nullptr;
    if (!tool_)
        return critical("<WeatherManager::Init()> failed to initialize ICMWeatherTool interface");
    update_ = services_.update ? services_.update() : nullptr;
    if (!update_)
        return critical("<WeatherManager::Init()> failed to initialize ICMWeatherUpdate interface");

    const auto connect = [](Sink* sink, auto& source) {
        return source->Advise([sink](int32_t event, const std::vector<int32_t>& arguments) {
            sink->InvokeEvent(event, arguments);
        }, &sink->cookie);
    };
    toolSink_ = std::make_unique<WeatherToolSink>();
    toolSink_->owner = this;
    if (Failed(connect(toolSink_.get(), tool_)))
        return critical("<WeatherManager::Init()> failed to connect Weather tool event sink.");
    updateSink_ = std::make_unique<WeatherUpdateSink>();
    updateSink_->owner = this;
    if (Failed(connect(updateSink_.get(), update_)))
        return critical("<WeatherManager::Init()> failed to connect Weather Update event sink.");

    const WeatherProperty codes = std::vector<int32_t>(std::begin(kParameterCodes), std::end(kParameterCodes));
    switch (tool_->Initialize("gribdata.grb", "cyclone.xml", codes, kSmoothingMinutes)) {
    case kOk: break;
    case kAbort: fail("<WeatherManager::Init()> m_pICMWeatherTool->Initialize failed to open data file."); break;
    case kFail: fail("<WeatherManager::Init()> m_pICMWeatherTool->Initialize failed to calculate itenerary."); break;
    case kUnexpected:
        fail("<WeatherManager::Init()> m_pICMWeatherTool->Initialize returned unexpected failure.");
        break;
    default: fail("<WeatherManager::Init()> m_pICMWeatherTool->Initialize default failure (SHOULD NOT HAPPEN).");
    }
    switch (tool_->AttachUpdates(update_.get())) {
    case kOk: break;
    case kFalse: fail("<WeatherManager::Init()> m_pICMWeatherTool->AttachUpdates update pointer is NULL."); break;
    case kInvalidArgument:
        fail("<WeatherManager::Init()> m_pICMWeatherTool->AttachUpdates invalid argument failure.");
        break;
    case kUnexpected: fail("<WeatherManager::Init()> m_pICMWeatherTool->AttachUpdates Unexpected error."); break;
    case kFail: fail("<WeatherManager::Init()> m_pICMWeatherTool->AttachUpdates internal error."); break;
    default: fail("<WeatherManager::Init()> m_pICMWeatherTool->AttachUpdates default failure (SHOULD NOT HAPPEN).");
    }

    if (Failed(tool_->CreateClient(&client_)))
        return critical("<WeatherManager::Init()> m_pICMWeatherTool->CreateClient failed.");
    if (!client_)
        return critical("<WeatherManager::Init()> failed to initialize ICMWeatherClient interface");
    clientSink_ = std::make_unique<WeatherClientSink>();
    clientSink_->owner = this;
    if (Failed(connect(clientSink_.get(), client_)))
        return critical("<WeatherManager::Init()> failed to connect Weather Client event sink.");

    groups.assign(6, WeatherGroup{});
    for (size_t i = 0; i < groups.size(); ++i) {
        groups[i].code = kGroupOrder[i];
        groups[i].name = GroupName(kGroupOrder[i]);
    }
    UpdateParams(0);
    InitGeo();
    _UpdateProperties();
    if (state_ == WeatherNotInitialised)
        state_ = WeatherReady;
    return 0;
}

int32_t WeatherManager::UnInit()
{
    groups.clear();
    subZones.clear();
    rememberedGroups.clear();
    const auto disconnect = [this](std::unique_ptr<Sink>& sink, auto& source, const char* text) {
        if (!sink)
            return;
        if (source && Failed(source->Unadvise(sink->cookie)))
            fail(text);
        sink->owner = nullptr;
        sink.reset();
    };
    disconnect(clientSink_, client_, "<WeatherManager::UnInit()> failed to disconnect Weather Client event sink.");
    disconnect(updateSink_, update_, "<WeatherManager::UnInit()> failed to disconnect Weather Update event sink.");
    disconnect(toolSink_, tool_, "<WeatherManager::UnInit()> failed to disconnect Weather tool event sink.");
    tool_.reset();
    update_.reset();
    if (client_) {
        if (viewAttached) {
            client_->Attach(nullptr);
            viewAttached = 0;
        }
        client_.reset();
    }
    state_ = WeatherNotInitialised;
    return 0;
}

void WeatherManager::InitGeo()
{
    if (!client_ || !view_) {
        fail("<WeatherManager::InitGeo()> WeatherClient or MapView interface NULL.");
        return;
    }
    if (view_->state != 1) {
        fail("<WeatherManager::InitGeo()> MapView not initialized.");
        return;
    }
    Symbolization* weather = nullptr;
    if (!ChartEngine || Failed(ChartEngine->FindSymbolization(kWeatherSymbolizationName, &weather)) || !weather) {
        fail("<WeatherManager::InitGeo()> Failed to get weather symbolization.");
        return;
    }
    client_->Attach(view_->drawCompanion.get());
    client_->Attach(std::shared_ptr<const GeoProjection>(view_->projection));
    client_->Attach(static_cast<const MapViewport*>(view_->viewport.get()));
    client_->Attach(static_cast<const Symbolization*>(weather));
    viewAttached = 1;
}

void WeatherManager::UpdateParams(int32_t group)
{
    if (!client_ || !tool_) {
        fail("<WeatherManager::UpdateParams()> WeatherClient or WeatherTool interface NULL.");
        return;
    }
    for (WeatherGroup& record : groups) {
        if (group != 0 && record.code != group)
            continue;
        for (int32_t code : kParameterCodes) {
            if ((code & 0xFF00) != record.code)
                continue;
            WeatherProperty value;
            bool held = false;
            if (Failed(tool_->GetProperty((code << 16) | kToolHoldsParameter, &value)))
                fail("<WeatherManager::UpdateParams()> WeatherTool->get_Property failed.");
            else if (const auto* number = std::get_if<int32_t>(&value))
                held = *number != 0;
            const auto listed = std::find(record.available.begin(), record.available.end(), code);
            if (!held && listed != record.available.end())
                record.available.erase(listed);
            if (held && listed == record.available.end())
                record.available.push_back(code);
            if (record.shown)
                client_->ShowParameter(code, held ? 1 : 0);
        }
    }
}

void WeatherManager::ShowGroup(int32_t group, int32_t on)
{
    if (state_ <= 0) {
        // Refused without a state change: a never-initialised manager stays one.
        errorText_ = "<WeatherManager::ShowGroup()> WeatherManager not initialized.";
        return;
    }
    if (!client_) {
        fail("<WeatherManager::ShowGroup()> WeatherClient interface NULL.");
        return;
    }
    if (group == 0x300) {
        if (!view_) {
            fail("<WeatherManager::InitGeo()> MapView interface NULL.");
            return;
        }
        if (view_->state != 1) {
            fail("<WeatherManager::InitGeo()> MapView not initialized.");
            return;
        }
    }
    const int32_t shownStep = GetActivePredictionIndex();
    if (group == 0) {
        client_->ShowParameter(0, on);
        // Every record follows, so that an unticked group is not drawn after all were shown.
        for (WeatherGroup& record : groups)
            record.shown = on != 0 ? 1 : 0;
    }
    for (WeatherGroup& record : groups) {
        if (record.code != group)
            continue;
        record.shown = on != 0 ? 1 : 0;
        for (int32_t code : record.available)
            client_->ShowParameter(code, on);
    }
    if (GetActivePredictionIndex() != shownStep)
        SetActivePredictionIndex(shownStep);
}

std::string WeatherManager::GroupName(int32_t group)
{
    switch (group) {
    case 0x100: return "Pressure";
    case 0x200: return "Wind";
    case 0x300: return "Temperature";
    case 0x400: return "Current";
    case 0x500: return "Wave";
    case 0x700: return "Precipitation";
    case 0x1000: return "Tropical Storms";
    default: return "";
    }
}

int32_t WeatherManager::GroupCode(int32_t index) const
{
    return index >= 0 && index < 6 && static_cast<size_t>(index) < groups.size() ? groups[static_cast<size_t>(index)].code : 0;
}

bool WeatherManager::GroupHasData(int32_t group) const
{
    return std::any_of(groups.begin(), groups.end(),
                       [group](const WeatherGroup& g) { return g.code == group && !g.available.empty(); });
}

bool WeatherManager::IsGroupShown(int32_t group) const
{
    return std::any_of(groups.begin(), groups.end(), [group](const WeatherGroup& g) { return g.code == group && g.shown; });
}

bool WeatherManager::AnyGroupShown() const
{
    return std::any_of(groups.begin(), groups.end(), [](const WeatherGroup& g) { return g.shown != 0; });
}

bool WeatherManager::refuseUninitialised(const char* operation)
{
    if (state_ <= 0) {
        errorText_ = std::string("<WeatherManager::") + operation + "()> WeatherManager not initialized.";
        return true;
    }
    if (!client_) {
        fail(std::string("<WeatherManager::") + operation + "()> WeatherClient interface NULL.");
        return true;
    }
    return false;
}

void WeatherManager::clientProperty(int32_t code, int32_t* value, bool* ok) const
{
    WeatherProperty property;
    *ok = false;
    if (Failed(client_->GetProperty(code, &property)))
        return;
    if (const auto* number = std::get_if<int32_t>(&property)) {
        *value = *number;
        *ok = true;
    }
}

int32_t WeatherManager::GetPredictionsCount()
{
    if (refuseUninitialised("GetPredictionsCount"))
        return 0;
    int32_t value = 0;
    bool ok = false;
    clientProperty(kClientStepCount, &value, &ok);
    return ok ? value : 0;
}

int32_t WeatherManager::GetActivePredictionIndex()
{
    if (refuseUninitialised("GetActivePredictionIndex"))
        return 0;
    int32_t value = 0;
    bool ok = false;
    clientProperty(kClientStepShown, &value, &ok);
    return ok ? value : 0;
}

int32_t WeatherManager::GetSmooth()
{
    if (refuseUninitialised("GetSmooth"))
        return 0;
    int32_t value = 0;
    bool ok = false;
    clientProperty(kClientSmoothing, &value, &ok);
    return ok ? value : 0;
}

bool WeatherManager::SetActivePredictionIndex(int32_t index)
{
    if (state_ <= 0 || !client_)
        return false;
    return client_->PutProperty(kClientStepShown, index) == kOk;
}

bool WeatherManager::isReady()
{
    if (refuseUninitialised("isReady"))
        return false;
    if (!AnyGroupShown())
        return true;
    int32_t value = 0;
    bool ok = false;
    clientProperty(kClientDataReady, &value, &ok);
    return ok && value != 0;
}

void WeatherManager::OnClientNotify()
{
    report(6, 0, 0, 0, "");
}
