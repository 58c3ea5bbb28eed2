#include "frame/CpaTcpa.h"

#include "platform/geodesy/PositionComputation.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kMetresPerSecondPerKnot = 0.51479;
constexpr double kMetresPerNauticalMile = 1851.851852;
constexpr double kNauticalMilesPerMetre = 0.00054;

struct Vector {
    double north;
    double east;
};

Vector Velocity(float course, float speed)
{
    const double radians = course * (std::numbers::pi / 180);
    const double metresPerSecond = speed * kMetresPerSecondPerKnot;
    return {std::cos(radians) * metresPerSecond, std::sin(radians) * metresPerSecond};
}

}  // namespace

void ComputeCpaTcpa(const cmgbase::GeoPoint& firstPosition, float firstCourse, float firstSpeed,
                    const cmgbase::GeoPoint& secondPosition, float secondCourse,
                    float secondSpeed, float& time, float& distance)
{
    const Vector first = Velocity(firstCourse, firstSpeed);
    const Vector second = Velocity(secondCourse, secondSpeed);

    // An invalid position (a latitude beyond the pole) leaves the two in one place.
    double miles = 0;
    double bearing = 0;
    cmgbase::InvPosComputation(firstPosition, secondPosition, &miles, &bearing, 0);
    const double metres = miles * kMetresPerNauticalMile;
    const Vector apart{std::cos(bearing) * metres, std::sin(bearing) * metres};

    // The second vessel moves relative to the first at -closing.
    const Vector closing{first.north - second.north, first.east - second.east};
    const double closingSquared = closing.north * closing.north + closing.east * closing.east;
    const double seconds =
        closingSquared < 1e-8
            ? 0
            : (apart.north * closing.north + apart.east * closing.east) / closingSquared;

    const double closest = std::hypot(apart.north - closing.north * seconds,
                                      apart.east - closing.east * seconds);
    time = static_cast<float>(seconds / 60);
    distance = static_cast<float>(closest * kNauticalMilesPerMetre);
}
