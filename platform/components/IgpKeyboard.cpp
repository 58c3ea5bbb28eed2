#include "platform/components/IgpKeyboard.h"

#include <QGuiApplication>

namespace Igpfunctions {

namespace {

bool ModifierDown(Qt::KeyboardModifier modifier)
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(modifier);
}

}  // namespace

bool GetShiftDown()
{
    return ModifierDown(Qt::ShiftModifier);
}

bool GetCtrlDown()
{
    return ModifierDown(Qt::ControlModifier);
}

bool GetAltDown()
{
    return ModifierDown(Qt::AltModifier);
}

}  // namespace Igpfunctions
