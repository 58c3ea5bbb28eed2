#pragma once
// A dialog's control made with the system's name of it, by which the language loader finds its
// caption and hint.

#include <QLineEdit>
#include <QSpinBox>
#include <QString>
#include <QWidget>

namespace platform {

template <typename Control>
Control* Named(QWidget* parent, const char* name)
{
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// The same with its built-in caption.
template <typename Control>
Control* Captioned(QWidget* parent, const char* name, const char* caption)
{
    Control* control = Named<Control>(parent, name);
    control->setText(QString::fromLatin1(caption));
    return control;
}

// An up-down beside its read-only edit: only the arrows show.
inline QSpinBox* ArrowUpDown(QWidget* parent, const char* name, int minimum, int maximum)
{
    auto* upDown = Named<QSpinBox>(parent, name);
    upDown->setRange(minimum, maximum);
    upDown->setFixedWidth(18);
    upDown->setWrapping(false);
    return upDown;
}

// The read-only edit an up-down writes its value into.
inline QLineEdit* ReadOnlyEdit(QWidget* parent, const char* name)
{
    auto* edit = Named<QLineEdit>(parent, name);
    edit->setReadOnly(true);
    edit->setFixedWidth(48);
    return edit;
}

}  // namespace platform
