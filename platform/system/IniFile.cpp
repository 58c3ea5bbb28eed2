#include "platform/system/IniFile.h"

#include "platform/system/FileReplace.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace platform {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string Trim(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// Windows drops one pair of matching quotes around a value.
std::string Unquote(const std::string& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

char FoldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

// A line break inside a name or value would start a new line of the file.
std::string OneLine(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

}  // namespace

bool ParseProfileInteger(const std::string& text, int64_t& value)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')
        && DigitValue(text[i + 2]) < 16) {
        base = 16;
        i += 2;
    }
    // Unsigned arithmetic wraps as the 32-bit original did, and keeps its low bits.
    uint64_t magnitude = 0;
    const std::size_t first = i;
    for (; i < text.size() && DigitValue(text[i]) < base; ++i)
        magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(DigitValue(text[i]));
    value = static_cast<int64_t>(negative ? 0 - magnitude : magnitude);
    return i > first;
}

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path))
{
    std::ifstream in(path_, std::ios::binary);
    if (in)
        parse(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

void IniFile::parse(const std::string& content)
{
    std::istringstream lines(content);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string trimmed = Trim(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const std::size_t close = trimmed.find(']');
            Section section;
            section.named = true;
            section.name = Trim(trimmed.substr(1, close == std::string::npos ? close : close - 1));
            section.header = line;
            sections_.push_back(std::move(section));
            continue;
        }
        if (sections_.empty())
            sections_.emplace_back();
        Entry entry;
        entry.text = line;
        const std::size_t equals = trimmed.find('=');
        if (!trimmed.empty() && trimmed.front() != ';' && equals != std::string::npos) {
            entry.isKey = true;
            entry.key = Trim(trimmed.substr(0, equals));
            entry.value = Unquote(Trim(trimmed.substr(equals + 1)));
        }
        sections_.back().entries.push_back(std::move(entry));
    }
}

IniFile::Section* IniFile::findSection(const std::string& name)
{
    auto it = std::find_if(sections_.begin(), sections_.end(),
                           [&](const Section& s) { return s.named && SameName(s.name, name); });
    return it == sections_.end() ? nullptr : &*it;
}

const IniFile::Section* IniFile::findSection(const std::string& name) const
{
    return const_cast<IniFile*>(this)->findSection(name);
}

const IniFile::Entry* IniFile::findEntry(const std::string& section, const std::string& key) const
{
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    auto it = std::find_if(s->entries.begin(), s->entries.end(),
                           [&](const Entry& e) { return e.isKey && SameName(e.key, key); });
    return it == s->entries.end() ? nullptr : &*it;
}

bool IniFile::hasSection(const std::string& section) const
{
    return findSection(section) != nullptr;
}

bool IniFile::hasKey(const std::string& section, const std::string& key) const
{
    return findEntry(section, key) != nullptr;
}

std::vector<std::string> IniFile::sections() const
{
    std::vector<std::string> names;
    for (const Section& s : sections_) {
        if (s.named)
            names.push_back(s.name);
    }
    return names;
}

std::vector<std::string> IniFile::keys(const std::string& section) const
{
    std::vector<std::string> names;
    if (const Section* s = findSection(section)) {
        for (const Entry& e : s->entries) {
            if (e.isKey)
                names.push_back(e.key);
        }
    }
    return names;
}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const
{
    const Entry* entry = findEntry(section, key);
    return entry ? entry->value : defaultValue;
}

int32_t IniFile::readInteger(const std::string& section, const std::string& key,
                             int32_t defaultValue) const
{
    const Entry* entry = findEntry(section, key);
    if (!entry || entry->value.empty())
        return defaultValue;
    int64_t value = 0;
    ParseProfileInteger(entry->value, value);
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

bool IniFile::readBool(const std::string& section, const std::string& key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeString(const std::string& section, const std::string& key,
                          const std::string& value)
{
    Section* s = findSection(section);
    if (!s) {
        Section added;
        added.named = true;
        added.name = OneLine(section);
        added.header = "[" + added.name + "]";
        sections_.push_back(std::move(added));
        s = &sections_.back();
    }
    auto isKey = [&](const Entry& e) { return e.isKey && SameName(e.key, key); };
    auto it = std::find_if(s->entries.begin(), s->entries.end(), isKey);
    if (it == s->entries.end()) {
        // New keys go after the last key of the section, before trailing comments and blanks.
        auto lastKey = std::find_if(s->entries.rbegin(), s->entries.rend(),
                                    [](const Entry& e) { return e.isKey; });
        Entry entry;
        entry.isKey = true;
        entry.key = OneLine(key);
        it = s->entries.insert(lastKey.base(), std::move(entry));
    }
    it->value = OneLine(value);
    it->text.clear();
}

void IniFile::writeInteger(const std::string& section, const std::string& key, int64_t value)
{
    writeString(section, key, std::to_string(value));
}

void IniFile::eraseKey(const std::string& section, const std::string& key)
{
    if (Section* s = findSection(section)) {
        std::erase_if(s->entries, [&](const Entry& e) { return e.isKey && SameName(e.key, key); });
    }
}

bool IniFile::save() const
{
    std::string content;
    for (const Section& s : sections_) {
        if (s.named)
            content += s.header + "\r\n";
        for (const Entry& e : s.entries)
            content += (e.isKey && e.text.empty() ? e.key + "=" + e.value : e.text) + "\r\n";
    }

    return ReplaceFile(path_, content);
}

}  // namespace platform
