#include "userdata/TWpDlg.h"

#include "frame/PixelGeometry.h"
#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/PositionComputation.h"
#include "platform/system/NamedControl.h"
#include "userdata/ObjectPointEdits.h"
#include "userdata/PositionEditMasks.h"
#include "userdata/RouteGrid.h"
#include "userdata/RouteGridDelegate.h"
#include "userdata/RouteGridIcons.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteStore.h"
#include "userdata/RouteTable.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <mutex>

RouteDialogHooks RouteDialogHook;

namespace {

constexpr std::array<int, RouteGridColumns> ColumnWidths{26, 20, 96, 96, 63, 48, 48,
                                                         59, 58, 66, 40, 48, 20};
constexpr int RowHeight = 18;
constexpr int GridRefreshHold = 2;
// Legs longer than this may be sailed as great circles.
constexpr double GreatCircleToggleMiles = 300.0;

template <typename Control, typename... Arguments>
Control* Named(QWidget* parent, const char* name, Arguments&&... arguments)
{
    auto* control = new Control(std::forward<Arguments>(arguments)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QColor UserColour(int index)
{
    const uint32_t bgr = UserColourTable[size_t(index)];
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

bool Drawing()
{
    return RouteEditMode == RouteDrawing;
}

// The cell shows the route default: the waypoint's own value is 0.
bool ShowsDefault(const WP_typ& entry, int column)
{
    switch (column) {
    case ColSpeed:
        return entry.speed == 0;
    case ColLane:
        return entry.lane == 0;
    case ColRadius:
        return entry.turnRadius == 0;
    case ColStop:
        return entry.stopMinutes == 0;
    default:
        return false;
    }
}

// Halfway along the geodesic, so a leg across the date line gets its middle on the leg.
cmgbase::GeoPoint Midpoint(const cmgbase::GeoPoint& a, const cmgbase::GeoPoint& b)
{
    double distance = 0;
    double bearing = 0;
    cmgbase::GeoPoint middle = a;
    if (cmgbase::InvPosComputation(a, b, &distance, &bearing, 0) == cmgbase::kGeoOk)
        cmgbase::DirPosComputation(a, &middle, bearing, distance / 2, 0);
    return middle;
}

bool StoredRoute()
{
    return RouteId != 0 && RouteId != RouteNotStored;
}

void RequestRedraw()
{
    if (RouteHook.requestRedraw)
        RouteHook.requestRedraw();
}

QString ZoneText(int32_t hours)
{
    return QString::asprintf(hours >= 0 ? "+%d h." : "%d h.", int{hours});
}

}  // namespace

TWpDlg::TWpDlg(QWidget* owner) : QDialog(owner, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName("WpDlg");
    Grid = Named<QTableWidget>(this, "Grid", 0, int(RouteGridColumns));
    for (int column = 0; column < RouteGridColumns; ++column) {
        Grid->setColumnWidth(column, ColumnWidths[size_t(column)]);
        Grid->setHorizontalHeaderItem(column, new QTableWidgetItem);
    }
    const std::array<const char*, 4> titles{"wp", "GC", "Lat.", "Lon."};
    for (int column = 0; column < int(titles.size()); ++column)
        Grid->horizontalHeaderItem(column)->setText(titles[size_t(column)]);
    Grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setSectionsMovable(false);
    Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                          QAbstractItemView::EditKeyPressed);
    Grid->setItemDelegate(new RouteGridDelegate(*this));
    Grid->viewport()->setMouseTracking(true);
    Grid->installEventFilter(this);
    Grid->viewport()->installEventFilter(this);
    connect(Grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int previousRow, int previousColumn) {
                if (row < 0 || column < 0 || GridSelectCell(row, column))
                    return;
                const QSignalBlocker blocker(Grid);
                Grid->setCurrentCell(previousRow, previousColumn);
            });

    btnHide = Named<QPushButton>(this, "btnHide", "Hide");
    connect(btnHide, &QPushButton::clicked, this, [this] { btnHideClick(); });

    gbCalculator = Named<QGroupBox>(this, "gbCalculator", "Calculator");
    edFrom = platform::ReadOnlyEdit(gbCalculator, "edFrom");
    udFrom = platform::ArrowUpDown(gbCalculator, "udFrom", 0, MaxRouteWaypoints);
    txArrow = Named<QLabel>(gbCalculator, "txArrow", "-->");
    edTo = platform::ReadOnlyEdit(gbCalculator, "edTo");
    udTo = platform::ArrowUpDown(gbCalculator, "udTo", 1, MaxRouteWaypoints);
    txDst = Named<QLabel>(gbCalculator, "txDst");
    txTime = Named<QLabel>(gbCalculator, "txTime");
    auto* range = new QHBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{edFrom, udFrom, txArrow, edTo, udTo})
        range->addWidget(control);
    auto* calculator = new QVBoxLayout(gbCalculator);
    calculator->addLayout(range);
    calculator->addWidget(txDst);
    calculator->addWidget(txTime);

