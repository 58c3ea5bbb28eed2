#include "sensors/TSetupSensor.h"

#include "frame/PortSettings.h"
#include "frame/SetupField.h"
#include "frame/SharedTables.h"
#include "frame/ShipGeometry.h"
#include "platform/system/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int MaxBowDistance = 500;
constexpr int MaxStarboardDistance = 200;
constexpr int MaxAzimuthCorrection = 65535;

template <typename T, typename... Args>
T* Named(QWidget* parent, const char* name, Args&&... args)
{
    auto* widget = new T(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* Label(QWidget* parent, const char* name, const QString& caption)
{
    return Named<QLabel>(parent, name, caption);
}

QSpinBox* Spin(QWidget* parent, const char* name, int minimum, int maximum)
{
    auto* spin = Named<QSpinBox>(parent, name);
    spin->setRange(minimum, maximum);
    return spin;
}

QSlider* TrackBar(QWidget* parent, const char* name, int minimum, int maximum)
{
    auto* bar = Named<QSlider>(parent, name, Qt::Horizontal);
    bar->setRange(minimum, maximum);
    return bar;
}

QLineEdit* ReadOut(QWidget* parent, const char* name)
{
    auto* edit = Named<QLineEdit>(parent, name);
    edit->setReadOnly(true);
    return edit;
}

// A group of rows, each a label and its control.
QGroupBox* Group(QWidget* parent, const char* name, const QString& title,
                 std::initializer_list<std::pair<QLabel*, QWidget*>> rows)
{
    auto* group = Named<QGroupBox>(parent, name, title);
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const auto& [label, control] : rows) {
        label->setParent(group);
        control->setParent(group);
        grid->addWidget(control, row, 0);
        grid->addWidget(label, row, 1);
        ++row;
    }
    return group;
}

void ShowWarning(QWidget* owner, const std::string& text, const std::string& caption)
{
    platform::MessageBoxRequest request;
    request.owner = owner;
    request.text = text;
    request.caption = caption;
    request.icon = platform::MsgIcon::Exclamation;
    platform::ShowMessageBox(request);
}

bool RadarReady()
{
    return SetupSensorHook.radarReady && SetupSensorHook.radarReady();
}

int32_t ReadCorrection(const std::function<int32_t(int32_t)>& get, int32_t level)
{
    return get ? get(level) : 0;
}

bool WriteCorrection(const std::function<bool(int32_t, int32_t)>& set, int32_t level, int32_t value)
{
    return set && set(level, value);
}

// An MMSI as typed: nine digits, or 0 for none.
std::optional<uint32_t> MmsiFromText(const QString& text)
{
    if (text == QLatin1String("0"))
        return 0;
    if (text.size() != 9)
        return std::nullopt;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return text.toUInt();
}

// Each spin edit and the field it shows. Draught and transducer depth are taken only when the
// dialog closes; the others as they change.
struct ShownField {
    QSpinBox* TSetupSensor::*spin;
    SetupField field;
    bool storedOnChange;
};
const std::array ShownFields{
    ShownField{&TSetupSensor::csLength, SETUP_FIELD(Length), true},
    ShownField{&TSetupSensor::csWidth, SETUP_FIELD(Beam), true},
    ShownField{&TSetupSensor::csDepth, SETUP_FIELD(Draught), false},
    ShownField{&TSetupSensor::csHeight, SETUP_FIELD(Height), true},
    ShownField{&TSetupSensor::csGpsBow, SETUP_FIELD(GpsBow), true},
    ShownField{&TSetupSensor::csGpsStbd, SETUP_FIELD(GpsStbd), true},
    ShownField{&TSetupSensor::csDptBow, SETUP_FIELD(DepthBow), true},
    ShownField{&TSetupSensor::csDptDpt, SETUP_FIELD(DepthSurf), false},
    ShownField{&TSetupSensor::csRadarBow, SETUP_FIELD(RadarBow), true},
    ShownField{&TSetupSensor::csRadarStbd, SETUP_FIELD(RadarStbd), true},
    ShownField{&TSetupSensor::csConning, SETUP_FIELD(ConningBow), true},
    ShownField{&TSetupSensor::csConnHgt, SETUP_FIELD(ConningHeight), true},
};

std::optional<int32_t> WholeNumber(const QLineEdit* edit)
{
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    return ok ? std::optional<int32_t>(value) : std::nullopt;
}

}  // namespace

