#pragma once
// Behaviours of the window framework the program was written for, reproduced here in one place.
// A check box's click handler runs whenever its Checked state changes, also when the program
// sets it, and a radio button's when it becomes checked; the program relies on this (the
// start-up opens the data set in use by checking its button). A radio group is a group box
// whose radio buttons are its items, addressed by index. A form's Show brings it to the front
// and makes it the active window. An up-down's change carries the direction of the user's step;
// a position set by the program carries none. A check list's click-check event comes only from
// the user's click or key on an item's check mark.

#include <functional>

class QAbstractButton;
class QGroupBox;
class QListWidget;
class QSpinBox;
class QWidget;

enum class UpDownDirection { None, Up, Down };

void ConnectClick(QAbstractButton* button, std::function<void()> handler);

// A panel's or label's click: the left button pressed and released over the control. The click
// stays with the control and does not reach the controls under it.
void ConnectWidgetClick(QWidget* control, std::function<void()> handler);

// Checks item `index` of a radio group (its index-th radio button).
void SetRadioGroupItem(QGroupBox* group, int index);
// The index of a radio group's checked item; -1 while none is checked.
int RadioGroupItem(const QGroupBox* group);

// Shows the form in front of the others and activates it; nothing while it does not exist.
void ShowForm(QWidget* form);

// An up-down control: a spin box stepped only by its arrows, the keys and the wheel (no typing),
// which remembers the direction of the step it is taking.
QSpinBox* NewUpDown(QWidget* parent);

// Runs the handler on every change of the up-down's position, with the direction of the user's
// step, or UpDownDirection::None when the program set the position.
void ConnectUpDown(QSpinBox* upDown, std::function<void(UpDownDirection)> handler);
// Sets the up-down's position as the program does; its handler runs also when the position is
// already there, so that the text it writes beside the up-down shows from the start.
void SetUpDownPosition(QSpinBox* upDown, int position);

// A check list: a list whose items carry check marks.
QListWidget* NewCheckList(QWidget* parent);

// Runs the handler when the user changes an item's check mark; a mark set by the program does
// not run it.
void ConnectClickCheck(QListWidget* list, std::function<void()> handler);
