#include "platform/isam/KeyValue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace platform::isam;

namespace {

std::vector<std::byte> Bytes(std::initializer_list<int> values)
{
    std::vector<std::byte> bytes;
    for (const int value : values)
        bytes.push_back(static_cast<std::byte>(value));
    return bytes;
}

template <typename Integer>
std::vector<std::byte> Prepared(Integer value)
{
    const KeyDefinition key{1, false, {{0, sizeof(Integer), SegmentKind::SignedInteger}}};
    std::vector<std::byte> bytes(sizeof(Integer));
    std::memcpy(bytes.data(), &value, sizeof(Integer));
    prepareKeyValue(key, bytes);
    return bytes;
}

template <typename Integer>
void ExpectByteOrderIsNumericOrder(const std::vector<Integer>& ascending)
{
    for (size_t i = 1; i < ascending.size(); ++i)
        EXPECT_LT(Prepared(ascending[i - 1]), Prepared(ascending[i]))
            << ascending[i - 1] << " against " << ascending[i];
}

TEST(KeyValue, PreparedIntegersCompareAsSignedNumbers)
{
    // Latitudes in 1/600000 degree: the southern ones are negative.
    ExpectByteOrderIsNumericOrder<int32_t>({INT32_MIN, -54000000, -300000, -256, -1, 0, 1, 255,
                                            256, 300000, 54000000, INT32_MAX});
    ExpectByteOrderIsNumericOrder<int16_t>({INT16_MIN, -2, -1, 0, 1, 0x7F, 0x80, INT16_MAX});
    ExpectByteOrderIsNumericOrder<int8_t>({INT8_MIN, -1, 0, 1, INT8_MAX});
    ExpectByteOrderIsNumericOrder<int64_t>({INT64_MIN, -1, 0, 1, INT64_MAX});
}

TEST(KeyValue, SegmentsArePreparedInPlaceOneAfterTheOther)
{
    const KeyDefinition key{1, true,
                            {{0, 2, SegmentKind::SignedInteger},
                             {2, 5, SegmentKind::UpperCaseText},
                             {7, 4, SegmentKind::SignedInteger}}};
    const std::vector<std::byte> record =
        Bytes({0xFE, 0xFF, 'a', 'Z', '1', 0xE9, 0, 0x01, 0x02, 0x03, 0x84});
    std::vector<std::byte> value = record;
    prepareKeyValue(key, value);
    // -2 big-endian with the sign flipped; ASCII letters upper-cased, other bytes kept.
    EXPECT_EQ(value, Bytes({0x7F, 0xFE, 'A', 'Z', '1', 0xE9, 0, 0x04, 0x03, 0x02, 0x01}));

    const PreparedKey fromRecord = keyOfRecord(key, record);
    EXPECT_TRUE(std::ranges::equal(fromRecord.bytes(), value));
}

TEST(KeyValue, PrefixUpperBoundIsTheLeastStringAboveThePrefix)
{
    const struct {
        std::vector<std::byte> prefix;
        std::vector<std::byte> bound;
    } cases[] = {
        {Bytes({0x01, 0x02}), Bytes({0x01, 0x03})},
        {Bytes({0x01, 0xFF}), Bytes({0x02})},
        {Bytes({0xFF, 0xFF}), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
        {Bytes({}), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
    };
    for (const auto& c : cases) {
        const PreparedKey bound = prefixUpperBound(c.prefix, 4);
        EXPECT_TRUE(std::ranges::equal(bound.bytes(), c.bound)) << c.prefix.size();
    }
}

}  // namespace
