#pragma once
// Texts of the settings pages' value boxes.

#include <QString>

// value x step in the shortest general form of 15 significant digits: 3 x 0.1 is "0.3".
QString ScaledValueText(int value, double step);

// " °": a blank and the degree sign.
QString DegreeText();
