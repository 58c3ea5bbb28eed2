#include "platform/isam/IsamLibrary.h"

#include "platform/isam/FileSet.h"
#include "platform/isam/FileSetFormat.h"
#include "platform/isam/IndexBuilder.h"
#include "platform/isam/KeyValue.h"
#include "platform/isam/SharedOpenLock.h"

#include <filesystem>

namespace platform::isam {

IsamLibrary::IsamLibrary() = default;

IsamLibrary::~IsamLibrary()
{
    stop();
}

Status IsamLibrary::start(int fileCount)
{
    if (isStarted())
        return Status::AlreadyStarted;
    if (fileCount < 1 || fileCount > 255)
        return Status::BadStartArguments;
    fileSets_.resize(static_cast<size_t>(fileCount));
    keys_.resize(static_cast<size_t>(fileCount));
    return Status::Ok;
}

void IsamLibrary::stop()
{
    fileSets_.clear();
    keys_.clear();
}

Status IsamLibrary::checkNumbers(const FileDefinition& definition) const
{
    if (!isStarted())
        return Status::NotStarted;
    if (!isValid(definition))
        return Status::BadDefinition;
    std::vector<int> numbers{definition.dataFileNumber};
    for (const KeyDefinition& key : definition.keys)
        numbers.push_back(key.keyNumber);
    for (const int number : numbers) {
        if (number < 0 || static_cast<size_t>(number) >= fileSets_.size())
            return Status::BadFileNumber;
        if (dataFile(number) || key(number).fileSet)
            return Status::FileNumberInUse;
    }
    return Status::Ok;
}

Status IsamLibrary::numberFailure() const
{
    return isStarted() ? Status::BadFileNumber : Status::NotStarted;
}

void IsamLibrary::attach(std::unique_ptr<FileSet> fileSet)
{
    const FileDefinition& definition = fileSet->definition();
    for (size_t k = 0; k < definition.keys.size(); ++k)
        keys_[static_cast<size_t>(definition.keys[k].keyNumber)] = {fileSet.get(), k};
    fileSets_[static_cast<size_t>(definition.dataFileNumber)] = std::move(fileSet);
}

Status IsamLibrary::openFileSet(const FileDefinition& definition)
{
    Status status = checkNumbers(definition);
    std::unique_ptr<FileSet> fileSet;
    if (status == Status::Ok)
        status = FileSet::open(definition, fileSet);
    if (status == Status::Ok)
        attach(std::move(fileSet));
    return status;
}

Status IsamLibrary::createFileSet(const FileDefinition& definition)
{
    Status status = checkNumbers(definition);
    if (status == Status::Ok)
        status = createDataFile(definition);
    if (status == Status::Ok && rebuildIndex(definition) != Status::Ok) {
        removeDatabaseFile(dataPath(definition.path));
        status = Status::CreateFailed;
    }
    return status == Status::Ok ? openFileSet(definition) : status;
}

Status IsamLibrary::rebuildFileSet(const FileDefinition& definition)
{
    if (!isStarted())
        return Status::NotStarted;
    if (!isValid(definition))
        return Status::BadDefinition;
    closeFileSetsAt(definition.path);
    return rebuildIndex(definition);
}

Status IsamLibrary::closeFileSet(int dataFileNumber)
{
    FileSet* fileSet = dataFile(dataFileNumber);
    if (!fileSet)
        return numberFailure();
    const Status status = fileSet->close();
    for (KeySlot& slot : keys_) {
        if (slot.fileSet == fileSet)
            slot = {};
    }
    fileSets_[static_cast<size_t>(dataFileNumber)].reset();
    return status;
}

void IsamLibrary::closeFileSetsAt(const std::filesystem::path& stem)
{
    for (size_t number = 0; number < fileSets_.size(); ++number) {
        if (fileSets_[number] && fileSets_[number]->definition().path == stem)
            closeFileSet(static_cast<int>(number));
    }
}

Status IsamLibrary::deleteFileSet(const FileDefinition& definition)
{
    if (!isStarted())
        return Status::NotStarted;
    closeFileSetsAt(definition.path);
    // A set another program has open keeps its files.
    if (probeExclusiveAccess(definition.path) == Status::FileLocked)
        return Status::FileLocked;
    const bool dataExisted = removeDatabaseFile(dataPath(definition.path));
    removeDatabaseFile(indexPath(definition.path));
    removeUnusedLockFile(definition.path);
    return dataExisted ? Status::Ok : Status::DataFileMissing;
}

std::optional<uint16_t> IsamLibrary::fileMode(int dataFileNumber) const
{
    const FileSet* fileSet = dataFile(dataFileNumber);
    if (!fileSet)
        return std::nullopt;
    return fileSet->definition().mode;
}

FileSet* IsamLibrary::dataFile(int number) const
{
    if (number < 0 || static_cast<size_t>(number) >= fileSets_.size())
        return nullptr;
    return fileSets_[static_cast<size_t>(number)].get();
}

IsamLibrary::KeySlot IsamLibrary::key(int number) const
{
    if (number < 0 || static_cast<size_t>(number) >= keys_.size())
        return {};
    return keys_[static_cast<size_t>(number)];
}

Status IsamLibrary::prepareKeyValue(int keyNumber, std::span<std::byte> value) const
{
    const KeySlot slot = key(keyNumber);
    if (!slot.fileSet)
        return numberFailure();
    const KeyDefinition& definition = slot.fileSet->keyDefinition(slot.ordinal);
    if (value.size() < keyLength(definition))
        return Status::BadKeyValue;
    platform::isam::prepareKeyValue(definition, value);
    return Status::Ok;
}

int32_t IsamLibrary::keyPresent(int keyNumber, std::span<const std::byte> value)
{
    const KeySlot slot = key(keyNumber);
    if (!slot.fileSet || value.size() < keyLength(slot.fileSet->keyDefinition(slot.ordinal)))
        return 0;
    return slot.fileSet->keyPresent(slot.ordinal, value);
}

Status IsamLibrary::read(int keyNumber, KeyRead how, std::span<const std::byte> value,
                         std::span<std::byte> record)
{
    const KeySlot slot = key(keyNumber);
    if (!slot.fileSet)
        return numberFailure();
    const bool keyed = how != KeyRead::First && how != KeyRead::Next && how != KeyRead::Previous;
    if (keyed && value.size() < keyLength(slot.fileSet->keyDefinition(slot.ordinal)))
        return Status::BadKeyValue;
    return slot.fileSet->read(slot.ordinal, how, value, record);
}

Status IsamLibrary::readEqual(int keyNumber, std::span<const std::byte> value,
                              std::span<std::byte> record)
{
    return read(keyNumber, KeyRead::Equal, value, record);
}

Status IsamLibrary::readGreaterOrEqual(int keyNumber, std::span<const std::byte> value,
                                       std::span<std::byte> record)
{
    return read(keyNumber, KeyRead::GreaterOrEqual, value, record);
}

Status IsamLibrary::readGreater(int keyNumber, std::span<const std::byte> value,
                                std::span<std::byte> record)
{
    return read(keyNumber, KeyRead::Greater, value, record);
}

Status IsamLibrary::readLessOrEqual(int keyNumber, std::span<const std::byte> value,
                                    std::span<std::byte> record)
{
    return read(keyNumber, KeyRead::LessOrEqual, value, record);
}

Status IsamLibrary::readLess(int keyNumber, std::span<const std::byte> value,
                             std::span<std::byte> record)
{
    return read(keyNumber, KeyRead::Less, value, record);
}

Status IsamLibrary::readFirst(int keyNumber, std::span<std::byte> record)
{
    return read(keyNumber, KeyRead::First, {}, record);
}

Status IsamLibrary::readNext(int keyNumber, std::span<std::byte> record)
{
    return read(keyNumber, KeyRead::Next, {}, record);
}

Status IsamLibrary::readPrevious(int keyNumber, std::span<std::byte> record)
{
    return read(keyNumber, KeyRead::Previous, {}, record);
}

Status IsamLibrary::addRecord(int dataFileNumber, std::span<const std::byte> record)
{
    FileSet* fileSet = dataFile(dataFileNumber);
    if (!fileSet)
        return numberFailure();
    return fileSet->add(record);
}

Status IsamLibrary::rewriteRecord(int dataFileNumber, std::span<const std::byte> record)
{
    FileSet* fileSet = dataFile(dataFileNumber);
    if (!fileSet)
        return numberFailure();
    return fileSet->rewrite(record);
}

Status IsamLibrary::deleteRecord(int dataFileNumber)
{
    FileSet* fileSet = dataFile(dataFileNumber);
    if (!fileSet)
        return numberFailure();
    return fileSet->remove();
}

uint32_t IsamLibrary::currentRecordLength(int dataFileNumber) const
{
    const FileSet* fileSet = dataFile(dataFileNumber);
    return fileSet ? fileSet->currentLength() : 0;
}

Status IsamLibrary::reReadRecord(int dataFileNumber, std::span<std::byte> buffer,
                                 uint32_t* length)
{
    FileSet* fileSet = dataFile(dataFileNumber);
    if (!fileSet)
        return numberFailure();
    uint32_t fullLength = 0;
    const Status status = fileSet->reRead(buffer, fullLength);
    if (length)
        *length = fullLength;
    return status;
}

Status IsamLibrary::batchRead(int keyNumber, BatchRequest& request, std::span<std::byte> buffer,
                              BatchMode mode)
{
    const KeySlot slot = key(keyNumber);
    if (!slot.fileSet)
        return numberFailure();
    return slot.fileSet->batchRead(slot.ordinal, request, buffer, mode);
}

}  // namespace platform::isam
