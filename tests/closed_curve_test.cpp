#include "curve/closed_curve.h"
#include "graphics/raster_surface.h"

#include <gtest/gtest.h>
#include <vector>

namespace vorrelin {
namespace {

// The window's drawing area as the draw command leaves it before the curve. At each refresh it
// keeps what the screen then shows of the pen square on (1000, 500), where the curves below
// start, the only place a curve of unit 0 draws on.
struct DrawingArea {
    std::vector<Pixel> shown;
    RasterSurface surface{433, 433, 1.0,
                          [this] { shown.push_back(surface.CompleteImage().At(210, 110)); }};

    DrawingArea() {
        surface.DrawWidth(2);
        surface.BackColor(0);
        surface.Cls();
        surface.ScaleLeft(-50);
        surface.ScaleTop(-50);
        surface.ScaleWidth(2150);
        surface.ScaleHeight(2150);
    }
    std::vector<Pixel> Picture() {
        const ImageView image = surface.CompleteImage();
        return {image.pixels.begin(), image.pixels.end()};
    }
};

// At unit 0, from depth 10 to 14, the deepest the program draws, the curve drawn at once leaves
// what all its segments leave: the picture, what the last refresh showed, and the window's
// variables.
TEST(ClosedCurve, AtUnitZeroTheShortcutLeavesWhatEverySegmentLeaves) {
    for (std::int16_t depth = 10; depth <= 14; ++depth) {
        DrawingArea atOnce;
        DrawingArea traced;
        CurveState shortcut{.CurX = 1000, .CurY = 500, .Level = depth};
        CurveState everySegment = shortcut;
        DrawClosedCurve(shortcut, atOnce.surface);
        TraceClosedCurve(everySegment, traced.surface);
        EXPECT_EQ(atOnce.Picture(), traced.Picture()) << depth;
        ASSERT_FALSE(atOnce.shown.empty()) << depth;
        EXPECT_EQ(atOnce.shown.back(), traced.shown.back()) << depth;
        EXPECT_EQ(shortcut.CurX, everySegment.CurX) << depth;
        EXPECT_EQ(shortcut.CurY, everySegment.CurY) << depth;
        EXPECT_EQ(shortcut.Level, everySegment.Level) << depth;
        EXPECT_EQ(shortcut.Step, everySegment.Step) << depth;
        EXPECT_EQ(shortcut.SegmentCount, everySegment.SegmentCount) << depth;
    }
}

} // namespace
} // namespace vorrelin
