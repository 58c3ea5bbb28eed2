#include "platform/system/JpegFile.h"

#include "platform/system/FileReplace.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace platform {

namespace {

// The library reports a fatal error through error_exit, which must not return: it jumps back
// into Compress.
struct ErrorExit {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOut(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorExit*>(info->err)->jump, 1);
}

void KeepQuiet(j_common_ptr) {}

struct PixelLayout {
    J_COLOR_SPACE space;
    int components;
};

// Compresses the rows into a buffer the library allocates (released by the caller with free
// in every case). No object with a destructor lives here, so the jump skips nothing; the
// library's state lives in the caller, so that the jump leaves it defined.
bool Compress(jpeg_compress_struct& info, ErrorExit& errors, JSAMPROW* rows, JDIMENSION width,
              JDIMENSION height, PixelLayout layout, int quality, unsigned char** buffer, unsigned long* size)
{
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpOut;
    errors.manager.output_message = KeepQuiet;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = layout.components;
    info.in_color_space = layout.space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height)
        jpeg_write_scanlines(&info, rows + info.next_scanline, info.image_height - info.next_scanline);
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

// Qt's 32-bit formats hold 0xAARRGGBB words: B, G, R, A in memory on a little-endian machine.
constexpr J_COLOR_SPACE WordPixels = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;

}  // namespace

std::string EncodeJpeg(const QImage& image, int quality)
{
    if (image.isNull())
        return {};
    QImage source = image;
    PixelLayout layout{WordPixels, 4};
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        break;
    case QImage::Format_RGB888:
        layout = {JCS_RGB, 3};
        break;
    default:
        source = image.convertToFormat(QImage::Format_RGB32);
        break;
    }

    std::vector<JSAMPROW> rows(static_cast<std::size_t>(source.height()));
    for (int y = 0; y < source.height(); ++y)
        rows[static_cast<std::size_t>(y)] = const_cast<JSAMPROW>(source.constScanLine(y));
    jpeg_compress_struct info{};
    ErrorExit errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool compressed = Compress(info, errors, rows.data(), JDIMENSION(source.width()),
                                     JDIMENSION(source.height()), layout, quality, &buffer, &size);
    std::string bytes;
    if (compressed)
        bytes.assign(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

bool WriteJpegFile(const std::filesystem::path& path, const QImage& image, int quality)
{
    const std::string bytes = EncodeJpeg(image, quality);
    return !bytes.empty() && ReplaceFile(path, bytes, ReplaceSync::Later);
}

}  // namespace platform
