#include "app/MainIni.h"

#include "frame/PortSettings.h"
#include "frame/SetupField.h"
#include "frame/SharedTables.h"
#include "platform/system/IniFile.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

enum class KeyKind { Integer, Flag, Text };

// One key of the file, the field it mirrors and the values the field accepts from the file.
struct MainIniKey {
    const char* section;
    const char* key;
    KeyKind kind;
    SetupField field;
    int element;
    int64_t low;
    int64_t high;
};

constexpr int64_t NoLimitLow = INT32_MIN;
constexpr int64_t NoLimitHigh = INT32_MAX;

MainIniKey OwnShipKey(const char* key, SetupField field, int64_t low)
{
    return {"OwnShip", key, KeyKind::Integer, field, 0, low, INT16_MAX};
}

// The 43 keys in the order they are read and written.
std::vector<MainIniKey> MakeKeys()
{
    std::vector<MainIniKey> keys{
        OwnShipKey("Length", SETUP_FIELD(Length), 1),
        OwnShipKey("Beam", SETUP_FIELD(Beam), 1),
        OwnShipKey("Draught", SETUP_FIELD(Draught), 0),
        OwnShipKey("Height", SETUP_FIELD(Height), 0),
        {"OwnShip", "Mmsi", KeyKind::Integer, SETUP_FIELD(Mmsi), 0, 0, 999999999},
        OwnShipKey("ConningBow", SETUP_FIELD(ConningBow), 0),
        OwnShipKey("ConningHeight", SETUP_FIELD(ConningHeight), 0),
        OwnShipKey("GpsBow", SETUP_FIELD(GpsBow), 0),
        OwnShipKey("GpsStbd", SETUP_FIELD(GpsStbd), 0),
        OwnShipKey("DepthBow", SETUP_FIELD(DepthBow), 0),
        OwnShipKey("DepthSurf", SETUP_FIELD(DepthSurf), 0),
        OwnShipKey("RadarBow", SETUP_FIELD(RadarBow), 0),
        OwnShipKey("RadarStbd", SETUP_FIELD(RadarStbd), 0),
        {"OwnShip", "AutoGyro", KeyKind::Flag, SETUP_FIELD(AutoGyro), 0, NoLimitLow, NoLimitHigh},
    };
    constexpr std::array<const char*, PortCount> portKeys{"1", "2", "3",  "4",  "5",  "6", "7",
                                                          "8", "9", "10", "11", "12", "IP"};
    for (int port = 0; port < PortCount; ++port)
        keys.push_back({"PortActive", portKeys[port], KeyKind::Flag, SETUP_FIELD(PortActive), port,
                        NoLimitLow, NoLimitHigh});
    for (int port = 0; port < PortCount; ++port)
        keys.push_back({"PortBaud", portKeys[port], KeyKind::Integer, SETUP_FIELD(PortBaud), port,
                        0, 4});
    keys.push_back({"PortXmit", "Xmit", KeyKind::Integer, SETUP_FIELD(OutputSentences), 0, 0, 15});
    keys.push_back({"TCP/IP", "Port", KeyKind::Integer, SETUP_FIELD(TcpPort), 0, 0, 65535});
    keys.push_back({"TCP/IP", "Adr", KeyKind::Text, {}, 0, 0, 0});
    return keys;
}

const std::vector<MainIniKey>& Keys()
{
    static const std::vector<MainIniKey> keys = MakeKeys();
    return keys;
}

// The value as a whole decimal number: an optional sign and digits, nothing else.
std::optional<int64_t> WholeNumber(const std::string& text)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+' && ++first != last && *first == '-')
        return std::nullopt;
    int64_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

}  // namespace

std::filesystem::path MainIniPath()
{
    return ProgramFolder / "VarnikV3.ini";
}

void LoadMainIni()
{
    const platform::IniFile ini(MainIniPath());
    const std::lock_guard lock(ComOutStateLock);
    SetupParametersRecord& record = SetupParameters;
    for (const MainIniKey& key : Keys()) {
        if (!ini.hasKey(key.section, key.key))
            continue;
        const std::string text = ini.readString(key.section, key.key, "");
        if (key.kind == KeyKind::Text) {
            SetTcpAddress(record, text);
            continue;
        }
        const std::optional<int64_t> value = WholeNumber(text);
        if (!value || *value < key.low || *value > key.high)
            continue;
        key.field.write(record, key.kind == KeyKind::Flag ? *value != 0 : *value, key.element);
    }
}

bool SaveMainIni()
{
    platform::IniFile ini(MainIniPath());
    const SetupParametersRecord& record = SetupParameters;
    for (const MainIniKey& key : Keys()) {
        if (key.kind == KeyKind::Text) {
            ini.writeString(key.section, key.key, TcpAddressText(record));
            continue;
        }
        const int64_t value = key.field.read(record, key.element);
        ini.writeInteger(key.section, key.key, key.kind == KeyKind::Flag ? value != 0 : value);
    }
    if (ini.save())
        return true;
    std::fprintf(stderr, "%s: could not be written\n", MainIniPath().c_str());
    return false;
}
