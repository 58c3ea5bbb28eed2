#include "userdata/PointList.h"

#include "frame/DateTimeText.h"
#include "frame/PositionText.h"
#include "frame/SharedTables.h"
#include "platform/system/FileReplace.h"
#include "userdata/ObjectPoints.h"

#include <QDateTime>

#include <cstdio>
#include <string>
#include <vector>

std::filesystem::path PointListPath()
{
    return DataPaths[DataPathLog] / PointListFile;
}

bool WritePointList(int32_t lineId)
{
    std::vector<PointRecord> points;
    if (lineId == 0 || !ReadObjectPoints(lineId, points))
        return false;
    std::string text = LongDateShortTimeText(QDateTime::fromSecsSinceEpoch(ClockSeconds));
    text += "\n\nWP    Lat.          Lon.\n";
    for (const PointRecord& point : points) {
        char number[16];
        std::snprintf(number, sizeof number, "%03d: ", int(point.sequence));
        text += number + FormatLatLon(point.latitude, false) + "  " + FormatLatLon(point.longitude, true) + "\n";
    }
    return platform::ReplaceFile(PointListPath(), text);
}
