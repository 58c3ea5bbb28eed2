#pragma once
// Paper sizes in inches.

#include <QSizeF>

class QPrinter;

namespace Igpfunctions {

double MMToInches(double millimetres);
// Width and height of the paper of a Windows paper code (1 letter 8.5 x 11, 5 legal 8.5 x 14,
// 9 A4, ...); an invalid size for a code that names no standard paper.
QSizeF GetPaperTypePaperSize(int paperCode);
// The paper of `printer` as it lies in its orientation.
QSizeF GetPrinterPaperSize(const QPrinter& printer);

}  // namespace Igpfunctions
