#include "app/ImageList.h"

#include <QPainter>
#include <QPixmap>

QImage ImageList::Taken(const QImage& picture, QRgb transparent) const
{
    QImage image(size_, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, picture);
    }
    const QRgb key = transparent | 0xFF000000u;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

void ImageList::Add(const QImage& picture, QRgb transparent)
{
    images_.push_back(Taken(picture, transparent));
}

bool ImageList::Replace(int index, const QImage& picture, QRgb transparent)
{
    if (index < 0 || index >= count())
        return false;
    images_[size_t(index)] = Taken(picture, transparent);
    return true;
}

QImage ImageList::image(int index) const
{
    return index >= 0 && index < count() ? images_[size_t(index)] : QImage();
}

QIcon ImageList::icon(int index) const
{
    const QImage picture = image(index);
    return picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture));
}
