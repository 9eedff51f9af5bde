#include "curve/closed_curve.h"
#include "curve/pen.h"
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
                          [this] { shown.push_back(surface.Pixels().CompleteImage().At(210, 110)); }};

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
        const ImageView image = surface.Pixels().CompleteImage();
        return {image.pixels.begin(), image.pixels.end()};
    }
};

// At unit 0 the curve drawn at once leaves what all its segments leave: the picture, what the
// last refresh showed, and the window's variables. From depth 0, whose four segments start the
// ramp, to depth 6, whose 16384 run through it ten times; and at depth 14, the deepest the
// program draws, the counter ends where 4^15 segments leave it: 4^15 mod 1537 = 1309, the last
// dot in the colour of 1308, and the refreshes white.
TEST(ClosedCurve, AtUnitZeroTheShortcutLeavesWhatEverySegmentLeaves) {
    for (std::int16_t depth = 0; depth <= 6; ++depth) {
        DrawingArea atOnce;
        DrawingArea traced;
        CurveState shortcut{.CurX = 1000, .CurY = 500, .Level = depth};
        CurveState everySegment = shortcut;
        DrawClosedCurve(shortcut, atOnce.surface);
        TraceClosedCurve(everySegment, traced.surface);
        EXPECT_EQ(atOnce.Picture(), traced.Picture()) << depth;
        EXPECT_EQ(atOnce.shown.empty() ? 0 : atOnce.shown.back(),
                  traced.shown.empty() ? 0 : traced.shown.back())
            << depth;
        EXPECT_EQ(shortcut.CurX, everySegment.CurX) << depth;
        EXPECT_EQ(shortcut.CurY, everySegment.CurY) << depth;
        EXPECT_EQ(shortcut.Level, everySegment.Level) << depth;
        EXPECT_EQ(shortcut.SegmentCount, everySegment.SegmentCount) << depth;
    }
    DrawingArea deepest;
    CurveState state{.CurX = 1000, .CurY = 500, .Level = 14};
    DrawClosedCurve(state, deepest.surface);
    EXPECT_EQ(state.SegmentCount, 1309);
    EXPECT_EQ(deepest.shown, std::vector<Pixel>{0xFFFFFFFF});
    EXPECT_EQ(deepest.Picture()[110 * 433 + 210], ToPixel(PenColor(1308)));
}

} // namespace
} // namespace vorrelin
