#pragma once
// The own ship as the sensor handlers last saw it: position, time, course, speed, heading, depth,
// wind, the radar marker and the source bookkeeping of the sentence parser. Written on the main
// thread by the handlers (under ComOutStateLock) and by the ticks; read everywhere.

#include "platform/geodesy/GeoTypes.h"
#include "sensors/SensorRecord.h"

#include <array>
#include <cstdint>

// Alarm kinds shared with the alarm cycle of the frame.
enum AlarmKind : int32_t {
    AlarmNone = 0,
    AlarmNoGps = 1,
    AlarmHeadingLost = 2,
    AlarmWaterSpeedLost = 3,
    AlarmDepthLost = 4,
    AlarmRadarLost = 5,
    AlarmDatum = 9,
    AlarmNotClearable = 10,
};

constexpr int SerialPortCount = 12;  // COM1..COM12 are ports 0..11
constexpr int TcpPort = 12;          // the TCP connection is port 12
constexpr int InputPortCount = 13;

constexpr int8_t SensorValidSeconds = 20;
constexpr int8_t FinderValidSeconds = 10;

struct OwnShipState {
    // Committed position and the motion values, as shown and as sent.
    double gpsLongitude = 0.0;  // degrees, east positive
    double gpsLatitude = 0.0;   // degrees, north positive
    float courseOverGround = 0.0f;
    float speedOverGround = 0.0f;  // knots
    float heading = 0.0f;
    float speedThroughWater = 0.0f;
    float depth = 0.0f;             // metres below the keel reference
    float waterTemperature = 0.0f;  // degrees Celsius
    float windSpeed = -1.0f;        // true wind, m/s; -1 while none has arrived
    float windDirection = 0.0f;     // true wind, degrees (from)
    float displayCourse = 0.0f;     // heading while valid, else course over ground
    uint8_t gpsQuality = 0;         // 0 none, 1 GPS, 2 DGPS
    uint8_t satellites = 0;         // 255: check the PC clock at this fix

    // Seconds each value stays valid; counted down once a second.
    int8_t headingValidity = 0;
    int8_t waterSpeedValidity = 0;
    int8_t depthValidity = 0;
    int8_t markerValidity = 0;
    int8_t finderValidity = 0;

    // GPS time and date of the last GGA / GLL / RMC / ZDA (UTC).
    int32_t gpsHour = 0;
    int32_t gpsMinute = 0;
    float gpsSeconds = 0.0f;
    int32_t gpsWholeSeconds = 0;
    int32_t gpsDay = 0;
    int32_t gpsMonth = 0;
    int32_t gpsYear = 0;  // two digits from RMC, four from ZDA

    // Position text parts of the last committed fix, as the output sentences send them.
    int32_t latitudeDegrees = 0;
    float latitudeMinutes = 0.0f;
    char latitudeHemisphere = ' ';
    int32_t longitudeDegrees = 0;
    float longitudeMinutes = 0.0f;
    char longitudeHemisphere = ' ';

    // The fix chain: the first fix after start or a reset is only remembered.
    double lastFixLongitude = 0.0;
    double lastFixLatitude = 0.0;
    bool fixUnchanged = false;  // the last two fixes were equal

    // Source flags of the parser.
    bool ggaSeen = false;
    bool gllSeen = false;
    bool vtgSeen = false;
    bool hdtSeen = false;
    bool dbtSeen = false;
    bool gyroLock = false;  // an HDT from an "?E" talker was taken
    bool dateApplied = false;
    bool markerValid = false;

    // Wind as received (the angle keeps the value made absolute by the true-wind computation).
    float receivedWindAngle = 0.0f;
    float receivedWindSpeed = 0.0f;  // m/s

    float depthHistory[3] = {};  // the last three accepted depths, halved
    float shallowDepthAlarmValue = 0.0f;
    double depthCorrection = 0.0;  // metres, subtracted from every depth reading

    // Radar marker and direction finder.
    float markerBearing = 0.0f;
    int32_t markerRange = 0;  // nautical miles x 100
    float radarRangeScale = 0.0f;
    char radarRotation = 'H';  // of the last RSD as read: 'H' head-up, 'N' north-up, 'C' course-up
    float courseUpReference = 0.0f;
    bool radarDisplayChanged = false;  // a new range scale or rotation arrived
    int16_t finderBearing = 0;
    float sonarCourse = 0.0f;
    float sonarSpeed = 0.0f;

    // Ports.
    int32_t gpsPort = -1;
    int32_t radarPort = 99;
    int32_t monitorPort = -1;
    int32_t aisReplyPort = -1;
    int32_t pendingAisAlarm = -1;
    std::array<uint8_t, InputPortCount> transmitFlags{};  // the TCP flag is never sent serially

    // Alarm state shared with the frame's alarm cycle.
    int32_t alarmKind = AlarmNone;
    bool alarmActive = false;

    // Results of the readers for the 100 ms tick.
    bool newFix = false;
    bool fixAlive = false;
    bool targetsChanged = false;
    bool seabedFlushRequest = false;
    int32_t fixCounter = 0;  // 0..31999, the sensor-feed library's counter
    int32_t eventMarkCountdown = 0;

    // Positions of the ship geometry, written by the 100 ms tick.
    cmgbase::GeoPoint referencePosition{};  // conning position; the chart centres on it
    cmgbase::GeoPoint antennaPosition{};
    cmgbase::GeoPoint transducerPosition{};
    cmgbase::GeoPoint radarAntennaPosition{};

    bool positionKnown = false;
    // Seconds without a fix; a negative value is a GPS source-switch request (GpsSwitchRequest).
    int32_t positionTimeoutCounter = 0;
    int32_t depthTileResolution = 512000;  // chart units of a seabed tile

    SensorRecord sensorRecord{};  // staged-target block and sequence bytes live only here
    char stagedTargetName[33] = {};
    StagedAisTarget stagedAis{};
};

extern OwnShipState OwnShip;

// Clears the sensor values the start-up resets: course and speed 0, no wind yet.
void ResetOwnShipSensorValues();

// Copies the measured values into the sensor record before it is sent.
void SyncSensorRecord();

// Copies name (at most 32 characters) into the staged-target name and the record's first 25.
void SetStagedTargetName(const char* name);

// The GPS source-switch request for port 0..12, kept in positionTimeoutCounter: always negative,
// so that COM11, COM12 and TCP can be requested too. GpsSwitchRequestPort gives the port back, or
// -1 when the counter holds no request.
constexpr int32_t GpsSwitchRequest(int port) { return -(port + 1); }
constexpr int GpsSwitchRequestPort(int32_t counter) { return counter < 0 ? -counter - 1 : -1; }

// Once a second: counts the validity of heading, water speed, depth, radar marker and direction
// finder down and clears what depends on each at zero.
void CountDownSensorTimeouts();

// Restarts the fix chain: the next fix is only remembered; the GPS port and the seen flags clear.
void ResetSensorInput();

// Clears `kind` when it is the alarm being shown.
void ClearAlarmKind(int32_t kind);
