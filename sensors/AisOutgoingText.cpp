#include "sensors/AisOutgoingText.h"

#include <cstring>

char AisTextCharacter(char c)
{
    if (c >= 'a' && c <= 'z')
        c = char(c - 'a' + 'A');
    if (c < 32 || c > 95 || std::strchr("!$*,\\^", c) != nullptr)
        return 0;
    return c;
}

std::string FilterAisText(std::string_view text, size_t limit)
{
    std::string filtered;
    for (const char c : text) {
        if (filtered.size() >= limit)
            break;
        if (const char kept = AisTextCharacter(c))
            filtered += kept;
    }
    return filtered;
}