TSetupSensor::TSetupSensor(QWidget* owner) : FormDialog(owner), Pictures(MakeSensorPictures())
{
    setObjectName(QStringLiteral("SetupSensor"));
    setWindowTitle(QStringLiteral("Setup Sensors"));
    buildControls();
    connectHandlers();
}

void TSetupSensor::buildControls()
{
    txLength = Label(this, "txLength", QStringLiteral("Length"));
    csLength = Spin(this, "csLength", 5, 500);
    txBeam = Label(this, "txBeam", QStringLiteral("Beam"));
    csWidth = Spin(this, "csWidth", 2, 200);
    txDraught = Label(this, "txDraught", QStringLiteral("Draught"));
    csDepth = Spin(this, "csDepth", 1, 20);
    txHeight = Label(this, "txHeight", QStringLiteral("Height"));
    csHeight = Spin(this, "csHeight", 1, 100);
    txMmsi = Label(this, "txMmsi", QStringLiteral("MMSI"));
    edMmsi = Named<QLineEdit>(this, "edMmsi");
    gbShip = Group(this, "gbShip", QStringLiteral("Own ship"),
                   {{txLength, csLength}, {txBeam, csWidth}, {txDraught, csDepth},
                    {txHeight, csHeight}, {txMmsi, edMmsi}});

    txBow1 = Label(this, "txBow1", QStringLiteral("m. from bow"));
    csGpsBow = Spin(this, "csGpsBow", 1, MaxBowDistance);
    txStbd = Label(this, "txStbd", QStringLiteral("m. from stbd."));
    csGpsStbd = Spin(this, "csGpsStbd", 0, MaxStarboardDistance);
    gbGPS = Group(this, "gbGPS", QStringLiteral("GPS antenna"),
                  {{txBow1, csGpsBow}, {txStbd, csGpsStbd}});

    txBow2 = Label(this, "txBow2", QStringLiteral("m. from bow"));
    csDptBow = Spin(this, "csDptBow", 1, MaxBowDistance);
    txDeep = Label(this, "txDeep", QStringLiteral("m. deep"));
    csDptDpt = Spin(this, "csDptDpt", 0, 20);
    gbTrans = Group(this, "gbTrans", QStringLiteral("Depth transducer"),
                    {{txBow2, csDptBow}, {txDeep, csDptDpt}});

    txBow3 = Label(this, "txBow3", QStringLiteral("m. from bow"));
    csRadarBow = Spin(this, "csRadarBow", 1, MaxBowDistance);
    txStbd2 = Label(this, "txStbd2", QStringLiteral("m. from stbd."));
    csRadarStbd = Spin(this, "csRadarStbd", 0, MaxStarboardDistance);
    gbRadarAnt = Group(this, "gbRadarAnt", QStringLiteral("Radar antenna"),
                       {{txBow3, csRadarBow}, {txStbd2, csRadarStbd}});

    txBow4 = Label(this, "txBow4", QStringLiteral("m. from bow"));
    csConning = Spin(this, "csConning", 1, MaxBowDistance);
    txHeight2 = Label(this, "txHeight2", QStringLiteral("Height"));
    csConnHgt = Spin(this, "csConnHgt", 1, 100);
    gbConning = Group(this, "gbConning", QStringLiteral("Conning"),
                      {{txBow4, csConning}, {txHeight2, csConnHgt}});

    imShip = Named<QLabel>(this, "imShip");
    imShip->setFixedSize(HullImageBeam + 2 * HullImageMargin, HullImageLength + 2 * HullImageMargin);
    ckGyro = Named<QCheckBox>(this, "ckGyro", QStringLiteral("Autopilot use gyro"));
    ckTrueRadar = Named<QCheckBox>(this, "ckTrueRadar", QStringLiteral("Radar cursor true ebl"));
    ckOverlay = Named<QCheckBox>(this, "ckOverlay", QStringLiteral("Adjust radar overlay"));
    OKBtn = Named<QPushButton>(this, "OKBtn", QStringLiteral("OK"));
    OKBtn->setDefault(true);

    pnRadar = Named<QGroupBox>(this, "pnRadar", QStringLiteral("Radar overlay"));
    txOrient = Label(pnRadar, "txOrient", QStringLiteral("Orientation"));
    tbOrient = TrackBar(pnRadar, "tbOrient", -180, 180);
    edOrient = ReadOut(pnRadar, "edOrient");
    txRange1 = Label(pnRadar, "txRange1", QStringLiteral("Range course"));
    tbRange1 = TrackBar(pnRadar, "tbRange1", -99, 99);
    txRange2 = Label(pnRadar, "txRange2", QStringLiteral("Range fine"));
    tbRange2 = TrackBar(pnRadar, "tbRange2", -99, 99);
    edRange = ReadOut(pnRadar, "edRange");
    btnAdvanced = Named<QPushButton>(pnRadar, "btnAdvanced", QStringLiteral("Advanced"));
    auto* radar = new QGridLayout(pnRadar);
    radar->addWidget(txOrient, 0, 0);
    radar->addWidget(tbOrient, 1, 0);
    radar->addWidget(edOrient, 1, 1);
    radar->addWidget(txRange1, 2, 0);
    radar->addWidget(tbRange1, 3, 0);
    radar->addWidget(edRange, 3, 1);
    radar->addWidget(txRange2, 4, 0);
    radar->addWidget(tbRange2, 5, 0);
    radar->addWidget(btnAdvanced, 6, 1);

    pnAdvanced = Named<QGroupBox>(this, "pnAdvanced", QStringLiteral("Values in rp.ini file"));
    txScales = Label(pnAdvanced, "txScales", QStringLiteral("Select scale to set"));
    cbScales = Named<QComboBox>(pnAdvanced, "cbScales");
    txStrobe = Label(pnAdvanced, "txStrobe", QStringLiteral("ADCStrobDelay"));
    edStrobe = Named<QLineEdit>(pnAdvanced, "edStrobe");
    txDistance = Label(pnAdvanced, "txDistance", QStringLiteral("DistanceCorrection"));
    edDistance = Named<QLineEdit>(pnAdvanced, "edDistance");
    txInwards = Label(pnAdvanced, "txInwards", QStringLiteral("Inwards x 7.5 m."));
    txOutwards = Label(pnAdvanced, "txOutwards", QStringLiteral("Outwards"));
    txAzimuth = Label(pnAdvanced, "txAzimuth", QStringLiteral("AzimuthCorrection"));
    edAzimuth = Named<QLineEdit>(pnAdvanced, "edAzimuth");
    txAzimuthRange = Label(pnAdvanced, "txAzimuthRange", QStringLiteral("0-65535 = 0-360\u00B0"));
    ckScales = Named<QCheckBox>(pnAdvanced, "ckScales", QStringLiteral("Set these values for all scales"));
    btnIniSave = Named<QPushButton>(pnAdvanced, "btnIniSave", QStringLiteral("Save"));
    btnIniOK = Named<QPushButton>(pnAdvanced, "btnIniOK", QStringLiteral("Close"));
    auto* values = new QGridLayout(pnAdvanced);
    values->addWidget(txScales, 0, 0);
    values->addWidget(cbScales, 0, 1);
    values->addWidget(txStrobe, 1, 0);
    values->addWidget(edStrobe, 1, 1);
    values->addWidget(txOutwards, 1, 2);
    values->addWidget(txDistance, 2, 0);
    values->addWidget(edDistance, 2, 1);
    values->addWidget(txInwards, 2, 2);
    values->addWidget(txAzimuth, 3, 0);
    values->addWidget(edAzimuth, 3, 1);
    values->addWidget(txAzimuthRange, 3, 2);
    values->addWidget(ckScales, 4, 0, 1, 3);
    values->addWidget(btnIniSave, 5, 1);
    values->addWidget(btnIniOK, 5, 2);

    auto* sensors = new QVBoxLayout;
    for (QWidget* group : {gbShip, gbGPS, gbTrans, gbRadarAnt, gbConning})
        sensors->addWidget(group);
    auto* sketch = new QVBoxLayout;
    sketch->addWidget(imShip, 0, Qt::AlignHCenter);
    for (QWidget* control : std::initializer_list<QWidget*>{ckGyro, ckTrueRadar, ckOverlay})
        sketch->addWidget(control);
    sketch->addStretch();
    sketch->addWidget(OKBtn);
    auto* radarPanels = new QVBoxLayout;
    radarPanels->addWidget(pnRadar);
    radarPanels->addWidget(pnAdvanced);
    radarPanels->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(sensors);
    layout->addLayout(sketch);
    layout->addLayout(radarPanels);
    pnRadar->hide();
    pnAdvanced->hide();
}

