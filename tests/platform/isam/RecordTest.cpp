#include "SampleFileSet.h"

using namespace platform::isam;

namespace {

using Met = std::vector<std::pair<int32_t, int16_t>>;

class RecordTest : public SampleFileSetTest {
protected:
    void SetUp() override
    {
        SampleFileSetTest::SetUp();
        // Positions 1 to 5 in this order.
        createWith({MakeSample(0, 0, "b"), MakeSample(-5, 2, "a"), MakeSample(7, 1, "B"),
                    MakeSample(-5, 1, "c"), MakeSample(100000, 0, "A")});
    }

    std::pair<int32_t, int16_t> current()
    {
        Sample sample;
        EXPECT_EQ(isam.reReadRecord(SampleFile, bytesOf(sample)), Status::Ok);
        return {sample.id, sample.sequence};
    }
};

TEST_F(RecordTest, KeyedReadsFindTheQualifyingRecord)
{
    using Read = Status (IsamLibrary::*)(int, std::span<const std::byte>, std::span<std::byte>);
    const struct {
        const char* name;
        Read read;
        std::pair<int32_t, int16_t> key;
        std::optional<std::pair<int32_t, int16_t>> found;
    } cases[] = {
        {"=", &IsamLibrary::readEqual, {-5, 2}, std::pair{-5, 2}},
        {"= absent", &IsamLibrary::readEqual, {-5, 3}, std::nullopt},
        {">=", &IsamLibrary::readGreaterOrEqual, {-5, 3}, std::pair{0, 0}},
        {">= equal", &IsamLibrary::readGreaterOrEqual, {7, 1}, std::pair{7, 1}},
        {">= beyond", &IsamLibrary::readGreaterOrEqual, {100000, 1}, std::nullopt},
        {">", &IsamLibrary::readGreater, {-5, 2}, std::pair{0, 0}},
        {"> negative", &IsamLibrary::readGreater, {-6, 9}, std::pair{-5, 1}},
        {"<=", &IsamLibrary::readLessOrEqual, {6, 0}, std::pair{0, 0}},
        {"<= equal", &IsamLibrary::readLessOrEqual, {-5, 1}, std::pair{-5, 1}},
        {"<", &IsamLibrary::readLess, {0, 0}, std::pair{-5, 2}},
        {"< first", &IsamLibrary::readLess, {-5, 1}, std::nullopt},
    };
    for (const auto& c : cases) {
        Sample sample;
        const Status status = (isam.*c.read)(ByIdKey, idKey(c.key.first, c.key.second),
                                              bytesOf(sample));
        if (c.found) {
            ASSERT_EQ(status, Status::Ok) << c.name;
            EXPECT_EQ(std::pair(sample.id, sample.sequence), *c.found) << c.name;
        } else {
            EXPECT_EQ(status, Status::NoRecord) << c.name;
        }
    }
}

TEST_F(RecordTest, WalksGoBothWaysAndStopAtEitherEnd)
{
    EXPECT_EQ(walk(ByIdKey), (Met{{-5, 1}, {-5, 2}, {0, 0}, {7, 1}, {100000, 0}}));
    Sample sample;
    EXPECT_EQ(isam.readNext(ByIdKey, bytesOf(sample)), Status::NoRecord);
    EXPECT_EQ(current(), std::pair(100000, int16_t{0}));  // the end leaves the last record current
    Met backwards;
    while (isam.readPrevious(ByIdKey, bytesOf(sample)) == Status::Ok)
        backwards.emplace_back(sample.id, sample.sequence);
    EXPECT_EQ(backwards, (Met{{7, 1}, {0, 0}, {-5, 2}, {-5, 1}}));

    // Text compares upper-cased; equal values come in the order of their positions.
    EXPECT_EQ(walk(ByTagKey), (Met{{-5, 2}, {100000, 0}, {0, 0}, {7, 1}, {-5, 1}}));
    ASSERT_EQ(isam.readEqual(ByTagKey, tagKey("b"), bytesOf(sample)), Status::Ok);
    EXPECT_EQ(sample.id, 0);
    EXPECT_EQ(isam.keyPresent(ByTagKey, tagKey("B")), 1);
    EXPECT_EQ(isam.keyPresent(ByTagKey, tagKey("d")), 0);
}

TEST_F(RecordTest, ReadsWithoutResultOrCurrentRecordFailCleanly)
{
    IsamLibrary fresh;
    ASSERT_EQ(fresh.start(15), Status::Ok);
    ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);
    ASSERT_EQ(fresh.openFileSet(definition()), Status::Ok);
    Sample sample;
    EXPECT_EQ(fresh.readNext(ByIdKey, bytesOf(sample)), Status::NoCurrentRecord);
    EXPECT_EQ(fresh.rewriteRecord(SampleFile, bytesOf(sample)), Status::NoCurrentRecord);
    EXPECT_EQ(fresh.deleteRecord(SampleFile), Status::NoCurrentRecord);
    EXPECT_EQ(fresh.currentRecordLength(SampleFile), 0u);
    EXPECT_EQ(fresh.readEqual(ByIdKey, std::span<const std::byte>(), bytesOf(sample)),
              Status::BadKeyValue);

