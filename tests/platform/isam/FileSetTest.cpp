#include "SampleFileSet.h"

#include "platform/isam/FileSet.h"

#include <fstream>

using namespace platform::isam;

namespace {

bool Exists(const std::filesystem::path& path)
{
    return std::filesystem::exists(path);
}

using FileSetTest = SampleFileSetTest;

TEST_F(FileSetTest, CreateLeavesTheSetOpenAndDeleteRemovesItsFiles)
{
    createWith({MakeSample(1, 0)}, FileMode::Shared | FileMode::WriteThrough);
    EXPECT_EQ(isam.fileMode(SampleFile), FileMode::Shared | FileMode::WriteThrough);
    EXPECT_TRUE(Exists(folder / "sample.dat"));
    EXPECT_TRUE(Exists(folder / "sample.idx"));

    FileDefinition again = definition();
    again.dataFileNumber = 5;
    again.keys[0].keyNumber = 6;
    again.keys[1].keyNumber = 7;
    EXPECT_EQ(isam.createFileSet(again), Status::FileExists);

    EXPECT_EQ(isam.deleteFileSet(definition()), Status::Ok);
    EXPECT_EQ(isam.fileMode(SampleFile), std::nullopt);
    for (const char* name : {"sample.dat", "sample.idx", "sample.dat-wal", "sample.idx-wal"})
        EXPECT_FALSE(Exists(folder / name)) << name;
    EXPECT_EQ(isam.openFileSet(definition()), Status::DataFileMissing);
    EXPECT_EQ(isam.deleteFileSet(definition()), Status::DataFileMissing);
}

TEST_F(FileSetTest, LibraryChecksItsStateAndTheNumbers)
{
    IsamLibrary idle;
    Sample sample;
    EXPECT_EQ(idle.openFileSet(definition()), Status::NotStarted);
    EXPECT_EQ(idle.readFirst(ByIdKey, bytesOf(sample)), Status::NotStarted);
    EXPECT_EQ(idle.start(0), Status::BadStartArguments);
    EXPECT_EQ(isam.start(15), Status::AlreadyStarted);

    FileDefinition outside = definition();
    outside.keys[1].keyNumber = 15;
    EXPECT_EQ(isam.createFileSet(outside), Status::BadFileNumber);
    FileDefinition segmentOutside = definition();
    segmentOutside.keys[1].segments[0].offset = 9;
    EXPECT_EQ(isam.createFileSet(segmentOutside), Status::BadDefinition);

    createWith({});
    FileDefinition sharingANumber = SampleDefinition(folder / "other", FileMode::Exclusive);
    sharingANumber.dataFileNumber = 3;
    sharingANumber.keys[0].keyNumber = 4;  // the second key keeps number 2
    EXPECT_EQ(isam.createFileSet(sharingANumber), Status::FileNumberInUse);
    EXPECT_EQ(isam.readFirst(SampleFile, bytesOf(sample)), Status::BadFileNumber);
    EXPECT_EQ(isam.addRecord(ByIdKey, bytesOf(sample)), Status::BadFileNumber);
}

TEST_F(FileSetTest, OpenFailuresHaveTheirOwnStatus)
{
    createWith({MakeSample(1, 0)});
    ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);
    ASSERT_EQ(isam.openFileSet(definition()), Status::Ok);  // the intact set opens
    ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);

    FileDefinition longer = definition();
    longer.recordLength = 20;
    EXPECT_EQ(isam.openFileSet(longer), Status::DefinitionMismatch);
    EXPECT_EQ(isam.rebuildFileSet(longer), Status::DefinitionMismatch);
    FileDefinition variable = definition(FileMode::VariableLength);
    EXPECT_EQ(isam.openFileSet(variable), Status::DefinitionMismatch);

    FileDefinition otherKeys = definition();
    otherKeys.keys[1].duplicates = false;
    EXPECT_EQ(isam.openFileSet(otherKeys), Status::IndexStale);

    { std::ofstream(folder / "junk.dat") << "not a file set"; }
    std::filesystem::copy_file(folder / "sample.idx", folder / "junk.idx");
    EXPECT_EQ(isam.openFileSet(SampleDefinition(folder / "junk", FileMode::Exclusive)),
              Status::NotAFileSet);
    EXPECT_EQ(isam.openFileSet(SampleDefinition(folder / "absent", FileMode::Exclusive)),
              Status::DataFileMissing);
    EXPECT_EQ(isam.fileMode(SampleFile), std::nullopt);
}

