#include "platform/system/TextCodec.h"

#include <gtest/gtest.h>

using platform::FromCp1252;
using platform::ToCp1252;

namespace {

TEST(TextCodec, MapsWindows1252BytesToUnicode)
{
    const std::pair<unsigned char, char16_t> cases[] = {
        {0x41, u'A'},    {0x80, 0x20AC}, {0x85, 0x2026}, {0x8A, 0x0160}, {0x92, 0x2019},
        {0x99, 0x2122},  {0x9F, 0x0178}, {0x81, 0x0081}, {0x9D, 0x009D}, {0xA0, 0x00A0},
        {0xB0, 0x00B0},  {0xFF, 0x00FF}, {0x00, 0x0000},
    };
    for (const auto& [byte, unicode] : cases) {
        SCOPED_TRACE(int(byte));
        const std::string text(1, static_cast<char>(byte));
        EXPECT_EQ(FromCp1252(text), QString(QChar(unicode)));
        EXPECT_EQ(ToCp1252(QString(QChar(unicode))), text);
    }
}

TEST(TextCodec, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
    EXPECT_EQ(FromCp1252("12\xB0 \x80" "5"), QString::fromUtf8("12° €5"));
}

TEST(TextCodec, CharactersOutsideWindows1252BecomeQuestionMarks)
{
    EXPECT_EQ(ToCp1252(QString::fromUtf8("Ā中€😀x")), "??\x80?x");
    EXPECT_EQ(ToCp1252(QString()), "");
}

}  // namespace
