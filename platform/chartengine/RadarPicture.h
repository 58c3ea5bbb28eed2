#pragma once
// One radar picture: the echoes of a scene (RadarScene.h) and of the targets around the antenna
// out to the range, with sea clutter near the antenna and rain clutter patches, both reduced by
// their settings, and the gain as the threshold under which nothing shows. The picture is made in
// polar cells (azimuth x distance) and laid out as a square image centred on the antenna, north
// up, transparent where nothing echoes. The same inputs and frame number give the same picture.

#include "platform/chartengine/RadarScene.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace chartengine {

struct RadarSettings {
    int32_t sea = 0;   // 0..99, 99 suppresses the sea clutter
    int32_t rain = 0;  // 0..99, 99 suppresses the rain clutter
    int32_t gain = 50;  // 0..99, the higher the weaker the echoes that still show
    int32_t palette = 0;  // 0 green, 1 red
};

// Where the echoes are laid: turned clockwise by rotationDegrees, distances multiplied by
// rangeScale and then moved out by rangeShiftMetres.
struct RadarLayout {
    double rotationDegrees = 0.0;
    double rangeScale = 1.0;
    double rangeShiftMetres = 0.0;
};

class RadarPicture {
public:
    static constexpr int kAzimuths = 1024;
    static constexpr int kCells = 512;       // distance cells out to the range
    static constexpr int kImageSide = 768;   // pixels of the image, across twice the range
    static constexpr int kRasterSide = 1024;

    // Takes the scene for a range (metres, above 0).
    void SetScene(const RadarScene& scene, double rangeMetres);
    // Makes the picture; targets in the scene's frame; pulseMetres the pulse's length.
    void Build(const std::vector<QPointF>& targets, double pulseMetres, const RadarSettings& settings,
               const RadarLayout& layout, uint64_t frame);
    // Nothing echoes.
    void Clear();

    double rangeMetres() const { return rangeMetres_; }
    // kImageSide square, ARGB32 premultiplied.
    const QImage& image() const { return image_; }

private:
    void AddLand(const RadarLayout& layout, double pulseMetres);
    void AddSpot(const QPointF& at, uint8_t strength, double pulseMetres, const RadarLayout& layout, int extraCells);
    void AddSeaClutter(int32_t sea, uint64_t frame);
    void AddRainClutter(int32_t rain, uint64_t frame);
    void Paint(int32_t gain, int32_t palette);
    uint8_t& cell(int azimuth, int distance) { return cells_[size_t(azimuth) * kCells + size_t(distance)]; }

    double rangeMetres_ = 1.0;
    QImage raster_;  // the scene: 0 water, kLand, kConstruction
    RadarScene scene_;
    std::vector<uint8_t> cells_ = std::vector<uint8_t>(size_t(kAzimuths) * kCells, 0);
    QImage image_;
};

}  // namespace chartengine
