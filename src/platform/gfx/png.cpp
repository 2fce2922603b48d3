#include "platform/gfx/png.h"

#include <png.h>

#include <stdexcept>
#include <vector>

namespace vemra::gfx {

void writePng(const Bitmap& bitmap, const std::filesystem::path& file) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(bitmap.width());
    image.height = png_uint_32(bitmap.height());
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(std::size_t(bitmap.width()) * std::size_t(bitmap.height()) * 3);
    std::size_t i = 0;
    for (Pixel p : bitmap.pixels()) {
        rgb[i++] = png_byte(p >> 16);
        rgb[i++] = png_byte(p >> 8);
        rgb[i++] = png_byte(p);
    }
    if (!png_image_write_to_file(&image, file.c_str(), 0, rgb.data(), 0, nullptr))
        throw std::runtime_error("cannot write " + file.string() + ": " + image.message);
}

Bitmap readPng(const std::filesystem::path& file) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, file.c_str()))
        throw std::runtime_error("cannot read " + file.string() + ": " + image.message);
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr))
        throw std::runtime_error("cannot read " + file.string() + ": " + image.message);
    Bitmap out(int(image.width), int(image.height));
    std::size_t i = 0;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x, i += 3)
            out.setPixel(x, y, (Pixel(rgb[i]) << 16) | (Pixel(rgb[i + 1]) << 8) | Pixel(rgb[i + 2]));
    return out;
}

}  // namespace vemra::gfx
