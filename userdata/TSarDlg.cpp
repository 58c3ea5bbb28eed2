#include "userdata/TSarDlg.h"

#include "platform/system/NamedControl.h"
#include "platform/system/TextCodec.h"
#include "userdata/SearchPatterns.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <initializer_list>

using platform::Named;

namespace {

constexpr int CourseStep = 10;
constexpr int LargestCourse = 350;
constexpr int LargestTenths = 999;  // 99.9 nautical miles
constexpr double MilesPerTenth = 0.1;
const QColor Teal(0x00, 0x80, 0x80);

QGroupBox* RadioGroup(QWidget* parent, const char* name, const char* caption,
                      std::initializer_list<const char*> items)
{
    auto* group = Named<QGroupBox>(parent, name);
    group->setTitle(caption);
    auto* layout = new QVBoxLayout(group);
    for (const char* item : items) {
        auto* button = new QRadioButton(item, group);
        layout->addWidget(button);
    }
    group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly).front()->setChecked(true);
    return group;
}

int CheckedItem(const QGroupBox* group)
{
    const QList<QRadioButton*> buttons = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (int n = 0; n < buttons.size(); ++n)
        if (buttons[n]->isChecked())
            return n;
    return 0;
}

QString Miles(int tenths)
{
    return QString::number(tenths * MilesPerTenth, 'f', 1) + " Nm";
}

}  // namespace

TSarDlg::TSarDlg(QWidget* owner) : platform::FormDialog(owner)
{
    setObjectName("SarDlg");
    setWindowTitle("S. A. R.");
    setWindowFlag(Qt::WindowStaysOnTopHint);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Teal);
    setPalette(colours);
    setAutoFillBackground(true);

    rgType = RadioGroup(this, "rgType", "Type", {"Sector", "Extended square", "Parallell"});
    rgStart = RadioGroup(this, "rgStart", "Start from", {"Own position", "Chart centre"});
    txCourse = platform::Captioned<QLabel>(this, "txCourse", "Start course");
    txDistance = platform::Captioned<QLabel>(this, "txDistance", "Leg distanse");
    txIterations = platform::Captioned<QLabel>(this, "txIterations", "Iterations");
    txWidth = platform::Captioned<QLabel>(this, "txWidth", "Field width");
    edCourse = platform::ReadOnlyEdit(this, "edCourse");
    edDistance = platform::ReadOnlyEdit(this, "edDistance");
    edIterations = platform::ReadOnlyEdit(this, "edIterations");
    edWidth = platform::ReadOnlyEdit(this, "edWidth");
    udCourse = platform::ArrowUpDown(this, "udCourse", 0, LargestCourse);
    udCourse->setSingleStep(CourseStep);
    udCourse->setWrapping(true);
    udDistanse = platform::ArrowUpDown(this, "udDistanse", 1, LargestTenths);
    udIterations = platform::ArrowUpDown(this, "udIterations", 1, MaxSarIterations(SarPatternType::Sector));
    udWidth = platform::ArrowUpDown(this, "udWidth", 1, LargestTenths);
    btnRoute = platform::Captioned<QPushButton>(this, "btnRoute", "Route");
    btnLine = platform::Captioned<QPushButton>(this, "btnLine", "Line");
    btnCancel = platform::Captioned<QPushButton>(this, "btnCancel", "Cancel");

    auto* values = new QGridLayout;
    const std::initializer_list<std::tuple<QLabel*, QLineEdit*, QSpinBox*>> rows{
        {txCourse, edCourse, udCourse},
        {txDistance, edDistance, udDistanse},
        {txIterations, edIterations, udIterations},
        {txWidth, edWidth, udWidth}};
    int row = 0;
    for (const auto& [caption, edit, upDown] : rows) {
        values->addWidget(caption, row, 0);
        values->addWidget(edit, row, 1);
        values->addWidget(upDown, row, 2);
        ++row;
    }
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {btnRoute, btnLine, btnCancel})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(rgType);
    groups->addWidget(rgStart);
    layout->addLayout(groups);
    layout->addLayout(values);
    layout->addLayout(buttons);

    connect(udCourse, &QSpinBox::valueChanged, this, [this] { udCourseChangingEx(); });
    connect(udDistanse, &QSpinBox::valueChanged, this, [this] { udDistanseChangingEx(); });
    connect(udIterations, &QSpinBox::valueChanged, this, [this] { udIterationsChangingEx(); });
    connect(udWidth, &QSpinBox::valueChanged, this, [this] { udWidthChangingEx(); });
    for (QRadioButton* item : rgType->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        connect(item, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rgTypeClick();
        });
    connect(btnRoute, &QPushButton::clicked, this, [this] { btnRouteClick(); });
    connect(btnLine, &QPushButton::clicked, this, [this] { btnLineClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });

    udCourse->setValue(0);
    udDistanse->setValue(5);
    udIterations->setValue(2);
    udWidth->setValue(10);
    udCourseChangingEx();
    udDistanseChangingEx();
    udIterationsChangingEx();
    udWidthChangingEx();
}

void TSarDlg::FormShow()
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TSarDlg::FormHide()
{
    if (SearchPatternHook.dialogHidden)
        SearchPatternHook.dialogHidden();
}

void TSarDlg::udCourseChangingEx()
{
    edCourse->setText(QString::number(udCourse->value()) + platform::FromCp1252(" \xB0"));
}

void TSarDlg::udDistanseChangingEx()
{
    edDistance->setText(Miles(udDistanse->value()));
}

void TSarDlg::udIterationsChangingEx()
{
    edIterations->setText(QString::number(udIterations->value()));
}

void TSarDlg::udWidthChangingEx()
{
    edWidth->setText(Miles(udWidth->value()));
}

void TSarDlg::rgTypeClick()
{
    udIterations->setMaximum(MaxSarIterations(Pattern().type));
}

SarPatternSpec TSarDlg::Pattern() const
{
    return {SarPatternType(CheckedItem(rgType)), double(udCourse->value()), udDistanse->value() * MilesPerTenth,
            udWidth->value() * MilesPerTenth, udIterations->value()};
}

bool TSarDlg::FromChartCentre() const
{
    return CheckedItem(rgStart) == 1;
}

void TSarDlg::btnRouteClick()
{
    BuildSarPattern(Pattern(), FromChartCentre(), false);
    hide();
}

void TSarDlg::btnLineClick()
{
    BuildSarPattern(Pattern(), FromChartCentre(), true);
    hide();
}

void TSarDlg::btnCancelClick()
{
    hide();
    if (SearchPatternHook.finishRoute)
        SearchPatternHook.finishRoute();
}
