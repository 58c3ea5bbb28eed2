#pragma once
// The hull sketch of the sensor set-up dialog: the hull seen from above, bow up and starboard to
// the right, 145 pixels long and 58 wide whatever the ship's size, with a picture on each sensor.

#include "frame/SetupParameters.h"

#include <QImage>

#include <array>

constexpr int HullImageLength = 145;
constexpr int HullImageBeam = 58;
// Room around the hull so that a picture on its edge shows whole.
constexpr int HullImageMargin = 6;
constexpr int SensorPictureSize = 10;

enum SensorPictureIndex { GpsPicture, DepthPicture, RadarPicture, ConningPicture, SensorPictureCount };
using SensorPictures = std::array<QImage, SensorPictureCount>;

// The four 10 x 10 pictures: the GPS antenna a cross in a circle, the depth transducer a cone,
// the radar antenna a bar, the conning position a dot. Their centre pixel (5, 5) is opaque.
SensorPictures MakeSensorPictures();

// The sketch of the ship's hull with the GPS antenna, depth transducer, radar antenna and conning
// position centred on their places: b metres from the bow lies b * 145 / Length pixels from the
// hull's top, s metres from starboard 58 - s * 58 / Beam from its left; the depth transducer and
// the conning position lie on the centre line. With a zero length or beam only the background.
QImage PaintShipOutline(const SetupParametersRecord& ship, const SensorPictures& pictures);
