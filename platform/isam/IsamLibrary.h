#pragma once
// The ISAM library: keyed files of fixed- or variable-length records with unique and duplicate
// keys, kept as file sets of two SQLite databases (FileSetFormat.h). Every operation returns a
// Status (0 success); the library is used from one thread.
//
// Key values passed to reads and presence tests are prepared (prepareKeyValue) first. Reads copy
// the record into the buffer, cut at the buffer's size, and make it the current record of its
// data file; currentRecordLength tells its full length, so a caller can see a cut.

#include "platform/isam/BatchReader.h"
#include "platform/isam/FileDefinition.h"
#include "platform/isam/IsamStatus.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace platform::isam {

class FileSet;
enum class KeyRead;

class IsamLibrary {
public:
    IsamLibrary();
    ~IsamLibrary();
    IsamLibrary(const IsamLibrary&) = delete;
    IsamLibrary& operator=(const IsamLibrary&) = delete;

    // Data files and keys are numbered 0 .. fileCount - 1 (fileCount 1 to 255).
    Status start(int fileCount);
    // Closes every file set, committing what is pending.
    void stop();
    bool isStarted() const { return !fileSets_.empty(); }

    // File sets. create leaves the new, empty set open; rebuild writes the index anew from the
    // data file and leaves the set closed; delete removes both files. Rebuild and delete close
    // the set first when it is open here. Statuses: see IsamStatus.h.
    Status openFileSet(const FileDefinition& definition);
    Status createFileSet(const FileDefinition& definition);
    Status rebuildFileSet(const FileDefinition& definition);
    Status closeFileSet(int dataFileNumber);
    Status deleteFileSet(const FileDefinition& definition);
    // The mode an open data file was opened with.
    std::optional<uint16_t> fileMode(int dataFileNumber) const;

    // Converts a key value (its segments in record form, one after the other) to the prepared
    // form in place; value holds at least the key.
    Status prepareKeyValue(int keyNumber, std::span<std::byte> value) const;
    // Position of the first record holding the prepared key value, 0 when none does. The
    // current record stays.
    int32_t keyPresent(int keyNumber, std::span<const std::byte> value);

    // Keyed reads: 0 and the record, or NoRecord when none qualifies (the current record then
    // stays). Among equal keys of a duplicate key, the lowest position comes first.
    Status readEqual(int keyNumber, std::span<const std::byte> value, std::span<std::byte> record);
    Status readGreaterOrEqual(int keyNumber, std::span<const std::byte> value,
                              std::span<std::byte> record);
    Status readGreater(int keyNumber, std::span<const std::byte> value,
                       std::span<std::byte> record);
    Status readLessOrEqual(int keyNumber, std::span<const std::byte> value,
                           std::span<std::byte> record);
    Status readLess(int keyNumber, std::span<const std::byte> value, std::span<std::byte> record);
    // Key order from the first record, or on from the current record (NoRecord at either end,
    // NoCurrentRecord without a current record).
    Status readFirst(int keyNumber, std::span<std::byte> record);
    Status readNext(int keyNumber, std::span<std::byte> record);
    Status readPrevious(int keyNumber, std::span<std::byte> record);

    // Record changes. A fixed-length record is exactly the record length; a variable-length one
    // at least that long. add makes the new record current; rewrite and delete act on the
    // current record. KeyExists when a unique key value is held by another record.
    Status addRecord(int dataFileNumber, std::span<const std::byte> record);
    Status rewriteRecord(int dataFileNumber, std::span<const std::byte> record);
    Status deleteRecord(int dataFileNumber);

    // Full length of the current record in bytes, 0 without one.
    uint32_t currentRecordLength(int dataFileNumber) const;
    // Reads the current record again, cut at the buffer's size; length (when given) receives
    // its full length.
    Status reReadRecord(int dataFileNumber, std::span<std::byte> buffer,
                        uint32_t* length = nullptr);

    // Batch reads through a key; see BatchReader.h.
    Status batchRead(int keyNumber, BatchRequest& request, std::span<std::byte> buffer,
                     BatchMode mode);

private:
    struct KeySlot {
        FileSet* fileSet = nullptr;
        size_t ordinal = 0;
    };

    Status checkNumbers(const FileDefinition& definition) const;
    Status numberFailure() const;
    void attach(std::unique_ptr<FileSet> fileSet);
    void closeFileSetsAt(const std::filesystem::path& stem);
    FileSet* dataFile(int number) const;
    KeySlot key(int number) const;
    Status read(int keyNumber, KeyRead how, std::span<const std::byte> value,
                std::span<std::byte> record);

    std::vector<std::unique_ptr<FileSet>> fileSets_;  // by data file number
    std::vector<KeySlot> keys_;                       // by key number
};

// A record or key value as the bytes the operations take.
template <typename T>
std::span<std::byte> bytesOf(T& value)
{
    return std::as_writable_bytes(std::span(&value, 1));
}

template <typename T>
std::span<const std::byte> bytesOf(const T& value)
{
    return std::as_bytes(std::span(&value, 1));
}

}  // namespace platform::isam
