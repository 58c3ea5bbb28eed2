#pragma once
// A list of pictures of one size, numbered from 0, from which the tool bars' buttons take
// their images. A picture keeps its transparent colour's pixels transparent.

#include <QIcon>
#include <QImage>
#include <QRgb>
#include <QSize>

#include <vector>

class ImageList {
public:
    ImageList() = default;
    explicit ImageList(QSize size) : size_(size) {}

    QSize imageSize() const { return size_; }
    int count() const { return int(images_.size()); }

    // Appends the top-left image-sized part of picture; pixels of the transparent colour become
    // transparent.
    void Add(const QImage& picture, QRgb transparent);
    // Puts picture in place of image index, as Add takes it; false for an index not in the list.
    bool Replace(int index, const QImage& picture, QRgb transparent);

    // Image index, a null image for an index not in the list.
    QImage image(int index) const;
    QIcon icon(int index) const;

private:
    QImage Taken(const QImage& picture, QRgb transparent) const;

    QSize size_;
    std::vector<QImage> images_;
};
