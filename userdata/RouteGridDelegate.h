#pragma once
// The route grid's cell editor and painter: each cell is painted by the dialog's GridDrawCell;
// an editor gets its column's input mask, tells the dialog every change of its text (as shown,
// blanks in place, so the parsers find their fields where they read them) and hands its keys to
// the dialog's key handlers first. The dialog commits what was typed; the model is never written
// here, the dialog rewrites the grid from the route table.

#include <QStyledItemDelegate>

class TWpDlg;

class RouteGridDelegate : public QStyledItemDelegate {
public:
    explicit RouteGridDelegate(TWpDlg& dialog);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TWpDlg& dialog_;
};
