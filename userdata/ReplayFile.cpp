#include "userdata/ReplayFile.h"

#include <cmath>

std::string ReplayFileName(int32_t year, int32_t month, int32_t day)
{
    char name[32];
    std::snprintf(name, sizeof name, "%02d%02d%02d.rpl", int(year % 100), int(month), int(day));
    return name;
}

uint16_t ReplayTenths(float value)
{
    const double tenths = double(value) * 10.0;
    if (!(tenths > 0.0))
        return 0;
    return tenths >= 65535.0 ? uint16_t(65535) : uint16_t(tenths);
}

ReplayReader::~ReplayReader()
{
    close();
}

bool ReplayReader::open(const std::filesystem::path& file)
{
    close();
    file_ = std::fopen(file.c_str(), "rb");
    if (file_)
        std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
    return file_ != nullptr;
}

void ReplayReader::close()
{
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
}

bool ReplayReader::next(ReplayRecord& record)
{
    if (!file_ || std::fread(&record, sizeof record, 1, file_) != 1)
        return false;
    // Zeros where a record should be are what a power cut leaves: the file ends there.
    return record.id != 0 || record.minuteOfDay != 0 || record.x != 0 || record.y != 0;
}
