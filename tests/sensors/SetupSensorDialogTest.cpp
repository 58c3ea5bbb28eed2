// The sensor set-up dialog on its own: its controls against the settings record, the hull
// sketch, the MMSI rule, and the radar panels against a small store of rp.ini values in place of
// the radar manager.

#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "frame/ShipGeometry.h"
#include "platform/system/MessageBox.h"
#include "sensors/SetupSensorHooks.h"
#include "sensors/TSetupSensor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <thread>

namespace {

template <typename T>
T Value(T field)
{
    return field;
}

class SetupSensorDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetupParameters = SetupParametersRecord{};
        SetupSensorHook = SetupSensorHooks{};
        ShipGeometry = ShipGeometryRecord{};
        RadarAvailable = false;
        platform::InstallMessageBoxService(&boxes);
        SetupParametersRecord& ship = SetupParameters;
        ship.Length = 100;
        ship.Beam = 20;
        ship.Draught = 4;
        ship.Height = 12;
        ship.GpsBow = 10;
        ship.GpsStbd = 5;
        ship.DepthBow = 50;
        ship.DepthSurf = 2;
        ship.RadarBow = 30;
        ship.RadarStbd = 15;
        ship.ConningBow = 80;
        ship.ConningHeight = 9;
        ship.Mmsi = 244123456;
        dialog = std::make_unique<TSetupSensor>();
    }

    void TearDown() override
    {
        dialog.reset();
        SetupSensorHook = SetupSensorHooks{};
        SetupParameters = SetupParametersRecord{};
        ShipGeometry = ShipGeometryRecord{};
        RadarAvailable = false;
        platform::InstallMessageBoxService(nullptr);
    }

    // The pixel of the hull sketch where a sensor b metres from the bow and s from starboard is
    // centred.
    QRgb SketchPixel(int bow, int starboard) const
    {
        const int length = SetupParameters.Length;
        const int beam = SetupParameters.Beam;
        return dialog->ShipImage.pixel(HullImageMargin + HullImageBeam - starboard * HullImageBeam / beam,
                                       HullImageMargin + bow * HullImageLength / length);
    }
    QRgb CentreOf(SensorPictureIndex picture) const { return dialog->Pictures[picture].pixel(5, 5); }

    platform::RecordingMessageBoxService boxes;
    std::unique_ptr<TSetupSensor> dialog;
};

TEST_F(SetupSensorDialogTest, ShowsTheSettingsAndStoresEachChangeAtOnce)
{
    dialog->show();
    TSetupSensor& d = *dialog;
    EXPECT_EQ(d.windowTitle(), "Setup Sensors");
    const std::pair<QSpinBox*, int> shown[] = {
        {d.csLength, 100}, {d.csWidth, 20},    {d.csDepth, 4},    {d.csHeight, 12},
        {d.csGpsBow, 10},  {d.csGpsStbd, 5},   {d.csDptBow, 50},  {d.csDptDpt, 2},
        {d.csRadarBow, 30}, {d.csRadarStbd, 15}, {d.csConning, 80}, {d.csConnHgt, 9},
    };
    for (const auto& [spin, value] : shown)
        EXPECT_EQ(spin->value(), value) << spin->objectName().toStdString();
    EXPECT_EQ(d.edMmsi->text(), "244123456");
    EXPECT_FALSE(d.ckGyro->isChecked());
    EXPECT_FALSE(d.pnRadar->isVisible());
    EXPECT_FALSE(d.pnAdvanced->isVisible());

    d.csLength->setValue(120);
    d.csWidth->setValue(22);
    d.csHeight->setValue(14);
    d.csGpsBow->setValue(11);
    d.csGpsStbd->setValue(6);
    d.csDptBow->setValue(51);
    d.csRadarBow->setValue(31);
    d.csRadarStbd->setValue(16);
    d.csConning->setValue(81);
    d.csConnHgt->setValue(10);
    d.ckTrueRadar->click();
    const SetupParametersRecord& ship = SetupParameters;
    EXPECT_EQ(Value(ship.Length), 120);
    EXPECT_EQ(Value(ship.Beam), 22);
    EXPECT_EQ(Value(ship.Height), 14);
    EXPECT_EQ(Value(ship.GpsBow), 11);
    EXPECT_EQ(Value(ship.GpsStbd), 6);
    EXPECT_EQ(Value(ship.DepthBow), 51);
    EXPECT_EQ(Value(ship.RadarBow), 31);
    EXPECT_EQ(Value(ship.RadarStbd), 16);
    EXPECT_EQ(Value(ship.ConningBow), 81);
    EXPECT_EQ(Value(ship.ConningHeight), 10);
    EXPECT_EQ(Value(ship.TrueRadar), 1);

    // Draught, transducer depth, gyro and MMSI wait for the dialog to close.
    d.csDepth->setValue(7);
    d.csDptDpt->setValue(3);
    d.ckGyro->setChecked(true);
    d.edMmsi->setText("211000001");
    EXPECT_EQ(Value(ship.Draught), 4);
    d.hide();
    EXPECT_EQ(Value(ship.Draught), 7);
    EXPECT_EQ(Value(ship.DepthSurf), 3);
    EXPECT_EQ(Value(ship.AutoGyro), 1);
    EXPECT_EQ(Value(ship.Mmsi), 211000001u);
}

