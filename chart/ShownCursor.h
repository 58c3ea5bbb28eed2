#pragma once
// A cursor shape over the whole program while a piece of chart work runs; the one before comes
// back when the work ends, however it ends.

#include <QApplication>
#include <QCursor>

class ShownCursor {
public:
    explicit ShownCursor(Qt::CursorShape shape) { QApplication::setOverrideCursor(QCursor(shape)); }
    ~ShownCursor() { QApplication::restoreOverrideCursor(); }
    ShownCursor(const ShownCursor&) = delete;
    ShownCursor& operator=(const ShownCursor&) = delete;
};
