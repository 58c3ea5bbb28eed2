#pragma once
// Whether a modifier key is held down now, as the window system reports it.

namespace Igpfunctions {

bool GetShiftDown();
bool GetCtrlDown();
bool GetAltDown();

}  // namespace Igpfunctions