    // A failed read keeps the current record.
    ASSERT_EQ(fresh.readFirst(ByIdKey, bytesOf(sample)), Status::Ok);
    std::vector<std::byte> absent(6, std::byte{1});
    ASSERT_EQ(fresh.prepareKeyValue(ByIdKey, absent), Status::Ok);
    EXPECT_EQ(fresh.readEqual(ByIdKey, absent, bytesOf(sample)), Status::NoRecord);
    ASSERT_EQ(fresh.readNext(ByIdKey, bytesOf(sample)), Status::Ok);
    EXPECT_EQ(std::pair(sample.id, sample.sequence), std::pair(-5, int16_t{2}));
}

TEST_F(RecordTest, TheKeysShareOneCurrentRecord)
{
    Sample sample;
    ASSERT_EQ(isam.readEqual(ByIdKey, idKey(0, 0), bytesOf(sample)), Status::Ok);
    // Tag order: a(-5,2) A(100000,0) b(0,0) B(7,1) c(-5,1).
    ASSERT_EQ(isam.readNext(ByTagKey, bytesOf(sample)), Status::Ok);
    EXPECT_EQ(sample.id, 7);
    ASSERT_EQ(isam.readNext(ByIdKey, bytesOf(sample)), Status::Ok);
    EXPECT_EQ(sample.id, 100000);
    ASSERT_EQ(isam.readPrevious(ByTagKey, bytesOf(sample)), Status::Ok);
    EXPECT_EQ(sample.id, -5);
}

TEST_F(RecordTest, WalksContinueAfterTheCurrentRecordIsDeletedOrRekeyed)
{
    Sample sample;
    ASSERT_EQ(isam.readEqual(ByIdKey, idKey(0, 0), bytesOf(sample)), Status::Ok);
    ASSERT_EQ(isam.deleteRecord(SampleFile), Status::Ok);
    EXPECT_EQ(isam.currentRecordLength(SampleFile), 0u);
    EXPECT_EQ(isam.reReadRecord(SampleFile, bytesOf(sample)), Status::NoCurrentRecord);
    EXPECT_EQ(isam.deleteRecord(SampleFile), Status::NoCurrentRecord);
    ASSERT_EQ(isam.readNext(ByIdKey, bytesOf(sample)), Status::Ok);
    EXPECT_EQ(sample.id, 7);

    // Deleting every record of an object while walking it.
    ASSERT_EQ(isam.readGreaterOrEqual(ByIdKey, idKey(-5, 0), bytesOf(sample)), Status::Ok);
    while (sample.id == -5) {
        ASSERT_EQ(isam.deleteRecord(SampleFile), Status::Ok);
        ASSERT_EQ(isam.readNext(ByIdKey, bytesOf(sample)), Status::Ok);
    }
    EXPECT_EQ(walk(ByIdKey), (Met{{7, 1}, {100000, 0}}));

    // Rewritten with another key, the record walks on from its new place.
    ASSERT_EQ(isam.readFirst(ByIdKey, bytesOf(sample)), Status::Ok);
    ASSERT_EQ(isam.rewriteRecord(SampleFile, bytesOf(MakeSample(200000, 0, "z"))), Status::Ok);
    EXPECT_EQ(isam.readNext(ByIdKey, bytesOf(sample)), Status::NoRecord);
    ASSERT_EQ(isam.readPrevious(ByIdKey, bytesOf(sample)), Status::Ok);
    EXPECT_EQ(sample.id, 100000);
    EXPECT_EQ(isam.keyPresent(ByIdKey, idKey(7, 1)), 0);
    EXPECT_EQ(isam.keyPresent(ByIdKey, idKey(200000, 0)), 3);  // same position
    EXPECT_EQ(isam.keyPresent(ByTagKey, tagKey("Z")), 3);
}