TEST_F(SetupSensorDialogTest, StoredValuesOutsideTheRangesAreShownAndStoredWithinThem)
{
    SetupParameters.Length = 600;
    SetupParameters.Height = 0;
    SetupParameters.ConningHeight = 0;
    SetupParameters.DepthBow = 0;
    SetupParameters.GpsStbd = 30;  // wider than the beam
    dialog->show();

    EXPECT_EQ(dialog->csLength->value(), 500);
    EXPECT_EQ(Value(SetupParameters.Length), 500);
    EXPECT_EQ(Value(SetupParameters.Height), 1);
    EXPECT_EQ(Value(SetupParameters.ConningHeight), 1);
    EXPECT_EQ(Value(SetupParameters.DepthBow), 1);
    EXPECT_EQ(dialog->csGpsStbd->value(), 20);
    EXPECT_EQ(Value(SetupParameters.GpsStbd), 20);
}

TEST_F(SetupSensorDialogTest, SensorPositionsStayOnTheHullWhenItShrinks)
{
    dialog->show();
    TSetupSensor& d = *dialog;
    d.csLength->setValue(40);
    for (QSpinBox* bow : {d.csGpsBow, d.csDptBow, d.csRadarBow, d.csConning})
        EXPECT_EQ(bow->maximum(), 40) << bow->objectName().toStdString();
    EXPECT_EQ(Value(SetupParameters.GpsBow), 10);
    EXPECT_EQ(Value(SetupParameters.DepthBow), 40);
    EXPECT_EQ(Value(SetupParameters.RadarBow), 30);
    EXPECT_EQ(Value(SetupParameters.ConningBow), 40);

    d.csWidth->setValue(8);
    EXPECT_EQ(Value(SetupParameters.GpsStbd), 5);
    EXPECT_EQ(Value(SetupParameters.RadarStbd), 8);

    d.csGpsBow->setValue(70);
    d.csRadarStbd->setValue(12);
    EXPECT_EQ(Value(SetupParameters.GpsBow), 40);
    EXPECT_EQ(Value(SetupParameters.RadarStbd), 8);

    // Growing the hull again lets the positions go further, but does not move them.
    d.csLength->setValue(200);
    EXPECT_EQ(d.csGpsBow->maximum(), 200);
    EXPECT_EQ(Value(SetupParameters.GpsBow), 40);
}

