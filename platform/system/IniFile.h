#pragma once
// INI files read and written as the Windows profile calls do: sections and keys match without
// regard to case, a missing file, section or key gives the caller's default, a key present with
// an empty value gives an empty text, and integers are read from the leading digits (an optional
// sign, then decimal digits; "0x" hexadecimal too). Texts are single-byte Windows-1252, unchanged.

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
    // GetPrivateProfileInt: the leading integer of the value, 0 when it has none, the default
    // when the key is missing.
    int32_t readInteger(const std::string& section, const std::string& key,
                        int32_t defaultValue) const;
    // An integer, 0 false and anything else true; a value that is no number is false.
    bool readBool(const std::string& section, const std::string& key, bool defaultValue) const;

    void writeString(const std::string& section, const std::string& key, const std::string& value);
    void writeInteger(const std::string& section, const std::string& key, int64_t value);
    void eraseKey(const std::string& section, const std::string& key);

    // Writes the file back (to a temporary file, then renamed over it); false when it failed.
    bool save() const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    const Section* findSection(const std::string& name) const;
    const Entry* findEntry(const std::string& section, const std::string& key) const;

    std::filesystem::path path_;
    std::vector<Section> sections_;
};

// Parses the leading integer of text as GetPrivateProfileInt does; false when there is none.
bool ParseProfileInteger(const std::string& text, int64_t& value);

}  // namespace platform
