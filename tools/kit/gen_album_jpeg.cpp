#include "kit/gen_album_jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace vemra::kit {

namespace {

// libjpeg reports a failure by calling error_exit, which must not return: it jumps back to
// compress(), whose frame holds nothing that needs destroying.
struct JumpingErrors {
    jpeg_error_mgr manager;
    std::jmp_buf failed;
};

void jumpBack(j_common_ptr info) { std::longjmp(reinterpret_cast<JumpingErrors*>(info->err)->failed, 1); }

// Compresses rows of RGB bytes into a buffer that the caller frees; false on failure.
bool compress(const unsigned char* rgb, int width, int height, int quality, unsigned char** out, unsigned long* size) {
    jpeg_compress_struct info;
    JumpingErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    if (setjmp(errors.failed)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(rgb + std::size_t(info.next_scanline) * std::size_t(width) * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

std::vector<std::uint8_t> encodeJpeg(const gfx::Bitmap& bitmap, int quality) {
    if (bitmap.empty()) throw std::invalid_argument("an empty bitmap has no JPEG");
    std::vector<unsigned char> rgb;
    rgb.reserve(bitmap.pixels().size() * 3);
    for (const gfx::Pixel p : bitmap.pixels()) {
        const gfx::Color c = gfx::Color::fromPixel(p);
        rgb.insert(rgb.end(), {c.r, c.g, c.b});
    }
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool done = compress(rgb.data(), bitmap.width(), bitmap.height(), quality, &buffer, &size);
    std::vector<std::uint8_t> jpeg;
    if (done) jpeg.assign(buffer, buffer + size);
    std::free(buffer);
    if (!done) throw std::runtime_error("the JPEG encoder failed");
    return jpeg;
}

}  // namespace vemra::kit
