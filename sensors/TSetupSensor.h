#pragma once
// The sensor set-up dialog: the own ship's dimensions and MMSI, where its GPS antenna, depth
// transducer, radar antenna and conning position sit (with a sketch of the hull), two sensor
// options, and the radar overlay's adjustments and the per-scale corrections of rp.ini.
//
// The changes go into SetupParameters as they are made; Draught, DepthSurf, AutoGyro and Mmsi
// are taken when the dialog closes or OK is pressed. Closing saves the main INI file, OK saves
// dta.res as well (SetupSensorHooks).

#include "platform/system/FormDialog.h"
#include "sensors/SetupSensorHooks.h"
#include "sensors/ShipOutline.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

class TSetupSensor : public platform::FormDialog {
public:
    explicit TSetupSensor(QWidget* owner = nullptr);

    // Own ship.
    QGroupBox* gbShip;
    QLabel* txLength;
    QSpinBox* csLength;
    QLabel* txBeam;
    QSpinBox* csWidth;
    QLabel* txDraught;
    QSpinBox* csDepth;
    QLabel* txHeight;
    QSpinBox* csHeight;
    QLabel* txMmsi;
    QLineEdit* edMmsi;

    // Sensors: metres from the bow and from the starboard side.
    QGroupBox* gbGPS;
    QLabel* txBow1;
    QSpinBox* csGpsBow;
    QLabel* txStbd;
    QSpinBox* csGpsStbd;
    QGroupBox* gbTrans;
    QLabel* txBow2;
    QSpinBox* csDptBow;
    QLabel* txDeep;
    QSpinBox* csDptDpt;
    QGroupBox* gbRadarAnt;
    QLabel* txBow3;
    QSpinBox* csRadarBow;
    QLabel* txStbd2;
    QSpinBox* csRadarStbd;
    QGroupBox* gbConning;
    QLabel* txBow4;
    QSpinBox* csConning;
    QLabel* txHeight2;
    QSpinBox* csConnHgt;

    QLabel* imShip;  // shows ShipImage
    QCheckBox* ckGyro;
    QCheckBox* ckTrueRadar;
    QCheckBox* ckOverlay;
    QPushButton* OKBtn;

    // "Radar overlay".
    QGroupBox* pnRadar;
    QLabel* txOrient;
    QSlider* tbOrient;
    QLineEdit* edOrient;
    QLabel* txRange1;
    QSlider* tbRange1;
    QLabel* txRange2;
    QSlider* tbRange2;
    QLineEdit* edRange;
    QPushButton* btnAdvanced;

    // "Values in rp.ini file".
    QGroupBox* pnAdvanced;
    QLabel* txStrobe;
    QLineEdit* edStrobe;
    QLabel* txDistance;
    QLineEdit* edDistance;
    QLabel* txInwards;
    QLabel* txOutwards;
    QLabel* txAzimuth;
    QLineEdit* edAzimuth;
    QLabel* txAzimuthRange;
    QLabel* txScales;
    QComboBox* cbScales;
    QCheckBox* ckScales;
    QPushButton* btnIniSave;
    QPushButton* btnIniOK;

    // The four sensor pictures, made with the dialog, and the hull sketch last drawn.
    const SensorPictures Pictures;
    QImage ShipImage;

    void FormShow() override;
    void FormHide() override;
    void OKBtnClick();
    void csLengthChange();
    void csWidthChange();
    void csConningChange();
    void csGpsBowChange();
    void csGpsStbdChange();
    void csDptBowChange();
    void csRadarBowChange();
    void csRadarStbdChange();
    void csHeightChange();
    void csConnHgtChange();
    void ckTrueRadarClick();
    void ckOverlayClick();
    void tbRange1Change();
    void tbRange2Change();
    void btnAdvancedClick();
    void cbScalesChange();
    void ckScalesClick();
    void btnIniSaveClick();
    void btnIniOKClick();
    void DrawShipOutline();

private:
    void buildControls();
    void connectHandlers();
    // The bow distances reach at most the length, the starboard distances at most the beam.
    void boundSensorPositions();
    // Stores what the spin edits show, which the ranges may have changed.
    void storeShownValues();
    // Draught, DepthSurf, AutoGyro and Mmsi from the controls.
    void takeClosingValues();
    void takeMmsi();
    RadarAdjustments shownAdjustments() const;

    RadarAdjustments radarAdjustments_;  // dX and dY as the radar had them
};

inline TSetupSensor* SetupSensor = nullptr;
