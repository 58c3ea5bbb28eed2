#include "app/ViewPage.h"

#include "app/ControlBehaviour.h"
#include "app/SensorWiring.h"
#include "app/SettingsPageParts.h"
#include "app/TForm1.h"
#include "app/TideButton.h"
#include "app/TickState.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <array>

namespace {

// Contour intervals by up-down position (from 1).
constexpr std::array<int16_t, 8> ContourIntervals = {1, 2, 5, 10, 20, 50, 100, 200};
// The "to" position that means no lower limit.
constexpr int NoDepthLimitPosition = 101;
constexpr int32_t DepthPerPosition = 10;

void RequestThreeDRefresh()
{
    Countdowns.threeDRefresh = 3;
}

QString DepthText(int32_t depth)
{
    return depth == 0 ? QStringLiteral("auto") : QString::number(depth);
}

void ud3DToChangingEx(TForm1& f, UpDownDirection direction);

void ud3DFromChangingEx(TForm1& f, UpDownDirection direction)
{
    const int p = f.ud3DFrom->value();
    f.ed3DFrom->setText(DepthText(p * DepthPerPosition));
    if (direction == UpDownDirection::None)
        return;
    SetupParameters.ThreeDFromPosition = int16_t(p);
    SetupParameters.ThreeDDepthFrom = p * DepthPerPosition;
    RefreshSensorSettings();
    const int to = f.ud3DTo->value();
    if (to > 0 && to <= p && p + 1 <= f.ud3DTo->maximum()) {
        f.ud3DTo->setValue(p + 1);
        ud3DToChangingEx(f, UpDownDirection::Up);
    }
    RequestThreeDRefresh();
}

void ud3DToChangingEx(TForm1& f, UpDownDirection direction)
{
    const int p = f.ud3DTo->value();
    const int32_t depth = p == NoDepthLimitPosition ? 0 : p * DepthPerPosition;
    f.ed3DTo->setText(DepthText(depth));
    if (direction == UpDownDirection::None)
        return;
    SetupParameters.ThreeDToPosition = int16_t(p);
    SetupParameters.ThreeDDepthTo = depth;
    RefreshSensorSettings();
    // "To" at 0 sets no limit either; only a real lower limit pushes "from" up.
    const int from = f.ud3DFrom->value();
    if (p > 0 && from > 0 && from >= p && p - 1 >= f.ud3DFrom->minimum()) {
        f.ud3DFrom->setValue(p - 1);
        ud3DFromChangingEx(f, UpDownDirection::Down);
    }
    RequestThreeDRefresh();
}

void ud3DContChangingEx(TForm1& f)
{
    const int position = std::clamp(f.ud3DCont->value(), 1, int(ContourIntervals.size()));
    SetupParameters.ThreeDContourPosition = int16_t(position);
    SetupParameters.ThreeDContourInterval = ContourIntervals[size_t(position - 1)];
    f.ed3DCont->setText(QString::number(SetupParameters.ThreeDContourInterval));
    RequestThreeDRefresh();
}

void ud3DTideChangingEx(TForm1& f)
{
    SetupParameters.ThreeDTide = int16_t(f.ud3DTide->value());
    f.ed3DTide->setText(QString::asprintf("%.1f", f.ud3DTide->value() * 0.1));
}

void rb3DDotClick(TForm1& f)
{
    SetupParameters.ThreeDDotSize = f.rb3DDot20->isChecked() ? 20 : f.rb3DDot10->isChecked() ? 10 : 5;
    if (StartupDone)
        f.chartRedrawRequest = true;
}

}  // namespace

void ConnectViewPage(TForm1& form)
{
    TForm1* f = &form;
    QObject::connect(form.cmb3Ddata, &QComboBox::activated, f, [f](int item) {
        SetupParameters.ThreeDData = int16_t(item);
        if (StartupDone)
            f->chartRedrawRequest = true;
    });
    QObject::connect(form.cmb3DPal, &QComboBox::activated, f, [](int item) {
        SetupParameters.ThreeDPalette = int16_t(item);
        RequestThreeDRefresh();
    });
    ConnectUpDown(form.ud3DFrom, [f](UpDownDirection d) { ud3DFromChangingEx(*f, d); });
    ConnectUpDown(form.ud3DTo, [f](UpDownDirection d) { ud3DToChangingEx(*f, d); });
    StoreCheck(form.ck3DCont, &SetupParametersRecord::ThreeDContours, RequestThreeDRefresh);
    ConnectUpDown(form.ud3DCont, [f](UpDownDirection) { ud3DContChangingEx(*f); });
    QObject::connect(form.cmb3DCont, &QComboBox::activated, f, [](int item) {
        SetupParameters.ThreeDContourChoice = item;
        RequestThreeDRefresh();
    });
    StoreCheck(form.ck3DRelief, &SetupParametersRecord::ThreeDRelief, RequestThreeDRefresh);
    StoreCheck(form.ck3DMark, &SetupParametersRecord::ThreeDMarks, [f] {
        RequestThreeDRefresh();
        f->btn3DCheck->setVisible(f->ck3DMark->isChecked());
    });
    ConnectUpDown(form.ud3DDepth, [f](UpDownDirection) {
        SetupParameters.ThreeDDepthScale = int16_t(f->ud3DDepth->value());
        f->ed3DDepth->setText(QString::number(f->ud3DDepth->value()));
        RequestThreeDRefresh();
    });
    ConnectUpDown(form.ud3DTide, [f](UpDownDirection) { ud3DTideChangingEx(*f); });
    for (QRadioButton* dot : {form.rb3DDot5, form.rb3DDot10, form.rb3DDot20})
        ConnectClick(dot, [f] { rb3DDotClick(*f); });
    QObject::connect(form.btn3DTide, &QPushButton::clicked, f, [f] { btn3DTideClick(*f); });
}