TEST_F(FileSetTest, DeletedIndexIsRebuiltFromTheDataFile)
{
    createWith({MakeSample(3, 0, "c"), MakeSample(-1, 0, "b"), MakeSample(2, 0, "a")});
    ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);
    std::filesystem::remove(folder / "sample.idx");

    EXPECT_EQ(isam.openFileSet(definition()), Status::IndexMissing);
    EXPECT_EQ(isam.rebuildFileSet(definition()), Status::Ok);
    EXPECT_EQ(isam.fileMode(SampleFile), std::nullopt);  // rebuild leaves the set closed
    ASSERT_EQ(isam.openFileSet(definition()), Status::Ok);
    using Met = std::vector<std::pair<int32_t, int16_t>>;
    EXPECT_EQ(walk(ByIdKey), (Met{{-1, 0}, {2, 0}, {3, 0}}));
    EXPECT_EQ(walk(ByTagKey), (Met{{2, 0}, {-1, 0}, {3, 0}}));
    EXPECT_EQ(isam.addRecord(SampleFile, bytesOf(MakeSample(2, 0))), Status::KeyExists);
}

TEST_F(FileSetTest, StaleOrForeignIndexIsDetectedAndRebuilt)
{
    createWith({MakeSample(1, 0)});
    ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);
    std::filesystem::copy_file(folder / "sample.idx", folder / "old.idx");

    ASSERT_EQ(isam.openFileSet(definition()), Status::Ok);
    Sample sample;
    ASSERT_EQ(isam.readFirst(ByIdKey, bytesOf(sample)), Status::Ok);
    ASSERT_EQ(isam.deleteRecord(SampleFile), Status::Ok);
    ASSERT_EQ(isam.addRecord(SampleFile, bytesOf(MakeSample(2, 0))), Status::Ok);
    ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);

    // An index left behind by the changes: as after a crash between the two files' commits.
    std::filesystem::copy_file(folder / "old.idx", folder / "sample.idx",
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(isam.openFileSet(definition()), Status::IndexStale);
    ASSERT_EQ(isam.rebuildFileSet(definition()), Status::Ok);
    ASSERT_EQ(isam.openFileSet(definition()), Status::Ok);
    EXPECT_EQ(walk(ByIdKey), (std::vector<std::pair<int32_t, int16_t>>{{2, 0}}));
    ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);

    // The index of another set with the same generation.
    const FileDefinition other = SampleDefinition(folder / "other", FileMode::Exclusive);
    ASSERT_EQ(isam.createFileSet(other), Status::Ok);
    ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);
    std::filesystem::copy_file(folder / "other.idx", folder / "sample.idx",
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(isam.openFileSet(definition()), Status::IndexStale);
}

TEST_F(FileSetTest, RebuildRefusesTwoRecordsWithOneUniqueValueAndKeepsTheOldIndex)
{
    createWith({MakeSample(1, 0, "same"), MakeSample(2, 0, "SAME")});
    ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);
    FileDefinition uniqueTags = definition();
    uniqueTags.keys[1].duplicates = false;
    EXPECT_EQ(isam.rebuildFileSet(uniqueTags), Status::DuplicateKeyInData);
    EXPECT_EQ(isam.openFileSet(definition()), Status::Ok);
}