void TSetupSensor::connectHandlers()
{
    const auto onChange = [this](QSpinBox* spin, void (TSetupSensor::*handler)()) {
        connect(spin, &QSpinBox::valueChanged, this, handler);
    };
    onChange(csLength, &TSetupSensor::csLengthChange);
    onChange(csWidth, &TSetupSensor::csWidthChange);
    onChange(csConning, &TSetupSensor::csConningChange);
    onChange(csGpsBow, &TSetupSensor::csGpsBowChange);
    onChange(csGpsStbd, &TSetupSensor::csGpsStbdChange);
    onChange(csDptBow, &TSetupSensor::csDptBowChange);
    onChange(csRadarBow, &TSetupSensor::csRadarBowChange);
    onChange(csRadarStbd, &TSetupSensor::csRadarStbdChange);
    onChange(csHeight, &TSetupSensor::csHeightChange);
    onChange(csConnHgt, &TSetupSensor::csConnHgtChange);
    connect(ckTrueRadar, &QCheckBox::clicked, this, &TSetupSensor::ckTrueRadarClick);
    connect(ckOverlay, &QCheckBox::clicked, this, &TSetupSensor::ckOverlayClick);
    connect(OKBtn, &QPushButton::clicked, this, &TSetupSensor::OKBtnClick);
    connect(tbOrient, &QSlider::valueChanged, this, &TSetupSensor::tbRange2Change);
    connect(tbRange1, &QSlider::valueChanged, this, &TSetupSensor::tbRange1Change);
    connect(tbRange2, &QSlider::valueChanged, this, &TSetupSensor::tbRange2Change);
    connect(btnAdvanced, &QPushButton::clicked, this, &TSetupSensor::btnAdvancedClick);
    connect(cbScales, &QComboBox::activated, this, &TSetupSensor::cbScalesChange);
    connect(ckScales, &QCheckBox::clicked, this, &TSetupSensor::ckScalesClick);
    connect(btnIniSave, &QPushButton::clicked, this, &TSetupSensor::btnIniSaveClick);
    connect(btnIniOK, &QPushButton::clicked, this, &TSetupSensor::btnIniOKClick);
}

