#include "userdata/TDptEdit.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace {

constexpr int32_t MaximumDepth = 999;
// OK puts the pointer back this far below where it was.
constexpr int PointerReturnDrop = 29;

}  // namespace

TDptEdit::TDptEdit(QWidget* owner) : QDialog(owner)
{
    setObjectName("DptEdit");
    setWindowTitle("Depth");
    csDpt = new QSpinBox(this);
    csDpt->setObjectName("csDpt");
    csDpt->setRange(0, MaximumDepth);
    btnOK = new QPushButton("OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnDel = new QPushButton("Del", this);
    btnDel->setObjectName("btnDel");
    btnDel->setAutoDefault(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(csDpt);
    layout->addWidget(btnOK);
    layout->addWidget(btnDel);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnDel, &QPushButton::clicked, this, [this] { btnDelClick(); });
}

void TDptEdit::btnOKClick()
{
    depthValue = csDpt->value();
    accept();
    QCursor::setPos(savedMousePos + QPoint(0, PointerReturnDrop));
}

void TDptEdit::btnDelClick()
{
    depthValue = 0;
    accept();
}

void TDptEdit::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    csDpt->setFocus();
    csDpt->selectAll();
    // Best effort: a window system may refuse to move the pointer.
    QCursor::setPos(btnOK->mapToGlobal(btnOK->rect().center()));
}

std::optional<int32_t> AskDepth(TDptEdit& dialog, int32_t depth, QPoint topLeft)
{
    dialog.savedMousePos = QCursor::pos();
    dialog.csDpt->setValue(std::clamp(depth, 0, MaximumDepth));
    dialog.move(topLeft);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.depthValue;
}
