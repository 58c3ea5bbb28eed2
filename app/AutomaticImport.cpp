#include "app/AutomaticImport.h"

#include "frame/SharedTables.h"
#include "userdata/TransferUserData.h"
#include "userdata/UserDatabase.h"

#include <fstream>
#include <optional>
#include <string>
#include <system_error>

namespace {

struct ListIdentity {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time;
    bool operator==(const ListIdentity&) const = default;
};

std::optional<ListIdentity> failedList;
std::optional<ListIdentity> seenList;

std::optional<ListIdentity> IdentityOf(const std::filesystem::path& list)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(list, error);
    if (error)
        return std::nullopt;
    const auto time = std::filesystem::last_write_time(list, error);
    if (error)
        return std::nullopt;
    return ListIdentity{size, time};
}

// A list that can be read and holds at least one line with text.
bool NamesSomething(const std::filesystem::path& list)
{
    std::ifstream in(list, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line))
        if (line.find_first_not_of(" \t\r") != std::string::npos)
            return true;
    return false;
}

// Gets the list out of the way: deleted after an import, renamed ".bad" after a failure; when
// neither works it is remembered so that it is not taken again.
void SetAside(const std::filesystem::path& list, bool imported)
{
    const std::optional<ListIdentity> identity = IdentityOf(list);
    std::error_code error;
    if (imported && std::filesystem::remove(list, error))
        return;
    std::filesystem::rename(list, std::filesystem::path(list).replace_extension(".bad"), error);
    if (error)
        failedList = identity;
}

}  // namespace

std::filesystem::path AutomaticImportList()
{
    return ProgramFolder / "Data" / "varnvts.lst";
}

AutomaticImportResult RunAutomaticImport(const std::filesystem::path& list,
                                         const std::function<bool(const std::filesystem::path&)>& transfer)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(list, error))
        return AutomaticImportResult::NoList;
    if (failedList && IdentityOf(list) == failedList)
        return AutomaticImportResult::Skipped;
    failedList.reset();
    const std::optional<ListIdentity> identity = IdentityOf(list);
    if (!identity || identity != seenList) {
        seenList = identity;
        return AutomaticImportResult::Settling;
    }
    seenList.reset();
    if (!NamesSomething(list)) {
        SetAside(list, false);
        return AutomaticImportResult::Refused;
    }
    const bool imported = ClearObjectFiles() == platform::isam::Status::Ok && transfer(list);
    SetAside(list, imported);
    return imported ? AutomaticImportResult::Imported : AutomaticImportResult::Failed;
}

bool ImportAutomaticList(const std::filesystem::path& list)
{
    TransferFile = list;
    return TransferUserData(false, false, false, false, false, true, true, true, true, false);
}

void ForgetFailedImportList()
{
    failedList.reset();
    seenList.reset();
}