    gbDefault = Named<QGroupBox>(this, "gbDefault", "Default");
    txSpd = Named<QLabel>(gbDefault, "txSpd", "Spd.");
    edSpd = platform::ReadOnlyEdit(gbDefault, "edSpd");
    udSpd = platform::ArrowUpDown(gbDefault, "udSpd", 1, 500);
    txLane = Named<QLabel>(gbDefault, "txLane", "Lane");
    edIdx = platform::ReadOnlyEdit(gbDefault, "edIdx");
    udIdx = platform::ArrowUpDown(gbDefault, "udIdx", 1, 999);
    txTurn = Named<QLabel>(gbDefault, "txTurn", "Turn");
    edTurn = platform::ReadOnlyEdit(gbDefault, "edTurn");
    udTurn = platform::ArrowUpDown(gbDefault, "udTurn", 1, 999);
    auto* defaults = new QGridLayout(gbDefault);
    const std::array<std::array<QWidget*, 3>, 3> rows{{{txSpd, edSpd, udSpd},
                                                       {txLane, edIdx, udIdx},
                                                       {txTurn, edTurn, udTurn}}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            defaults->addWidget(rows[size_t(row)][size_t(column)], row, column);

    rgTemp = Named<QGroupBox>(this, "rgTemp", "Changes");
    rbSave = Named<QRadioButton>(rgTemp, "rbSave", "Save");
    rbTemporary = Named<QRadioButton>(rgTemp, "rbTemporary", "Temporary");
    auto* changes = new QVBoxLayout(rgTemp);
    changes->addWidget(rbSave);
    changes->addWidget(rbTemporary);
    rbSave->setChecked(true);
    // Checking an item runs the group's click handler, as choosing it does.
    connect(rbTemporary, &QRadioButton::toggled, this, [this] { rgTempClick(); });

    txZone = Named<QLabel>(this, "txZone", "Zone");
    edEta = platform::ReadOnlyEdit(this, "edEta");
    udEta = platform::ArrowUpDown(this, "udEta", -12, 12);
    auto* zone = new QHBoxLayout;
    zone->addWidget(txZone);
    zone->addWidget(edEta);
    zone->addWidget(udEta);
    auto* side = new QVBoxLayout;
    side->addWidget(rgTemp);
    side->addLayout(zone);
    side->addWidget(btnHide);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(Grid, 1);
    layout->addWidget(gbCalculator);
    layout->addWidget(gbDefault);
    layout->addLayout(side);

    const auto changed = [this](QSpinBox* upDown, void (TWpDlg::*handler)(int32_t)) {
        connect(upDown, &QSpinBox::valueChanged, this, [this, handler](int value) { (this->*handler)(value); });
    };
    changed(udFrom, &TWpDlg::udFromChangingEx);
    changed(udTo, &TWpDlg::udToChangingEx);
    changed(udSpd, &TWpDlg::udSpdChangingEx);
    changed(udIdx, &TWpDlg::udIdxChangingEx);
    changed(udTurn, &TWpDlg::udTurnChangingEx);
    changed(udEta, &TWpDlg::udEtaChangingEx);
}

void TWpDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TWpDlg::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    FormHide();
}

