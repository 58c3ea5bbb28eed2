#pragma once
// The pictures of the main tool bar's buttons and of the look-ahead button of the mini chart,
// drawn with hard edges in a few inks on white, which the image list takes as transparent.
// ImageList1 draws them in the day's inks, ImageList5 in the night's.

#include "app/ImageList.h"

#include <QRgb>
#include <QSize>

enum ToolBarImage {
    ExitImage,
    S52Image,
    Show2DImage,
    Show3DImage,
    WeatherImage,
    RadarImage,
    ZoomInImage,
    ZoomOutImage,
    QueryImage,
    BearingImage,
    Arpa1Image,
    Arpa2Image,
    AisImage,
    EventMarkImage,
    RouteImage,
    LookAheadImage,  // 15: the mini chart's look-ahead button
    TrackImage,
    SymbolImage,
    ToolImage,
    AutoImage,
    FirstBandImage,  // the usage bands 0..7: Wbtn .. Gbtn
    ToolBarImageCount = FirstBandImage + 8
};

inline constexpr QSize ToolBarImageSize(20, 20);

// The inks of one set of pictures; none is pure white.
struct GlyphInks {
    QRgb outline;  // lines and letters
    QRgb accent;   // own ship, routes, the radar sweep
    QRgb warning;  // targets, marks
    QRgb water;
    QRgb land;
    QRgb light;    // faces of bodies
};

ImageList DrawToolBarImages(const GlyphInks& inks);
