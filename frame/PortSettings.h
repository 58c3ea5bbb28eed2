#pragma once
// The port fields of the settings record, which the output thread reads while the main thread
// may change them. Both sides take ComOutStateLock around these fields.

#include "frame/CheckedMutex.h"

#include <array>
#include <cstdint>
#include <string>

// Guards what the output thread reads of the main thread's state: the port fields of the
// settings record, the sensor side's copy of its settings (SensorSetup: the magnetic variation,
// AutoGyro), the own-ship state (its transmit flags and AIS reply port included), the route
// table, the route-following values, the output buffer and the replay mute; and the clock
// record, which its writers and its release change under it too. Never
// held across a message box, a file operation or a serial write, and never taken by a thread
// that holds it already (a Debug build stops the program when that happens). The COM ports
// themselves have a lock of their own (ComPortLock); no one holds both.
//
// This is the one list of who takes the lock and who expects it held.
//
// Take it (call them with the lock NOT held):
//   frame      ReadPortSettings, WritePortSettings
//   userdata   ClearRouteTable, InsertRouteEntry, AppendRouteEntry, RemoveRouteEntry,
//              InsertOwnPosition, RemoveOwnPosition, SetRouteEntryPosition, TakeReceivedRoute
//              (RouteTable); ComputeRouteLeg and whatever calls it (RouteLegs);
//              FillRouteGridRow (RouteGrid); StoreRouteToDatabase (RouteStore);
//              LoadRouteIntoTable (RouteLoad); every write of RouteId, CurrentWaypoint,
//              DistanceToGo (RouteTable.h) and of the values of RouteFollowing.h
//   sensors    ParseSensorInput and the readers that call it (ReadComPort, ReadTcpInput),
//              CloseComPorts, SendOneOffText, SetOutputMutedByReplay; on the output thread
//              SendNmeaOutput, for the building of a cycle's output only
//   app        LoadSetupParameters, LoadMainIni, RefreshSensorSettings, UpdateClockRecord, the
//              100 ms tick's dead reckoning and fix processing, the one-second tick's GPS
//              source switch and position time-out, ShutdownIo's release of the clock
//
// Expect it held (run only inside ParseSensorInput, which holds it for a whole chunk):
//   sensors    DispatchSentence and every sentence handler it calls (SentenceHandlers.h),
//              ApplyGpsFix, StoreReceivedWaypoint, HandleDepthReading, StoreDepthInGrid,
//              DecodeAisPayload, ConvertAisPosition, ShowAisTextMessage, and the sensor hooks
//              that SensorHooks.h marks as called under the lock.
// Expect it held (run only inside SendNmeaOutput):
//   sensors    BuildNmeaOutput, AppendRmc, AppendRouteSentences.
//
// Work that needs one of the takers, a file or a window is queued while the lock is held and
// done once it is released: the route-table work of received waypoints and routes and the target
// table's ais5 look-ups and writes (RunTargetFileWork) run at the end of ParseSensorInput;
// notices, the AIS work (text messages into the info file, the target dialog: AisHooks.h,
// showAisAlarm) and the fix hand-over run in the readers after the chunk; the output thread
// writes the ports and hands its TCP text over after the cycle's output is built.
extern CheckedMutex ComOutStateLock;

constexpr int PortCount = 13;  // COM1..COM12, then the TCP connection
constexpr uint8_t NoAlarmPort = 255;

struct PortSettings {
    std::array<uint8_t, PortCount> active{};
    std::array<uint8_t, PortCount> baud{};  // baud index 0..4
    int32_t outputSentences = 0;             // 1 APB, 2 RMB, 4 RMC, 8 WPL and RTE
    uint8_t automaticRte = 0;
    uint8_t alarmPort = NoAlarmPort;
    std::string tcpAddress;                  // at most 15 characters
    int32_t tcpPort = 0;
};

// A consistent copy of the port fields, taken under the lock.
PortSettings ReadPortSettings();
// Stores all port fields under the lock; the address is cut after 15 characters.
void WritePortSettings(const PortSettings& settings);
