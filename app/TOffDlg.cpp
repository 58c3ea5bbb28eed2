#include "app/TOffDlg.h"

#include "app/ControlBehaviour.h"
#include "app/ProgramExit.h"
#include "app/SystemColours.h"
#include "app/TForm1.h"
#include "platform/system/MessageBox.h"

#include <QCursor>
#include <QEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 246;
constexpr int ClientHeight = 69;

QPushButton* Button(QWidget* parent, const char* name, const char* caption, const char* hint,
                    QRect place)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    if (hint)
        button->setToolTip(QString::fromLatin1(hint));
    button->setGeometry(place);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

}  // namespace

TOffDlg::TOffDlg(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      ExitBtn(Button(this, "ExitBtn", "Exit", "Exit to Windows desktop", {8, 8, 75, 25})),
      MiniBtn(Button(this, "MiniBtn", "Minimize", "Run Varnik in background", {86, 8, 75, 25})),
      CancelBtn(Button(this, "CancelBtn", "Cancel", nullptr, {164, 8, 75, 25})),
      OffBtn(Button(this, "OffBtn", "Shut down", "Shut down Varnik AND computer", {8, 37, 231, 25}))
{
    setObjectName(QStringLiteral("OffDlg"));
    setWindowTitle(QStringLiteral("Varnik"));
    setFixedSize(ClientWidth, ClientHeight);
    setAutoFillBackground(true);
    QFont buttonFont(QStringLiteral("MS Sans Serif"));
    buttonFont.setPixelSize(13);
    buttonFont.setBold(true);
    for (QPushButton* button : {ExitBtn, MiniBtn, CancelBtn, OffBtn}) {
        button->setFont(buttonFont);
        button->setAutoDefault(false);
    }
    // Enter presses Cancel; Escape (reject) hides the dialog as Cancel does.
    CancelBtn->setDefault(true);
    connect(ExitBtn, &QPushButton::clicked, this, [this] { ExitBtnClick(); });
    connect(MiniBtn, &QPushButton::clicked, this, [this] { MiniBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
    connect(OffBtn, &QPushButton::clicked, this, [this] { OffBtnClick(); });
}

void TOffDlg::showEvent(QShowEvent* event)
{
    // The colour scheme in force now (the display modes change it).
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ActiveCaptionColour());
    setPalette(colours);
    if (const QScreen* screen = this->screen())
        move(screen->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

bool TOffDlg::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TOffDlg::FormActivate()
{
    QCursor::setPos(CancelBtn->mapToGlobal(CancelBtn->rect().center()));
}

void TOffDlg::CancelBtnClick()
{
    hide();
}

void TOffDlg::MiniBtnClick()
{
    hide();
    if (Form1)
        Form1->showMinimized();
}

void TOffDlg::ExitBtnClick()
{
    hide();
    ExitProgram();
}

void TOffDlg::OffBtnClick()
{
    hide();
    platform::MessageBoxRequest question;
    question.text = "Do you really want to switch off Varnik computer ?";
    question.caption = "Varnik";
    question.icon = platform::MsgIcon::Question;
    question.buttons = platform::MsgButtons::YesNo;
    if (platform::ShowMessageBox(question) != platform::MsgAnswer::Yes)
        return;
    SwitchOffProgram();
}

void ShowOffDlg()
{
    ShowForm(OffDlg);
}
