// Forecast values of the weather manager at a position: at the step shown (the client) or at
// any step (the tool). They change neither the state nor the error text.

#include "radarweather/WeatherManager.h"

#include <cmath>

using namespace chartengine;

namespace {

bool IsVectorGroup(int32_t code)
{
    const int32_t group = code & 0xFF00;
    return group == 0x200 || group == 0x400;
}

double ValueOf(int32_t code, double first, double second)
{
    if (first >= WeatherMissingValue)
        return WeatherNoValue;
    if (!IsVectorGroup(code))
        return first;
    if (second >= WeatherMissingValue)
        return WeatherNoValue;
    return std::sqrt(first * first + second * second);
}

}  // namespace

double WeatherManager::GetValueAt(int32_t code, double lat, double lon) const
{
    double first = 0, second = 0;
    if (state_ <= 0 || !client_ || Failed(client_->Value(code, lat, lon, &first, &second)))
        return WeatherNoValue;
    return ValueOf(code, first, second);
}

double WeatherManager::GetForecastValueAt(int32_t code, int32_t index, double lat, double lon) const
{
    double first = 0, second = 0;
    if (state_ <= 0 || !tool_ || Failed(tool_->ForecastValue(code, index, lat, lon, &first, &second)))
        return WeatherNoValue;
    return ValueOf(code, first, second);
}

bool WeatherManager::GetDirectionAt(int32_t code, double lat, double lon, double* first, double* second) const
{
    if (state_ <= 0 || !client_ || !first || !second)
        return false;
    if (Failed(client_->Value(code, lat, lon, first, second)))
        return false;
    if (*first >= WeatherMissingValue)
        return false;
    return !(IsVectorGroup(code) && *second >= WeatherMissingValue);
}
