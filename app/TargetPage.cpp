#include "app/TargetPage.h"

#include "app/ControlBehaviour.h"
#include "app/SettingsPageParts.h"
#include "app/SensorWiring.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "frame/SetupParameters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include <array>

namespace {

// Nautical miles by item; the last, "no limit", is 9999.
constexpr std::array<int16_t, 8> AisRanges = {5, 10, 15, 20, 30, 40, 50, 9999};
constexpr int NoRangeLimitItem = 7;

// Minutes of track kept, and minutes between its points (0: every point), by item. The long
// tracks keep 120 points, one per 2, 3, 6 or 12 minutes.
struct AisTrackChoice {
    int16_t minutes;
    int16_t interval;
};
constexpr std::array<AisTrackChoice, 13> AisTracks = {{{3, 0},
                                                       {6, 0},
                                                       {12, 0},
                                                       {20, 0},
                                                       {30, 0},
                                                       {45, 0},
                                                       {60, 0},
                                                       {90, 0},
                                                       {120, 0},
                                                       {120, 1},
                                                       {120, 2},
                                                       {120, 5},
                                                       {120, 11}}};

constexpr std::array<int16_t, 5> CpaTimes = {3, 6, 12, 20, 30};

void cmbAisRangeChange(TForm1& f, int item)
{
    if (item < 0 || item >= int(AisRanges.size()))
        return;
    SetupParameters.AisRangeIndex = int16_t(item);
    SetupParameters.AisRange = AisRanges[size_t(item)];
    if (item == NoRangeLimitItem)
        f.ckAisTracks->setChecked(false);
    f.ckAisTracks->setEnabled(item != NoRangeLimitItem);
    RefreshSensorSettings();
}

void cmbAisTrackChange(int item)
{
    if (item < 0 || item >= int(AisTracks.size()))
        return;
    SetupParameters.AisTrackIndex = int16_t(item);
    SetupParameters.AisTrackPoints = AisTracks[size_t(item)].minutes;
    SetupParameters.AisTrackInterval = AisTracks[size_t(item)].interval;
    Countdowns.chartRedraw = 1;
}

void udCpaDistChangingEx(TForm1& f, UpDownDirection direction)
{
    f.edCpaDist->setText(ScaledValueText(f.udCpaDist->value(), 0.1) + QStringLiteral(" Nm"));
    if (direction != UpDownDirection::None)
        SetupParameters.CpaDistance = int16_t(f.udCpaDist->value());
}

void cmbCpaTimeChange(int item)
{
    if (item < 0 || item >= int(CpaTimes.size()))
        return;
    SetupParameters.CpaTimeIndex = int16_t(item);
    SetupParameters.CpaTime = CpaTimes[size_t(item)];
}

}  // namespace

void ConnectTargetPage(TForm1& form)
{
    TForm1* f = &form;
    QObject::connect(form.cmbAisRange, &QComboBox::activated, f, [f](int item) { cmbAisRangeChange(*f, item); });
    QObject::connect(form.cmbAisTrack, &QComboBox::activated, f, [](int item) { cmbAisTrackChange(item); });
    ConnectClick(form.ckAisTracks, [f] {
        SetupParameters.AisTracks = f->ckAisTracks->isChecked();
        Countdowns.chartRedraw = 1;
    });
    StoreCheck(form.ckAisNames, &SetupParametersRecord::AisNames);
    ConnectUpDown(form.udCpaDist, [f](UpDownDirection d) { udCpaDistChangingEx(*f, d); });
    QObject::connect(form.cmbCpaTime, &QComboBox::activated, f, [](int item) { cmbCpaTimeChange(item); });
    StoreCheck(form.ckCpaShow, &SetupParametersRecord::CpaShown);
    StoreCheck(form.ckAisWarnings, &SetupParametersRecord::AisWarnings, RefreshSensorSettings);
    StoreCheck(form.ckAisMsgs, &SetupParametersRecord::AisMessages, RefreshSensorSettings);
}
