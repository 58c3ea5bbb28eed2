#include "app/AisLogs.h"

#include "app/LogText.h"
#include "app/TForm1.h"
#include "frame/SharedTables.h"
#include "platform/system/DurableAppend.h"
#include "platform/system/FileReplace.h"
#include "sensors/TargetTable.h"

#include <QPushButton>

#include <algorithm>
#include <cstring>

namespace {

const char* const EventLogName = "ais.log";
const char* const ExportName = "ais.sdv";
const char* const EventLogHeader =
    "Ship                 call  type destination         speed status                guardzone\r\n\r\n";

std::string Field(const char* text, size_t size)
{
    return {text, strnlen(text, size)};
}

// A text field of the export: ';' is an AIS character, but it separates the fields here.
std::string ExportField(const char* text, size_t size)
{
    std::string field = Field(text, size);
    std::replace(field.begin(), field.end(), ';', ',');
    return field;
}

}  // namespace

std::string AisEventLine(int32_t index, int32_t event, const std::string& zone)
{
    if (event == AisLogAllLost)
        return "All target info lost !!\r\n";
    const TargetRecord& t = TargetTable[size_t(std::clamp(index, 0, TargetCount - 1))];
    const AisStaticBlock& s = t.staticData;
    const char* const words[] = {" LEAVE", " ENTER", " LOST "};
    const ClockRecord& c = *ClockTime;
    std::string line = Printed("%-20s %-7s %2d %-20s %4.1f", Field(s.name, sizeof s.name).c_str(),
                               Field(s.callSign, sizeof s.callSign).c_str(), int(s.shipType),
                               Field(s.destination, sizeof s.destination).c_str(), t.dynamic.sogTenths / 10.0);
    line += words[std::clamp(event, 0, 2)];
    line += Printed(" %02d/%02d-%02d %02d:%02d", c.dayOfMonth, c.month + 1, c.year % 100, c.hour, c.minute);
    line += event == AisLogLost ? std::string("\r\n") : "  " + zone + "\r\n";
    return line;
}

void WriteAisEventLog(int32_t index, int32_t event, const std::string& zone)
{
    const std::filesystem::path file = LogFolderFile(EventLogName);
    const bool existed = std::filesystem::exists(file);
    const std::string line = AisEventLine(index, event, zone);
    if (!platform::AppendDurably(file, existed ? line : EventLogHeader + line, {}))
        return;
    if (!existed && Form1)
        Form1->btnAisLog->setEnabled(true);
}

std::string AisTargetExport()
{
    std::string text = "Ship;Call.;MMSI;IMO;Type;Status;Length;Beam;Drgt.;Dest.;Eta;time;Lat.;Lon.;Spd.;Crs.;Hdg;Rot\r\n";
    for (int32_t i = 0; i < TargetCount; ++i) {
        const TargetRecord& t = TargetTable[size_t(i)];
        if (t.id == -1 || t.kind != TargetAisPosition)
            continue;
        const AisStaticBlock& s = t.staticData;
        const AisDynamicBlock& d = t.dynamic;
        text += Printed("%s;%s;%u;%u;%d;%d;%d;%d;%.1f;%s;%02d.%02d;%02d:%02d;",
                        ExportField(s.name, sizeof s.name).c_str(), ExportField(s.callSign, sizeof s.callSign).c_str(),
                        unsigned(d.mmsi), unsigned(s.imoNumber), int(s.shipType), int(d.navigationStatus),
                        s.dimensionA + s.dimensionB, s.dimensionC + s.dimensionD, s.draughtDecimetres / 10.0,
                        ExportField(s.destination, sizeof s.destination).c_str(), int(s.etaMonth), int(s.etaDay),
                        int(s.etaHour), int(s.etaMinute));
        text += CompactLatLon(t.positionY, false) + ";" + CompactLatLon(t.positionX, true);
        text += Printed(";%.1f;%.1f;%d;%d\r\n", d.sogTenths / 10.0, d.cogTenths / 10.0, int(d.trueHeading),
                        int(d.rateOfTurn));
    }
    return text;
}

bool ExportAisTargets()
{
    return platform::ReplaceFile(LogFolderFile(ExportName), AisTargetExport());
}
