#include "platform/components/IgpPrinting.h"

#include <QPageSize>
#include <QPrinter>

namespace Igpfunctions {

double MMToInches(double millimetres)
{
    return millimetres / 25.4;
}

QSizeF GetPaperTypePaperSize(int paperCode)
{
    const QPageSize::PageSizeId id = QPageSize::id(paperCode);
    if (id == QPageSize::Custom)
        return {};
    // Metric papers are converted from their exact millimetres, not from rounded inches.
    if (QPageSize::definitionUnits(id) == QPageSize::Millimeter) {
        const QSizeF mm = QPageSize::definitionSize(id);
        return {MMToInches(mm.width()), MMToInches(mm.height())};
    }
    return QPageSize::size(id, QPageSize::Inch);
}

QSizeF GetPrinterPaperSize(const QPrinter& printer)
{
    return printer.pageLayout().fullRect(QPageLayout::Inch).size();
}

}  // namespace Igpfunctions
