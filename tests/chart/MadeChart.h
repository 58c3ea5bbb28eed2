#pragma once
// A chart database made for the drawing tests, with a started map manager and a main view on
// it: around the centre (76.45 W, 38.97 N) a deep depth area (20 to 30 m), a pile at the centre,
// a small island 0.002 degrees east of it, a pile shown only at 1:10000 and larger scales
// (SCAMIN) 0.002 degrees west of it, and far away a navigation line along 90 N from -180 to 180
// degrees. The cell is of usage band 5.

#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "platform/chartengine/ChartTestSupport.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <QImage>
#include <gtest/gtest.h>

namespace charttest {

inline cmgbase::GeoPoint Degrees(double longitude, double latitude)
{
    return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
}

inline constexpr double kCentreLongitude = -76.45;
inline constexpr double kCentreLatitude = 38.97;
inline constexpr double kIslandEast = 0.002;
inline constexpr int kImageWidth = 400;
inline constexpr int kImageHeight = 300;
// A colour no palette has: what the image holds where nothing was drawn.
inline constexpr QRgb kUndrawn = 0xFFFF00FF;

class MadeChartTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // The view's chart drawn into a fresh image of kImageWidth x kImageHeight (filled with
    // kUndrawn first), centred as a redraw draws it.
    QImage Draw(MapView& view);
    // The colour of a colour token in the view's table.
    QRgb TableColour(const MapView& view, int token) const;
    // The first object of the class the current database finds at the position.
    chartengine::ChartObject ObjectAt(const cmgbase::GeoPoint& position, int32_t classCode) const;

    static std::filesystem::path engine();
    static std::filesystem::path registry();

    MapManager manager_{registry()};
    MapView view_;

private:
    static TemporaryFolder* folder_;
};

}  // namespace charttest
