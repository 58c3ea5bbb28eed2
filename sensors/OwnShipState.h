#pragma once
// The own ship as the sensor handlers last saw it; written on the main thread by the sentence
// handlers and the ticks, read everywhere (the output thread under the shared lock).

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>

struct OwnShipState {
    double gpsLongitude = 0.0;  // degrees, east positive
    double gpsLatitude = 0.0;   // degrees, north positive
    float courseOverGround = 0.0f;
    float speedOverGround = 0.0f;  // knots
    float heading = 0.0f;
    float speedThroughWater = 0.0f;
    float windSpeed = -1.0f;  // -1 while none has arrived
    float windDirection = 0.0f;

    cmgbase::GeoPoint referencePosition{};  // conning position; the chart centres on it
    cmgbase::GeoPoint antennaPosition{};

    bool positionKnown = false;
    int32_t positionTimeoutCounter = 0;
    int32_t depthTileResolution = 512000;  // chart units of a seabed tile
};

extern OwnShipState OwnShip;

// Clears the sensor values the start-up resets: course and speed 0, no wind yet.
void ResetOwnShipSensorValues();
