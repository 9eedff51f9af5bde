#include "graphics/raster_surface.h"
#include "graphics/stamp_line.h"
#include "support.h"
#include "ui/headless_form.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <span>
#include <string>
#include <vector>

namespace vorrelin {
namespace {

constexpr Color kRed = 0x0000FF;
constexpr Pixel kRedPixel = 0xFFFF0000;
constexpr int kArea = 433;
using testing::DrawingArea;
constexpr float kInfinity = std::numeric_limits<float>::infinity();

// The pixels of one color: how many, their bounds and, when small, their shape row by row.
std::string PatchOf(RasterSurface& surface, Pixel pixel) {
    const ImageView image = surface.Pixels().CompleteImage();
    int count = 0, left = image.width, top = image.height, right = -1, bottom = -1;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, y) == pixel) {
                ++count;
                left = std::min(left, x), top = std::min(top, y);
                right = std::max(right, x), bottom = std::max(bottom, y);
            }
        }
    }
    std::string patch = count == 0 ? ""
                                   : std::to_string(count) + " in " + std::to_string(left) + "," +
                                         std::to_string(top) + ".." + std::to_string(right) + "," +
                                         std::to_string(bottom);
    for (int y = top; count > 0 && right - left < 8 && bottom - top < 8 && y <= bottom; ++y) {
        patch += y == top ? " " : "|";
        for (int x = left; x <= right; ++x) {
            patch += image.At(x, y) == pixel ? '#' : '.';
        }
    }
    return patch;
}

// Lines, or a run of them, cover a square pen moved from end to end; what falls outside the
// image is cut off (the sanitizer run checks that nothing is written past it).
TEST(RasterSurface, DrawsLinesAsASquarePenFromEndToEnd) {
    const struct {
        const char* what;
        std::vector<std::array<float, 4>> lines; // a run: the ends of lines from the first start
        const char* red;
        double ratio = 1;
        bool run = false;
    } cases[] = {
        // clang-format off
        {"a dot", {{0, 0, 0, 0}}, "4 in 9,9..10,10 ##|##"},
        {"a dot in the far corner", {{2100, 2100, 2100, 2100}}, "1 in 432,432..432,432 #"},
        {"a dot at twice the density", {{0, 0, 0, 0}}, "16 in 18,18..21,21 ####|####|####|####", 2},
        {"a steep step", {{0, 0, 5, 10}}, "9 in 9,9..11,12 ##.|###|.##|.##"},
        {"a run to the far edge and along it", {{2080, 1000, 2090, 1000}, {0, 0, 2096, 1000},
         {0, 0, 2100, 1000}, {0, 0, 2100, 1006}, {0, 0, 2100, 1012}},
         "13 in 428,210..432,214 #####|#####|....#|....#|....#", 1, true},
        {"through the image", {{-1e6f, 1000, 1e6f, 1000}}, "866 in 0,210..432,211"},
        {"in from the left", {{-1e6f, 0, 1e6f, 2000}}, "867 in 0,210..432,212"},
        {"in from above", {{500, -2000, 1500, 2000}}, "931 in 208,0..312,413"},
        {"just before the left edge", {{-50, 0, -50, 1000}}, "203 in 0,9..0,211"},
        {"outside", {{-3000, -3000, -2000, 5000}, {1e30f, 1e30f, 1e38f, -1e38f}}, ""},
        {"not a line", {{kInfinity, 0, 0, 0}, {std::numeric_limits<float>::quiet_NaN(), 0, 5, 5}},
         ""}};
    // clang-format on
    for (const auto& c : cases) {
        RasterSurface surface = DrawingArea(c.ratio);
        std::vector<Vertex> run = {{c.lines[0][0], c.lines[0][1], 0}};
        for (const auto& [x1, y1, x2, y2] : c.lines) {
            if (c.run) {
                run.push_back({x2, y2, kRed});
            } else {
                surface.Line(x1, y1, x2, y2, kRed);
            }
        }
        surface.Polyline(run);
        EXPECT_EQ(PatchOf(surface, kRedPixel), c.red) << c.what;
    }
}

