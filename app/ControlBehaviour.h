#pragma once
// Behaviours of the window framework the program was written for, reproduced here in one place.
// A check box's click handler runs whenever its Checked state changes, also when the program
// sets it, and a radio button's when it becomes checked; the program relies on this (the
// start-up opens the data set in use by checking its button). A radio group is a group box
// whose radio buttons are its items, addressed by index. A form's Show brings it to the front
// and makes it the active window.

#include <functional>

class QAbstractButton;
class QGroupBox;
class QWidget;

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