void TWpDlg::FormShow()
{
    shown = false;
    const std::array<const char*, 4> titles{"wp", "GC", "Lat.", "Lon."};
    for (int column = 0; column < int(titles.size()); ++column)
        Grid->horizontalHeaderItem(column)->setText(titles[size_t(column)]);
    if (RouteDialogHook.dockArea) {
        const QRect area = RouteDialogHook.dockArea();
        if (area.width() > 0) {
            resize(area.width(), height());
            move(area.left(), area.bottom() - frameGeometry().height() + 1);
        }
    }
    int used = 0;
    for (int column = 0; column < ColName; ++column)
        used += Grid->columnWidth(column);
    Grid->setColumnWidth(ColName, std::max(ColumnWidths[ColName], width() - used - 40));
    Grid->setColumnWidth(ColIcon, 0);
    Grid->setColumnHidden(ColIcon, true);
    (SetupParameters.RouteChangesTemporary ? rbTemporary : rbSave)->setChecked(true);
    calculatorRanges();
    const std::array<std::pair<QSpinBox*, void (TWpDlg::*)(int32_t)>, 4> shownValues{
        {{udSpd, &TWpDlg::udSpdChangingEx},
         {udIdx, &TWpDlg::udIdxChangingEx},
         {udTurn, &TWpDlg::udTurnChangingEx},
         {udEta, &TWpDlg::udEtaChangingEx}}};
    const std::array<int32_t, 4> values{SetupParameters.DefaultRouteSpeed, SetupParameters.DefaultLane,
                                        SetupParameters.DefaultTurnRadius, SetupParameters.EtaZoneHours};
    for (size_t i = 0; i < values.size(); ++i) {
        setUpDown(shownValues[i].first, values[i]);
        (this->*shownValues[i].second)(shownValues[i].first->value());
    }
    RecalcRouteTable(*this);
    const int32_t row = Drawing() ? RouteEntryCount() : 0;
    if (row < Grid->rowCount())
        Grid->setCurrentCell(row, ColLatitude);
    selectedRow = row;
    selectedColumn = ColLatitude;
    shown = true;
}

void TWpDlg::FormHide()
{
    shown = false;
    if (RouteDialogHook.releaseCalculatorButton)
        RouteDialogHook.releaseCalculatorButton();
}

void TWpDlg::btnHideClick()
{
    hide();
}

void TWpDlg::rgTempClick()
{
    SetupParameters.RouteChangesTemporary = rbTemporary->isChecked() ? 1 : 0;
}

void TWpDlg::setUpDown(QSpinBox* upDown, int32_t value)
{
    const QSignalBlocker blocker(upDown);
    upDown->setValue(value);
}

void TWpDlg::holdGridRefresh()
{
    if (RouteDialogHook.holdGridRefresh)
        RouteDialogHook.holdGridRefresh(GridRefreshHold);
}

// The calculator's waypoint numbers: from 0 with the own position inserted, else from 1.
void TWpDlg::calculatorRanges()
{
    const int32_t count = RouteEntryCount();
    if (OwnPositionInserted) {
        udFrom->setRange(0, std::max(count - 2, 0));
        udTo->setRange(1, std::max(count - 1, 1));
    } else {
        if (SetupParameters.CalcFrom == 0)
            SetupParameters.CalcFrom = 1;
        udFrom->setRange(1, std::max(2, count - 1));
        udTo->setRange(2, std::max(2, count));
    }
    SetupParameters.CalcTo = static_cast<int16_t>(std::min<int32_t>(SetupParameters.CalcTo, count));
    showFrom(SetupParameters.CalcFrom);
    showTo(SetupParameters.CalcTo);
}

