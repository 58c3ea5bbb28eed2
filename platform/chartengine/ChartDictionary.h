#pragma once
// The S-57 object catalogue: object-class and attribute codes by their acronyms ("LIGHTS" 75,
// "OBJNAM" 116), their names, each attribute's value type, and the meanings of the enumerated
// values (COLOUR 3 "red"). Read from GDAL's tables s57objectclasses.csv, s57attributes.csv and
// s57expectedinput.csv.

#include "platform/chartengine/EngineStatus.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace chartengine {

// The S-57 attribute types by their letters: E enumerated, L list of enumerated values, F float,
// I integer, A coded string, S free text.
enum class AttributeType : uint8_t {
    Unknown = 0,
    Enumerated = 'E',
    List = 'L',
    Float = 'F',
    Integer = 'I',
    CodedString = 'A',
    FreeText = 'S',
};

class ChartDictionary {
public:
    // The tables of the GDAL installation (found as GDAL finds its S-57 support files); null
    // when either is missing. Read once per process.
    static const ChartDictionary* Shared();
    // Reads the two tables; null when either cannot be read or holds no entries.
    // The table of meanings is optional: without it values keep their numbers.
    static std::unique_ptr<ChartDictionary> Load(const std::filesystem::path& objectClassesCsv,
                                                 const std::filesystem::path& attributesCsv,
                                                 const std::filesystem::path& expectedInputCsv = {});

    // kOk and the code, or kInvalidArgument (code untouched) for an unknown acronym. Acronyms
    // match exactly (the standard ones are upper-case).
    HResult ObjectClassCode(std::string_view acronym, int32_t* code) const;
    HResult AttributeCode(std::string_view acronym, int32_t* code) const;

    // Empty for an unknown code.
    std::string ObjectClassAcronym(int32_t code) const;
    std::string AttributeAcronym(int32_t code) const;
    AttributeType TypeOfAttribute(int32_t code) const;
    std::string ObjectClassName(int32_t code) const;
    std::string AttributeName(int32_t code) const;
    // The meaning of an enumerated value of the attribute; empty when the table has none.
    std::string ValueMeaning(int32_t attributeCode, int32_t value) const;

private:
    struct Attribute {
        std::string acronym;
        std::string name;
        AttributeType type = AttributeType::Unknown;
    };

    std::unordered_map<std::string, int32_t> classCodes_;
    std::unordered_map<int32_t, std::string> classAcronyms_;
    std::unordered_map<int32_t, std::string> classNames_;
    std::unordered_map<int64_t, std::string> meanings_;  // attribute code << 32 | value
    std::unordered_map<std::string, int32_t> attributeCodes_;
    std::unordered_map<int32_t, Attribute> attributes_;
};

}  // namespace chartengine
