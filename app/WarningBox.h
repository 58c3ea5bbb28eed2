#pragma once
// A warning box without owner, in front of everything, that the program goes on after.

#include <string>

void ShowWarning(std::string text, std::string caption);
