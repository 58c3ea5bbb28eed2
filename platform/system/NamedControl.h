#pragma once
// A dialog's control made with the system's name of it, by which the language loader finds its
// caption and hint.

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

}  // namespace platform
