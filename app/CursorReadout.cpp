#include "app/CursorReadout.h"

#include "app/NavigationAidReadout.h"
#include "app/TForm1.h"
#include "frame/PositionText.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "platform/system/TextCodec.h"
#include "sensors/OwnShipState.h"
#include "userdata/StoredPosition.h"

#include <QFrame>
#include <QLabel>

#include <ctime>

namespace {

constexpr double TwoDecimalsUpTo = 10.0;   // nautical miles
constexpr double OneDecimalUpTo = 100.0;
constexpr double MetresUpTo = 10000.0;
constexpr double MetresPerMile = 1852.0;
constexpr float ArrivalSpeedAbove = 1.0f;  // knots

QString PositionText(int32_t normalised, bool longitude)
{
    return platform::FromCp1252(FormatLatLon(StoredFromChart(normalised), longitude));
}

QString RangeText(double miles, bool inMetres)
{
    if (inMetres) {
        const double metres = miles * MetresPerMile;
        if (metres <= MetresUpTo)
            return QString::asprintf("%.f", metres);
        return QString::asprintf("%.f.", metres * 0.001);
    }
    if (miles <= TwoDecimalsUpTo)
        return QString::asprintf("%0.2f", miles);
    if (miles <= OneDecimalUpTo)
        return QString::asprintf("%0.1f", miles);
    return QString::asprintf("%0.f", miles);
}

// The rhumb line's bearing in degrees above 0 up to 360 (due north 360), 0 between equal points.
double BearingDegrees(double radians, double miles)
{
    if (miles == 0.0)
        return 0.0;
    const double degrees = cmgbase::rad2deg(radians);
    return degrees <= 0.0 ? degrees + 360.0 : degrees;
}

// The local clock time ("%02d:%02d") the run of `miles` takes at the present speed.
QString ArrivalText(double miles, float knots)
{
    const auto seconds = int64_t(float(miles / double(knots)) * 3600.0f);
    const std::time_t arrival = std::time_t(ClockSeconds + seconds);
    std::tm local{};
    if (!localtime_r(&arrival, &local))
        return {};
    return QString::asprintf("%02d:%02d", local.tm_hour, local.tm_min);
}

}  // namespace

void UpdateCursorReadout(TForm1& form, bool is3D, const cmgbase::GeoPoint& position)
{
    if (!StartupDone)
        return;
    const bool mainShown = !form.MainPanel->isHidden();
    const QString longitude = PositionText(position.x, true);
    form.txCursLon->setText(longitude);
    if (!mainShown)
        form.txCursLon2->setText(longitude);
    (mainShown ? form.txCursLat : form.txCursLat2)->setText(PositionText(position.y, false));
    (mainShown ? form.txCurs3D : form.txCurs3D2)->setText(is3D ? QStringLiteral("3D") : QString());
    ShowNavigationAidReadings(form, position);
}

void UpdateRangeBearingReadout(TForm1& form, const cmgbase::GeoPoint& from, const cmgbase::GeoPoint& to)
{
    if (!StartupDone)
        return;
    double miles = 0.0;
    double radians = 0.0;
    if (cmgbase::RL_InvPosComputation(from, to, &miles, &radians) != 0)
        return;  // a point beyond a pole: no line to measure
    const bool mainShown = !form.MainPanel->isHidden();
    (mainShown ? form.txCursEBL : form.txCursEBL2)
        ->setText(QString::asprintf("%.1f", BearingDegrees(radians, miles)) + QChar(0xB0));
    (mainShown ? form.txCursVRM : form.txCursVRM2)->setText(RangeText(miles, form.RangeInMetres));
    const float knots = OwnShip.speedOverGround;
    if (knots > ArrivalSpeedAbove)
        form.txEtaEta->setText(ArrivalText(miles, knots));
}