TEST_F(SetupSensorDialogTest, EachSensorIsDrawnWhereItSitsOnTheHull)
{
    dialog->show();
    EXPECT_EQ(dialog->ShipImage.size(),
              QSize(HullImageBeam + 2 * HullImageMargin, HullImageLength + 2 * HullImageMargin));
    const SetupParametersRecord& ship = SetupParameters;
    const int centre = ship.Beam / 2;
    EXPECT_EQ(SketchPixel(ship.GpsBow, ship.GpsStbd), CentreOf(GpsPicture));
    EXPECT_EQ(SketchPixel(ship.DepthBow, centre), CentreOf(DepthPicture));
    EXPECT_EQ(SketchPixel(ship.RadarBow, ship.RadarStbd), CentreOf(RadarPicture));
    EXPECT_EQ(SketchPixel(ship.ConningBow, centre), CentreOf(ConningPicture));

    // A change moves the picture at once, including to the bow and the starboard side.
    const QRgb before = SketchPixel(10, 5);
    dialog->csGpsBow->setValue(1);
    dialog->csGpsStbd->setValue(0);
    EXPECT_NE(SketchPixel(10, 5), CentreOf(GpsPicture));
    EXPECT_EQ(before, CentreOf(GpsPicture));
    EXPECT_EQ(SketchPixel(1, 0), CentreOf(GpsPicture));
    dialog->csLength->setValue(300);  // the same metres lie nearer the bow on a longer hull
    EXPECT_EQ(SketchPixel(ship.RadarBow, ship.RadarStbd), CentreOf(RadarPicture));
    EXPECT_EQ(SketchPixel(ship.ConningBow, centre), CentreOf(ConningPicture));
}

TEST_F(SetupSensorDialogTest, ASketchWithoutLengthOrBeamIsEmpty)
{
    const SensorPictures pictures = MakeSensorPictures();
    for (const auto& [length, beam] : {std::pair{0, 20}, std::pair{100, 0}}) {
        SetupParametersRecord ship = SetupParameters;
        ship.Length = int16_t(length);
        ship.Beam = int16_t(beam);
        const QImage sketch = PaintShipOutline(ship, pictures);
        const QRgb background = sketch.pixel(0, 0);
        int drawn = 0;
        for (int y = 0; y < sketch.height(); ++y)
            for (int x = 0; x < sketch.width(); ++x)
                drawn += sketch.pixel(x, y) != background;
        EXPECT_EQ(drawn, 0) << length << " x " << beam;
    }
}

TEST_F(SetupSensorDialogTest, AnMmsiIsTakenOnlyAsNineDigitsOrZero)
{
    const struct {
        const char* typed;
        uint32_t stored;  // the record afterwards; 244123456 is the MMSI before
        bool refused;
    } cases[] = {
        {"211000001", 211000001, false}, {"0", 0, false},
        {"002110001", 2110001, false},   {"000000000", 0, false},
        {" 211000001 ", 211000001, false},
        {"21100000", 244123456, true},   {"", 244123456, true},
        {"21100000x", 244123456, true},  {"-21100000", 244123456, true},
        {"+21100000", 244123456, true},  {"00", 244123456, true},
        {"2110000011", 244123456, true},
        {"244123456", 244123456, false},
    };
    for (const auto& c : cases) {
        SetupParameters.Mmsi = 244123456;
        boxes.shown.clear();
        dialog->show();
        dialog->edMmsi->setText(QString::fromLatin1(c.typed));
        dialog->hide();
        EXPECT_EQ(Value(SetupParameters.Mmsi), c.stored) << '"' << c.typed << '"';
        EXPECT_EQ(boxes.shown.size(), c.refused ? 1u : 0u) << '"' << c.typed << '"';
        if (c.refused) {
            EXPECT_EQ(dialog->edMmsi->text(), "244123456");
        }
    }

    // An MMSI the main INI file gave in another form stays when it is left as shown.
    SetupParameters.Mmsi = 12345;
    boxes.shown.clear();
    dialog->show();
    dialog->hide();
    EXPECT_EQ(Value(SetupParameters.Mmsi), 12345u);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SetupSensorDialogTest, ClosingTakesTheValuesRecomputesTheGeometryAndSavesTheMainIniFile)
{
    std::vector<std::string> calls;
    SetupSensorHook.showToolPanel = [&] { calls.push_back("tool panel"); };
    SetupSensorHook.saveMainIni = [&] {
        calls.push_back("ini draught " + std::to_string(SetupParameters.Draught) + " bow " +
                        std::to_string(ShipGeometry.bowMetres));
        return true;
    };
    SetupSensorHook.saveSetupParameters = [&] {
        calls.push_back("dta.res draught " + std::to_string(SetupParameters.Draught) + " surface " +
                        std::to_string(SetupParameters.DepthSurf) + " gyro " +
                        std::to_string(SetupParameters.AutoGyro) + " mmsi " +
                        std::to_string(SetupParameters.Mmsi));
        return true;
    };
    SetupSensorHook.closed = [&] { calls.push_back("closed"); };

    dialog->show();
    dialog->csGpsBow->setValue(25);
    dialog->csDepth->setValue(9);
    dialog->hide();
    EXPECT_EQ(calls, (std::vector<std::string>{"tool panel", "ini draught 9 bow 25.000000", "closed"}));
    EXPECT_FLOAT_EQ(ShipGeometry.bowMetres, 25.0f);
    EXPECT_FLOAT_EQ(ShipGeometry.sternMetres, 75.0f);
    EXPECT_FLOAT_EQ(ShipGeometry.portMetres, 15.0f);

    // OK saves dta.res with the values of the controls, then closes as above.
    calls.clear();
    dialog->show();
    dialog->csDepth->setValue(11);
    dialog->csDptDpt->setValue(5);
    dialog->ckGyro->setChecked(true);
    dialog->edMmsi->setText("211000002");
    dialog->OKBtn->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(calls, (std::vector<std::string>{"dta.res draught 11 surface 5 gyro 1 mmsi 211000002",
                                               "tool panel", "ini draught 11 bow 25.000000",
                                               "closed"}));
}

