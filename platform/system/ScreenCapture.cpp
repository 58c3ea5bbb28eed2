#include "platform/system/ScreenCapture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace platform {

QImage GrabPrimaryScreen()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {};
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->grabWindow(0).toImage() : QImage();
}

}  // namespace platform
