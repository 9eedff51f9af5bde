#pragma once

#include "graphics/drawing_surface.h"
#include "graphics/twips.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vorrelin {

// A pixel: 0xffRRGGBB, the layout of QImage::Format_RGB32 and of a 32-bit DIB, which windows on
// screen use themselves, so that showing an image copies it as it is.
using Pixel = std::uint32_t;

// The four bytes of a value in the opposite order, which compilers make one instruction.
constexpr std::uint32_t ReverseBytes(std::uint32_t value) {
    return value >> 24 | (value >> 8 & 0xFF00) | (value << 8 & 0xFF0000) | value << 24;
}

// The program's color (red in the low byte) as an opaque pixel (red in the third byte).
constexpr Pixel ToPixel(Color color) {
    return 0xFF000000 | ReverseBytes(color) >> 8;
}

// The pixels of an image, row by row from the top, each row right after the last, and its
// resolution.
struct ImageView {
    int width = 0;
    int height = 0;
    std::span<const Pixel> pixels;
    int dotsPerInch = kStandardDpi;

    Pixel At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
    int BytesPerLine() const { return width * static_cast<int>(sizeof(Pixel)); }
};

// An image with pixels of its own, such as a picture as it was when it was taken.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;
    int dotsPerInch = kStandardDpi;

    explicit Image(const ImageView& view)
        : width(view.width), height(view.height), pixels(view.pixels.begin(), view.pixels.end()),
          dotsPerInch(view.dotsPerInch) {}
    ImageView View() const { return {width, height, pixels, dotsPerInch}; }
};

} // namespace vorrelin
