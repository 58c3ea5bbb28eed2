#include "platform/chartengine/ChartDictionary.h"

#include <cpl_conv.h>

#include <charconv>
#include <fstream>
#include <vector>

namespace chartengine {

namespace {

// The fields of one CSV line: commas separate, double quotes enclose a field that holds commas.
std::vector<std::string> SplitCsvLine(const std::string& line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (const char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else if (c != '\r')
            fields.back() += c;
    }
    return fields;
}

bool ParseCode(const std::string& text, int32_t& code)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
    return error == std::errc() && end == text.data() + text.size();
}

// Calls take(code, fields) for every data line (the first line names the columns) whose first
// field is a number; false when the file cannot be read.
template <typename Take>
bool ReadTable(const std::filesystem::path& path, Take take)
{
    std::ifstream in(path);
    if (!in)
        return false;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        const std::vector<std::string> fields = SplitCsvLine(line);
        int32_t code = 0;
        if (fields.size() >= 3 && ParseCode(fields[0], code) && !fields[2].empty())
            take(code, fields);
    }
    return true;
}

int64_t MeaningKey(int32_t attributeCode, int32_t value) { return int64_t(attributeCode) << 32 | uint32_t(value); }

template <typename Map, typename Key>
std::string Lookup(const Map& map, const Key& key)
{
    const auto found = map.find(key);
    return found == map.end() ? std::string() : found->second;
}

std::filesystem::path GdalSupportFile(const char* name)
{
    const char* found = CPLFindFile("S57", name);
    return found ? std::filesystem::path(found) : std::filesystem::path();
}

}  // namespace

const ChartDictionary* ChartDictionary::Shared()
{
    static const std::unique_ptr<ChartDictionary> shared =
        Load(GdalSupportFile("s57objectclasses.csv"), GdalSupportFile("s57attributes.csv"),
             GdalSupportFile("s57expectedinput.csv"));
    return shared.get();
}

std::unique_ptr<ChartDictionary> ChartDictionary::Load(const std::filesystem::path& objectClassesCsv,
                                                       const std::filesystem::path& attributesCsv,
                                                       const std::filesystem::path& expectedInputCsv)
{
    auto dictionary = std::make_unique<ChartDictionary>();
    const bool classesRead = ReadTable(objectClassesCsv, [&](int32_t code, const auto& fields) {
        dictionary->classCodes_.emplace(fields[2], code);
        dictionary->classAcronyms_.emplace(code, fields[2]);
        dictionary->classNames_.emplace(code, fields[1]);
    });
    const bool attributesRead = ReadTable(attributesCsv, [&](int32_t code, const auto& fields) {
        Attribute attribute{fields[2], fields[1], AttributeType::Unknown};
        if (fields.size() >= 4 && fields[3].size() == 1) {
            switch (fields[3][0]) {
            case 'E': case 'L': case 'F': case 'I': case 'A': case 'S':
                attribute.type = static_cast<AttributeType>(fields[3][0]);
                break;
            default:
                break;
            }
        }
        dictionary->attributeCodes_.emplace(fields[2], code);
        dictionary->attributes_.emplace(code, std::move(attribute));
    });
    if (!expectedInputCsv.empty())
        ReadTable(expectedInputCsv, [&](int32_t code, const auto& fields) {
            int32_t value = 0;
            if (ParseCode(fields[1], value))
                dictionary->meanings_.emplace(MeaningKey(code, value), fields[2]);
        });
    if (!classesRead || !attributesRead || dictionary->classCodes_.empty() ||
        dictionary->attributeCodes_.empty())
        return nullptr;
    return dictionary;
}

HResult ChartDictionary::ObjectClassCode(std::string_view acronym, int32_t* code) const
{
    if (!code)
        return kNullPointer;
    const auto found = classCodes_.find(std::string(acronym));
    if (found == classCodes_.end())
        return kInvalidArgument;
    *code = found->second;
    return kOk;
}

HResult ChartDictionary::AttributeCode(std::string_view acronym, int32_t* code) const
{
    if (!code)
        return kNullPointer;
    const auto found = attributeCodes_.find(std::string(acronym));
    if (found == attributeCodes_.end())
        return kInvalidArgument;
    *code = found->second;
    return kOk;
}

std::string ChartDictionary::ObjectClassAcronym(int32_t code) const
{
    const auto found = classAcronyms_.find(code);
    return found == classAcronyms_.end() ? std::string() : found->second;
}

std::string ChartDictionary::AttributeAcronym(int32_t code) const
{
    const auto found = attributes_.find(code);
    return found == attributes_.end() ? std::string() : found->second.acronym;
}

AttributeType ChartDictionary::TypeOfAttribute(int32_t code) const
{
    const auto found = attributes_.find(code);
    return found == attributes_.end() ? AttributeType::Unknown : found->second.type;
}

std::string ChartDictionary::ObjectClassName(int32_t code) const { return Lookup(classNames_, code); }

std::string ChartDictionary::AttributeName(int32_t code) const
{
    const auto found = attributes_.find(code);
    return found == attributes_.end() ? std::string() : found->second.name;
}

std::string ChartDictionary::ValueMeaning(int32_t attributeCode, int32_t value) const
{
    return Lookup(meanings_, MeaningKey(attributeCode, value));
}

}  // namespace chartengine