void TWpDlg::showFrom(int32_t from)
{
    const int32_t value = std::clamp(from, udFrom->minimum(), udFrom->maximum());
    setUpDown(udFrom, value);
    SetupParameters.CalcFrom = static_cast<int16_t>(value);
    edFrom->setText(QString::number(value));
}

void TWpDlg::showTo(int32_t to)
{
    const int32_t value = std::clamp(to, udTo->minimum(), udTo->maximum());
    setUpDown(udTo, value);
    SetupParameters.CalcTo = static_cast<int16_t>(value);
    edTo->setText(QString::number(value));
}

void TWpDlg::udFromChangingEx(int32_t value)
{
    if (RouteEditMode == RouteDrawing || RouteEditMode == RouteEditing)
        udFrom->setMaximum(std::max(2, RouteEntryCount() - 1));
    showFrom(value);
    if (SetupParameters.CalcFrom >= SetupParameters.CalcTo)
        showTo(SetupParameters.CalcFrom + 1);
    holdGridRefresh();
}

// From follows a To that falls to it or below, never left above To - 1.
void TWpDlg::udToChangingEx(int32_t value)
{
    if (RouteEditMode == RouteDrawing || RouteEditMode == RouteEditing)
        udTo->setMaximum(std::max(2, RouteEntryCount()));
    showTo(value);
    const int32_t to = SetupParameters.CalcTo;
    if (to <= SetupParameters.CalcFrom)
        showFrom(std::min<int32_t>(SetupParameters.CalcFrom, to - 1));
    holdGridRefresh();
}

// A default moved by the user (not by FormShow) is stored with the route at the next refresh.
void TWpDlg::defaultChanged()
{
    if (!shown)
        return;
    defaultsChanged = true;
    holdGridRefresh();
}

void TWpDlg::udSpdChangingEx(int32_t value)
{
    SetupParameters.DefaultRouteSpeed = static_cast<int16_t>(value);
    edSpd->setText(QString::asprintf("%.1f", value * 0.1));
    defaultChanged();
}

void TWpDlg::udIdxChangingEx(int32_t value)
{
    SetupParameters.DefaultLane = static_cast<int16_t>(value);
    edIdx->setText(QString::asprintf("%.2f", value * 0.01));
    if (shown)
        RouteLegGeometryPending = true;  // the lanes are checked against the chart again
    defaultChanged();
}

void TWpDlg::udTurnChangingEx(int32_t value)
{
    SetupParameters.DefaultTurnRadius = static_cast<int16_t>(value);
    edTurn->setText(QString::asprintf("%.2f", value * 0.01));
    defaultChanged();
}

void TWpDlg::udEtaChangingEx(int32_t value)
{
    SetupParameters.EtaZoneHours = static_cast<int16_t>(value);
    edEta->setText(ZoneText(value));
    holdGridRefresh();
}

QString TWpDlg::GridGetEditMask(int32_t column)
{
    switch (column) {
    case ColLatitude:
        return LatitudeEditMask();
    case ColLongitude:
        return LongitudeEditMask();
    case ColEta:
        return QStringLiteral("99.  99:99");  // day of month (1-2), hours (6-7), minutes (9-10)
    default:
        return {};
    }
}

void TWpDlg::GridGetEditText()
{
    if (!cellTouched)
        return;
    cellTouched = false;
    StoreRouteToDatabase(*this);
}

void TWpDlg::GridSetEditText(int32_t row, int32_t column, const QString& text)
{
    editRow = row;
    editColumn = column;
    editText = text;
}

void TWpDlg::centreIfOutside(int32_t row)
{
    if (!RouteDialogHook.autoCentring || !RouteDialogHook.autoCentring() ||
        !RouteDialogHook.centreChartOn || row < 0 || row >= RouteEntryCount())
        return;
    const WP_typ& entry = RouteTable[size_t(row)];
    const cmgbase::GeoPoint position = entry.position;
    if (position == cmgbase::GeoPoint{})
        return;
    const ScreenPoint point = entry.screenPoint;
    const QSize chart = RouteDialogHook.chartSize ? RouteDialogHook.chartSize() : QSize();
    if (point.x < 0 || point.y < 0 || point.x >= chart.width() || point.y >= chart.height())
        RouteDialogHook.centreChartOn(position);
}

