#include "platform/components/IgpPrinting.h"

#include <QPageSize>
#include <QPrinter>
#include <gtest/gtest.h>

namespace {

using namespace Igpfunctions;

TEST(Paper, SizesOfWindowsPaperCodesInInches)
{
    struct Case {
        int code;
        double width;
        double height;
    };
    for (const Case c : {Case{1, 8.5, 11}, Case{5, 8.5, 14}, Case{7, 7.25, 10.5},
                         Case{9, 210 / 25.4, 297 / 25.4}, Case{8, 297 / 25.4, 420 / 25.4}}) {
        const QSizeF size = GetPaperTypePaperSize(c.code);
        EXPECT_NEAR(size.width(), c.width, 1e-9) << c.code;
        EXPECT_NEAR(size.height(), c.height, 1e-9) << c.code;
    }
    EXPECT_FALSE(GetPaperTypePaperSize(0).isValid());
    EXPECT_FALSE(GetPaperTypePaperSize(9999).isValid());
    EXPECT_DOUBLE_EQ(MMToInches(25.4), 1);
}

TEST(Paper, PrinterPaperAsItLies)
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Legal));
    EXPECT_EQ(GetPrinterPaperSize(printer), QSizeF(8.5, 14));
    printer.setPageOrientation(QPageLayout::Landscape);
    EXPECT_EQ(GetPrinterPaperSize(printer), QSizeF(14, 8.5));
}

}  // namespace
