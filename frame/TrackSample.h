#pragma once
// The own ship's recent track: a ring of 500 samples kept at the start of the settings record and
// stored with it in dta.res, so its layout is byte-exact. A sample whose latitude is 0.0 is empty.

#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct TrackSample {
    double longitude = 0.0;          // degrees
    double latitude = 0.0;           // degrees; 0.0 marks an empty sample
    int32_t chartX = 0;              // position in normalised chart units
    int32_t chartY = 0;
    uint16_t courseOverGround = 0;   // 0.1 degrees
    uint16_t speedOverGround = 0;    // 0.1 knots
    uint16_t depth = 0;              // 0.1 m
    uint16_t waterTemperature = 0;   // 0.01 degrees
    uint32_t time = 0;               // seconds since 1970

    bool empty() const { return latitude == 0.0; }
    cmgbase::GeoPoint chartPosition() const { return {chartX, chartY}; }
};
#pragma pack(pop)
static_assert(sizeof(TrackSample) == 36);
static_assert(offsetof(TrackSample, latitude) == 8);
static_assert(offsetof(TrackSample, chartX) == 16);
static_assert(offsetof(TrackSample, chartY) == 20);
static_assert(offsetof(TrackSample, courseOverGround) == 24);
static_assert(offsetof(TrackSample, waterTemperature) == 30);
static_assert(offsetof(TrackSample, time) == 32);

constexpr int TrackRingSize = 500;
using TrackRingBuffer = std::array<TrackSample, TrackRingSize>;
static_assert(sizeof(TrackRingBuffer) == 18000);
