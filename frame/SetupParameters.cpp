#include "frame/SetupParameters.h"

#include <algorithm>
#include <cstring>

SetupParametersRecord SetupParameters{};

std::string TcpAddressText(const SetupParametersRecord& record)
{
    const char* address = record.TcpAddress;
    return std::string(address, std::find(address, address + TcpAddressMaxLength, '\0'));
}

void SetTcpAddress(SetupParametersRecord& record, const std::string& address)
{
    std::memset(record.TcpAddress, 0, sizeof record.TcpAddress);
    std::memcpy(record.TcpAddress, address.data(), std::min(address.size(), TcpAddressMaxLength));
}

int32_t AisRangeMiles(const SetupParametersRecord& record)
{
    static constexpr int16_t choices[] = {5, 10, 15, 20, 30, 40, 50, 9999};
    if (record.AisRange > 0)
        return record.AisRange;
    return choices[std::clamp<int16_t>(record.AisRangeIndex, 0, 7)];
}
