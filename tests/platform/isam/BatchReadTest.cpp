#include "SampleFileSet.h"

#include <set>

using namespace platform::isam;

namespace {

constexpr size_t EntryLength = 4 + sizeof(Sample);

struct Entry {
    int32_t position;
    Sample sample;
};

std::vector<Entry> Entries(std::span<const std::byte> buffer, int32_t count)
{
    std::vector<Entry> entries(static_cast<size_t>(count));
    for (size_t i = 0; i < entries.size(); ++i) {
        std::memcpy(&entries[i].position, buffer.data() + i * EntryLength, 4);
        std::memcpy(&entries[i].sample, buffer.data() + i * EntryLength + 4, sizeof(Sample));
    }
    return entries;
}

class BatchReadTest : public SampleFileSetTest {
protected:
    void SetUp() override
    {
        SampleFileSetTest::SetUp();
        // Object 2's points are added in reverse order, between the points of objects 1 and 3.
        std::vector<Sample> samples{MakeSample(1, 0), MakeSample(3, 0)};
        for (int16_t sequence = 1099; sequence >= 0; --sequence)
            samples.push_back(MakeSample(2, sequence));
        samples.push_back(MakeSample(-2, 0));
        createWith(samples);
    }

    BatchRequest requestFor(int32_t id)
    {
        BatchRequest request;
        const std::vector<std::byte> key = idKey(id, 0);
        std::copy(key.begin(), key.end(), request.keyValue.begin());
        request.significantBytes = 4;
        return request;
    }

    std::vector<std::byte> buffer = std::vector<std::byte>(500 * EntryLength);
};

TEST_F(BatchReadTest, HandsOutThePrefixsRecordsInKeyOrderPartByPart)
{
    BatchRequest request = requestFor(2);
    std::vector<Entry> all;
    const struct {
        BatchMode mode;
        int32_t returned;
        int32_t available;
    } parts[] = {{BatchMode::Start, 500, 600}, {BatchMode::NextPart, 500, 100},
                 {BatchMode::NextPart, 100, 0}};
    for (const auto& part : parts) {
        ASSERT_EQ(isam.batchRead(ByIdKey, request, buffer, part.mode), Status::Ok);
        EXPECT_EQ(request.total, 1100);
        EXPECT_EQ(request.returned, part.returned);
        EXPECT_EQ(request.available, part.available);
        const std::vector<Entry> entries = Entries(buffer, request.returned);
        all.insert(all.end(), entries.begin(), entries.end());
    }
    EXPECT_EQ(isam.batchRead(ByIdKey, request, buffer, BatchMode::NextPart), Status::NoRecord);
    EXPECT_EQ(request.returned, 0);

    ASSERT_EQ(all.size(), 1100u);
    for (size_t i = 0; i < all.size(); ++i) {
        ASSERT_EQ(all[i].sample.id, 2);
        ASSERT_EQ(all[i].sample.sequence, static_cast<int16_t>(i));
        ASSERT_EQ(all[i].position, isam.keyPresent(ByIdKey, idKey(2, static_cast<int16_t>(i))));
    }

    EXPECT_EQ(isam.batchRead(ByIdKey, request, buffer, BatchMode::Cancel), Status::Ok);
    EXPECT_EQ(isam.batchRead(ByIdKey, request, buffer, BatchMode::NextPart), Status::NoBatch);
}

TEST_F(BatchReadTest, HoldsTheRecordsPresentAtItsStartWhileRecordsAreAdded)
{
    BatchRequest request = requestFor(2);
    ASSERT_EQ(isam.batchRead(ByIdKey, request, buffer, BatchMode::Start), Status::Ok);
    std::multiset<int16_t> sequences;
    for (const Entry& entry : Entries(buffer, request.returned))
        sequences.insert(entry.sample.sequence);

    // Added behind and ahead of the part handed out, with the batch's prefix.
    for (const int16_t sequence : {-1, 1100, 2000})
        ASSERT_EQ(isam.addRecord(SampleFile, bytesOf(MakeSample(2, sequence))), Status::Ok);
    while (isam.batchRead(ByIdKey, request, buffer, BatchMode::NextPart) == Status::Ok) {
        EXPECT_EQ(request.total, 1100);
        for (const Entry& entry : Entries(buffer, request.returned))
            sequences.insert(entry.sample.sequence);
    }
    ASSERT_EQ(sequences.size(), 1100u);
    EXPECT_EQ(*sequences.begin(), 0);
    EXPECT_EQ(*sequences.rbegin(), 1099);

    // A new batch holds them.
    request = requestFor(2);
    ASSERT_EQ(isam.batchRead(ByIdKey, request, buffer, BatchMode::Start), Status::Ok);
    EXPECT_EQ(request.total, 1103);
}

TEST_F(BatchReadTest, EdgesOfTheRequest)
{
    BatchRequest request = requestFor(4);
    EXPECT_EQ(isam.batchRead(ByIdKey, request, buffer, BatchMode::Start), Status::NoRecord);
    EXPECT_EQ(request.total, 0);

    request = requestFor(2);
    EXPECT_EQ(isam.batchRead(ByIdKey, request, std::span(buffer).first(EntryLength - 1),
                             BatchMode::Start),
              Status::BufferTooSmall);
    EXPECT_EQ(isam.batchRead(ByIdKey, request, buffer, static_cast<BatchMode>(7)),
              Status::BadBatchMode);
    request.significantBytes = 7;
    EXPECT_EQ(isam.batchRead(ByIdKey, request, buffer, BatchMode::Start), Status::BadKeyValue);

    // No significant bytes: every record, the negative id first.
    request.significantBytes = 0;
    ASSERT_EQ(isam.batchRead(ByIdKey, request, std::span(buffer).first(3 * EntryLength),
                             BatchMode::Start),
              Status::Ok);
    EXPECT_EQ(request.total, 1103);
    EXPECT_EQ(request.returned, 3);
    const std::vector<Entry> entries = Entries(buffer, 3);
    EXPECT_EQ(entries[0].sample.id, -2);
    EXPECT_EQ(entries[1].sample.id, 1);
    EXPECT_EQ(entries[2].sample.id, 2);

    // Parts that end exactly on the batch's last record: the part after them finds nothing.
    request = requestFor(2);
    const auto quarter = std::span(buffer).first(275 * EntryLength);
    ASSERT_EQ(isam.batchRead(ByIdKey, request, quarter, BatchMode::Start), Status::Ok);
    for (int part = 0; part < 3; ++part)
        ASSERT_EQ(isam.batchRead(ByIdKey, request, quarter, BatchMode::NextPart), Status::Ok);
    EXPECT_EQ(request.returned, 275);
    EXPECT_EQ(request.available, 0);
    EXPECT_EQ(isam.batchRead(ByIdKey, request, quarter, BatchMode::NextPart), Status::NoRecord);
    EXPECT_EQ(request.returned, 0);

    // The whole key as prefix: exactly one record.
    request = requestFor(3);
    request.significantBytes = 6;
    ASSERT_EQ(isam.batchRead(ByIdKey, request, buffer, BatchMode::Start), Status::Ok);
    EXPECT_EQ(request.total, 1);
}

}  // namespace