TEST_F(RecordTest, WalksMeetRecordsAddedAheadOfThem)
{
    Sample sample;
    ASSERT_EQ(isam.readFirst(ByIdKey, bytesOf(sample)), Status::Ok);
    ASSERT_EQ(isam.readNext(ByIdKey, bytesOf(sample)), Status::Ok);
    ASSERT_EQ(isam.addRecord(SampleFile, bytesOf(MakeSample(-5, 3))), Status::Ok);
    ASSERT_EQ(isam.addRecord(SampleFile, bytesOf(MakeSample(-5, 0))), Status::Ok);
    // The added record is current now.
    ASSERT_EQ(isam.readNext(ByIdKey, bytesOf(sample)), Status::Ok);
    EXPECT_EQ(std::pair(sample.id, sample.sequence), std::pair(-5, int16_t{1}));
    ASSERT_EQ(isam.readNext(ByIdKey, bytesOf(sample)), Status::Ok);
    ASSERT_EQ(isam.readNext(ByIdKey, bytesOf(sample)), Status::Ok);
    EXPECT_EQ(std::pair(sample.id, sample.sequence), std::pair(-5, int16_t{3}));
}

TEST_F(RecordTest, UniqueKeysRefuseASecondRecordAndLeaveTheFileAsItWas)
{
    const Met before = walk(ByIdKey);
    EXPECT_EQ(isam.addRecord(SampleFile, bytesOf(MakeSample(7, 1, "new"))), Status::KeyExists);
    EXPECT_EQ(isam.keyPresent(ByTagKey, tagKey("new")), 0);

    Sample sample;
    ASSERT_EQ(isam.readEqual(ByIdKey, idKey(0, 0), bytesOf(sample)), Status::Ok);
    EXPECT_EQ(isam.rewriteRecord(SampleFile, bytesOf(MakeSample(7, 1, "b"))), Status::KeyExists);
    EXPECT_EQ(current(), std::pair(0, int16_t{0}));
    EXPECT_EQ(walk(ByIdKey), before);

    // Rewriting a record with its own key, and a duplicate key value, is fine.
    ASSERT_EQ(isam.readEqual(ByIdKey, idKey(0, 0), bytesOf(sample)), Status::Ok);
    EXPECT_EQ(isam.rewriteRecord(SampleFile, bytesOf(MakeSample(0, 0, "c"))), Status::Ok);
    EXPECT_EQ(isam.addRecord(SampleFile, bytesOf(MakeSample(8, 0, "C"))), Status::Ok);

    const std::byte shortRecord[15] = {};
    EXPECT_EQ(isam.addRecord(SampleFile, shortRecord), Status::BadRecordLength);
}

