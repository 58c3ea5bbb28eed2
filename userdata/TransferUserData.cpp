#include "userdata/TransferUserData.h"

#include "frame/SharedTables.h"
#include "platform/system/MessageBox.h"
#include "platform/zip/WorkArchive.h"
#include "userdata/BackupDescription.h"
#include "userdata/DepthImport.h"
#include "userdata/ImportList.h"
#include "userdata/ImportedObject.h"
#include "userdata/ObjectDeletion.h"
#include "userdata/ObjectDump.h"
#include "userdata/PointStore.h"
#include "userdata/SeabedExport.h"
#include "userdata/TransferHooks.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <optional>
#include <system_error>

TransferRegion TransferArea;
std::filesystem::path TransferFile;
std::string TransferPassword;
uint32_t TransferFromTime = 0;

namespace fs = std::filesystem;

namespace {

constexpr const char* DumpName = "varnv.dat";
constexpr const char* BackupCaption = "Varnik Backup";

enum class FileKind { Archive, List, Unknown };

void Message(const std::string& text, const std::string& caption, platform::MsgIcon icon = platform::MsgIcon::Stop)
{
    platform::MessageBoxRequest request;
    request.text = text;
    request.caption = caption;
    request.icon = icon;
    request.taskModal = true;
    request.topMost = true;
    platform::ShowMessageBox(request);
}

// An archive or a list by its last ".zip" or ".lst", in any case.
FileKind KindOf(const fs::path& file)
{
    std::string name = file.string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    const size_t zip = name.rfind(".zip");
    const size_t list = name.rfind(".lst");
    if (zip == std::string::npos && list == std::string::npos)
        return FileKind::Unknown;
    if (list == std::string::npos || (zip != std::string::npos && zip > list))
        return FileKind::Archive;
    return FileKind::List;
}

// Removes the work files "varn*.*" of the Temp folder (made when missing).
void CleanWorkFiles(const fs::path& temp)
{
    std::error_code error;
    fs::create_directories(temp, error);
    for (const auto& entry : fs::directory_iterator(temp, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("varn", 0) == 0 && name.find('.') != std::string::npos && entry.is_regular_file(error))
            fs::remove(entry.path(), error);
    }
}

// Copies `from` over `to` through a temporary name, so that `to` is never half-written.
bool CopyWhole(const fs::path& from, const fs::path& to)
{
    fs::path part = to;
    part += ".part";
    std::error_code error;
    fs::remove(part, error);
    fs::copy_file(from, part, fs::copy_options::overwrite_existing, error);
    if (!error)
        fs::permissions(part, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    if (!error)
        fs::rename(part, to, error);
    if (error) {
        std::error_code ignored;
        fs::remove(part, ignored);
        return false;
    }
    return true;
}

std::string TimeTag(fs::file_time_type written)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm local{};
    localtime_r(&seconds, &local);
    char tag[32];
    std::strftime(tag, sizeof tag, "%y%m%d%H%M%S", &local);
    return tag;
}

// Keeps the previous safety archive and its description: renamed "deleted-<yymmddhhmmss>" by
// the time it was written.
bool KeepPreviousSafetyArchive(const fs::path& archive)
{
    std::error_code error;
    if (!fs::exists(archive, error))
        return true;
    const fs::file_time_type written = fs::last_write_time(archive, error);
    if (error)
        return false;
    const std::string stem = archive.stem().string() + "-" + TimeTag(written);
    fs::path kept = archive.parent_path() / (stem + ".zip");
    for (int n = 1; fs::exists(kept, error); ++n)
        kept = archive.parent_path() / (stem + "-" + std::to_string(n) + ".zip");
    fs::rename(archive, kept, error);
    if (error)
        return false;
    const fs::path description = DescriptionFile(archive);
    if (fs::exists(description, error))
        fs::rename(description, DescriptionFile(kept), error);
    return true;
}

// The copied safety archive opens, its entry reads whole with its CRC, and it is as long as
// the dump.
bool SafetyArchiveSound(const fs::path& archive, const fs::path& dump, const fs::path& temp)
{
    const fs::path check = temp / "check";
    std::error_code error;
    fs::remove_all(check, error);
    fs::create_directories(check, error);
    const bool sound = platform::zip::UnpackWorkFile(archive, check, "") == platform::zip::ArchiveOk &&
                       fs::file_size(check / DumpName, error) == fs::file_size(dump, error) && !error;
    fs::remove_all(check, error);
    return sound;
}

cmgbase::GeoRect DepthArea(bool areaLimited)
{
    return areaLimited ? TransferArea.chart : WholeWorld;
}

struct Choice {
    bool deleteObjects, exportData, password, displayedOnly, areaLimited, tracks, routes, symbols, lines, depths;
};

bool Export(const Choice& c)
{
    const fs::path temp = TransferTempFolder();
    const fs::path target = c.deleteObjects ? DeletedArchive() : TransferFile;
    if (!c.deleteObjects) {
        if (KindOf(target) != FileKind::Archive)
            return false;
        std::error_code error;
        if (fs::exists(target, error)) {
            platform::MessageBoxRequest question;
            question.text = MessageTexts[22];
            question.caption = BackupCaption;
            question.icon = platform::MsgIcon::Exclamation;
            question.buttons = platform::MsgButtons::YesNo;
            question.taskModal = true;
            question.topMost = true;
            if (platform::ShowMessageBox(question) != platform::MsgAnswer::Yes)
                return false;
        }
    }

    const fs::path dump = temp / DumpName;
    BackupSummary summary;
    summary.selection = {c.areaLimited, c.displayedOnly, TransferFromTime, c.tracks, c.routes, c.symbols, c.lines};
    summary.depths = c.depths;
    DumpCounts counts;
    if (c.depths) {
        const SeabedExportResult seabed = ExportSeabed(DepthArea(c.areaLimited), SeabedBackupMode);
        if (!seabed.complete) {
            Message("Error writing " + dump.string() + " !", BackupCaption);
            return false;
        }
        summary.depthCount = seabed.count;
    } else {
        if (!WriteObjectDump(dump, summary.selection, TransferArea, counts)) {
            Message("Error writing " + dump.string() + " !", BackupCaption);
            return false;
        }
    }

    const fs::path archive = temp / (c.depths ? "varnd.zip" : "varnv.zip");
    const std::string password = c.password && !c.deleteObjects ? TransferPassword : std::string();
    if (platform::zip::PackWorkFile(archive, dump, password) != platform::zip::ArchiveOk) {
        Message("Error zip " + archive.string() + " !", BackupCaption);
        return false;
    }
    std::error_code error;
    if (c.deleteObjects) {
        fs::create_directories(target.parent_path(), error);
        if (!KeepPreviousSafetyArchive(target)) {
            Message("Error keeping " + target.string() + " !", BackupCaption);
            return false;
        }
    }
    if (!CopyWhole(archive, target)) {
        Message("Error copy " + target.string() + " !", BackupCaption);
        return false;
    }
    if (c.deleteObjects && !SafetyArchiveSound(target, dump, temp)) {
        Message("Error check " + target.string() + " !", BackupCaption);
        return false;
    }

    summary.now = ClockSeconds > 0 ? ClockSeconds : int64_t(std::time(nullptr));
    summary.archive = target;
    summary.password = !password.empty();
    summary.trackCount = counts.tracks;
    summary.routeCount = counts.routes;
    summary.symbolCount = counts.symbols;
    summary.lineCount = counts.lines;
    if (!WriteBackupDescription(summary, TransferArea)) {
        Message("Error writing " + DescriptionFile(target).string() + " !", BackupCaption);
        return false;
    }

    if (c.deleteObjects) {
        for (const auto& [type, id] : counts.dumped)
            DeleteObject(type, id);
        if (c.depths)
            ExportSeabed(DepthArea(c.areaLimited), SeabedEmptyMode);
    }
    return true;
}

void NoData()
{
    Message("No data available !", "Varnik backup diskette");
}

bool RestoreObjects(const Choice& c, const fs::path& dump)
{
    std::vector<DumpEntry> entries;
    const DumpFault fault = ReadObjectDump(dump, entries);
    if (fault == DumpFault::Unreadable) {
        NoData();
        return false;
    }
    if (fault == DumpFault::BadTextLength) {
        Message("Error info-len !", DumpName);
        return false;
    }
    if (fault != DumpFault::None) {
        Message(MessageTexts[24], "Check file !");
        return false;
    }
    const DumpSelection kinds{c.areaLimited, false, 0, c.tracks, c.routes, c.symbols, c.lines};
    for (DumpEntry& entry : entries) {
        IdRecord& object = entry.object;
        if (c.areaLimited && !InsideTransferRegion(TransferArea, object.latitude, object.longitude))
            continue;
        if (object.colour == 0 || !KindChosen(object.objectType, kinds) || !StoreImportedObject(object))
            continue;
        for (PointRecord point : entry.points) {
            point.id = object.id;
            AddObjectPoint(point);
        }
        if (!entry.text.empty())
            AppendObjectText(object.id, entry.text);
    }
    return true;
}

bool Restore(const Choice& c)
{
    const fs::path temp = TransferTempFolder();
    const fs::path archive = temp / "varnv.zip";
    if (!CopyWhole(TransferFile, archive)) {
        Message("Error copy " + TransferFile.string() + " !", BackupCaption);
        return false;
    }
    if (platform::zip::UnpackWorkFile(archive, temp, c.password ? TransferPassword : std::string()) !=
        platform::zip::ArchiveOk) {
        Message("Error un-zip !", "VARNV.DAT");
        return false;
    }
    const fs::path dump = temp / DumpName;
    if (!c.depths)
        return RestoreObjects(c, dump);
    if (!ImportDepthDump(dump, c.areaLimited ? std::optional(TransferArea.chart) : std::nullopt)) {
        NoData();
        return false;
    }
    return true;
}

bool Import(const Choice& c)
{
    ListImportChoice choice;
    choice.tracks = c.tracks;
    choice.routes = c.routes;
    choice.symbols = c.symbols;
    choice.lines = c.lines;
    choice.depths = c.depths;
    if (c.areaLimited)
        choice.depthArea = TransferArea.chart;
    if (!ImportList(TransferFile, choice)) {
        NoData();
        return false;
    }
    return true;
}

}  // namespace

fs::path TransferTempFolder()
{
    return ProgramFolder / "Temp";
}

fs::path DeletedArchive()
{
    return ProgramFolder / "Data" / "deleted.zip";
}

bool TransferUserData(bool deleteObjects, bool exportData, bool passwordProtected, bool displayedOnly,
                      bool areaLimited, bool tracks, bool routes, bool symbols, bool lines, bool depths)
{
    const Choice c{deleteObjects, exportData || deleteObjects, passwordProtected, displayedOnly, areaLimited,
                   tracks, routes, symbols, lines, depths};
    if (!tracks && !routes && !symbols && !lines && !depths)
        return false;
    const FileKind kind = c.exportData ? FileKind::Archive : KindOf(TransferFile);
    if (kind == FileKind::Unknown) {
        Message(MessageTexts[24], BackupCaption);
        return false;
    }
    CleanWorkFiles(TransferTempFolder());
    bool done = false;
    if (c.exportData)
        done = Export(c);
    else if (kind == FileKind::Archive)
        done = Restore(c);
    else
        done = Import(c);
    if (done && !deleteObjects && TransferHook.movePointerNearPick)
        TransferHook.movePointerNearPick();
    return done;
}
