#include "app/RouteText.h"

#include "app/LogText.h"
#include "frame/DateTimeText.h"
#include "frame/DurationText.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/FileReplace.h"
#include "platform/system/TextCodec.h"
#include "sensors/OwnShipState.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteTable.h"
#include "userdata/TWpDlg.h"

#include <QDateTime>
#include <QTableWidget>

#include <algorithm>

namespace {

const char* const RouteTextName = "route.txt";

std::string Position(const cmgbase::GeoPoint& point, const char* between)
{
    return CompactLatLon(point.y, false) + between + CompactLatLon(point.x, true);
}

std::string WithoutBlanks(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

// The ETA cell of the route dialog's row, without its fourth character.
std::string EtaCell(int32_t row)
{
    const QTableWidgetItem* item = WpDlg->Grid->item(row, ColEta);
    std::string text = item ? platform::ToCp1252(item->text()) : std::string();
    if (text.size() > 3)
        text.erase(3, 1);
    return text;
}

// An entry's value, or the route default when it has none, scaled as the entry's own.
double OrDefault(uint16_t own, int16_t routeDefault, double scale)
{
    return (own != 0 ? double(own) : double(routeDefault)) * scale;
}

}  // namespace

std::string RouteText()
{
    const bool etaShown = WpDlg && WpDlg->isVisible();
    std::string text = LongDateShortTimeText(QDateTime::fromSecsSinceEpoch(ClockSeconds));
    if (RouteName[0] != '\0' || SecondRouteName[0] != '\0') {
        text += "\n\n" + std::string(RouteName);
        if (SecondRouteName[0] != '\0')
            text += " /--/ " + std::string(SecondRouteName);
    }
    if (OwnShip.positionKnown) {
        text += "\n\nShip  Lat.          Lon.           Spd.   Crs.    Next WP\n     ";
        text += Position(OwnShip.referencePosition, "  ");
        text += Printed("%8.1f   %05.1f\xB0%5d", double(OwnShip.speedOverGround), double(OwnShip.courseOverGround),
                        int(CurrentWaypoint + 1));
    }
    text += "\n\nWP    Lat.          Lon.          Dist.   Brg.    Spd.   Lane   Turn  Delay  ";
    text += etaShown ? "Eta time\n" : "Leg time\n";
    const int32_t count = RouteEntryCount();
    double totalDistance = 0.0;
    double totalHours = 0.0;
    for (int32_t i = OwnPositionInserted ? 1 : 0; i < count; ++i) {
        const WP_typ& entry = RouteTable[size_t(i)];
        const std::string name = entry.name();
        if (!name.empty())
            text += name.substr(0, 86) + "\n";
        text += Printed("%03d: ", int(OwnPositionInserted ? i : i + 1));
        text += Position(entry.position, "  ");
        if (i == count - 1)
            break;
        // The time at the speed the route grid reckons with (never 0).
        const double speed = LegSpeed(entry);
        text += Printed("%8.1f   %05.1f\xB0", double(entry.legDistance), double(entry.legBearing));
        text += Printed("%6.1f %6.2f %6.2f%6d", OrDefault(entry.speed, SetupParameters.DefaultRouteSpeed, 0.1), OrDefault(entry.lane, SetupParameters.DefaultLane, 0.01),
                        OrDefault(entry.turnRadius, SetupParameters.DefaultTurnRadius, 0.01), int(entry.stopMinutes));
        text += "   " + (etaShown ? EtaCell(i) : WithoutBlanks(FormatDuration(entry.legDistance, float(speed)))) + "\n";
        totalDistance += entry.legDistance;
        totalHours += entry.legDistance / speed + entry.stopMinutes / 60.0;
    }
    text += Printed("\n\nTotal:%33.1f Nm%35s%s\n", totalDistance, "",
                    WithoutBlanks(FormatDuration(float(totalHours), 1.0f)).c_str());
    return WithCrLf(text);
}

bool WriteRouteText()
{
    if (RouteId == 0 || RouteEditMode != RouteShown)
        return false;
    return platform::ReplaceFile(LogFolderFile(RouteTextName), RouteText());
}
