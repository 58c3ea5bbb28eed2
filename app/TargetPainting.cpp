#include "app/TargetPainting.h"

void PaintTargets(TForm1&, QPainter&, int32_t) {}
