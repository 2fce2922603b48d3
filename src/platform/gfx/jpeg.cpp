#include "platform/gfx/jpeg.h"

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>
// after jpeglib.h, which it needs
#include <jerror.h>

#include "platform/win/binary_reader.h"

namespace vemra::gfx {

namespace {

static_assert(std::endian::native == std::endian::little, "JCS_EXT_BGRX matches 0x00RRGGBB pixels in little endian");

struct ErrorManager {
    jpeg_error_mgr standard;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void fail(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->standard.format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings are ignored, except the one for input that ends early: the library would fill the
// rest of the picture with grey.
void warn(j_common_ptr info, int level) {
    if (level == -1 && info->err->msg_code == JWRN_JPEG_EOF) fail(info);
}

// Only C objects live in this frame, so leaving it by longjmp skips no destructor.
bool decodeInto(std::span<const std::uint8_t> bytes, Bitmap& out, ErrorManager& errors) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&errors.standard);
    errors.standard.error_exit = fail;
    errors.standard.emit_message = warn;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width > unsigned(maxJpegSide) || info.image_height > unsigned(maxJpegSide)) {
        std::snprintf(errors.message, sizeof errors.message, "%u x %u is larger than %d x %d", info.image_width,
                      info.image_height, maxJpegSide, maxJpegSide);
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    out = Bitmap(int(info.output_width), int(info.output_height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(out.row(int(info.output_scanline)));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

Bitmap decodeJpeg(std::span<const std::uint8_t> bytes) {
    ErrorManager errors{};
    Bitmap picture;
    if (!decodeInto(bytes, picture, errors)) throw win::FormatError(std::string("JPEG picture: ") + errors.message);
    for (int y = 0; y < picture.height(); ++y)
        for (Pixel* p = picture.row(y); p != picture.row(y) + picture.width(); ++p) *p &= 0x00ffffffu;  // the X byte
    return picture;
}

}  // namespace vemra::gfx
