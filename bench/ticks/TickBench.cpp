// The 100 ms tick at its busiest: a fix arriving over TCP with its sentences (no depth: the first
// depth re-applies the presentation, which wants a whole chart engine), while all 2000
// target records are in use and shown, so that every target is moved and placed on the chart.
// The tick must stay well within its 100 ms.

#include "../OffscreenWidgetBenchmarks.h"

#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/MapView.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/SystemClock.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorInput.h"
#include "sensors/TargetTable.h"

#include <QToolButton>

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <cstdlib>
#include <string>

namespace {

std::string Nmea(const std::string& body)
{
    uint8_t sum = 0;
    for (char c : body.substr(1))
        sum ^= uint8_t(c);
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X\r\n", sum);
    return body + tail;
}

const std::string OneSecondOfInput = Nmea("$GPVTG,90.0,T,,M,8.5,N,15.7,K") +
                                     Nmea("$GPGGA,120015,5400.000,N,01000.000,E,1,08,1.0,10.0,M,40.0,M,,") +
                                     Nmea("$HEHDT,91.0,T");

void FillTargetTable()
{
    for (int i = 0; i < TargetCount; ++i) {
        TargetRecord& target = TargetTable[size_t(i)];
        target.id = 211000000 + i;
        target.kind = 4;
        target.speed = 12.0f;
        target.course = float(i % 360);
        target.lostCount = i % 100;
        target.positionX = cmgbase::deg2nrm(10.0 + (i % 50) * 0.01);
        target.positionY = cmgbase::deg2nrm(54.0 + (i / 50) * 0.01);
    }
}

void HundredMillisecondTick(benchmark::State& state)
{
    platform::InstallMachineClockSetter([](platform::ClockTime) { return EPERM; });
    platform::InstallClockReporter([](const std::string&) {});
    // A main view with the engine's projection at its start values, so that every target is
    // placed on the chart.
    MapView view;
    view.projection = std::make_shared<chartengine::GeoProjection>();
    view.viewport = std::make_unique<chartengine::MapViewport>(view.projection);
    MainMapView = &view;
    TForm1 form;
    AppRunning = true;
    StartupDone = true;
    FillTargetTable();
    form.AisBtn->setCheckable(true);
    form.AisBtn->setChecked(true);
    OwnShip.positionKnown = true;
    for (auto _ : state) {
        AppendTcpInput(OneSecondOfInput.data(), OneSecondOfInput.size());
        TickRequest.positionRefresh = true;
        form.Timer1Timer();
    }
    MainMapView = nullptr;
}
BENCHMARK(HundredMillisecondTick)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunOffscreenWidgetBenchmarks(argc, argv);
}
