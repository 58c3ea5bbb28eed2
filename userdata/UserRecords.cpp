#include "userdata/UserRecords.h"

#include <algorithm>
#include <limits>

uint32_t StoredTime(int64_t seconds)
{
    return uint32_t(std::clamp<int64_t>(seconds, 0, std::numeric_limits<uint32_t>::max()));
}

void SetFixedText(std::span<char> field, std::string_view text)
{
    if (field.empty())
        return;
    const size_t length = std::min(text.size(), field.size() - 1);
    std::fill(std::copy_n(text.begin(), length, field.begin()), field.end(), '\0');
}

std::string FixedText(std::span<const char> field)
{
    return {field.begin(), std::find(field.begin(), field.end(), '\0')};
}

uint32_t SetInfoText(InfoRecord& record, std::string_view text)
{
    const size_t length = std::min<size_t>(text.size(), InfoTextMaximum);
    std::copy_n(text.begin(), length, record.text);
    return InfoHeadLength + static_cast<uint32_t>(length);
}

std::string InfoText(const InfoRecord& record, uint32_t recordLength)
{
    const uint32_t length = std::clamp(recordLength, InfoHeadLength, uint32_t{sizeof record})
                            - InfoHeadLength;
    return {record.text, length};
}
