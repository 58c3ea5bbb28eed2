#include "userdata/BackupDescription.h"

#include "frame/DateTimeText.h"
#include "frame/PositionText.h"
#include "userdata/DisplayFilter.h"
#include "userdata/RouteTable.h"
#include "userdata/TransferUserData.h"

#include <QDateTime>

#include <array>
#include <cstdio>
#include <ctime>
#include <fstream>

namespace {

constexpr std::array<const char*, 6> ColourNames{",red", ",blue", ",green", ",yellow", ",violet", ",black"};

std::string Printed(const char* format, auto... values)
{
    char text[512];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string DayText(int64_t seconds)
{
    const std::time_t time = std::time_t(seconds);
    std::tm local{};
    localtime_r(&time, &local);
    return Printed("%02d/%02d-%d", local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

std::string LongDate(int64_t seconds)
{
    return LongDateText(QDateTime::fromSecsSinceEpoch(seconds));
}

}  // namespace

std::filesystem::path DescriptionFile(const std::filesystem::path& archive)
{
    std::string name = archive.string();
    name.replace(name.size() >= 3 ? name.size() - 3 : 0, 3, "txt");
    return name;
}

std::string WriteTrackDateRange(bool displayedOnly, int64_t from, int64_t to, int64_t secondFrom, int32_t colourMask)
{
    std::string line;
    if (displayedOnly) {
        line = DayText(from) + "->" + DayText(to) + "+" + DayText(secondFrom);
        for (size_t bit = 0; bit < ColourNames.size(); ++bit)
            if (colourMask & (1 << bit))
                line += ColourNames[bit];
    }
    return line + "\n";
}

std::string BackupDescriptionText(const BackupSummary& summary, const TransferRegion& area)
{
    const DumpSelection& s = summary.selection;
    std::string text = "Varnik V backup " + LongDate(summary.now) + ": \n--> " + summary.archive.string();
    if (summary.password)
        text += " (Password !)";
    text += "\n";
    if (s.areaLimited) {
        text += "\nFrom area:\n";
        text += FormatLatLon(area.south, false) + "-" + FormatLatLon(area.north, false) + "\n";
        text += FormatLatLon(area.west, true) + "-" + FormatLatLon(area.east, true) + "\n\n";
    }
    if (!s.displayedOnly)
        text += "\nAll after " + LongDate(s.fromTime) + "\n\n";
    const auto range = [&](const DisplayFilter& filter) {
        return WriteTrackDateRange(s.displayedOnly, filter.from, filter.to, filter.after, filter.colours);
    };
    if (s.tracks)
        text += Printed("%d tracks, ", summary.trackCount) + range(TrackDisplayFilter());
    if (s.routes) {
        if (s.displayedOnly && summary.routeCount == 1)
            text += "1 route " + std::string(RouteName, strnlen(RouteName, sizeof RouteName)) + "\n";
        else
            text += Printed("%d routes\n", summary.routeCount);
    }
    if (s.symbols)
        text += Printed("%d symbols, ", summary.symbolCount) + range(ObjectDisplayFilter());
    if (s.lines)
        text += Printed("%d lines, ", summary.lineCount) + range(ObjectDisplayFilter());
    if (summary.depths)
        text += Printed("%d depths", summary.depthCount);
    return text;
}

bool WriteBackupDescription(const BackupSummary& summary, const TransferRegion& area)
{
    const std::string text = BackupDescriptionText(summary, area);
    std::ofstream out(DescriptionFile(summary.archive), std::ios::binary | std::ios::trunc);
    out.write(text.data(), std::streamsize(text.size()));
    out.put('\0');
    out.close();
    return bool(out);
}
