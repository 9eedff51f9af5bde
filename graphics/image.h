#pragma once

#include "graphics/drawing_surface.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace vorrelin {

// A pixel: 0xffRRGGBB, the layout of QImage::Format_RGB32 and of a 32-bit DIB, which windows on
// screen use themselves, so that showing an image copies it as it is.
using Pixel = std::uint32_t;

// The program's colour (red in the low byte) as an opaque pixel (red in the third byte).
constexpr Pixel ToPixel(Colour colour) {
    return 0xFF000000 | (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

// The pixels of an image, row by row from the top, each row right after the last.
struct ImageView {
    int width = 0;
    int height = 0;
    std::span<const Pixel> pixels;

    Pixel At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
    int BytesPerLine() const { return width * static_cast<int>(sizeof(Pixel)); }
};

} // namespace vorrelin
