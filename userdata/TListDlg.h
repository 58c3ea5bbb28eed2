#pragma once
// The point list: the points of the line being drawn, or of the route being drawn or edited, as
// positions in a grid where the user types new ones. Each committed point is stored at once
// (ListPointStore.h); nothing is pending when the dialog closes. Main thread only.

#include "platform/system/FormDialog.h"

#include <QString>

#include <cstdint>

class QKeyEvent;
class QTableWidget;

// Columns of the grid.
enum ListGridColumn : int {
    ListColNumber = 0,
    ListColLatitude = 1,
    ListColLongitude = 2,
    ListGridColumns = 3,
};

class TListDlg : public platform::FormDialog {
public:
    explicit TListDlg(QWidget* owner = nullptr);

    // The column titles and the stored points of the object, one row each, with an empty row
    // after them for the next.
    void FormShow() override;
    // The input mask of a column's editor: degrees, minutes and thousandths of a minute and the
    // hemisphere at the fixed places the position texts have; none for the number column.
    static QString GridGetEditMask(int column);
    // The cell being edited, its row and its text (which the cell takes at once).
    void GridSetEditText(int column, int row, const QString& text);
    // Up, Down and Right commit the row while it was edited, and are then swallowed: true.
    bool GridKeyDown(const QKeyEvent& key);
    // A key that types a character: the row counts as edited; Enter commits it, any other key
    // marks that something was typed.
    void GridKeyPress(const QKeyEvent& key);
    // Stores the position of the row last edited, once something was typed since the last
    // commit: the route being drawn or edited (RouteEditMode 2 or 3) or else the line, made with
    // the first point. A position whose cell reads 0 is not stored; one refused (beyond 90 or 180
    // degrees, 60 minutes or more, no hemisphere letter) beeps and is not stored.
    void CommitListPoint();

    QTableWidget* Grid;

    int editColumn = 0;
    int editRow = 0;
    QString editText;
    bool keyTyped = false;
    bool edited = false;

protected:
    // Keys on the grid outside its editor go to GridKeyDown too.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool routeWork() const;
    int32_t objectId() const;
    void addEmptyRow();
};

inline TListDlg* ListDlg = nullptr;
