// Fuzz target of the sentence input: arbitrary bytes, cut into chunks, fed to one port's line
// assembler with a handful of settings chosen by the first bytes. Built as a libFuzzer target by
// scripts/fuzz-nmea; the saved corpus runs as a plain test (NmeaCorpusTest).

#include "platform/system/SystemClock.h"
#include "sensors/AisAssembly.h"
#include "sensors/AisHooks.h"
#include "sensors/OwnShipState.h"
#include "sensors/ReceivedRoute.h"
#include "sensors/SeabedRecorder.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorNotices.h"
#include "sensors/SensorSettings.h"
#include "sensors/SentenceParser.h"
#include "sensors/TargetTable.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>

namespace {

constexpr size_t HeaderBytes = 8;

void ResetSensorSide()
{
    OwnShip = OwnShipState{};
    PortInputBuffers = {};
    PortLineErrors = {};
    ReceivedRoutes = ReceivedRouteState{};
    DepthRecorder = DepthRecorderState{};
    CurrentSeabedTile.valid = false;
    CurrentSeabedTile.changed = false;
    SensorSetup = SensorSettings{};
    ResetTargetTable();
    AisAssembly = AisAssemblyState{};
}

void InstallHooks()
{
    // Never the machine clock, whoever runs the fuzzer.
    platform::InstallMachineClockSetter([](platform::ClockTime) { return EPERM; });
    platform::InstallClockReporter([](const std::string&) {});
    SensorHook = SensorHooks{};
    SensorHook.showNotice = [](const platform::MessageBoxRequest&) {};
    AisHook.storeTextMessage = [](uint32_t, const std::string& text) {
        volatile size_t length = text.size();
        (void)length;
    };
    AisHook.showTextMessage = [](int32_t, bool) {};
    AisHook.ownStaticDataChanged = [] {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool hooked = (InstallHooks(), true);
    (void)hooked;
    ResetSensorSide();
    if (size < HeaderBytes)
        return 0;
    const uint8_t flags = data[0];
    const int port = data[1] % InputPortCount;
    const size_t chunk = size_t(data[2] % InputChunkSize) + 1;
    static constexpr int32_t resolutions[] = {128000, 256000, 512000, 512000};
    OwnShip.depthTileResolution = resolutions[data[3] & 3];
    OwnShip.transducerPosition = {int32_t(uint32_t(data[4]) << 24 | uint32_t(data[5]) << 8),
                                  int32_t(uint32_t(data[6] & 0x7F) << 22 | uint32_t(data[7]))};
    OwnShip.positionKnown = flags & 1;
    OwnShip.monitorPort = (flags & 2) ? port : -1;
    OwnShip.speedOverGround = (flags & 4) ? 5.0f : 0.0f;
    SensorSetup.acceptRoutes = flags & 8;
    SensorSetup.aisWarnings = flags & 16;
    SensorSetup.depthRecordingMode = (flags >> 5) & 3;
    SensorSetup.trueRadar = flags & 128;
    SensorSetup.magneticVariation = int16_t(data[3]) - 128;
    // The own MMSI of the AIS fixtures; an AIS range of 5 nm around the transducer position or
    // none, AIS messages shown with the AIS warnings.
    SensorSetup.ownMmsi = 211000001;
    SensorSetup.aisRange = (data[3] & 4) ? 5 : AisRangeUnlimited;
    SensorSetup.aisMessages = flags & 16;
    OwnShip.referencePosition = OwnShip.transducerPosition;

    const char* text = reinterpret_cast<const char*>(data + HeaderBytes);
    size_t left = size - HeaderBytes;
    int chunks = 0;
    while (left > 0) {
        const size_t n = left < chunk ? left : chunk;
        HandleParseResult(ParseSensorInput(port, text, n));
        text += n;
        left -= n;
        if (++chunks % 8 == 0)
            CountDownSensorTimeouts();
    }
    FlushSensorNotices();
    return 0;
}
