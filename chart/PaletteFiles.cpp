#include "chart/PaletteFiles.h"

#include "platform/chartengine/EngineRegistry.h"
#include "platform/chartengine/EngineTopics.h"
#include "platform/system/IniFile.h"
#include "platform/system/RegistryStore.h"

#include <algorithm>
#include <cctype>
#include <charconv>

using namespace chartengine;

namespace {

constexpr size_t MaxListCharacters = 4096;
constexpr uint32_t MaxColour = 0xFFFFFF;
constexpr char PaletteFileExtension[] = ".pal";

// A whole decimal number 0..255.
std::optional<uint32_t> Component(std::string_view text)
{
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > 255)
        return std::nullopt;
    return value;
}

// "r,g,b)" after "RGB(".
std::optional<uint32_t> RgbColour(std::string_view text)
{
    if (text.empty() || text.back() != ')')
        return std::nullopt;
    text.remove_suffix(1);
    const size_t first = text.find(',');
    const size_t second = first == std::string_view::npos ? first : text.find(',', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const std::optional<uint32_t> r = Component(text.substr(0, first));
    const std::optional<uint32_t> g = Component(text.substr(first + 1, second - first - 1));
    const std::optional<uint32_t> b = Component(text.substr(second + 1));
    if (!r || !g || !b)
        return std::nullopt;
    return *r | (*g << 8) | (*b << 16);
}

std::optional<uint32_t> HexColour(std::string_view text)
{
    if (text.starts_with("0X"))
        text.remove_prefix(2);
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > MaxColour)
        return std::nullopt;
    return static_cast<uint32_t>(value);
}

std::filesystem::path PaletteFileOf(const std::filesystem::path& storeFile, const std::string& folder,
                                    const std::string& name)
{
    std::filesystem::path path(folder);
    if (path.is_relative())
        path = storeFile.parent_path() / path;
    return path / (name + PaletteFileExtension);
}

// The palette file the registry store names for the presentation; nothing when it names none.
std::optional<std::filesystem::path> RegisteredPaletteFile(const std::filesystem::path& storeFile, Guid topic,
                                                           const std::string& name)
{
    if (topic.isNull())
        topic = kBaseSymbolizationTopic;
    const std::string key = TopicPresentationsKey(topic);
    const platform::RegistryStore store(storeFile);
    for (const std::string& subkey : RegistrySubkeys(storeFile, key)) {
        const std::string subkeyPath = StoreKeyPath(key + "\\" + subkey);
        if (store.readString(subkeyPath, "Name").value_or("") != name)
            continue;
        const std::string folder = store.readString(subkeyPath, "Path").value_or("");
        if (folder.empty())
            return std::nullopt;
        return PaletteFileOf(storeFile, folder, name);
    }
    return std::nullopt;
}

}  // namespace

std::optional<uint32_t> ParsePaletteColour(std::string_view item)
{
    std::string upper(item);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    const std::string_view text(upper);
    if (text.starts_with("RGB("))
        return RgbColour(text.substr(4));
    return HexColour(text);
}

int32_t ParsePaletteFile(int32_t scheme, const std::string& section, std::vector<ColourEntry>& colours,
                         int32_t& startIndex, const std::filesystem::path& file)
{
    if (scheme < 0 || scheme >= int32_t(ColourSchemeNames.size()) || file.empty())
        return 0;
    const platform::IniFile palette(file);
    if (palette.readInteger(section, "Colors", 0) == 0)
        return 0;
    startIndex = palette.readInteger(section, "StartIndex", 0);
    std::string list = palette.readString(section, ColourSchemeNames[scheme], "");
    if (list.size() > MaxListCharacters)
        list.resize(MaxListCharacters);
    if (list.empty())
        return 0;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t end = std::min(list.find_first_of("; ", start), list.size());
        if (const std::optional<uint32_t> colour = ParsePaletteColour(std::string_view(list).substr(start, end - start)))
            colours.push_back({*colour, 0});
        start = end + 1;
    }
    return static_cast<int32_t>(colours.size());
}

HResult LoadPaletteFiles(const PaletteRequest& request, const Symbolization* symbolization,
                         std::vector<ColourEntry>& colours)
{
    if (!symbolization)
        return kNotReady;
    colours.clear();
    int32_t startIndex = 0;
    ParsePaletteFile(request.scheme, request.name, colours, startIndex, request.file);
    if (colours.empty() && !request.registryStore.empty())
        if (const std::optional<std::filesystem::path> file =
                RegisteredPaletteFile(request.registryStore, symbolization->Topic(), request.name)) {
            colours.clear();
            ParsePaletteFile(request.scheme, request.name, colours, startIndex, *file);
        }
    HResult result = kOk;
    if (colours.empty()) {
        std::vector<ColourEntry> own(symbolization->ColourCount());
        result = symbolization->SchemeColours(request.scheme, static_cast<int32_t>(own.size()), own.data());
        if (!Failed(result))
            colours = std::move(own);
    }
    if (Failed(result))
        return result;
    return colours.empty() ? kFail : kOk;
}
