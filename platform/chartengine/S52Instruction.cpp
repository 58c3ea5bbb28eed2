#include "platform/chartengine/S52Instruction.h"

#include "platform/chartengine/ChartDictionary.h"
#include "platform/chartengine/EngineStatus.h"
#include "platform/chartengine/S52ColourTokens.h"

#include <charconv>

namespace chartengine {

namespace {

// Splits text at separator where it stands outside quotes and parentheses.
std::vector<std::string_view> SplitTopLevel(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    int depth = 0;
    bool quoted = false;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\'')
            quoted = !quoted;
        else if (!quoted && c == '(')
            ++depth;
        else if (!quoted && c == ')')
            --depth;
        else if (!quoted && depth == 0 && c == separator) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string_view Unquoted(std::string_view text)
{
    if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'')
        return text.substr(1, text.size() - 2);
    return text;
}

int Integer(std::string_view text, int fallback)
{
    int value = fallback;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

S52LineStyle LineStyleOf(std::string_view text)
{
    if (text == "DASH")
        return S52LineStyle::Dashed;
    if (text == "DOTT")
        return S52LineStyle::Dotted;
    return S52LineStyle::Solid;
}

// The placement fields of a text, args[first] being the horizontal justification.
void ParseTextStyle(const std::vector<std::string_view>& args, size_t first, S52Instruction& text)
{
    text.text.hjust = static_cast<int8_t>(Integer(args[first], 1));
    text.text.vjust = static_cast<int8_t>(Integer(args[first + 1], 1));
    const std::string_view chars = Unquoted(args[first + 3]);
    if (chars.size() >= 4) {
        text.text.bold = chars[1] >= '6';
        text.text.italic = chars[2] == '2';
        text.text.bodySize = static_cast<uint8_t>(Integer(chars.substr(3), 10));
    }
    text.text.xOffset = static_cast<int8_t>(Integer(args[first + 4], 0));
    text.text.yOffset = static_cast<int8_t>(Integer(args[first + 5], 0));
    text.colour = S52ColourIndex(args[first + 6]);
    text.text.group = static_cast<uint8_t>(Integer(args[first + 7], 0));
}

bool AddAttribute(std::string_view acronym, const ChartDictionary& dictionary, S52Instruction& text)
{
    int32_t code = 0;
    if (dictionary.AttributeCode(acronym, &code) != kOk)
        return false;
    text.textAttributes.push_back(code);
    return true;
}

void ParseInstruction(std::string_view text, const ChartDictionary& dictionary, std::vector<S52Instruction>& out)
{
    const size_t open = text.find('(');
    if (open == std::string_view::npos || text.back() != ')')
        return;
    const std::string_view code = text.substr(0, open);
    const std::string_view inner = text.substr(open + 1, text.size() - open - 2);
    const std::vector<std::string_view> args = SplitTopLevel(inner, ',');
    S52Instruction instruction;
    if (code == "AC") {
        instruction.kind = S52InstructionKind::AreaColour;
        instruction.colour = S52ColourIndex(args[0]);
        if (args.size() > 1)
            instruction.transparency = Integer(args[1], 0);
        if (instruction.colour < 0)
            return;
    } else if (code == "AP" || code == "LC") {
        instruction.kind = code == "AP" ? S52InstructionKind::AreaPattern : S52InstructionKind::ComplexLine;
        instruction.name = args[0];
    } else if (code == "LS") {
        if (args.size() < 3)
            return;
        instruction.kind = S52InstructionKind::SimpleLine;
        instruction.lineStyle = LineStyleOf(args[0]);
        instruction.width = Integer(args[1], 1);
        instruction.colour = S52ColourIndex(args[2]);
        if (instruction.colour < 0)
            return;
    } else if (code == "SY") {
        instruction.kind = S52InstructionKind::Symbol;
        instruction.name = args[0];
        if (args.size() > 1) {
            int32_t attribute = 0;
            if (dictionary.AttributeCode(args[1], &attribute) == kOk)
                instruction.rotationAttribute = attribute;
            else
                instruction.rotation = Integer(args[1], 0);
        }
    } else if (code == "TX") {
        if (args.size() < 9)
            return;
        instruction.kind = S52InstructionKind::Text;
        instruction.format = "%s";
        if (!AddAttribute(args[0], dictionary, instruction))
            return;
        ParseTextStyle(args, 1, instruction);
    } else if (code == "TE") {
        if (args.size() < 10)
            return;
        instruction.kind = S52InstructionKind::Text;
        instruction.format = Unquoted(args[0]);
        for (const std::string_view acronym : SplitTopLevel(Unquoted(args[1]), ','))
            if (!AddAttribute(acronym, dictionary, instruction))
                return;
        ParseTextStyle(args, 2, instruction);
    } else if (code == "CS") {
        // A procedure may carry further instructions after its name ("CS(QUAPOS01;TX(...))").
        const std::vector<std::string_view> parts = SplitTopLevel(inner, ';');
        instruction.kind = S52InstructionKind::Conditional;
        instruction.name = parts[0];
        out.push_back(std::move(instruction));
        for (size_t i = 1; i < parts.size(); ++i)
            ParseInstruction(parts[i], dictionary, out);
        return;
    } else {
        return;
    }
    out.push_back(std::move(instruction));
}

}  // namespace

std::vector<S52Instruction> ParseS52Instructions(std::string_view text, const ChartDictionary& dictionary)
{
    std::vector<S52Instruction> instructions;
    for (const std::string_view part : SplitTopLevel(text, ';'))
        if (!part.empty())
            ParseInstruction(part, dictionary, instructions);
    return instructions;
}

}  // namespace chartengine
