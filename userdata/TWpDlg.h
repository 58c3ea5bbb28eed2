#pragma once
// The route dialog: a stay-on-top tool window along the bottom of the main window with the route
// grid, the calculator of distance and time between two waypoints, the route defaults, the ETA
// zone and the choice whether grid edits are saved or kept temporary. Grid row i shows entry i
// of the route table (the column titles are header items, not a row), and the row numbers kept
// here count the same way. Main thread only.

#include "platform/geodesy/GeoTypes.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QTableWidget>

#include <cstdint>
#include <functional>

class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;
class QSpinBox;
struct ScreenPoint;

// Columns of the route grid.
enum RouteGridColumn : int {
    ColNumber = 0,
    ColLegKind = 1,  // the leg-kind icon, drawn from ColIcon
    ColLatitude = 2,
    ColLongitude = 3,
    ColDistance = 4,
    ColBearing = 5,
    ColSpeed = 6,
    ColLane = 7,
    ColRadius = 8,
    ColEta = 9,
    ColStop = 10,
    ColName = 11,
    ColIcon = 12,  // icon number: leg kind plus the danger background
    RouteGridColumns = 13,
};

// What the dialog asks of the main window. The application sets the hooks at start-up; an unset
// hook does nothing (no auto-centring, display mode 0, the dialog stays where it is).
struct RouteDialogHooks {
    // The main window's route-grid refresh count-down: the grid is rewritten when it runs out.
    std::function<void(int32_t ticks)> holdGridRefresh;
    // Releases the main window's route-calculator tool button.
    std::function<void()> releaseCalculatorButton;
    // AutoBtn is down and no chart pick is in progress: an edited or clicked waypoint outside
    // the chart is brought into view.
    std::function<bool()> autoCentring;
    // The chart area in pixels, where the route painter's screen points lie.
    std::function<QSize()> chartSize;
    // Centres the main view on the position (a full redraw when the centre changed) and moves
    // the mouse pointer onto it.
    std::function<void(const cmgbase::GeoPoint&)> centreChartOn;
    // The main window's Daylight selection (0 day .. 4 night).
    std::function<int32_t()> daylight;
    // Where the dialog docks, in global coordinates: left and bottom of the main window, width
    // of the chart paint box CM93.
    std::function<QRect()> dockArea;
};
extern RouteDialogHooks RouteDialogHook;

class TWpDlg : public QDialog {
public:
    explicit TWpDlg(QWidget* owner = nullptr);

    // Handlers, named as the form's events.
    void FormShow();
    void FormHide();
    void btnHideClick();
    void rgTempClick();
    // Up-down changes: each takes the value asked for and keeps the one it allows.
    void udFromChangingEx(int32_t value);
    void udToChangingEx(int32_t value);
    void udSpdChangingEx(int32_t value);
    void udIdxChangingEx(int32_t value);
    void udTurnChangingEx(int32_t value);
    void udEtaChangingEx(int32_t value);
    // The input mask of a column's editor: positions, hemisphere letters and ETA fields stay
    // where the cell parsers read them.
    static QString GridGetEditMask(int32_t column);
    // The editor leaves a cell: a touched cell is committed.
    void GridGetEditText();
    void GridSetEditText(int32_t row, int32_t column, const QString& text);
    // A character typed into the grid (Enter as '\r'); true when the key is used up.
    bool GridKeyPress(QChar key);
    // A key pressed in the grid (Qt::Key); true when the key is used up.
    bool GridKeyDown(int key);
    // Paints one cell: its text, the leg-kind icon over its danger background, the highlighted
    // row, the typed ETA, defaults in grey, a turn that does not fit, the chosen cell's frame.
    void GridDrawCell(QPainter& painter, const QRect& rect, int32_t row, int32_t column);
    void GridMouseMove();
    void GridMouseDown(int32_t row, int32_t column);
    void GridMouseUp(Qt::MouseButton button, int32_t row, int32_t column);
    // False when the cell cannot be chosen.
    bool GridSelectCell(int32_t row, int32_t column);

    // The one-second tick's care of rgTemp: with `temporaryOnly` (an object loaded for editing,
    // or a followed route chosen in the grid) "Temporary" is chosen and "Save" disabled, else
    // "Save" is enabled; "Temporary" is open only while a route is shown or followed.
    void KeepChangesChoice(bool temporaryOnly);

    QTableWidget* Grid;
    QPushButton* btnHide;
    QGroupBox* gbCalculator;
    QLineEdit* edFrom;
    QSpinBox* udFrom;
    QLabel* txArrow;
    QLineEdit* edTo;
    QSpinBox* udTo;
    QLabel* txDst;   // distance between the calculator's waypoints
    QLabel* txTime;  // and the time it takes
    QGroupBox* gbDefault;
    QLabel* txSpd;
    QLineEdit* edSpd;
    QSpinBox* udSpd;
    QLabel* txLane;
    QLineEdit* edIdx;
    QSpinBox* udIdx;
    QLabel* txTurn;
    QLineEdit* edTurn;
    QSpinBox* udTurn;
    QGroupBox* rgTemp;  // "Changes": "Save", "Temporary"
    QRadioButton* rbSave;
    QRadioButton* rbTemporary;
    QLabel* txZone;
    QLineEdit* edEta;
    QSpinBox* udEta;

    // The row whose ETA was typed as the reference (-1 none) and that moment in seconds since
    // 1970.
    int32_t EtaReferenceRow = -1;
    int64_t EtaReferenceTime = 0;

    // The cell being edited and its text (as the editor shows it, blanks in place).
    int editColumn = 0;
    int editRow = 0;
    QString editText;
    bool editPending = false;      // a cell is being edited: the grid is not rewritten
    bool defaultsChanged = false;  // a route default was changed: store it with the route
    bool cellTouched = false;      // a key was typed or a cell chosen: committed when left
    bool shown = false;            // between the end of FormShow and FormHide
    int32_t selectedRow = 0;
    int32_t selectedColumn = ColLatitude;
    int32_t mouseDownRow = -1;
    int32_t mouseDownColumn = -1;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void holdGridRefresh();
    void defaultChanged();
    void setUpDown(QSpinBox* upDown, int32_t value);
    void calculatorRanges();
    // The calculator's waypoint number held to its up-down's range, shown and stored.
    void showFrom(int32_t from);
    void showTo(int32_t to);
    void commitTouched();
    void centreIfOutside(int32_t row);
    void insertWaypoint(int32_t row);
    void deleteWaypoint(int32_t row);
    void toggleLegKind(int32_t row);
};

inline TWpDlg* WpDlg = nullptr;

// The route grid rewritten from the table when the dialog is visible (after the legs' geometry
// changed, a route was loaded or edited on the chart).
void RefreshRouteGrid();
// The route bar's calculator button: shows the dialog, or hides it when visible.
void ToggleRouteDialog();
// A route drawn or released on the route bar: "Save" chosen again and, with gridRows above 0, the
// grid given that many rows.
void ResetRouteDialog(int32_t gridRows);
