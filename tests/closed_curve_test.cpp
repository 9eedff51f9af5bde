#include "curve/closed_curve.h"
#include "curve/pen.h"
#include "graphics/raster_surface.h"
#include "support.h"

#include <gtest/gtest.h>
#include <vector>

namespace vorrelin {
namespace {

// The drawing area as the draw command leaves it; each refresh keeps what the screen shows of
// (1000, 500), where the curves below start and the only place a curve of unit 0 draws on.
struct AreaOnScreen {
    std::vector<Pixel> shown;
    RasterSurface surface = testing::DrawingArea(
        1, [this] { shown.push_back(surface.Pixels().CompleteImage().At(210, 110)); });

    std::vector<Pixel> Picture() {
        const ImageView image = surface.Pixels().CompleteImage();
        return {image.pixels.begin(), image.pixels.end()};
    }
};

// At unit 0 the shortcut leaves the picture, last refresh and variables all segments leave, up
// to depth 6; at depth 14, 4^15 mod 1537 = 1309: the last dot in 1308's color, refreshes white.
TEST(ClosedCurve, AtUnitZeroTheShortcutLeavesWhatEverySegmentLeaves) {
    for (std::int16_t depth = 0; depth <= 6; ++depth) {
        AreaOnScreen atOnce;
        AreaOnScreen traced;
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
    AreaOnScreen deepest;
    CurveState state{.CurX = 1000, .CurY = 500, .Level = 14};
    DrawClosedCurve(state, deepest.surface);
    EXPECT_EQ(state.SegmentCount, 1309);
    EXPECT_EQ(deepest.shown, std::vector<Pixel>{0xFFFFFFFF});
    EXPECT_EQ(deepest.Picture()[110 * 433 + 210], ToPixel(PenColor(1308)));
}

} // namespace
} // namespace vorrelin