void TSetupSensor::FormShow()
{
    const SetupParametersRecord& ship = SetupParameters;
    {
        std::vector<QSignalBlocker> blockers;
        blockers.reserve(ShownFields.size());
        for (const ShownField& shown : ShownFields)
            blockers.emplace_back(this->*shown.spin);
        // The hull first, so that the positions on it get their ranges before their values.
        csLength->setValue(ship.Length);
        csWidth->setValue(ship.Beam);
        boundSensorPositions();
        for (const ShownField& shown : ShownFields)
            (this->*shown.spin)->setValue(int(shown.field.read(ship)));
    }
    storeShownValues();
    edMmsi->setText(QString::number(ship.Mmsi));
    ckGyro->setChecked(ship.AutoGyro != 0);
    ckTrueRadar->setChecked(ship.TrueRadar != 0);
    ckOverlay->setVisible(RadarAvailable);
    ckOverlay->setChecked(false);
    ckOverlay->setEnabled(RadarReady());
    pnRadar->hide();
    pnAdvanced->hide();
    DrawShipOutline();
}

void TSetupSensor::boundSensorPositions()
{
    for (QSpinBox* bow : {csGpsBow, csDptBow, csRadarBow, csConning})
        bow->setMaximum(std::min(csLength->value(), MaxBowDistance));
    for (QSpinBox* starboard : {csGpsStbd, csRadarStbd})
        starboard->setMaximum(std::min(csWidth->value(), MaxStarboardDistance));
}

void TSetupSensor::storeShownValues()
{
    for (const ShownField& shown : ShownFields)
        if (shown.storedOnChange)
            shown.field.write(SetupParameters, (this->*shown.spin)->value());
}

void TSetupSensor::FormHide()
{
    if (SetupSensorHook.showToolPanel)
        SetupSensorHook.showToolPanel();
    takeClosingValues();
    ComputeShipGeometry();
    if (SetupSensorHook.saveMainIni)
        SetupSensorHook.saveMainIni();
    if (SetupSensorHook.closed)
        SetupSensorHook.closed();
}

// The values are taken before dta.res is written, so that the file holds them.
void TSetupSensor::OKBtnClick()
{
    takeClosingValues();
    if (SetupSensorHook.saveSetupParameters)
        SetupSensorHook.saveSetupParameters();
    hide();
}

