#pragma once
// Where each text of a language file goes: the rows are read in their order, so that where one
// control receives two texts the later one stays.

#include <span>

enum class TextKind {
    Caption,        // the control's caption (button, label, group, tab page)
    Hint,           // the control's tool tip
    WindowCaption,  // the window title of a form
    Entry,          // entry `index` of a list, combo box or radio group
    ColumnTitle,    // the title of column `index` of a grid
    MessageSlot,    // slot `index` of MessageTexts (no control)
    SlotCaption,    // the caption takes MessageTexts slot `index` (nothing is read)
};

struct LanguageRow {
    const char* section;
    int key;
    // The control: "name" on the main window, "Form.name" on a dialog, "Form" for its title.
    const char* control;
    TextKind kind;
    int index = 0;
};

std::span<const LanguageRow> LanguageRows();

// The keyboard help list "F1Text": entries 0-9 take the hints of these tool buttons, each after
// its digit key; the rest come from the keys of section "F1Text" at fixed places.
struct KeyboardHelpButton {
    const char* digit;
    const char* button;
};
std::span<const KeyboardHelpButton> KeyboardHelpButtons();
