#pragma once
// JPEG pictures through libjpeg-turbo: baseline, three colour components (YCbCr), the library's
// defaults apart from the quality.

#include <QImage>

#include <filesystem>
#include <string>

namespace platform {

// The JPEG file's bytes of image at quality 0..100; empty when the image is null or the library
// fails. 32-bit pictures (a screen grab) are handed to the library as they are.
std::string EncodeJpeg(const QImage& image, int quality);

// Encodes image and replaces path with it whole (FileReplace.h), without waiting for the disk;
// false when either fails, with path left as it was.
bool WriteJpegFile(const std::filesystem::path& path, const QImage& image, int quality);

}  // namespace platform
