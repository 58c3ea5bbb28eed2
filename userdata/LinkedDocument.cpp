#include "userdata/LinkedDocument.h"

#include <algorithm>
#include <array>
#include <fnmatch.h>
#include <fstream>
#include <system_error>

namespace {

// The patterns of the filter's first entry, which holds every type.
bool MatchesFileType(const std::string& fileName)
{
    const std::string_view filter = LinkedDocumentFilter;
    const size_t begin = filter.find('|') + 1;
    std::string_view patterns = filter.substr(begin, filter.find('|', begin) - begin);
    while (!patterns.empty()) {
        const size_t end = std::min(patterns.find(';'), patterns.size());
        const std::string pattern(patterns.substr(0, end));
        if (::fnmatch(pattern.c_str(), fileName.c_str(), FNM_CASEFOLD) == 0)
            return true;
        patterns.remove_prefix(std::min(end + 1, patterns.size()));
    }
    return false;
}

// A scheme ("http:", "mailto:", "file:") before the first folder separator.
bool IsAddress(std::string_view name)
{
    const size_t colon = name.find(':');
    return colon != std::string_view::npos && colon < name.find_first_of("/\\");
}

bool IsProgram(const std::filesystem::path& file)
{
    std::array<char, 4> head{};
    std::ifstream in(file, std::ios::binary);
    in.read(head.data(), head.size());
    const std::string_view start(head.data(), size_t(in.gcount()));
    return start.starts_with("\x7F" "ELF") || start.starts_with("MZ") || start.starts_with("#!");
}

}  // namespace

std::string LinkedDocumentPrefix(std::string_view file)
{
    return "<" + std::string(file) + ">\r\n";
}

std::optional<std::string> LinkedDocumentName(std::string_view text)
{
    if (!text.starts_with('<'))
        return std::nullopt;
    const size_t end = text.find('>', 2);
    if (end == std::string_view::npos)
        return std::nullopt;
    return std::string(text.substr(1, end - 1));
}

std::optional<std::filesystem::path> OpenableDocument(std::string_view name,
                                                      const std::filesystem::path& folder)
{
    if (name.empty() || IsAddress(name))
        return std::nullopt;
    std::string native(name);
    std::replace(native.begin(), native.end(), '\\', '/');
    const std::filesystem::path named(native);
    const std::filesystem::path file = named.is_absolute() ? named : folder / named;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error) ||
        !MatchesFileType(file.filename().string()) || IsProgram(file))
        return std::nullopt;
    return file;
}
