#pragma once
// Helpers for controls: a control's form, vertical centring on another control, a focus call
// that is safe on hidden or disabled controls, and a page control's active page.

class QTabWidget;
class QWidget;

namespace Igpfunctions {

// The form (top-level window) holding `control`; null for no control.
QWidget* GetCustomFormOwner(QWidget* control);
// Moves `control` up or down so that its middle is level with the middle of `reference`
// (of any window); x is kept.
void iAlignVCenterControl(QWidget* control, const QWidget* reference);
// Gives `control` the keyboard focus when it can take it (shown, enabled and accepting focus);
// false otherwise.
bool iSetFocus(QWidget* control);

// -1 for no control or no page.
int GetActivePageIndex(const QTabWidget* pages);
// An index outside the pages changes nothing.
void SetActivePageIndex(QTabWidget* pages, int index);

}  // namespace Igpfunctions
