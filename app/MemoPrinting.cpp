#include "app/MemoPrinting.h"

#include <QFontMetrics>
#include <QPrinter>

namespace {

constexpr int HeaderLines = 8;
constexpr int LastRow = 67;
constexpr int Margin = 200;

}  // namespace

bool PrintMemoLines(const QStringList& lines, PrintSurface& surface)
{
    if (!surface.Begin())
        return false;
    // The font's line height: an empty text has no first line to measure.
    const int lineHeight = surface.LineHeight();
    auto print = [&](int row, const QString& text) { surface.PrintText(Margin, Margin + row * lineHeight, text); };
    bool firstPage = true;
    int row = LastRow;
    for (qsizetype body = HeaderLines; body < lines.size(); ++body) {
        if (++row > LastRow) {
            if (!firstPage && !surface.NewPage()) {
                surface.Abort();
                return false;
            }
            firstPage = false;
            for (int header = 0; header < HeaderLines; ++header)
                print(header, lines[header]);
            row = HeaderLines;
        }
        print(row, lines[body]);
    }
    surface.End();
    return true;
}

PrinterSurface::PrinterSurface(QPrinter& printer) : printer_(printer), font_(QStringLiteral("Courier New"), 10)
{
    font_.setBold(true);
    font_.setStyleHint(QFont::TypeWriter);
}

bool PrinterSurface::Begin()
{
    if (!painter_.begin(&printer_))
        return false;
    painter_.setFont(font_);
    return true;
}

int PrinterSurface::LineHeight()
{
    return painter_.fontMetrics().height();
}

bool PrinterSurface::NewPage()
{
    return printer_.newPage();
}

void PrinterSurface::PrintText(int x, int y, const QString& text)
{
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), text);
}

void PrinterSurface::End()
{
    painter_.end();
}

void PrinterSurface::Abort()
{
    printer_.abort();
    painter_.end();
}
