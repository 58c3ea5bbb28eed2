#pragma once
// What the settings pages share: the texts of their value boxes and the check boxes that store
// their setting.

#include "frame/SetupParameters.h"

#include <QString>

#include <functional>

class QCheckBox;

// value x step in the shortest general form of 15 significant digits: 3 x 0.1 is "0.3".
QString ScaledValueText(int value, double step);

// " °": a blank and the degree sign.
QString DegreeText();

// The box's click stores its state in the field, then runs `after` when given.
void StoreCheck(QCheckBox* box, uint8_t SetupParametersRecord::*field, std::function<void()> after = {});