TEST_F(FileSetTest, ExclusiveOpenLocksOutEveryOtherOpener)
{
    createWith({MakeSample(1, 0)}, FileMode::Exclusive | FileMode::WriteThrough);
    IsamLibrary other;
    ASSERT_EQ(other.start(15), Status::Ok);
    for (const uint16_t mode : {FileMode::Exclusive, FileMode::Shared})
        EXPECT_EQ(other.openFileSet(definition(mode)), Status::FileLocked) << mode;
    EXPECT_EQ(other.rebuildFileSet(definition()), Status::FileLocked);
    EXPECT_EQ(other.deleteFileSet(definition()), Status::FileLocked);
    EXPECT_TRUE(Exists(folder / "sample.dat"));

    ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);
    ASSERT_EQ(other.openFileSet(definition(FileMode::Shared)), Status::Ok);
    // A shared opener keeps exclusive openers out as well.
    EXPECT_EQ(isam.openFileSet(definition(FileMode::Exclusive)), Status::FileLocked);
    EXPECT_EQ(isam.openFileSet(definition(FileMode::Shared)), Status::Ok);
}

TEST_F(FileSetTest, SharedOpenersSeeEachOthersCommittedRecords)
{
    // The second opener trusts the index marked by the first, which is still open.
    createWith({MakeSample(1, 0)}, FileMode::Shared);
    IsamLibrary other;
    ASSERT_EQ(other.start(15), Status::Ok);
    ASSERT_EQ(other.openFileSet(definition(FileMode::Shared)), Status::Ok);

    ASSERT_EQ(other.addRecord(SampleFile, bytesOf(MakeSample(2, 0))), Status::Ok);
    EXPECT_EQ(other.addRecord(SampleFile, bytesOf(MakeSample(1, 0))), Status::KeyExists);
    Sample sample;
    ASSERT_EQ(other.readFirst(ByIdKey, bytesOf(sample)), Status::Ok);
    EXPECT_EQ(sample.id, 1);

    // A record added by one opener between another's reads shows in that one's walk.
    ASSERT_EQ(isam.addRecord(SampleFile, bytesOf(MakeSample(3, 0))), Status::Ok);
    ASSERT_EQ(other.readNext(ByIdKey, bytesOf(sample)), Status::Ok);
    EXPECT_EQ(sample.id, 2);
    ASSERT_EQ(other.readNext(ByIdKey, bytesOf(sample)), Status::Ok);
    EXPECT_EQ(sample.id, 3);

    ASSERT_EQ(other.deleteRecord(SampleFile), Status::Ok);
    EXPECT_EQ(isam.keyPresent(ByIdKey, idKey(3, 0)), 0);
    // The current record of the first opener was deleted by the other one.
    ASSERT_EQ(isam.readEqual(ByIdKey, idKey(2, 0), bytesOf(sample)), Status::Ok);
    ASSERT_EQ(other.readEqual(ByIdKey, idKey(2, 0), bytesOf(sample)), Status::Ok);
    ASSERT_EQ(other.deleteRecord(SampleFile), Status::Ok);
    EXPECT_EQ(isam.rewriteRecord(SampleFile, bytesOf(MakeSample(2, 1))), Status::NoCurrentRecord);
    EXPECT_EQ(isam.readPrevious(ByIdKey, bytesOf(sample)), Status::Ok);
    EXPECT_EQ(sample.id, 1);
}

TEST_F(FileSetTest, GatheredChangesAreDurableWhenTheLibraryStops)
{
    // Without write-through changes are committed in groups; the last group at the stop.
    const int count = FileSet::BatchCommitEvery + FileSet::BatchCommitEvery / 2;
    createWith({}, FileMode::Exclusive);
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(isam.addRecord(SampleFile, bytesOf(MakeSample(i, 0))), Status::Ok);
    isam.stop();

    ASSERT_EQ(isam.start(15), Status::Ok);
    ASSERT_EQ(isam.openFileSet(definition()), Status::Ok);
    EXPECT_EQ(walk(ByIdKey).size(), static_cast<size_t>(count));
}

}  // namespace
