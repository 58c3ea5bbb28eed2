#pragma once
// What a JPEG file is, read back two ways: its frame marker walked byte by byte (baseline or
// not) and its picture decoded whole by libjpeg, with the quantisation tables it carries.

#include <array>
#include <csetjmp>
#include <cstdint>
#include <string>
#include <vector>

#include <jpeglib.h>

struct JpegFacts {
    bool decoded = false;
    int frameMarker = 0;  // 0xC0 baseline, 0xC1 extended, 0xC2 progressive, ...
    int width = 0;
    int height = 0;
    int components = 0;
    std::array<unsigned, 64> luminanceTable{};
    std::vector<unsigned char> pixels;  // decoded RGB, row by row
};

namespace jpegtest {

// The type of the first frame marker (SOFn) after the start of image; 0 when there is none.
inline int FrameMarker(const std::string& bytes)
{
    std::size_t at = 2;
    while (at + 4 <= bytes.size() && static_cast<unsigned char>(bytes[at]) == 0xFF) {
        const int marker = static_cast<unsigned char>(bytes[at + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return marker;
        const std::size_t length = std::size_t(static_cast<unsigned char>(bytes[at + 2])) << 8 |
                                   static_cast<unsigned char>(bytes[at + 3]);
        at += 2 + length;
    }
    return 0;
}

struct Failure {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] inline void JumpOut(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<Failure*>(info->err)->jump, 1);
}

inline bool Decode(jpeg_decompress_struct& info, Failure& failure, const std::string& bytes, JpegFacts& facts)
{
    info.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = JumpOut;
    if (setjmp(failure.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    facts.components = info.num_components;
    for (int i = 0; i < 64; ++i)
        facts.luminanceTable[std::size_t(i)] = info.quant_tbl_ptrs[0]->quantval[i];
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    facts.width = int(info.output_width);
    facts.height = int(info.output_height);
    facts.pixels.resize(std::size_t(facts.width) * std::size_t(facts.height) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = facts.pixels.data() + std::size_t(info.output_scanline) * std::size_t(facts.width) * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace jpegtest

inline JpegFacts ReadJpeg(const std::string& bytes)
{
    JpegFacts facts;
    facts.frameMarker = jpegtest::FrameMarker(bytes);
    jpeg_decompress_struct info{};
    jpegtest::Failure failure{};
    facts.decoded = jpegtest::Decode(info, failure, bytes, facts);
    return facts;
}
