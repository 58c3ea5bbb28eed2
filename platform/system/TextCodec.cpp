#include "platform/system/TextCodec.h"

#include <QList>

#include <array>

namespace platform {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes Windows leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, as Windows converts
// them, so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t UnicodeOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

// The byte for code point c, or '?' when Windows-1252 has none.
char ByteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

QString FromCp1252(const std::string& text)
{
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (char byte : text)
        result.append(QChar(UnicodeOf(static_cast<unsigned char>(byte))));
    return result;
}

std::string ToCp1252(const QString& text)
{
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t c : text.toUcs4())
        result.push_back(ByteOf(c));
    return result;
}

}  // namespace platform
