#include "WeatherFixtures.h"

#include <fstream>

namespace weatherfixtures {

chartengine::GribGridField Field(const std::string& shortName, double west, double south, double step,
                                 int columns, int rows, long stepHours,
                                 const std::function<double(double lat, double lon)>& value)
{
    chartengine::GribGridField field;
    field.shortName = shortName;
    field.west = west;
    field.south = south;
    field.increment = step;
    field.columns = columns;
    field.rows = rows;
    field.referenceDate = 20261211;
    field.stepHours = stepHours;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            field.values.push_back(value(south + row * step, west + column * step));
    return field;
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool WriteGrib(const std::filesystem::path& file, const std::vector<chartengine::GribGridField>& fields)
{
    std::string bytes;
    for (const auto& field : fields) {
        const std::string message = chartengine::EncodeGribField(field);
        if (message.empty())
            return false;
        bytes += message;
    }
    WriteBytes(file, bytes);
    return true;
}

std::filesystem::path ExampleForecast()
{
    return std::filesystem::path(VARNIK_SOURCE_DIR) / "data" / "gribdata.grb";
}

}  // namespace weatherfixtures
