#include "userdata/ImportList.h"

#include "platform/geodesy/NormalisedCoordinates.h"
#include "userdata/DepthImport.h"
#include "userdata/ImportedObject.h"
#include "userdata/PointStore.h"
#include "userdata/TransferHooks.h"
#include "userdata/UserRecords.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <vector>

namespace {

constexpr size_t LongestLine = 127;
constexpr size_t LetterFixStart = 13;  // the fourteenth character
constexpr int32_t LatitudeLimit = 90 * PositionUnitsPerDegree;
constexpr int32_t LongitudeLimit = 180 * PositionUnitsPerDegree;
constexpr int32_t NorthEnd = 90 * PositionUnitsPerDegree;      // a point here ends the object
constexpr int32_t ValidPointLimit = 85 * PositionUnitsPerDegree;
constexpr int32_t HighestChartLevel = 17;
constexpr uint16_t RouteColour = 2;
constexpr uint16_t UnknownColour = 6;
constexpr std::array<uint16_t, 14> ColourOfCode{6, 1, 2, 3, 4, 5, 6, 6, 2, 5, 1, 3, 6, 4};
constexpr size_t NameDateLength = 11;  // "ddmmyy hhmm"

// A field as the sentence holds it: blanks around it do not count.
std::string_view Trimmed(std::string_view field)
{
    while (!field.empty() && std::isspace(static_cast<unsigned char>(field.front())))
        field.remove_prefix(1);
    while (!field.empty() && std::isspace(static_cast<unsigned char>(field.back())))
        field.remove_suffix(1);
    return field;
}

// The last field may carry a checksum: it ends at '*'.
std::string_view LastField(std::string_view field)
{
    return Trimmed(field.substr(0, field.find('*')));
}

std::optional<double> Number(std::string_view field)
{
    const std::string text(Trimmed(field));
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int32_t> Whole(std::string_view field)
{
    const std::string text(Trimmed(field));
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (end != text.c_str() + text.size())
        return std::nullopt;
    return int32_t(value);
}

// "ddmm.mmm" (two digits of degrees, three for a longitude) and its hemisphere letter, in degrees
// x 600000; none when out of range.
std::optional<int32_t> Coordinate(std::string_view field, std::string_view hemisphere, bool longitude)
{
    field = Trimmed(field);
    hemisphere = LastField(hemisphere);
    const size_t degreeDigits = longitude ? 3 : 2;
    if (field.size() <= degreeDigits || hemisphere.size() != 1)
        return std::nullopt;
    if (!std::all_of(field.begin(), field.begin() + long(degreeDigits),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    const int32_t degrees = std::atoi(std::string(field.substr(0, degreeDigits)).c_str());
    const std::optional<double> minutes = Number(field.substr(degreeDigits));
    if (!minutes || *minutes < 0.0 || *minutes >= 60.0)
        return std::nullopt;
    const char letter = char(std::toupper(static_cast<unsigned char>(hemisphere.front())));
    if (longitude ? letter != 'E' && letter != 'W' : letter != 'N' && letter != 'S')
        return std::nullopt;
    const int32_t value = degrees * PositionUnitsPerDegree + int32_t(*minutes * 10000.0);
    if (value > (longitude ? LongitudeLimit : LatitudeLimit))
        return std::nullopt;
    return letter == 'W' || letter == 'S' ? -value : value;
}

uint16_t Clamped16(double value)
{
    return uint16_t(std::clamp(value, 0.0, 65535.0));
}

uint16_t ColourOf(int32_t code)
{
    return code >= 0 && size_t(code) < ColourOfCode.size() ? ColourOfCode[size_t(code)] : UnknownColour;
}

// The sentence split at its first n commas: the header, the fields and, last, the rest of the
// line; fewer pieces when the line has fewer commas.
std::vector<std::string_view> Pieces(std::string_view sentence, int n)
{
    std::vector<std::string_view> pieces;
    size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const size_t comma = sentence.find(',', start);
        if (comma == std::string_view::npos)
            break;
        pieces.push_back(sentence.substr(start, comma - start));
        start = comma + 1;
    }
    pieces.push_back(sentence.substr(start));
    return pieces;
}

// The position of four fields from `first` on: latitude, N/S, longitude, E/W.
struct ListPosition {
    int32_t latitude;
    int32_t longitude;
};
std::optional<ListPosition> PositionAt(const std::vector<std::string_view>& pieces, size_t first)
{
    if (pieces.size() < first + 4)
        return std::nullopt;
    const auto latitude = Coordinate(pieces[first], pieces[first + 1], false);
    const auto longitude = Coordinate(pieces[first + 2], pieces[first + 3], true);
    if (!latitude || !longitude)
        return std::nullopt;
    return ListPosition{*latitude, *longitude};
}

cmgbase::GeoPoint ChartPoint(int32_t latitude, int32_t longitude)
{
    return {cmgbase::deg2nrm(double(longitude) / PositionUnitsPerDegree),
            cmgbase::deg2nrm(double(latitude) / PositionUnitsPerDegree)};
}

// A plain file name: no folder, nothing that climbs out of the screenshot folder.
bool PlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:") == std::string_view::npos;
}

uint32_t FileTimeSeconds(const std::filesystem::path& list)
{
    std::error_code error;
    const auto written = std::filesystem::last_write_time(list, error);
    if (error)
        return 0;
    const std::time_t seconds = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm local{};
    localtime_r(&seconds, &local);
    return LocalTimeSeconds(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, 1)
        .value_or(uint32_t(seconds));
}

class ListImporter {
public:
    ListImporter(const ListImportChoice& choice, uint32_t fileTime) : choice_(choice), fileTime_(fileTime) {}

    void run(std::vector<std::string>& lines)
    {
        for (size_t i = 0; i < lines.size(); ++i)
            i += line(lines, i);
    }

    ListImportCounts counts;

private:
    enum class Points { None, Line, Polygon, Route, Track };

    // Handles line i; returns how many following lines it took as well.
    size_t line(std::vector<std::string>& lines, size_t i)
    {
        const std::string& text = lines[i];
        if (text.size() > LongestLine) {
            ++counts.errors;
            return 0;
        }
        if (choice_.depths) {
            if (const size_t at = text.find("$PVRKD"); at != std::string::npos)
                depth(std::string_view(text).substr(at));
            return 0;
        }
        if (text.find("$PVRKAD") != std::string::npos) {
            addMode_ = true;
            return 0;
        }
        const auto sentence = [&](const char* header) -> std::optional<std::string_view> {
            const size_t at = text.find(header);
            if (at == std::string::npos)
                return std::nullopt;
            return std::string_view(text).substr(at);
        };
        if (auto s = sentence("$PVRKS"))
            return symbol(*s, lines, i);
        if (auto s = sentence("$PVRKR"))
            head(*s, ObjectType::ROUTE);
        else if (auto s = sentence("$PVRKT"))
            head(*s, ObjectType::TRACK);
        else if (auto s = sentence("$PVRKP"))
            point(*s);
        else if (auto s = sentence("$PVRKI"))
            info(*s);
        else if (auto s = sentence("$PVRKB"))
            ownShip(*s);
        else if (auto s = sentence("$PVRKC"))
            chartView(*s);
        return 0;
    }

    void depth(std::string_view s)
    {
        const auto p = Pieces(s, 5);
        if (p.size() < 6) {
            ++counts.errors;
            return;
        }
        const auto metres = Number(p[1]);
        const auto position = PositionAt(p, 2);
        if (!metres || !position) {
            ++counts.errors;
            return;
        }
        const cmgbase::GeoPoint at = ChartPoint(position->latitude, position->longitude);
        const auto& area = choice_.depthArea;
        if (area && (at.x < area->x1 || at.x > area->x2 || at.y < area->y1 || at.y > area->y2))
            return;
        if (ImportDepthPoint(at.x, at.y, float(*metres)))
            ++counts.depths;
        else
            ++counts.errors;
    }

    // The name after the header's fields: a blank alone is no name; "@<value>" is the at sign
    // with the value x 10; a leading "ddmmyy hhmm " gives the object's time.
    bool nameAndTime(std::string_view name, IdRecord& record)
    {
        record.time = fileTime_;
        if (name.size() > NameDateLength && name[6] == ' ') {
            const auto digits = [&](size_t at) {
                return std::isdigit(static_cast<unsigned char>(name[at])) &&
                       std::isdigit(static_cast<unsigned char>(name[at + 1]));
            };
            if (digits(0) && digits(2) && digits(4) && digits(7) && digits(9)) {
                const auto two = [&](size_t at) { return (name[at] - '0') * 10 + (name[at + 1] - '0'); };
                const int year = two(4) < 70 ? 2000 + two(4) : 1900 + two(4);
                const auto time = LocalTimeSeconds(year, two(2), two(0), two(7), two(9), 1);
                if (!time)
                    return false;
                record.time = *time;
                name.remove_prefix(std::min(name.size(), NameDateLength + 1));
            }
        }
        if (name == " ")
            name = {};
        if (!name.empty() && name.front() == '@') {
            const auto value = Number(name.substr(1));
            record.value = Clamped16(value.value_or(0.0) * 10.0);
            name = name.substr(0, 1);
        }
        SetFixedText(record.name, name);
        return true;
    }

    size_t symbol(std::string_view s, std::vector<std::string>& lines, size_t i)
    {
        lastStored_ = false;
        points_ = Points::None;
        const auto p = Pieces(s, 7);
        std::optional<int32_t> code;
        std::optional<int32_t> colour;
        std::optional<ListPosition> position;
        if (p.size() == 8) {
            code = Whole(p[1]);
            colour = Whole(p[2]);
            position = PositionAt(p, 3);
        }
        IdRecord record;
        if (!code || !colour || !position || *code < 0 || !nameAndTime(p[7], record)) {
            ++counts.errors;
            return 0;
        }
        int32_t icon = *code;
        switch (icon) {
        case 15: icon = 48; break;
        case 16: icon = 10; break;
        case 17:
        case 18: icon -= 2; break;
        case 19: icon = 2; break;
        case 48: icon = 17; break;
        case 62: icon = 18; break;
        default: break;
        }
        record.objectType = icon == 20 || icon == 30 ? ObjectType::LINE
                            : icon == 21             ? ObjectType::FIELD
                            : icon == 22             ? ObjectType::ZONE
                                                     : ObjectType::SYMBOL;
        record.colour = ColourOf(*colour);
        record.latitude = position->latitude;
        record.longitude = position->longitude;
        record.pointCount = Clamped16(icon > 30 ? icon - 12 : icon);
        size_t taken = 0;
        if (icon >= 21 && icon <= 29) {
            std::optional<VrkPosition> second;
            if (i + 2 < lines.size() && ParseVrkPosition(lines[i + 1]) &&
                (second = ParseVrkPosition(lines[i + 2])))
                taken = 2;
            if (!second)
                return 0;  // the symbol is dropped; the next line is a sentence of its own
            record.endLatitude = second->latitude;
            record.endLongitude = second->longitude;
        }
        const bool isLine = icon >= 20 && icon <= 30;
        if (!(isLine ? choice_.lines : choice_.symbols))
            return taken;
        bool stored = StoreImportedObject(record);
        for (int retry = 0; !stored && addMode_ && !isLine && retry < 3; ++retry) {
            record.latitude += 1;
            stored = StoreImportedObject(record);
        }
        if (!stored)
            return taken;
        lastStored_ = true;
        ++(isLine ? counts.lines : counts.symbols);
        if (icon == 20 || icon == 30) {
            points_ = icon == 30 ? Points::Polygon : Points::Line;
            object_ = record;
            nextSequence_ = 1;
        }
        return taken;
    }

    void head(std::string_view s, ObjectType type)
    {
        lastStored_ = false;
        points_ = Points::None;
        const auto p = Pieces(s, 3);
        std::optional<double> value;
        std::optional<int32_t> count;
        if (p.size() == 4) {
            value = Number(p[1]);
            count = Whole(p[2]);
        }
        IdRecord record;
        if (!value || !count || !nameAndTime(p[3], record)) {
            ++counts.errors;
            return;
        }
        record.objectType = type;
        record.value = Clamped16(*value * 10.0);
        record.pointCount = Clamped16(*count);
        head_ = record;
        points_ = type == ObjectType::ROUTE ? Points::Route : Points::Track;
        objectOpen_ = false;
    }

    void point(std::string_view s)
    {
        const auto parsed = ParseVrkPosition(s);
        if (!parsed) {
            ++counts.errors;
            return;
        }
        const VrkPosition& at = *parsed;
        if (points_ == Points::Line || points_ == Points::Polygon) {
            if (choice_.lines)
                addPoint(at, points_ == Points::Polygon ? std::optional<int>(LinePointWord::Polygon) : std::nullopt,
                         LinePointWord::PolygonMark);
            return;
        }
        if (points_ != Points::Route && points_ != Points::Track)
            return;
        if (at.latitude == NorthEnd) {
            objectOpen_ = false;  // the next point starts a new object with the same head
            lastStored_ = false;
            return;
        }
        const bool valid = at.latitude != 0 && at.longitude != 0 && at.latitude < ValidPointLimit;
        const bool track = points_ == Points::Track;
        if (!objectOpen_) {
            objectOpen_ = true;
            objectStored_ = false;
            object_ = head_;
            object_.latitude = at.latitude;
            object_.longitude = at.longitude;
            object_.colour = track ? ColourOf(at.code) : RouteColour;
            if ((track ? choice_.tracks : choice_.routes) && valid && StoreImportedObject(object_)) {
                objectStored_ = true;
                lastStored_ = true;
                ++(track ? counts.tracks : counts.routes);
            }
            nextSequence_ = 1;
        }
        if (!objectStored_ || !valid)
            return;
        const double value = std::round(track ? double(at.value) * 10.0 : double(at.value));
        PointRecord point = pointRecord(at);
        const int first = track ? TrackPointWord::Depth : RoutePointWord::Lane;
        const int second = track ? TrackPointWord::DepthAgain : RoutePointWord::SafetyDepth;
        point.attributes[first] = point.attributes[second] = Clamped16(value);
        store(point);
    }

    void addPoint(const VrkPosition& at, std::optional<int> markWord, uint16_t mark)
    {
        PointRecord point = pointRecord(at);
        if (markWord)
            point.attributes[*markWord] = mark;
        store(point);
    }

    PointRecord pointRecord(const VrkPosition& at) const
    {
        PointRecord point;
        point.id = object_.id;
        point.sequence = nextSequence_;
        point.latitude = at.latitude;
        point.longitude = at.longitude;
        point.time = object_.time;
        return point;
    }

    void store(const PointRecord& point)
    {
        if (nextSequence_ > MaxPointSequence) {
            ++counts.errors;
            return;
        }
        if (AddObjectPoint(point) == PointStore::Failed)
            ++counts.errors;
        ++nextSequence_;
    }

    void info(std::string_view s)
    {
        std::string sentence(s);
        const size_t text = BlankFirstCommas(1, sentence);
        if (text == std::string::npos) {
            ++counts.errors;
            return;
        }
        if (lastStored_ && !AppendObjectText(LastImportedId, std::string_view(sentence).substr(text)))
            ++counts.errors;
    }

    void ownShip(std::string_view s)
    {
        const auto p = Pieces(s, 7);
        const auto position = PositionAt(p, 1);
        std::optional<double> course;
        std::optional<double> speed;
        if (p.size() >= 7) {
            course = Number(p[5]);
            speed = Number(LastField(p[6]));
        }
        if (!position || !course || !speed || *course < 0.0 || *course > 360.0 || *speed < 0.0) {
            ++counts.errors;
            return;
        }
        const bool live = !TransferHook.sensorInputLive || TransferHook.sensorInputLive();
        if (!live && TransferHook.setOwnShip)
            TransferHook.setOwnShip(position->latitude, position->longitude, float(*course), float(*speed));
    }

    void chartView(std::string_view s)
    {
        const auto p = Pieces(s, 7);
        const auto position = PositionAt(p, 1);
        std::optional<int32_t> level;
        std::optional<double> zoom;
        std::string_view name;
        if (p.size() >= 7) {
            level = Whole(p[5]);
            zoom = Number(p.size() == 8 ? p[6] : LastField(p[6]));
            if (p.size() == 8)
                name = LastField(p[7]);
        }
        if (!position || !level || *level < 0 || *level > HighestChartLevel || !zoom || *zoom <= 0.0 ||
            (!name.empty() && !PlainFileName(name))) {
            ++counts.errors;
            return;
        }
        if (TransferHook.showChartView)
            TransferHook.showChartView(ChartPoint(position->latitude, position->longitude), *level, *zoom);
        if (!name.empty() && TransferHook.saveIdentifiedScreenshot)
            TransferHook.saveIdentifiedScreenshot(std::string(name));
    }

    const ListImportChoice& choice_;
    uint32_t fileTime_;
    bool addMode_ = false;
    bool lastStored_ = false;
    Points points_ = Points::None;
    IdRecord head_;
    IdRecord object_;
    bool objectOpen_ = false;
    bool objectStored_ = false;
    uint16_t nextSequence_ = 1;
};

}  // namespace

size_t BlankFirstCommas(int n, std::string& line)
{
    size_t at = 0;
    for (int i = 0; i < n; ++i) {
        at = line.find(',', at);
        if (at == std::string::npos)
            return std::string::npos;
        line[at++] = ' ';
    }
    return at;
}

std::optional<VrkPosition> ParseVrkPosition(std::string_view line)
{
    const size_t at = line.find("$PVRKP");
    if (at == std::string_view::npos)
        return std::nullopt;
    const auto p = Pieces(line.substr(at), 6);
    if (p.size() != 7)
        return std::nullopt;
    const auto code = Whole(p[1]);
    const auto position = PositionAt(p, 2);
    const auto value = Number(LastField(p[6]));
    if (!code || !position || !value)
        return std::nullopt;
    return VrkPosition{*code, position->latitude, position->longitude, float(*value)};
}

std::optional<uint32_t> LocalTimeSeconds(int year, int month, int day, int hour, int minute, int second)
{
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    const std::tm asked = local;
    const std::time_t seconds = std::mktime(&local);
    if (seconds == std::time_t(-1) || local.tm_mday != asked.tm_mday || local.tm_mon != asked.tm_mon ||
        local.tm_year != asked.tm_year || hour > 23 || minute > 59 || seconds < 0 || seconds > std::time_t(UINT32_MAX))
        return std::nullopt;
    return uint32_t(seconds);
}

std::optional<ListImportCounts> ImportList(const std::filesystem::path& list, const ListImportChoice& choice)
{
    std::ifstream in(list, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::string> lines;
    std::string text;
    while (std::getline(in, text)) {
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        for (size_t i = LetterFixStart; i < text.size(); ++i) {
            unsigned char& c = reinterpret_cast<unsigned char&>(text[i]);
            c = c == 0x92 ? 0xC6 : c == 0x9D ? 0xD8 : c == 0x8F ? 0xC5 : c;
        }
        lines.push_back(std::move(text));
    }
    if (in.bad())
        return std::nullopt;
    ListImporter importer(choice, FileTimeSeconds(list));
    std::optional<DepthImportSession> session;
    if (choice.depths)
        session.emplace();
    importer.run(lines);
    return importer.counts;
}
