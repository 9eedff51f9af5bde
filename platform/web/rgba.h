#pragma once

#include "graphics/image.h"
#include "graphics/rect.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace vorrelin {

// A pixel as the browser's ImageData holds it, its bytes red, green, blue and alpha in memory:
// read as a little-endian word, 0xAABBGGRR, where the program's pixel is 0xffRRGGBB.
constexpr std::uint32_t ToRgba(Pixel pixel) {
    return (pixel & 0xFF00FF00) | (pixel >> 16 & 0xFF) | (pixel & 0xFF) << 16;
}

// Copies a rectangle of an image into a buffer of ImageData pixels of the same size, converting
// each pixel, and leaves the rest of the buffer as it is.
inline void CopyAsRgba(const ImageView& image, const Rect& area, std::span<std::uint32_t> to) {
    for (int y = area.top; y < area.Bottom(); ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
        for (int x = area.left; x < area.Right(); ++x) {
            to[row + static_cast<std::size_t>(x)] =
                ToRgba(image.pixels[row + static_cast<std::size_t>(x)]);
        }
    }
}

} // namespace vorrelin