bool TWpDlg::GridKeyPress(QChar key)
{
    cellTouched = true;
    if (key != QChar('\r')) {
        editPending = true;
        return false;
    }
    StoreRouteToDatabase(*this);
    const int32_t row = editRow;
    centreIfOutside(row);
    if (editColumn == ColLatitude)
        Grid->setCurrentCell(row, ColLongitude);
    else if (editColumn == ColLongitude && row + 1 < Grid->rowCount())
        Grid->setCurrentCell(row + 1, ColLatitude);
    return true;
}

bool TWpDlg::GridKeyDown(int key)
{
    switch (key) {
    case Qt::Key_Insert:
        insertWaypoint(selectedRow);
        return true;
    case Qt::Key_Delete:
        deleteWaypoint(selectedRow);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (!cellTouched)
            return false;
        GridGetEditText();
        return true;
    default:
        return false;
    }
}

// Between the row's waypoint and the one before it; the first row has none before it.
void TWpDlg::insertWaypoint(int32_t row)
{
    if (!StoredRoute() || row < 1 || row >= RouteEntryCount())
        return;
    const cmgbase::GeoPoint middle =
        Midpoint(RouteTable[size_t(row) - 1].position, RouteTable[size_t(row)].position);
    if (!UpdateObjectPoints(RouteId, row, true, middle))
        return;
    if (EtaReferenceRow >= row)
        ++EtaReferenceRow;
    RecalcRouteTable(*this);
    RequestRedraw();
}

// Any waypoint but the first that is a stored point of the route.
void TWpDlg::deleteWaypoint(int32_t row)
{
    if (!StoredRoute() || row < 1 || row >= RouteEntryCount())
        return;
    if (!UpdateObjectPoints(RouteId, row + 1, false, {}))
        return;
    if (EtaReferenceRow == row)
        EtaReferenceRow = -1;
    else if (EtaReferenceRow > row)
        --EtaReferenceRow;
    RecalcRouteTable(*this);
    RequestRedraw();
}

void TWpDlg::GridMouseMove()
{
    PointerLocation = PointerOverRouteGrid;
}

void TWpDlg::GridMouseDown(int32_t row, int32_t column)
{
    mouseDownRow = row;
    mouseDownColumn = column;
    const int32_t count = RouteEntryCount();
    if (row >= 0 && row == count - 1) {
        {
            const std::lock_guard lock(ComOutStateLock);
            RouteTable[size_t(count)] = WP_typ();
        }
        FillRouteGridRow(*this, count);
    }
    if (column > ColLegKind)
        centreIfOutside(row);
}

void TWpDlg::GridMouseUp(Qt::MouseButton button, int32_t row, int32_t column)
{
    if (button == Qt::LeftButton && row == mouseDownRow && column == mouseDownColumn &&
        column == ColLegKind)
        toggleLegKind(row);
}

// A long leg becomes a great circle, anything else a rhumb line; committed like an edit. A
// step of a divided great circle keeps its kind: it is no stored point and must not look like
// one.
void TWpDlg::toggleLegKind(int32_t row)
{
    if (row < 0 || row >= RouteEntryCount())
        return;
    WP_typ& entry = RouteTable[size_t(row)];
    if (entry.legKind == LoadedGreatCircleStep)
        return;
    const bool toGreatCircle =
        entry.legKind != GreatCircleLeg && entry.legDistance > GreatCircleToggleMiles;
    {
        const std::lock_guard lock(ComOutStateLock);
        entry.legKind = toGreatCircle ? GreatCircleLeg : RhumbLineLeg;
    }
    FillRouteGridRow(*this, row);
    GridSetEditText(row, ColLegKind, QString());
    cellTouched = true;
    editPending = true;
    GridGetEditText();
}

