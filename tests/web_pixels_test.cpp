#include "platform/web/rgba.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace vorrelin {
namespace {

// ImageData holds red, green, blue and alpha bytes, a little-endian word 0xAABBGGRR; only the
// rectangle asked for is written, the rest of the canvas's buffer stays as it was.
TEST(CopyAsRgba, WritesTheRectangleAsRedGreenBlueAlphaBytes) {
    const std::vector<Pixel> pixels = {0xFF102030, 0xFF405060, 0xFF708090,
                                       0xFFA0B0C0, 0xFFD0E0F0, 0xFF010203};
    std::vector<std::uint32_t> canvas(pixels.size(), 7);
    CopyAsRgba({3, 2, pixels}, {1, 1, 2, 1}, canvas);
    EXPECT_EQ(canvas, (std::vector<std::uint32_t>{7, 7, 7, 7, 0xFFF0E0D0, 0xFF030201}));
}

} // namespace
} // namespace vorrelin
