#include "app/MemoPrinting.h"

#include "app/FixedPitchFont.h"

#include <QFontMetrics>
#include <QPrinter>

bool PrintMemoLines(const QStringList& lines, PrintSurface& surface)
{
    if (!surface.Begin())
        return false;
    // The font's line height: an empty text has no first line to measure.
    const int lineHeight = surface.LineHeight();
    auto print = [&](int row, const QString& text) {
        surface.PrintText(PrintMargin, PrintMargin + row * lineHeight, text);
    };
    bool firstPage = true;
    int row = PrintRowsPerPage;
    for (qsizetype body = PrintHeaderLines; body < lines.size(); ++body) {
        if (++row >= PrintRowsPerPage) {
            if (!firstPage && !surface.NewPage()) {
                surface.Abort();
                return false;
            }
            firstPage = false;
            for (int header = 0; header < PrintHeaderLines; ++header)
                print(header, lines[header]);
            row = PrintHeaderLines;
        }
        print(row, lines[body]);
    }
    surface.End();
    return true;
}

PrinterSurface::PrinterSurface(QPrinter& printer) : printer_(printer), font_(QStringLiteral("Courier New"), 10)
{
    font_.setBold(true);
    font_ = WithFixedPitch(font_);
}

bool PrinterSurface::Begin()
{
    if (!painter_.begin(&printer_))
        return false;
    painter_.setFont(font_);
    const int room = painter_.device()->height() - PrintMargin;
    while (painter_.fontMetrics().height() * PrintRowsPerPage > room && font_.pointSizeF() > 4) {
        font_.setPointSizeF(font_.pointSizeF() - 0.25);
        painter_.setFont(font_);
    }
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
