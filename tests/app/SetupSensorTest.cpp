// The sensor set-up dialog with the hooks the start-up installs: the files it writes, the
// settings the sensor side reads again, and its texts from the shipped language file.

#include "SetupTestSupport.h"

#include "app/LanguageLoader.h"
#include "app/LanguageTable.h"
#include "app/MainIni.h"
#include "app/SetupLoad.h"
#include "app/SetupSensorWiring.h"
#include "app/TForm1.h"
#include "frame/SharedTables.h"
#include "frame/ShipGeometry.h"
#include "platform/system/IniFile.h"
#include "sensors/SensorSettings.h"
#include "sensors/SetupSensorHooks.h"
#include "sensors/TSetupSensor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <cstring>

namespace {

class SetupSensorWindowTest : public SetupTest {
protected:
    void SetUp() override
    {
        SetupTest::SetUp();
        form = std::make_unique<TForm1>();
        Form1 = form.get();
        ScreenWidth = 1280;
        ScreenHeight = 1024;
        StartupDone = true;
        LoadSetupParameters();
        ClampSetupParameters();
        WireSetupSensor();
        SetupSensor = new TSetupSensor;
    }

    void TearDown() override
    {
        delete SetupSensor;
        SetupSensor = nullptr;
        SetupSensorHook = SetupSensorHooks{};
        SensorSetup = SensorSettings{};
        ShipGeometry = ShipGeometryRecord{};
        Form1 = nullptr;
        form.reset();
        SetupTest::TearDown();
    }

    std::unique_ptr<TForm1> form;
};

TEST_F(SetupSensorWindowTest, OkWritesDtaResAndTheMainIniFileWithTheDialogsValues)
{
    form->ToolDlg->hide();
    form->cmbSetup->setCurrentIndex(2);  // "Own ship and sensors"
    emit form->cmbSetup->activated(2);
    EXPECT_EQ(form->cmbSetup->currentIndex(), 0);
    TSetupSensor& d = *SetupSensor;
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(d.csLength->value(), 20);
    d.csLength->setValue(40);
    d.csWidth->setValue(10);
    d.csGpsBow->setValue(12);
    d.csGpsStbd->setValue(3);
    d.csDepth->setValue(6);
    d.csDptDpt->setValue(2);
    d.ckGyro->setChecked(true);
    d.ckTrueRadar->click();
    d.edMmsi->setText("244123456");
    d.OKBtn->click();

    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(form->ToolDlg->isHidden());
    EXPECT_EQ(SensorSetup.depthSurface, 2);
    EXPECT_TRUE(SensorSetup.trueRadar);
    EXPECT_FLOAT_EQ(ShipGeometry.bowMetres, 12.0f);
    EXPECT_FLOAT_EQ(ShipGeometry.sternMetres, 28.0f);
    EXPECT_FLOAT_EQ(ShipGeometry.portMetres, 7.0f);

    const auto expectTaken = [](const char* file) {
        EXPECT_EQ(Value(SetupParameters.Length), 40) << file;
        EXPECT_EQ(Value(SetupParameters.Beam), 10) << file;
        EXPECT_EQ(Value(SetupParameters.GpsBow), 12) << file;
        EXPECT_EQ(Value(SetupParameters.GpsStbd), 3) << file;
        EXPECT_EQ(Value(SetupParameters.Draught), 6) << file;
        EXPECT_EQ(Value(SetupParameters.DepthSurf), 2) << file;
        EXPECT_EQ(Value(SetupParameters.AutoGyro), 1) << file;
        EXPECT_EQ(Value(SetupParameters.Mmsi), 244123456u) << file;
    };
    EXPECT_EQ(FileBytes(folder / "dta.res").size(), sizeof(SetupParametersRecord));
    SetupParameters = SetupParametersRecord{};
    ASSERT_TRUE(LoadSetupParameters());
    expectTaken("dta.res");
    EXPECT_EQ(Value(SetupParameters.TrueRadar), 1);

    SetupParameters = SetupParametersRecord{};
    LoadMainIni();
    expectTaken("VarnikV3.ini");
}

TEST_F(SetupSensorWindowTest, ClosingWithoutOkWritesOnlyTheMainIniFile)
{
    ShowSetupSensor();
    SetupSensor->csDepth->setValue(8);
    SetupSensor->close();

    EXPECT_FALSE(SetupSensor->isVisible());
    EXPECT_FALSE(std::filesystem::exists(folder / "dta.res"));
    const platform::IniFile ini(folder / "VarnikV3.ini");
    EXPECT_EQ(ini.readString("OwnShip", "Draught", ""), "8");
    EXPECT_EQ(ini.readString("OwnShip", "Length", ""), "20");
}

TEST_F(SetupSensorWindowTest, WithoutARadarServiceTheOverlayCannotBeAdjusted)
{
    RadarAvailable = true;
    ShowSetupSensor();
    EXPECT_TRUE(SetupSensor->ckOverlay->isVisible());
    EXPECT_FALSE(SetupSensor->ckOverlay->isEnabled());
}

TEST_F(SetupSensorWindowTest, TheLanguageFileReachesTheControlsAndLeavesNoTextMissing)
{
    for (const LanguageRow& row : LanguageRows()) {
        if (row.section && std::strcmp(row.section, "SensorDlg") == 0 &&
            row.kind != TextKind::WindowCaption) {
            EXPECT_NE(FindFormControl(row.control), nullptr) << row.control;
        }
    }

    LoadLanguage(std::filesystem::path(VARNIK_SOURCE_DIR) / "data/english.lng");
    EXPECT_EQ(SetupSensor->windowTitle(), "Setup Sensors");
    EXPECT_EQ(SetupSensor->txBow4->text(), "m. from bow");
    EXPECT_EQ(SetupSensor->gbConning->title(), "Conning");
    int checked = 0;
    for (QWidget* widget : SetupSensor->findChildren<QWidget*>()) {
        for (const QString& text : ShownTexts(widget))
            EXPECT_NE(text, "!") << widget->objectName().toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 60);
}

}  // namespace
