#include "app/EditorText.h"

#include "platform/system/TextCodec.h"

#include <fstream>
#include <iterator>

namespace {

constexpr QChar ParagraphBreak(0x2029);
constexpr QChar LineBreak(0x2028);

}  // namespace

FileStamp StampOf(const std::filesystem::path& file)
{
    std::error_code error;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(file, error);
    if (error)
        return {};
    stamp.modified = std::filesystem::last_write_time(file, error);
    stamp.exists = !error;
    return stamp.exists ? stamp : FileStamp{};
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return bytes;
}

std::string LineEndOf(std::string_view bytes)
{
    const std::size_t end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos)
        return "\r\n";
    if (bytes[end] == '\n')
        return "\n";
    return end + 1 < bytes.size() && bytes[end + 1] == '\n' ? "\r\n" : "\r";
}

std::string FileBytesOf(const QString& memoText, const std::string& lineEnd)
{
    const QString end = platform::FromCp1252(lineEnd);
    QString text = memoText;
    text.replace(ParagraphBreak, end).replace(LineBreak, end);
    return platform::ToCp1252(text);
}

QStringList MemoLines(const QString& memoText)
{
    QString text = memoText;
    text.replace(LineBreak, ParagraphBreak);
    if (text.endsWith(ParagraphBreak))
        text.chop(1);
    return text.isEmpty() && memoText.isEmpty() ? QStringList() : text.split(ParagraphBreak);
}
