#pragma once

#include <QFont>

// The font as asked for when the desktop draws it with fixed pitch; otherwise the same size and
// weight in the desktop's own fixed-pitch family. Columns of logs and lists line up only in a
// fixed-pitch font, and a family name such as "Courier New" can be matched to a proportional one.
QFont WithFixedPitch(QFont font);
