#pragma once
// Printing the text editor's lines: the first eight lines are a header printed atop every page,
// followed by up to 60 body lines; row r of a page is printed at x 200, y 200 + r x the line
// height, in the printer's units.

#include <QFont>
#include <QPainter>
#include <QStringList>

class QPrinter;

constexpr int PrintMargin = 200;  // left and top, in the printer's units
constexpr int PrintHeaderLines = 8;
constexpr int PrintRowsPerPage = 68;  // the header and 60 body lines

// Where the lines go: a printer, or a recorder in tests.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;
    // Starts the job on its first page; false when it cannot start.
    virtual bool Begin() = 0;
    // The height of a printed line in the printer font.
    virtual int LineHeight() = 0;
    virtual bool NewPage() = 0;
    virtual void PrintText(int x, int y, const QString& text) = 0;
    virtual void End() = 0;
    virtual void Abort() = 0;
};

// Prints lines as above; false when the job did not start or was aborted on a failing page.
bool PrintMemoLines(const QStringList& lines, PrintSurface& surface);

// A printer, in "Courier New" of 10 points, bold; smaller where a page cannot hold all its rows
// in that size (Letter paper in a tall face).
class PrinterSurface final : public PrintSurface {
public:
    explicit PrinterSurface(QPrinter& printer);

    bool Begin() override;
    int LineHeight() override;
    bool NewPage() override;
    void PrintText(int x, int y, const QString& text) override;
    void End() override;
    void Abort() override;

private:
    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
};
