#include "sensors/IndependentReaders.h"

#include "sensors/AisTestSupport.h"

#include <QJsonDocument>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

const std::filesystem::path NodeModules = std::filesystem::path(VARNIK_SOURCE_DIR) / "bench/nmea/node/node_modules";
const std::string NmeaSimpleScript = std::string(VARNIK_SOURCE_DIR) + "/tests/sensors/node/ReadWithNmeaSimple.js";

// The standard output of `command` with `input` on its standard input.
std::string Run(const std::string& command, const std::string& input)
{
    char path[] = "/tmp/independent-reader-XXXXXX";
    const int file = mkstemp(path);
    if (file < 0)
        return {};
    close(file);
    std::ofstream(path, std::ios::binary) << input;
    std::string output;
    if (FILE* pipe = popen((command + " < '" + path + "'").c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        pclose(pipe);
    }
    std::remove(path);
    return output;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

// The six bits of an armoured payload character, as ITU-R M.1371 defines the armour.
int SixBit(char c)
{
    const int value = c - 48;
    return value > 40 ? value - 8 : value;
}

}  // namespace

bool NmeaSimpleInstalled()
{
    return std::filesystem::exists(NodeModules / "nmea-simple");
}

std::vector<NmeaSimpleSentence> ReadWithNmeaSimple(const std::string& text)
{
    const std::string output = Run("NODE_PATH='" + NodeModules.string() + "' node '" + NmeaSimpleScript + "'", text);
    std::vector<NmeaSimpleSentence> sentences;
    for (const std::string& line : Split(output, '\n')) {
        if (line.empty())
            continue;
        const std::vector<std::string> parts = Split(line, '\t');
        NmeaSimpleSentence sentence;
        if (parts.size() < 3) {
            sentence.error = parts.size() == 2 ? parts[1] : line;
        } else {
            sentence.talker = parts[0];
            sentence.id = parts[1];
            sentence.checksumOk = parts[2] == "ok";
            sentence.fields.assign(parts.begin() + 3, parts.end());
        }
        sentences.push_back(sentence);
    }
    return sentences;
}

std::vector<QJsonObject> DecodeWithGpsdecode(const std::string& sentences)
{
    std::vector<QJsonObject> messages;
    for (const std::string& line : Split(Run("gpsdecode -u", sentences), '\n'))
        if (!line.empty())
            messages.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(line)).object());
    return messages;
}

std::string OnAirMessage(const std::vector<NmeaSimpleSentence>& sentences, uint32_t source)
{
    if (sentences.empty() || sentences.front().fields.size() < 7)
        return {};
    const bool addressed = sentences.front().id == "ABM";
    const std::vector<std::string>& first = sentences.front().fields;
    const int type = std::stoi(first[addressed ? 5 : 4]);
    std::string payload;
    for (const NmeaSimpleSentence& sentence : sentences)
        payload += sentence.fields[sentence.fields.size() - 2];
    const int fill = std::stoi(sentences.back().fields.back());

    AisBitWriter message;
    message.put(type, 6).put(0, 2).put(source, 30);
    if (addressed)
        message.put(0, 2).put(std::stoll(first[3]), 30).put(0, 1).put(0, 1);
    else
        message.put(0, 2);
    const int bits = int(payload.size()) * 6 - fill;
    for (int bit = 0; bit < bits; ++bit)
        message.put(SixBit(payload[size_t(bit / 6)]) >> (5 - bit % 6) & 1, 1);
    return AisSentence(message);
}

std::string BinaryMessageBits(const QJsonObject& message)
{
    auto bits = [](long long value, int width) {
        std::string text;
        for (int i = width - 1; i >= 0; --i)
            text += (value >> i & 1) ? '1' : '0';
        return text;
    };
    std::string text = bits(message["dac"].toInteger(), 10) + bits(message["fid"].toInteger(), 6);
    const std::vector<std::string> data = Split(message["data"].toString().toStdString(), ':');
    if (data.size() != 2)
        return text;
    const int count = std::stoi(data[0]);
    std::string all;
    for (const char digit : data[1])
        all += bits(std::stoi(std::string(1, digit), nullptr, 16), 4);
    return text + all.substr(0, size_t(count));
}
