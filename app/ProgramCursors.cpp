#include "app/ProgramCursors.h"

#include <QPainter>
#include <QPixmap>

#include <array>
#include <functional>
#include <optional>

namespace {

constexpr int Size = 32;
constexpr int Centre = Size / 2;

std::array<std::optional<QCursor>, 10> Cursors;

// A 32 x 32 pointer drawn black on a white outline, its hot spot at the centre.
QCursor DrawnCursor(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const auto& [colour, width] : {std::pair{Qt::white, 3}, std::pair{Qt::black, 1}}) {
        painter.setPen(QPen(colour, width));
        painter.setBrush(Qt::NoBrush);
        draw(painter);
    }
    return QCursor(pixmap, Centre, Centre);
}

void Cross(QPainter& p, int half)
{
    p.drawLine(Centre - half, Centre - half, Centre + half, Centre + half);
    p.drawLine(Centre - half, Centre + half, Centre + half, Centre - half);
}

}  // namespace

void LoadProgramCursors()
{
    Cursors[CursorDelete] = DrawnCursor([](QPainter& p) { Cross(p, 6); });
    Cursors[CursorCut] = DrawnCursor([](QPainter& p) {
        p.drawEllipse(Centre - 9, Centre + 4, 6, 6);
        p.drawEllipse(Centre + 3, Centre + 4, 6, 6);
        p.drawLine(Centre - 4, Centre + 5, Centre + 5, Centre - 9);
        p.drawLine(Centre + 4, Centre + 5, Centre - 5, Centre - 9);
    });
    Cursors[CursorHook] = DrawnCursor([](QPainter& p) {
        p.drawLine(Centre, Centre - 12, Centre, Centre);
        p.drawArc(Centre - 6, Centre - 6, 12, 12, 180 * 16, 180 * 16);
        p.drawLine(Centre - 6, Centre, Centre - 6, Centre - 3);
    });
    Cursors[CursorDeleteArea] = DrawnCursor([](QPainter& p) {
        p.drawRect(Centre - 9, Centre - 9, 18, 18);
        Cross(p, 5);
    });
    Cursors[CursorEcs] = DrawnCursor([](QPainter& p) {
        p.drawEllipse(Centre - 5, Centre - 5, 10, 10);
        p.drawLine(Centre - 14, Centre, Centre - 6, Centre);
        p.drawLine(Centre + 6, Centre, Centre + 14, Centre);
        p.drawLine(Centre, Centre - 14, Centre, Centre - 6);
        p.drawLine(Centre, Centre + 6, Centre, Centre + 14);
    });
}

QCursor ProgramCursor(int number)
{
    if (number >= 0 && number < int(Cursors.size()) && Cursors[number])
        return *Cursors[number];
    return QCursor(Qt::ArrowCursor);
}
