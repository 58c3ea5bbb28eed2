#pragma once
// The main tool bar's pictures by day (display modes 0 to 2).

#include "app/ImageList.h"

ImageList MakeImageList1();
