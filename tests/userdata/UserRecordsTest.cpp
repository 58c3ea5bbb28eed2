// The stored records and their text fields.

#include "userdata/UserRecords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

template <typename T>
std::vector<uint8_t> BytesOf(const T& record)
{
    std::vector<uint8_t> bytes(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

}  // namespace

TEST(UserRecords, IdRecordFieldsLieLittleEndianAtTheirOffsets)
{
    IdRecord record;
    record.objectType = ObjectType::FIELD;
    record.id = 0x01020304;
    record.longitude = -2;
    record.time = 0xA0B0C0D0u;
    record.pointCount = 0x1234;
    SetFixedText(record.name, "N");
    const std::vector<uint8_t> bytes = BytesOf(record);

    const std::vector<std::pair<size_t, std::vector<uint8_t>>> expected{
        {0, {0, 0, 7, 0, 4, 3, 2, 1}},
        {12, {0xFE, 0xFF, 0xFF, 0xFF}},
        {24, {0xD0, 0xC0, 0xB0, 0xA0}},
        {32, {0x34, 0x12, 'N', 0}},
    };
    for (const auto& [offset, values] : expected)
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + offset,
                                       bytes.begin() + offset + values.size()),
                  values)
            << "offset " << offset;
}

TEST(UserRecords, FixedTextAlwaysKeepsItsNulAndZeroesTheRest)
{
    struct Case {
        std::string text;
        std::string stored;
    };
    const std::string longLabel(30, 'L');  // a 30-character target label
    const std::vector<Case> cases{
        {"", ""},
        {"Pier 4", "Pier 4"},
        {std::string(29, 'x'), std::string(29, 'x')},
        {longLabel, longLabel.substr(0, 29)},
    };
    for (const Case& c : cases) {
        IdRecord record;
        std::memset(record.name, '#', sizeof record.name);  // what an earlier name left
        SetFixedText(record.name, c.text);
        EXPECT_EQ(FixedText(record.name), c.stored);
        const std::string field(record.name, sizeof record.name);
        EXPECT_EQ(field.substr(c.stored.size()), std::string(30 - c.stored.size(), '\0'));
    }
}

TEST(UserRecords, StoredNamesWithoutNulAreReadWithinTheirField)
{
    // The name is the last field: a reader running past it leaves the record (ASan reports it).
    auto record = std::make_unique<IdRecord>();
    std::memset(record->name, 'A', sizeof record->name);
    EXPECT_EQ(FixedText(record->name), std::string(30, 'A'));

    AisStaticRecord ais;
    std::memset(ais.callSign, 'C', sizeof ais.callSign);
    EXPECT_EQ(FixedText(ais.callSign), std::string(8, 'C'));
}

TEST(UserRecords, InfoTextLengthComesFromTheRecordLength)
{
    struct Case {
        size_t textLength;
        uint32_t recordLength;  // stored
    };
    for (const Case c : {Case{0, 8}, Case{1, 9}, Case{4800, 4808}, Case{6000, 4808}}) {
        // Exactly the buffer of the file: a reader looking for a NUL would run past it.
        auto record = std::make_unique<InfoRecord>();
        const std::string text(c.textLength, 'T');
        EXPECT_EQ(SetInfoText(*record, text), c.recordLength) << c.textLength;
        EXPECT_EQ(InfoText(*record, c.recordLength), text.substr(0, InfoTextMaximum));
    }

    auto record = std::make_unique<InfoRecord>();
    SetInfoText(*record, std::string(InfoTextMaximum, 'c'));
    EXPECT_EQ(InfoText(*record, 6000).size(), InfoTextMaximum) << "a record cut when read";
    EXPECT_EQ(InfoText(*record, 3), "") << "a length below the head";
}
