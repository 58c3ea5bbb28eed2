#pragma once
// INI files read and written as the Windows profile calls do: sections and keys match without
// regard to case, a missing file, section or key gives the caller's default, a key present with
// an empty value gives an empty text, and integers are read from the leading digits (an optional
// sign, then decimal digits; "0x" hexadecimal too). A value in matching quotes loses them. Texts
// are single-byte Windows-1252, unchanged. Comments and blank lines survive a save.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace platform {

class IniFile {
public:
    // Reads path now; a missing or unreadable file is an empty INI file.
    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }

    bool hasSection(const std::string& section) const;
    bool hasKey(const std::string& section, const std::string& key) const;
    std::vector<std::string> sections() const;
    std::vector<std::string> keys(const std::string& section) const;

    std::string readString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // GetPrivateProfileInt: the leading integer of the value (its low 32 bits), 0 when it has
    // none, the default when the key is missing or its value empty.
    int32_t readInteger(const std::string& section, const std::string& key,
                        int32_t defaultValue) const;
    // An integer, 0 false and anything else true; a value that is no number is false.
    bool readBool(const std::string& section, const std::string& key, bool defaultValue) const;

    // Replaces the value of the first matching key (the names keep their spelling), or adds the
    // key, and its section, at the end. Line breaks in names and values become blanks.
    void writeString(const std::string& section, const std::string& key, const std::string& value);
    void writeInteger(const std::string& section, const std::string& key, int64_t value);
    void eraseKey(const std::string& section, const std::string& key);

    // Writes the file back with CR LF line ends (to "<file>.tmp", flushed to disk, then renamed
    // over the file); false when it failed, the old file then being unchanged.
    bool save() const;

private:
    // One line of the file. Lines that are no "key=value" (comments, blank lines) are kept as
    // they are; a key line keeps its original text until its value is written.
    struct Entry {
        bool isKey = false;
        std::string key;
        std::string value;
        std::string text;
    };
    // The lines before the first section header form a section without a name that no lookup
    // finds.
    struct Section {
        bool named = false;
        std::string name;
        std::string header;
        std::vector<Entry> entries;
    };

    void parse(const std::string& content);
    Section* findSection(const std::string& name);
    const Section* findSection(const std::string& name) const;
    const Entry* findEntry(const std::string& section, const std::string& key) const;

    std::filesystem::path path_;
    std::vector<Section> sections_;
};

// Parses the leading integer of text as GetPrivateProfileInt does; false when there is none.
bool ParseProfileInteger(const std::string& text, int64_t& value);

}  // namespace platform
