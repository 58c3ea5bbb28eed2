#pragma once
// Makes the main window's controls: each one named with the system's name of its control (the
// language loader and the handlers find it by that name) and given its built-in text, which is
// written in the language files' code page.

#include <QString>
#include <QWidget>

#include <initializer_list>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSize;
class QSlider;
class QSpinBox;
class QToolBar;
class QToolButton;
class QVBoxLayout;

namespace controls {

// A button that acts once per press, or one that stays down until pressed again.
enum class Press { Once, Toggle };

QString Text(const char* text);

template <typename T>
T* Named(QWidget* parent, const QString& name)
{
    auto* widget = new T(parent);
    widget->setObjectName(name);
    return widget;
}

template <typename T>
T* Named(QWidget* parent, const char* name)
{
    return Named<T>(parent, QString::fromLatin1(name));
}

QLabel* Label(QWidget* parent, const char* name, const char* text);
QCheckBox* Check(QWidget* parent, const char* name, const char* text);
QRadioButton* Radio(QWidget* parent, const char* name, const char* text);
QPushButton* Button(QWidget* parent, const char* name, const char* text, Press press = Press::Once);
QGroupBox* Group(QWidget* parent, const char* name, const char* title);
// A raised panel, drawn in its own colour over whatever lies under it.
QFrame* Panel(QWidget* parent, const char* name);
QComboBox* Combo(QWidget* parent, const char* name, std::initializer_list<const char*> entries);
// A check-list box: every entry carries a check mark, unchecked at first.
QListWidget* CheckList(QWidget* parent, const char* name, std::initializer_list<const char*> entries);
// The arrows of an up-down control; the edit beside it shows the value in its own format.
QSpinBox* UpDown(QWidget* parent, const char* name, int minimum, int maximum);
QSpinBox* SpinEdit(QWidget* parent, const char* name, int minimum, int maximum);
// A read-only edit that shows a value.
QLineEdit* ValueEdit(QWidget* parent, const char* name);
QDateEdit* DatePicker(QWidget* parent, const char* name, const char* format);
QSlider* TrackBar(QWidget* parent, const char* name, int minimum, int maximum);
// A readout label showing "---" until it has a value.
QLabel* Readout(QWidget* parent, const char* name);

// A button added to the end of a tool bar.
QToolButton* AddToolButton(QToolBar* bar, const QString& name, const char* text, const char* hint,
                           Press press, QSize size);
QToolButton* AddToolButton(QToolBar* bar, const char* name, const char* text, const char* hint,
                           Press press, QSize size);

// A grid with narrow margins and spacing.
QGridLayout* Grid(QWidget* parent);
// Adds a row below the others: cells left to right, nullptr leaves a cell empty.
void AddRow(QGridLayout* grid, std::initializer_list<QWidget*> cells);
// Adds widgets one below the other, each across the three columns of a page grid.
void AddWide(QGridLayout* grid, std::initializer_list<QWidget*> widgets);
void AddAll(QBoxLayout* box, std::initializer_list<QWidget*> widgets);
// Lets a page's rows keep their heights, the free height below the last one.
void EndPage(QGridLayout* grid);
// A column with narrow margins and spacing.
QVBoxLayout* Column(QWidget* parent);

}  // namespace controls
