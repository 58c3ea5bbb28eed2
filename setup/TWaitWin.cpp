#include "setup/TWaitWin.h"

#include "setup/SetupState.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

TWaitWin* WaitWin = nullptr;

void QueueInstallProgress(int percent)
{
    if (TWaitWin* window = WaitWin)
        QMetaObject::invokeMethod(window, [window, percent] { window->ShowInstallProgress(percent); }, Qt::QueuedConnection);
}

TWaitWin::TWaitWin(QWidget* owner) : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    WaitWin = this;
    setObjectName(QStringLiteral("WaitWin"));
    setWindowTitle(QString::fromLatin1(kSetupTitle));
    setCursor(Qt::WaitCursor);
    lblHeader = new QLabel(this);
    lblHeader->setObjectName(QStringLiteral("lblHeader"));
    QFont headerFont = lblHeader->font();
    headerFont.setBold(true);
    headerFont.setPointSizeF(headerFont.pointSizeF() * 1.3);
    lblHeader->setFont(headerFont);
    lblText = new QLabel(this);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setWordWrap(true);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeader);
    layout->addWidget(lblText);
    layout->addWidget(ProgressBar1);
    resize(420, 140);
}

void TWaitWin::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TWaitWin::FormShow()
{
    ProgressBar1->setValue(0);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void TWaitWin::ShowInstallProgress(int percent)
{
    if (!isVisible() || percent < 0 || percent > 100)
        return;
    ProgressBar1->setValue(percent);
    lblHeader->repaint();
    update();
}

int TWaitWin::RunBehind(const std::function<int()>& work)
{
    int result = 1;
    QEventLoop loop;
    QThread* worker = QThread::create([&] { result = work(); });
    connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    delete worker;
    return result;
}