TEST_F(SetupSensorDialogTest, TheGyroSettingWaitsForTheOutputThreadsLock)
{
    dialog->show();
    dialog->ckGyro->setChecked(true);
    std::atomic<bool> locked{false};
    std::atomic<bool> released{false};
    std::thread output([&] {
        const std::lock_guard lock(ComOutStateLock);
        locked = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        released = true;
    });
    while (!locked)
        std::this_thread::yield();
    dialog->hide();
    EXPECT_TRUE(released);
    output.join();
    EXPECT_EQ(Value(SetupParameters.AutoGyro), 1);
}

TEST_F(SetupSensorDialogTest, TheOverlayBoxNeedsTheOverlayAndAReadyRadar)
{
    dialog->show();
    EXPECT_FALSE(dialog->ckOverlay->isVisible());
    dialog->hide();

    RadarAvailable = true;
    dialog->show();
    EXPECT_TRUE(dialog->ckOverlay->isVisible());
    EXPECT_FALSE(dialog->ckOverlay->isEnabled());
    dialog->hide();

    bool ready = false;
    SetupSensorHook.radarReady = [&] { return ready; };
    dialog->show();
    EXPECT_FALSE(dialog->ckOverlay->isEnabled());
    dialog->hide();
    ready = true;
    dialog->show();
    EXPECT_TRUE(dialog->ckOverlay->isEnabled());
    EXPECT_FALSE(dialog->ckOverlay->isChecked());
}

TEST_F(SetupSensorDialogTest, TheRangeBarsGiveTenthsAndThousandths)
{
    TSetupSensor& d = *dialog;
    d.tbRange2->setValue(50);
    d.tbRange1->setValue(12);  // the fine bar goes back to 0
    EXPECT_EQ(d.tbRange2->value(), 0);
    EXPECT_EQ(d.edRange->text(), "1.200");
    d.tbRange2->setValue(34);
    EXPECT_EQ(d.edRange->text(), "1.234");
    d.tbRange1->setValue(-5);
    d.tbRange2->setValue(-7);
    EXPECT_EQ(d.edRange->text(), "-0.507");
    d.tbOrient->setValue(-45);
    EXPECT_EQ(d.edOrient->text(), "-45");
    EXPECT_EQ(d.edRange->text(), "-0.507");
}

// The radar manager's adjustments and the corrections of rp.ini, kept in memory.
class RadarPanelTest : public SetupSensorDialogTest {
protected:
    struct Corrections {
        int32_t strobe, distance, azimuth;
    };