TEST_F(RecordTest, PositionsStayWithTheirRecordsAndAreNeverGivenAgain)
{
    Sample sample;
    ASSERT_EQ(isam.readEqual(ByIdKey, idKey(100000, 0), bytesOf(sample)), Status::Ok);
    ASSERT_EQ(isam.deleteRecord(SampleFile), Status::Ok);
    ASSERT_EQ(isam.addRecord(SampleFile, bytesOf(MakeSample(9, 9))), Status::Ok);
    EXPECT_EQ(isam.keyPresent(ByIdKey, idKey(9, 9)), 6);

    ASSERT_EQ(isam.rebuildFileSet(definition()), Status::Ok);
    ASSERT_EQ(isam.openFileSet(definition()), Status::Ok);
    EXPECT_EQ(isam.keyPresent(ByIdKey, idKey(9, 9)), 6);
    EXPECT_EQ(isam.keyPresent(ByIdKey, idKey(7, 1)), 3);
}

TEST_F(RecordTest, ShortBufferCutsTheRecordAndTheFullLengthIsKnown)
{
    Sample sample;
    std::byte head[6];
    ASSERT_EQ(isam.readEqual(ByIdKey, idKey(7, 1), head), Status::Ok);
    EXPECT_EQ(isam.currentRecordLength(SampleFile), sizeof(Sample));
    uint32_t length = 0;
    ASSERT_EQ(isam.reReadRecord(SampleFile, bytesOf(sample), &length), Status::Ok);
    EXPECT_EQ(length, sizeof(Sample));
    EXPECT_EQ(std::memcmp(head, &sample, sizeof head), 0);
}

// Texts of an object: an 8-byte head (reserved, object id, kind) and the text after it.
class VariableRecordTest : public SampleFileSetTest {
protected:
    FileDefinition textDefinition()
    {
        return {SampleFile, folder / "info", 8,
                FileMode::Exclusive | FileMode::WriteThrough | FileMode::VariableLength,
                {{ByIdKey, false,
                  {{2, 4, SegmentKind::SignedInteger}, {6, 2, SegmentKind::SignedInteger}}}}};
    }

    static std::vector<std::byte> text(int32_t id, size_t length, char fill)
    {
        std::vector<std::byte> record(8 + length, static_cast<std::byte>(fill));
        std::memset(record.data(), 0, 8);
        std::memcpy(record.data() + 2, &id, 4);
        return record;
    }
};

TEST_F(VariableRecordTest, RecordsOfAnyLengthAreStoredWholeAndReadCutToTheBuffer)
{
    ASSERT_EQ(isam.createFileSet(textDefinition()), Status::Ok);
    ASSERT_EQ(isam.addRecord(SampleFile, text(1, 4800, 'x')), Status::Ok);
    ASSERT_EQ(isam.addRecord(SampleFile, text(2, 3, 'y')), Status::Ok);
    EXPECT_EQ(isam.addRecord(SampleFile, std::vector<std::byte>(7)), Status::BadRecordLength);

    std::vector<std::byte> buffer(100);
    ASSERT_EQ(isam.readFirst(ByIdKey, buffer), Status::Ok);
    EXPECT_EQ(isam.currentRecordLength(SampleFile), 4808u);
    EXPECT_EQ(buffer[99], std::byte{'x'});

    std::vector<std::byte> whole(4808);
    uint32_t length = 0;
    ASSERT_EQ(isam.reReadRecord(SampleFile, whole, &length), Status::Ok);
    EXPECT_EQ(whole, text(1, 4800, 'x'));
    ASSERT_EQ(isam.reReadRecord(SampleFile, std::span(whole).first(10), &length), Status::Ok);
    EXPECT_EQ(length, 4808u);

    ASSERT_EQ(isam.rewriteRecord(SampleFile, text(1, 20, 'z')), Status::Ok);
    ASSERT_EQ(isam.readNext(ByIdKey, buffer), Status::Ok);
    EXPECT_EQ(isam.currentRecordLength(SampleFile), 11u);
    ASSERT_EQ(isam.readPrevious(ByIdKey, buffer), Status::Ok);
    EXPECT_EQ(isam.currentRecordLength(SampleFile), 28u);

    BatchRequest request;
    EXPECT_EQ(isam.batchRead(ByIdKey, request, buffer, BatchMode::Start), Status::NotFixedLength);
}

}  // namespace
