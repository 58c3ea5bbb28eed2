#include "sensors/OutputTestSupport.h"

#include "frame/SetupParameters.h"
#include "sensors/ComOutThread.h"
#include "sensors/ComPortControl.h"
#include "sensors/NmeaOutput.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <fstream>
#include <poll.h>
#include <unistd.h>

namespace {

const std::string Script = std::string(VARNIK_SOURCE_DIR) + "/tests/sensors/ParseWithPynmea2.py";

// Reads what the master holds, waiting at most `wait` for the first byte.
std::string ReadSome(int master, std::chrono::milliseconds wait)
{
    pollfd ready{master, POLLIN, 0};
    if (poll(&ready, 1, int(wait.count())) <= 0 || !(ready.revents & POLLIN))
        return {};
    char buffer[4096];
    const ssize_t n = read(master, buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, size_t(n)) : std::string();
}

int LineEnds(const std::string& text)
{
    int count = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++count;
    return count;
}

}  // namespace

std::vector<Pynmea2Sentence> ParseWithPynmea2(const std::string& text)
{
    char path[] = "/tmp/nmea-output-XXXXXX";
    const int file = mkstemp(path);
    if (file < 0) {
        Pynmea2Sentence failure;
        failure.error = "no temporary file";
        return {failure};
    }
    close(file);
    std::ofstream(path, std::ios::binary) << text;
    const std::string command = "/usr/bin/python3 '" + Script + "' < '" + path + "'";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        pclose(pipe);
    }
    std::remove(path);

    std::vector<Pynmea2Sentence> sentences;
    for (const QByteArray& line : QByteArray::fromStdString(output).split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        Pynmea2Sentence sentence;
        if (object.contains("error")) {
            sentence.error = (object["error"].toString() + " in " + object["line"].toString()).toStdString();
        } else if (!object.contains("type")) {
            sentence.error = "not pynmea2's answer: " + line.toStdString();
        }
        sentence.type = object["type"].toString().toStdString();
        sentence.talker = object["talker"].toString().toStdString();
        for (const QJsonValue& field : object["data"].toArray())
            sentence.data.push_back(field.toString().toStdString());
        if (object.contains("latitude")) {
            sentence.latitude = object["latitude"].toDouble();
            sentence.longitude = object["longitude"].toDouble();
        }
        sentences.push_back(sentence);
    }
    return sentences;
}

std::vector<std::string> Fields(std::string_view body)
{
    std::vector<std::string> fields;
    size_t at = body.find(',');
    while (at != std::string_view::npos) {
        const size_t next = body.find(',', at + 1);
        fields.emplace_back(body.substr(at + 1, next == std::string_view::npos ? next : next - at - 1));
        at = next;
    }
    return fields;
}

std::string ReadLines(const PseudoTerminal& terminal, int lines, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::string text;
    while (LineEnds(text) < lines) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        text += ReadSome(terminal.master(), left);
    }
    return text;
}

std::string ReadFor(const PseudoTerminal& terminal, std::chrono::milliseconds quiet)
{
    std::string text;
    for (std::string piece; !(piece = ReadSome(terminal.master(), quiet)).empty();)
        text += piece;
    return text;
}

void ResetOutputSide()
{
    ClearRouteTable();
    RouteId = 0;
    RouteEditMode = 0;
    CurrentWaypoint = 0;
    OwnPositionInserted = 0;
    DistanceToGo = 0.0f;
    CrossTrackError = 0.0;
    BearingToSteer = 0.0f;
    NearNextLeg = PastAbeam = Turning = 0;
    StartGrace = 0;
    NewWaypoint = RouteStartRequest = RouteStopRequest = 0;
    OneOffText.clear();
    OneOffPending = false;
    OutputMutedByReplay = false;
    ComOutHook = {};
    TakeTcpText();
    SetupParameters.OutputSentences = 0;
}

void OutputTest::SetUp()
{
    SensorTest::SetUp();
    ResetOutputSide();
    for (int port = 0; port < int(com.size()); ++port) {
        platform::SetSerialDevicePath(port, com[size_t(port)].path());
        ASSERT_TRUE(OpenComPort(port));
    }
}

void OutputTest::TearDown()
{
    StopComOutThread();
    ResetOutputSide();
    for (int port = 0; port < int(com.size()); ++port)
        platform::SetSerialDevicePath(port, "");
    SensorTest::TearDown();
}
