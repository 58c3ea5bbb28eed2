#include "app/TfrmSplash.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

TfrmSplash* frmSplash = nullptr;

namespace {

constexpr int SplashWidth = 434;
constexpr int SplashHeight = 393;
constexpr int PictureHeight = 286;

QPixmap SplashPicture()
{
    QPixmap pixmap(SplashWidth, PictureHeight);
    QPainter painter(&pixmap);
    QLinearGradient sea(0, 0, 0, PictureHeight);
    sea.setColorAt(0.0, QColor(12, 40, 84));
    sea.setColorAt(1.0, QColor(30, 110, 160));
    painter.fillRect(pixmap.rect(), sea);
    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPointSize(30);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("Varnik V3"));
    return pixmap;
}

}  // namespace

TfrmSplash::TfrmSplash(QWidget* owner)
    : QDialog(owner, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture(new QLabel(this)),
      txVer(new QLabel(QStringLiteral("Ver. 3.5.1"), this)),
      txInfo(new QLabel(this)),
      notice(new QPlainTextEdit(this)),
      btnOK(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(SplashWidth, SplashHeight);

    picture->setGeometry(0, 0, SplashWidth, PictureHeight);
    picture->setPixmap(SplashPicture());
    txVer->setGeometry(8, PictureHeight + 4, 120, 18);
    txInfo->setGeometry(136, PictureHeight + 4, SplashWidth - 144, 18);
    notice->setGeometry(8, PictureHeight + 26, SplashWidth - 96, SplashHeight - PictureHeight - 34);
    notice->setReadOnly(true);
    notice->setPlainText(QStringLiteral(
        "THIS PRODUCT DOES NOT REPLACE THE NAVIGATION PRODUCTS REQUIRED BY NATIONAL AND "
        "INTERNATIONAL REGULATIONS. THE MAKER CANNOT BE HELD LIABLE FOR DAMAGES CAUSED BY ITS "
        "USE."));
    btnOK->setGeometry(SplashWidth - 80, SplashHeight - 40, 72, 28);
    btnOK->hide();
    connect(btnOK, &QPushButton::clicked, this, &TfrmSplash::btnOKClick);
}

TfrmSplash::~TfrmSplash()
{
    if (frmSplash == this)
        frmSplash = nullptr;
}

void TfrmSplash::btnOKClick()
{
    close();
}

// Every way of closing the dialog ends here; it deletes itself afterwards.
void TfrmSplash::done(int result)
{
    if (frmSplash == this)
        frmSplash = nullptr;
    QDialog::done(result);
}

void SplashSetStatus(TfrmSplash* splash, const QString& text)
{
    if (!splash)
        return;
    if (splash->isVisible())
        splash->txInfo->setText(text);
    splash->txInfo->repaint();
}
