#include "app/ChartPage.h"

#include "app/ControlBehaviour.h"
#include "app/SettingsPageParts.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/ChartLayerClasses.h"
#include "chart/ChartPresentation.h"
#include "chart/MapView.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <array>

namespace {

// Metres of the contours by up-down position (from 1).
constexpr std::array<int32_t, 10> ShallowContours = {1, 2, 3, 4, 5, 10, 20, 30, 40, 50};
constexpr std::array<int32_t, 6> DeepContours = {10, 20, 30, 40, 50, 100};
// Depth factors of the depth unit's items "mtr.", "feet", "fath".
constexpr std::array<float, 3> DepthFactors = {1.0f, 3.2808f, 0.5468f};

// Display categories of the presentation buttons.
constexpr int32_t BaseCategory = 0;
constexpr int32_t StandardCategory = 1;
constexpr int32_t ClassTableCategory = 3;
constexpr int32_t RebuiltClassTableCategory = 4;

template <size_t N>
int32_t TableValue(const std::array<int32_t, N>& table, int position)
{
    return table[size_t(std::clamp(position, 1, int(N)) - 1)];
}

void udSafetyChangingEx(TForm1& f, UpDownDirection direction)
{
    f.edSafety->setText(QString::number(f.udSafety->value()));
    if (direction == UpDownDirection::None || !StartupDone)
        return;
    SetupParameters.SafetyContour = int16_t(f.udSafety->value());
    Countdowns.chartRedraw = 3;
    TickRequest.safetyContourChange = true;
}

// A contour up-down: the edit shows the contour's metres; the user's step stores the position and
// the depth the engine draws (store, as the record's fields are packed).
template <size_t N, typename Store>
void ContourChangingEx(QSpinBox* upDown, QLineEdit* edit, const std::array<int32_t, N>& contours, Store store,
                       UpDownDirection direction)
{
    const int32_t metres = TableValue(contours, upDown->value());
    edit->setText(QString::number(metres));
    if (direction == UpDownDirection::None)
        return;
    store(int16_t(upDown->value()), metres);
    Countdowns.chartRedraw = 3;
}

void udFwdChangingEx(TForm1& f, UpDownDirection direction)
{
    f.edFwd->setText(QStringLiteral("%1 m").arg(f.udFwd->value()));
    if (direction != UpDownDirection::None)
        SetupParameters.LookAheadTime = int16_t(f.udFwd->value());
}

void udSectorChangingEx(TForm1& f, UpDownDirection direction)
{
    f.edSector->setText(QString::number(f.udSector->value()) + DegreeText());
    if (direction != UpDownDirection::None)
        SetupParameters.LookAheadSector = int16_t(f.udSector->value());
}

void udResolutionChangingEx(TForm1& f, UpDownDirection direction)
{
    f.edResolution->setText(QString::number(f.udResolution->value()));
    if (direction == UpDownDirection::None)
        return;
    SetupParameters.Resolution = int16_t(f.udResolution->value());
    Countdowns.chartRedraw = 3;
}

void cmbDepthUnitChange(TForm1& f)
{
    const int item = f.cmbDepthUnit->currentIndex();
    if (item >= 0 && item < int(DepthFactors.size()))
        SetupParameters.DepthFactor = DepthFactors[size_t(item)];
    if (StartupDone) {
        BuildChartDisplayParams(f);
        Countdowns.chartRedraw = 1;
    }
    FastTick.shownDepth = -1.0f;  // the depth readout is written anew in the new unit
}

void cklChartClickCheck(TForm1& f)
{
    for (int i = 0; i < int(std::size(SetupParameters.ChartLayers)) && i < f.cklChart->count(); ++i) {
        const uint8_t checked = f.cklChart->item(i)->checkState() == Qt::Checked;
        if (LayerHidesClasses(i) && checked != SetupParameters.ChartLayers[i])
            TickRequest.presentationRebuild = true;
        SetupParameters.ChartLayers[i] = checked;
    }
    Countdowns.chartRedraw = 2;
}

void SetPresentationCategory(TForm1& f, int32_t category)
{
    if (!StartupDone || !MainMapView)
        return;
    MainMapView->SetDisplayCategory(category);
    BuildChartDisplayParams(f);
    Countdowns.chartRedraw = 1;
}

}  // namespace

void rbFullClick(TForm1& form)
{
    if (!StartupDone || !MainMapView)
        return;
    ObjectClassTable table;
    ShowAllObjectClasses(table);
    HideLayerClasses(table, form.cklChart);
    MainMapView->objectClassTable = table;
    if (MiniMapView)
        MiniMapView->objectClassTable = table;
    const bool rebuild = TickRequest.presentationRebuild;
    TickRequest.presentationRebuild = false;
    MainMapView->SetDisplayCategory(rebuild ? RebuiltClassTableCategory : ClassTableCategory);
    BuildChartDisplayParams(form);
    Countdowns.chartRedraw = 1;
}

void ConnectChartPage(TForm1& form)
{
    TForm1* f = &form;
    ConnectUpDown(form.udSafety, [f](UpDownDirection d) { udSafetyChangingEx(*f, d); });
    ConnectUpDown(form.udShallowCont, [f](UpDownDirection d) {
        const auto store = [](int16_t position, int32_t metres) {
            SetupParameters.ShallowContour = position;
            SetupParameters.ShallowContourDepth = metres;
        };
        ContourChangingEx(f->udShallowCont, f->edShallowCont, ShallowContours, store, d);
    });
    ConnectUpDown(form.udDeepCont, [f](UpDownDirection d) {
        const auto store = [](int16_t position, int32_t metres) {
            SetupParameters.DeepContour = position;
            SetupParameters.DeepContourDepth = metres;
        };
        ContourChangingEx(f->udDeepCont, f->edDeepCont, DeepContours, store, d);
    });
    ConnectUpDown(form.udFwd, [f](UpDownDirection d) { udFwdChangingEx(*f, d); });
    ConnectUpDown(form.udSector, [f](UpDownDirection d) { udSectorChangingEx(*f, d); });
    ConnectUpDown(form.udResolution, [f](UpDownDirection d) { udResolutionChangingEx(*f, d); });
    QObject::connect(form.cmbDepthUnit, &QComboBox::activated, f, [f] { cmbDepthUnitChange(*f); });
    ConnectClickCheck(form.cklChart, [f] { cklChartClickCheck(*f); });
    ConnectClick(form.rbBase, [f] { SetPresentationCategory(*f, BaseCategory); });
    ConnectClick(form.rbStd, [f] { SetPresentationCategory(*f, StandardCategory); });
    ConnectClick(form.rbFull, [f] { rbFullClick(*f); });
}