void TSetupSensor::takeClosingValues()
{
    SetupParameters.Draught = int16_t(csDepth->value());
    SetupParameters.DepthSurf = int16_t(csDptDpt->value());
    {
        // The output thread reads it for the APB bearings.
        const std::lock_guard lock(ComOutStateLock);
        SetupParameters.AutoGyro = ckGyro->isChecked() ? 1 : 0;
    }
    takeMmsi();
}

// An MMSI left as shown is kept as it is, whatever its form; a new one must be nine digits or 0.
void TSetupSensor::takeMmsi()
{
    const QString text = edMmsi->text().trimmed();
    const uint32_t stored = SetupParameters.Mmsi;
    if (text == QString::number(stored))
        return;
    if (const std::optional<uint32_t> mmsi = MmsiFromText(text)) {
        SetupParameters.Mmsi = *mmsi;
        return;
    }
    edMmsi->setText(QString::number(stored));
    ShowWarning(this,
                "An MMSI has nine digits (0 for none). The MMSI stays " + std::to_string(stored) + ".",
                "MMSI");
}

void TSetupSensor::csLengthChange()
{
    SetupParameters.Length = int16_t(csLength->value());
    boundSensorPositions();
    DrawShipOutline();
}

void TSetupSensor::csWidthChange()
{
    SetupParameters.Beam = int16_t(csWidth->value());
    boundSensorPositions();
    DrawShipOutline();
}

void TSetupSensor::csConningChange()
{
    SetupParameters.ConningBow = int16_t(csConning->value());
    DrawShipOutline();
}

void TSetupSensor::csGpsBowChange()
{
    SetupParameters.GpsBow = int16_t(csGpsBow->value());
    DrawShipOutline();
}

void TSetupSensor::csGpsStbdChange()
{
    SetupParameters.GpsStbd = int16_t(csGpsStbd->value());
    DrawShipOutline();
}

void TSetupSensor::csDptBowChange()
{
    SetupParameters.DepthBow = int16_t(csDptBow->value());
    DrawShipOutline();
}

void TSetupSensor::csRadarBowChange()
{
    SetupParameters.RadarBow = int16_t(csRadarBow->value());
    DrawShipOutline();
}

void TSetupSensor::csRadarStbdChange()
{
    SetupParameters.RadarStbd = int16_t(csRadarStbd->value());
    DrawShipOutline();
}

void TSetupSensor::csHeightChange()
{
    SetupParameters.Height = int16_t(csHeight->value());
}

void TSetupSensor::csConnHgtChange()
{
    SetupParameters.ConningHeight = int16_t(csConnHgt->value());
}

void TSetupSensor::ckTrueRadarClick()
{
    SetupParameters.TrueRadar = ckTrueRadar->isChecked() ? 1 : 0;
}

void TSetupSensor::DrawShipOutline()
{
    ShipImage = PaintShipOutline(SetupParameters, Pictures);
    imShip->setPixmap(QPixmap::fromImage(ShipImage));
}

void TSetupSensor::ckOverlayClick()
{
    if (!ckOverlay->isChecked()) {
        pnRadar->hide();
        pnAdvanced->hide();
        return;
    }
    if (!RadarReady())
        return;
    radarAdjustments_ =
        SetupSensorHook.radarAdjustments ? SetupSensorHook.radarAdjustments() : RadarAdjustments{};
    // The correction in thousandths: tenths on the coarse bar, the rest on the fine one.
    const int thousandths = int(std::lround(radarAdjustments_.range * 1000.0));
    const int coarse = thousandths / 100;
    {
        const QSignalBlocker orient(tbOrient), range1(tbRange1), range2(tbRange2);
        tbOrient->setValue(radarAdjustments_.orientation);
        tbRange1->setValue(coarse);
        tbRange2->setValue(thousandths - coarse * 100);
    }
    const RadarAdjustments shown = shownAdjustments();
    edOrient->setText(QString::number(shown.orientation));
    edRange->setText(QString::asprintf("%.3f", shown.range));
    pnRadar->show();
    adjustSize();
    raise();
    activateWindow();
    const QRect mainWindow = SetupSensorHook.mainWindowFrame ? SetupSensorHook.mainWindowFrame() : QRect();
    if (!mainWindow.isEmpty())
        move(mainWindow.right() + 1 - frameGeometry().width(), mainWindow.top());
}

