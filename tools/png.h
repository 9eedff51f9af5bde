#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vorrelin {

// Writes an image, pixels 0xAARRGGBB row by row from the top, as a PNG file: 8 bits a channel,
// with the alpha channel only if `alpha`. Returns false if the file cannot be written.
bool WritePng(const std::string& path, int width, int height,
              std::span<const std::uint32_t> pixels, bool alpha);

} // namespace vorrelin
