#include "userdata/TListDlg.h"

#include "frame/PortSettings.h"
#include "frame/PositionText.h"
#include "frame/SharedTables.h"
#include "platform/system/TextCodec.h"
#include "userdata/ListPointStore.h"
#include "userdata/ObjectPoints.h"
#include "userdata/ObjectDialogHooks.h"
#include "userdata/PositionEditMasks.h"
#include "userdata/RouteCellText.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteTable.h"
#include "userdata/StoredPosition.h"
#include "userdata/TQueryDlg.h"
#include "userdata/UserRecords.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <mutex>
#include <optional>
#include <vector>

namespace {

constexpr std::array<int, ListGridColumns> ColumnWidths{25, 96, 97};
// A position text fits its column at this size.
constexpr int CellPointSize = 8;

// The position cells' editor: a line edit with the column's mask whose keys go to the dialog's
// handlers before the grid's own.
class ListCellDelegate : public QStyledItemDelegate {
public:
    explicit ListCellDelegate(TListDlg& dialog) : QStyledItemDelegate(&dialog), dialog_(dialog) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setInputMask(TListDlg::GridGetEditMask(index.column()));
        const int column = index.column();
        const int row = index.row();
        connect(editor, &QLineEdit::textEdited, editor,
                [this, editor, column, row] { dialog_.GridSetEditText(column, row, editor->displayText()); });
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* line = static_cast<QLineEdit*>(editor);
        const QString text = index.data().toString();
        // The cell follows the editor as it is typed into: the editor keeps its place then.
        if (line->displayText() == text)
            return;
        line->setText(text);
        line->setCursorPosition(0);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QLineEdit*>(editor)->displayText());
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (dialog_.GridKeyDown(key))
                return true;
            if (!key.text().isEmpty())
                dialog_.GridKeyPress(key);
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TListDlg& dialog_;
};

QTableWidgetItem* NumberItem(int row)
{
    auto* item = new QTableWidgetItem(QString::number(row + 1));
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QString PositionCell(int32_t value, bool longitude)
{
    return platform::FromCp1252(FormatLatLon(value, longitude));
}

}  // namespace

