#pragma once
// A main window's chart side over a real chart database: the engine, the main and the mini view
// started the way the frame starts them, and real controls in the chart window. The database
// holds the approach cell US4MD81M (usage band 4) with its updates, the harbour cell AA500001
// (band 5) and the world base (band 0).

#include "platform/chartengine/ChartTestSupport.h"

#include "chart/ChartWindow.h"
#include "platform/geodesy/GeoTypes.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace charttest {

cmgbase::GeoPoint Degrees(double longitude, double latitude);

inline const cmgbase::GeoPoint kInApproachCell = Degrees(-76.40, 38.70);  // bands 0 and 4
inline const cmgbase::GeoPoint kInHarbourCell = Degrees(60.915, -32.485);  // bands 0 and 5
inline const cmgbase::GeoPoint kOpenSea = Degrees(-40.0, 30.0);            // band 0

class ChartWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // What the frame's engine start does: the old objects go, the new views take the old ones'
    // place, scale, zoom and rotation and get their presentations. Installed as the chart's
    // engine start; sabotage, when set, runs on the new views before their presentations.
    void StartEngine(const std::string& reason);
    // The bands whose buttons are enabled, bit b for band b.
    unsigned EnabledBands() const;
    // The band whose button is down, -1 for none.
    int CheckedBand() const;
    bool ZoomPanelWarns() const;
    // The chart topic offers the weather symbolization "wthr" from the next engine start on.
    static void OfferWeather();

    ChartWindow window;
    QWidget root;
    std::vector<std::pair<int32_t, uint32_t>> messages;  // number, flags
    std::vector<std::string> restartReasons;
    int engineStartDepth = 0;
    int deepestEngineStart = 0;
    std::function<void()> sabotage;

private:
    static TemporaryFolder* folder_;
};

}  // namespace charttest
