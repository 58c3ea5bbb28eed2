#include "platform/zip/WorkArchive.h"

#include <zip.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <string>
#include <system_error>

namespace platform::zip {

namespace {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ArchiveHandle = std::unique_ptr<zip_t, ArchiveCloser>;

struct EntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};
using EntryHandle = std::unique_ptr<zip_file_t, EntryCloser>;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::filesystem::path PartName(const std::filesystem::path& target)
{
    std::filesystem::path part = target;
    part += ".part";
    return part;
}

void RemoveQuietly(const std::filesystem::path& path)
{
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

bool SameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The last component of an entry name, with '/' and '\' both taken as separators.
std::string_view LeafOf(std::string_view name)
{
    const size_t slash = name.find_last_of("/\\");
    return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

// An absolute name (a leading separator or a drive letter) or one with a ".." component.
bool UnsafeName(std::string_view name)
{
    if (name.empty() || name.front() == '/' || name.front() == '\\')
        return true;
    if (name.size() >= 2 && name[1] == ':')
        return true;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find_first_of("/\\", start);
        if (end == std::string_view::npos)
            end = name.size();
        if (name.substr(start, end - start) == "..")
            return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

int PackWorkFile(const std::filesystem::path& archive, const std::filesystem::path& workFile,
                 std::string_view password)
{
    const std::filesystem::path part = PartName(archive);
    RemoveQuietly(part);
    int error = 0;
    ArchiveHandle zip(zip_open(part.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error));
    if (!zip)
        return ArchiveWriteFailed;
    zip_source_t* source = zip_source_file(zip.get(), workFile.c_str(), 0, -1);
    if (!source)
        return ArchiveWriteFailed;
    const zip_int64_t index = zip_file_add(zip.get(), WorkEntryName, source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return ArchiveWriteFailed;
    }
    if (zip_set_file_compression(zip.get(), zip_uint64_t(index), ZIP_CM_DEFLATE, 9) != 0)
        return ArchiveWriteFailed;
    if (!password.empty()) {
        const std::string key(password);
        if (zip_file_set_encryption(zip.get(), zip_uint64_t(index), ZIP_EM_TRAD_PKWARE, key.c_str()) != 0)
            return ArchiveWriteFailed;
    }
    if (zip_close(zip.get()) != 0) {
        RemoveQuietly(part);
        return ArchiveWriteFailed;
    }
    zip.release();
    std::error_code renamed;
    std::filesystem::rename(part, archive, renamed);
    if (renamed) {
        RemoveQuietly(part);
        return ArchiveWriteFailed;
    }
    return ArchiveOk;
}

int UnpackWorkFile(const std::filesystem::path& archive, const std::filesystem::path& folder,
                   std::string_view password)
{
    int error = 0;
    ArchiveHandle zip(zip_open(archive.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!zip)
        return ArchiveUnreadable;
    const zip_int64_t entries = zip_get_num_entries(zip.get(), 0);
    zip_int64_t found = -1;
    for (zip_int64_t i = 0; i < entries && found < 0; ++i) {
        const char* name = zip_get_name(zip.get(), zip_uint64_t(i), ZIP_FL_ENC_RAW);
        if (name && SameLetters(LeafOf(name), WorkEntryName)) {
            if (UnsafeName(name))
                return ArchiveUnsafeEntry;
            found = i;
        }
    }
    if (found < 0)
        return ArchiveNoEntry;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip.get(), zip_uint64_t(found), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        return ArchiveBadEntry;
    const std::string key(password);
    EntryHandle entry(zip_fopen_index_encrypted(zip.get(), zip_uint64_t(found), 0,
                                                key.empty() ? nullptr : key.c_str()));
    if (!entry)
        return ArchiveBadEntry;

    const std::filesystem::path target = folder / WorkEntryName;
    const std::filesystem::path part = PartName(target);
    int result = ArchiveOk;
    {
        std::unique_ptr<std::FILE, FileCloser> out(std::fopen(part.c_str(), "wb"));
        if (!out)
            return ArchiveWriteFailed;
        char buffer[65536];
        zip_uint64_t total = 0;
        for (;;) {
            const zip_int64_t got = zip_fread(entry.get(), buffer, sizeof buffer);
            if (got < 0) {
                result = ArchiveBadEntry;  // the CRC is checked at the entry's end
                break;
            }
            if (got == 0)
                break;
            total += zip_uint64_t(got);
            if (std::fwrite(buffer, 1, size_t(got), out.get()) != size_t(got)) {
                result = ArchiveWriteFailed;
                break;
            }
        }
        if (result == ArchiveOk && total != stat.size)
            result = ArchiveBadEntry;
        if (std::fclose(out.release()) != 0 && result == ArchiveOk)
            result = ArchiveWriteFailed;
    }
    std::error_code renamed;
    if (result == ArchiveOk)
        std::filesystem::rename(part, target, renamed);
    if (result != ArchiveOk || renamed) {
        RemoveQuietly(part);
        return result != ArchiveOk ? result : ArchiveWriteFailed;
    }
    return ArchiveOk;
}

}  // namespace platform::zip
