#include "app/BoatPage.h"

#include "app/ControlBehaviour.h"
#include "app/SettingsPageParts.h"
#include "app/SensorWiring.h"
#include "app/TForm1.h"
#include "frame/SetupParameters.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

#include <cstdlib>

namespace {

const QString Miles = QStringLiteral(" Nm");

void udBoatVectorChangingEx(TForm1& f, UpDownDirection direction)
{
    f.edBoatVector->setText(QString::number(f.udBoatVector->value()));
    if (direction != UpDownDirection::None)
        SetupParameters.BoatVector = int16_t(f.udBoatVector->value());
}

void udBoatConvChangingEx(TForm1& f, UpDownDirection direction)
{
    f.edBoatConv->setText(ScaledValueText(f.udBoatConv->value(), 0.01) + Miles);
    if (direction != UpDownDirection::None)
        SetupParameters.TrackConversionTolerance = int16_t(f.udBoatConv->value());
}

void udWpLaneChangingEx(TForm1& f, UpDownDirection direction)
{
    f.edWpLane->setText(ScaledValueText(f.udWpLane->value(), 0.01) + Miles);
    if (direction == UpDownDirection::None)
        return;
    SetupParameters.WaypointLane = int16_t(f.udWpLane->value());
    f.OverlayRedrawRequest = 10;
}

void udWpRadiusChangingEx(TForm1& f, UpDownDirection direction)
{
    const int radius = f.udWpRadius->value();
    f.edWpRadius->setText(radius < 0 ? QStringLiteral("------") : ScaledValueText(radius, 0.01) + Miles);
    if (direction != UpDownDirection::None)
        SetupParameters.WaypointRadius = int16_t(radius);
}

// West is positive: the text gives the amount and the side.
void udBoatMagChangingEx(TForm1& f)
{
    const int variation = f.udBoatMag->value();
    f.edBoatMag->setText(ScaledValueText(std::abs(variation), 0.1) + DegreeText() +
                         (variation > 0 ? QStringLiteral(" W") : QStringLiteral(" E")));
    SetupParameters.MagneticVariation = int16_t(variation);
    // The output thread reads its copy, taken under the lock it shares.
    RefreshSensorSettings();
}

}  // namespace

void ConnectBoatPage(TForm1& form)
{
    TForm1* f = &form;
    QObject::connect(form.tbBoatOff, &QSlider::valueChanged, f,
                     [](int position) { SetupParameters.BoatOffset = position; });
    QObject::connect(form.tbBoatSens, &QSlider::valueChanged, f,
                     [](int position) { SetupParameters.BoatSensitivity = position; });
    ConnectUpDown(form.udBoatVector, [f](UpDownDirection d) { udBoatVectorChangingEx(*f, d); });
    ConnectClick(form.rbVectorMin, [] { SetupParameters.VectorInMinutes = 1; });
    ConnectClick(form.rbVectorNm, [] { SetupParameters.VectorInMinutes = 0; });
    StoreCheck(form.ckTrack2Route, &SetupParametersRecord::TrackToRoute);
    ConnectUpDown(form.udBoatConv, [f](UpDownDirection d) { udBoatConvChangingEx(*f, d); });
    ConnectUpDown(form.udWpLane, [f](UpDownDirection d) { udWpLaneChangingEx(*f, d); });
    StoreCheck(form.ckShowLane, &SetupParametersRecord::ShowLane, [f] { f->OverlayRedrawRequest = 1; });
    ConnectUpDown(form.udWpRadius, [f](UpDownDirection d) { udWpRadiusChangingEx(*f, d); });
    ConnectUpDown(form.udBoatMag, [f](UpDownDirection) { udBoatMagChangingEx(*f); });
}
