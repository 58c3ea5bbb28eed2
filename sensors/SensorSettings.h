#pragma once
// The settings the sensor handlers read. The frame copies them from its settings record at
// start-up and whenever a dialog changes them; the sensor library never reads the record itself.
// The output thread reads them too, so the copy is made under ComOutStateLock.

#include <cstdint>

// An AIS range of this or more takes targets at any distance ("no limit").
constexpr int32_t AisRangeUnlimited = 9999;

struct SensorSettings {
    int16_t magneticVariation = 0;   // tenths of a degree, west positive
    int16_t depthSurface = 0;        // metres from the transducer up to the surface (DepthSurf)
    bool acceptRoutes = false;       // take WPL / RTE from outside ("Auto RTE route")
    bool aisWarnings = false;        // show AIS alarms and acknowledgements
    bool trueRadar = false;          // the radar cursor bearing is true
    int32_t depthRecordingMode = 0;  // 0 off, 1 "voy", 2 "fld", 3 "max"
    int32_t depthFrom = 0;           // metres; recording only from this depth
    int32_t depthTo = 0;             // metres; 0 no upper limit
    uint8_t alarmPort = 255;         // COM port index of the alarm relay / event button, 255 none
    uint32_t ownMmsi = 0;            // the own ship's MMSI: AIS reports of it are not targets
    int32_t aisRange = AisRangeUnlimited;  // nautical miles; AIS targets beyond it are not taken
    bool aisMessages = false;        // show received AIS text messages in the target dialog
    bool autoGyro = false;           // the autopilot takes true bearings ("Autopilot use gyro")
};

extern SensorSettings SensorSetup;