    void SetUp() override
    {
        SetupSensorDialogTest::SetUp();
        RadarAvailable = true;
        SetupSensorHooks& h = SetupSensorHook;
        h.radarReady = [] { return true; };
        h.radarAdjustments = [this] { return adjustments; };
        h.setRadarAdjustments = [this](const RadarAdjustments& given) { adjustments = given; };
        h.mainWindowFrame = [] { return QRect(0, 0, 1600, 1000); };
        h.radarScaleCount = [this] { return int32_t(scales.size()); };
        h.getADCStrobDelay = [this](int32_t level) { return scales.at(level).strobe; };
        h.getDistanceCorrection = [this](int32_t level) { return scales.at(level).distance; };
        h.getAzimuthCorrection = [this](int32_t level) { return scales.at(level).azimuth; };
        h.setADCStrobDelay = [this](int32_t level, int32_t value) { return Write(level, &Corrections::strobe, value); };
        h.setDistanceCorrection = [this](int32_t level, int32_t value) {
            return Write(level, &Corrections::distance, value);
        };
        h.setAzimuthCorrection = [this](int32_t level, int32_t value) {
            return Write(level, &Corrections::azimuth, value);
        };
        h.setRadarScale = [this](int32_t level) { radarScale = level; };
        h.restartRadarOverlay = [this](QWidget& window) {
            restartedIn = &window;
            ++restarts;
        };
        dialog->show();
    }

    bool Write(int32_t level, int32_t Corrections::*field, int32_t value)
    {
        if (level == refusedLevel)
            return false;
        scales.at(level).*field = value;
        return true;
    }

    void OpenPanels()
    {
        dialog->ckOverlay->click();
        dialog->btnAdvanced->click();
    }

    RadarAdjustments adjustments{15, -0.507, 1.5, -2.5};
    std::map<int32_t, Corrections> scales{{0, {3, 0, 100}}, {1, {0, 4, 200}}, {2, {0, 0, 65000}}};
    int32_t refusedLevel = -1;
    int32_t radarScale = -1;
    QWidget* restartedIn = nullptr;
    int restarts = 0;
};

TEST_F(RadarPanelTest, TheRadarPanelShowsAndSetsTheAdjustments)
{
    dialog->ckOverlay->click();
    TSetupSensor& d = *dialog;
    EXPECT_TRUE(d.pnRadar->isVisible());
    EXPECT_EQ(d.tbOrient->value(), 15);
    EXPECT_EQ(d.tbRange1->value(), -5);
    EXPECT_EQ(d.tbRange2->value(), -7);
    EXPECT_EQ(d.edRange->text(), "-0.507");
    EXPECT_EQ(d.frameGeometry().right(), 1599);
    EXPECT_EQ(d.frameGeometry().top(), 0);

    d.tbRange1->setValue(12);
    d.tbRange2->setValue(34);
    d.tbOrient->setValue(-3);
    EXPECT_EQ(adjustments.orientation, -3);
    EXPECT_DOUBLE_EQ(adjustments.range, 1.234);
    EXPECT_DOUBLE_EQ(adjustments.dX, 1.5);
    EXPECT_DOUBLE_EQ(adjustments.dY, -2.5);

    d.btnAdvanced->click();
    EXPECT_TRUE(d.pnAdvanced->isVisible());
    d.ckOverlay->click();
    EXPECT_FALSE(d.pnRadar->isVisible());
    EXPECT_FALSE(d.pnAdvanced->isVisible());
}

TEST_F(RadarPanelTest, EachScaleShowsItsValuesAndBecomesTheRadarsScale)
{
    OpenPanels();
    TSetupSensor& d = *dialog;
    ASSERT_EQ(d.cbScales->count(), 3);
    EXPECT_EQ(d.cbScales->itemText(0), "[Scale1]");
    EXPECT_EQ(d.cbScales->itemText(2), "[Scale3]");
    EXPECT_EQ(d.cbScales->currentIndex(), 0);
    EXPECT_EQ(d.edStrobe->text(), "3");
    EXPECT_EQ(d.edAzimuth->text(), "100");
    EXPECT_EQ(radarScale, 0);

    d.cbScales->setCurrentIndex(2);
    emit d.cbScales->activated(2);
    EXPECT_EQ(d.edStrobe->text(), "0");
    EXPECT_EQ(d.edDistance->text(), "0");
    EXPECT_EQ(d.edAzimuth->text(), "65000");
    EXPECT_EQ(radarScale, 2);

    d.ckScales->click();
    EXPECT_EQ(d.cbScales->currentIndex(), 0);
    EXPECT_FALSE(d.cbScales->isEnabled());
    EXPECT_FALSE(d.txScales->isEnabled());
    d.ckScales->click();
    EXPECT_TRUE(d.cbScales->isEnabled());

    d.btnIniOK->click();
    EXPECT_FALSE(d.pnAdvanced->isVisible());
    EXPECT_TRUE(d.pnRadar->isVisible());
}

