#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vorrelin {

// An image, pixels 0xAARRGGBB row by row from the top, as PNG: 8 bits a channel, with the alpha
// channel only if `alpha`. Encoded by libpng, with nothing in it but the picture, so the same
// pixels always give the same bytes. Empty if libpng fails.
std::string EncodePng(int width, int height, std::span<const std::uint32_t> pixels, bool alpha);

// The same, written to a file. Returns false if it cannot be made or written.
bool WritePng(const std::string& path, int width, int height, std::span<const std::uint32_t> pixels,
              bool alpha);

} // namespace vorrelin
