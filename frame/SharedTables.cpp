#include "frame/SharedTables.h"

bool AppRunning = false;
bool StartupDone = false;
bool StartupAbort = false;
int32_t SetupLoadMarker = 0;
bool ChartRestartInProgress = false;
bool ProgramEnding = false;
bool IoShutDown = false;

std::filesystem::path ProgramFolder;
std::array<std::filesystem::path, DataPathCount> DataPaths;

std::array<bool, 6> ShareData{};
bool ShareReplay = false;
bool ReplaySlave = false;

int32_t ScreenWidth = 0;
int32_t ScreenHeight = 0;
bool DualMonitor = false;

bool RadarAvailable = false;
bool WeatherAvailable = false;
bool NameBaseAvailable = false;
bool ThreeDAvailable = false;

std::unique_ptr<ClockRecord> ClockTime;
int64_t ClockSeconds = 0;

std::array<uint32_t, 8> UserColourTable{};
std::array<uint32_t, 21> SavedSystemColours{};

std::array<std::string, 40> MessageTexts;

std::array<std::array<cmgbase::GeoPoint, 3>, 2> PointTriples{};
cmgbase::GeoRect ChartArea3D = WholeWorld;
cmgbase::GeoRect DataAreaFilter = WholeWorld;
int32_t PointerLocation = 0;

DisplayFilterTimes FilterTimes{};
std::array<int32_t, 100> DialogValueTable{};

void InitSharedTables()
{
    AppRunning = StartupDone = StartupAbort = false;
    SetupLoadMarker = 0;
    ChartRestartInProgress = ProgramEnding = IoShutDown = false;
    ProgramFolder.clear();
    for (auto& path : DataPaths)
        path.clear();
    ShareData.fill(false);
    ShareReplay = ReplaySlave = false;
    ScreenWidth = ScreenHeight = 0;
    DualMonitor = false;
    RadarAvailable = WeatherAvailable = NameBaseAvailable = ThreeDAvailable = false;
    ClockTime.reset();
    ClockSeconds = 0;
    UserColourTable.fill(0);
    SavedSystemColours.fill(0);
    for (auto& text : MessageTexts)
        text.clear();
    PointTriples = {};
    ChartArea3D = DataAreaFilter = WholeWorld;
    PointerLocation = 0;
    FilterTimes = {};
    DialogValueTable.fill(0);
}
