#include "app/DynamicOverlay.h"

void PaintDynamicOverlay(TForm1&, bool) {}