RadarAdjustments TSetupSensor::shownAdjustments() const
{
    RadarAdjustments shown = radarAdjustments_;
    shown.orientation = tbOrient->value();
    shown.range = (tbRange1->value() * 100 + tbRange2->value()) / 1000.0;
    return shown;
}

void TSetupSensor::tbRange1Change()
{
    {
        const QSignalBlocker blocker(tbRange2);
        tbRange2->setValue(0);
    }
    tbRange2Change();
}

void TSetupSensor::tbRange2Change()
{
    const RadarAdjustments shown = shownAdjustments();
    edOrient->setText(QString::number(shown.orientation));
    edRange->setText(QString::asprintf("%.3f", shown.range));
    if (SetupSensorHook.setRadarAdjustments)
        SetupSensorHook.setRadarAdjustments(shown);
}

void TSetupSensor::btnAdvancedClick()
{
    cbScales->clear();
    const int32_t count = SetupSensorHook.radarScaleCount ? SetupSensorHook.radarScaleCount() : 0;
    for (int32_t n = 1; n <= count; ++n)
        cbScales->addItem(QStringLiteral("[Scale%1]").arg(n));
    cbScales->setCurrentIndex(0);
    cbScalesChange();
    pnAdvanced->show();
    adjustSize();
}

void TSetupSensor::cbScalesChange()
{
    const int32_t level = cbScales->currentIndex();
    if (level < 0)
        return;
    const SetupSensorHooks& h = SetupSensorHook;
    edStrobe->setText(QString::number(ReadCorrection(h.getADCStrobDelay, level)));
    edDistance->setText(QString::number(ReadCorrection(h.getDistanceCorrection, level)));
    edAzimuth->setText(QString::number(ReadCorrection(h.getAzimuthCorrection, level)));
    if (h.setRadarScale)
        h.setRadarScale(level);
}

void TSetupSensor::ckScalesClick()
{
    const bool allScales = ckScales->isChecked();
    if (allScales)
        cbScales->setCurrentIndex(0);
    cbScales->setEnabled(!allScales);
    txScales->setEnabled(!allScales);
}

// The values typed are written as they are or not at all: a value out of its range, or a strobe
// delay together with a distance correction, is refused with a message naming it.
void TSetupSensor::btnIniSaveClick()
{
    const std::string caption = "Values in rp.ini file";
    std::optional<int32_t> strobe = WholeNumber(edStrobe);
    std::optional<int32_t> distance = WholeNumber(edDistance);
    std::optional<int32_t> azimuth = WholeNumber(edAzimuth);
    if (!strobe || !distance || !azimuth) {
        ShowWarning(this, "The rp.ini values must be whole numbers.", caption);
        return;
    }
    if (*azimuth > MaxAzimuthCorrection) {
        ShowWarning(this, "AzimuthCorrection must be a whole number from 0 to 65535.", caption);
        return;
    }
    // Negative values mean nothing to the radar: they are shown and stored as 0. A strobe delay
    // replaces the distance correction, which is then reset.
    strobe = std::max(*strobe, 0);
    distance = *strobe > 0 ? 0 : std::max(*distance, 0);
    azimuth = std::max(*azimuth, 0);
    edStrobe->setText(QString::number(*strobe));
    edDistance->setText(QString::number(*distance));
    edAzimuth->setText(QString::number(*azimuth));

    std::vector<int32_t> levels;
    if (ckScales->isChecked()) {
        for (int32_t level = 0; level < cbScales->count(); ++level)
            levels.push_back(level);
    } else if (cbScales->currentIndex() >= 0) {
        levels.push_back(cbScales->currentIndex());
    }
    if (levels.empty())
        return;
    const SetupSensorHooks& h = SetupSensorHook;
    bool written = true;
    for (int32_t level : levels) {
        written = WriteCorrection(h.setADCStrobDelay, level, *strobe) && written;
        written = WriteCorrection(h.setDistanceCorrection, level, *distance) && written;
        written = WriteCorrection(h.setAzimuthCorrection, level, *azimuth) && written;
    }
    if (h.restartRadarOverlay)
        h.restartRadarOverlay(*this);
    if (!written)
        ShowWarning(this, "Not every value could be written to rp.ini.", caption);
}

void TSetupSensor::btnIniOKClick()
{
    pnAdvanced->hide();
    adjustSize();
}
