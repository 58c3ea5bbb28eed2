// The range file Rp.ini of RadarManager: the scale level of each radar range and three
// corrections per scale level. The file is read anew for every operation; a write changes only a
// key that exists and keeps every other line.

#include "radarweather/RadarManager.h"

#include "platform/system/IniFile.h"

namespace {

constexpr int32_t kFullCircle = 65536;

std::string ScaleSection(int32_t level) { return "Scale" + std::to_string(int64_t(level) + 1); }

}  // namespace

void RadarManager::ReadScales()
{
    const platform::IniFile file(rangeFile_);
    if (!file.hasKey("Radar", "nMaxRange")) {
        fail("ReadScales", "Unreadable rp.ini. (does not contain nMaxRange entry)");
        return;
    }
    if (!file.hasKey("Server", "nRPScaleMax")) {
        fail("ReadScales", "Unreadable rp.ini. (does not contain nRPScaleMax entry)");
        return;
    }
    const int32_t maxRange = file.readInteger("Radar", "nMaxRange", 0);
    scaleCount = file.readInteger("Server", "nRPScaleMax", 0);
    if (scaleCount == 0) {
        fail("ReadScales", "Unreadable rp.ini. (nRPScaleMax is 0)");
        return;
    }
    if (maxRange == 0) {
        fail("ReadScales", "Unreadable rp.ini. (nMaxRange is 0)");
        return;
    }
    if (static_cast<int64_t>(ranges.size()) != maxRange) {
        fail("ReadScales", "Ranges in rp.ini does not correlate with CMRadar ranges.");
        return;
    }
    // All levels or none: a range without a readable level leaves the list as it was.
    std::vector<int32_t> levels;
    for (int32_t i = 0; i < maxRange; ++i) {
        const std::string key = "Range." + std::to_string(i);
        const std::string text = file.readString("Radar", key, "");
        const size_t comma = text.find(',');
        int64_t level = 0;
        if (comma == std::string::npos || !platform::ParseProfileInteger(text.substr(comma + 1), level)) {
            fail("ReadScales", "Unreadable rp.ini. (" + key + " has no scale level)");
            return;
        }
        levels.push_back(static_cast<int32_t>(level));
    }
    rangeLevels = std::move(levels);
}

namespace {

const char* KeyOf(int which)
{
    static const char* const keys[] = {"AzimuthCorrection", "ADCStrobDelay", "DistanceCorrection"};
    return keys[which];
}

}  // namespace

int RadarManager::writeCorrection(const char* operation, Correction which, int32_t level, int32_t value)
{
    if (refusedWhileNotInitialised(operation))
        return 0;
    if (level < 0 || level >= scaleCount) {
        fail(operation, "Scale level does not exist in rp.ini.");
        return 0;
    }
    const char* key = KeyOf(static_cast<int>(which));
    platform::IniFile file(rangeFile_);
    if (!file.hasKey(ScaleSection(level), key)) {
        fail(operation, std::string("Could not find ") + key + " entry for indicated scale level.");
        return 0;
    }
    int64_t written = value;
    // Any azimuth into 0 .. 65536 (a full circle); 65536 itself stays.
    if (which == Correction::Azimuth && written != kFullCircle)
        written = ((written % kFullCircle) + kFullCircle) % kFullCircle;
    file.writeInteger(ScaleSection(level), key, written);
    if (!file.save()) {
        fail(operation, "Could not write rp.ini.");
        return 0;
    }
    return 1;
}

int32_t RadarManager::readCorrection(const char* operation, Correction which, int32_t level)
{
    if (refusedWhileNotInitialised(operation))
        return 0;
    if (level < 0 || level >= scaleCount) {
        fail(operation, "Scale level does not exist in rp.ini.");
        return 0;
    }
    const char* key = KeyOf(static_cast<int>(which));
    const platform::IniFile file(rangeFile_);
    if (!file.hasKey(ScaleSection(level), key)) {
        fail(operation, std::string("Could not find ") + key + " entry for indicated scale level.");
        return 0;
    }
    return file.readInteger(ScaleSection(level), key, 0);
}

int RadarManager::SetAzimuthCorrection(int32_t level, int32_t value)
{
    return writeCorrection("SetAzimuthCorrection", Correction::Azimuth, level, value);
}

int RadarManager::SetADCStrobDelay(int32_t level, int32_t value)
{
    return writeCorrection("SetADCStrobDelay", Correction::StrobeDelay, level, value);
}

int RadarManager::SetDistanceCorrection(int32_t level, int32_t value)
{
    return writeCorrection("SetDistanceCorrection", Correction::Distance, level, value);
}

int32_t RadarManager::GetAzimuthCorrection(int32_t level)
{
    return readCorrection("GetAzimuthCorrection", Correction::Azimuth, level);
}

int32_t RadarManager::GetADCStrobDelay(int32_t level)
{
    return readCorrection("GetADCStrobDelay", Correction::StrobeDelay, level);
}

int32_t RadarManager::GetDistanceCorrection(int32_t level)
{
    return readCorrection("GetDistanceCorrection", Correction::Distance, level);
}

void RadarManager::SetScale(int32_t level)
{
    if (refusedWhileNotInitialised("SetScale"))
        return;
    if (level < 0 || level >= scaleCount) {
        fail("SetScale", "Requested scale level does not exist in rp.ini.");
        return;
    }
    if (level == scaleCount - 1 && !ranges.empty()) {
        SetRange(ranges.back());
        return;
    }
    // The range just before the first range of the next level.
    for (size_t k = 1; k < rangeLevels.size() && k < ranges.size(); ++k)
        if (rangeLevels[k] == level + 1) {
            SetRange(ranges[k - 1]);
            return;
        }
    fail("SetScale", "Could not find requested scale.");
}
