// Printing the text editor's lines: the pages as a recording surface sees them, and a real
// printer writing a PDF file.

#include "app/MemoPrinting.h"

#include "platform/system/TempFolder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

#include <vector>

namespace {

struct PrintedLine {
    int x, y;
    QString text;
};

class RecordingSurface final : public PrintSurface {
public:
    static constexpr int Height = 50;

    bool Begin() override
    {
        pages.emplace_back();
        return true;
    }
    int LineHeight() override { return Height; }
    bool NewPage() override
    {
        if (failNewPage)
            return false;
        pages.emplace_back();
        return true;
    }
    void PrintText(int x, int y, const QString& text) override { pages.back().push_back({x, y, text}); }
    void End() override { ended = true; }
    void Abort() override { aborted = true; }

    std::vector<std::vector<PrintedLine>> pages;
    bool failNewPage = false;
    bool ended = false;
    bool aborted = false;
};

QStringList Lines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("line %1").arg(i));
    return lines;
}

TEST(MemoPrinting, EveryPageHoldsTheEightHeaderLinesAndUpToSixtyMore)
{
    const struct {
        int lines;
        std::vector<std::size_t> pageSizes;
    } cases[] = {
        {0, {0}}, {8, {0}}, {9, {9}}, {68, {68}}, {69, {68, 9}}, {128, {68, 68}}, {129, {68, 68, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        RecordingSurface surface;
        const QStringList lines = Lines(c.lines);
        ASSERT_TRUE(PrintMemoLines(lines, surface));
        EXPECT_TRUE(surface.ended);
        ASSERT_EQ(surface.pages.size(), c.pageSizes.size());
        int body = 8;
        for (std::size_t page = 0; page < surface.pages.size(); ++page) {
            ASSERT_EQ(surface.pages[page].size(), c.pageSizes[page]) << page;
            for (std::size_t row = 0; row < surface.pages[page].size(); ++row) {
                const PrintedLine& printed = surface.pages[page][row];
                EXPECT_EQ(printed.x, 200);
                EXPECT_EQ(printed.y, 200 + int(row) * RecordingSurface::Height);
                EXPECT_EQ(printed.text, row < 8 ? lines[qsizetype(row)] : lines[body++]);
            }
        }
        EXPECT_EQ(body, std::max(c.lines, 8));
    }
}

TEST(MemoPrinting, APageThatCannotStartAbortsTheJob)
{
    RecordingSurface surface;
    surface.failNewPage = true;
    EXPECT_FALSE(PrintMemoLines(Lines(69), surface));
    EXPECT_TRUE(surface.aborted);
    EXPECT_FALSE(surface.ended);
    EXPECT_EQ(surface.pages.size(), 1u);
}

int PdfPages(const std::filesystem::path& file)
{
    QFile pdf(QString::fromStdString(file.string()));
    if (!pdf.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(pdf.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

TEST(MemoPrinting, ARealPrinterPrintsSixtyNineLinesOnTwoPages)
{
    TempFolder folder;
    for (const auto& [count, pages] : {std::pair{69, 2}, std::pair{0, 1}}) {
        SCOPED_TRACE(count);
        const auto file = folder / ("memo" + std::to_string(count) + ".pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file.string()));
        PrinterSurface surface(printer);
        ASSERT_TRUE(PrintMemoLines(Lines(count), surface));
        EXPECT_EQ(PdfPages(file), pages);
    }
}

TEST(MemoPrinting, EveryRowFitsOnThePaperOfTheRealPrinter)
{
    TempFolder folder;
    for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter, QPageSize::A5}) {
        SCOPED_TRACE(paper);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((folder / "fit.pdf").string()));
        printer.setPageSize(QPageSize(paper));
        PrinterSurface surface(printer);
        ASSERT_TRUE(surface.Begin());
        EXPECT_LE(PrintMargin + PrintRowsPerPage * surface.LineHeight(), printer.height());
        EXPECT_GT(PrintMargin + PrintRowsPerPage * surface.LineHeight(), printer.height() * 3 / 4);
        surface.End();
    }
}

}  // namespace
