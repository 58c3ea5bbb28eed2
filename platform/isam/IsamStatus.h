#pragma once
// Results of the ISAM operations. 0 is success; every failure has its own number, which the
// callers show as a message number, so the numbers never change.

#include <cstdint>

namespace platform::isam {

enum class Status : int16_t {
    Ok = 0,
    KeyExists = 2,    // add or rewrite: a unique key already holds the value
    NoRecord = 101,   // no record qualifies; also either end of the key order, an exhausted batch

    // Library
    NotStarted = 11,         // an operation before start or after stop
    AlreadyStarted = 12,     // start while started
    BadStartArguments = 13,  // file count outside 1..255

    // File and key numbers, definitions
    BadFileNumber = 20,      // no open data file or key with that number, or outside the file count
    FileNumberInUse = 21,    // a number of the definition is taken by an open file set
    BadDefinition = 22,      // record length 0, a key without segments or outside the record, ...

    // Open (some also from rebuild and delete)
    DataFileMissing = 30,    // <stem>.dat does not exist
    IndexMissing = 31,       // <stem>.idx does not exist: rebuild it
    IndexStale = 32,         // <stem>.idx does not match the data file or the key definitions
    FileLocked = 33,         // another opener holds the set (exclusively, or shared for an
                             // exclusive request)
    NotAFileSet = 34,        // <stem>.dat is no file set of this library (foreign or damaged)
    DefinitionMismatch = 35, // record length or variable-length mode differ from the data file
    AccessDenied = 36,       // the files cannot be opened for reading and writing

    // Create
    FileExists = 40,         // <stem>.dat already exists
    CreateFailed = 41,       // the files could not be written (folder missing, no permission, ...)

    // Rebuild
    DuplicateKeyInData = 50, // two records hold the same value of a unique key
    IndexWriteFailed = 51,   // the new <stem>.idx could not be written
    BadRecordInData = 52,    // a stored record is shorter than the record length (or, fixed,
                             // of another length)

    // Operations on records
    IoError = 60,            // the storage failed (disk full, damaged file, ...)
    Busy = 61,               // shared mode: another program kept the files locked too long
    NoCurrentRecord = 70,    // rewrite, delete, re-read or next / previous without a current
                             // record (or after it was deleted)
    BadRecordLength = 71,    // fixed: not the record length; variable: shorter than it
    BadKeyValue = 72,        // key value shorter than the key, or too many significant bytes
    BufferTooSmall = 73,     // batch buffer cannot hold one entry
    NotFixedLength = 74,     // batch read of a variable-length file
    NoBatch = 80,            // batch mode 34 without a started batch
    BadBatchMode = 81,       // batch mode other than 35, 34 or 1
};

}  // namespace platform::isam
