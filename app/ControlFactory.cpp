#include "app/ControlFactory.h"

#include "app/ControlBehaviour.h"

#include "platform/system/TextCodec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace controls {

QString Text(const char* text)
{
    return platform::FromCp1252(text);
}

QLabel* Label(QWidget* parent, const char* name, const char* text)
{
    auto* label = Named<QLabel>(parent, name);
    label->setText(Text(text));
    return label;
}

QCheckBox* Check(QWidget* parent, const char* name, const char* text)
{
    auto* box = Named<QCheckBox>(parent, name);
    box->setText(Text(text));
    return box;
}

QRadioButton* Radio(QWidget* parent, const char* name, const char* text)
{
    auto* button = Named<QRadioButton>(parent, name);
    button->setText(Text(text));
    return button;
}

QPushButton* Button(QWidget* parent, const char* name, const char* text, Press press)
{
    auto* button = Named<QPushButton>(parent, name);
    button->setText(Text(text));
    button->setCheckable(press == Press::Toggle);
    return button;
}

QGroupBox* Group(QWidget* parent, const char* name, const char* title)
{
    auto* group = Named<QGroupBox>(parent, name);
    group->setTitle(Text(title));
    return group;
}

QFrame* Panel(QWidget* parent, const char* name)
{
    auto* panel = Named<QFrame>(parent, name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);  // panels over the chart hide it
    return panel;
}

QComboBox* Combo(QWidget* parent, const char* name, std::initializer_list<const char*> entries)
{
    auto* combo = Named<QComboBox>(parent, name);
    for (const char* entry : entries)
        combo->addItem(Text(entry));
    return combo;
}

QListWidget* CheckList(QWidget* parent, const char* name,
                       std::initializer_list<const char*> entries)
{
    QListWidget* list = NewCheckList(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (const char* entry : entries) {
        auto* item = new QListWidgetItem(Text(entry), list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    return list;
}

QSpinBox* UpDown(QWidget* parent, const char* name, int minimum, int maximum)
{
    QSpinBox* upDown = NewUpDown(parent);
    upDown->setObjectName(QString::fromLatin1(name));
    upDown->setRange(minimum, maximum);
    upDown->setFixedWidth(20);
    return upDown;
}

QSpinBox* SpinEdit(QWidget* parent, const char* name, int minimum, int maximum)
{
    auto* spin = Named<QSpinBox>(parent, name);
    spin->setRange(minimum, maximum);
    return spin;
}

QLineEdit* ValueEdit(QWidget* parent, const char* name)
{
    auto* edit = Named<QLineEdit>(parent, name);
    edit->setReadOnly(true);
    return edit;
}

QDateEdit* DatePicker(QWidget* parent, const char* name, const char* format)
{
    auto* picker = Named<QDateEdit>(parent, name);
    picker->setDisplayFormat(Text(format));
    picker->setCalendarPopup(true);
    return picker;
}

QSlider* TrackBar(QWidget* parent, const char* name, int minimum, int maximum)
{
    auto* bar = Named<QSlider>(parent, name);
    bar->setOrientation(Qt::Horizontal);
    bar->setRange(minimum, maximum);
    bar->setTickPosition(QSlider::TicksBelow);
    return bar;
}

QToolButton* AddToolButton(QToolBar* bar, const QString& name, const char* text, const char* hint,
                           Press press, QSize size)
{
    auto* button = Named<QToolButton>(bar, name);
    button->setText(Text(text));
    if (hint)
        button->setToolTip(Text(hint));
    button->setCheckable(press == Press::Toggle);
    button->setFixedSize(size);
    bar->addWidget(button);
    return button;
}

QToolButton* AddToolButton(QToolBar* bar, const char* name, const char* text, const char* hint,
                           Press press, QSize size)
{
    return AddToolButton(bar, QString::fromLatin1(name), text, hint, press, size);
}

QGridLayout* Grid(QWidget* parent)
{
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(2);
    return grid;
}

void AddRow(QGridLayout* grid, std::initializer_list<QWidget*> cells)
{
    const int row = grid->count() == 0 ? 0 : grid->rowCount();
    int column = 0;
    for (QWidget* cell : cells) {
        if (cell)
            grid->addWidget(cell, row, column);
        ++column;
    }
}

void AddWide(QGridLayout* grid, std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets)
        grid->addWidget(widget, grid->count() == 0 ? 0 : grid->rowCount(), 0, 1, 3);
}

void AddAll(QBoxLayout* box, std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets)
        box->addWidget(widget);
}

void EndPage(QGridLayout* grid)
{
    grid->setRowStretch(grid->rowCount(), 1);
}

QVBoxLayout* Column(QWidget* parent)
{
    auto* column = new QVBoxLayout(parent);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(1);
    return column;
}

QLabel* Readout(QWidget* parent, const char* name)
{
    return Label(parent, name, "---");
}

}  // namespace controls
