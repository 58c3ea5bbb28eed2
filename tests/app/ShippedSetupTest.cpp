// The settings record that ships as data/Data/dta.res: what make-dta-res writes now, loaded as a
// first start loads it, every value inside the range of the control that shows it.

#include "SetupTestSupport.h"

#include "app/MainIni.h"
#include "app/MainWindowControls.h"
#include "app/SetupLoad.h"
#include "app/tools/ShippedSetup.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <QComboBox>
#include <QMainWindow>
#include <QSlider>
#include <QSpinBox>

namespace {

const std::filesystem::path ShippedFile = std::filesystem::path(VARNIK_SOURCE_DIR) / "data" / "Data" / "dta.res";

// A control and the stored value it shows (a copy: the record's fields are packed).
template <typename Control>
struct Shown {
    Control* control;
    int value;
};

std::vector<char> RecordBytes(const SetupParametersRecord& record)
{
    const char* bytes = reinterpret_cast<const char*>(&record);
    return {bytes, bytes + sizeof record};
}

class ShippedSetupTest : public SetupTest {
protected:
    // The shipped file in the program's Data folder, loaded as a start without dta.res loads it.
    void loadAsAFirstStart()
    {
        std::filesystem::create_directories(folder / "Data");
        std::filesystem::copy_file(ShippedFile, folder / "Data" / "dta.res");
        ASSERT_TRUE(LoadSetupParameters());
        SetupLoadMarker = 0;
        LoadMainIni();
        ClampSetupParameters();
    }
};

}  // namespace

TEST_F(ShippedSetupTest, TheShippedFileIsWhatMakeDtaResWritesNow)
{
    EXPECT_EQ(FileBytes(ShippedFile), RecordBytes(ShippedSetupRecord()))
        << "write it anew: make-dta-res data/Data/dta.res";
}

TEST_F(ShippedSetupTest, AFirstStartLoadsItUnchangedOnTheBayWithDataSetAAtTheCoastalLevel)
{
    loadAsAFirstStart();

    EXPECT_EQ(FileBytes(folder / "dta.res"), FileBytes(ShippedFile));
    EXPECT_EQ(RecordBytes(SetupParameters), FileBytes(ShippedFile)) << "no value needed a clamp";
    const cmgbase::GeoPoint start{cmgbase::deg2nrm(ShippedStartLongitude), cmgbase::deg2nrm(ShippedStartLatitude)};
    EXPECT_EQ(OwnShip.referencePosition.x, start.x);
    EXPECT_EQ(OwnShip.referencePosition.y, start.y);
    EXPECT_EQ(Value(SetupParameters.DataSetsShown), 1);
    const StartLevels levels = ChartStartLevels(SetupParameters);
    EXPECT_EQ(levels.chart, 10);
    EXPECT_EQ(levels.mini, 14);

    const PortSettings ports = ReadPortSettings();
    for (int port = 0; port < PortCount; ++port)
        EXPECT_EQ(ports.active[std::size_t(port)], 0) << "port " << port;
    EXPECT_EQ(ports.alarmPort, NoAlarmPort);
    EXPECT_EQ(ports.outputSentences, 4) << "RMC";
    EXPECT_EQ(Value(SetupParameters.DepthFactor), 1.0f);
    EXPECT_EQ(Value(SetupParameters.DisplayMode), 0) << "S-52";
    EXPECT_EQ(Value(SetupParameters.ShallowContourDepth), 2);
    EXPECT_EQ(Value(SetupParameters.SafetyContour), 5);
    EXPECT_EQ(Value(SetupParameters.DeepContourDepth), 20);
    EXPECT_GT(Value(SetupParameters.SafetyContour), Value(SetupParameters.Draught));
    EXPECT_EQ(SetupParameters.ChartLayers[0], 1) << "soundings";
}

TEST_F(ShippedSetupTest, EveryValueLiesInsideTheRangeOfItsControl)
{
    loadAsAFirstStart();
    QMainWindow window;
    MainWindowControls c;
    BuildMainWindowControls(window, c);
    const SetupParametersRecord& r = SetupParameters;

    const Shown<QSpinBox> upDowns[] = {
        {c.udMonitor, r.MonitorSize},
        {c.udShallowCont, r.ShallowContour},
        {c.udSafety, r.SafetyContour},
        {c.udDeepCont, r.DeepContour},
        {c.udFwd, r.LookAheadTime},
        {c.udSector, r.LookAheadSector},
        {c.udResolution, r.Resolution},
        {c.udBoatVector, r.BoatVector},
        {c.udBoatConv, r.TrackConversionTolerance},
        {c.udWpLane, r.WaypointLane},
        {c.udWpRadius, r.WaypointRadius},
        {c.udBoatMag, r.MagneticVariation},
        {c.ud3DFrom, r.ThreeDFromPosition},
        {c.ud3DTo, r.ThreeDToPosition},
        {c.ud3DCont, r.ThreeDContourPosition},
        {c.ud3DDepth, r.ThreeDDepthScale},
        {c.ud3DTide, r.ThreeDTide},
        {c.udCpaDist, r.CpaDistance},
        {c.udMiniSpeed, r.AntigroundingMinSpeed},
    };
    const Shown<QSlider> trackBars[] = {{c.tbBoatOff, r.BoatOffset}, {c.tbBoatSens, r.BoatSensitivity}};
    const auto expectInRange = [](const auto& shown) {
        for (const auto& [control, value] : shown) {
            SCOPED_TRACE(control->objectName().toStdString());
            EXPECT_GE(value, control->minimum());
            EXPECT_LE(value, control->maximum());
        }
    };
    expectInRange(upDowns);
    expectInRange(trackBars);
    const Shown<QComboBox> lists[] = {
        {c.cmbAisRange, r.AisRangeIndex}, {c.cmbAisTrack, r.AisTrackIndex}, {c.cmbCpaTime, r.CpaTimeIndex},
        {c.cbLogInterval, r.LogInterval}, {c.cmb3Ddata, r.ThreeDData},      {c.cmb3DPal, r.ThreeDPalette},
        {c.cmb3DCont, r.ThreeDContourChoice},
    };
    for (const auto& [control, item] : lists) {
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_GE(item, 0);
        EXPECT_LT(item, control->count());
    }
}
