#include "platform/isam/FileDefinition.h"

#include <set>

namespace platform::isam {

uint32_t keyLength(const KeyDefinition& key)
{
    uint32_t length = 0;
    for (const KeySegment& segment : key.segments)
        length += segment.length;
    return length;
}

bool isVariableLength(const FileDefinition& definition)
{
    return (definition.mode & FileMode::VariableLength) != 0;
}

bool isValid(const FileDefinition& definition)
{
    if (definition.recordLength == 0 || definition.path.empty())
        return false;
    std::set<int> numbers{definition.dataFileNumber};
    for (const KeyDefinition& key : definition.keys) {
        if (key.segments.empty() || !numbers.insert(key.keyNumber).second)
            return false;
        uint64_t length = 0;
        for (const KeySegment& segment : key.segments) {
            if (segment.length == 0
                || uint64_t{segment.offset} + segment.length > definition.recordLength)
                return false;
            if (segment.kind == SegmentKind::SignedInteger && segment.length > 8)
                return false;
            length += segment.length;
        }
        if (length > MaxKeyLength)
            return false;
    }
    return true;
}

}  // namespace platform::isam