TEST_F(RadarPanelTest, NegativeValuesAreStoredAsZeroAndAStrobeDelayResetsTheDistance)
{
    const struct {
        const char* strobe;
        const char* distance;
        const char* azimuth;
        int32_t storedStrobe;  // -1: refused with a message, nothing stored
        int32_t storedDistance;
        int32_t storedAzimuth;
    } cases[] = {
        {"5", "0", "1200", 5, 0, 1200},    {"0", "6", "0", 0, 6, 0},
        {"0", "0", "65535", 0, 0, 65535},  {" 7 ", "0", "1", 7, 0, 1},
        {"-5", "3", "1200", 0, 3, 1200},   {"0", "-6", "1200", 0, 0, 1200},
        {"0", "0", "-100", 0, 0, 0},       {"5", "6", "1200", 5, 0, 1200},
        {"0", "0", "65536", -1, 0, 0},     {"x", "0", "1200", -1, 0, 0},
        {"0", "", "1200", -1, 0, 0},       {"0", "0", "1.5", -1, 0, 0},
    };
    OpenPanels();
    TSetupSensor& d = *dialog;
    d.cbScales->setCurrentIndex(1);
    for (const auto& c : cases) {
        scales[1] = {0, 4, 200};
        boxes.shown.clear();
        restarts = 0;
        d.edStrobe->setText(c.strobe);
        d.edDistance->setText(c.distance);
        d.edAzimuth->setText(c.azimuth);
        d.btnIniSave->click();
        const std::string row = std::string(c.strobe) + "/" + c.distance + "/" + c.azimuth;
        const bool refused = c.storedStrobe < 0;
        EXPECT_EQ(boxes.shown.size(), refused ? 1u : 0u) << row;
        EXPECT_EQ(restarts, refused ? 0 : 1) << row;
        if (refused) {
            EXPECT_EQ(scales[1].strobe, 0) << row;
            EXPECT_EQ(scales[1].distance, 4) << row;
            EXPECT_EQ(scales[1].azimuth, 200) << row;
            EXPECT_EQ(d.edStrobe->text(), c.strobe) << row;  // left for the user to mend
        } else {
            EXPECT_EQ(scales[1].strobe, c.storedStrobe) << row;
            EXPECT_EQ(scales[1].distance, c.storedDistance) << row;
            EXPECT_EQ(scales[1].azimuth, c.storedAzimuth) << row;
            EXPECT_EQ(d.edStrobe->text().toInt(), c.storedStrobe) << row;  // shown as stored
            EXPECT_EQ(d.edDistance->text().toInt(), c.storedDistance) << row;
            EXPECT_EQ(d.edAzimuth->text().toInt(), c.storedAzimuth) << row;
        }
    }
    EXPECT_EQ(scales[0].azimuth, 100);  // the other scales keep theirs
    EXPECT_EQ(scales[2].azimuth, 65000);
}

TEST_F(RadarPanelTest, AllScalesAtOnceAndAFailedWriteIsReported)
{
    OpenPanels();
    TSetupSensor& d = *dialog;
    d.ckScales->click();
    d.edStrobe->setText("0");
    d.edDistance->setText("2");
    d.edAzimuth->setText("300");
    d.btnIniSave->click();
    for (const auto& [level, values] : scales) {
        EXPECT_EQ(values.distance, 2) << level;
        EXPECT_EQ(values.azimuth, 300) << level;
    }
    EXPECT_EQ(restarts, 1);
    EXPECT_EQ(restartedIn, dialog.get());
    EXPECT_TRUE(boxes.shown.empty());

    refusedLevel = 1;
    d.edAzimuth->setText("400");
    d.btnIniSave->click();
    EXPECT_EQ(scales[0].azimuth, 400);
    EXPECT_EQ(scales[1].azimuth, 300);
    EXPECT_EQ(scales[2].azimuth, 400);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Values in rp.ini file");
}

}  // namespace
