#include "tools/png.h"

#include <csetjmp>
#include <cstddef>
#include <fstream>
#include <png.h>
#include <vector>

namespace vorrelin {

namespace {

void Append(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), length);
}

void Flush(png_structp) {}

// libpng reports its errors by a long jump back to here, over nothing that needs destroying:
// the rows and the output are made by the caller.
bool Encode(std::string& out, int width, int height, const std::vector<png_bytep>& rows,
            bool alpha) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, Append, Flush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    png_write_image(png, const_cast<png_bytepp>(rows.data()));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

std::string EncodePng(int width, int height, std::span<const std::uint32_t> pixels, bool alpha) {
    const std::size_t channels = alpha ? 4 : 3;
    std::vector<png_byte> bytes;
    bytes.reserve(pixels.size() * channels);
    for (const std::uint32_t pixel : pixels) {
        bytes.push_back(static_cast<png_byte>(pixel >> 16));
        bytes.push_back(static_cast<png_byte>(pixel >> 8));
        bytes.push_back(static_cast<png_byte>(pixel));
        if (alpha) {
            bytes.push_back(static_cast<png_byte>(pixel >> 24));
        }
    }
    std::vector<png_bytep> rows;
    for (int y = 0; y < height; ++y) {
        rows.push_back(bytes.data() + static_cast<std::size_t>(y) * width * channels);
    }
    std::string out;
    if (!Encode(out, width, height, rows, alpha)) {
        return {};
    }
    return out;
}

bool WritePng(const std::string& path, int width, int height, std::span<const std::uint32_t> pixels,
              bool alpha) {
    const std::string png = EncodePng(width, height, pixels, alpha);
    std::ofstream file(path, std::ios::binary);
    return !png.empty() &&
           file.write(png.data(), static_cast<std::streamsize>(png.size())).flush().good();
}

} // namespace vorrelin
