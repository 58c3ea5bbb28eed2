#pragma once
// The main tool bar's pictures at night (display modes 3 and 4): dim inks that keep the
// bridge's night vision.

#include "app/ImageList.h"

ImageList MakeImageList5();