TListDlg::TListDlg(QWidget* owner) : FormDialog(owner)
{
    setObjectName(QStringLiteral("ListDlg"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    Grid = new QTableWidget(0, ListGridColumns, this);
    Grid->setObjectName(QStringLiteral("Grid"));
    for (int column = 0; column < ListGridColumns; ++column) {
        Grid->setColumnWidth(column, ColumnWidths[size_t(column)]);
        Grid->setHorizontalHeaderItem(column, new QTableWidgetItem);
    }
    Grid->horizontalHeaderItem(ListColLatitude)->setText(QStringLiteral("Lat."));
    Grid->horizontalHeaderItem(ListColLongitude)->setText(QStringLiteral("Lon."));
    QFont cells = Grid->font();
    cells.setPointSize(CellPointSize);
    Grid->setFont(cells);
    Grid->verticalHeader()->setDefaultSectionSize(18);
    Grid->verticalHeader()->hide();
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                          QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    Grid->setItemDelegate(new ListCellDelegate(*this));
    Grid->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(Grid);
    resize(250, 300);
}

bool TListDlg::routeWork() const
{
    return RouteEditMode == RouteDrawing || RouteEditMode == RouteEditing;
}

int32_t TListDlg::objectId() const
{
    if (routeWork())
        return RouteId;
    return ObjectDialogHook.lineId ? ObjectDialogHook.lineId() : 0;
}

void TListDlg::FormShow()
{
    Grid->horizontalHeaderItem(ListColNumber)->setText(routeWork() ? QStringLiteral("WP") : QStringLiteral("Pt."));
    Grid->setRowCount(0);
    const int32_t id = objectId();
    std::vector<PointRecord> points;
    if (id != 0 && id != RouteNotStored)
        ReadObjectPoints(id, points);
    for (const PointRecord& point : points) {
        const int row = Grid->rowCount();
        Grid->insertRow(row);
        Grid->setItem(row, ListColNumber, NumberItem(row));
        Grid->setItem(row, ListColLatitude, new QTableWidgetItem(PositionCell(point.latitude, false)));
        Grid->setItem(row, ListColLongitude, new QTableWidgetItem(PositionCell(point.longitude, true)));
    }
    addEmptyRow();
    keyTyped = false;
    edited = false;
}

void TListDlg::addEmptyRow()
{
    const int row = Grid->rowCount();
    if (row >= MaxRouteWaypoints)
        return;
    Grid->insertRow(row);
    Grid->setItem(row, ListColNumber, NumberItem(row));
    Grid->setItem(row, ListColLatitude, new QTableWidgetItem);
    Grid->setItem(row, ListColLongitude, new QTableWidgetItem);
}

QString TListDlg::GridGetEditMask(int column)
{
    switch (column) {
    case ListColLatitude:
        return LatitudeEditMask();
    case ListColLongitude:
        return LongitudeEditMask();
    default:
        return {};
    }
}

void TListDlg::GridSetEditText(int column, int row, const QString& text)
{
    editColumn = column;
    editRow = row;
    editText = text;
    if (QTableWidgetItem* item = Grid->item(row, column))
        item->setText(text);
}

bool TListDlg::GridKeyDown(const QKeyEvent& key)
{
    const int code = key.key();
    if (!edited || (code != Qt::Key_Up && code != Qt::Key_Down && code != Qt::Key_Right))
        return false;
    CommitListPoint();
    return true;
}

void TListDlg::GridKeyPress(const QKeyEvent& key)
{
    edited = true;
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        CommitListPoint();
    else
        keyTyped = true;
}

void TListDlg::CommitListPoint()
{
    if (!keyTyped)
        return;
    keyTyped = false;
    edited = false;
    const int row = editRow;
    const QTableWidgetItem* latitudeCell = Grid->item(row, ListColLatitude);
    const QTableWidgetItem* longitudeCell = Grid->item(row, ListColLongitude);
    if (!latitudeCell || !longitudeCell || row < 0 || row >= MaxRouteWaypoints)
        return;
    const std::optional<int32_t> latitude = LatitudeUnitsText(platform::ToCp1252(latitudeCell->text()));
    const std::optional<int32_t> longitude = LongitudeUnitsText(platform::ToCp1252(longitudeCell->text()));
    if (latitude == 0 || longitude == 0)
        return;
    const bool route = routeWork();
    if (!latitude || !longitude || (route && RouteId == RouteNotStored)) {
        QApplication::beep();
        return;
    }
    const ObjectType type = route ? ObjectType::ROUTE : ObjectType::LINE;
    const std::optional<StoredListPoint> stored =
        StoreListPoint(type, objectId(), uint16_t(row + 1), *latitude, *longitude, StoredTime(ClockSeconds));
    if (!stored)
        return;
    const int32_t id = stored->object.id;
    if (route) {
        {
            const std::lock_guard lock(ComOutStateLock);
            RouteId = id;
        }
        ClearRouteTable();
        LoadRouteIntoTable(id);
    } else if (stored->created && ObjectDialogHook.setLineId) {
        ObjectDialogHook.setLineId(id);
    }
    if (ObjectDialogHook.pointTyped)
        ObjectDialogHook.pointTyped({ChartFromStored(*longitude), ChartFromStored(*latitude)}, stored->added);
    if (stored->created)
        OfferForNaming(stored->object);
    if (RouteHook.requestRedraw)
        RouteHook.requestRedraw();
    if (ObjectDialogHook.loadObject)
        ObjectDialogHook.loadObject(type, id);
    if (row == Grid->rowCount() - 1)
        addEmptyRow();
}

bool TListDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Grid && event->type() == QEvent::KeyPress && GridKeyDown(static_cast<const QKeyEvent&>(*event)))
        return true;
    return FormDialog::eventFilter(watched, event);
}
