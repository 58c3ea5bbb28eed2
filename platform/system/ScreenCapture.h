#pragma once
// The picture of the whole primary screen as it shows now, other programs' windows included.

#include <QImage>

namespace platform {

// A null image when there is no screen or it cannot be read.
QImage GrabPrimaryScreen();

}  // namespace platform
