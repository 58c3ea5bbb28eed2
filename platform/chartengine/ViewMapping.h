#pragma once
// Geographic positions straight to the pixels of a painter, for drawing many points fast: the
// projection's Mercator plane (GeoProjection.h), its rotation and device pixels per metre, and
// the painter's transform from device points to pixels, folded into one affine map. Northings
// come from a table of the ellipsoid's Mercator northing over every valid latitude, read by
// linear interpolation (the error stays below a centimetre on the ground).

#include "platform/chartengine/GeoProjection.h"
#include "platform/geodesy/GeoTypes.h"

#include <QPointF>
#include <QTransform>

namespace chartengine {

class ViewMapping {
public:
    // deviceToPixel: the painter's transform of device points (centre-relative, y up).
    ViewMapping(const GeoProjection& projection, const QTransform& deviceToPixel);

    QPointF Map(const cmgbase::GeoPoint& position) const
    {
        const double u = WrappedLongitudeOffset(position.x) * eastPerUnit_;
        const double v = (NorthingOf(position.y) - centreNorthing_) * northPerMetre_;
        return {a11_ * u + a12_ * v + dx_, a21_ * u + a22_ * v + dy_};
    }

    // The screen angle (degrees, clockwise from up) of the bearing given.
    double ScreenAngle(double bearingDegrees) const { return bearingDegrees - rotationDegrees_; }

    // The Mercator northing (metres of the plane) of a latitude in normalised units.
    static double NorthingOf(int32_t latitude);

private:
    // The longitude's offset east of the centre in normalised units, the short way round.
    double WrappedLongitudeOffset(int32_t longitude) const
    {
        return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(longitude) -
                                                        static_cast<uint32_t>(centreLongitude_)));
    }

    int32_t centreLongitude_ = 0;
    double centreNorthing_ = 0.0;
    double eastPerUnit_ = 0.0;     // metric units per normalised unit of longitude
    double northPerMetre_ = 0.0;   // metric units per metre of northing
    double rotationDegrees_ = 0.0;
    double a11_ = 1, a12_ = 0, a21_ = 0, a22_ = 1, dx_ = 0, dy_ = 0;
};

}  // namespace chartengine
