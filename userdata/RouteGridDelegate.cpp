#include "userdata/RouteGridDelegate.h"

#include "userdata/RouteStore.h"
#include "userdata/TWpDlg.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace {

constexpr const char* RowProperty = "gridRow";
constexpr const char* ColumnProperty = "gridColumn";

// Columns whose text a commit takes: the others are computed or toggled.
bool Editable(int column)
{
    switch (column) {
    case ColLatitude:
    case ColLongitude:
    case ColSpeed:
    case ColLane:
    case ColRadius:
    case ColEta:
    case ColStop:
    case ColName:
        return true;
    default:
        return false;
    }
}

int Row(const QObject* editor)
{
    return editor->property(RowProperty).toInt();
}

int Column(const QObject* editor)
{
    return editor->property(ColumnProperty).toInt();
}

}  // namespace

RouteGridDelegate::RouteGridDelegate(TWpDlg& dialog) : QStyledItemDelegate(&dialog), dialog_(dialog) {}

QWidget* RouteGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const
{
    if (!Editable(index.column()) || !dialog_.GridSelectCell(index.row(), index.column()))
        return nullptr;
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setInputMask(TWpDlg::GridGetEditMask(index.column()));
    editor->setProperty(RowProperty, index.row());
    editor->setProperty(ColumnProperty, index.column());
    connect(editor, &QLineEdit::textEdited, editor, [this, editor] {
        dialog_.GridSetEditText(Row(editor), Column(editor), editor->displayText());
    });
    return editor;
}

void RouteGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line || dialog_.editPending)
        return;  // the text being typed stays
    line->setText(index.data().toString());
    dialog_.GridSetEditText(index.row(), index.column(), line->displayText());
}

void RouteGridDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex&) const
{
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && dialog_.editPending)
        dialog_.GridSetEditText(Row(line), Column(line), line->displayText());
    dialog_.GridGetEditText();
}

void RouteGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    dialog_.GridDrawCell(*painter, option.rect, index.row(), index.column());
}

// Keys reach the dialog before the editor: Enter commits and moves on, Escape drops the edit,
// the arrow keys commit a touched cell, other characters mark the edit pending.
bool RouteGridDelegate::eventFilter(QObject* watched, QEvent* event)
{
    auto* line = qobject_cast<QLineEdit*>(watched);
    if (!line || event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        dialog_.GridSetEditText(Row(line), Column(line), line->displayText());
        emit closeEditor(line, NoHint);
        dialog_.GridKeyPress(QChar('\r'));
        return true;
    case Qt::Key_Escape:
        dialog_.editPending = false;
        dialog_.cellTouched = false;
        emit closeEditor(line, RevertModelCache);
        RecalcRouteTable(dialog_);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (!dialog_.cellTouched)
            break;
        dialog_.GridSetEditText(Row(line), Column(line), line->displayText());
        emit closeEditor(line, NoHint);
        return dialog_.GridKeyDown(key->key());
    default:
        if (!key->text().isEmpty() && key->text()[0].isPrint())
            dialog_.GridKeyPress(key->text()[0]);
        break;
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}
