#include "chart/TUpdateMsgDlg.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TUpdateMsgDlg::TUpdateMsgDlg(QWidget* owner) : QDialog(owner, Qt::Tool)
{
    setObjectName("UpdateMsgDlg");
    setWindowTitle(QStringLiteral("Update Message"));
    txInfo = new QLabel(this);
    txInfo->setObjectName("txInfo");
    txInfo->setWordWrap(true);
    Button1 = new QPushButton(QStringLiteral("Continue"), this);
    Button2 = new QPushButton(QStringLiteral("Skip"), this);
    Button3 = new QPushButton(QStringLiteral("Stop"), this);
    Button1->setObjectName("Button1");
    Button2->setObjectName("Button2");
    Button3->setObjectName("Button3");
    Button1->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txInfo);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, [this] { done(StopResult); });
}

void TUpdateMsgDlg::showEvent(QShowEvent* event)
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
