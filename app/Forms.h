#pragma once
// The main window and every dialog, created once in a fixed order and kept for the whole run,
// each reached through its global pointer.

#include <string>
#include <vector>

// Creates the main window and the dialogs in their order.
void CreateForms();

// Destroys them in the reverse order and clears their pointers.
void DestroyForms();

// The object names of the forms that exist, in the order they were created.
std::vector<std::string> CreatedFormNames();