// At twice the density the picture keeps its place, each pixel now four; new lines use it.
TEST(RasterSurface, KeepsThePictureOnAScreenOfAnotherDensity) {
    RasterSurface surface = DrawingArea();
    surface.Line(0, 0, 0, 0, kRed);
    surface.Pixels().ChangeDensity(2);
    EXPECT_EQ(PatchOf(surface, kRedPixel), "16 in 18,18..21,21 ####|####|####|####");
    surface.Line(1000, 0, 1000, 0, 0x00FF00);
    surface.DrawWidth(1); // a pen of another width paints the square held whole
    surface.Line(0, 1000, 0, 1000, kRed);
    EXPECT_EQ(PatchOf(surface, 0xFF00FF00), "16 in 421,18..424,21 ####|####|####|####");
}

// A refresh repaints what was drawn on since the last, the pen's resting square included.
TEST(RasterSurface, TellsWhatChangedSinceItWasLastAsked) {
    const auto changed = [](RasterSurface& surface) {
        const Rect area = surface.Pixels().TakeChanged();
        return std::array{area.left, area.top, area.Right(), area.Bottom()};
    };
    RasterSurface surface = DrawingArea();
    EXPECT_EQ(changed(surface), (std::array{0, 0, kArea, kArea}));
    surface.Line(0, 0, 1000, 0, kRed);
    EXPECT_EQ(changed(surface), (std::array{9, 9, 212, 11}));
    surface.Line(1000, 0, 1000, 0, kRed); // the pen stays on its square
    EXPECT_EQ(changed(surface), (std::array{210, 9, 212, 11}));
    EXPECT_TRUE(surface.Pixels().TakeChanged().Empty());
    const Vertex steps[] = {{1000, 0, 0},    {995, 5, kRed},  {990, 10, kRed},
                            {985, 15, kRed}, {990, 10, kRed}, {995, 5, kRed}};
    surface.Polyline(steps); // a pixel down and left at each line, and back
    EXPECT_EQ(changed(surface), (std::array{207, 9, 212, 14}));
    surface.Line(1000, 0, 1003, 0, kRed);
    surface.Cls(); // the square the pen rests on goes with the rest
    EXPECT_EQ(changed(surface), (std::array{0, 0, kArea, kArea}));
    EXPECT_EQ(PatchOf(surface, kRedPixel), "");
}

TEST(RasterSurface, RefusesAnEmptyScaleOrWidth) {
    for (auto set :
         {+[](RasterSurface& s) { s.ScaleWidth(0); }, +[](RasterSurface& s) { s.ScaleHeight(0); },
          +[](RasterSurface& s) { s.DrawWidth(0); },
          +[](RasterSurface& s) { s.ScaleLeft(kInfinity); }}) {
        RasterSurface surface(kArea, kArea);
        EXPECT_EQ(testing::ErrorOf([&] { set(surface); }), RuntimeError::kInvalidPropertyValue);
    }
}

// Stroke steps and walks at every pen width the program's densities give (2, 3, 4 and 5 pixels,
// and those where the width rounds), the densest order among them: the rule stamped whole leaves
// the same picture.
TEST(RasterSurface, LeavesWhatStampingEverySquareLeaves) {
    for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5}) {
        for (const char* order : {"2", "5", "7", "9"}) {
            RasterSurface surface(kArea, kArea, ratio);
            DrawOrder(surface, order);

            RasterSurface stamped = DrawingArea(ratio);
            const PenPlacement pen = stamped.Placement();
            RecordingSurface lines([&](const SurfaceOp& op) {
                if (op.kind == SurfaceOp::Kind::Line) {
                    const Vertex ends[] = {{op.x1, op.y1, 0}, {op.x2, op.y2, op.color}};
                    StrokeByStamping(stamped.Pixels(), pen, ends);
                }
            });
            DrawOrder(lines, order);
            const std::span<const Pixel> drawn = surface.Pixels().CompleteImage().pixels;
            const std::span<const Pixel> expected = stamped.Pixels().CompleteImage().pixels;
            EXPECT_TRUE(std::equal(drawn.begin(), drawn.end(), expected.begin(), expected.end()))
                << "order " << order << " at " << ratio;
        }
    }
}

} // namespace
} // namespace vorrelin
