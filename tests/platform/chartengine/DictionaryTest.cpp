#include "platform/chartengine/ChartDictionary.h"

#include <gtest/gtest.h>

using namespace chartengine;

namespace {

TEST(ChartDictionary, GivesTheStandardCodesOfAcronyms)
{
    const ChartDictionary* dictionary = ChartDictionary::Shared();
    ASSERT_NE(dictionary, nullptr);
    const std::pair<const char*, int32_t> classes[] = {{"LIGHTS", 75}, {"SOUNDG", 129}, {"OBSTRN", 86},
                                                        {"UWTROC", 153}, {"DEPCNT", 43},  {"COALNE", 30},
                                                        {"WRECKS", 159}, {"M_COVR", 302}, {"C_AGGR", 400}};
    for (const auto& [acronym, expected] : classes) {
        int32_t code = 0;
        EXPECT_EQ(dictionary->ObjectClassCode(acronym, &code), kOk) << acronym;
        EXPECT_EQ(code, expected) << acronym;
        EXPECT_EQ(dictionary->ObjectClassAcronym(expected), acronym);
    }
    const std::tuple<const char*, int32_t, AttributeType> attributes[] = {
        {"OBJNAM", 116, AttributeType::FreeText}, {"COLOUR", 75, AttributeType::List},
        {"LITCHR", 107, AttributeType::Enumerated}, {"SECTR1", 136, AttributeType::Float},
        {"SIGGRP", 141, AttributeType::CodedString}, {"VALSOU", 179, AttributeType::Float},
        {"WATLEV", 187, AttributeType::Enumerated}, {"SCAMIN", 133, AttributeType::Integer}};
    for (const auto& [acronym, expected, type] : attributes) {
        int32_t code = 0;
        EXPECT_EQ(dictionary->AttributeCode(acronym, &code), kOk) << acronym;
        EXPECT_EQ(code, expected) << acronym;
        EXPECT_EQ(dictionary->TypeOfAttribute(code), type) << acronym;
    }
}

TEST(ChartDictionary, RefusesUnknownAcronymsAndKeepsTheCode)
{
    const ChartDictionary* dictionary = ChartDictionary::Shared();
    ASSERT_NE(dictionary, nullptr);
    int32_t code = 42;
    EXPECT_EQ(dictionary->ObjectClassCode("NOTHIN", &code), kInvalidArgument);
    EXPECT_EQ(dictionary->ObjectClassCode("lights", &code), kInvalidArgument);
    EXPECT_EQ(dictionary->AttributeCode("", &code), kInvalidArgument);
    EXPECT_EQ(code, 42);
    EXPECT_EQ(dictionary->ObjectClassCode("LIGHTS", nullptr), kNullPointer);
    EXPECT_EQ(dictionary->ObjectClassAcronym(9999), "");
    EXPECT_EQ(dictionary->TypeOfAttribute(9999), AttributeType::Unknown);
}

TEST(ChartDictionary, MissingTablesGiveNoDictionary)
{
    EXPECT_EQ(ChartDictionary::Load("/nonexistent/classes.csv", "/nonexistent/attributes.csv"), nullptr);
}

}  // namespace