bool TWpDlg::GridSelectCell(int32_t row, int32_t column)
{
    if (column == ColLegKind || column == ColDistance || column == ColBearing || column == ColIcon)
        return false;
    if (RouteEditMode == RouteShown && GreatCircleRouteLoaded && (column < ColSpeed || column > ColStop))
        return false;
    selectedRow = row;
    selectedColumn = column;
    return true;
}

void TWpDlg::KeepChangesChoice(bool temporaryOnly)
{
    if (temporaryOnly)
        rbTemporary->setChecked(true);
    rbSave->setEnabled(!temporaryOnly);
    rbTemporary->setEnabled(RouteEditMode == RouteShown);
}

void TWpDlg::GridDrawCell(QPainter& painter, const QRect& rect, int32_t row, int32_t column)
{
    const int32_t count = RouteEntryCount();
    int32_t highlighted = -1;
    if (RouteEditMode == RouteShown)
        highlighted = CurrentWaypoint;
    else if (Drawing())
        highlighted = count;
    else if (RouteEditMode == RouteEditing)
        highlighted = PickedWaypoint;
    const int32_t daylight = RouteDialogHook.daylight ? RouteDialogHook.daylight() : 0;

    QColor colour = palette().color(QPalette::Text);
    const bool waypoint = row >= 0 && row < count;
    if (row == highlighted)
        colour = UserColour(daylight < 2 ? 2 : 7);
    else if (column == ColEta && row == EtaReferenceRow)
        colour = UserColour(1);
    else if (waypoint && ShowsDefault(RouteTable[size_t(row)], column))
        colour = Qt::gray;
    if (column == ColRadius && waypoint && RouteTable[size_t(row)].turnMisfit)
        colour = UserColour(1);

    painter.save();
    painter.fillRect(rect, palette().color(QPalette::Base));
    const QTableWidgetItem* item = Grid->item(row, column);
    if (column == ColLegKind && waypoint) {
        const QTableWidgetItem* icon = Grid->item(row, ColIcon);
        painter.drawImage(rect.left() + 1, rect.top(), RouteIconCell(icon ? icon->text().toInt() : 0));
    } else {
        const QString text = column == ColLegKind ? QStringLiteral("---") : item ? item->text() : QString();
        painter.setPen(colour);
        painter.drawText(rect.adjusted(2, 2, -1, 0), Qt::AlignLeft | Qt::AlignTop, text);
    }
    if (row == selectedRow && column == selectedColumn) {
        painter.setPen(Qt::gray);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

// Keys pressed in the grid outside an editor, and the mouse over its cells.
bool TWpDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            GridSetEditText(Grid->currentRow(), Grid->currentColumn(), editText);
            return GridKeyPress(QChar('\r'));
        }
        return GridKeyDown(key);
    }
    if (watched == Grid->viewport()) {
        const auto cell = [this](const QMouseEvent* mouse) {
            const QModelIndex index = Grid->indexAt(mouse->position().toPoint());
            return std::pair{index.row(), index.column()};
        };
        switch (event->type()) {
        case QEvent::MouseMove:
            GridMouseMove();
            break;
        case QEvent::MouseButtonPress: {
            const auto [row, column] = cell(static_cast<QMouseEvent*>(event));
            GridMouseDown(row, column);
            break;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const auto [row, column] = cell(mouse);
            GridMouseUp(mouse->button(), row, column);
            break;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RefreshRouteGrid()
{
    if (WpDlg && WpDlg->isVisible())
        RecalcRouteTable(*WpDlg);
}

void ToggleRouteDialog()
{
    if (!WpDlg)
        return;
    WpDlg->setVisible(!WpDlg->isVisible());
}

void ResetRouteDialog(int32_t gridRows)
{
    if (!WpDlg)
        return;
    WpDlg->rbSave->setChecked(true);
    if (gridRows > 0)
        WpDlg->Grid->setRowCount(gridRows);
}
